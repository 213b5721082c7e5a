// Small DXF texts for the reader's tests: groups written one pair a line.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zktest {

typedef std::vector<std::pair<int, std::string>> Groups;

// "code\nvalue\n" for each group.
std::string GroupText(const Groups& groups);
// A whole file: HEADER ($ACADVER and the extra header groups), TABLES (given groups, may be
// empty), ENTITIES (given groups) and EOF.
std::string DxfFile(const Groups& entities, const std::string& version = "AC1015", const Groups& header = {},
                    const Groups& tables = {}, const Groups& blocks = {});

}  // namespace zktest
