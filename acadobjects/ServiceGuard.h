// The catch-all of the document and database services: a service never throws to its caller;
// what the host throws is traced and the service's failure value returned.
#pragma once

#include <exception>
#include <utility>

#include "host/mfc/Exceptions.h"
#include "settings/DebugLog.h"

template <class Result, class Body>
Result GuardedService(const wchar_t* name, Result failure, Body&& body) {
  try {
    return std::forward<Body>(body)();
  } catch (CException* e) {
    e->Delete();
    TraceMsgF(L"%s: exception\n", name);
  } catch (const std::exception& e) {
    TraceMsgF(L"%s: exception %S\n", name, e.what());
  } catch (...) {
    TraceMsgF(L"%s: unknown exception\n", name);
  }
  return failure;
}

template <class Body>
void GuardedServiceVoid(const wchar_t* name, Body&& body) {
  GuardedService(name, 0, [&] {
    std::forward<Body>(body)();
    return 0;
  });
}
