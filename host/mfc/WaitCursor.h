// The wait cursor: without a screen only its nesting is kept, so code and tests can see that
// every begin has its end.
#pragma once

namespace zhost {

void BeginWaitCursor();
void EndWaitCursor();   // never below zero
int WaitCursorDepth();  // begins not yet ended

}  // namespace zhost

class CWaitCursor {
 public:
  CWaitCursor() { zhost::BeginWaitCursor(); }
  ~CWaitCursor() { zhost::EndWaitCursor(); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
  // Shows the wait cursor again after something (a message box) changed the cursor.
  void Restore() {}
};
