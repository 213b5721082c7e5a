// Fixture of the helper tests.
#include "tests/acadobjects/AcadObjectsFixture.h"

#include <vector>

#include "frame/ModuleHandles.h"
#include "host/win/Console.h"
#include "host/win/KeyState.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"

extern "C" const unsigned char zhostResourceScript[];
extern "C" const unsigned long zhostResourceScriptSize;

namespace {

HINSTANCE TestModule() {
  static HINSTANCE module = zhost::RegisterStaticModule(
      zhost::FromUtf8(std::string(ZK_BIN_DIR) + "/acadobjects-test.arx"),
      reinterpret_cast<const char*>(zhostResourceScript), zhostResourceScriptSize);
  return module;
}

}  // namespace

void AcadObjectsFixture::SetUp() {
  SetModuleInstance(TestModule());
  zhost::Console::instance().setQuiet(true);
  zhost::Console::instance().clearTranscript();
  zhost::Console::instance().clearAnswers();
  zhost::ResetKeyState();
}

void AcadObjectsFixture::TearDown() {
  zhost::Console::instance().clearAnswers();
  zhost::ResetKeyState();
}

std::wstring AcadObjectsFixture::Transcript() { return zhost::Console::instance().transcript(); }

void AcadObjectsFixture::Answer(const wchar_t* answer) { zhost::Console::instance().queueAnswer(L"messagebox", answer); }

std::vector<std::wstring> AcadObjectsFixture::BoxTexts() {
  // A box starts with "\n[zenkora] (<icon>) " and its text runs to the end of that line.
  static const std::wstring kStart = L"\n[zenkora] (";
  std::vector<std::wstring> texts;
  const std::wstring transcript = Transcript();
  for (size_t at = transcript.find(kStart); at != std::wstring::npos; at = transcript.find(kStart, at + 1)) {
    const size_t text = transcript.find(L") ", at + kStart.size()) + 2;
    texts.push_back(transcript.substr(text, transcript.find(L'\n', text) - text));
  }
  return texts;
}
