// Editor reactors: AcEditorReactor (what the editor tells applications about commands and LISP
// evaluations) and AcEditor, the object under "AcEditor" in the system registry that keeps them.
// The command processor fires the notifications for every command, built-in or registered.
#pragma once

#include <vector>

#include "host/db/AcDbArrays.h"
#include "host/rx/AcRxObject.h"
#include "host/rx/adesk.h"
#include "host/rx/ads.h"

class AcEditorReactor : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcEditorReactor);
  ~AcEditorReactor() override;

  // cmdStr: the command's global name, upper case.
  virtual void commandWillStart(const ACHAR* cmdStr);
  virtual void commandEnded(const ACHAR* cmdStr);
  // The command took a cancel (ESC, "*cancel*") at one of its prompts.
  virtual void commandCancelled(const ACHAR* cmdStr);
  // The command ended with an exception or reported a failure.
  virtual void commandFailed(const ACHAR* cmdStr);
  virtual void unknownCommand(const ACHAR* cmdStr, AcDbVoidPtrArray* al);
  // firstLine: the expression as typed.
  virtual void lispWillStart(const ACHAR* firstLine);
  virtual void lispEnded();
  virtual void lispCancelled();
};

class AcEditor : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcEditor);

  // Not owned; adding one twice keeps one entry. A reactor may remove itself (or another) while
  // being notified: notification goes over a snapshot and skips removed reactors.
  void addReactor(AcEditorReactor* newObj);
  void removeReactor(AcEditorReactor* delObj);

  // Host side
  bool hasReactor(const AcEditorReactor* r) const;
  template <class Fn>
  void notify(Fn fn) {
    std::vector<AcEditorReactor*> snapshot = reactors_;
    for (AcEditorReactor* r : snapshot)
      if (hasReactor(r)) fn(r);
  }

 private:
  std::vector<AcEditorReactor*> reactors_;
};

// The editor object in the system registry (registered at first use).
AcEditor* acedEditorPtr();
#define acedEditor acedEditorPtr()
