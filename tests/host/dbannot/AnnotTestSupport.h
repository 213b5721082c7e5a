// Helpers of the annotation entity tests: filing through the memory filer, objects made by
// class name, the command-line transcript of a call.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/db/AcDbEntity.h"
#include "host/db/MemoryFiler.h"
#include "host/rx/AcRxClass.h"
#include "host/rx/AcRxDictionary.h"
#include "host/win/Console.h"

namespace zktest {

inline std::vector<zhost::FilerItem> FiledItems(const AcDbObject* obj) {
  zhost::MemoryFiler filer(AcDb::kCopyFiler);
  EXPECT_EQ(obj->dwgOutFields(&filer), Acad::eOk);
  return filer.items();
}

inline AcRxClass* ClassNamed(const wchar_t* name) {
  return AcRxClass::cast(acrxClassDictionary->at(name));
}

// A new object of the class, filed in from the items; null (with a failure) when it does not read.
inline std::unique_ptr<AcDbObject> ReadBack(const wchar_t* className, const std::vector<zhost::FilerItem>& items,
                                            Acad::ErrorStatus expected = Acad::eOk) {
  AcRxClass* cls = ClassNamed(className);
  if (!cls) {
    ADD_FAILURE() << "class not registered";
    return nullptr;
  }
  std::unique_ptr<AcDbObject> obj(AcDbObject::cast(cls->create()));
  if (!obj) {
    ADD_FAILURE() << "class without constructor";
    return nullptr;
  }
  zhost::MemoryFiler filer(AcDb::kCopyFiler);
  for (const zhost::FilerItem& item : items) filer.append(item);
  EXPECT_EQ(obj->dwgInFields(&filer), expected);
  if (expected == Acad::eOk) {
    EXPECT_TRUE(filer.atEnd());
  }
  return obj;
}

// What a call printed on the command line.
inline std::wstring Printed(const std::function<void()>& call) {
  zhost::Console& console = zhost::Console::instance();
  bool quiet = console.quiet();
  console.setQuiet(true);
  console.clearTranscript();
  call();
  std::wstring text = console.transcript();
  console.clearTranscript();
  console.setQuiet(quiet);
  return text;
}

// The entities of an explode, deleted at the end.
struct Exploded {
  std::vector<std::unique_ptr<AcDbEntity>> entities;
  Acad::ErrorStatus status = Acad::eOk;
  explicit Exploded(const AcDbEntity* entity) {
    AcDbVoidPtrArray set;
    status = entity->explode(set);
    for (int i = 0; i < set.length(); ++i) entities.emplace_back(static_cast<AcDbEntity*>(set[i]));
  }
  template <class T>
  std::vector<T*> all() const {
    std::vector<T*> found;
    for (const auto& e : entities)
      if (T* typed = T::cast(e.get())) found.push_back(typed);
    return found;
  }
};

}  // namespace zktest
