// Reading ASCII DXF files (releases R12 to 2018) into a database: header variables the host
// keeps, the layer, linetype, text style, dimension style and application tables, every block
// with its entities, and the entities of model and paper space. Objects the host does not have
// (hatches, splines, 3D polylines ...) are skipped and counted by type, never guessed at; an
// entity damaged inside is skipped and reported with its line when the reader can go on at the
// next entity. A file that is not DXF, is truncated or damaged elsewhere is refused with a
// message naming the line. Entity handles are kept where they are unique and valid; every other
// object gets a new handle above all handles of the file.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "host/rx/AcadErrorStatus.h"

class AcDbDatabase;

namespace zhost {

struct DxfDamagedEntity {
  int line = 0;           // line of the damaged value
  std::wstring type;      // "LINE"
  std::wstring reason;    // "group code 10 needs a number, found \"abc\""
};

struct DxfReadReport {
  std::wstring version;                       // $ACADVER ("AC1015"), "" when the header has none
  std::map<std::wstring, int> entitiesRead;   // by DXF type, in all spaces and blocks
  std::map<std::wstring, int> skippedEntities;  // entities the host does not have, by type
  std::map<std::wstring, int> skippedObjects;   // OBJECTS section content, by type
  std::map<std::wstring, int> skippedTables;    // table records not kept (VPORT, VIEW, UCS ...)
  std::vector<DxfDamagedEntity> damaged;
  // Names the symbol tables refuse, with the name given instead ("layer \"A/B\"" -> "A_B").
  std::map<std::wstring, std::wstring> renamed;
  int entitiesReadTotal() const;
  int skippedEntitiesTotal() const;
};

// A new side database (built from the file alone) or null with the reason in error.
AcDbDatabase* ReadDxfFile(const std::wstring& path, std::wstring& error, DxfReadReport* report = nullptr);

// Fills an empty database built without defaults (eInvalidInput otherwise). After a failure the
// database holds what was read so far and should be deleted.
Acad::ErrorStatus DecodeDxf(const char* data, size_t size, AcDbDatabase* db, std::wstring& error,
                            DxfReadReport* report);

// Whether the file is to be read as DXF: its extension is ".dxf" (any case), or its first
// non-blank group is 0 / SECTION.
bool IsDxfFile(const std::wstring& path);
bool LooksLikeDxf(const char* data, size_t size);

// The lines for the command line after opening: one summary of the skipped entities ("Skipped
// 3 objects the host does not have: HATCH 2, SPLINE 1.") and one per damaged entity; none when
// nothing was lost.
std::vector<std::wstring> DxfReportLines(const DxfReadReport& report);

}  // namespace zhost
