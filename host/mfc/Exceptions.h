// The MFC exceptions that module code throws and catches.
#pragma once

#include "host/mfc/CObject.h"

class CException : public CObject {
 public:
  virtual ~CException() = default;
  void Delete() { delete this; }
};

// Thrown (as a pointer, in the MFC manner) for an invalid argument such as an index out of range.
class CInvalidArgException : public CException {};

class CMemoryException : public CException {};

// Thrown by data exchange when a field refused its text (the user has been told already).
class CUserException : public CException {};

[[noreturn]] void AfxThrowInvalidArgException();
[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowUserException();
