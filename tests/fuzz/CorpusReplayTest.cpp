// Replays every input the fuzzers once found harmful and their seeds through the fuzz targets'
// bodies, so what was fixed stays fixed under the sanitizers: drawing files
// (tests/fuzz/corpus-regressions/, seeds/) and DXF files (dxf-corpus-regressions/, dxf-seeds/).
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" int ZkDxfReadFuzzOne(const uint8_t* data, size_t size);

namespace {

std::vector<std::string> FilesIn(const std::string& folder) {
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

// Runs the kept inputs of regressions/ and seeds/ (below tests/fuzz/) through target.
void ReplayCorpus(const char* regressions, const char* seedFolder, int (*target)(const uint8_t*, size_t)) {
  const std::string root = std::string(ZK_SOURCE_DIR) + "/tests/fuzz/";
  std::vector<std::string> files = FilesIn(root + regressions);
  const std::vector<std::string> seeds = FilesIn(root + seedFolder);
  files.insert(files.end(), seeds.begin(), seeds.end());
  ASSERT_FALSE(seeds.empty()) << "the seeds in " << seedFolder << " are missing";
  for (const std::string& f : files) {
    SCOPED_TRACE(f);
    const std::string bytes = zktest::ReadFileBytes(f);
    EXPECT_EQ(0, target(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
  }
}

TEST(DrawingFileFuzzCorpus, EveryKeptInputRunsCleanly) {
  ReplayCorpus("corpus-regressions", "seeds", LLVMFuzzerTestOneInput);
}

TEST(DxfReadFuzzCorpus, EveryKeptInputRunsCleanly) {
  ReplayCorpus("dxf-corpus-regressions", "dxf-seeds", ZkDxfReadFuzzOne);
}

}  // namespace
