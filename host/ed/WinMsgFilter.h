// Message filters: functions that see the mouse and key messages before the host handles them.
// The host keeps the registered filters; the user-interface layer feeds them.
#pragma once

#include <vector>

#include "host/win/WinTypes.h"

struct tagMSG;
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
