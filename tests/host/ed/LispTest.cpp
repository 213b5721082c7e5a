// The LISP evaluator: values and printing, errors, defun with dynamic binding, and functions
// that applications define through acedDefun and answer through kInvkSubrMsg.
#include <gtest/gtest.h>

#include "host/ed/Lisp.h"
#include "host/ed/LispInterpreter.h"
#include "host/ed/LispReader.h"
#include "host/rx/acrx.h"
#include "host/win/Console.h"
#include "host/win/TextConv.h"
#include "tests/host/ed/EdTestSupport.h"
#include "tests/host/rx/TestApps.h"

namespace {

using zhost::lisp::Interpreter;
using zhost::lisp::Prin1;
using zhost::lisp::ValuePtr;

// The value printed for the text, or "ERROR: ..." with the printed error.
std::wstring Eval(const std::wstring& text) {
  zhost::Console& console = zhost::Console::instance();
  size_t before = console.transcript().size();
  ValuePtr value;
  if (!Interpreter::instance().evalText(text, &value)) return L"ERROR:" + console.transcript().substr(before);
  return Prin1(value);
}

TEST(Lisp, EvaluatesTheSubsetModulesAndScriptsUse) {
  struct {
    const wchar_t* text;
    const wchar_t* want;
  } cases[] = {
      {L"(+ 1 2 3)", L"6"},
      {L"(- 10 4.5)", L"5.5"},
      {L"(- 7)", L"-7"},
      {L"(* 2 3)", L"6"},
      {L"(/ 7 2)", L"3"},
      {L"(/ 7 2.0)", L"3.5"},
      {L"(/ 1.0 3)", L"0.333333"},
      {L"(+ 2147483647 1)", L"-2147483648"},
      {L"(+)", L"0"},
      {L"(= 1 1.0)", L"T"},
      {L"(= \"a\" \"b\")", L"nil"},
      {L"(< 1 2 3)", L"T"},
      {L"(strcat \"Zen\" \"kora\")", L"\"Zenkora\""},
      {L"(strcat)", L"\"\""},
      {L"(list 1 \"a\" 2.5 nil T)", L"(1 \"a\" 2.5 nil T)"},
      {L"'(a b . c)", L"(A B . C)"},
      {L"(quote (1 2))", L"(1 2)"},
      {L"(progn (setq x 5) (setq y (* x 2)) y)", L"10"},
      {L"(if (= 1 2) \"yes\" \"no\")", L"\"no\""},
      {L"(if nil 1)", L"nil"},
      {L"(setq s \"a\\\"b\\\\c\\n\")", L"\"a\\\"b\\\\c\\n\""},
      {L"unboundvariable", L"nil"},
      {L"(cons 1 2)", L"(1 . 2)"},
      {L"(car (cdr '(1 2 3)))", L"2"},
      {L"(strcase \"abc\")", L"\"ABC\""},
      {L"(itoa 42)", L"\"42\""},
      {L"2.0", L"2.0"},
      {L"-0.5", L"-0.5"},
      {L"1e3", L"1000.0"},
      {L"(1+ 1)", L"2"},
      {L"; comment only\n(+ 1 1) ;| block |; (+ 2 2)", L"4"},
  };
  for (const auto& c : cases) EXPECT_EQ(Eval(c.text), c.want) << zhost::ToUtf8(c.text);
}

TEST(Lisp, ParseAndEvaluationErrorsNameTheProblem) {
  struct {
    const wchar_t* text;
    const wchar_t* message;
  } cases[] = {
      {L"(+ 1 2", L"missing \")\""},
      {L"(+ 1 2))", L"extra \")\""},
      {L"(princ \"open", L"unterminated string"},
      {L"'", L"quote (') without an expression"},
      {L"(nosuchfunction 1)", L"; error: no function definition: NOSUCHFUNCTION"},
      {L"(+ 1 \"a\")", L"; error: bad argument type: numberp: \"a\""},
      {L"(/ 1 0)", L"; error: divide by zero"},
      {L"(/ 1.0 0)", L"; error: divide by zero"},
      {L"(setq)", L""},
      {L"(defun f (a) a) (f)", L"; error: too few arguments"},
      {L"(defun f (a) a) (f 1 2)", L"; error: too many arguments"},
      {L"(defun loop () (loop)) (loop)", L"nested too deeply"},
      {L"(1 2)", L"; error: bad function: 1"},
  };
  for (const auto& c : cases) {
    std::wstring got = Eval(c.text);
    if (std::wstring(c.message).empty()) {
      EXPECT_EQ(got, L"nil") << zhost::ToUtf8(c.text);
      continue;
    }
    EXPECT_EQ(got.rfind(L"ERROR:", 0), 0u) << zhost::ToUtf8(c.text);
    EXPECT_TRUE(zktest::Contains(got, c.message)) << zhost::ToUtf8(c.text) << " -> " << zhost::ToUtf8(got);
  }
  EXPECT_TRUE(zktest::Contains(Eval(L"(+ 1"), L"; error: the LISP input cannot be read"));
}

TEST(Lisp, DefunBindsArgumentsAndLocalsDynamically) {
  EXPECT_EQ(Eval(L"(setq a 1 tmp \"outer\")"), L"\"outer\"");
  EXPECT_EQ(Eval(L"(defun add2 (a / tmp) (setq tmp (+ a 2)) tmp)"), L"ADD2");
  EXPECT_EQ(Eval(L"(add2 40)"), L"42");
  EXPECT_EQ(Eval(L"(list a tmp)"), L"(1 \"outer\")") << "arguments and locals are restored";
  EXPECT_EQ(Eval(L"(defun fact (n) (if (< n 2) 1 (* n (fact (- n 1))))) (fact 10)"), L"3628800");
  EXPECT_EQ(Eval(L"(defun c:hello () (princ \"hi\") (princ))"), L"C:HELLO");
  std::wstring out = zktest::RunLines({L"hello"});
  EXPECT_TRUE(zktest::Contains(out, L"Command: hello\nhi")) << zhost::ToUtf8(out);
}

TEST(Lisp, PrincPrin1AndPrintWrite) {
  std::wstring out = zktest::RunLines({L"(progn (princ \"a\\\"b\") (prin1 \"c\") (print 1) (princ))"});
  EXPECT_TRUE(zktest::Contains(out, L"a\"b\"c\"\n1 ")) << zhost::ToUtf8(out);
  EXPECT_FALSE(zktest::Contains(out, L"nil")) << "(princ) prints nothing";
}

// An application that defines two functions per drawing and answers their calls.
enum { kEcho = 1, kFolder = 2, kDirect = 3 };
int DirectFunction() {
  acedRetStr(L"direct");
  return RSRSLT;
}

void AppFunctions(AcRx::AppMsgCode msg, void*) {
  if (msg == AcRx::kLoadDwgMsg) {
    acedDefun(L"test-echo", kEcho);
    acedDefun(L"test-folder", kFolder);
    acedDefun(L"test-direct", kDirect);
    acedRegFunc(DirectFunction, kDirect);
  }
  if (msg != AcRx::kInvkSubrMsg) return;
  if (acedGetFunCode() == kEcho) {
    acedRetList(acedGetArgs());
    return;
  }
  if (acedGetFunCode() == kFolder) acedRetStr(L"C:\\Apps\\");
}

TEST(Lisp, ApplicationFunctionsAreCalledThroughTheirApplication) {
  zktest::TestApp<7>::Register(L"lispapp");
  zktest::TestApp<7>::behaviour().onMessage = AppFunctions;
  zhost::SetDocumentHooks({});
  Interpreter::instance().current().ads.clear();
  zhost::lisp::Environment own;  // a drawing for the linker to send kLoadDwgMsg with
  zhost::DocumentHooks hooks;
  hooks.documents = [&] { return std::vector<void*>{&own}; };
  zhost::SetDocumentHooks(hooks);
  ASSERT_TRUE(zhost::Linker()->loadModule(L"lispapp", false));
  EXPECT_EQ(Eval(L"(test-folder)"), L"\"C:\\\\Apps\\\\\"");
  EXPECT_EQ(Eval(L"(test-echo 1 2.5 \"s\" '(1 2 3) '(a \"b\") nil)"), L"(1 2.5 \"s\" (1.0 2.0 3.0) (\"A\" \"b\") nil)");
  EXPECT_EQ(Eval(L"(test-direct)"), L"\"direct\"") << "acedRegFunc's function is called directly";
  EXPECT_EQ(acedGetFunCode(), RTERROR) << "no call outside a call";
  {
    zhost::AppScope scope(L"lispapp");
    EXPECT_EQ(acedUndef(L"TEST-ECHO", kFolder), RTERROR) << "the code must match";
    EXPECT_EQ(acedUndef(L"TEST-ECHO", kEcho), RTNORM);
  }
  EXPECT_TRUE(zktest::Contains(Eval(L"(test-echo)"), L"no function definition: TEST-ECHO"));
  zhost::Linker()->unloadModule(L"lispapp", false);
  EXPECT_TRUE(zktest::Contains(Eval(L"(test-folder)"), L"no function definition: TEST-FOLDER"))
      << "an unloaded application's functions are gone";
  zhost::SetDocumentHooks({});
}

TEST(LispReader, ReadsNumbersSymbolsAndStrings) {
  auto read = zhost::lisp::Read(L"12 -3 4.5 .5 1+ - abc \"x y\"");
  ASSERT_TRUE(read.ok());
  std::vector<std::wstring> printed;
  for (const auto& e : read.expressions) printed.push_back(Prin1(e));
  EXPECT_EQ(printed, (std::vector<std::wstring>{L"12", L"-3", L"4.5", L"0.5", L"1+", L"-", L"ABC", L"\"x y\""}));
}

}  // namespace
