// Services and their registration in the "ServiceDictionary".
#include "host/rx/AcRxService.h"

#include "host/rx/AcRxClass.h"
#include "host/rx/AcRxDictionary.h"
#include "host/rx/AcRxDynamicLinker.h"

ZHOST_RX_HOST_MEMBERS(AcRxService, AcRxObject, nullptr)

AcRxService::AcRxService() = default;
AcRxService::~AcRxService() = default;

AcRxObject* acrxRegisterService(const ACHAR* serviceName) {
  AcRxDictionary* services = zhost::SystemDictionary(ACRX_SERVICE_DICTIONARY);
  if (!services || !serviceName || !*serviceName) return nullptr;
  if (AcRxObject* existing = services->at(serviceName)) return existing;
  AcRxService* service = new AcRxService();
  if (const zhost::AppRecord* app = zhost::CurrentApp()) service->setOwnerApp(app->name);
  services->atPut(serviceName, service);
  return service;
}

bool acrxServiceIsRegistered(const ACHAR* serviceName) {
  AcRxDictionary* services = zhost::SystemDictionary(ACRX_SERVICE_DICTIONARY);
  return services && serviceName && services->has(serviceName);
}
