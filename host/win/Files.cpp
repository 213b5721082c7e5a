// Files and folders on top of POSIX, with Windows results and error codes.
#include "host/win/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "host/win/TextConv.h"

namespace {

std::mutex gAppDataMutex;
std::wstring gAppDataFolder;  // empty: not set, use the environment

bool StatPath(const std::string& path, struct stat& st) { return ::stat(path.c_str(), &st) == 0; }

bool IsDirectory(const std::string& path) {
  struct stat st;
  return StatPath(path, st) && S_ISDIR(st.st_mode);
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// ERROR_PATH_NOT_FOUND when the folder of `path` is missing, else the error of `error`.
DWORD WriteError(const std::string& path, int error) {
  if (error == ENOENT || error == ENOTDIR) return IsDirectory(FolderOf(path)) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
  return zhost::ErrorFromErrno(error);
}

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string EnvOr(const char* name, const std::string& fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::string(v) : fallback;
}

std::string HomeFolder() { return EnvOr("HOME", "/tmp"); }

// Creates the folder and its missing parents.
bool CreateFolders(const std::string& path) {
  if (path.empty() || IsDirectory(path)) return true;
  std::string parent = FolderOf(path);
  if (parent != path && !CreateFolders(parent)) return false;
  return ::mkdir(path.c_str(), 0777) == 0 || (errno == EEXIST && IsDirectory(path));
}

HRESULT CopyFolderPath(const std::string& folder, LPWSTR path) {
  std::wstring w = zhost::FromUtf8(folder);
  if (w.size() >= MAX_PATH) {
    path[0] = 0;
    return E_FAIL;
  }
  std::wmemcpy(path, w.c_str(), w.size() + 1);
  return S_OK;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// The C library's mode for a Windows _wfopen mode: "t", "N", "S", "R", "T", "D" and the
// ", ccs=..." encoding part have no meaning here.
std::string FopenMode(const wchar_t* mode) {
  std::string out;
  for (const wchar_t* p = mode; *p && *p != L','; ++p)
    if (std::wcschr(L"rwa+bx", *p)) out += static_cast<char>(*p);
  return out;
}

}  // namespace

DWORD GetFileAttributesW(LPCWSTR path) {
  if (!path || !*path) {
    SetLastError(ERROR_INVALID_NAME);
    return INVALID_FILE_ATTRIBUTES;
  }
  std::string p = zhost::ToFsPath(path);
  struct stat st;
  if (!StatPath(p, st)) {
    SetLastError(WriteError(p, errno));
    return INVALID_FILE_ATTRIBUTES;
  }
  DWORD attributes = 0;
  if (S_ISDIR(st.st_mode)) attributes |= FILE_ATTRIBUTE_DIRECTORY;
  if (!(st.st_mode & S_IWUSR)) attributes |= FILE_ATTRIBUTE_READONLY;
  return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

BOOL CreateDirectoryW(LPCWSTR path, LPSECURITY_ATTRIBUTES) {
  if (!path || !*path) return Fail(ERROR_PATH_NOT_FOUND);
  std::string p = WithoutTrailingSlashes(zhost::ToFsPath(path));
  if (::mkdir(p.c_str(), 0777) == 0) return TRUE;
  int e = errno;
  if (e == EEXIST) return Fail(ERROR_ALREADY_EXISTS);
  return Fail(e == ENOENT || e == ENOTDIR ? ERROR_PATH_NOT_FOUND : zhost::ErrorFromErrno(e));
}

BOOL RemoveDirectoryW(LPCWSTR path) {
  if (!path || !*path) return Fail(ERROR_PATH_NOT_FOUND);
  std::string p = WithoutTrailingSlashes(zhost::ToFsPath(path));
  if (::rmdir(p.c_str()) == 0) return TRUE;
  int e = errno;
  if (e == ENOTDIR) return Fail(ERROR_DIRECTORY);
  return Fail(e == EEXIST ? ERROR_DIR_NOT_EMPTY : zhost::ErrorFromErrno(e));
}

BOOL DeleteFileW(LPCWSTR path) {
  if (!path || !*path) return Fail(ERROR_PATH_NOT_FOUND);
  std::string p = zhost::ToFsPath(path);
  struct stat st;
  if (::lstat(p.c_str(), &st) != 0) return Fail(WriteError(p, errno));
  if (S_ISDIR(st.st_mode) || (S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR))) return Fail(ERROR_ACCESS_DENIED);
  if (::unlink(p.c_str()) != 0) return Fail(zhost::ErrorFromErrno(errno));
  return TRUE;
}

BOOL CopyFileW(LPCWSTR existing, LPCWSTR target, BOOL failIfExists) {
  if (!existing || !target) return Fail(ERROR_INVALID_PARAMETER);
  std::string from = zhost::ToFsPath(existing), to = zhost::ToFsPath(target);
  struct stat src;
  if (!StatPath(from, src)) return Fail(WriteError(from, errno));
  if (S_ISDIR(src.st_mode)) return Fail(ERROR_ACCESS_DENIED);
  struct stat dst;
  bool targetExists = StatPath(to, dst);
  if (targetExists && failIfExists) return Fail(ERROR_FILE_EXISTS);
  if (targetExists && (S_ISDIR(dst.st_mode) || src.st_ino == dst.st_ino)) return Fail(ERROR_ACCESS_DENIED);
  std::string bytes;
  DWORD error = 0;
  if (!zhost::ReadWholeFile(from, bytes, &error)) return Fail(error);
  if (!zhost::WriteFileAtomically(to, bytes, &error)) return Fail(error);
  ::chmod(to.c_str(), src.st_mode & 07777);
  return TRUE;
}

BOOL MoveFileExW(LPCWSTR existing, LPCWSTR target, DWORD flags) {
  if (!existing || !target) return Fail(ERROR_INVALID_PARAMETER);
  if (flags & MOVEFILE_DELAY_UNTIL_REBOOT) return Fail(ERROR_NOT_SUPPORTED);
  std::string from = zhost::ToFsPath(existing), to = zhost::ToFsPath(target);
  struct stat src;
  if (::lstat(from.c_str(), &src) != 0) return Fail(WriteError(from, errno));
  struct stat dst;
  if (::lstat(to.c_str(), &dst) == 0) {
    if (!(flags & MOVEFILE_REPLACE_EXISTING)) return Fail(ERROR_ALREADY_EXISTS);
    if (S_ISDIR(dst.st_mode) || (S_ISREG(dst.st_mode) && !(dst.st_mode & S_IWUSR))) return Fail(ERROR_ACCESS_DENIED);
  }
  if (::rename(from.c_str(), to.c_str()) == 0) return TRUE;
  int e = errno;
  if (e != EXDEV || !(flags & MOVEFILE_COPY_ALLOWED) || S_ISDIR(src.st_mode)) return Fail(WriteError(to, e));
  if (!CopyFileW(existing, target, FALSE)) return FALSE;
  ::unlink(from.c_str());
  return TRUE;
}

BOOL MoveFileW(LPCWSTR existing, LPCWSTR target) { return MoveFileExW(existing, target, MOVEFILE_COPY_ALLOWED); }

BOOL PathFileExistsW(LPCWSTR path) {
  if (!path || !*path) return FALSE;
  struct stat st;
  return StatPath(zhost::ToFsPath(path), st) ? TRUE : FALSE;
}

DWORD GetTempPathW(DWORD bufferLength, LPWSTR buffer) {
  std::string folder = EnvOr("TMPDIR", "/tmp");
  if (folder.back() != '/') folder += '/';
  std::wstring w = zhost::FromUtf8(folder);
  DWORD needed = static_cast<DWORD>(w.size() + 1);
  if (!buffer || bufferLength < needed) {
    if (buffer && bufferLength > 0) buffer[0] = 0;
    return needed;
  }
  std::wmemcpy(buffer, w.c_str(), needed);
  return needed - 1;
}

HRESULT SHGetFolderPathW(HWND, int folder, HANDLE, DWORD, LPWSTR path) {
  if (!path) return E_INVALIDARG;
  path[0] = 0;
  std::string dir;
  switch (folder & ~CSIDL_FLAG_MASK) {
    case CSIDL_APPDATA: dir = zhost::ToFsPath(zhost::AppDataFolder()); break;
    case CSIDL_LOCAL_APPDATA: dir = zhost::ToFsPath(zhost::AppDataFolder()) + "/Local"; break;
    case CSIDL_PERSONAL: dir = WithoutTrailingSlashes(HomeFolder()); break;
    default: return E_INVALIDARG;
  }
  if ((folder & CSIDL_FLAG_CREATE) && !CreateFolders(dir)) return E_FAIL;
  if (!IsDirectory(dir)) return E_FAIL;
  return CopyFolderPath(dir, path);
}

FILE* _wfopen(const wchar_t* path, const wchar_t* mode) {
  if (!path || !mode) {
    errno = EINVAL;
    return nullptr;
  }
  std::string m = FopenMode(mode);
  if (m.empty()) {
    errno = EINVAL;
    return nullptr;
  }
  return std::fopen(zhost::ToFsPath(path).c_str(), m.c_str());
}

int _waccess(const wchar_t* path, int mode) {
  if (!path) {
    errno = EINVAL;
    return -1;
  }
  std::string p = zhost::ToFsPath(path);
  struct stat st;
  if (!StatPath(p, st)) return -1;
  if ((mode & 2) && !(st.st_mode & S_IWUSR)) {
    errno = EACCES;
    return -1;
  }
  return 0;
}

int _wremove(const wchar_t* path) {
  if (!path) {
    errno = EINVAL;
    return -1;
  }
  if (DeleteFileW(path)) return 0;
  errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : ENOENT;
  return -1;
}

int _wrename(const wchar_t* oldName, const wchar_t* newName) {
  if (!oldName || !newName) {
    errno = EINVAL;
    return -1;
  }
  std::string to = zhost::ToFsPath(newName);
  struct stat st;
  if (::lstat(to.c_str(), &st) == 0) {
    errno = EACCES;
    return -1;
  }
  return std::rename(zhost::ToFsPath(oldName).c_str(), to.c_str());
}

int _wmkdir(const wchar_t* path) { return path ? ::mkdir(zhost::ToFsPath(path).c_str(), 0777) : (errno = EINVAL, -1); }
int _wrmdir(const wchar_t* path) { return path ? ::rmdir(zhost::ToFsPath(path).c_str()) : (errno = EINVAL, -1); }
int _wunlink(const wchar_t* path) { return _wremove(path); }

namespace zhost {

void SetAppDataFolder(const std::wstring& folder) {
  std::lock_guard<std::mutex> lock(gAppDataMutex);
  gAppDataFolder = FromUtf8(WithoutTrailingSlashes(ToFsPath(folder)));
}

std::wstring AppDataFolder() {
  {
    std::lock_guard<std::mutex> lock(gAppDataMutex);
    if (!gAppDataFolder.empty()) return gAppDataFolder;
  }
  std::string folder = EnvOr("APPDATA", "");
  if (folder.empty()) folder = HomeFolder() + "/.local/share/zhost/AppData";
  return FromUtf8(WithoutTrailingSlashes(ToFsPath(FromUtf8(folder))));
}

bool ReadWholeFile(const std::string& fsPath, std::string& bytes, DWORD* error) {
  bytes.clear();
  int fd = ::open(fsPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = WriteError(fsPath, errno);
    return false;
  }
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    if (error) *error = ERROR_ACCESS_DENIED;
    return false;
  }
  char chunk[65536];
  for (;;) {
    ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      if (error) *error = ERROR_READ_FAULT;
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    bytes.append(chunk, static_cast<size_t>(n));
  }
  ::close(fd);
  return true;
}

bool IsReadOnlyFile(const std::string& fsPath) {
  struct stat st;
  return StatPath(fsPath, st) && !(st.st_mode & S_IWUSR);
}

bool WriteFileAtomically(const std::string& fsPath, const std::string& bytes, DWORD* error) {
  auto fail = [&](DWORD code) {
    if (error) *error = code;
    return false;
  };
  std::string target = fsPath;
  char resolved[PATH_MAX];
  struct stat lst;
  if (::lstat(fsPath.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode) && ::realpath(fsPath.c_str(), resolved))
    target = resolved;
  if (target.empty() || target.back() == '/') return fail(ERROR_ACCESS_DENIED);
  struct stat st;
  bool exists = StatPath(target, st);
  if (exists && (S_ISDIR(st.st_mode) || !(st.st_mode & S_IWUSR))) return fail(ERROR_ACCESS_DENIED);
  std::string folder = FolderOf(target);
  if (!IsDirectory(folder)) return fail(ERROR_PATH_NOT_FOUND);

  static std::atomic<unsigned> counter{0};
  std::string base = target.substr(target.find_last_of('/') + 1);
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = folder + "/." + base + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return fail(ErrorFromErrno(errno));
  }
  if (fd < 0) return fail(ERROR_ALREADY_EXISTS);
  bool ok = WriteAll(fd, bytes);
  int writeErrno = errno;
  if (ok && exists) ::fchmod(fd, st.st_mode & 07777);
  if (::close(fd) != 0 && ok) {
    ok = false;
    writeErrno = errno;
  }
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    writeErrno = errno;
  }
  if (ok) return true;
  ::unlink(temp.c_str());
  return fail(ErrorFromErrno(writeErrno));
}

}  // namespace zhost
