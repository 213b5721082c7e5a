// The layer for an object (with and without the palette's boxes) and the layer-0 check, on a
// drawing in a document.
#include <gtest/gtest.h>

#include <memory>

#include "acadobjects/DocumentServices.h"
#include "acadobjects/TextLists.h"
#include "frame/ResourceString.h"
#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "proxy/QBdimHeight.h"
#include "settings/GlobDimOptions.h"
#include "settings/LayerRules.h"
#include "tests/acadobjects/DbServicesFixture.h"

namespace {

const int kUnknownScale = 32873;

class LayerRulesTest : public DbServicesFixture {
 protected:
  static void SetUpTestSuite() {
    if (!QBdimHeight::desc()) QBdimHeight::rxInit();
  }
  void SetUp() override {
    DbServicesFixture::SetUp();
    m_pOldOptions = pGlobDimOptions;
    m_options.reset(new CGlobDimOptions);
    pGlobDimOptions = m_options.get();
    for (int mode : {MODE_DIM, MODE_HEIGHT, MODE_TEXT}) m_options->SetOfMode(mode).Reset();
    m_options->mapScale2Layer.SetAt(L"1:100", L"DIM_1_100=3");
    m_options->mapScale2Layer.SetAt(GetResString(kUnknownScale), L"DIM_1_X=7");
    m_options->mapScale2LayerHeight.SetAt(L"1:100", L"HK_1_100=4");
    m_db = NewDocument()->database();
  }
  void TearDown() override {
    pGlobDimOptions = m_pOldOptions;
    m_options.reset();
    DbServicesFixture::TearDown();
  }

  int LayerColor(AcDbObjectId layer) {
    AcDbLayerTableRecord* record = nullptr;
    if (acdbOpenObject(record, layer, AcDb::kForRead) != Acad::eOk) return -1;
    const int color = record->color().colorIndex();
    record->close();
    return color;
  }

  static CString LayerName(AcDbObjectId layer) {
    AcDbLayerTableRecord* record = nullptr;
    if (acdbOpenObject(record, layer, AcDb::kForRead) != Acad::eOk) return CString();
    const CString name(record->nameString().c_str());
    record->close();
    return name;
  }

  static CStringArray Scale(const wchar_t* scale) {
    CStringArray strings;
    strings.Add(scale);
    return strings;
  }

  CGlobDimOptions* m_pOldOptions = nullptr;
  std::unique_ptr<CGlobDimOptions> m_options;
  AcDbDatabase* m_db = nullptr;
};

TEST_F(LayerRulesTest, WithoutAPaletteNoLayerIsChosen) {
  AcDbLine line;
  EXPECT_TRUE(GetLayerForObject(&line, Scale(L"1:100")).isNull());
  EXPECT_STREQ(line.layer(), L"0");
}

TEST_F(LayerRulesTest, TheLayerBoxNamesTheLayerOrMeansTheCurrentOne) {
  CPaletteLayerBoxes boxes;
  boxes.iMode = MODE_DIM;
  boxes.strLayer = L"FROM_BOX";
  AcDbLine line;
  const AcDbObjectId layer = GetLayerForObject(&line, Scale(L"1:100"), &boxes);
  ASSERT_FALSE(layer.isNull());
  EXPECT_STREQ(line.layer(), L"FROM_BOX");  // created, and the object put on it
  EXPECT_EQ(LayerColor(layer), 7);

  boxes.strLayer.Empty();
  EXPECT_EQ(GetLayerForObject(&line, Scale(L"1:100"), &boxes), m_db->clayer());
}

TEST_F(LayerRulesTest, TheScaleDecidesWithTheKeepMarkerOrInModeAll) {
  struct Case {
    const wchar_t* layerBox;
    int mode;
    const wchar_t* scaleBox;
    const wchar_t* ownScale;
    const wchar_t* layer;
    int color;
  } cases[] = {
      {L"<var>", MODE_DIM, L"1:100", L"1:50", L"DIM_1_100", 3},
      {L"IGNORED", MODE_ALL, L"", L"1:100", L"DIM_1_100", 3},
      {L"<var>", MODE_DIM, L"<var>", L"1:75", L"DIM_1_X", 7},  // the catch-all scale
  };
  for (const Case& c : cases) {
    CPaletteLayerBoxes boxes;
    boxes.strLayer = c.layerBox;
    boxes.iMode = c.mode;
    boxes.strScale = c.scaleBox;
    AcDbLine line;
    const AcDbObjectId layer = GetLayerForObject(&line, Scale(c.ownScale), &boxes);
    ASSERT_FALSE(layer.isNull()) << c.layer;
    EXPECT_EQ(LayerName(layer), CString(c.layer));
    EXPECT_EQ(LayerColor(layer), c.color) << c.layer;
  }
  EXPECT_EQ(m_options->iCurrentMode, MODE_DIM);  // switched only for the lookup
}

TEST_F(LayerRulesTest, HeightMarksUseTheHeightMapAndAnExistingLayerIsOnlyReturned) {
  CPaletteLayerBoxes boxes;
  boxes.strLayer = L"<var>";
  boxes.iMode = MODE_HEIGHT;
  boxes.strScale = L"1:100";
  QBdimHeight mark;
  const AcDbObjectId layer = GetLayerForObject(&mark, Scale(L""), &boxes);
  EXPECT_EQ(LayerColor(layer), 4);
  EXPECT_STREQ(mark.layer(), L"HK_1_100");

  AcDbLine line;
  m_options->mapScale2Layer.SetAt(L"1:100", L"HK_1_100=3");
  boxes.iMode = MODE_DIM;
  EXPECT_EQ(GetLayerForObject(&line, Scale(L""), &boxes), layer);
  EXPECT_STREQ(line.layer(), L"0");  // the caller puts it on the layer it got

  m_options->mapScale2Layer.RemoveAll();
  EXPECT_TRUE(GetLayerForObject(&line, Scale(L"1:100"), &boxes).isNull());
}

TEST_F(LayerRulesTest, LayerZeroIsRefusedOnlyWhenForbidden) {
  m_options->SetInt(IND_I_ForbidLayer0, 0);
  EXPECT_TRUE(CheckForbidLayer0());

  m_options->SetInt(IND_I_ForbidLayer0, 1);
  EXPECT_TRUE(CheckForbidLayer0(L"WALLS"));
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_FALSE(CheckForbidLayer0());  // empty box: the current layer "0"
  EXPECT_FALSE(CheckForbidLayer0(L"0"));
  EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{L"Layer \"0\" ist verboten.", L"Layer \"0\" ist verboten."}));

  ASSERT_EQ(m_db->setClayer(AddLayer(m_db, L"WORK")), Acad::eOk);
  EXPECT_TRUE(CheckForbidLayer0());
}

}  // namespace
