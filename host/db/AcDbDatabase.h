// AcDbDatabase: a drawing's database, one per document (its contents come with the drawing
// files).
#pragma once

#include "host/rx/AcRxObject.h"

class AcDbDatabase : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDatabase);

  explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
  ~AcDbDatabase() override;
  AcDbDatabase(const AcDbDatabase&) = delete;
  AcDbDatabase& operator=(const AcDbDatabase&) = delete;

  // False for a side database read from a file without a document.
  bool hasDocument() const { return !noDocument_; }

 private:
  bool noDocument_;
};
