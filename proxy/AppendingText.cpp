// AppendingText: copying an appended text record.
#include "proxy/AppendingText.h"

void AppendingText::CopyTo(AppendingText* dest) const {
  if (!dest || dest == this) return;
  dest->iPosition = iPosition;
  dest->strText = strText;
  dest->dValue = dValue;
  dest->iExt = iExt;
  dest->ptPosition = ptPosition;
  dest->strWork = strWork;
}
