// Temporary test folders and whole-file helpers.
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "host/win/TextConv.h"

namespace zktest {

TempDir::TempDir() {
  std::string base = std::filesystem::temp_directory_path().string() + "/zktest-XXXXXX";
  if (!mkdtemp(base.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = base;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::wstring TempDir::wpath() const { return zhost::FromUtf8(path_); }

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace zktest
