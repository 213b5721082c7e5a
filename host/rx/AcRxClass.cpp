// Runtime class objects, their registration in the "ClassDictionary" and protocol extensions.
#include "host/rx/AcRxClass.h"

#include <algorithm>
#include <memory>

#include "host/rx/AcRxDictionary.h"

ZHOST_RX_HOST_MEMBERS(AcRxClass, AcRxObject, nullptr)

namespace {

AcRxDictionary* Classes() { return zhost::SystemDictionary(ACRX_CLASS_DICTIONARY); }

std::wstring Text(const ACHAR* s) { return s ? s : L""; }

}  // namespace

AcRxClass::AcRxClass(const ACHAR* name, const ACHAR* parentName, int dwgVersion, int maintVersion,
                     int proxyFlags, AcRxPseudoConstructor create, const ACHAR* dxfName, const ACHAR* appName)
    : name_(Text(name)),
      parentName_(Text(parentName)),
      dxfName_(Text(dxfName)),
      appName_(Text(appName)),
      dwgVersion_(dwgVersion),
      maintVersion_(maintVersion),
      proxyFlags_(proxyFlags),
      create_(create) {}

AcRxClass::~AcRxClass() = default;

AcRxClass* AcRxClass::myParent() const {
  if (parent_ || parentName_.empty()) return parent_;
  AcRxDictionary* classes = Classes();
  if (!classes) return nullptr;
  AcRxClass* found = dynamic_cast<AcRxClass*>(classes->at(parentName_.c_str()));
  if (found != this) parent_ = found;
  return parent_;
}

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const {
  if (!other) return false;
  // The depth bound guards against a parent cycle made by re-registered names.
  int depth = 0;
  for (const AcRxClass* c = this; c && depth < 256; c = c->myParent(), ++depth)
    if (c == other) return true;
  return false;
}

AcRxObject* AcRxClass::addX(AcRxClass* protocolClass, AcRxObject* extension) {
  if (!protocolClass) return nullptr;
  for (auto& entry : extensions_) {
    if (entry.first != protocolClass) continue;
    AcRxObject* previous = entry.second;
    entry.second = extension;
    return previous;
  }
  extensions_.emplace_back(protocolClass, extension);
  return nullptr;
}

AcRxObject* AcRxClass::delX(AcRxClass* protocolClass) {
  auto it = std::find_if(extensions_.begin(), extensions_.end(),
                         [&](const auto& e) { return e.first == protocolClass; });
  if (it == extensions_.end()) return nullptr;
  AcRxObject* removed = it->second;
  extensions_.erase(it);
  return removed;
}

AcRxObject* AcRxClass::queryX(const AcRxClass* protocolClass) const {
  int depth = 0;
  for (const AcRxClass* c = this; c && depth < 256; c = c->myParent(), ++depth)
    for (const auto& entry : c->extensions_)
      if (entry.first == protocolClass) return entry.second;
  return nullptr;
}

void AcRxClass::forgetProtocol(const AcRxClass* protocolClass) {
  extensions_.erase(std::remove_if(extensions_.begin(), extensions_.end(),
                                   [&](const auto& e) { return e.first == protocolClass; }),
                    extensions_.end());
}

AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int dwgVer, int maintVer,
                        int proxyFlags, AcRxPseudoConstructor pseudoConstructor, const ACHAR* dxfName,
                        const ACHAR* appName) {
  AcRxDictionary* classes = Classes();
  if (!classes || !className || !*className) return nullptr;
  if (AcRxClass* existing = dynamic_cast<AcRxClass*>(classes->at(className))) return existing;
  AcRxClass* cls = new AcRxClass(className, parentClassName, dwgVer, maintVer, proxyFlags, pseudoConstructor,
                                 dxfName, appName);
  classes->atPut(className, cls);
  return cls;
}

AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int proxyFlags,
                        AcRxPseudoConstructor pseudoConstructor, const ACHAR* dxfName, const ACHAR* appName) {
  return newAcRxClass(className, parentClassName, 0, 0, proxyFlags, pseudoConstructor, dxfName, appName);
}

void deleteAcRxClass(AcRxClass* cls) {
  AcRxDictionary* classes = Classes();
  if (!cls || !classes) return;
  for (const std::wstring& key : classes->keysOf(cls)) classes->remove(key.c_str());
  // Children keep their parent's name and find a class registered under it again later.
  std::unique_ptr<AcRxDictionaryIterator> it(classes->newIterator());
  for (; !it->done(); it->next()) {
    AcRxClass* other = dynamic_cast<AcRxClass*>(it->object());
    if (!other) continue;
    other->forgetProtocol(cls);
    if (other->parentResolved() && !other->parentName().empty()) other->setParent(nullptr);
  }
  zhost::BumpClassGeneration();
  delete cls;
}

void acrxBuildClassHierarchy() {
  AcRxDictionary* classes = Classes();
  if (!classes) return;
  std::unique_ptr<AcRxDictionaryIterator> it(classes->newIterator());
  for (; !it->done(); it->next())
    if (AcRxClass* cls = dynamic_cast<AcRxClass*>(it->object())) cls->myParent();
}
