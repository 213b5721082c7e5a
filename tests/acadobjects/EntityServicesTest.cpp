// Entity services on real drawings: layers (creation, release, locked-layer test), appending,
// erasing, finding the add-on's entities in model space and block definitions, draw order and
// the pickfirst set.
#include <gtest/gtest.h>

#include <vector>

#include "acadobjects/DocumentServices.h"
#include "acadobjects/TextLists.h"
#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbObjectReactor.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbSortentsTable.h"
#include "host/db/AcDbText.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/SelectionSet.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimHeight.h"
#include "tests/acadobjects/DbServicesFixture.h"

namespace {

class EntityServicesTest : public DbServicesFixture {
 protected:
  static void SetUpTestSuite() {
    if (!QBdim::desc()) QBdim::rxInit();
    if (!QBdimHeight::desc()) QBdimHeight::rxInit();
  }
};

AcDbLayerTableRecord* OpenLayer(AcDbDatabase* db, const wchar_t* name) {
  AcDbLayerTable* table = nullptr;
  if (db->getLayerTable(table, AcDb::kForRead) != Acad::eOk) return nullptr;
  AcDbLayerTableRecord* record = nullptr;
  table->getAt(name, record, AcDb::kForRead);
  table->close();
  return record;
}

TEST_F(EntityServicesTest, SetLayerCreatesTheLayerWithTheColourRule) {
  AcApDocument* doc = NewDocument();
  AcDbDatabase* db = doc->database();
  struct Case {
    const wchar_t* layer;
    int color, expected;
  } cases[] = {{L"L_ZERO", 0, 7}, {L"L_300", 300, 7}, {L"L_256", 256, 7}, {L"L_NEG", -1, 7}, {L"L_FIVE", 5, 5},
               {L"L_255", 255, 255}};
  for (const Case& c : cases) {
    AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
    ASSERT_EQ(SetLayer(db, &line, c.layer, c.color), Acad::eOk) << c.layer;
    EXPECT_STREQ(line.layer(), c.layer);
    AcDbLayerTableRecord* record = OpenLayer(db, c.layer);
    ASSERT_NE(record, nullptr) << c.layer;
    EXPECT_EQ(record->color().colorIndex(), c.expected) << c.layer;
    EXPECT_FALSE(record->isFrozen());
    EXPECT_FALSE(record->isOff());
    EXPECT_FALSE(record->isLocked());
    EXPECT_FALSE(record->VPDFLT());
    EXPECT_EQ(record->linetypeObjectId(), db->continuousLinetype());
    record->close();
  }
  EXPECT_EQ(doc->lockCount(), 0);  // locked for each call only
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(EntityServicesTest, SetLayerMovesAnEntityOpenForReadAndLeavesItOpenForRead) {
  AcDbDatabase* db = NewDocument()->database();
  AddLayer(db, L"EXISTING");
  const AcDbObjectId lineId = AddLine(db);
  AcDbEntity* line = nullptr;
  ASSERT_EQ(acdbOpenObject(line, lineId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(SetLayer(db, line, L"EXISTING", 3), Acad::eOk);
  EXPECT_FALSE(line->isWriteEnabled());
  line->close();
  EXPECT_EQ(EntityLayerName(lineId), CString(L"EXISTING"));
}

TEST_F(EntityServicesTest, AFailedLayerCreationShowsItsMessage) {
  AcDbDatabase* db = NewDocument()->database();
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
  EXPECT_NE(SetLayer(db, &line, L"BAD<NAME", 1), Acad::eOk);
  const auto boxes = BoxTexts();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].find(L"Chyba "), 0u);
  EXPECT_NE(boxes[0].find(L" pri vytváraní vrstvy BAD<NAME"), std::wstring::npos);
}

TEST_F(EntityServicesTest, ReleaseLayerReportsWhatItDidAndRestoreLayerUndoesIt) {
  AcDbDatabase* db = NewDocument()->database();
  struct Case {
    bool frozen, locked;
    int flags;
  } cases[] = {{false, false, 0}, {true, false, 2}, {false, true, 4}, {true, true, 6}};
  for (const Case& c : cases) {
    const AcDbObjectId layer = AddLayer(db, L"STATE", c.frozen, c.locked);
    const AcDbObjectId lineId = AddLine(db, L"STATE");
    AcDbEntity* line = nullptr;
    ASSERT_EQ(acdbOpenObject(line, lineId, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(ReleaseLayer(line), c.flags);
    bool frozen = true, locked = true;
    LayerState(layer, frozen, locked);
    EXPECT_FALSE(frozen);
    EXPECT_FALSE(locked);
    RestoreLayer(line, c.flags);
    LayerState(layer, frozen, locked);
    EXPECT_EQ(frozen, c.frozen);
    EXPECT_EQ(locked, c.locked);
    line->close();
  }
}

TEST_F(EntityServicesTest, IsOnLockedLayerTellsAndPrintsOnlyWhenAsked) {
  AcDbDatabase* db = NewDocument()->database();
  AddLayer(db, L"LOCKED", false, true);
  const AcDbObjectId onLocked = AddLine(db, L"LOCKED");
  const AcDbObjectId onZero = AddLine(db);
  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenObject(entity, onZero, AcDb::kForRead), Acad::eOk);
  EXPECT_FALSE(IsOnLockedLayer(entity, true));
  entity->close();
  ASSERT_EQ(acdbOpenObject(entity, onLocked, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(IsOnLockedLayer(entity, false));
  EXPECT_EQ(Transcript().find(L"gesperrtem Layer"), std::wstring::npos);
  EXPECT_TRUE(IsOnLockedLayer(entity, true));
  entity->close();
  EXPECT_NE(Transcript().find(L"Objekt auf gesperrtem Layer, Bearbeitung nicht möglich!"), std::wstring::npos);
}

TEST_F(EntityServicesTest, EraseObjectOnALockedFrozenLayerKeepsTheLayerState) {
  AcApDocument* doc = NewDocument();
  AcDbDatabase* db = doc->database();
  const AcDbObjectId layer = AddLayer(db, L"SHUT", true, true);
  const AcDbObjectId lineId = AddLine(db, L"SHUT");
  EXPECT_EQ(EraseObject(db, lineId), Acad::eOk);
  EXPECT_TRUE(lineId.isErased());
  bool frozen = false, locked = false;
  LayerState(layer, frozen, locked);
  EXPECT_TRUE(frozen);
  EXPECT_TRUE(locked);
  EXPECT_EQ(doc->lockCount(), 0);
  EXPECT_NE(EraseObject(db, lineId), Acad::eOk);  // already erased: it does not open
}

TEST_F(EntityServicesTest, AppendEntityPutsANewEntityIntoModelSpaceOnItsLayer) {
  AcApDocument* doc = NewDocument();
  AcDbDatabase* db = doc->database();
  AcDbObjectId id;
  ASSERT_EQ(AppendEntity(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 5, 0)), L"NEWLAYER", 3, &id), Acad::eOk);
  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenObject(entity, id, AcDb::kForRead), Acad::eOk);  // closed by AppendEntity
  EXPECT_EQ(entity->blockId(), db->modelSpaceId());
  EXPECT_STREQ(entity->layer(), L"NEWLAYER");
  entity->close();
  AcDbLayerTableRecord* record = OpenLayer(db, L"NEWLAYER");
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->color().colorIndex(), 3);
  record->close();
  EXPECT_EQ(doc->lockCount(), 0);
}

TEST_F(EntityServicesTest, GetZenkoraObjectsWalksBlockDefinitionsButNeverExternalReferences) {
  AcDbDatabase* db = NewDocument()->database();
  const AcDbObjectId chain = Append(db->modelSpaceId(), new QBdim);
  const AcDbObjectId mark = Append(db->modelSpaceId(), new QBdimHeight);
  AddLine(db);
  const AcDbObjectId inner = AddBlock(db, L"INNER");
  const AcDbObjectId innerChain = Append(inner, new QBdim);
  const AcDbObjectId outer = AddBlock(db, L"OUTER");
  const AcDbObjectId outerChain = Append(outer, new QBdim);
  Append(outer, new AcDbBlockReference(AcGePoint3d(0, 0, 0), inner));
  Append(db->modelSpaceId(), new AcDbBlockReference(AcGePoint3d(0, 0, 0), outer));
  Append(db->modelSpaceId(), new AcDbBlockReference(AcGePoint3d(9, 0, 0), outer));  // a second reference
  const AcDbObjectId xref = AddBlock(db, L"XREF", L"C:\\plans\\other.dwg");
  Append(xref, new QBdim);
  Append(db->modelSpaceId(), new AcDbBlockReference(AcGePoint3d(0, 0, 0), xref));

  struct Case {
    int kind;
    std::vector<AcDbObjectId> ids;
  } cases[] = {
      {1, {chain, mark}},
      {2, {chain}},
      {3, {mark}},
      {-2, {chain, outerChain, innerChain}},
      {-1, {chain, mark, outerChain, innerChain}},
  };
  for (const Case& c : cases) {
    AcDbObjectIdArray ids;
    EXPECT_EQ(GetZenkoraObjects(ids, c.kind, db), static_cast<int>(c.ids.size())) << c.kind;
    std::vector<AcDbObjectId> found(ids.asArrayPtr(), ids.asArrayPtr() + ids.length());
    EXPECT_EQ(found, c.ids) << c.kind;
  }
  AcDbObjectIdArray current;
  EXPECT_EQ(GetZenkoraObjects(current, 2), 1);  // the current drawing when none is given
}

TEST_F(EntityServicesTest, DrawOrderMovesChainsToTheTopAndSingleEntitiesToTheBottom) {
  AcApDocument* doc = NewDocument();
  AcDbDatabase* db = doc->database();
  const AcDbObjectId first = AddLine(db);
  const AcDbObjectId chain = Append(db->modelSpaceId(), new QBdim);
  const AcDbObjectId last = AddLine(db);
  auto order = [&] {
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    AcDbSortentsTable* table = nullptr;
    EXPECT_EQ(space->getSortentsTable(table, AcDb::kForRead, true), Acad::eOk);
    space->close();
    AcDbObjectIdArray ids;
    table->getFullDrawOrder(ids);
    table->close();
    return std::vector<AcDbObjectId>(ids.asArrayPtr(), ids.asArrayPtr() + ids.length());
  };
  TextToFront();
  EXPECT_EQ(order(), (std::vector<AcDbObjectId>{first, last, chain}));
  AcDbObjectIdArray move;
  move.append(last);
  MyDraworder(move, true);
  EXPECT_EQ(order(), (std::vector<AcDbObjectId>{last, first, chain}));
  EXPECT_EQ(doc->lockCount(), 0);
}

TEST_F(EntityServicesTest, SetPickfirstMakesTheIdsThePickfirstSetAndEmptiesTheList) {
  AcDbDatabase* db = NewDocument()->database();
  AcDbObjectIdArray ids;
  ids.append(AddLine(db));
  ids.append(AddLine(db));
  const std::vector<AcDbObjectId> expected(ids.asArrayPtr(), ids.asArrayPtr() + ids.length());
  SetPickfirst(ids);
  EXPECT_EQ(ids.length(), 0);
  resbuf* grips = nullptr;
  resbuf* picked = nullptr;
  ASSERT_EQ(acedSSGetFirst(&grips, &picked), RTNORM);
  ASSERT_NE(picked, nullptr);
  const std::vector<AcDbObjectId>* set = zhost::SelectionSetIds(picked->resval.rlname);
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(*set, expected);
  acedSSFree(picked->resval.rlname);
  acutRelRb(picked);
  acutRelRb(grips);
  acedSSSetFirst(nullptr, nullptr);
}

struct GraphicsCounter : AcDbEntityReactor {
  int count = 0;
  void modifiedGraphics(const AcDbEntity*) override { ++count; }
};

TEST_F(EntityServicesTest, ObjectsGraphicsModifiedRedrawsEveryValidEntity) {
  AcDbDatabase* db = NewDocument()->database();
  const AcDbObjectId line = AddLine(db);
  const AcDbObjectId gone = AddLine(db);
  ASSERT_EQ(EraseObject(db, gone), Acad::eOk);
  GraphicsCounter counter;
  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenObject(entity, line, AcDb::kForRead), Acad::eOk);
  entity->addReactor(&counter);
  entity->close();
  AcDbObjectIdArray ids;
  ids.append(line);
  ids.append(gone);
  ids.append(AcDbObjectId());
  ObjectsGraphicsModified(ids);
  EXPECT_EQ(counter.count, 1);
  ASSERT_EQ(acdbOpenObject(entity, line, AcDb::kForRead), Acad::eOk);
  EXPECT_FALSE(entity->isWriteEnabled());  // downgraded and closed again
  entity->removeReactor(&counter);
  entity->close();
}

TEST_F(EntityServicesTest, SelectByTypeKeepsOnlyTheTypesAsked) {
  AcDbDatabase* db = NewDocument()->database();
  const AcDbObjectId line = AddLine(db);
  const AcDbObjectId text = Append(db->modelSpaceId(), new AcDbText(AcGePoint3d(0, 0, 0), L"t"));
  Append(db->modelSpaceId(), new QBdim);
  struct Case {
    const wchar_t* pattern;
    const wchar_t* pattern2;
    std::vector<AcDbObjectId> ids;
  } cases[] = {{L"LINE", nullptr, {line}}, {L"LINE", L"TEXT", {line, text}}, {L"CIRCLE", nullptr, {}}};
  for (const Case& c : cases) {
    acedPostCommand(L"ALL\n\n");
    AcDbObjectIdArray ids;
    ids.append(AcDbObjectId());  // appended to, not replaced
    EXPECT_EQ(SelectByType(ids, L"\nPick: ", c.pattern, c.pattern2), static_cast<int>(c.ids.size())) << c.pattern;
    std::vector<AcDbObjectId> found(ids.asArrayPtr() + 1, ids.asArrayPtr() + ids.length());
    EXPECT_EQ(found, c.ids) << c.pattern;
    zhost::CommandProcessor::instance().reset();
  }
  EXPECT_NE(Transcript().find(L"Pick: "), std::wstring::npos);
}

TEST_F(EntityServicesTest, SendCommandStringQueuesTheFormattedTextAsInput) {
  SendCommandString(L"QTRV_Test %d,%s ", 5, L"7");
  std::wstring first, second;
  EXPECT_EQ(zhost::CommandProcessor::instance().getInput(L"", first), RTNORM);
  EXPECT_EQ(zhost::CommandProcessor::instance().getInput(L"", second), RTNORM);
  EXPECT_EQ(first, L"QTRV_Test");
  EXPECT_EQ(second, L"5,7");
  zhost::CommandProcessor::instance().reset();
}

}  // namespace
