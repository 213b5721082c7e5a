// The message filter registration. The filter passes every message through: the context-menu
// trigger that will look at right clicks on the module's objects is not part of this version.
#include "frame/MessageFilter.h"

#include "host/ed/CommandLine.h"
#include "host/ed/WinMsgFilter.h"

namespace {

bool g_bFilterRegistered = false;

// false: the message is not consumed and goes on to the host.
bool AppFilterWinMsg(MSG*) { return false; }

}  // namespace

void RegisterAppMessageFilter() {
  g_bFilterRegistered = acedRegisterFilterWinMsg(AppFilterWinMsg);
  if (!g_bFilterRegistered) acutPrintf(L"\nCan´t register message filter.");
}

void RemoveAppMessageFilter() {
  if (!g_bFilterRegistered) return;
  acedRemoveFilterWinMsg(AppFilterWinMsg);
  g_bFilterRegistered = false;
}

bool IsAppMessageFilterRegistered() { return g_bFilterRegistered; }
