// Message boxes, questions and the ESC check, seen through the transcript and queued answers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "acadobjects/Messages.h"
#include "frame/MainPalette.h"
#include "host/ed/CommandLine.h"
#include "host/win/KeyState.h"
#include "host/win/Window.h"
#include "tests/acadobjects/AcadObjectsFixture.h"
#include "tests/support/TempDir.h"
#include "ui/DlgMain.h"

namespace {

using Texts = std::vector<std::wstring>;

class MessagesTest : public AcadObjectsFixture {};

TEST_F(MessagesTest, ShowMessageIsAnInformationBoxWithTheProductCaption) {
  ShowMessage(L"Fertig.");
  EXPECT_EQ(Transcript(), L"\n[zenkora] (information) Fertig.\n[zenkora] ok* -> ok (default)\n");
}

TEST_F(MessagesTest, EmptyTextsShowNothing) {
  ShowMessage(L"");
  ShowMessage(nullptr);
  ShowMessageFormat(L"%s", L"");
  ShowMessageId(59999);  // no such string
  EXPECT_EQ(Transcript(), L"");
}

TEST_F(MessagesTest, FormatsAndResourceTexts) {
  ShowMessageFormat(L"%d Objekte in %s, %.2f mm", 3, L"Zeichnung1", 2.5);
  ShowMessageId(7107);
  EXPECT_EQ(BoxTexts(), (Texts{L"3 Objekte in Zeichnung1, 2.50 mm", L"Wollen Sie die Operation wirklich abbrechen?"}));
}

TEST_F(MessagesTest, FormattedTextsAreCutAtTheLimit) {
  const std::wstring exact(kMessageTextLimit, L'x');
  const std::wstring longer(3 * kMessageTextLimit, L'y');
  ShowMessageFormat(L"%s", exact.c_str());
  ShowMessageFormat(L"%s", (exact + L"z").c_str());
  ShowMessageFormat(L"<%s>", longer.c_str());
  Answer(L"no");
  EXPECT_FALSE(AskYesNoFormat(L"%s?", longer.c_str()));

  const Texts texts = BoxTexts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0], exact);
  EXPECT_EQ(texts[1], exact);
  EXPECT_EQ(texts[2], L"<" + longer.substr(0, kMessageTextLimit - 1));
  EXPECT_EQ(texts[3], longer.substr(0, kMessageTextLimit));
}

TEST_F(MessagesTest, QuestionsTakeTheQueuedAnswer) {
  Answer(L"yes");
  EXPECT_TRUE(AskYesNo(L"Weiter?"));
  Answer(L"no");
  EXPECT_FALSE(AskYesNoFormat(L"Datei %s l\u00f6schen?", L"a.dwg"));
  EXPECT_TRUE(AskYesNo(L"Ohne Antwort?"));  // Yes is the default button
  Answer(L"cancel");                        // not a button of a Yes/No box
  EXPECT_TRUE(AskYesNo(L"Abbrechen?"));

  EXPECT_EQ(BoxTexts(), (Texts{L"Weiter?", L"Datei a.dwg l\u00f6schen?", L"Ohne Antwort?", L"Abbrechen?"}));
  const std::wstring transcript = Transcript();
  EXPECT_NE(transcript.find(L"[zenkora] (question) Weiter?\n[zenkora] yes*/no -> yes\n"), std::wstring::npos);
  EXPECT_NE(transcript.find(L"[zenkora] yes*/no -> no\n"), std::wstring::npos);
  EXPECT_NE(transcript.find(L"answer \"cancel\" refused"), std::wstring::npos);
}

TEST_F(MessagesTest, ConfirmOverwriteAsksOnlyForExistingFiles) {
  const std::wstring missing = dir.wpath() + L"/missing.dwg";
  EXPECT_TRUE(ConfirmOverwrite(missing.c_str()));
  EXPECT_TRUE(ConfirmOverwrite(L""));
  EXPECT_EQ(Transcript(), L"");

  zktest::WriteFileBytes(dir.file("plan 100%.dwg"), "data");
  const std::wstring existing = dir.wpath() + L"/plan 100%.dwg";
  Answer(L"no");
  EXPECT_FALSE(ConfirmOverwrite(existing.c_str()));
  Answer(L"yes");
  EXPECT_TRUE(ConfirmOverwrite(existing.c_str()));
  const std::wstring question = L"Datei '" + existing + L"' \u00fcberschreiben?";
  EXPECT_EQ(BoxTexts(), (Texts{question, question}));
}

TEST_F(MessagesTest, EscapeIsSeenWhileHeldAndOnceAfterAStroke) {
  EXPECT_FALSE(IsEscapePressed());

  zhost::PressKey(VK_ESCAPE);
  EXPECT_TRUE(IsEscapePressed());
  EXPECT_FALSE(IsEscapePressed());

  zhost::SetKeyDown(VK_ESCAPE, true);
  EXPECT_TRUE(IsEscapePressed());
  EXPECT_TRUE(IsEscapePressed());
  zhost::SetKeyDown(VK_ESCAPE, false);
  EXPECT_FALSE(IsEscapePressed());

  zhost::PressKey(VK_RETURN);
  EXPECT_FALSE(IsEscapePressed());
}

TEST_F(MessagesTest, AskCancelAsksOnlyAfterEscape) {
  EXPECT_FALSE(AskCancel());
  EXPECT_EQ(Transcript(), L"");

  zhost::PressKey(VK_ESCAPE);
  Answer(L"no");
  EXPECT_FALSE(AskCancel());
  zhost::PressKey(VK_ESCAPE);
  Answer(L"yes");
  EXPECT_TRUE(AskCancel());
  const std::wstring question = L"Wollen Sie die Operation wirklich abbrechen?";
  EXPECT_EQ(BoxTexts(), (Texts{question, question}));
}

TEST_F(MessagesTest, OwnerIsTheMainWindowOrTheActiveWindowWhileThePaletteExists) {
  ASSERT_EQ(dlgMyApp, nullptr);
  EXPECT_EQ(MessageOwner(), adsw_acadMainWnd());

  HWND palette = zhost::CreateHostWindow(L"#32770", L"zenkora", adsw_acadMainWnd(), RECT{10, 10, 200, 300}, true);
  HWND previous = SetActiveWindow(palette);
  CDlgMain dialog;
  dlgMyApp = &dialog;
  EXPECT_EQ(MessageOwner(), palette);
  dlgMyApp = nullptr;
  SetActiveWindow(previous);
  DestroyWindow(palette);
  EXPECT_EQ(MessageOwner(), adsw_acadMainWnd());
}

}  // namespace
