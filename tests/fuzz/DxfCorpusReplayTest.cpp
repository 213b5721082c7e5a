// Replays the DXF seeds and every DXF input the fuzzer once found harmful
// (tests/fuzz/dxf-corpus-regressions/) through the DXF fuzz target's body under the sanitizers.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

extern "C" int ZkDxfReadFuzzOne(const uint8_t* data, size_t size);

namespace {

std::vector<std::string> DxfInputsIn(const std::string& folder) {
  std::vector<std::string> files;
  if (DIR* dir = opendir(folder.c_str())) {
    while (dirent* e = readdir(dir)) {
      const std::string name = e->d_name;
      if (name != "." && name != ".." && name != "README.md") files.push_back(folder + "/" + name);
    }
    closedir(dir);
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(DxfReadFuzzCorpus, EveryKeptInputRunsCleanly) {
  const std::string root = std::string(ZK_SOURCE_DIR) + "/tests/fuzz/";
  std::vector<std::string> files = DxfInputsIn(root + "dxf-corpus-regressions");
  const std::vector<std::string> seeds = DxfInputsIn(root + "dxf-seeds");
  files.insert(files.end(), seeds.begin(), seeds.end());
  ASSERT_FALSE(seeds.empty()) << "the DXF seeds are missing";
  for (const std::string& f : files) {
    SCOPED_TRACE(f);
    const std::string bytes = zktest::ReadFileBytes(f);
    EXPECT_EQ(0, ZkDxfReadFuzzOne(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
  }
}

}  // namespace
