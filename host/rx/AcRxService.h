// AcRxService: a named service in the "ServiceDictionary" that other applications depend on;
// while it has dependencies, the application that registered it cannot be unloaded.
#pragma once

#include <string>

#include "host/rx/AcRxObject.h"

class AcRxService : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxService);

  AcRxService();
  ~AcRxService() override;

  AcRxObject* getSysInfo() const { return sysInfo_; }
  void setSysInfo(AcRxObject* info) { sysInfo_ = info; }

  void addDependency() { ++dependencies_; }
  // Never goes below zero.
  void removeDependency() {
    if (dependencies_ > 0) --dependencies_;
  }
  int dependencyCount() const { return dependencies_; }
  bool unloadable() const { return dependencies_ == 0; }

  // The application that registered the service (empty for the host's own).
  const std::wstring& ownerApp() const { return ownerApp_; }
  void setOwnerApp(const std::wstring& app) { ownerApp_ = app; }

 private:
  AcRxObject* sysInfo_ = nullptr;
  int dependencies_ = 0;
  std::wstring ownerApp_;
};

// Registers a service of that name (owned by the application now running its entry point) and
// returns it; an existing service of the name is returned unchanged.
AcRxObject* acrxRegisterService(const ACHAR* serviceName);
bool acrxServiceIsRegistered(const ACHAR* serviceName);
