// Message filters: functions that see the mouse and key messages before the host handles them.
// The host keeps the registered filters; the user-interface layer feeds them.
#pragma once

#include <vector>

#include "host/win/WinTypes.h"

// A message as a filter sees it: for mouse messages lParam holds the client point (x in the low
// word, y in the high word) and pt the screen point.
struct tagMSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  POINT pt;
};
typedef tagMSG MSG;

typedef bool (*AcedFilterWinMsgFn)(MSG* pMsg);

bool acedRegisterFilterWinMsg(const AcedFilterWinMsgFn pfn);
bool acedRemoveFilterWinMsg(const AcedFilterWinMsgFn pfn);

namespace zhost {
// The filters in registration order.
const std::vector<AcedFilterWinMsgFn>& MessageFilters();
// Passes the message to every filter; true when one of them took it.
bool FilterMessage(MSG* msg);
}  // namespace zhost
