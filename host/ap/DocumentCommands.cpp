// NEW, OPEN and CLOSE.
#include "host/ap/AcApDocManager.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"

namespace zhost {

namespace {

void SayCurrent() {
  if (AcApDocument* doc = acDocManagerPtr()->curDocument())
    PrintLine(L"Current drawing: " + std::wstring(doc->docTitle()) + L".");
}

void NewDrawing() {
  if (acDocManagerPtr()->newDocument()) SayCurrent();
}

void OpenDrawing() {
  std::wstring path;
  if (CommandProcessor::instance().getInput(L"Enter name of drawing to open: ", path) != RTNORM) return;
  if (path.empty()) return;
  if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"') path = path.substr(1, path.size() - 2);
  std::wstring error;
  AcApDocument* doc = acDocManagerPtr()->openDocument(path, &error);
  if (!doc) {
    PrintLine(error);
    return;
  }
  PrintLine(L"Opened \"" + std::wstring(doc->fileName()) +
            L"\" as an empty drawing (this host does not read drawing contents yet).");
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
  processor.addBuiltin(L"OPEN", OpenDrawing);
  processor.addBuiltin(L"CLOSE", CloseDrawing);
}

}  // namespace zhost
