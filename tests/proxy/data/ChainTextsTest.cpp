// Segment text records (measurement with location code, user, prefix and suffix texts) and the
// lookups of appended texts with their duplicate removal.
#include <memory>

#include "tests/proxy/data/ChainDataFixture.h"

namespace {

class ChainTextsTest : public ChainDataFixture {};

// A horizontal chain along the x axis with extensions at x = 0, 100, 250.
std::unique_ptr<QBdim> TextChain() {
  std::unique_ptr<QBdim> chain(new QBdim);
  chain->Initialize(0);
  chain->m_xyzAxis[0] = AcGeVector3d::kXAxis;
  chain->m_xyzAxis[1] = AcGeVector3d::kYAxis;
  chain->m_xyzAxis[2] = AcGeVector3d::kZAxis;
  chain->m_vectorDim = AcGeVector3d::kXAxis;
  const double xs[] = {0, 100, 250};
  for (double x : xs) {
    chain->arrayPoints.append(AcGePoint3d(x, 0, 0));
    chain->arrayPoints.append(AcGePoint3d(x, 2, 0));
    chain->arrayPoints.append(AcGePoint3d(x, 20, 0));
    chain->arrayPoints.append(AcGePoint3d(x, 20, 0));
    chain->arrayExtFlags.Add(0);
    chain->arrayText.Add(L"");
  }
  return chain;
}

AppendingText* NewAppended(short iExt, const AcGePoint3d& anchor = AcGePoint3d::kOrigin) {
  AppendingText* text = new AppendingText;
  text->iExt = iExt;
  text->ptAnchor = anchor;
  return text;
}

TEST_F(ChainTextsTest, RecordsSplitIntoTheirFields) {
  std::unique_ptr<QBdim> chain = TextChain();
  struct Case {
    const wchar_t* record;
    int count;
    const wchar_t* last;
  } cases[] = {{L"12#3", 1, L"12#3"}, {L"12#3@u@p@s", 4, L"s"}, {L"7#0@@p", 3, L"p"}, {L"", 1, L""}};
  CStringArray fields;
  for (const Case& c : cases) {
    chain->arrayText[1] = c.record;
    ASSERT_EQ(c.count, chain->GetDimTextArray(1, fields)) << c.record;
    EXPECT_STREQ(c.last, fields[c.count - 1]) << c.record;
  }
  EXPECT_EQ(0, chain->GetDimTextArray(0, fields));
  EXPECT_EQ(0, chain->GetDimTextArray(3, fields));
  EXPECT_EQ(0, fields.GetSize());

  fields.RemoveAll();
  fields.Add(L"5#1");
  fields.Add(L"u");
  EXPECT_EQ(1, chain->SetDimTextArray(0, fields));
  EXPECT_STREQ(L"5#1@u", chain->arrayText[1]);
  EXPECT_STREQ(L"", chain->arrayText[0]);
}

TEST_F(ChainTextsTest, MeasurementTextKeepsTheLocationCode) {
  std::unique_ptr<QBdim> chain = TextChain();
  struct Case {
    const wchar_t* before;
    const wchar_t* text;
    const wchar_t* after;
  } cases[] = {{L"12#5@u", L"7", L"7#5@u"},
               {L"12", L"7", L"7#0"},
               {L"", L"", L"0#0"},
               {L"x#11@@p", L"3,5", L"3,5#11@@p"}};
  for (const Case& c : cases) {
    chain->arrayText[2] = c.before;
    EXPECT_EQ(1, chain->SetDimTextDim(2, c.text)) << c.before;
    EXPECT_STREQ(c.after, chain->arrayText[2]) << c.before;
  }
  EXPECT_EQ(0, chain->SetDimTextDim(2, nullptr));
  EXPECT_STREQ(L"3,5#11@@p", chain->arrayText[2]);

  EXPECT_EQ(1, chain->SetDimTextDim(5, L"9"));
  ASSERT_EQ(6, chain->arrayText.GetSize());
  EXPECT_STREQ(L"9#0", chain->arrayText[5]);
}

TEST_F(ChainTextsTest, LocationCodeChangesOnlyTheCode) {
  std::unique_ptr<QBdim> chain = TextChain();
  chain->arrayText[1] = L"12#5@u";
  EXPECT_EQ(1, chain->SetDimTextCode(1, 9));
  EXPECT_STREQ(L"12#9@u", chain->arrayText[1]);
  EXPECT_EQ(1, chain->SetDimTextCode(1, -1));
  EXPECT_STREQ(L"12#-1@u", chain->arrayText[1]);
  chain->m_dimType = DIMTYPE_ARC;
  EXPECT_EQ(1, chain->SetDimTextCode(1, -1));
  EXPECT_STREQ(L"12#8@u", chain->arrayText[1]);
  EXPECT_EQ(0, chain->SetDimTextCode(7, 3));
}

TEST_F(ChainTextsTest, UserPrefixAndSuffixTextsHaveTheirOwnFields) {
  std::unique_ptr<QBdim> chain = TextChain();
  chain->arrayText[1] = L"100#4";
  EXPECT_EQ(1, chain->SetSuffixText(1, L"cm"));
  EXPECT_STREQ(L"100#4@@@cm", chain->arrayText[1]);
  chain->SetPrefixText(1, L"ca.");
  EXPECT_STREQ(L"ca.", chain->GetPrefixText(1));
  EXPECT_STREQ(L"cm", chain->GetSuffixText(1));
  EXPECT_STREQ(L"", chain->GetUserText(1));
  chain->SetPrefixText(1, L"");
  EXPECT_STREQ(L"", chain->GetPrefixText(1));
  EXPECT_STREQ(L"cm", chain->GetSuffixText(1));

  chain->SetUserText(1, L"1,00");
  EXPECT_STREQ(L"1,00", chain->GetUserText(1));
  // Clearing the user text brings the measurement back, with its code.
  chain->arrayText[1] = L"old#4@1,00@@cm";
  chain->SetUserText(1, nullptr);
  EXPECT_STREQ(L"", chain->GetUserText(1));
  EXPECT_STREQ(L"cm", chain->GetSuffixText(1));
  CStringArray fields;
  chain->GetDimTextArray(1, fields);
  EXPECT_STRNE(L"old#4", fields[0]);
  EXPECT_EQ(fields[0].GetLength() - 2, fields[0].Find(L"#4"));
}

TEST_F(ChainTextsTest, AppendedTextLookupMergesTheFirstExtensionsAndDropsDuplicates) {
  std::unique_ptr<QBdim> chain = TextChain();
  const short exts[] = {0, 2, 1, 2};
  for (short e : exts) chain->AppendTextList.Add(NewAppended(e));
  AppendingText* out = nullptr;
  EXPECT_EQ(0, chain->GetAppendingText(1, out));
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(1, out->iExt);
  ASSERT_EQ(3, chain->AppendTextList.GetSize());
  EXPECT_NE(std::wstring::npos, Transcript().find(L" ***GetAppText-double "));

  EXPECT_EQ(1, chain->GetAppendingText(2, out));
  EXPECT_EQ(chain->AppendingTextAt(1), out);
  EXPECT_EQ(2, chain->AppendTextList.GetSize());

  EXPECT_EQ(-1, chain->GetAppendingText(5, out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(0, chain->GetAppendingText(0, out));
}

TEST_F(ChainTextsTest, AppendedTextsAreFoundByTheirAnchor) {
  std::unique_ptr<QBdim> chain = TextChain();
  chain->AppendTextList.Add(NewAppended(3, AcGePoint3d(5, 5, 0)));
  chain->AppendTextList.Add(NewAppended(0, AcGePoint3d(50, 20, 0)));
  chain->AppendTextList.Add(NewAppended(4, AcGePoint3d(50, 20, 0)));
  AppendingText* out = nullptr;
  EXPECT_EQ(1, chain->GetAppendingTextAt(AcGePoint3d(50, 20, 1e-12), out));
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(1, out->iExt);
  EXPECT_EQ(2, chain->AppendTextList.GetSize());
  EXPECT_NE(std::wstring::npos, Transcript().find(L" *GetAppText-double* "));
  EXPECT_EQ(-1, chain->GetAppendingTextAt(AcGePoint3d(50, 21, 0), out));
  EXPECT_EQ(nullptr, out);
}

}  // namespace
