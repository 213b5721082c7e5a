// A chain's option arrays through the palette: the chain set overlaid by the palette's boxes,
// with the keep marker leaving the chain's own value, run in-process on the linked module.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "frame/AppLifecycle.h"
#include "frame/LanguageModule.h"
#include "frame/MainPalette.h"
#include "frame/ModuleHandles.h"
#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/MatchPropertiesApp.h"
#include "host/mfc/ComboBox.h"
#include "host/mfc/ModuleState.h"
#include "host/rx/acrx.h"
#include "host/win/Console.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"
#include "tests/support/TempDir.h"
#include "ui/DlgMain.h"

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* packet);
extern "C" int acrxGetApiVersion(int hostVersion);
extern "C" const unsigned char zhostResourceScript[];
extern "C" const unsigned long zhostResourceScriptSize;

namespace {

const wchar_t* const kApp = L"KorvexPalette";

class PaletteTransfer : public ::testing::Test {
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
    SetModuleInstance(zhost::RegisterStaticModule(ZK_BIN_DIR L"/KorvexPalette.arx",
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
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    if (doc_) acDocManagerPtr()->closeDocument(doc_, nullptr);
    if (linker->isAppLoaded(zhost::kMatchPropertiesApp)) linker->unloadModule(zhost::kMatchPropertiesApp, false);
    zhost::UnregisterLinkedApp(kApp);
    FreeLanguageModule();
    SetModuleInstance(nullptr);
    ResetIniState();
    if (hadTmp_) setenv("TMPDIR", previousTmp_.c_str(), 1);
    else unsetenv("TMPDIR");
  }

  // Loads the module with a drawing open, as the palette needs one.
  bool Load() {
    doc_ = acDocManagerPtr()->newDocument();
    if (!doc_) return false;
    acDocManagerPtr()->setCurDocument(doc_);
    acdbHostApplicationServices()->setWorkingDatabase(doc_->database());
    return zhost::Linker()->loadModule(kApp, false);
  }

  AcApDocument* doc_ = nullptr;

  // Types `text` into box `id` of the palette, without its handlers.
  void SetBox(int id, const wchar_t* text) {
    CComboBox* box = static_cast<CComboBox*>(dlgMyApp->GetDlgItem(id));
    box->SetCurSel(-1);
    box->SetWindowText(text);
  }

  zktest::TempDir appData_;
  std::string previousTmp_;
  bool hadTmp_ = false;
};

TEST_F(PaletteTransfer, ChainTakesThePaletteValuesAndKeepsItsOwnWhereTheBoxSaysSo) {
  ASSERT_TRUE(Load());
  ASSERT_TRUE(StartApp(false));
  ASSERT_NE(dlgMyApp, nullptr);
  dlgMyApp->AdjustMode(MODE_DIM);
  dlgMyApp->AdjustType(4);
  std::unique_ptr<QBdim> chain(new QBdim);
  chain->Initialize(0);
  EXPECT_EQ(chain->arrayInt[IND_I_LastType], 4u);
  EXPECT_EQ(chain->arrayInt[IND_I_AppVersion], 2017101u);
  EXPECT_DOUBLE_EQ(chain->arrayDouble[IND_D_TextHeight], pGlobDimOptions->dimSet.arrayDouble[IND_D_TextHeight]);

  // The keep marker leaves the chain's value and reports no change.
  chain->arrayDouble[IND_D_TextHeight] = 7.0;
  SetBox(IDC_TEXTHEIGHT, L"<var>");
  int change = 0;
  EXPECT_TRUE(dlgMyApp->InitParameters(chain.get(), &change));
  EXPECT_DOUBLE_EQ(chain->arrayDouble[IND_D_TextHeight], 7.0);
  EXPECT_EQ(change, 0);
  // A new text height is a change of geometry.
  SetBox(IDC_TEXTHEIGHT, L"2.5");
  SetBox(IDC_SCALE, L"1:20");
  EXPECT_TRUE(dlgMyApp->InitParameters(chain.get(), &change));
  EXPECT_DOUBLE_EQ(chain->arrayDouble[IND_D_TextHeight], 2.5);
  EXPECT_EQ(chain->arrayString[IND_S_Scale], CString(L"1:20"));
  EXPECT_EQ(change, 2);
  // The keep marker in the extension-line box keeps ExtLine and its length.
  chain->arrayInt[IND_I_ExtLine] = 1;
  chain->arrayDouble[IND_D_ExtLineLength] = 12.5;
  SetBox(IDC_EXTLINE, L"<var>");
  EXPECT_TRUE(dlgMyApp->InitParameters(chain.get(), &change));
  EXPECT_EQ(chain->arrayInt[IND_I_ExtLine], 1u);
  EXPECT_DOUBLE_EQ(chain->arrayDouble[IND_D_ExtLineLength], 12.5);
  EXPECT_EQ(pGlobDimOptions->arrayOptInt[IND_OPT_B_ExtNewPosition], 0u);
}

TEST_F(PaletteTransfer, OtherModesRefuseAChainButItsInitialisationUsesTheChainMode) {
  ASSERT_TRUE(Load());
  ASSERT_TRUE(StartApp(false));
  dlgMyApp->AdjustMode(MODE_TEXT);
  std::unique_ptr<QBdim> chain(new QBdim);
  chain->arrayDouble.SetAtGrow(IND_D_TextHeight, 9.0);
  int change = 0;
  EXPECT_FALSE(dlgMyApp->InitParameters(chain.get(), &change));
  EXPECT_DOUBLE_EQ(chain->arrayDouble[IND_D_TextHeight], 9.0);
  chain->Initialize(0);
  EXPECT_EQ(dlgMyApp->m_iCurrentMode, MODE_TEXT);
  EXPECT_EQ(chain->arrayInt.GetSize(), pGlobDimOptions->dimSet.arrayInt.GetSize());
}

}  // namespace
