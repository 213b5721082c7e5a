// The HEADER and TABLES sections of a DXF file: the header variables the host keeps (applied
// once the tables and blocks exist) and the layer, linetype, text style, dimension style,
// application and block-record tables. Records that exist already are updated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace zhost {

class DxfReadContext;

// The kept header variables: name -> index of the value group.
struct DxfHeader {
  std::map<std::wstring, size_t> values;
  uint64_t handseed = 0;
};

// Each reads from the group after the section's name up to its ENDSEC and returns that index;
// DxfDamage for a value that does not parse.
size_t ReadDxfHeader(DxfReadContext& ctx, size_t i, DxfHeader& header);
size_t ReadDxfTables(DxfReadContext& ctx, size_t i);
// The header variables into the database (names resolve against the tables read).
void ApplyDxfHeader(DxfReadContext& ctx, const DxfHeader& header);

// The index of the next 0 group after i (the end of the record that starts at i).
size_t NextDxfRecord(const DxfReadContext& ctx, size_t i);

}  // namespace zhost
