// The chain's accessors: point slots by index, extension flags and symbol overrides, and the
// size conversions with their repairs.
#include <memory>

#include "tests/proxy/data/ChainDataFixture.h"

namespace {

class ChainAccessTest : public ChainDataFixture {};

// Slot k of extension e holds (e, k, 0).
std::unique_ptr<QBdim> SlotChain(int n) {
  std::unique_ptr<QBdim> chain(new QBdim);
  chain->Initialize(0);
  for (int e = 0; e < n; ++e) {
    for (int k = 0; k < 4; ++k) chain->arrayPoints.append(AcGePoint3d(e, k, 0));
    chain->arrayExtFlags.Add(0);
    chain->arrayText.Add(L"");
  }
  return chain;
}

TEST_F(ChainAccessTest, PointDimMapsSpecialAndOutOfRangeIndices) {
  std::unique_ptr<QBdim> chain = SlotChain(3);
  const AcGePoint3d zero = AcGePoint3d::kOrigin;
  struct Case {
    int index;
    AcGePoint3d expected;
  } cases[] = {{0, {0, 2, 0}},  {2, {2, 2, 0}},  {-100, {1, 2, 0}}, {-99, {0, 2, 0}},
               {-2, {2, 2, 0}}, {3, {2, 2, 0}},  {-3, {2, 2, 0}},   {4, zero}};
  for (const Case& c : cases) EXPECT_EQ(c.expected, chain->GetPointDim(c.index)) << c.index;
  EXPECT_EQ(zero, SlotChain(0)->GetPointDim(0));
}

TEST_F(ChainAccessTest, PlainSlotsNeedTwoExtensionsAndAnIndexInside) {
  std::unique_ptr<QBdim> chain = SlotChain(3);
  EXPECT_EQ(AcGePoint3d(1, 0, 0), chain->GetPointInput(1));
  EXPECT_EQ(AcGePoint3d(1, 1, 0), chain->GetPointExt1(-1));
  EXPECT_EQ(AcGePoint3d(2, 3, 0), chain->GetPointExt2(2));
  EXPECT_EQ(AcGePoint3d::kOrigin, chain->GetPointInput(3));
  EXPECT_EQ(AcGePoint3d::kOrigin, SlotChain(1)->GetPointInput(0));
  chain->SetPointSlot(2, 3, AcGePoint3d(9, 9, 9));
  EXPECT_EQ(AcGePoint3d(9, 9, 9), chain->GetPointExt2(2));
  bool thrown = false;
  try {
    chain->SetPointSlot(3, 0, AcGePoint3d(1, 1, 1));
  } catch (CInvalidArgException* e) {
    e->Delete();
    thrown = true;
  }
  EXPECT_TRUE(thrown);
}

TEST_F(ChainAccessTest, SymbolOverrideBitsAreReadInTheirOrder) {
  std::unique_ptr<QBdim> chain = SlotChain(2);
  chain->arrayInt[IND_I_LastType] = 2;
  struct Case {
    UINT flags;
    int type;
  } cases[] = {{0x010 | 0x040, 1}, {0x040 | 0x020, 3}, {0x020 | 0x080, 2}, {0x080 | 0x100, 4},
               {0x100 | 0x200, 5}, {0x200, 0},         {0x000, 2},         {EXTFLAG_HIDDEN | EXTFLAG_LEADER, 2}};
  for (const Case& c : cases) {
    chain->arrayExtFlags[0] = c.flags;
    EXPECT_EQ(c.type, chain->GetSymbolType(0)) << std::hex << c.flags;
  }
  EXPECT_EQ(2, chain->GetSymbolType(5));
  chain->arrayExtFlags[0] = 0;
  EXPECT_EQ(2, chain->GetSymbolType(-1));
  chain->arrayExtFlags[1] = EXTFLAG_SYMBOL4;
  EXPECT_EQ(-1, chain->GetSymbolType(-1));
}

TEST_F(ChainAccessTest, SetSymbolTypeStoresOnlyOverridesOfTheChainType) {
  std::unique_ptr<QBdim> chain = SlotChain(3);
  chain->arrayInt[IND_I_LastType] = 2;
  chain->arrayExtFlags[1] = EXTFLAG_LEADER | EXTFLAG_SYMBOL1;
  EXPECT_EQ(2, chain->SetSymbolType(1, 4));
  EXPECT_EQ(EXTFLAG_LEADER | EXTFLAG_SYMBOL4, chain->arrayExtFlags[1]);
  EXPECT_EQ(4, chain->GetSymbolType(1));
  chain->SetSymbolType(1, 2);
  EXPECT_EQ(EXTFLAG_LEADER, chain->arrayExtFlags[1]);
  chain->SetSymbolType(1, 9);
  EXPECT_EQ(EXTFLAG_LEADER, chain->arrayExtFlags[1]);
  chain->SetSymbolType(1, 0);
  EXPECT_EQ(EXTFLAG_LEADER | EXTFLAG_SYMBOL0, chain->arrayExtFlags[1]);
  EXPECT_EQ(2, chain->SetSymbolType(7, 1));

  chain->arrayExtFlags[2] = EXTFLAG_HIDDEN | EXTFLAG_SYMBOL5;
  EXPECT_EQ(5, chain->SetSymbolType(-1, 5));
  EXPECT_EQ(EXTFLAG_LEADER, chain->arrayExtFlags[1]);
  EXPECT_EQ(EXTFLAG_HIDDEN, chain->arrayExtFlags[2]);
  EXPECT_EQ(5, chain->GetSymbolType(-1));
}

TEST_F(ChainAccessTest, VisibilityAndLeaderReturnThePreviousBit) {
  std::unique_ptr<QBdim> chain = SlotChain(2);
  EXPECT_EQ(1, chain->IsExtLineVisible(1));
  EXPECT_EQ(0, chain->SetExtLineVisible(1, 0));
  EXPECT_EQ(EXTFLAG_HIDDEN, chain->arrayExtFlags[1]);
  EXPECT_EQ(0, chain->IsExtLineVisible(1));
  EXPECT_EQ(1, chain->SetExtLineVisible(1, 5));
  EXPECT_EQ(1, chain->IsExtLineVisible(1));
  EXPECT_EQ(0, chain->SetLeader(0, 1));
  EXPECT_EQ(1, chain->SetLeader(0, 0));
  EXPECT_EQ(0u, chain->arrayExtFlags[0]);
  // Outside the array: visible, and nothing changes.
  EXPECT_EQ(1, chain->IsExtLineVisible(2));
  EXPECT_EQ(1, chain->IsExtLineVisible(-1));
  EXPECT_EQ(0, chain->SetExtLineVisible(2, 0));
  EXPECT_EQ(0, chain->SetLeader(-1, 1));
  EXPECT_EQ(2, chain->arrayExtFlags.GetSize());
}

TEST_F(ChainAccessTest, SizesAreScaledAndZeroFactorsRepaired) {
  std::unique_ptr<QBdim> chain = SlotChain(2);
  chain->arrayDouble[IND_D_ScaleVal] = 0.02;
  chain->arrayDouble[IND_D_AcadUnits] = 1.0;
  EXPECT_DOUBLE_EQ(150.0, chain->ScaledSize(3.0));

  chain->arrayDouble[IND_D_ScaleVal] = 0.0;
  chain->arrayDouble[IND_D_AcadUnits] = 0.0;
  EXPECT_DOUBLE_EQ(0.01, chain->GetScaleValue());
  EXPECT_DOUBLE_EQ(0.01, chain->arrayDouble[IND_D_ScaleVal]);
  EXPECT_NE(std::wstring::npos, Transcript().find(L"\n!!! Scale=0 !!!"));
  EXPECT_DOUBLE_EQ(0.2, chain->ScaledSize(2.0));
  EXPECT_DOUBLE_EQ(0.001, chain->arrayDouble[IND_D_AcadUnits]);
}

TEST_F(ChainAccessTest, TextHeightPercentagesPreferTheGlobalOptions) {
  std::unique_ptr<QBdim> chain = SlotChain(2);
  chain->arrayDouble[IND_D_ScaleVal] = 0.01;
  chain->arrayDouble[IND_D_AcadUnits] = 1.0;
  chain->arrayDouble[IND_D_TextHeight] = 2.5;
  chain->arrayDouble[IND_D_TextOffset] = 80.0;
  options->dimSet.arrayDouble[IND_D_TextOffset] = 50.0;
  // 2.5 / 10 * 50 % = 0.125 mm on paper, at 1:100.
  EXPECT_DOUBLE_EQ(12.5, chain->AdaptByTextHeight(IND_D_TextOffset));
  options->dimSet.arrayDouble[IND_D_TextOffset] = 0.0;
  EXPECT_DOUBLE_EQ(2.5, chain->AdaptByTextHeight(IND_D_TextOffset));

  // Beyond the global set the chain's own value counts; beyond both, 10 %.
  chain->arrayDouble.SetAtGrow(20, 40.0);
  EXPECT_DOUBLE_EQ(10.0, chain->AdaptByTextHeight(20));
  EXPECT_DOUBLE_EQ(2.5, chain->AdaptByTextHeight(30));
  EXPECT_NE(std::wstring::npos, Transcript().find(L"\n!!! AdaptByTextHeight i=30 "));
}

}  // namespace
