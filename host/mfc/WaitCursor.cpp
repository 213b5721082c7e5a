// The wait-cursor nesting count, kept in the host so that every module shares it.
#include "host/mfc/WaitCursor.h"

namespace {
int gDepth = 0;
}

namespace zhost {

void BeginWaitCursor() { ++gDepth; }
void EndWaitCursor() {
  if (gDepth > 0) --gDepth;
}
int WaitCursorDepth() { return gDepth; }

}  // namespace zhost
