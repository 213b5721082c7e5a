// Proxies: objects and entities of a class the host does not know (its module is not loaded).
// They keep the class's name, DXF name, application text and proxy flags, the common part (the
// AcDbObject part, and the AcDbEntity part for an entity) as the host files it, and every item
// the class filed after that exactly as read; they file all of it back unchanged. What a proxy
// allows (erase, transform, property changes) follows its proxy flags (AcDb::ProxyFlags).
#pragma once

#include <string>
#include <vector>

#include "host/db/AcDbEntity.h"
#include "host/db/AcDbObject.h"
#include "host/db/MemoryFiler.h"

namespace zhost {

// What both proxy kinds keep.
struct ProxyData {
  std::wstring className, dxfName, appName;
  int proxyFlags = 0;
  std::vector<FilerItem> items;  // the class's own items, after the common part
};

}  // namespace zhost

class AcDbProxyObject : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbProxyObject);
  AcDbProxyObject();
  ~AcDbProxyObject() override;

  int proxyFlags() const { return data_.proxyFlags; }
  const ACHAR* originalClassName() const { return data_.className.c_str(); }
  const ACHAR* originalDxfName() const { return data_.dxfName.c_str(); }
  const ACHAR* applicationDescription() const { return data_.appName.c_str(); }
  // The ids among the kept items.
  Acad::ErrorStatus getReferenceId(AcDbObjectIdArray& ids) const;
  bool isAProxy() const override { return true; }

  // Refused (eNotAllowedForThisProxy) without kEraseAllowed.
  Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;
  // In: the object part, then every remaining item of a zhost::MemoryFiler (eNotApplicable for
  // another filer). Out: the object part, then the kept items.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

  // Host: the file code.
  const zhost::ProxyData& proxyData() const { return data_; }
  void setProxyData(const zhost::ProxyData& data) { data_ = data; }

 private:
  zhost::ProxyData data_;
};

class AcDbProxyEntity : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbProxyEntity);
  AcDbProxyEntity();
  ~AcDbProxyEntity() override;

  enum GraphicsMetafileType { kNoMetafile = 0, kBoundingBox = 1, kFullGraphics = 2 };

  int proxyFlags() const { return data_.proxyFlags; }
  const ACHAR* originalClassName() const { return data_.className.c_str(); }
  const ACHAR* originalDxfName() const { return data_.dxfName.c_str(); }
  const ACHAR* applicationDescription() const { return data_.appName.c_str(); }
  Acad::ErrorStatus getReferenceId(AcDbObjectIdArray& ids) const;
  GraphicsMetafileType graphicsMetafileType() const { return kNoMetafile; }
  bool isAProxy() const override { return true; }

  Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;
  // Refused (eNotAllowedForThisProxy) without kTransformAllowed; nothing to transform anyway.
  Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const override;
  void subList() const override;
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

  const zhost::ProxyData& proxyData() const { return data_; }
  void setProxyData(const zhost::ProxyData& data) { data_ = data; }

 private:
  zhost::ProxyData data_;
};

namespace zhost {

// The object for a class read from a file: a new object of the registered class of that name
// when it has a constructor, else a proxy (an entity proxy when isEntity) carrying the names.
AcDbObject* CreateObjectOfClass(const std::wstring& className, const std::wstring& dxfName,
                                const std::wstring& appName, int proxyFlags, bool isEntity);
// Whether a class derives from AcDbEntity.
bool ClassIsEntity(const AcRxClass* cls);

}  // namespace zhost
