// Start and stop of the module's editor and database reactors, the re-attachment of the
// database reactor to the drawing that has become current, and the reactor pause flag.
#pragma once

// 0 or 1; while 1 the database reactor ignores every notification. Code that writes many
// objects (or its own extended data) sets it and restores the value it found afterwards.
extern int bReactorPaused;

// The work of the commands QTRV_DRStart and QTRV_DRStop.
void StartAppReactors();
void StopAppReactors();

// Called for every drawing that is opened or created.
void AttachDatabaseReactorToCurrentDrawing();
