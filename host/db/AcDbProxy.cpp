// Proxies for classes the host does not know, and creating objects by class name.
#include "host/db/AcDbProxy.h"

#include "host/db/AcDbDwgFiler.h"
#include "host/ed/CommandLine.h"
#include "host/rx/AcRxClass.h"
#include "host/rx/AcRxDictionary.h"
#include "host/rx/acrx.h"

namespace {

AcRxObject* MakeProxyObject() { return new AcDbProxyObject; }
AcRxObject* MakeProxyEntity() { return new AcDbProxyEntity; }

// Everything left in the filer after the common part.
Acad::ErrorStatus TakeRest(AcDbDwgFiler* filer, std::vector<zhost::FilerItem>& items) {
  zhost::MemoryFiler* memory = dynamic_cast<zhost::MemoryFiler*>(filer);
  if (!memory) {
    filer->setFilerStatus(Acad::eNotApplicable);
    return Acad::eNotApplicable;
  }
  std::vector<zhost::FilerItem> rest;
  while (const zhost::FilerItem* item = memory->takeItem()) rest.push_back(*item);
  items = rest;
  return Acad::eOk;
}

Acad::ErrorStatus PutRest(AcDbDwgFiler* filer, const std::vector<zhost::FilerItem>& items) {
  zhost::MemoryFiler* memory = dynamic_cast<zhost::MemoryFiler*>(filer);
  if (!memory) {
    filer->setFilerStatus(Acad::eNotApplicable);
    return Acad::eNotApplicable;
  }
  for (const zhost::FilerItem& item : items) memory->append(item);
  memory->seek(0, 2);
  return memory->filerStatus();
}

void ReferenceIds(const zhost::ProxyData& data, AcDbObjectIdArray& ids) {
  ids.removeAll();
  for (const zhost::FilerItem& item : data.items)
    if (item.isId() && !item.id.isNull()) ids.append(item.id);
}

}  // namespace

ZHOST_RX_HOST_MEMBERS(AcDbProxyObject, AcDbObject, MakeProxyObject)
ZHOST_RX_HOST_MEMBERS(AcDbProxyEntity, AcDbEntity, MakeProxyEntity)

AcDbProxyObject::AcDbProxyObject() = default;
AcDbProxyObject::~AcDbProxyObject() = default;

Acad::ErrorStatus AcDbProxyObject::getReferenceId(AcDbObjectIdArray& ids) const {
  assertReadEnabled();
  ReferenceIds(data_, ids);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbProxyObject::subErase(Adesk::Boolean) {
  return (data_.proxyFlags & AcDb::kEraseAllowed) ? Acad::eOk : Acad::eNotAllowedForThisProxy;
}

Acad::ErrorStatus AcDbProxyObject::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return PutRest(filer, data_.items);
}

Acad::ErrorStatus AcDbProxyObject::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  return TakeRest(filer, data_.items);
}

AcDbProxyEntity::AcDbProxyEntity() = default;
AcDbProxyEntity::~AcDbProxyEntity() = default;

Acad::ErrorStatus AcDbProxyEntity::getReferenceId(AcDbObjectIdArray& ids) const {
  assertReadEnabled();
  ReferenceIds(data_, ids);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbProxyEntity::subErase(Adesk::Boolean) {
  return (data_.proxyFlags & AcDb::kEraseAllowed) ? Acad::eOk : Acad::eNotAllowedForThisProxy;
}

Acad::ErrorStatus AcDbProxyEntity::subTransformBy(const AcGeMatrix3d&) {
  // The class's geometry is unknown: even an allowed transformation cannot move it.
  return (data_.proxyFlags & AcDb::kTransformAllowed) ? Acad::eNotApplicable : Acad::eNotAllowedForThisProxy;
}

Acad::ErrorStatus AcDbProxyEntity::subExplode(AcDbVoidPtrArray&) const { return Acad::eNotAllowedForThisProxy; }

void AcDbProxyEntity::subList() const {
  acutPrintf(L"\n                  Proxy of class \"%s\" (%s)", data_.className.c_str(), data_.appName.c_str());
}

Acad::ErrorStatus AcDbProxyEntity::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return PutRest(filer, data_.items);
}

Acad::ErrorStatus AcDbProxyEntity::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  return TakeRest(filer, data_.items);
}

namespace zhost {

bool ClassIsEntity(const AcRxClass* cls) { return cls && cls->isDerivedFrom(AcDbEntity::desc()); }

AcDbObject* CreateObjectOfClass(const std::wstring& className, const std::wstring& dxfName, const std::wstring& appName,
                                int proxyFlags, bool isEntity) {
  EnsureHostClasses();
  AcRxDictionary* classes = acrxClassDictionary;
  AcRxClass* cls = classes ? AcRxClass::cast(classes->at(className.c_str())) : nullptr;
  if (cls && cls->isDerivedFrom(AcDbObject::desc())) {
    AcRxObject* made = cls->create();
    if (AcDbObject* obj = AcDbObject::cast(made)) return obj;
    delete made;
  }
  ProxyData data;
  data.className = className;
  data.dxfName = dxfName;
  data.appName = appName;
  data.proxyFlags = proxyFlags;
  if (isEntity) {
    AcDbProxyEntity* proxy = new AcDbProxyEntity;
    proxy->setProxyData(data);
    return proxy;
  }
  AcDbProxyObject* proxy = new AcDbProxyObject;
  proxy->setProxyData(data);
  return proxy;
}

}  // namespace zhost
