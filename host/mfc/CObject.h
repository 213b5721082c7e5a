// CObject: the root of the MFC record and dialog classes.
#pragma once

class CObject {
 public:
  CObject() = default;
  virtual ~CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};
