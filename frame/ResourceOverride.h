// CTemporaryResourceOverride: makes the language module (or this module) the resource handle
// for the life of a scope, so that dialogs, menus and strings come from the right module.
#pragma once

#include "host/win/WinTypes.h"

class CTemporaryResourceOverride {
 public:
  CTemporaryResourceOverride();
  ~CTemporaryResourceOverride();
  CTemporaryResourceOverride(const CTemporaryResourceOverride&) = delete;
  CTemporaryResourceOverride& operator=(const CTemporaryResourceOverride&) = delete;

  // Whether the constructor switched the resource handle (and the destructor puts it back).
  bool IsActive() const { return m_bRemembered; }

 private:
  HINSTANCE m_hPrevious = nullptr;
  bool m_bRemembered = false;
};
