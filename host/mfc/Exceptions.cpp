// Throwing the MFC exceptions.
#include "host/mfc/Exceptions.h"

void AfxThrowInvalidArgException() { throw new CInvalidArgException(); }
void AfxThrowMemoryException() { throw new CMemoryException(); }
void AfxThrowUserException() { throw new CUserException(); }
