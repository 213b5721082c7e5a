// AcRxClass: the runtime class object (name, parent, constructor, DXF and application names,
// versions, proxy flags) with the protocol extensions attached to it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/rx/AcRxObject.h"

typedef AcRxObject* (*AcRxPseudoConstructor)();

class AcRxClass : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxClass);

  AcRxClass(const ACHAR* name, const ACHAR* parentName, int dwgVersion, int maintVersion,
            int proxyFlags, AcRxPseudoConstructor create, const ACHAR* dxfName, const ACHAR* appName);
  ~AcRxClass() override;

  const ACHAR* name() const { return name_.c_str(); }
  // The parent class; resolved by name when it was registered after this class.
  AcRxClass* myParent() const;
  bool isDerivedFrom(const AcRxClass* other) const;
  // A new object of the class, or null for a class without a constructor.
  AcRxObject* create() const { return create_ ? create_() : nullptr; }
  const ACHAR* appName() const { return appName_.c_str(); }
  const ACHAR* dxfName() const { return dxfName_.c_str(); }
  int getClassVersion(int& dwgVersion, int& maintVersion) const {
    dwgVersion = dwgVersion_;
    maintVersion = maintVersion_;
    return dwgVersion_;
  }
  int proxyFlags() const { return proxyFlags_; }
  AcRxPseudoConstructor constructor() const { return create_; }

  // Protocol extensions: addX returns the extension that was attached before (or null), delX
  // the one removed; queryX searches this class, then its parents. The caller keeps ownership.
  AcRxObject* addX(AcRxClass* protocolClass, AcRxObject* extension);
  AcRxObject* delX(AcRxClass* protocolClass);
  AcRxObject* queryX(const AcRxClass* protocolClass) const;

  // Host bookkeeping
  const std::wstring& parentName() const { return parentName_; }
  void setParent(AcRxClass* parent) { parent_ = parent; }
  bool parentResolved() const { return parent_ != nullptr || parentName_.empty(); }
  void forgetProtocol(const AcRxClass* protocolClass);

 private:
  std::wstring name_, parentName_, dxfName_, appName_;
  mutable AcRxClass* parent_ = nullptr;
  int dwgVersion_, maintVersion_, proxyFlags_;
  AcRxPseudoConstructor create_;
  std::vector<std::pair<const AcRxClass*, AcRxObject*>> extensions_;
};

// Creates and registers a class in the "ClassDictionary"; an existing class of the name is
// returned unchanged.
AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int dwgVer, int maintVer,
                        int proxyFlags = 0, AcRxPseudoConstructor pseudoConstructor = nullptr,
                        const ACHAR* dxfName = nullptr, const ACHAR* appName = nullptr);
AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int proxyFlags = 0,
                        AcRxPseudoConstructor pseudoConstructor = nullptr, const ACHAR* dxfName = nullptr,
                        const ACHAR* appName = nullptr);
// Removes the class from the "ClassDictionary" (under every key) and deletes it.
void deleteAcRxClass(AcRxClass* cls);
// Links every class to its parent by name.
void acrxBuildClassHierarchy();
