// Counting a database's entities by DXF type for the tests of the DXF reader: every entity of
// every block record (model space, paper spaces, blocks), erased ones left out.
#pragma once

#include <map>
#include <set>
#include <string>

class AcDbDatabase;

namespace zktest {

typedef std::map<std::string, int> TypeCounts;

// Counts the entities of the block records; with onlyBlocks, those of the named ones only
// (upper-case names).
TypeCounts CountEntities(AcDbDatabase* db, const std::set<std::string>* onlyBlocks = nullptr);
std::set<std::string> BlockNames(AcDbDatabase* db);
// "ARC=2 LINE=5" (types in order).
std::string CountsText(const TypeCounts& counts);

}  // namespace zktest
