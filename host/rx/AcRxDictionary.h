// AcRxDictionary: objects by string key, as the system registry and its dictionaries hold them.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/rx/AcRxObject.h"

namespace AcRx {
enum DictIterType { kDictSorted = 0, kDictCollated = 1 };
}

class AcRxDictionaryIterator {
 public:
  explicit AcRxDictionaryIterator(std::vector<std::pair<std::wstring, AcRxObject*>> entries)
      : entries_(std::move(entries)) {}
  virtual ~AcRxDictionaryIterator() = default;
  bool done() const { return index_ >= entries_.size(); }
  bool next() {
    if (!done()) ++index_;
    return !done();
  }
  const ACHAR* key() const { return done() ? nullptr : entries_[index_].first.c_str(); }
  AcRxObject* object() const { return done() ? nullptr : entries_[index_].second; }

 private:
  std::vector<std::pair<std::wstring, AcRxObject*>> entries_;
  size_t index_ = 0;
};

class AcRxDictionary : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxDictionary);

  // deleteObjects: the dictionary deletes its objects when it is destroyed.
  explicit AcRxDictionary(bool deleteObjects = false) : deleteObjects_(deleteObjects) {}
  ~AcRxDictionary() override;
  AcRxDictionary(const AcRxDictionary&) = delete;
  AcRxDictionary& operator=(const AcRxDictionary&) = delete;

  AcRxObject* at(const ACHAR* key) const;
  // Stores the object under the key and returns the object that was there (or null).
  AcRxObject* atPut(const ACHAR* key, AcRxObject* object);
  // Removes the key and returns its object (or null); the caller owns it then.
  AcRxObject* remove(const ACHAR* key);
  bool has(const ACHAR* key) const { return at(key) != nullptr; }
  bool resetKey(const ACHAR* oldKey, const ACHAR* newKey);
  unsigned int numEntries() const { return static_cast<unsigned int>(entries_.size()); }
  // A snapshot in key order: changing the dictionary while iterating is safe.
  AcRxDictionaryIterator* newIterator(AcRx::DictIterType = AcRx::kDictSorted) const;
  bool deletesObjects() const { return deleteObjects_; }
  // Every key whose object is obj.
  std::vector<std::wstring> keysOf(const AcRxObject* obj) const;

 private:
  std::map<std::wstring, AcRxObject*> entries_;
  bool deleteObjects_;
};

// Names of the system registry's entries.
#define ACRX_CLASS_DICTIONARY L"ClassDictionary"
#define ACRX_SERVICE_DICTIONARY L"ServiceDictionary"
#define ACRX_DYNAMIC_LINKER L"DynamicLinker"
#define ACRX_COMMAND_DOCK L"ACAD_REGISTERED_COMMANDS"
#define ACRX_EDITOR L"AcEditor"

// The system registry: the dictionary of the host's dictionaries and services.
AcRxDictionary* acrxSysRegistry();

#define acrxClassDictionary AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY))
#define acrxServiceDictionary AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_SERVICE_DICTIONARY))

namespace zhost {
// A dictionary of the system registry by name, without a runtime-class check (the class
// system itself uses it while its own classes come into being).
AcRxDictionary* SystemDictionary(const wchar_t* name);
// Counts deletions of classes, so cached class pointers know when to look again.
unsigned ClassGeneration();
void BumpClassGeneration();
}  // namespace zhost
