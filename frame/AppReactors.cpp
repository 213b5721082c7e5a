// The reactor hooks of the module lifecycle and the reactor pause flag. The editor and database
// reactors themselves are not part of this version yet: the hooks are called at the right
// moments of init, unload and drawing load, and do nothing until the reactors are added here.
#include "frame/AppReactors.h"

int bReactorPaused = 0;

void StartAppReactors() { bReactorPaused = 0; }

void StopAppReactors() {}

void AttachDatabaseReactorToCurrentDrawing() {}
