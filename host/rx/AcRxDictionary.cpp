// String-keyed object dictionaries.
#include "host/rx/AcRxDictionary.h"

#include <set>

#include "host/rx/AcRxClass.h"

ZHOST_RX_HOST_MEMBERS(AcRxDictionary, AcRxObject, nullptr)

AcRxDictionary::~AcRxDictionary() {
  if (!deleteObjects_) return;
  // An object stored under several keys is deleted once.
  std::set<AcRxObject*> owned;
  for (auto& entry : entries_) owned.insert(entry.second);
  entries_.clear();
  for (AcRxObject* obj : owned) delete obj;
}

AcRxObject* AcRxDictionary::at(const ACHAR* key) const {
  if (!key) return nullptr;
  auto it = entries_.find(key);
  return it == entries_.end() ? nullptr : it->second;
}

AcRxObject* AcRxDictionary::atPut(const ACHAR* key, AcRxObject* object) {
  if (!key) return nullptr;
  if (!object) return remove(key);
  AcRxObject*& slot = entries_[key];
  AcRxObject* previous = slot;
  slot = object;
  return previous;
}

AcRxObject* AcRxDictionary::remove(const ACHAR* key) {
  if (!key) return nullptr;
  auto it = entries_.find(key);
  if (it == entries_.end()) return nullptr;
  AcRxObject* removed = it->second;
  entries_.erase(it);
  return removed;
}

bool AcRxDictionary::resetKey(const ACHAR* oldKey, const ACHAR* newKey) {
  if (!oldKey || !newKey || has(newKey)) return false;
  AcRxObject* obj = remove(oldKey);
  if (!obj) return false;
  entries_[newKey] = obj;
  return true;
}

AcRxDictionaryIterator* AcRxDictionary::newIterator(AcRx::DictIterType) const {
  return new AcRxDictionaryIterator(std::vector<std::pair<std::wstring, AcRxObject*>>(entries_.begin(), entries_.end()));
}

std::vector<std::wstring> AcRxDictionary::keysOf(const AcRxObject* obj) const {
  std::vector<std::wstring> keys;
  for (const auto& entry : entries_)
    if (entry.second == obj) keys.push_back(entry.first);
  return keys;
}
