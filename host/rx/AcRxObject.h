// AcRxObject, the root of the runtime class system, and the macros that give a class its
// runtime class object (desc, isA, cast).
#pragma once

#include "host/rx/AcadErrorStatus.h"
#include "host/rx/ads.h"

class AcRxClass;
class AcRxObject;

namespace zhost {

// Caches a class looked up by name in the "ClassDictionary"; a deleted class is looked up again.
class ClassCache {
 public:
  AcRxClass* lookup(const wchar_t* name);

 private:
  AcRxClass* cls_ = nullptr;
  unsigned generation_ = 0;
};

// The class of that name, created (as a child of parent) when missing: the host's own classes
// exist from their first use on.
AcRxClass* HostClass(ClassCache& cache, const wchar_t* name, AcRxClass* parent,
                     AcRxObject* (*create)() = nullptr);

// Registers a module's class on its rxInit() unless one of that name exists.
AcRxClass* RegisterClassOnce(const wchar_t* name, AcRxClass* parent, int dwgVersion, int maintVersion,
                             int proxyFlags, AcRxObject* (*create)(), const wchar_t* dxfName,
                             const wchar_t* appName);

// The host's own classes note their desc() here when the library loads, so that a class can be
// created by name (a drawing read in a fresh process) before its first use in code.
struct HostClassRegistrar {
  explicit HostClassRegistrar(AcRxClass* (*desc)());
};
// Creates every noted host class (idempotent).
void EnsureHostClasses();

}  // namespace zhost

#define ZHOST_WIDEN2(s) L##s
#define ZHOST_WIDEN(s) ZHOST_WIDEN2(s)

class AcRxObject {
 public:
  virtual ~AcRxObject();

  static AcRxClass* desc();
  static AcRxObject* cast(const AcRxObject* inPtr) { return const_cast<AcRxObject*>(inPtr); }
  virtual AcRxClass* isA() const;

  bool isKindOf(const AcRxClass* cls) const;
  // The protocol extension of that class attached to this object's class or a parent class.
  AcRxObject* queryX(const AcRxClass* protocolClass) const;
  AcRxObject* x(const AcRxClass* protocolClass) const { return queryX(protocolClass); }

  virtual AcRxObject* clone() const { return nullptr; }
  virtual Acad::ErrorStatus copyFrom(const AcRxObject*) { return Acad::eNotApplicable; }
  virtual bool isEqualTo(const AcRxObject* other) const { return other == this; }
};

// Declares the runtime-class members; put it in the public part of the class.
#define ACRX_DECLARE_MEMBERS(CLASS_NAME)                                                     \
  AcRxClass* isA() const override;                                                           \
  static AcRxClass* desc();                                                                  \
  static CLASS_NAME* cast(const AcRxObject* inPtr) {                                         \
    return (inPtr && inPtr->isKindOf(CLASS_NAME::desc()))                                    \
               ? const_cast<CLASS_NAME*>(static_cast<const CLASS_NAME*>(inPtr))              \
               : nullptr;                                                                    \
  }                                                                                          \
  static void rxInit()

#define ZHOST_RX_LOOKUP_MEMBERS(CLASS_NAME)                                    \
  AcRxClass* CLASS_NAME::desc() {                                              \
    static zhost::ClassCache cache;                                            \
    return cache.lookup(ZHOST_WIDEN(#CLASS_NAME));                             \
  }                                                                            \
  AcRxClass* CLASS_NAME::isA() const { return CLASS_NAME::desc(); }

// A module's class without a constructor; rxInit() registers it.
#define ACRX_NO_CONS_DEFINE_MEMBERS(CLASS_NAME, PARENT_CLASS)                              \
  ZHOST_RX_LOOKUP_MEMBERS(CLASS_NAME)                                                      \
  void CLASS_NAME::rxInit() {                                                              \
    zhost::RegisterClassOnce(ZHOST_WIDEN(#CLASS_NAME), PARENT_CLASS::desc(), 0, 0, 0, nullptr, \
                             nullptr, nullptr);                                            \
  }

// A module's class with a default constructor.
#define ACRX_CONS_DEFINE_MEMBERS(CLASS_NAME, PARENT_CLASS, VERNO)                          \
  ZHOST_RX_LOOKUP_MEMBERS(CLASS_NAME)                                                      \
  static AcRxObject* zhostMake##CLASS_NAME() { return new CLASS_NAME(); }                  \
  void CLASS_NAME::rxInit() {                                                              \
    zhost::RegisterClassOnce(ZHOST_WIDEN(#CLASS_NAME), PARENT_CLASS::desc(), VERNO, 0, 0,  \
                             zhostMake##CLASS_NAME, nullptr, nullptr);                     \
  }

// A module's filed class with its DXF name and application name.
#define ACRX_DXF_DEFINE_MEMBERS(CLASS_NAME, PARENT_CLASS, DWG_VERSION, MAINTENANCE_VERSION,   \
                                PROXY_FLAGS, DXF_NAME, APP)                                   \
  ZHOST_RX_LOOKUP_MEMBERS(CLASS_NAME)                                                         \
  static AcRxObject* zhostMake##CLASS_NAME() { return new CLASS_NAME(); }                     \
  void CLASS_NAME::rxInit() {                                                                 \
    zhost::RegisterClassOnce(ZHOST_WIDEN(#CLASS_NAME), PARENT_CLASS::desc(), DWG_VERSION,     \
                             MAINTENANCE_VERSION, PROXY_FLAGS, zhostMake##CLASS_NAME,         \
                             ZHOST_WIDEN(#DXF_NAME), ZHOST_WIDEN(#APP));                      \
  }

// The host's own classes: created at first use.
#define ZHOST_RX_HOST_MEMBERS(CLASS_NAME, PARENT_CLASS, MAKE)                        \
  AcRxClass* CLASS_NAME::desc() {                                                    \
    static zhost::ClassCache cache;                                                  \
    return zhost::HostClass(cache, ZHOST_WIDEN(#CLASS_NAME), PARENT_CLASS::desc(), MAKE); \
  }                                                                                  \
  AcRxClass* CLASS_NAME::isA() const { return CLASS_NAME::desc(); }                  \
  void CLASS_NAME::rxInit() { CLASS_NAME::desc(); }                                  \
  static zhost::HostClassRegistrar zhostRegistrar##CLASS_NAME(&CLASS_NAME::desc);
