// The document manager: the open drawings, the current one, NEW/OPEN/CLOSE with their
// kLoadDwgMsg/kUnloadDwgMsg, document locks, and the end of the session.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/ap/AcApDocument.h"
#include "host/rx/AcRxObject.h"
#include "host/rx/AcadErrorStatus.h"

class AcApDocumentIterator {
 public:
  explicit AcApDocumentIterator(std::vector<AcApDocument*> docs) : docs_(std::move(docs)) {}
  virtual ~AcApDocumentIterator() = default;
  bool done() const { return index_ >= docs_.size(); }
  void step() {
    if (!done()) ++index_;
  }
  AcApDocument* document() { return done() ? nullptr : docs_[index_]; }

 private:
  std::vector<AcApDocument*> docs_;
  size_t index_ = 0;
};

class AcApDocManager : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcApDocManager);

  AcApDocManager();
  ~AcApDocManager() override;

  AcApDocument* curDocument() const { return current_; }
  AcApDocument* mdiActiveDocument() const { return active_; }
  AcApDocument* document(const AcDbDatabase* db) const;
  int documentCount() const { return static_cast<int>(docs_.size()); }
  // A snapshot: closing drawings while iterating is safe. The caller deletes it.
  AcApDocumentIterator* newAcApDocumentIterator() const;
  // eInvalidInput for a document that is not open.
  Acad::ErrorStatus setCurDocument(AcApDocument* pDoc, AcAp::DocLockMode mode = AcAp::kNone, bool activate = false);
  Acad::ErrorStatus activateDocument(AcApDocument* pAcTargetDocument, bool bPassScript = false);
  // Locks nest: lockDocument pushes a lock of the mode (kNone counts as kWrite), unlockDocument
  // pops the innermost one (eNotLocked when none is held); the document's myLockMode is the
  // innermost mode, kNotLocked when none. setCurDocument and activateDocument make the
  // document's database the working database and send nothing else.
  Acad::ErrorStatus lockDocument(AcApDocument* pDoc, AcAp::DocLockMode mode = AcAp::kWrite,
                                 const ACHAR* pGlobalCmdName = nullptr, const ACHAR* pLocalCmdName = nullptr,
                                 bool prompt = true);
  Acad::ErrorStatus unlockDocument(AcApDocument* pDoc);
  bool isApplicationContext() const { return false; }

  // Host side
  // NEW: a new empty drawing "DrawingN.dwg", made current; every application gets kLoadDwgMsg.
  // In single-drawing mode (SDI not 0) it replaces the current drawing.
  AcApDocument* newDocument();
  // OPEN: refuses a missing file (error set); an open file is activated again.
  AcApDocument* openDocument(const std::wstring& path, std::wstring* error);
  // CLOSE: kUnloadDwgMsg to every application with the drawing current. The last drawing stays.
  bool closeDocument(AcApDocument* doc, std::wstring* error);
  // The end of the session: kUnloadDwgMsg for each drawing, then the applications quit and are
  // freed, then the drawings go. Afterwards no drawing is open and numbering starts again.
  void shutdown();
  bool singleDocumentMode() const;

 private:
  AcApDocument* addDocument(const std::wstring& title, const std::wstring& fileName, bool fromFile,
                            AcDbDatabase* database = nullptr);
  void removeDocument(AcApDocument* doc);
  bool isOpen(const AcApDocument* doc) const;

  std::vector<std::unique_ptr<AcApDocument>> docs_;
  AcApDocument* current_ = nullptr;
  AcApDocument* active_ = nullptr;
  std::vector<AcApDocument*> commandDocs_;  // the drawing of each running command
  int counter_ = 0;
};

AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()

inline AcApDocument* curDoc() { return acDocManagerPtr()->curDocument(); }

namespace zhost {
// NEW, OPEN and CLOSE at the command line.
void RegisterDocumentCommands();
}  // namespace zhost
