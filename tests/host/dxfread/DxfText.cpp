// Building DXF texts for tests.
#include "tests/host/dxfread/DxfText.h"

namespace zktest {

std::string GroupText(const Groups& groups) {
  std::string text;
  for (const auto& g : groups) text += std::to_string(g.first) + "\n" + g.second + "\n";
  return text;
}

std::string DxfFile(const Groups& entities, const std::string& version, const Groups& header, const Groups& tables,
                    const Groups& blocks) {
  Groups all = {{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, version}};
  all.insert(all.end(), header.begin(), header.end());
  all.push_back({0, "ENDSEC"});
  if (!tables.empty()) {
    all.push_back({0, "SECTION"});
    all.push_back({2, "TABLES"});
    all.insert(all.end(), tables.begin(), tables.end());
    all.push_back({0, "ENDSEC"});
  }
  if (!blocks.empty()) {
    all.push_back({0, "SECTION"});
    all.push_back({2, "BLOCKS"});
    all.insert(all.end(), blocks.begin(), blocks.end());
    all.push_back({0, "ENDSEC"});
  }
  all.push_back({0, "SECTION"});
  all.push_back({2, "ENTITIES"});
  all.insert(all.end(), entities.begin(), entities.end());
  all.push_back({0, "ENDSEC"});
  all.push_back({0, "EOF"});
  return GroupText(all);
}

}  // namespace zktest
