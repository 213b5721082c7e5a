// The option set as data: the key of every slot, the steps in which LoadOptions and SaveOptions
// walk the mode sets, and the defaults that MakeDefaultIniValues writes.
#pragma once

#include <cstddef>

// Sets of a step (a mode set is loaded or saved when its bit is in the mask).
enum OptionSets : unsigned {
  SETS_NONE = 0,
  SETS_DIM = 1,
  SETS_HEIGHT = 2,
  SETS_TEXT = 4,
  SETS_ALL = SETS_DIM | SETS_HEIGHT | SETS_TEXT
};

// The set bit of a mode (mode 1 and unknown modes count as the dim set).
unsigned SetsOfMode(int mode);

// One slot: type, index, its key in modes 1, 2 and 5, and its key in modes 3/4 (null: the same).
// `emptyDefault` is what a general string takes (and writes back) when it loads empty.
struct OptionKeyRow {
  int type;
  int index;
  const wchar_t* key;
  const wchar_t* heightKey;
  const wchar_t* emptyDefault;
};

enum class LoadForm {
  None,            // not loaded
  Read,            // the stored value
  Bool,            // the stored int as 0/1
  SevenOrNine,     // the stored int; anything but 7 or 9 becomes 9
  NonZero,         // the stored double; 0 becomes 0.001
  Delimiter,       // dim set: the stored value, others: the dim set's; "#", "@", "^" empty it
  CurOptionsFile,  // the option file in use
  ScaleValue,      // the number of the scale text
  CopyFormat       // a copy of the set's "Format"
};

enum class SaveForm {
  None,         // not saved
  Write,        // the set's value
  SevenOrNine,  // the set's value after forcing it to 7 or 9
  DimValue      // the dim set's value, into every set's section
};

// One step of LoadOptions and SaveOptions over a mode set. Steps run in table order; a step acts
// on a set when the set's bit is in its mask.
struct OptionStepRow {
  int type;
  int index;
  unsigned loadSets;
  LoadForm load;
  unsigned saveSets;
  SaveForm save;
};

// One default of the MainOptions section: a slot (its key in the mode written) or, for keys
// without a slot (type -1), the literal key.
struct OptionDefaultRow {
  int type;
  int index;
  const wchar_t* literalKey;
  const wchar_t* value;
  unsigned sets;
};

// One value of a list section written as a default (Item_0, Item_1, ...).
struct DefaultListRow {
  const wchar_t* section;  // without the mode prefix
  unsigned sets;
  const wchar_t* const* values;
  size_t count;
};

extern const OptionKeyRow kOptionKeys[];
extern const size_t kOptionKeyCount;
extern const OptionStepRow kOptionSteps[];
extern const size_t kOptionStepCount;
extern const OptionDefaultRow kOptionDefaults[];
extern const size_t kOptionDefaultCount;
extern const DefaultListRow kDefaultLists[];
extern const size_t kDefaultListCount;

// General ints in the order LoadOptions reads them ("AcadDimAssociative" comes from "Convert").
extern const int kGeneralIntLoadOrder[];
extern const size_t kGeneralIntLoadCount;

// The three keys whose absence makes LoadOptions write a set's defaults first.
struct PresenceKeys {
  int mode;
  const wchar_t* keys[3];
};
extern const PresenceKeys kPresenceKeys[];
extern const size_t kPresenceKeyCount;

// The row of (type, index); types 2 and 3 share their rows. Null when the slot has no key.
const OptionKeyRow* FindOptionKey(int type, int index);
