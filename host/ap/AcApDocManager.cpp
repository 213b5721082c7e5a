// The document manager and how it ties the drawings to the linker, LISP and system variables.
#include "host/ap/AcApDocManager.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "host/ap/FileCommands.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/UndoRecorder.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/EditorReactor.h"
#include "host/ed/LispInterpreter.h"
#include "host/ed/SysVars.h"
#include "host/rx/AcRxClass.h"
#include "host/rx/AcRxDynamicLinker.h"
#include "host/win/TextConv.h"

ZHOST_RX_HOST_MEMBERS(AcApDocManager, AcRxObject, nullptr)

namespace {

std::wstring AbsolutePath(const std::wstring& path) {
  std::string fs = zhost::ToFsPath(path);
  char resolved[PATH_MAX];
  if (::realpath(fs.c_str(), resolved)) return zhost::FromUtf8(resolved);
  return zhost::FromUtf8(fs);
}

std::wstring FileNameOf(const std::wstring& path) {
  size_t cut = path.find_last_of(L"/\\");
  return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

std::wstring FolderOf(const std::wstring& path) {
  size_t cut = path.find_last_of(L"/\\");
  if (cut != std::wstring::npos) return path.substr(0, cut + 1);
  char cwd[PATH_MAX];
  return ::getcwd(cwd, sizeof cwd) ? zhost::FromUtf8(cwd) + L"/" : L"";
}

}  // namespace

AcApDocManager::AcApDocManager() {
  zhost::DocumentHooks hooks;
  hooks.documents = [this] {
    std::vector<void*> docs;
    for (const auto& d : docs_) docs.push_back(d.get());
    return docs;
  };
  hooks.current = [this]() -> void* { return current_; };
  hooks.makeCurrent = [this](void* doc) { setCurDocument(static_cast<AcApDocument*>(doc)); };
  zhost::SetDocumentHooks(hooks);

  zhost::lisp::Interpreter::instance().setHooks(
      [this]() -> zhost::lisp::Environment* { return current_ ? &current_->lispEnvironment() : nullptr; },
      [this](const std::function<void(zhost::lisp::Environment&)>& visit) {
        AcApDocument* previous = current_;
        std::vector<AcApDocument*> docs;
        for (const auto& d : docs_) docs.push_back(d.get());
        for (AcApDocument* doc : docs) {
          if (!isOpen(doc)) continue;
          setCurDocument(doc);
          visit(doc->lispEnvironment());
        }
        if (isOpen(previous)) setCurDocument(previous);
      });

  zhost::SysVars& vars = zhost::SysVars::instance();
  vars.defineComputed(L"DWGNAME", RTSTR, [this] { return zhost::SysVarValue::Text(current_ ? current_->docTitle() : L""); });
  vars.defineComputed(L"DWGPREFIX", RTSTR,
                      [this] { return zhost::SysVarValue::Text(current_ ? FolderOf(current_->fileName()) : L""); });
  vars.defineComputed(L"DWGTITLED", RTSHORT,
                      [this] { return zhost::SysVarValue::Int(current_ && current_->isFromFile() ? 1 : 0); });
  zhost::RegisterDocumentCommands();
  acedEditorPtr();  // "AcEditor" is in the system registry from the start

  // Every command runs with an automatic write lock on the drawing current when it starts and
  // in one undo group of that drawing. A command may close or switch drawings, so the end
  // releases what the start took, if the drawing is still open.
  zhost::CommandProcessor::CommandScope scope;
  scope.begin = [this](const std::wstring& name) {
    commandDocs_.push_back(current_);
    if (!current_) return;
    lockDocument(current_, AcAp::kAutoWrite);
    current_->database()->undoRecorder().beginGroup(name);
  };
  scope.end = [this](const std::wstring&) {
    if (commandDocs_.empty()) return;
    AcApDocument* doc = commandDocs_.back();
    commandDocs_.pop_back();
    if (!isOpen(doc)) return;
    doc->database()->undoRecorder().endGroup();
    unlockDocument(doc);
  };
  zhost::CommandProcessor::instance().setCommandScope(scope);
}

AcApDocManager::~AcApDocManager() = default;

AcApDocManager* acDocManagerPtr() {
  static AcApDocManager* manager = new AcApDocManager();
  return manager;
}

bool AcApDocManager::isOpen(const AcApDocument* doc) const {
  return doc && std::any_of(docs_.begin(), docs_.end(), [&](const auto& d) { return d.get() == doc; });
}

AcApDocument* AcApDocManager::document(const AcDbDatabase* db) const {
  for (const auto& d : docs_)
    if (d->database() == db) return d.get();
  return nullptr;
}

AcApDocumentIterator* AcApDocManager::newAcApDocumentIterator() const {
  std::vector<AcApDocument*> docs;
  for (const auto& d : docs_) docs.push_back(d.get());
  return new AcApDocumentIterator(docs);
}

Acad::ErrorStatus AcApDocManager::setCurDocument(AcApDocument* pDoc, AcAp::DocLockMode mode, bool activate) {
  if (!isOpen(pDoc)) return Acad::eInvalidInput;
  current_ = pDoc;
  acdbHostApplicationServices()->setWorkingDatabase(pDoc->database());
  if (mode != AcAp::kNone) lockDocument(pDoc, mode);
  if (activate) active_ = pDoc;
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::activateDocument(AcApDocument* pDoc, bool) {
  if (!isOpen(pDoc)) return Acad::eInvalidInput;
  current_ = active_ = pDoc;
  acdbHostApplicationServices()->setWorkingDatabase(pDoc->database());
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::lockDocument(AcApDocument* pDoc, AcAp::DocLockMode mode, const ACHAR*, const ACHAR*,
                                               bool) {
  if (!isOpen(pDoc)) return Acad::eInvalidInput;
  pDoc->pushLock(mode == AcAp::kNone ? AcAp::kWrite : mode);
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::unlockDocument(AcApDocument* pDoc) {
  if (!isOpen(pDoc)) return Acad::eInvalidInput;
  return pDoc->popLock() ? Acad::eOk : Acad::eNotLocked;
}

bool AcApDocManager::singleDocumentMode() const {
  zhost::SysVarValue sdi;
  return zhost::SysVars::instance().get(L"SDI", sdi) == RTNORM && sdi.i != 0;
}

AcApDocument* AcApDocManager::addDocument(const std::wstring& title, const std::wstring& fileName, bool fromFile,
                                          AcDbDatabase* database) {
  if (singleDocumentMode() && current_) removeDocument(current_);
  docs_.push_back(std::make_unique<AcApDocument>(title, fileName, fromFile, database));
  AcApDocument* doc = docs_.back().get();
  activateDocument(doc);
  if (AcRxDynamicLinker* linker = zhost::Linker()) linker->broadcast(AcRx::kLoadDwgMsg, doc);
  if (isOpen(doc)) {
    setCurDocument(doc);
    zhost::lisp::Interpreter::instance().documentReady();
  }
  return isOpen(doc) ? doc : nullptr;
}

void AcApDocManager::removeDocument(AcApDocument* doc) {
  setCurDocument(doc);
  if (AcRxDynamicLinker* linker = zhost::Linker()) linker->broadcast(AcRx::kUnloadDwgMsg, doc);
  auto it = std::find_if(docs_.begin(), docs_.end(), [&](const auto& d) { return d.get() == doc; });
  if (it == docs_.end()) return;
  size_t index = static_cast<size_t>(it - docs_.begin());
  std::unique_ptr<AcApDocument> gone = std::move(*it);
  docs_.erase(it);
  AcApDocument* next = docs_.empty() ? nullptr : docs_[index > 0 ? index - 1 : 0].get();
  current_ = active_ = next;
  acdbHostApplicationServices()->setWorkingDatabase(next ? next->database() : nullptr);
}

AcApDocument* AcApDocManager::newDocument() {
  ++counter_;
  std::wstring title = L"Drawing" + std::to_wstring(counter_) + L".dwg";
  return addDocument(title, title, false);
}

AcApDocument* AcApDocManager::openDocument(const std::wstring& path, std::wstring* error) {
  struct stat st;
  std::string fs = zhost::ToFsPath(path);
  if (path.empty() || ::stat(fs.c_str(), &st) != 0) {
    if (error) *error = L"Cannot open \"" + path + L"\": the file does not exist.";
    return nullptr;
  }
  if (!S_ISREG(st.st_mode)) {
    if (error) *error = L"Cannot open \"" + path + L"\": it is not a file.";
    return nullptr;
  }
  std::wstring full = AbsolutePath(path);
  for (const auto& d : docs_) {
    if (d->isFromFile() && d->fileName() == full) {
      activateDocument(d.get());
      return d.get();
    }
  }
  // The drawing is read before the applications hear of the new document.
  AcDbDatabase* database = zhost::ReadDrawingForDocument(full, error);
  if (!database) return nullptr;
  return addDocument(FileNameOf(full), full, true, database);
}

bool AcApDocManager::closeDocument(AcApDocument* doc, std::wstring* error) {
  if (!isOpen(doc)) {
    if (error) *error = L"That drawing is not open.";
    return false;
  }
  if (docs_.size() == 1) {
    if (error) *error = L"The last open drawing stays open; use NEW or OPEN first, or QUIT.";
    return false;
  }
  removeDocument(doc);
  return true;
}

void AcApDocManager::shutdown() {
  AcRxDynamicLinker* linker = zhost::Linker();
  std::vector<AcApDocument*> docs;
  for (const auto& d : docs_) docs.push_back(d.get());
  for (AcApDocument* doc : docs) {
    setCurDocument(doc);
    if (linker) linker->broadcast(AcRx::kUnloadDwgMsg, doc);
  }
  // The drawings outlive the applications' unload messages but may hold objects of their
  // classes, so the modules stay mapped until the drawings are gone.
  if (linker) linker->quitAll(true);
  current_ = active_ = nullptr;
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  docs_.clear();
  commandDocs_.clear();
  if (linker) linker->releaseKeptModules();
  counter_ = 0;
  zhost::lisp::Interpreter::instance().endSession();
}
