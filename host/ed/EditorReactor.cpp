// The editor object and the default (empty) reactor notifications.
#include "host/ed/EditorReactor.h"

#include <algorithm>

#include "host/rx/AcRxClass.h"
#include "host/rx/AcRxDictionary.h"

ZHOST_RX_HOST_MEMBERS(AcEditorReactor, AcRxObject, nullptr)
ZHOST_RX_HOST_MEMBERS(AcEditor, AcRxObject, nullptr)

AcEditorReactor::~AcEditorReactor() {
  // A reactor deleted without being removed must not be notified afterwards.
  AcEditor* editor = AcEditor::cast(acrxSysRegistry()->at(ACRX_EDITOR));
  if (editor) editor->removeReactor(this);
}

void AcEditorReactor::commandWillStart(const ACHAR*) {}
void AcEditorReactor::commandEnded(const ACHAR*) {}
void AcEditorReactor::commandCancelled(const ACHAR*) {}
void AcEditorReactor::commandFailed(const ACHAR*) {}
void AcEditorReactor::unknownCommand(const ACHAR*, AcDbVoidPtrArray*) {}
void AcEditorReactor::lispWillStart(const ACHAR*) {}
void AcEditorReactor::lispEnded() {}
void AcEditorReactor::lispCancelled() {}

void AcEditor::addReactor(AcEditorReactor* newObj) {
  if (newObj && !hasReactor(newObj)) reactors_.push_back(newObj);
}

void AcEditor::removeReactor(AcEditorReactor* delObj) {
  reactors_.erase(std::remove(reactors_.begin(), reactors_.end(), delObj), reactors_.end());
}

bool AcEditor::hasReactor(const AcEditorReactor* r) const {
  return std::find(reactors_.begin(), reactors_.end(), r) != reactors_.end();
}

AcEditor* acedEditorPtr() {
  AcRxDictionary* registry = acrxSysRegistry();
  AcEditor* editor = AcEditor::cast(registry->at(ACRX_EDITOR));
  if (!editor) {
    editor = new AcEditor();
    registry->atPut(ACRX_EDITOR, editor);
  }
  return editor;
}
