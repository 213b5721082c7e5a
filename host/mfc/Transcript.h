// Lines of the dialog layer in the command-line transcript.
#pragma once

#include <string>

namespace zhost {

// Writes the text as a line of its own (a line break first when the transcript is mid-line).
void TranscriptLine(const std::wstring& text);
// A text in double quotes with \, " and line breaks escaped, as the dialog lines show texts.
std::wstring Quoted(const std::wstring& text);

}  // namespace zhost
