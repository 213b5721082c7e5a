// System variables and the state of the CAD program: typed reads of variables, paper space and
// viewports, the active commands, command strings, the product kind and the annotation scale.
#pragma once

#include "host/ge/AcGePoint3d.h"
#include "host/mfc/CString.h"

class AcDbDatabase;
class AcDbEntity;

// The value of a system variable; 0 (or the origin) when it cannot be read.
double GetAcadVarD(const wchar_t* name);
int GetAcadVarI(const wchar_t* name);
AcGePoint3d GetAcadVarP(const wchar_t* name);

// TILEMODE 0 and CVPORT 1.
bool IsPaperSpace();
// TILEMODE 0 and CVPORT not 1.
bool IsInFloatingViewport();

// The upper-case names of the active commands (CMDNAMES); without `includeOwn` a name of the
// add-on's own commands ("QTRV_") gives "".
CString GetActiveCommand(bool includeOwn);
// Formats the text (at most 1024 characters) and queues it as command input.
void SendCommandString(const wchar_t* format, ...);
// Always false here (see the definition).
bool IsAutoCADLT();

// The scale factor of the drawing's current annotation scale; 1 when there is none. `db` null:
// the current drawing.
double GetCurAnnotationScale(AcDbDatabase* db = nullptr);
// True when `scale` equals string resource 7102 without regard to case.
bool IsAnnotativeScaleName(const wchar_t* scale);
// True when the annotative state of `entity` was changed to `on`.
bool SetAnnotative(AcDbEntity* entity, bool on);
