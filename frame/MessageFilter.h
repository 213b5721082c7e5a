// The module's Windows message filter: registered at init, removed at unload.
#pragma once

// Registers the filter; on failure prints "Can´t register message filter." and goes on.
void RegisterAppMessageFilter();
// Removes the filter when it is registered.
void RemoveAppMessageFilter();
bool IsAppMessageFilterRegistered();
