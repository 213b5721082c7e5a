// The module's life between the host's messages: init, unload and the final unload during
// static destruction.
#pragma once

// Clears the unloaded flag; creates and loads the option object, loads the language module and
// registers everything, unless the option object already exists.
void OnkInitApp();

// Destroys the palette (recording its state), removes the service, releases document locks,
// stops the reactors, writes the INI caches back and removes the message filter.
void UnloadApp();

// Deletes the classes, removes the command group, deletes the option object and the debug log.
// Runs once after an init; later calls do nothing.
void FinalUnload();

// Set while the application is not initialised.
bool IsAppUnloaded();
void SetAppUnloaded();
