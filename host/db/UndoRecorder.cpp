// A database's undo record.
#include "host/db/UndoRecorder.h"

#include <algorithm>

#include "host/db/AcDbDatabase.h"
#include "host/db/DbDiagnostics.h"
#include "host/db/MemoryFiler.h"
#include "host/db/ObjectAccess.h"

namespace zhost {

struct UndoRecorder::Entry {
  enum Kind { kModify, kAppend, kPartial };
  Kind kind;
  ObjectStub* stub;
  std::shared_ptr<MemoryFiler> data;
  bool erasedBefore;
};

struct UndoRecorder::Group {
  std::wstring name;
  std::vector<Entry> entries;
  std::set<ObjectStub*> modified;  // objects whose state is kept in this group
};

UndoRecorder::UndoRecorder(AcDbDatabase* db) : db_(db), nullFiler_(new NullFiler) {}
UndoRecorder::~UndoRecorder() = default;

UndoRecorder::Group& UndoRecorder::current() {
  if (!open_ || groups_.empty()) {
    groups_.emplace_back(new Group);
    open_ = true;
  }
  return *groups_.back();
}

void UndoRecorder::beginGroup(const std::wstring& name) {
  if (depth_++ > 0) return;
  if (!groups_.empty() && groups_.back()->entries.empty()) groups_.pop_back();
  groups_.emplace_back(new Group);
  groups_.back()->name = name;
  open_ = true;
}

void UndoRecorder::endGroup() {
  if (depth_ == 0) return;
  if (--depth_ > 0) return;
  open_ = false;
  if (!groups_.empty() && groups_.back()->entries.empty()) groups_.pop_back();
}

std::vector<std::wstring> UndoRecorder::groupNames() const {
  std::vector<std::wstring> names;
  for (const auto& g : groups_)
    if (!g->entries.empty()) names.push_back(g->name);
  return names;
}

int UndoRecorder::groupCount() const { return static_cast<int>(groupNames().size()); }

void UndoRecorder::clear() {
  groups_.clear();
  open_ = depth_ > 0;
  if (open_) groups_.emplace_back(new Group);
}

void UndoRecorder::recordModify(AcDbObject* obj, std::shared_ptr<MemoryFiler> before, bool erasedBefore) {
  if (!recording()) return;
  ObjectStub* stub = ObjectAccess::stub(obj);
  if (!stub) return;
  Group& g = current();
  if (!g.modified.insert(stub).second) return;
  g.entries.push_back(Entry{Entry::kModify, stub, std::move(before), erasedBefore});
}

void UndoRecorder::recordAppend(AcDbObject* obj) {
  if (!recording()) return;
  ObjectStub* stub = ObjectAccess::stub(obj);
  if (!stub) return;
  Group& g = current();
  g.modified.insert(stub);  // nothing to keep of a new object: undo takes it away
  g.entries.push_back(Entry{Entry::kAppend, stub, nullptr, false});
}

AcDbDwgFiler* UndoRecorder::partialFiler(AcDbObject* obj) {
  ObjectStub* stub = ObjectAccess::stub(obj);
  if (!recording() || !stub) {
    nullFiler_->forget();
    return nullFiler_.get();
  }
  std::shared_ptr<MemoryFiler> record = std::make_shared<MemoryFiler>(AcDb::kUndoFiler, db_);
  current().entries.push_back(Entry{Entry::kPartial, stub, record, false});
  return record.get();
}

std::vector<std::wstring> UndoRecorder::undo(int n) {
  std::vector<std::wstring> undone;
  if (undoing_) return undone;
  // The running command's own group (UNDO itself) is not undone.
  std::unique_ptr<Group> active;
  if (depth_ > 0 && open_ && !groups_.empty()) {
    active = std::move(groups_.back());
    groups_.pop_back();
  }
  undoing_ = true;
  while (n > 0 && !groups_.empty()) {
    std::unique_ptr<Group> g = std::move(groups_.back());
    groups_.pop_back();
    if (g->entries.empty()) continue;
    undoGroup(*g);
    undone.push_back(g->name);
    --n;
  }
  undoing_ = false;
  if (active) {
    groups_.push_back(std::move(active));
  } else {
    open_ = false;
  }
  return undone;
}

void UndoRecorder::undoGroup(Group& group) {
  for (auto it = group.entries.rbegin(); it != group.entries.rend(); ++it) undoEntry(*it);
}

void UndoRecorder::undoEntry(Entry& entry) {
  AcDbObject* obj = entry.stub->object;
  if (!obj) return;
  if (ObjectAccess::isOpen(obj)) {
    DbDiagnostic(L"undo skipped object " + entry.stub->handle.text() + L": it is open");
    return;
  }
  switch (entry.kind) {
    case Entry::kAppend: ObjectAccess::undoAppend(obj); break;
    case Entry::kModify: ObjectAccess::restore(obj, *entry.data, entry.erasedBefore); break;
    case Entry::kPartial: ObjectAccess::applyPartial(obj, *entry.data); break;
  }
}

}  // namespace zhost
