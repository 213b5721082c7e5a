// Everything of the Windows layer in one include, as module code includes <windows.h>.
#pragma once

#include "host/win/Console.h"
#include "host/win/ControlWindows.h"
#include "host/win/Crt.h"
#include "host/win/Files.h"
#include "host/win/KeyState.h"
#include "host/win/LastError.h"
#include "host/win/MessageQueue.h"
#include "host/win/Module.h"
#include "host/win/Profile.h"
#include "host/win/TextCase.h"
#include "host/win/TextConv.h"
#include "host/win/WideFormat.h"
#include "host/win/WinMessages.h"
#include "host/win/WinStyles.h"
#include "host/win/Window.h"
#include "host/win/WinTypes.h"
