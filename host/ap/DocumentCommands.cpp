// NEW and CLOSE; the file commands (OPEN, SAVE, SAVEAS) and the editing commands join here.
#include "host/ap/AcApDocManager.h"
#include "host/ap/FileCommands.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/DrawCommands.h"
#include "host/ed/EditCommands.h"
#include "host/ed/LayerCommand.h"
#include "host/ed/ListCommand.h"
#include "host/ed/SetvarCommand.h"
#include "host/ed/UndoCommand.h"

namespace zhost {

namespace {

void SayCurrent() {
  if (AcApDocument* doc = acDocManagerPtr()->curDocument())
    PrintLine(L"Current drawing: " + std::wstring(doc->docTitle()) + L".");
}

void NewDrawing() {
  if (acDocManagerPtr()->newDocument()) SayCurrent();
}

void CloseDrawing() {
  std::wstring error;
  if (!acDocManagerPtr()->closeDocument(acDocManagerPtr()->curDocument(), &error)) {
    PrintLine(error);
    return;
  }
  SayCurrent();
}

}  // namespace

void RegisterDocumentCommands() {
  CommandProcessor& processor = CommandProcessor::instance();
  processor.addBuiltin(L"NEW", NewDrawing);
  processor.addBuiltin(L"QNEW", NewDrawing);
  processor.addBuiltin(L"CLOSE", CloseDrawing);
  RegisterFileCommands();  // OPEN, SAVE, SAVEAS
  RegisterDrawCommands();
  RegisterEditCommands();
  RegisterLayerCommand();
  RegisterListCommand();
  RegisterSetvarCommand();
  RegisterUndoCommand();
}

}  // namespace zhost
