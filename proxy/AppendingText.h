// AppendingText: an appended text of a chain dimension, a second text that hangs below the
// text of one segment. A chain owns at most one record per extension.
#pragma once

#include "host/ge/AcGePoint3d.h"
#include "host/mfc/CObject.h"
#include "host/mfc/CString.h"

class AppendingText : public CObject {
 public:
  // The extension the text belongs to; 0 and 1 denote the same extension.
  short iExt = 0;
  // Insertion point of the text.
  AcGePoint3d ptPosition;
  // The text point of the segment the record belongs to, so that the record is found again after
  // the extensions were re-ordered or moved. Neither filed nor copied.
  AcGePoint3d ptAnchor;
  // 0: placed by hand (stays where it is); non-zero: follows its segment text.
  int iPosition = 1;
  CString strText;
  double dValue = 0.0;
  // Filed, not copied.
  short iMode = 0;
  CString strExtra;
  // Copied, not filed.
  CString strWork;

  // Copies iPosition, strText, dValue, iExt, ptPosition and strWork.
  void CopyTo(AppendingText* dest) const;
};
