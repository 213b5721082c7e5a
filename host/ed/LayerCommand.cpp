// -LAYER: one option after the other until Enter; each acts on a comma-separated list of layer
// names (with "*" and "?" patterns where the layers must already exist).
#include "host/ed/LayerCommand.h"

#include <algorithm>
#include <cwctype>
#include <string>
#include <functional>
#include <vector>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLinetypeTable.h"
#include "host/db/AcDbOpenObject.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/DrawCommands.h"
#include "host/ed/UpperCase.h"
#include "host/win/WideFormat.h"

namespace zhost {

bool LayerNameMatches(const std::wstring& pattern, const std::wstring& name) {
  // Iterative match with back-tracking to the last "*".
  size_t p = 0, n = 0, star = std::wstring::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == L'?' || std::towupper(pattern[p]) == std::towupper(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == L'*') {
      star = p++;
      mark = n;
    } else if (star != std::wstring::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == L'*') ++p;
  return p == pattern.size();
}

namespace {

std::wstring Trim(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t");
  if (b == std::wstring::npos) return L"";
  std::wstring t = s.substr(b, s.find_last_not_of(L" \t") - b + 1);
  if (t.size() >= 2 && t.front() == L'"' && t.back() == L'"') t = t.substr(1, t.size() - 2);
  return t;
}

std::vector<std::wstring> SplitNames(const std::wstring& list) {
  std::vector<std::wstring> names;
  size_t start = 0;
  for (;;) {
    size_t comma = list.find(L',', start);
    std::wstring name = Trim(list.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start));
    if (!name.empty()) names.push_back(name);
    if (comma == std::wstring::npos) return names;
    start = comma + 1;
  }
}

// A keyword typed as its capitals at least (or more of it), without regard to case.
bool MatchesKeyword(const std::wstring& typed, const std::wstring& keyword) {
  size_t capitals = 0;
  while (capitals < keyword.size() && std::iswupper(keyword[capitals])) ++capitals;
  if (capitals == 0) capitals = keyword.size();
  if (typed.size() < capitals || typed.size() > keyword.size()) return false;
  return SameUpper(typed, keyword.substr(0, typed.size()));
}

int Ask(const std::wstring& prompt, std::wstring& answer) {
  int rc = CommandProcessor::instance().getInput(prompt, answer);
  answer = Trim(answer);
  return rc;
}

std::wstring LayerName(AcDbObjectId id) {
  AcDbLayerTableRecord* layer = nullptr;
  if (acdbOpenObject(layer, id, AcDb::kForRead) != Acad::eOk) return L"";
  std::wstring name = layer->nameString();
  layer->close();
  return name;
}

// The ids of the existing layers the names (or patterns) give; each name without a layer is
// reported.
std::vector<AcDbObjectId> FindLayers(AcDbDatabase* db, const std::wstring& list) {
  std::vector<AcDbObjectId> found;
  AcDbLayerTable* table = nullptr;
  if (db->getLayerTable(table, AcDb::kForRead) != Acad::eOk) return found;
  std::vector<AcDbObjectId> all;
  std::vector<std::wstring> names;
  AcDbLayerTableIterator* it = nullptr;
  table->newIterator(it);
  for (; !it->done(); it->step()) {
    AcDbObjectId id;
    if (it->getRecordId(id) != Acad::eOk) continue;
    all.push_back(id);
  }
  delete it;
  table->close();
  for (AcDbObjectId id : all) names.push_back(LayerName(id));
  for (const std::wstring& wanted : SplitNames(list)) {
    bool any = false;
    for (size_t i = 0; i < all.size(); ++i) {
      if (!LayerNameMatches(wanted, names[i])) continue;
      any = true;
      if (std::find(found.begin(), found.end(), all[i]) == found.end()) found.push_back(all[i]);
    }
    if (!any) PrintLine(L"No layer matches \"" + wanted + L"\".");
  }
  return found;
}

// Applies change to each layer open for write.
void ChangeLayers(const std::vector<AcDbObjectId>& ids, const std::function<void(AcDbLayerTableRecord*)>& change) {
  for (AcDbObjectId id : ids) {
    AcDbLayerTableRecord* layer = nullptr;
    if (acdbOpenObject(layer, id, AcDb::kForWrite) != Acad::eOk) {
      PrintLine(L"Layer \"" + LayerName(id) + L"\" could not be changed.");
      continue;
    }
    change(layer);
    layer->close();
  }
}

// A new layer (colour 7, continuous); false with a message for a bad or taken name.
bool NewLayer(AcDbDatabase* db, const std::wstring& name, AcDbObjectId* id = nullptr) {
  if (!AcDbSymbolTableRecord::IsValidName(name)) {
    PrintLine(L"\"" + name + L"\" is not a valid layer name.");
    return false;
  }
  AcDbLayerTable* table = nullptr;
  if (db->getLayerTable(table, AcDb::kForWrite) != Acad::eOk) return false;
  if (table->has(name.c_str())) {
    table->close();
    PrintLine(L"Layer \"" + name + L"\" already exists.");
    return false;
  }
  AcDbLayerTableRecord* layer = new AcDbLayerTableRecord();
  layer->setName(name.c_str());
  AcCmColor white;
  white.setColorIndex(7);
  layer->setColor(white);
  layer->setLinetypeObjectId(db->continuousLinetype());
  AcDbObjectId newId;
  Acad::ErrorStatus es = table->add(newId, layer);
  table->close();
  if (es != Acad::eOk) {
    delete layer;
    PrintLine(FormatWide(L"Layer \"%s\" could not be made (error %d).", name.c_str(), static_cast<int>(es)));
    return false;
  }
  layer->close();
  if (id) *id = newId;
  return true;
}

bool IsFrozen(AcDbObjectId id) {
  AcDbLayerTableRecord* layer = nullptr;
  if (acdbOpenObject(layer, id, AcDb::kForRead) != Acad::eOk) return false;
  bool frozen = layer->isFrozen();
  layer->close();
  return frozen;
}

void MakeCurrent(AcDbDatabase* db, AcDbObjectId id) {
  if (IsFrozen(id)) {
    PrintLine(L"Layer \"" + LayerName(id) + L"\" is frozen and cannot be made current.");
    return;
  }
  db->setClayer(id);
}

AcDbObjectId LayerId(AcDbDatabase* db, const std::wstring& name) {
  AcDbLayerTable* table = nullptr;
  AcDbObjectId id;
  if (db->getLayerTable(table, AcDb::kForRead) != Acad::eOk) return id;
  table->getAt(name.c_str(), id);
  table->close();
  return id;
}

void MakeOption(AcDbDatabase* db) {
  std::wstring current = LayerName(db->clayer()), name;
  if (Ask(L"Enter name for new layer (becomes the current layer) <" + current + L">: ", name) != RTNORM) return;
  if (name.empty()) return;
  AcDbObjectId id = LayerId(db, name);
  if (id.isNull() && !NewLayer(db, name, &id)) return;
  MakeCurrent(db, id);
}

void SetOption(AcDbDatabase* db) {
  std::wstring name;
  if (Ask(L"Enter layer name to make current: ", name) != RTNORM || name.empty()) return;
  AcDbObjectId id = LayerId(db, name);
  if (id.isNull()) {
    PrintLine(L"Cannot find layer \"" + name + L"\".");
    return;
  }
  MakeCurrent(db, id);
}

void NewOption(AcDbDatabase* db) {
  std::wstring list;
  if (Ask(L"Enter name list for new layer(s): ", list) != RTNORM) return;
  for (const std::wstring& name : SplitNames(list)) NewLayer(db, name);
}

bool AskYes(const std::wstring& prompt) {
  std::wstring answer;
  if (Ask(prompt, answer) != RTNORM) return false;
  return !answer.empty() && MatchesKeyword(answer, L"Yes");
}

// ON, OFF, Freeze, Thaw, LOck, Unlock: a state for the listed layers.
void StateOption(AcDbDatabase* db, const std::wstring& option) {
  std::wstring what = option == L"ON" ? L"turn on" : option == L"OFF" ? L"turn off" : option == L"Freeze" ? L"freeze"
                    : option == L"Thaw" ? L"thaw" : option == L"LOck" ? L"lock" : L"unlock";
  std::wstring list;
  if (Ask(L"Enter name list of layer(s) to " + what + L": ", list) != RTNORM || list.empty()) return;
  std::vector<AcDbObjectId> ids = FindLayers(db, list);
  AcDbObjectId current = db->clayer();
  if (option == L"Freeze" && std::find(ids.begin(), ids.end(), current) != ids.end()) {
    PrintLine(L"Cannot freeze layer \"" + LayerName(current) + L"\": it is the current layer.");
    ids.erase(std::find(ids.begin(), ids.end(), current));
  }
  if (option == L"OFF" && std::find(ids.begin(), ids.end(), current) != ids.end() &&
      !AskYes(L"Really want layer \"" + LayerName(current) + L"\" (the current layer) off? [Yes/No] <No>: "))
    ids.erase(std::find(ids.begin(), ids.end(), current));
  ChangeLayers(ids, [&](AcDbLayerTableRecord* layer) {
    if (option == L"ON") layer->setIsOff(false);
    if (option == L"OFF") layer->setIsOff(true);
    if (option == L"Freeze") layer->setIsFrozen(true);
    if (option == L"Thaw") layer->setIsFrozen(false);
    if (option == L"LOck") layer->setIsLocked(true);
    if (option == L"Unlock") layer->setIsLocked(false);
  });
}

// A colour number 1..255 or one of the seven named colours; 0 when it is neither.
int ColorFromText(const std::wstring& text) {
  static const wchar_t* names[] = {L"red", L"yellow", L"green", L"cyan", L"blue", L"magenta", L"white"};
  for (int i = 0; i < 7; ++i)
    if (SameUpper(text, names[i])) return i + 1;
  if (text.empty() || text.find_first_not_of(L"0123456789") != std::wstring::npos || text.size() > 3) return 0;
  int n = std::stoi(text);
  return n >= 1 && n <= 255 ? n : 0;
}

void ColorOption(AcDbDatabase* db) {
  std::wstring text;
  if (Ask(L"Enter color name or number (1-255): ", text) != RTNORM || text.empty()) return;
  int color = ColorFromText(text);
  if (color == 0) {
    PrintLine(L"\"" + text + L"\" is not a colour: enter 1 to 255 or red, yellow, green, cyan, blue, magenta, white.");
    return;
  }
  std::wstring current = LayerName(db->clayer()), list;
  if (Ask(FormatWide(L"Enter name list of layer(s) for color %d <%s>: ", color, current.c_str()), list) != RTNORM) return;
  if (list.empty()) list = current;
  AcCmColor value;
  value.setColorIndex(static_cast<Adesk::UInt16>(color));
  ChangeLayers(FindLayers(db, list), [&](AcDbLayerTableRecord* layer) { layer->setColor(value); });
}

void ListOption(AcDbDatabase* db) {
  std::wstring pattern;
  if (Ask(L"Enter layer name(s) to list <*>: ", pattern) != RTNORM) return;
  if (pattern.empty()) pattern = L"*";
  AcDbObjectId current = db->clayer();
  PrintLine(L"Layer name           State                  Color  Linetype");
  for (AcDbObjectId id : FindLayers(db, pattern)) {
    AcDbLayerTableRecord* layer = nullptr;
    if (acdbOpenObject(layer, id, AcDb::kForRead) != Acad::eOk) continue;
    std::wstring state = std::wstring(layer->isOff() ? L"Off" : L"On") + (layer->isFrozen() ? L" Frozen" : L" Thawed") +
                         (layer->isLocked() ? L" Locked" : L" Unlocked");
    std::wstring name = layer->nameString();
    int color = layer->color().colorIndex();
    AcDbObjectId linetype = layer->linetypeObjectId();
    layer->close();
    std::wstring ltName;
    AcDbLinetypeTableRecord* lt = nullptr;
    if (acdbOpenObject(lt, linetype, AcDb::kForRead) == Acad::eOk) {
      ltName = lt->nameString();
      lt->close();
    }
    PrintLine(FormatWide(L"%-20s %-22s %5d  %s", name.c_str(), state.c_str(), color, ltName.c_str()));
  }
  PrintLine(L"Current layer: \"" + LayerName(current) + L"\"");
}

void LayerCommand() {
  AcDbDatabase* db = CommandDatabase();
  if (!db) return;
  static const wchar_t* options[] = {L"?", L"Make", L"Set", L"New", L"ON", L"OFF", L"Color", L"Freeze", L"Thaw", L"LOck", L"Unlock"};
  PrintLine(L"Current layer: \"" + LayerName(db->clayer()) + L"\"");
  for (;;) {
    std::wstring typed;
    if (Ask(L"Enter an option [?/Make/Set/New/ON/OFF/Color/Freeze/Thaw/LOck/Unlock]: ", typed) != RTNORM) return;
    if (typed.empty()) return;
    std::wstring option;
    for (const wchar_t* o : options)
      if (MatchesKeyword(typed, o)) option = o;
    if (option.empty()) {
      PrintLine(L"\"" + typed + L"\" is not an option of -LAYER.");
      continue;
    }
    if (option == L"?") ListOption(db);
    else if (option == L"Make") MakeOption(db);
    else if (option == L"Set") SetOption(db);
    else if (option == L"New") NewOption(db);
    else if (option == L"Color") ColorOption(db);
    else StateOption(db, option);
  }
}

}  // namespace

void RegisterLayerCommand() {
  CommandProcessor& processor = CommandProcessor::instance();
  processor.addBuiltin(L"LAYER", LayerCommand);
}

}  // namespace zhost
