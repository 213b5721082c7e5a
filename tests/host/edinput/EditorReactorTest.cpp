// Editor reactors: the order of the notifications for a command that completes, one that is
// cancelled at a prompt, one that fails, a LISP expression, and removal while notifying.
#include <string>
#include <vector>

#include "host/ed/CommandProcessor.h"
#include "host/ed/EditorReactor.h"
#include "host/ed/UserInput.h"
#include "host/rx/AcRxDictionary.h"
#include "tests/host/ed/EdTestSupport.h"
#include "tests/host/edinput/InputSupport.h"

namespace {

using Log = std::vector<std::wstring>;

class Recorder : public AcEditorReactor {
 public:
  void commandWillStart(const ACHAR* c) override { log.push_back(L"willStart " + std::wstring(c)); }
  void commandEnded(const ACHAR* c) override { log.push_back(L"ended " + std::wstring(c)); }
  void commandCancelled(const ACHAR* c) override { log.push_back(L"cancelled " + std::wstring(c)); }
  void commandFailed(const ACHAR* c) override { log.push_back(L"failed " + std::wstring(c)); }
  void lispWillStart(const ACHAR* l) override { log.push_back(L"lispWillStart " + std::wstring(l)); }
  void lispEnded() override { log.push_back(L"lispEnded"); }
  void lispCancelled() override { log.push_back(L"lispCancelled"); }
  void unknownCommand(const ACHAR* c, AcDbVoidPtrArray*) override { log.push_back(L"unknown " + std::wstring(c)); }
  Log log;
};

class EditorReactors : public zktest::DrawingTest {
 protected:
  void SetUp() override {
    zktest::DrawingTest::SetUp();
    zhost::CommandProcessor& cp = zhost::CommandProcessor::instance();
    cp.addBuiltin(L"ZKDONE", [] {
      ads_point p;
      acedGetPoint(nullptr, L"Point: ", p);
    });
    cp.addBuiltin(L"ZKTHROWS", [] { throw 42; });
    cp.addBuiltin(L"ZKREPORTS", [] { zhost::CommandProcessor::instance().failCommand(); });
    acedEditor->addReactor(&recorder);
  }
  void TearDown() override {
    acedEditor->removeReactor(&recorder);
    zktest::DrawingTest::TearDown();
  }
  Recorder recorder;
};

TEST_F(EditorReactors, OrderForEachWayACommandEnds) {
  struct Row {
    std::vector<std::wstring> lines;
    Log expected;
  } rows[] = {
      {{L"ZKDONE", L"1,1"}, {L"willStart ZKDONE", L"ended ZKDONE"}},
      {{L"zkdone", L"*cancel*"}, {L"willStart ZKDONE", L"cancelled ZKDONE"}},
      {{L"_ZKTHROWS"}, {L"willStart ZKTHROWS", L"failed ZKTHROWS"}},
      {{L"ZKREPORTS"}, {L"willStart ZKREPORTS", L"failed ZKREPORTS"}},
      {{L"(+ 1 2)"}, {L"lispWillStart (+ 1 2)", L"lispEnded"}},
      {{L"zknothing"}, {L"unknown ZKNOTHING"}},
      {{L"ZKDONE 2,2", L"ZKDONE", L"*cancel*"},
       {L"willStart ZKDONE", L"ended ZKDONE", L"willStart ZKDONE", L"cancelled ZKDONE"}},
  };
  for (Row& row : rows) {
    recorder.log.clear();
    zktest::RunLines(row.lines);
    EXPECT_EQ(recorder.log, row.expected) << row.lines[0].c_str();
  }
}

TEST_F(EditorReactors, TheEditorIsInTheSystemRegistryAndReactorsMayLeaveWhileNotified) {
  EXPECT_EQ(AcEditor::cast(acrxSysRegistry()->at(ACRX_EDITOR)), acedEditor);
  struct Leaver : public AcEditorReactor {
    void commandWillStart(const ACHAR*) override {
      ++calls;
      acedEditor->removeReactor(this);
    }
    int calls = 0;
  } leaver;
  acedEditor->addReactor(&leaver);
  acedEditor->addReactor(&leaver);
  zktest::RunLines({L"ZKDONE", L"1,1", L"ZKDONE", L"1,1"});
  EXPECT_EQ(leaver.calls, 1);
  EXPECT_EQ(recorder.log.size(), 4u);
}

TEST_F(EditorReactors, ADeletedReactorIsNotNotified) {
  Recorder* gone = new Recorder();
  acedEditor->addReactor(gone);
  delete gone;
  EXPECT_FALSE(acedEditor->hasReactor(gone));
  zktest::RunLines({L"ZKDONE", L"1,1"});
  EXPECT_EQ(recorder.log.size(), 2u);
}

}  // namespace
