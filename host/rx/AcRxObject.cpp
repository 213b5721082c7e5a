// The root runtime class and the class caches behind desc().
#include "host/rx/AcRxObject.h"

#include "host/rx/AcRxClass.h"
#include "host/rx/AcRxDictionary.h"

AcRxObject::~AcRxObject() = default;

AcRxClass* AcRxObject::desc() {
  static zhost::ClassCache cache;
  return zhost::HostClass(cache, L"AcRxObject", nullptr);
}

AcRxClass* AcRxObject::isA() const { return AcRxObject::desc(); }

bool AcRxObject::isKindOf(const AcRxClass* cls) const {
  const AcRxClass* mine = isA();
  return cls && mine && mine->isDerivedFrom(cls);
}

AcRxObject* AcRxObject::queryX(const AcRxClass* protocolClass) const {
  const AcRxClass* mine = isA();
  return mine ? mine->queryX(protocolClass) : nullptr;
}

namespace zhost {

static AcRxClass* FindClass(const wchar_t* name) {
  AcRxDictionary* classes = SystemDictionary(ACRX_CLASS_DICTIONARY);
  return classes ? dynamic_cast<AcRxClass*>(classes->at(name)) : nullptr;
}

AcRxClass* ClassCache::lookup(const wchar_t* name) {
  if (cls_ && generation_ == ClassGeneration()) return cls_;
  cls_ = FindClass(name);
  generation_ = ClassGeneration();
  return cls_;
}

AcRxClass* HostClass(ClassCache& cache, const wchar_t* name, AcRxClass* parent, AcRxObject* (*create)()) {
  if (AcRxClass* found = cache.lookup(name)) return found;
  newAcRxClass(name, parent ? parent->name() : L"", 0, 0, 0, create, nullptr, nullptr);
  return cache.lookup(name);
}

AcRxClass* RegisterClassOnce(const wchar_t* name, AcRxClass* parent, int dwgVersion, int maintVersion,
                             int proxyFlags, AcRxObject* (*create)(), const wchar_t* dxfName,
                             const wchar_t* appName) {
  if (AcRxClass* found = FindClass(name)) return found;
  return newAcRxClass(name, parent ? parent->name() : L"AcRxObject", dwgVersion, maintVersion, proxyFlags,
                      create, dxfName, appName);
}

}  // namespace zhost
