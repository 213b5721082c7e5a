// Adding and removing the MatchProperties extension, and what it copies.
#include "frame/MatchProperties.h"

#include "host/db/AcDbEntity.h"
#include "host/ed/CommandLine.h"
#include "host/rx/AcRxService.h"
#include "host/rx/acrx.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimHeight.h"
#include "settings/DebugLog.h"

namespace {

constexpr const ACHAR* kMatchPropertiesService = L"MatchProperties";

QBdimMatchProp* g_pMatchProp = nullptr;
bool g_bMatchPropAdded = false;

AcRxObject* MatchPropertiesService() {
  AcRxDictionary* services = acrxServiceDictionary;
  return services ? services->at(kMatchPropertiesService) : nullptr;
}

void CopyGeneralProperties(const AcDbEntity* source, AcDbEntity* target, unsigned int flag) {
  if (flag & AcDbMatchProperties::kColorFlag) target->setColorIndex(source->colorIndex());
  if (flag & AcDbMatchProperties::kLayerFlag) target->setLayer(source->layer());
  if (flag & AcDbMatchProperties::kLtypeFlag) target->setLinetype(source->linetype());
  if (flag & AcDbMatchProperties::kLtscaleFlag) target->setLinetypeScale(source->linetypeScale());
  target->setVisibility(source->visibility());
}

}  // namespace

void QBdimMatchProp::copyProperties(AcDbEntity* pSrcEntity, AcDbEntity* pTrgEntity, unsigned int flag) const {
  if (!pSrcEntity || !pTrgEntity) return;
  if (QBdim::cast(pSrcEntity) && QBdim::cast(pTrgEntity)) {
    pTrgEntity->assertWriteEnabled();
    // The chain's options (CopyParams) are taken over here once the chain entity carries them.
  } else if (QBdimHeight::cast(pSrcEntity) && QBdimHeight::cast(pTrgEntity)) {
    pTrgEntity->assertWriteEnabled();
    // The height mark's options (CopyOptionsFrom), text placement, values and symbol point are
    // taken over here once the height-mark entity carries them.
  }
  CopyGeneralProperties(pSrcEntity, pTrgEntity, flag);
}

bool addMatchQBdim() {
  AcRxObject* entry = MatchPropertiesService();
  if (!entry) return false;
  TraceMsg(L"\nMatchProperties is now available");
  acedPostCommandPrompt();

  AcRxService* service = AcRxService::cast(entry);
  if (!service) acrx_abort(L"\naddMatchQBdim: Problem with service dictionary\n");
  service->addDependency();

  if (!g_pMatchProp) g_pMatchProp = new QBdimMatchProp;
  QBdim::desc()->addX(AcDbMatchProperties::desc(), g_pMatchProp);
  QBdimHeight::desc()->addX(AcDbMatchProperties::desc(), g_pMatchProp);
  g_bMatchPropAdded = true;
  return true;
}

void RemoveMatchQBdim() {
  AcRxObject* entry = MatchPropertiesService();
  if (!entry) return;
  if (QBdim::desc()) QBdim::desc()->delX(AcDbMatchProperties::desc());
  if (QBdimHeight::desc()) QBdimHeight::desc()->delX(AcDbMatchProperties::desc());
  delete g_pMatchProp;
  g_pMatchProp = nullptr;
  g_bMatchPropAdded = false;
  AcRxService* service = AcRxService::cast(entry);
  if (service) service->removeDependency();
}

bool IsMatchQBdimAdded() { return g_bMatchPropAdded; }
