// String lookup through the module state: the resource handle first, then the CDynLinkLibrary
// chain (newest first), then the program; extension-module set-up and tear-down; the real
// language module's resources.
#include <gtest/gtest.h>

#include <string>

#include "host/mfc/ModuleState.h"
#include "host/mfc/Resources.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"

namespace {

HINSTANCE Register(const wchar_t* path, const std::string& script) {
  return zhost::RegisterStaticModule(path, script.data(), script.size());
}

CString Load(UINT id) {
  CString s(L"<unchanged>");
  s.LoadString(id);
  return s;
}

TEST(Resources, LookupOrderThroughResourceHandleAndChain) {
  HINSTANCE a = Register(L"/zk/order/ModuleA.arx", "STRINGTABLE BEGIN 1 \"A1\" 2 \"A2\" END");
  HINSTANCE lang = Register(L"/zk/order/lang.lng", "STRINGTABLE BEGIN 1 \"L1\" 3 \"\" END");
  HINSTANCE b = Register(L"/zk/order/ModuleB.arx", "STRINGTABLE BEGIN 3 \"B3\" 1 \"B1\" END");
  ASSERT_EQ(AfxGetResourceHandle(), zhost::HostModule());
  EXPECT_EQ(AfxGetInstanceHandle(), zhost::HostModule());

  AFX_EXTENSION_MODULE extA, extB;
  ASSERT_TRUE(AfxInitExtensionModule(extA, a));
  EXPECT_EQ(extA.hResource, a);
  new CDynLinkLibrary(extA);
  ASSERT_TRUE(AfxInitExtensionModule(extB, b));
  new CDynLinkLibrary(extB);

  EXPECT_EQ(Load(1), L"B1");  // the newest library first
  EXPECT_EQ(Load(2), L"A2");
  AfxSetResourceHandle(lang);
  EXPECT_EQ(Load(1), L"L1");  // the resource handle before the chain
  EXPECT_EQ(Load(3), L"B3");  // an empty entry counts as missing
  EXPECT_EQ(Load(2), L"A2");
  EXPECT_EQ(Load(99), L"<unchanged>");
  CString s;
  EXPECT_FALSE(s.LoadString(99));
  EXPECT_FALSE(s.LoadString(a, 3));
  EXPECT_TRUE(s.LoadString(a, 1));
  EXPECT_EQ(s, L"A1");

  AfxSetResourceHandle(zhost::HostModule());
  AfxTermExtensionModule(extB);
  EXPECT_EQ(Load(1), L"A1");
  EXPECT_EQ(Load(3), L"<unchanged>");
  AfxTermExtensionModule(extA);
  EXPECT_EQ(AfxGetModuleState()->m_pFirstDLL, nullptr);
  EXPECT_EQ(Load(1), L"<unchanged>");
  EXPECT_FALSE(AfxInitExtensionModule(extA, nullptr));
}

TEST(Resources, LoadStringWCopiesWithinTheBuffer) {
  HINSTANCE m = Register(L"/zk/load/strings.arx", "STRINGTABLE BEGIN 7 \"Layer\" END");
  wchar_t buf[4];
  EXPECT_EQ(LoadStringW(m, 7, buf, 4), 3);
  EXPECT_EQ(std::wstring(buf), L"Lay");
  EXPECT_EQ(LoadStringW(m, 8, buf, 4), 0);
  EXPECT_EQ(buf[0], 0);
  const wchar_t* direct = nullptr;
  EXPECT_EQ(LoadStringW(m, 7, reinterpret_cast<LPWSTR>(&direct), 0), 5);
  EXPECT_EQ(std::wstring(direct, 5), L"Layer");
  EXPECT_EQ(LoadStringW(nullptr, 7, buf, 4), 0);
  EXPECT_TRUE(zhost::ModuleResources(nullptr)->strings.entries.empty());
}

TEST(Resources, TheLanguageModuleAndItsUnload) {
  std::wstring error;
  HINSTANCE lng = zhost::LoadModule(zhost::FromUtf8(ZK_BIN_DIR "/zenkoraENU.lng"), &error);
  ASSERT_NE(lng, nullptr) << error;
  auto script = zhost::ModuleResources(lng);
  EXPECT_TRUE(script->problems.empty()) << (script->problems.empty() ? L"" : script->problems.front());
  for (const auto& entry : script->strings.entries) {
    CString s;
    EXPECT_EQ(s.LoadString(lng, entry.first), entry.second.empty() ? FALSE : TRUE);
  }

  // A module that goes away stops being the resource source and leaves the chain.
  AfxSetResourceHandle(lng);
  new CDynLinkLibrary(lng, lng);
  EXPECT_TRUE(zhost::FreeModule(lng));
  EXPECT_EQ(AfxGetResourceHandle(), zhost::HostModule());
  EXPECT_EQ(AfxGetModuleState()->m_pFirstDLL, nullptr);
}

TEST(Resources, ManageStateIsAScope) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  EXPECT_EQ(AfxGetStaticModuleState(), AfxGetModuleState());
}

}  // namespace
