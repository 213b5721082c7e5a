// An INI file held as its lines: reads by section and key, and edits that keep every line they
// do not change byte for byte (comments, blank lines, garbage, line endings, a UTF-8 BOM).
// The profile functions (Profile.h) are built on it.
#pragma once

#include <string>
#include <vector>

namespace zhost {

class IniDocument {
 public:
  // Any bytes parse: lines are split at "\n" ("\r\n" kept as the line's ending), a line is read
  // up to its first NUL byte, and malformed UTF-8 decodes to U+FFFD.
  explicit IniDocument(const std::string& bytes);

  std::string bytes() const;

  // Section and key names compare case-insensitively after trimming blanks. When a section
  // appears twice, the first one counts; lines before the first section belong to none.
  bool hasSection(const std::wstring& section) const;
  // The value, trimmed of blanks; a matching pair of surrounding quotes is removed when asked.
  bool findValue(const std::wstring& section, const std::wstring& key, std::wstring& value,
                 bool stripQuotes = true) const;
  std::vector<std::wstring> sectionNames() const;                   // each name once
  std::vector<std::wstring> keyNames(const std::wstring& section) const;  // each key once
  // The lines of the section as "key=value" (trimmed, quotes kept) and other non-comment lines.
  std::vector<std::wstring> sectionEntries(const std::wstring& section) const;

  // Replaces the first line of the key in the section, or adds the key after the section's
  // last key line, or appends the section at the end of the file.
  void setValue(const std::wstring& section, const std::wstring& key, const std::wstring& value);
  // Removes every line of the key in the section.
  void deleteKey(const std::wstring& section, const std::wstring& key);
  // Removes every section of that name with all its lines.
  void deleteSection(const std::wstring& section);
  // The section's lines become `entries` (appended as a new section when it is missing).
  void replaceSection(const std::wstring& section, const std::vector<std::wstring>& entries);

 private:
  enum class Kind { Other, Comment, Section, Key };
  struct Line {
    std::string text;    // the line without its ending (BOM removed from the first line)
    std::string ending;  // "\r\n", "\n" or "" for a last line without one
    Kind kind = Kind::Other;
    std::wstring name;   // section name or key, trimmed
    std::wstring value;  // key value, trimmed; the whole trimmed line for Other
    size_t valueStart = 0;  // offset in text where the value begins (after "=" and blanks)
  };

  static Line parseLine(std::string text, std::string ending);
  Line makeLine(const std::string& utf8) const;
  // Index of the header of the first section of that name, or npos.
  size_t findSection(const std::wstring& section) const;
  // One past the last line of the section whose header is at `header`.
  size_t sectionEnd(size_t header) const;
  void ensureEnding(size_t index);

  std::string bom_;
  std::string newline_ = "\r\n";
  std::vector<Line> lines_;
};

}  // namespace zhost
