// Texts that hold lists: option values with several entries separated by one character or text
// ("a; b; c"), the file name at the end of a path, and the names a drawing gives: an entity's
// layer and the text styles.
#pragma once

#include "host/db/AcDbObjectId.h"
#include "host/mfc/Collections.h"
#include "host/mfc/CString.h"

class AcDbDatabase;
class AcDbEntity;

// Empties `list` and appends the parts of `text` between the separators, each trimmed on both
// sides. Empty parts between two separators keep their place ("a;;b" -> "a", "", "b"); the part
// after the last separator is appended only when it is not empty once trimmed ("a;b;" -> "a",
// "b"). Without a separator in the text (or with an empty separator) a non-empty text is the
// one element, trimmed ("  " -> ""). Returns the number of parts.
int SplitList(const wchar_t* text, CStringArray& list, const wchar_t* separator);

// SplitList, then empty texts appended until `list` holds at least `minimumCount` entries.
// Returns the number of parts before the padding.
int SplitListPadded(const wchar_t* text, CStringArray& list, int minimumCount, const wchar_t* separator = L";");

// The part of `path` after its last "\" or "/" (the whole path when it has neither).
CString FileNameOfPath(const wchar_t* path);

// The name of the entity's layer; "" when it has none or cannot be opened.
CString EntityLayerName(const AcDbEntity* entity);
CString EntityLayerName(AcDbObjectId id);

// Empties `names` and appends the name of every text style of `db`, each once (without regard
// to case). Returns the count.
int TextStyleNames(AcDbDatabase* db, CStringArray& names);
