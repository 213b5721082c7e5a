// Test helpers on the bytes of drawing files: patching a file behind a valid frame (so a test
// reaches the checks behind the checksum) and finding its sections.
#pragma once

#include <cstddef>
#include <string>

namespace zktest {

inline const unsigned char* Bytes(const std::string& s) { return reinterpret_cast<const unsigned char*>(s.data()); }

// Sets the length fields and the checksum to match the bytes (a file at least as long as its
// header and trailer; shorter ones are left alone).
void FixDrawingFrame(std::string& bytes);
// The offset of the body of the section with the tag ("HEAD", "CLAS", "OBJS").
size_t SectionBody(const std::string& bytes, const char* tag);

}  // namespace zktest
