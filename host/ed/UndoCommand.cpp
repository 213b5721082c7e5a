// UNDO n takes back the last n commands of the working drawing, newest first, printing
// "UNDO: <command>" for each; U takes back one.
#include "host/ed/UndoCommand.h"

#include <string>
#include <vector>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/UndoRecorder.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/UserInput.h"

namespace zhost {

namespace {

void UndoSteps(int count) {
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  if (!db) {
    PrintLine(L"There is no drawing to undo in.");
    return;
  }
  std::vector<std::wstring> undone = db->undoRecorder().undo(count);
  for (const std::wstring& name : undone) PrintLine(L"UNDO: " + (name.empty() ? std::wstring(L"GROUP") : name));
  if (static_cast<int>(undone.size()) < count) PrintLine(L"Everything has been undone");
}

void UndoCommand() {
  int count = 1;
  acedInitGet(RSG_NONEG | RSG_NOZERO, nullptr);
  int rc = acedGetInt(L"Enter the number of operations to undo <1>: ", &count);
  if (rc == RTNONE) count = 1;
  else if (rc != RTNORM) return;
  UndoSteps(count);
}

void UCommand() { UndoSteps(1); }

}  // namespace

void RegisterUndoCommand() {
  CommandProcessor& processor = CommandProcessor::instance();
  processor.addBuiltin(L"UNDO", UndoCommand);
  processor.addBuiltin(L"U", UCommand);
}

}  // namespace zhost
