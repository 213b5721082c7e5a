// Filing of the chain dimension: round trips through the copy filer and through real drawing
// files, the 16-bit layout, older formats, repairs on reading, proxies for what this program
// cannot read, and damaged data.
#include <memory>
#include <string>
#include <vector>

#include "host/db/AcDbArc.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbProxy.h"
#include "host/db/DwgFile.h"
#include "host/win/TextConv.h"
#include "tests/proxy/data/ChainDataFixture.h"

namespace {

using zhost::FilerItem;
using zhost::FilerItemType;
using zhost::MemoryFiler;

class ChainFilingTest : public ChainDataFixture {};

std::string Narrow(const std::wstring& text) { return zhost::ToUtf8(text); }

AcDbObjectId Append(AcDbDatabase* db, AcDbEntity* ent) {
  AcDbBlockTableRecord* ms = nullptr;
  EXPECT_EQ(Acad::eOk, acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite));
  AcDbObjectId id;
  EXPECT_EQ(Acad::eOk, ms->appendAcDbEntity(id, ent));
  ent->close();
  ms->close();
  return id;
}

// Writes the chain, lets `edit` change the items, reads a new chain from them.
template <class Edit>
std::unique_ptr<QBdim> RoundTrip(const QBdim& chain, Acad::ErrorStatus& es, Edit edit) {
  MemoryFiler filer;
  FileOut(chain, filer);
  edit(filer.items());
  return std::unique_ptr<QBdim>(FileIn(filer, es));
}

std::unique_ptr<QBdim> RoundTrip(const QBdim& chain, Acad::ErrorStatus& es) {
  return RoundTrip(chain, es, [](std::vector<FilerItem>&) {});
}

TEST_F(ChainFilingTest, ChainComesBackMemberByMember) {
  struct Case {
    int extensions;
    bool arc;
  } cases[] = {{2, false}, {6, false}, {4, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.extensions);
    std::unique_ptr<QBdim> chain(MakeFilledChain(c.extensions, c.arc));
    Acad::ErrorStatus es = Acad::eOk;
    std::unique_ptr<QBdim> back = RoundTrip(*chain, es);
    ASSERT_EQ(Acad::eOk, es);
    ExpectSameChain(*chain, *back);
  }
}

TEST_F(ChainFilingTest, IntegersAreFiledWithSixteenBitsAndTheRunningVersion) {
  std::unique_ptr<QBdim> chain(MakeFilledChain(3));
  chain->arrayInt[IND_I_ExtLine] = 70000;
  chain->arrayInt[IND_I_AppVersion] = 1999;
  Acad::ErrorStatus es = Acad::eOk;
  std::unique_ptr<QBdim> back = RoundTrip(*chain, es);
  ASSERT_EQ(Acad::eOk, es);
  EXPECT_EQ(4464u, back->arrayInt[IND_I_ExtLine]);
  EXPECT_EQ(51021u, back->arrayInt[IND_I_AppVersion]);
  // The stored value is not touched by writing.
  EXPECT_EQ(1999u, chain->arrayInt[IND_I_AppVersion]);
}

TEST_F(ChainFilingTest, ArcBlockCountsOneMoreThanItsPoints) {
  const int n = 4;
  std::unique_ptr<QBdim> arc(MakeFilledChain(n, true));
  MemoryFiler filer;
  FileOut(*arc, filer);
  const std::vector<FilerItem>& items = filer.items();
  // From the end: end mark, n flags, flag count, n parameters, parameter count, 7 points,
  // subentity, arc id, arc count.
  const size_t countAt = items.size() - 1 - n - 1 - n - 1 - 7 - 1 - 1 - 1;
  EXPECT_EQ(FilerItemType::kInt16, items[countAt].type);
  EXPECT_EQ(8, items[countAt].i);
  EXPECT_EQ(FilerItemType::kHardPointerId, items[countAt + 1].type);
  EXPECT_EQ(FilerItemType::kUInt16, items[countAt + 2].type);
  Acad::ErrorStatus es = Acad::eOk;
  std::unique_ptr<QBdim> back(FileIn(filer, es));
  ASSERT_EQ(Acad::eOk, es);
  EXPECT_EQ(7, back->m_arcPoints.length());

  std::unique_ptr<QBdim> straight(MakeFilledChain(n));
  MemoryFiler plain;
  FileOut(*straight, plain);
  const std::vector<FilerItem>& p = plain.items();
  const size_t zerosAt = p.size() - 1 - n - 1 - 2;
  for (size_t k = zerosAt; k < zerosAt + 2; ++k) {
    EXPECT_EQ(FilerItemType::kInt16, p[k].type);
    EXPECT_EQ(0, p[k].i);
  }
  back.reset(FileIn(plain, es));
  ASSERT_EQ(Acad::eOk, es);
  EXPECT_TRUE(back->m_arcObjectId.isNull());
  EXPECT_EQ(0, back->m_arcPoints.length());
}

TEST_F(ChainFilingTest, PerExtensionArraysOfTheWrongSizeAreRepaired) {
  const int n = 3;
  std::unique_ptr<QBdim> chain(MakeFilledChain(n));
  chain->arrayText.Add(L"one too many");
  Acad::ErrorStatus es = Acad::eOk;
  std::unique_ptr<QBdim> back = RoundTrip(*chain, es);
  ASSERT_EQ(Acad::eOk, es);
  ASSERT_EQ(n, back->arrayText.GetSize());
  for (int k = 0; k < n; ++k) EXPECT_STREQ(chain->arrayText[k], back->arrayText[k]);

  // A flag block that does not match the extensions reads as all flags 0.
  chain->arrayText.SetSize(n);
  back = RoundTrip(*chain, es, [&](std::vector<FilerItem>& items) {
    const size_t countAt = items.size() - 1 - n - 1;
    items[countAt].i = n - 1;
    items.erase(items.begin() + static_cast<long>(countAt) + 1);
  });
  ASSERT_EQ(Acad::eOk, es);
  ASSERT_EQ(n, back->arrayExtFlags.GetSize());
  for (int k = 0; k < n; ++k) EXPECT_EQ(0u, back->arrayExtFlags[k]);

  // Flags out of step in memory are written as zeros for every extension.
  chain->arrayExtFlags.SetSize(n + 2);
  chain->arrayExtFlags[0] = EXTFLAG_LEADER;
  back = RoundTrip(*chain, es);
  ASSERT_EQ(Acad::eOk, es);
  ASSERT_EQ(n, back->arrayExtFlags.GetSize());
  EXPECT_EQ(0u, back->arrayExtFlags[0]);
}

TEST_F(ChainFilingTest, ReadingIntoAChainReplacesWhatItHeld) {
  // As undo does: the filed state read back into the same chain after it was changed.
  std::unique_ptr<QBdim> chain(MakeFilledChain(3, true));
  MemoryFiler filer;
  FileOut(*chain, filer);
  std::unique_ptr<QBdim> changed(MakeFilledChain(5, true));
  changed->AppendTextList.Add(new AppendingText);
  changed->m_arcPoints.append(AcGePoint3d(1, 1, 1));
  filer.rewind();
  ASSERT_EQ(Acad::eOk, changed->dwgInFields(&filer));
  ExpectSameChain(*chain, *changed);
}

TEST_F(ChainFilingTest, AppendedTextsForTheFirstExtensionMergeIntoOne) {
  std::unique_ptr<QBdim> chain(MakeFilledChain(3));
  for (INT_PTR k = 0; k < chain->AppendTextList.GetSize(); ++k) delete chain->AppendTextList[k];
  chain->AppendTextList.RemoveAll();
  const short exts[] = {0, 1};
  for (short e : exts) {
    AppendingText* text = new AppendingText;
    text->iExt = e;
    text->ptPosition.set(e, e + 1.0, 0);
    text->iPosition = e;
    text->strText = e ? L"later" : L"earlier";
    text->dValue = 10.0 + e;
    text->iMode = static_cast<short>(5 + e);
    text->strExtra = e ? L"x-later" : L"x-earlier";
    chain->AppendTextList.Add(text);
  }
  Acad::ErrorStatus es = Acad::eOk;
  std::unique_ptr<QBdim> back = RoundTrip(*chain, es);
  ASSERT_EQ(Acad::eOk, es);
  ASSERT_EQ(1, back->AppendTextList.GetSize());
  const AppendingText* merged = back->AppendingTextAt(0);
  EXPECT_EQ(1, merged->iExt);
  EXPECT_STREQ(L"later", merged->strText);
  EXPECT_DOUBLE_EQ(11.0, merged->dValue);
  EXPECT_EQ(1, merged->iPosition);
  EXPECT_EQ(AcGePoint3d(1, 2, 0), merged->ptPosition);
  EXPECT_EQ(5, merged->iMode);
  EXPECT_STREQ(L"x-earlier", merged->strExtra);
}

TEST_F(ChainFilingTest, OlderFormatsReadWithWorldAxesAndDefaultDirection) {
  struct Case {
    int version;
    bool hasDirection;
  } cases[] = {{1, false}, {2, true}};
  const size_t base = EntityPartItems();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    std::unique_ptr<QBdim> chain(MakeFilledChain(3));
    Acad::ErrorStatus es = Acad::eOk;
    std::unique_ptr<QBdim> back = RoundTrip(*chain, es, [&](std::vector<FilerItem>& items) {
      items[base].i = c.version;
      // version, type, origin, 3 axes, rotation, direction
      if (!c.hasDirection) items.erase(items.begin() + static_cast<long>(base) + 7);
      items.erase(items.begin() + static_cast<long>(base) + 2, items.begin() + static_cast<long>(base) + 6);
    });
    ASSERT_EQ(Acad::eOk, es);
    EXPECT_EQ(AcGePoint3d::kOrigin, back->m_xyzOrigin);
    EXPECT_EQ(AcGeVector3d::kXAxis, back->m_xyzAxis[0]);
    EXPECT_EQ(AcGeVector3d::kYAxis, back->m_xyzAxis[1]);
    EXPECT_EQ(AcGeVector3d::kZAxis, back->m_xyzAxis[2]);
    EXPECT_EQ(c.hasDirection ? chain->m_vectorDim : AcGeVector3d::kXAxis, back->m_vectorDim);
    EXPECT_DOUBLE_EQ(chain->m_dRotation, back->m_dRotation);
    EXPECT_EQ(chain->arrayPoints.length(), back->arrayPoints.length());
  }
}

TEST_F(ChainFilingTest, ZeroAxesAndDirectionAreRepaired) {
  std::unique_ptr<QBdim> chain(MakeFilledChain(2));
  chain->m_xyzAxis[1].set(0, 0, 0);
  chain->m_vectorDim.set(0, 0, 0);
  Acad::ErrorStatus es = Acad::eOk;
  std::unique_ptr<QBdim> back = RoundTrip(*chain, es);
  ASSERT_EQ(Acad::eOk, es);
  EXPECT_EQ(AcGeVector3d::kXAxis, back->m_xyzAxis[0]);
  EXPECT_EQ(AcGeVector3d::kYAxis, back->m_xyzAxis[1]);
  EXPECT_EQ(AcGeVector3d::kZAxis, back->m_xyzAxis[2]);
  EXPECT_EQ(AcGeVector3d::kXAxis, back->m_vectorDim);
}

TEST_F(ChainFilingTest, MissingOptionsOnFileAreTakenFromTheGlobalSet) {
  std::unique_ptr<QBdim> chain(MakeFilledChain(2));
  chain->arrayDouble.SetSize(4);
  chain->arrayInt.SetSize(5);
  chain->arrayString.SetSize(1);
  Acad::ErrorStatus es = Acad::eOk;
  std::unique_ptr<QBdim> back = RoundTrip(*chain, es);
  ASSERT_EQ(Acad::eOk, es);
  const ModeOptionSet& global = options->dimSet;
  ASSERT_EQ(global.arrayDouble.GetSize(), back->arrayDouble.GetSize());
  EXPECT_DOUBLE_EQ(chain->arrayDouble[3], back->arrayDouble[3]);
  EXPECT_DOUBLE_EQ(global.arrayDouble[IND_D_AcadUnits], back->arrayDouble[IND_D_AcadUnits]);
  ASSERT_EQ(global.arrayInt.GetSize(), back->arrayInt.GetSize());
  EXPECT_EQ(chain->arrayInt[4], back->arrayInt[4]);
  EXPECT_EQ(global.arrayInt[IND_I_TrimZero], back->arrayInt[IND_I_TrimZero]);
  ASSERT_EQ(global.arrayString.GetSize(), back->arrayString.GetSize());
  EXPECT_STREQ(chain->arrayString[0], back->arrayString[0]);
  EXPECT_STREQ(global.arrayString[IND_S_TextStyle], back->arrayString[IND_S_TextStyle]);
}

TEST_F(ChainFilingTest, WhatThisProgramCannotReadIsLeftToAProxy) {
  const size_t base = EntityPartItems();
  struct Case {
    const char* name;
    bool arc;
    int extensions;
    int version;
  } cases[] = {{"newer format", false, 3, 5}, {"version 3 arc chain without its arc", true, 3, 3},
               {"no extensions", false, 0, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<QBdim> chain(MakeFilledChain(c.extensions, c.arc));
    Acad::ErrorStatus es = Acad::eOk;
    RoundTrip(*chain, es, [&](std::vector<FilerItem>& items) { items[base].i = c.version; });
    EXPECT_EQ(Acad::eMakeMeProxy, es);
  }
}

TEST_F(ChainFilingTest, NothingIsFiledWithoutOptions) {
  std::unique_ptr<QBdim> chain(MakeFilledChain(2));
  MemoryFiler written;
  FileOut(*chain, written);
  const size_t base = EntityPartItems();

  std::unique_ptr<QBdim> empty(MakeFilledChain(2));
  empty->arrayString.RemoveAll();
  MemoryFiler refused;
  EXPECT_EQ(Acad::eInvalidInput, empty->dwgOutFields(&refused));
  EXPECT_EQ(base, refused.items().size());

  DropOptions();
  MemoryFiler none;
  EXPECT_EQ(Acad::eInvalidInput, chain->dwgOutFields(&none));
  EXPECT_EQ(base, none.items().size());
  Acad::ErrorStatus es = Acad::eOk;
  std::unique_ptr<QBdim> back(FileIn(written, es));
  EXPECT_EQ(Acad::eInvalidInput, es);
}

TEST_F(ChainFilingTest, TruncatedDataIsRefusedAtEveryLength) {
  std::unique_ptr<QBdim> chain(MakeFilledChain(3, true));
  MemoryFiler filer;
  FileOut(*chain, filer);
  const std::vector<FilerItem> all = filer.items();
  for (size_t cut = EntityPartItems(); cut < all.size(); ++cut) {
    MemoryFiler part;
    for (size_t k = 0; k < cut; ++k) part.append(all[k]);
    Acad::ErrorStatus es = Acad::eOk;
    std::unique_ptr<QBdim> back(FileIn(part, es));
    EXPECT_NE(Acad::eOk, es) << "cut at " << cut;
  }
}

// A database with a straight chain and an arc chain on a real arc.
struct ChainDrawing {
  std::unique_ptr<AcDbDatabase> db{new AcDbDatabase(true, true)};
  AcDbObjectId straightId, arcChainId, arcId;

  ChainDrawing() {
    arcId = Append(db.get(), new AcDbArc(AcGePoint3d(0, 0, 0), 10.0, 0.0, 1.5));
    QBdim* straight = MakeFilledChain(4);
    straight->m_idTextStyle = db->textstyle();
    straightId = Append(db.get(), straight);
    QBdim* arc = MakeFilledChain(3, true);
    arc->m_arcObjectId = arcId;
    arcChainId = Append(db.get(), arc);
  }
};

TEST_F(ChainFilingTest, ChainsComeBackFromADrawingFile) {
  ChainDrawing drawing;
  const std::wstring path = zhost::FromUtf8(dir.file("chains.dwg"));
  std::wstring error;
  ASSERT_EQ(Acad::eOk, zhost::WriteDrawingFile(drawing.db.get(), path, error)) << Narrow(error);
  std::unique_ptr<AcDbDatabase> back(zhost::ReadDrawingFile(path, error));
  ASSERT_TRUE(back) << Narrow(error);

  for (AcDbObjectId original : {drawing.straightId, drawing.arcChainId}) {
    AcDbObjectId id;
    ASSERT_EQ(Acad::eOk, back->getAcDbObjectId(id, false, original.handle()));
    QBdim* read = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(read, id, AcDb::kForRead));
    QBdim* written = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(written, original, AcDb::kForRead));
    ExpectSameChain(*written, *read);
    if (read->IsDimArc()) {
      EXPECT_TRUE(read->m_arcObjectId.isValid());
    }
    written->close();
    read->close();
  }
}

TEST_F(ChainFilingTest, NewerChainIsKeptAsProxyAndSavedUnchanged) {
  // A chain of a later program: this program's layout with a later version number.
  std::unique_ptr<QBdim> chain(MakeFilledChain(3));
  MemoryFiler filer;
  FileOut(*chain, filer);
  zhost::ProxyData data;
  data.className = L"QBdim";
  data.dxfName = L"QTRV_ZENKORA";
  data.appName = L"zenkora";
  data.proxyFlags = 3071;
  data.items.assign(filer.items().begin() + static_cast<long>(EntityPartItems()), filer.items().end());
  data.items[0].i = 5;
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(true, true));
  AcDbProxyEntity* proxy = new AcDbProxyEntity;
  proxy->setProxyData(data);
  AcDbObjectId proxyId = Append(db.get(), proxy);

  std::wstring error;
  const std::wstring first = zhost::FromUtf8(dir.file("later.dwg"));
  const std::wstring second = zhost::FromUtf8(dir.file("later-again.dwg"));
  ASSERT_EQ(Acad::eOk, zhost::WriteDrawingFile(db.get(), first, error)) << Narrow(error);
  std::unique_ptr<AcDbDatabase> back(zhost::ReadDrawingFile(first, error));
  ASSERT_TRUE(back) << Narrow(error);
  AcDbObjectId id;
  ASSERT_EQ(Acad::eOk, back->getAcDbObjectId(id, false, proxyId.handle()));
  AcDbEntity* read = nullptr;
  ASSERT_EQ(Acad::eOk, acdbOpenObject(read, id, AcDb::kForRead));
  EXPECT_TRUE(read->isAProxy());
  read->close();
  ASSERT_EQ(Acad::eOk, zhost::WriteDrawingFile(back.get(), second, error)) << Narrow(error);
  EXPECT_EQ(zktest::ReadFileBytes(dir.file("later.dwg")), zktest::ReadFileBytes(dir.file("later-again.dwg")));
}

}  // namespace
