// Message boxes in the transcript: queued answers, defaults, refused answers, and the wait
// cursor's nesting.
#include <gtest/gtest.h>

#include "host/mfc/MessageBox.h"
#include "host/mfc/WaitCursor.h"
#include "host/win/Console.h"

namespace {

class MessageBoxes : public ::testing::Test {
 protected:
  void SetUp() override {
    console.setQuiet(true);
    console.clearTranscript();
    console.clearAnswers();
  }
  void TearDown() override { console.clearAnswers(); }
  zhost::Console& console = zhost::Console::instance();
};

TEST_F(MessageBoxes, QueuedAnswerIsTakenAndWritten) {
  console.queueAnswer(L"messagebox", L" No ");
  EXPECT_EQ(MessageBoxW(nullptr, L"Delete?", L"zenkora", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(console.transcript(), L"\n[zenkora] (question) Delete?\n[zenkora] yes*/no -> no\n");
}

TEST_F(MessageBoxes, DefaultButtonWithoutAnswer) {
  struct Case {
    UINT type;
    int want;
  } cases[] = {{MB_OK, IDOK},
               {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
               {MB_RETRYCANCEL, IDRETRY},
               {MB_YESNO | MB_DEFBUTTON3, IDYES},  // no third button: the first
               {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
               {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY}};
  for (const auto& c : cases) EXPECT_EQ(MessageBoxW(nullptr, L"t", L"c", c.type), c.want) << c.type;
  console.clearTranscript();
  MessageBoxW(nullptr, L"Saved.", L"zenkora", MB_OKCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON2);
  EXPECT_EQ(console.transcript(), L"\n[zenkora] (information) Saved.\n[zenkora] ok/cancel* -> cancel (default)\n");
}

TEST_F(MessageBoxes, AnswerThatDoesNotFitIsRefused) {
  console.queueAnswer(L"messagebox", L"retry");
  console.queueAnswer(L"messagebox", L"cancel");
  EXPECT_EQ(MessageBoxW(nullptr, L"Go on?", L"zenkora", MB_OKCANCEL | MB_ICONWARNING), IDOK);
  EXPECT_EQ(console.transcript(),
            L"\n[zenkora] (warning) Go on?\n[zenkora] answer \"retry\" refused: not one of ok*/cancel\n"
            L"[zenkora] ok*/cancel -> ok (default)\n");
  EXPECT_EQ(MessageBoxW(nullptr, L"Again?", L"zenkora", MB_OKCANCEL), IDCANCEL);  // the next answer
}

TEST_F(MessageBoxes, AfxForms) {
  EXPECT_EQ(AfxMessageBox(L"Hello", MB_ICONERROR), IDOK);
  EXPECT_EQ(console.transcript(), L"\n[zhost] (error) Hello\n[zhost] ok* -> ok (default)\n");
  console.clearTranscript();
  AfxMessageBox(4242u);
  EXPECT_NE(console.transcript().find(L"(missing string resource 4242)"), std::wstring::npos);
  console.clearTranscript();
  MessageBoxW(nullptr, nullptr, nullptr, MB_OK);
  EXPECT_EQ(console.transcript().substr(0, 15), L"\n[Error] (none)");
}

TEST(WaitCursor, CountsNesting) {
  int before = zhost::WaitCursorDepth();
  {
    CWaitCursor outer;
    CWaitCursor inner;
    EXPECT_EQ(zhost::WaitCursorDepth(), before + 2);
  }
  EXPECT_EQ(zhost::WaitCursorDepth(), before);
  if (before == 0) {
    zhost::EndWaitCursor();  // an unmatched end does not go below zero
    EXPECT_EQ(zhost::WaitCursorDepth(), 0);
  }
}

}  // namespace
