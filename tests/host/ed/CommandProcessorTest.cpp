// The command processor: input order (posted input, queued LISP, script), cancelling, prompts,
// directives and the host's messages for lines it cannot use.
#include <gtest/gtest.h>

#include "host/ed/AcEdCommandStack.h"
#include "host/ed/CommandLine.h"
#include "host/ed/Lisp.h"
#include "host/ed/LispInterpreter.h"
#include "host/mfc/Exceptions.h"
#include "host/win/TextConv.h"
#include "tests/host/ed/EdTestSupport.h"

namespace {

using zktest::Contains;
using zktest::RunLines;

std::vector<std::wstring> answers;

// Asks twice and records the answers (or the cancel).
void Ask() {
  for (int i = 0; i < 2; ++i) {
    std::wstring line;
    int rc = zhost::CommandProcessor::instance().getInput(L"\nAnswer: ", line);
    answers.push_back(rc == RTNORM ? line : (rc == RTCAN ? L"<cancel>" : L"<none>"));
    if (rc != RTNORM) return;
  }
}
void PostAndAsk() {
  acedPostCommand(L"posted\n");
  Ask();
}
void PostEscape() { acedPostCommand(L"\x1b\x1b"); Ask(); }
void QueueLisp() { ads_queueexpr(L"(setq queuedvalue 42)"); }
void Greet() { acutPrintf(L"\nHello %s, %d%%", L"world", 5); }

class Processor : public ::testing::Test {
 protected:
  void SetUp() override {
    answers.clear();
    zhost::CommandProcessor::instance().reset();
    stack = acedRegCmds;
    stack->addCommand(L"TEST_PROC", L"T_ASK", L"T_ASK", ACRX_CMD_MODAL, Ask);
    stack->addCommand(L"TEST_PROC", L"T_POSTASK", L"T_POSTASK", ACRX_CMD_MODAL, PostAndAsk);
    stack->addCommand(L"TEST_PROC", L"T_ESC", L"T_ESC", ACRX_CMD_MODAL, PostEscape);
    stack->addCommand(L"TEST_PROC", L"T_QUEUE", L"T_QUEUE", ACRX_CMD_MODAL, QueueLisp);
    stack->addCommand(L"TEST_PROC", L"T_GREET", L"T_GREET", ACRX_CMD_MODAL, Greet);
  }
  void TearDown() override { stack->removeGroup(L"TEST_PROC"); }
  AcEdCommandStack* stack = nullptr;
};

TEST_F(Processor, AnswersComeFromTheScriptAndAreEchoed) {
  std::wstring out = RunLines({L"T_ASK", L"12.5", L"some text"});
  EXPECT_EQ(answers, (std::vector<std::wstring>{L"12.5", L"some text"}));
  EXPECT_TRUE(Contains(out, L"Command: T_ASK\nAnswer: 12.5\nAnswer: some text")) << zhost::ToUtf8(out);
}

TEST_F(Processor, RestOfTheCommandLineIsTheFirstAnswer) {
  RunLines({L"T_ASK /a path/with blanks.dwg", L"second"});
  EXPECT_EQ(answers, (std::vector<std::wstring>{L"/a path/with blanks.dwg", L"second"}));
}

TEST_F(Processor, PostedInputComesBeforeTheNextScriptLine) {
  RunLines({L"T_POSTASK", L"from script"});
  EXPECT_EQ(answers, (std::vector<std::wstring>{L"posted", L"from script"}));
}

TEST_F(Processor, EscapeAndCancelLineCancelThePrompt) {
  RunLines({L"T_ESC", L"T_ASK", L"*cancel*"});
  EXPECT_EQ(answers, (std::vector<std::wstring>{L"<cancel>", L"<cancel>"}));
}

TEST_F(Processor, EndOfInputEndsAPrompt) {
  RunLines({L"T_ASK", L"one"});
  EXPECT_EQ(answers, (std::vector<std::wstring>{L"one", L"<none>"}));
}

TEST_F(Processor, QueuedExpressionRunsBeforeTheNextScriptLine) {
  std::wstring out = RunLines({L"T_QUEUE", L"(princ queuedvalue)"});
  EXPECT_TRUE(Contains(out, L"(princ queuedvalue)\n42")) << zhost::ToUtf8(out);
}

TEST_F(Processor, LispAtAPromptAnswersWithItsValue) {
  RunLines({L"T_ASK", L"(strcat \"ab\" \"cd\")", L"(+ 2 3)"});
  EXPECT_EQ(answers, (std::vector<std::wstring>{L"abcd", L"5"}));
}

TEST_F(Processor, UnusableLinesGetAMessageAndThePromptAgain) {
  std::wstring out = RunLines({L"NOSUCHCMD", L"; a comment", L"%nosuch directive", L"T_GREET"});
  EXPECT_TRUE(Contains(out, L"Command: NOSUCHCMD\nUnknown command \"NOSUCHCMD\"")) << zhost::ToUtf8(out);
  EXPECT_FALSE(Contains(out, L"a comment"));
  EXPECT_TRUE(Contains(out, L"Unknown script directive \"%nosuch\""));
  EXPECT_TRUE(Contains(out, L"Command: T_GREET\nHello world, 5%")) << zhost::ToUtf8(out);
}

TEST_F(Processor, DirectivesComeFromTheirTable) {
  std::vector<std::wstring> seen;
  zhost::CommandProcessor::instance().addDirective(L"probe", [&](const std::wstring& args) { seen.push_back(args); });
  RunLines({L"%probe one two", L"T_ASK", L"%PROBE three", L"x", L"y"});
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"one two", L"three"}));
  EXPECT_EQ(answers, (std::vector<std::wstring>{L"x", L"y"})) << "directives are not answers";
}

TEST_F(Processor, ExceptionInACommandIsCaught) {
  stack->addCommand(L"TEST_PROC", L"T_THROW", L"T_THROW", ACRX_CMD_MODAL, [] { throw new CInvalidArgException; });
  std::wstring out = RunLines({L"T_THROW", L"(+ 1 1)"});
  EXPECT_TRUE(Contains(out, L"The command T_THROW ended with an exception."));
  EXPECT_TRUE(Contains(out, L"\n2")) << "the host goes on";
}

}  // namespace
