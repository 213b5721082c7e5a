// Start and stop of the module's editor and database reactors, and the re-attachment of the
// database reactor to the drawing that has become current.
#pragma once

// The work of the commands QTRV_DRStart and QTRV_DRStop.
void StartAppReactors();
void StopAppReactors();

// Called for every drawing that is opened or created.
void AttachDatabaseReactorToCurrentDrawing();
