// Conversion between the wide strings of the API and UTF-8 at the file system and terminal.
#pragma once

#include <string>

namespace zhost {

// UTF-8 of a wide string (each wchar_t is one code point; invalid ones become U+FFFD).
std::string ToUtf8(const std::wstring& text);
std::string ToUtf8(const wchar_t* text);

// Wide string of UTF-8 bytes; malformed sequences become U+FFFD, so any byte string decodes.
std::wstring FromUtf8(const std::string& bytes);
std::wstring FromUtf8(const char* bytes, size_t length);

// A module-style path ("C:\dir\file" or "/dir\file") as a path for the file system: every
// backslash becomes a slash.
std::string ToFsPath(const std::wstring& path);
std::string ToFsPath(const wchar_t* path);

}  // namespace zhost
