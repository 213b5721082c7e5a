// Registration of what the module adds to the host at init: its service, its entity classes,
// the MatchProperties extension, its commands, reactors, message filter and palette.
#pragma once

constexpr const wchar_t* kAppServiceName = L"QTRV_ZENKORA";

// The whole registration, inside one resource override.
void RegisterAppObjects();

// The service object "QTRV_ZENKORA".
void RegisterAppService();
void RemoveAppService();

// QBdim, then QBdimHeight; "Class mismatch" aborts when another class holds one of the names.
void RegisterEntityClasses();
// deleteAcRxClass for QBdim, then QBdimHeight.
void DeleteEntityClasses();
