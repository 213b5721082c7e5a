// Replays every input the fuzzer once found harmful (tests/fuzz/corpus-regressions/) and the
// seed drawings through the fuzz target, so what was fixed stays fixed under the sanitizers.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

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

TEST(DrawingFileFuzzCorpus, EveryKeptInputRunsCleanly) {
  const std::string root = std::string(ZK_SOURCE_DIR) + "/tests/fuzz/";
  std::vector<std::string> files = FilesIn(root + "corpus-regressions");
  const std::vector<std::string> seeds = FilesIn(root + "seeds");
  files.insert(files.end(), seeds.begin(), seeds.end());
  ASSERT_FALSE(seeds.empty()) << "the seed drawings are missing";
  for (const std::string& f : files) {
    SCOPED_TRACE(f);
    const std::string bytes = zktest::ReadFileBytes(f);
    EXPECT_EQ(0, LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
  }
}

}  // namespace
