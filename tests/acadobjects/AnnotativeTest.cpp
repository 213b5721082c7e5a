// Making an entity annotative through the host's protocol extension: the state changes once,
// is kept in the entity's extended data and reads back after saving and reopening.
#include <gtest/gtest.h>

#include <memory>

#include "acadobjects/AcadVars.h"
#include "host/db/AcDbAnnotativeObjectPE.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/DwgFile.h"
#include "host/ap/AcApDocManager.h"
#include "tests/acadobjects/DbServicesFixture.h"

namespace {

class Annotative : public DbServicesFixture {};

bool IsAnnotative(AcDbObjectId id) {
  AcDbEntity* entity = nullptr;
  EXPECT_EQ(acdbOpenObject(entity, id, AcDb::kForRead), Acad::eOk);
  bool on = acdbHostAnnotativePE()->annotative(entity);
  entity->close();
  return on;
}

TEST_F(Annotative, SetAnnotativeReportsOnlyRealChangesAndTheStateIsFiled) {
  AcDbDatabase* db = NewDocument()->database();
  AcDbObjectId line = AddLine(db);
  struct Step {
    bool on;
    bool changed;
  } steps[] = {{true, true}, {true, false}, {false, true}, {false, false}, {true, true}};
  for (const Step& step : steps) {
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenObject(entity, line, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(SetAnnotative(entity, step.on), step.changed) << step.on;
    entity->close();
    EXPECT_EQ(IsAnnotative(line), step.on);
  }

  const std::wstring path = dir.wpath() + L"/annotative.dwg";
  std::wstring error;
  ASSERT_EQ(zhost::WriteDrawingFile(db, path, error), Acad::eOk);
  std::unique_ptr<AcDbDatabase> reread(zhost::ReadDrawingFile(path, error));
  ASSERT_TRUE(reread);
  AcDbObjectId id;
  ASSERT_EQ(reread->getAcDbObjectId(id, false, line.handle()), Acad::eOk);
  EXPECT_TRUE(IsAnnotative(id));
}

}  // namespace
