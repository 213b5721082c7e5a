// zhost::UndoRecorder: a database's undo record, in groups. The command processor opens a
// group when a command starts and closes it when the command ends (nested commands join the
// outer group); changes made outside any command go into an implicit group that lasts until the
// next command starts. A group holds, in order: the state of each object before its first
// change in the group (its own dwgOutFields), the objects appended (undo erases them again,
// objectUnAppended), and the partial-undo records objects write themselves. undo(n) takes back
// the last n non-empty groups, newest first, filing the objects back in (dwgInFields with a
// kUndoFiler) and sending the notifications with isUndoing() true.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/db/AcDbObjectId.h"

class AcDbDwgFiler;

class AcDbDatabase;
class AcDbObject;
class AcRxClass;

namespace zhost {

class MemoryFiler;
class NullFiler;

class UndoRecorder {
 public:
  explicit UndoRecorder(AcDbDatabase* db);
  ~UndoRecorder();
  UndoRecorder(const UndoRecorder&) = delete;
  UndoRecorder& operator=(const UndoRecorder&) = delete;

  // Groups (names are the command names, upper case).
  void beginGroup(const std::wstring& name);
  void endGroup();
  bool inGroup() const { return depth_ > 0; }
  // The names of the undoable groups, oldest first.
  std::vector<std::wstring> groupNames() const;
  int groupCount() const;
  // Takes back up to n groups; the names of those undone, newest first.
  std::vector<std::wstring> undo(int n);
  bool isUndoing() const { return undoing_; }
  // Forgets everything (a drawing just read).
  void clear();

  void setDisabled(bool disabled) { disabled_ = disabled; }
  bool disabled() const { return disabled_; }
  bool recording() const { return !disabled_ && !undoing_; }

  // Called by the object code.
  void recordModify(AcDbObject* obj, std::shared_ptr<MemoryFiler> before, bool erasedBefore);
  void recordAppend(AcDbObject* obj);
  // A new partial-undo filer of the object (the forgetting filer while not recording).
  AcDbDwgFiler* partialFiler(AcDbObject* obj);

 private:
  struct Entry;
  struct Group;
  Group& current();
  void undoGroup(Group& group);
  void undoEntry(Entry& entry);

  AcDbDatabase* db_;
  std::vector<std::unique_ptr<Group>> groups_;
  std::unique_ptr<NullFiler> nullFiler_;
  int depth_ = 0;
  bool open_ = false;  // the last group still takes entries
  bool disabled_ = false;
  bool undoing_ = false;
};

}  // namespace zhost
