// Object ids: what a database slot tells about its object.
#include "host/db/AcDbObjectId.h"

#include "host/db/AcDbObject.h"
#include "host/db/ObjectStub.h"
#include "host/rx/AcRxClass.h"

const AcDbObjectId AcDbObjectId::kNull;

bool AcDbObjectId::isValid() const { return stub_ && stub_->object; }

bool AcDbObjectId::isErased() const { return stub_ && stub_->object && stub_->object->isErased(); }

AcDbHandle AcDbObjectId::handle() const { return stub_ ? stub_->handle : AcDbHandle(); }

AcDbDatabase* AcDbObjectId::database() const { return stub_ ? stub_->database : nullptr; }

AcRxClass* AcDbObjectId::objectClass() const { return isValid() ? stub_->object->isA() : nullptr; }

Adesk::IntDbId AcDbObjectId::asOldId() const { return static_cast<Adesk::IntDbId>(reinterpret_cast<intptr_t>(stub_)); }

Acad::ErrorStatus acdbGetAdsName(ads_name& objName, AcDbObjectId objId) {
  objName[0] = objId.asOldId();
  objName[1] = 0;
  return objId.isNull() ? Acad::eNullObjectId : Acad::eOk;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& objId, const ads_name objName) {
  objId.setNull();
  if (!objName || objName[0] == 0) return Acad::eInvalidInput;
  objId = AcDbObjectId(reinterpret_cast<zhost::ObjectStub*>(static_cast<intptr_t>(objName[0])));
  return Acad::eOk;
}

namespace zhost {

AcDbObject* PeekObject(const AcDbObjectId& id) { return id.stub() ? id.stub()->object : nullptr; }

}  // namespace zhost
