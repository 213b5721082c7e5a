// Documents.
#include "host/ap/AcApDocument.h"

#include "host/db/AcDbDatabase.h"
#include "host/ed/CommandProcessor.h"
#include "host/rx/AcRxClass.h"

ZHOST_RX_HOST_MEMBERS(AcApDocument, AcRxObject, nullptr)

AcApDocument::AcApDocument(const std::wstring& title, const std::wstring& fileName, bool fromFile,
                           AcDbDatabase* database)
    : title_(title), fileName_(fileName), fromFile_(fromFile),
      database_(database ? database : new AcDbDatabase(true, false)) {
  lisp_.name = title;
}

AcApDocument::~AcApDocument() = default;

void AcApDocument::setSavedFileName(const std::wstring& path) {
  fileName_ = path;
  size_t cut = path.find_last_of(L"/\\");
  title_ = cut == std::wstring::npos ? path : path.substr(cut + 1);
  fromFile_ = true;
}

AcAp::DocLockMode AcApDocument::lockMode(bool) const { return locks_.empty() ? AcAp::kNotLocked : locks_.back(); }

bool AcApDocument::isQuiescent() const { return zhost::CommandProcessor::instance().idle(); }

bool AcApDocument::popLock() {
  if (locks_.empty()) return false;
  locks_.pop_back();
  return true;
}
