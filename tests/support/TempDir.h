// A fresh folder under the system's temporary folder, removed with everything in it at the end.
#pragma once

#include <string>

namespace zktest {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::wstring wpath() const;
  // path() + "/" + name
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Whole file as bytes ("" when missing) and writing bytes to a file (folders created).
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace zktest
