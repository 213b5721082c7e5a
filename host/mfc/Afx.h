// Everything of the MFC layer (and the Windows layer) in one include, as module code includes
// <afxwin.h> and friends.
#pragma once

#include "host/mfc/Array.h"
#include "host/mfc/CObject.h"
#include "host/mfc/CString.h"
#include "host/mfc/Collections.h"
#include "host/mfc/Exceptions.h"
#include "host/mfc/MapStringToString.h"
#include "host/mfc/MessageBox.h"
#include "host/mfc/ModuleState.h"
#include "host/mfc/ResourceScript.h"
#include "host/mfc/Resources.h"
#include "host/mfc/WaitCursor.h"
#include "host/win/Windows.h"
