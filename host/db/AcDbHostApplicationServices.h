// The host application services: which database is the working one (the current document's
// unless code switches it). The document manager keeps it in step with the current document.
#pragma once

class AcDbDatabase;

class AcDbHostApplicationServices {
 public:
  // The working database; null when there is none.
  AcDbDatabase* workingDatabase() const { return working_; }
  void setWorkingDatabase(AcDbDatabase* pDatabase) { working_ = pDatabase; }
  // Host: a deleted database stops being the working one.
  void forgetDatabase(const AcDbDatabase* pDatabase) {
    if (working_ == pDatabase) working_ = nullptr;
  }

 private:
  AcDbDatabase* working_ = nullptr;
};

AcDbHostApplicationServices* acdbHostApplicationServices();
