// Applications linked into a test program: each records the messages it gets, so a test can
// compare the host's message order with the expected one.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/rx/acrx.h"

namespace zktest {

inline std::vector<std::wstring>& MessageLog() {
  static std::vector<std::wstring> log;
  return log;
}

// How a message's packet is named in the log (the drawing of kLoadDwgMsg/kUnloadDwgMsg).
inline std::function<std::wstring(void*)>& DocLabel() {
  static std::function<std::wstring(void*)> label;
  return label;
}

inline const wchar_t* MessageName(AcRx::AppMsgCode msg) {
  switch (msg) {
    case AcRx::kInitAppMsg: return L"init";
    case AcRx::kUnloadAppMsg: return L"unloadApp";
    case AcRx::kLoadDwgMsg: return L"loadDwg";
    case AcRx::kUnloadDwgMsg: return L"unloadDwg";
    case AcRx::kInvkSubrMsg: return L"invkSubr";
    case AcRx::kEndMsg: return L"end";
    case AcRx::kQuitMsg: return L"quit";
    default: return L"other";
  }
}

struct AppBehaviour {
  bool unlock = true;
  bool mdiAware = true;
  int apiVersion = 0x150000;
  AcRx::AppRetCode initResult = AcRx::kRetOK;
  AcRx::AppRetCode unloadResult = AcRx::kRetOK;
  std::function<void(AcRx::AppMsgCode, void*)> onMessage;  // runs after the log entry
};

// App N: registered as a linked application under the given name.
template <int N>
struct TestApp {
  static AppBehaviour& behaviour() {
    static AppBehaviour b;
    return b;
  }
  static std::wstring& name() {
    static std::wstring n;
    return n;
  }
  static AcRx::AppRetCode Entry(AcRx::AppMsgCode msg, void* pkt) {
    std::wstring entry = name() + L":" + MessageName(msg);
    if ((msg == AcRx::kLoadDwgMsg || msg == AcRx::kUnloadDwgMsg) && DocLabel()) entry += L" " + DocLabel()(pkt);
    MessageLog().push_back(entry);
    AppBehaviour& b = behaviour();
    if (msg == AcRx::kInitAppMsg) {
      if (b.unlock) acrxUnlockApplication(pkt);
      if (b.mdiAware) zhost::Linker()->registerAppMDIAware(pkt);
    }
    if (b.onMessage) b.onMessage(msg, pkt);
    if (msg == AcRx::kInitAppMsg) return b.initResult;
    if (msg == AcRx::kUnloadAppMsg) return b.unloadResult;
    return AcRx::kRetOK;
  }
  static int ApiVersion(int) { return behaviour().apiVersion; }
  // Registers the application afresh (default behaviour) under the name.
  static void Register(const std::wstring& appName) {
    name() = appName;
    behaviour() = AppBehaviour();
    zhost::RegisterLinkedApp(appName, Entry, ApiVersion);
  }
};

}  // namespace zktest
