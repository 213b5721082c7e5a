// The select button and "Aktualisieren" on chains of a real drawing: the palette shows the
// values of the picked chains ("<var>" where they differ) and applies only what the user changed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "acadobjects/EntityServices.h"
#include "frame/AppLifecycle.h"
#include "frame/LanguageModule.h"
#include "frame/MainPalette.h"
#include "frame/ModuleHandles.h"
#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/MatchPropertiesApp.h"
#include "host/ed/CommandProcessor.h"
#include "host/mfc/ComboBox.h"
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

const wchar_t* const kApp = L"KorvexPaletteSel";

class PaletteSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* tmp = std::getenv("TMPDIR");
    previousTmp_ = tmp ? tmp : "";
    hadTmp_ = tmp != nullptr;
    setenv("TMPDIR", appData_.path().c_str(), 1);
    zhost::SetAppDataFolder(appData_.wpath());
    ResetIniState();
    SetModuleInstance(zhost::RegisterStaticModule(ZK_BIN_DIR L"/KorvexPaletteSel.arx",
                                                  reinterpret_cast<const char*>(zhostResourceScript),
                                                  zhostResourceScriptSize));
    zhost::RegisterLinkedApp(kApp, acrxEntryPoint, acrxGetApiVersion);
    zhost::RegisterMatchPropertiesApp();
    zhost::Console::instance().clearTranscript();
    zhost::CommandProcessor::instance().reset();
    doc_ = acDocManagerPtr()->newDocument();
    ASSERT_NE(doc_, nullptr);
    acDocManagerPtr()->setCurDocument(doc_);
    acdbHostApplicationServices()->setWorkingDatabase(doc_->database());
    ASSERT_TRUE(zhost::Linker()->loadModule(kApp, false));
    ASSERT_TRUE(StartApp(false));
    dlgMyApp->AdjustMode(MODE_DIM);
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

  // A chain in model space at height y, with its own text height and scale.
  AcDbObjectId AddChain(double y, double textHeight, const wchar_t* scale) {
    auto* chain = new QBdim({0, y, 0}, {10, y, 0}, {0, y + 3, 0}, DIMTYPE_HORIZONTAL, nullptr, AcDbObjectId(), 0,
                            nullptr);
    chain->arrayDouble[IND_D_TextHeight] = textHeight;
    chain->arrayString[IND_S_Scale] = scale;
    AcDbObjectId id;
    EXPECT_EQ(AppendEntity(chain, nullptr, 0, &id), Acad::eOk);
    return id;
  }

  // Runs fn with `lines` as the user's answers to the prompts.
  static void WithAnswers(const std::vector<std::wstring>& lines, const std::function<void()>& fn) {
    zhost::LinesSource source(lines);
    zhost::CommandProcessor& processor = zhost::CommandProcessor::instance();
    processor.setSource(&source);
    fn();
    processor.setSource(nullptr);
    processor.reset();
  }

  struct ChainValues {
    double textHeight = 0;
    CString scale;
  };
  static ChainValues Read(AcDbObjectId id) {
    ChainValues values;
    QBdim* chain = nullptr;
    if (acdbOpenObject(chain, id, AcDb::kForRead) != Acad::eOk) return values;
    values.textHeight = chain->arrayDouble[IND_D_TextHeight];
    values.scale = chain->arrayString[IND_S_Scale];
    chain->close();
    return values;
  }

  void SetBox(int id, const wchar_t* text) {
    CComboBox* box = static_cast<CComboBox*>(dlgMyApp->GetDlgItem(id));
    box->SetCurSel(-1);
    box->SetWindowText(text);
  }

  void PickAll() {
    WithAnswers({L"ALL", L""}, [] { zhost::CommandProcessor::instance().runCommand(L"QTRV_SelectZenkoraObjects"); });
  }

  AcApDocument* doc_ = nullptr;
  zktest::TempDir appData_;
  std::string previousTmp_;
  bool hadTmp_ = false;
};

TEST_F(PaletteSelection, PickedChainsShowTheirCommonValuesAndVarWhereTheyDiffer) {
  AddChain(0, 2.5, L"1:50");
  AddChain(20, 3.5, L"1:50");
  // A line is not a chain: the filter leaves it out.
  auto* line = new AcDbLine({0, 40, 0}, {5, 40, 0});
  ASSERT_EQ(AppendEntity(line, nullptr, 0), Acad::eOk);

  PickAll();
  EXPECT_TRUE(pGlobDimOptions->m_bNoWrite);
  EXPECT_EQ(dlgMyApp->GetBoxText(IDC_TEXTHEIGHT), CString(L"<var>"));
  EXPECT_EQ(dlgMyApp->GetBoxText(IDC_SCALE), CString(L"1:50"));
  EXPECT_FALSE(dlgMyApp->BoxShowsKeepMarker(IDC_DECIMALS));
  EXPECT_EQ(dlgMyApp->m_iCurrentMode, MODE_DIM);
}

TEST_F(PaletteSelection, OneChainShowsItsOwnValues) {
  AddChain(0, 4.0, L"1:20");
  PickAll();
  EXPECT_EQ(dlgMyApp->GetBoxText(IDC_TEXTHEIGHT), CString(L"4"));
  EXPECT_EQ(dlgMyApp->GetBoxText(IDC_SCALE), CString(L"1:20"));
}

TEST_F(PaletteSelection, CancelledOrEmptyPickLeavesThePaletteShowingTheOptions) {
  AddChain(0, 4.0, L"1:20");
  auto select = [] { zhost::CommandProcessor::instance().runCommand(L"QTRV_SelectZenkoraObjects"); };
  WithAnswers({L"*cancel*"}, select);
  EXPECT_FALSE(pGlobDimOptions->m_bNoWrite);
  WithAnswers({L""}, select);
  EXPECT_FALSE(pGlobDimOptions->m_bNoWrite);
  EXPECT_FALSE(dlgMyApp->BoxShowsKeepMarker(IDC_TEXTHEIGHT));
}

TEST_F(PaletteSelection, UpdateAppliesOnlyTheChangedValueAndEndsTheSelectionState) {
  const AcDbObjectId a = AddChain(0, 2.5, L"1:50");
  const AcDbObjectId b = AddChain(20, 3.5, L"1:50");
  PickAll();
  ASSERT_EQ(dlgMyApp->GetBoxText(IDC_TEXTHEIGHT), CString(L"<var>"));
  SetBox(IDC_SCALE, L"1:20");
  WithAnswers({L"ALL", L""}, [] { dlgMyApp->OnButUpdate(); });

  EXPECT_DOUBLE_EQ(Read(a).textHeight, 2.5);
  EXPECT_DOUBLE_EQ(Read(b).textHeight, 3.5);
  EXPECT_EQ(Read(a).scale, CString(L"1:20"));
  EXPECT_EQ(Read(b).scale, CString(L"1:20"));
  EXPECT_FALSE(pGlobDimOptions->m_bNoWrite);
}

TEST_F(PaletteSelection, CancelledUpdateChangesNothing) {
  const AcDbObjectId a = AddChain(0, 2.5, L"1:50");
  SetBox(IDC_TEXTHEIGHT, L"9");
  WithAnswers({L"*cancel*"}, [] { dlgMyApp->OnButUpdate(); });
  EXPECT_DOUBLE_EQ(Read(a).textHeight, 2.5);
}

}  // namespace
