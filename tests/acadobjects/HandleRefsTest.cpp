// Handle texts and reference texts across open drawings, external references and the
// reference drawing's own file name.
#include <gtest/gtest.h>

#include "acadobjects/DocumentServices.h"
#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbOpenObject.h"
#include "tests/acadobjects/DbServicesFixture.h"

namespace {

class HandleRefsTest : public DbServicesFixture {};

CString HandleOf(AcDbObjectId id) { return CString(id.handle().text().c_str()); }

CString Reference(const CString& drawing, AcDbObjectId id) { return drawing + L":" + HandleOf(id); }

CString ReferenceTextOf(AcDbObjectId id, AcDbDatabase* referenceDb) {
  AcDbEntity* entity = nullptr;
  if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return L"(not open)";
  const CString text = EntityXref2Handle(entity, referenceDb);
  entity->close();
  return text;
}

TEST_F(HandleRefsTest, ReferenceTextsNameTheDrawingOnlyWhenItIsAnotherOne) {
  AcApDocument* here = NewDocument();
  AcApDocument* there = NewDocument();
  const AcDbObjectId local = AddLine(here->database());
  const AcDbObjectId remote = AddLine(there->database());

  EXPECT_EQ(ReferenceTextOf(local, here->database()), HandleOf(local));
  EXPECT_EQ(ReferenceTextOf(remote, here->database()), Reference(there->fileName(), remote));
  EXPECT_EQ(EntityToHandle(nullptr), CString());
  EXPECT_EQ(EntityXref2Handle(nullptr, here->database()), CString());
}

TEST_F(HandleRefsTest, Handle2ObjectIdResolvesAcrossOpenDrawings) {
  AcApDocument* here = NewDocument();
  AcApDocument* there = NewDocument();
  const AcDbObjectId local = AddLine(here->database());
  const AcDbObjectId remote = AddLine(there->database());

  EXPECT_EQ(Handle2ObjectId(here->database(), HandleOf(local)), local);
  EXPECT_EQ(Handle2ObjectId(here->database(), Reference(there->fileName(), remote)), remote);
  CString upper(there->fileName());
  upper.MakeUpper();
  EXPECT_EQ(Handle2ObjectId(here->database(), Reference(upper, remote)), remote);
  EXPECT_TRUE(Handle2ObjectId(here->database(), Reference(L"C:\\plans\\closed.dwg", remote)).isNull());

  AcDbEntity* entity = Handle2Object(here->database(), Reference(there->fileName(), remote));
  ASSERT_NE(entity, nullptr);
  EXPECT_EQ(entity->objectId(), remote);
  EXPECT_FALSE(entity->isWriteEnabled());
  entity->close();
}

TEST_F(HandleRefsTest, TheReferenceDrawingsOwnFileNameResolvesInIt) {
  NewDocument();
  auto side = SideDatabase();
  side->setFileName(L"C:\\plans\\Side.dwg");
  const AcDbObjectId line = AddLine(side.get());
  EXPECT_EQ(Handle2ObjectId(side.get(), Reference(L"c:\\PLANS\\side.dwg", line)), line);
  EXPECT_EQ(ReferenceTextOf(line, side.get()), HandleOf(line));
}

TEST_F(HandleRefsTest, UnknownHandlesGiveNullWithoutCreatingAnId) {
  auto side = SideDatabase();
  const AcDbHandle unused(side->handseed().value() + 100);
  EXPECT_TRUE(Handle2ObjectId(side.get(), CString(unused.text().c_str())).isNull());
  AcDbObjectId id;
  EXPECT_NE(side->getAcDbObjectId(id, false, unused), Acad::eOk);
  EXPECT_TRUE(Handle2ObjectId(side.get(), L"").isNull());
  EXPECT_TRUE(Handle2ObjectId(side.get(), L"not a handle").isNull());
  EXPECT_EQ(Handle2Object(side.get(), L"ZZ"), nullptr);
}

TEST_F(HandleRefsTest, ExternalReferencesAreNamedByTheirBlock) {
  AcDbDatabase* db = NewDocument()->database();
  AcDbDatabase* xrefDb = new AcDbDatabase(true, true);
  const AcDbObjectId inXref = AddLine(xrefDb);
  const AcDbObjectId block = AddBlock(db, L"Floor1", L"C:\\plans\\floor1.dwg");
  AcDbBlockTableRecord* record = nullptr;
  ASSERT_EQ(acdbOpenObject(record, block, AcDb::kForWrite), Acad::eOk);
  record->setXrefDatabase(xrefDb, AcDb::kXrfResolved);  // the record owns it now
  record->close();

  EXPECT_EQ(XrefDatabaseByName(db, L"FLOOR1"), xrefDb);
  EXPECT_EQ(XrefDatabaseByName(db, L"*Model_Space"), nullptr);
  EXPECT_EQ(ReferenceTextOf(inXref, db), Reference(L"Floor1", inXref));
  EXPECT_EQ(Handle2ObjectId(db, Reference(L"floor1", inXref)), inXref);
  EXPECT_TRUE(Handle2ObjectId(db, Reference(L"Floor2", inXref)).isNull());
}

}  // namespace
