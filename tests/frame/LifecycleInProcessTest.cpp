// The module's lifecycle driven in-process through the real dynamic linker: the linked module
// objects run as an application of the test program, so their globals can be looked at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "frame/AppEventCatcher.h"
#include "frame/AppLifecycle.h"
#include "frame/LanguageModule.h"
#include "frame/LispFunctions.h"
#include "frame/MatchProperties.h"
#include "frame/ModuleHandles.h"
#include "host/db/AcDbMatchProperties.h"
#include "host/db/MatchPropertiesApp.h"
#include "host/ed/Lisp.h"
#include "host/mfc/ModuleState.h"
#include "host/rx/acrx.h"
#include "host/win/Console.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/Profile.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimHeight.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"
#include "tests/support/TempDir.h"

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* packet);
extern "C" int acrxGetApiVersion(int hostVersion);
extern "C" const unsigned char zhostResourceScript[];
extern "C" const unsigned long zhostResourceScriptSize;

namespace {

const wchar_t* const kApp = L"KorvexInProcess";

std::wstring Transcript() { return zhost::Console::instance().transcript(); }

bool Contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

class LifecycleInProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    // The trace log lives in the temporary folder: keep it in the test's own.
    const char* tmp = std::getenv("TMPDIR");
    previousTmp_ = tmp ? tmp : "";
    hadTmp_ = tmp != nullptr;
    setenv("TMPDIR", appData_.path().c_str(), 1);
    zhost::SetAppDataFolder(appData_.wpath());
    ResetIniState();
    // The module's record: beside the language modules of the build, with its own resources.
    SetModuleInstance(zhost::RegisterStaticModule(ZK_BIN_DIR L"/KorvexInProcess.arx",
                                                  reinterpret_cast<const char*>(zhostResourceScript),
                                                  zhostResourceScriptSize));
    zhost::RegisterLinkedApp(kApp, acrxEntryPoint, acrxGetApiVersion);
    zhost::RegisterMatchPropertiesApp();
    zhost::Console::instance().clearTranscript();
  }

  void TearDown() override {
    AcRxDynamicLinker* linker = zhost::Linker();
    if (linker->isAppLoaded(kApp)) linker->unloadModule(kApp, false);
    FinalUnload();
    if (linker->isAppLoaded(zhost::kMatchPropertiesApp)) linker->unloadModule(zhost::kMatchPropertiesApp, false);
    zhost::UnregisterLinkedApp(kApp);
    FreeLanguageModule();
    SetModuleInstance(nullptr);
    ResetIniState();
    if (hadTmp_) setenv("TMPDIR", previousTmp_.c_str(), 1);
    else unsetenv("TMPDIR");
  }

  // Writes a value into the main INI file before the module reads it.
  void PresetIni(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    WritePrivateProfileStringW(section, key, value, GetIniFileName());
    ResetIniState();
  }

  bool Load() { return zhost::Linker()->loadModule(kApp, false); }
  void* AppId() { return const_cast<zhost::AppRecord*>(zhost::Linker()->findApp(kApp)); }

  zktest::TempDir appData_;
  std::string previousTmp_;
  bool hadTmp_ = false;
};

TEST_F(LifecycleInProcess, RegistersBothClassesAsDocumented) {
  ASSERT_TRUE(Load());
  ASSERT_NE(pGlobDimOptions, nullptr);
  struct Expected {
    AcRxClass* cls;
    const wchar_t* name;
    const wchar_t* dxfName;
  } rows[] = {{QBdim::desc(), L"QBdim", L"QTRV_ZENKORA"}, {QBdimHeight::desc(), L"QBdimHeight", L"QTRV_DIM_HEIGHT"}};
  for (const Expected& row : rows) {
    ASSERT_NE(row.cls, nullptr);
    EXPECT_STREQ(row.cls->name(), row.name);
    EXPECT_STREQ(row.cls->dxfName(), row.dxfName);
    EXPECT_EQ(row.cls->myParent(), AcDbEntity::desc());
    int dwg = 0, maint = 0;
    row.cls->getClassVersion(dwg, maint);
    EXPECT_EQ(dwg, 31);
    EXPECT_EQ(maint, 125);
    EXPECT_EQ(row.cls->proxyFlags(), 3071);
    EXPECT_EQ(std::wstring(row.cls->appName()).rfind(
                  L"Quillbar - zenkora|Product Desc: Quillbar - zenkora|Company: Quillbar ltd|WEB Address: ", 0),
              0u);
    EXPECT_EQ(acrxClassDictionary->at(row.name), row.cls);
  }
  EXPECT_NE(acrxServiceDictionary->at(L"QTRV_ZENKORA"), nullptr);

  ASSERT_TRUE(zhost::Linker()->unloadModule(kApp, false));
  EXPECT_EQ(acrxServiceDictionary->at(L"QTRV_ZENKORA"), nullptr);
  FinalUnload();
  EXPECT_EQ(pGlobDimOptions, nullptr);
  EXPECT_EQ(acrxClassDictionary->at(L"QBdim"), nullptr);
  EXPECT_EQ(acrxClassDictionary->at(L"QBdimHeight"), nullptr);
}

TEST_F(LifecycleInProcess, SecondInitMessageChangesNothing) {
  ASSERT_TRUE(Load());
  CGlobDimOptions* options = pGlobDimOptions;
  AcRxClass* chain = QBdim::desc();
  AcRxClass* mark = QBdimHeight::desc();
  EXPECT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, AppId()), AcRx::kRetOK);
  EXPECT_EQ(pGlobDimOptions, options);
  EXPECT_EQ(QBdim::desc(), chain);
  EXPECT_EQ(QBdimHeight::desc(), mark);
  EXPECT_FALSE(Contains(Transcript(), L"ANY PROBLEM"));
}

TEST_F(LifecycleInProcess, OnlyTheFirstUnloadMessageActs) {
  ASSERT_TRUE(Load());
  ASSERT_TRUE(zhost::Linker()->unloadModule(kApp, false));
  // The option object lives until the final unload: a second unload would write the palette
  // state and the caches back again.
  ASSERT_NE(pGlobDimOptions, nullptr);
  WriteGeneralInfoString(L"ShowAppWindow", L"7");
  for (AcRx::AppMsgCode msg : {AcRx::kUnloadAppMsg, AcRx::kEndMsg, AcRx::kQuitMsg})
    EXPECT_EQ(acrxEntryPoint(msg, nullptr), AcRx::kRetOK);
  EXPECT_EQ(ReadEntryFromDisk(GetIniFileName(), L"General Info", L"ShowAppWindow"), CString(L"0"));
  EXPECT_EQ(ReadGeneralInfoString(L"ShowAppWindow"), CString(L"7"));
}

TEST_F(LifecycleInProcess, MessagesOutsideTheKnownRangeDoNothing) {
  for (int msg : {0, 12, 13, 99, -1})
    EXPECT_EQ(acrxEntryPoint(static_cast<AcRx::AppMsgCode>(msg), nullptr), AcRx::kRetOK);
  EXPECT_EQ(pGlobDimOptions, nullptr);
  EXPECT_TRUE(IsAppUnloaded());
}

TEST_F(LifecycleInProcess, FunctionCallOutsideTheTableIsReportedAsFailed) {
  // Outside a LISP call there is no valid function code.
  EXPECT_EQ(acrxEntryPoint(AcRx::kInvkSubrMsg, nullptr), AcRx::kRetError);
  EXPECT_FALSE(Contains(Transcript(), L"not available"));
}

TEST_F(LifecycleInProcess, MatchPropertiesPresentAtInitIsExtendedAtOnce) {
  ASSERT_TRUE(zhost::Linker()->loadModule(zhost::kMatchPropertiesApp, false));
  ASSERT_TRUE(Load());
  EXPECT_FALSE(IsAppEventCatcherInstalled());
  EXPECT_TRUE(IsMatchQBdimAdded());
  EXPECT_NE(QBdim::desc()->queryX(AcDbMatchProperties::desc()), nullptr);
  EXPECT_EQ(QBdimHeight::desc()->queryX(AcDbMatchProperties::desc()),
            QBdim::desc()->queryX(AcDbMatchProperties::desc()));
  // The service cannot go while the module depends on it.
  EXPECT_FALSE(zhost::Linker()->unloadModule(zhost::kMatchPropertiesApp, false));
  ASSERT_TRUE(zhost::Linker()->unloadModule(kApp, false));
  EXPECT_EQ(QBdim::desc()->queryX(AcDbMatchProperties::desc()), nullptr);
  EXPECT_TRUE(zhost::Linker()->unloadModule(zhost::kMatchPropertiesApp, false));
}

TEST_F(LifecycleInProcess, MatchPropertiesLoadedLaterIsExtendedAtTheNextApplicationLoadOnce) {
  ASSERT_TRUE(Load());
  EXPECT_TRUE(IsAppEventCatcherInstalled());
  EXPECT_FALSE(IsMatchQBdimAdded());
  EXPECT_EQ(QBdim::desc()->queryX(AcDbMatchProperties::desc()), nullptr);

  ASSERT_TRUE(zhost::Linker()->loadModule(zhost::kMatchPropertiesApp, false));
  EXPECT_TRUE(IsMatchQBdimAdded());
  AcRxObject* extension = QBdim::desc()->queryX(AcDbMatchProperties::desc());
  EXPECT_NE(extension, nullptr);
  AcRxService* service = AcRxService::cast(acrxServiceDictionary->at(L"MatchProperties"));
  ASSERT_NE(service, nullptr);
  EXPECT_EQ(service->dependencyCount(), 1);

  // A further application load adds nothing.
  zhost::RegisterLinkedApp(L"OtherApp", [](AcRx::AppMsgCode msg, void* pkt) {
    if (msg == AcRx::kInitAppMsg) acrxUnlockApplication(pkt);
    return AcRx::kRetOK;
  });
  ASSERT_TRUE(zhost::Linker()->loadModule(L"OtherApp", false));
  EXPECT_EQ(service->dependencyCount(), 1);
  EXPECT_EQ(QBdim::desc()->queryX(AcDbMatchProperties::desc()), extension);
  zhost::Linker()->unloadModule(L"OtherApp", false);
  zhost::UnregisterLinkedApp(L"OtherApp");

  ASSERT_TRUE(zhost::Linker()->unloadModule(kApp, false));
  EXPECT_FALSE(IsAppEventCatcherInstalled());
  EXPECT_EQ(service->dependencyCount(), 0);
}

// What MATCHPROP copies between the module's entities: the chosen general properties, and the
// visibility always.
TEST_F(LifecycleInProcess, MatchPropertiesCopiesTheFlaggedPropertiesAndVisibility) {
  ASSERT_TRUE(zhost::Linker()->loadModule(zhost::kMatchPropertiesApp, false));
  ASSERT_TRUE(Load());
  auto* match = AcDbMatchProperties::cast(QBdim::desc()->queryX(AcDbMatchProperties::desc()));
  ASSERT_NE(match, nullptr);
  struct Case {
    unsigned int flags;
    bool color, layer, linetype, scale;
  } cases[] = {
      {0, false, false, false, false},
      {AcDbMatchProperties::kColorFlag, true, false, false, false},
      {AcDbMatchProperties::kLayerFlag | AcDbMatchProperties::kLtypeFlag, false, true, true, false},
      {AcDbMatchProperties::kLtscaleFlag, false, false, false, true},
      {AcDbMatchProperties::kSetAllFlagsProps, true, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flags);
    QBdim source;
    QBdimHeight target;  // any pair of entities gets the general properties
    source.setColorIndex(3);
    source.setLayer(L"DIM_1_100");
    source.setLinetype(L"DASHED");
    source.setLinetypeScale(2.5);
    source.setVisibility(AcDb::kInvisible);
    match->copyProperties(&source, &target, c.flags);
    EXPECT_EQ(target.colorIndex() == 3, c.color);
    EXPECT_EQ(std::wstring(target.layer()) == L"DIM_1_100", c.layer);
    EXPECT_EQ(std::wstring(target.linetype()) == L"DASHED", c.linetype);
    EXPECT_EQ(target.linetypeScale() == 2.5, c.scale);
    EXPECT_EQ(target.visibility(), AcDb::kInvisible);
  }
}

TEST_F(LifecycleInProcess, LanguageModuleFromTheIniFileAndFreedWhenTheLanguageIsMissing) {
  PresetIni(L"LastStatus", L"Language", L"ENU");
  ASSERT_TRUE(Load());
  ASSERT_NE(GetLanguageModule(), nullptr);
  EXPECT_EQ(GetLoadedLanguageModulePath(), CString(ZK_BIN_DIR L"/zenkoraENU.lng"));

  WriteEntryDeferred(GetIniFileName(), L"LastStatus", L"Language", L"QQQ");
  LoadLanguageModule();
  EXPECT_EQ(GetLanguageModule(), nullptr);
  EXPECT_EQ(GetLoadedLanguageModulePath(), GetUserDataFolder() + L"zenkoraQQQ.lng");
}

// A probe application defines functions with codes the module's table does not have and hands
// their calls to the module's dispatcher.
int g_iProbeResult = 0;

AcRx::AppRetCode ProbeEntry(AcRx::AppMsgCode msg, void* packet) {
  if (msg == AcRx::kInitAppMsg) {
    acrxUnlockApplication(packet);
    acedDefun(L"zkprobe3", 3);
    acedDefun(L"zkprobeneg", -1);
    acedDefun(L"zkprobe0", 0);
  }
  if (msg == AcRx::kInvkSubrMsg) g_iProbeResult = InvokeLispFunction();
  return AcRx::kRetOK;
}

int CallProbe(const wchar_t* name) {
  g_iProbeResult = 0;
  resbuf* args = acutBuildList(RTSTR, name, 0);
  resbuf* result = nullptr;
  acedInvoke(args, &result);
  acutRelRb(args);
  acutRelRb(result);
  return g_iProbeResult;
}

TEST(LispFunctionDispatch, CodesOutsideTheTableGiveRtErrorWithoutCallingAnything) {
  zhost::RegisterLinkedApp(L"FrameProbe", ProbeEntry);
  ASSERT_TRUE(zhost::Linker()->loadModule(L"FrameProbe", false));
  zhost::Console::instance().clearTranscript();
  EXPECT_EQ(CallProbe(L"zkprobe3"), RTERROR);
  EXPECT_EQ(CallProbe(L"zkprobeneg"), RTERROR);
  EXPECT_FALSE(Contains(Transcript(), L"not available"));
  EXPECT_EQ(CallProbe(L"zkprobe0"), RSRSLT);
  EXPECT_TRUE(Contains(Transcript(), L"QTRV_ZenkoraPopUp is not available"));
  zhost::Linker()->unloadModule(L"FrameProbe", false);
  zhost::UnregisterLinkedApp(L"FrameProbe");
}

}  // namespace
