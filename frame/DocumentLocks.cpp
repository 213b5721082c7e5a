// The document-lock release used by the lifecycle and the palette: every lock the document
// services took and still hold is given back.
#include "frame/DocumentLocks.h"

#include "acadobjects/DocLocks.h"

void ReleaseHeldDocumentLocks() { UnlockAll(); }
