// AcApDocument: an open drawing with its database, its LISP environment and its locks.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/ed/LispInterpreter.h"
#include "host/rx/AcRxObject.h"
#include "host/rx/AcadErrorStatus.h"

class AcDbDatabase;

namespace AcAp {
enum DocLockMode {
  kNone = 0x00,
  kAutoWrite = 0x01,
  kNotLocked = 0x02,
  kWrite = 0x04,
  kProtectedAutoWrite = 0x14,
  kRead = 0x20,
  kXWrite = 0x40,
};
}  // namespace AcAp

class AcApDocument : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcApDocument);

  // title: "Drawing1.dwg" or the file name; fileName: the path (the title for a new drawing).
  // database: the drawing read from the file (the document takes it); null for a new drawing.
  AcApDocument(const std::wstring& title, const std::wstring& fileName, bool fromFile,
               AcDbDatabase* database = nullptr);
  ~AcApDocument() override;
  AcApDocument(const AcApDocument&) = delete;
  AcApDocument& operator=(const AcApDocument&) = delete;

  const ACHAR* fileName() const { return fileName_.c_str(); }
  const ACHAR* docTitle() const { return title_.c_str(); }
  AcDbDatabase* database() const { return database_.get(); }
  // The innermost lock held, kNotLocked when none.
  AcAp::DocLockMode lockMode(bool bIncludeMyLocks = false) const;
  AcAp::DocLockMode myLockMode() const { return lockMode(true); }
  bool isQuiescent() const;
  bool isReadOnly() const { return false; }

  // Host side
  bool isFromFile() const { return fromFile_; }
  // After a successful save: the drawing is now that file (path, title, from a file).
  void setSavedFileName(const std::wstring& path);
  zhost::lisp::Environment& lispEnvironment() { return lisp_; }
  int lockCount() const { return static_cast<int>(locks_.size()); }
  void pushLock(AcAp::DocLockMode mode) { locks_.push_back(mode); }
  bool popLock();

 private:
  std::wstring title_, fileName_;
  bool fromFile_;
  std::unique_ptr<AcDbDatabase> database_;
  zhost::lisp::Environment lisp_;
  std::vector<AcAp::DocLockMode> locks_;
};
