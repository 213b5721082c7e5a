// Fixture of the document and database service tests: drawings in documents of the host's
// document manager (closed again at the end), side databases without a document, and small
// helpers that put lines, layers and blocks into a drawing.
#pragma once

#include <memory>
#include <vector>

#include "host/db/AcDbObjectId.h"
#include "tests/acadobjects/AcadObjectsFixture.h"

class AcApDocument;
class AcDbDatabase;

class DbServicesFixture : public AcadObjectsFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new document, made current; its database is the working one.
  AcApDocument* NewDocument();
  // A database with the default tables and no document.
  static std::unique_ptr<AcDbDatabase> SideDatabase();

  // Layer `name` with the given state (created when missing).
  static AcDbObjectId AddLayer(AcDbDatabase* db, const wchar_t* name, bool frozen = false, bool locked = false);
  static void LayerState(AcDbObjectId layer, bool& frozen, bool& locked);
  // A line appended (closed) to the block `block` (model space when null) on `layer`.
  static AcDbObjectId AddLine(AcDbDatabase* db, const wchar_t* layer = L"0", AcDbObjectId block = AcDbObjectId());
  // A block definition `name` (an external reference with `xrefPath`).
  static AcDbObjectId AddBlock(AcDbDatabase* db, const wchar_t* name, const wchar_t* xrefPath = nullptr);
  // Appends the new `entity` to `block` and closes it.
  static AcDbObjectId Append(AcDbObjectId block, class AcDbEntity* entity);

 private:
  std::vector<AcApDocument*> m_docs;
};
