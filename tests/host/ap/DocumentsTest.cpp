// Documents with applications: the host's message order for start, NEW, CLOSE, unload and
// quit; single-drawing mode forced by an application that is not MDI-aware; per-drawing LISP;
// vl-load-all into open and later drawings.
#include <gtest/gtest.h>

#include <memory>

#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/DwgFile.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/Lisp.h"
#include "host/ed/LispInterpreter.h"
#include "host/rx/acrx.h"
#include "host/win/Console.h"
#include "host/win/TextConv.h"
#include "tests/host/ed/EdTestSupport.h"
#include "tests/host/rx/TestApps.h"
#include "tests/support/TempDir.h"

namespace {

using zktest::Contains;
using zktest::MessageLog;
using zktest::RunLines;
using zktest::TestApp;
using Log = std::vector<std::wstring>;

class Documents : public ::testing::Test {
 protected:
  void SetUp() override {
    zhost::CommandProcessor::instance().reset();
    zhost::Console::instance().clearTranscript();
    docs = acDocManagerPtr();
    docs->newDocument();
    zktest::DocLabel() = [this](void* pkt) {
      auto* doc = static_cast<AcApDocument*>(pkt);
      std::wstring label = doc->docTitle();
      return doc == docs->curDocument() ? label : label + L"(not current)";
    };
    TestApp<1>::Register(L"alpha");
    TestApp<2>::Register(L"beta");
    MessageLog().clear();
  }
  void TearDown() override {
    docs->shutdown();
    zktest::DocLabel() = nullptr;
  }
  std::wstring title() { return docs->curDocument()->docTitle(); }
  AcApDocManager* docs = nullptr;
};

TEST_F(Documents, MessageOrderOfTheHost) {
  struct Step {
    const char* what;
    std::function<void()> act;
    Log expected;
  } steps[] = {
      {"start", [] { zhost::Linker()->loadModule(L"alpha", false); zhost::Linker()->loadModule(L"beta", false); },
       {L"alpha:init", L"alpha:loadDwg Drawing1.dwg", L"beta:init", L"beta:loadDwg Drawing1.dwg"}},
      {"NEW", [] { RunLines({L"NEW"}); }, {L"alpha:loadDwg Drawing2.dwg", L"beta:loadDwg Drawing2.dwg"}},
      {"CLOSE", [] { RunLines({L"_close"}); }, {L"alpha:unloadDwg Drawing2.dwg", L"beta:unloadDwg Drawing2.dwg"}},
      {"NEW again", [] { RunLines({L"new"}); }, {L"alpha:loadDwg Drawing3.dwg", L"beta:loadDwg Drawing3.dwg"}},
      {"unload", [] { RunLines({L"(arxunload \"alpha\")"}); },
       {L"alpha:unloadDwg Drawing1.dwg", L"alpha:unloadDwg Drawing3.dwg", L"alpha:unloadApp"}},
      {"second unload", [] { RunLines({L"(arxunload \"alpha\" nil)"}); }, {}},
      {"quit", [this] { docs->shutdown(); },
       {L"beta:unloadDwg Drawing1.dwg", L"beta:unloadDwg Drawing3.dwg", L"beta:quit", L"beta:end",
        L"beta:unloadApp"}},
  };
  for (auto& step : steps) {
    MessageLog().clear();
    step.act();
    EXPECT_EQ(MessageLog(), step.expected) << step.what;
  }
  EXPECT_EQ(docs->documentCount(), 0);
}

TEST_F(Documents, NewOpenCloseKeepTheCurrentDrawing) {
  EXPECT_EQ(title(), L"Drawing1.dwg");
  RunLines({L"NEW", L"NEW"});
  EXPECT_EQ(docs->documentCount(), 3);
  EXPECT_EQ(title(), L"Drawing3.dwg");
  EXPECT_EQ(docs->mdiActiveDocument(), docs->curDocument());
  std::wstring out = RunLines({L"OPEN", L"/no/such/file.dwg"});
  EXPECT_TRUE(Contains(out, L"Cannot open \"/no/such/file.dwg\": the file does not exist.")) << zhost::ToUtf8(out);
  EXPECT_EQ(docs->documentCount(), 3);

  zktest::TempDir dir;
  {
    AcDbDatabase drawing(true, true);
    std::wstring error;
    ASSERT_EQ(zhost::WriteDrawingFile(&drawing, zhost::FromUtf8(dir.file("plan.dwg")), error), Acad::eOk) << zhost::ToUtf8(error);
  }
  RunLines({L"OPEN " + zhost::FromUtf8(dir.file("plan.dwg"))});
  EXPECT_EQ(title(), L"plan.dwg");
  EXPECT_TRUE(Contains(docs->curDocument()->fileName(), L"/plan.dwg"));
  RunLines({L"CLOSE", L"CLOSE", L"CLOSE"});
  EXPECT_EQ(docs->documentCount(), 1);
  out = RunLines({L"CLOSE"});
  EXPECT_TRUE(Contains(out, L"The last open drawing stays open")) << zhost::ToUtf8(out);
  EXPECT_EQ(docs->documentCount(), 1);
  std::unique_ptr<AcApDocumentIterator> it(docs->newAcApDocumentIterator());
  ASSERT_FALSE(it->done());
  EXPECT_EQ(it->document(), curDoc());
  EXPECT_EQ(docs->document(curDoc()->database()), curDoc());
}

TEST_F(Documents, ApplicationThatIsNotMdiAwareForcesSingleDrawing) {
  TestApp<1>::behaviour().mdiAware = false;
  ASSERT_TRUE(zhost::Linker()->loadModule(L"alpha", false));
  std::wstring out = RunLines({L"(getvar \"SDI\")"});
  EXPECT_TRUE(Contains(out, L"\n2")) << zhost::ToUtf8(out);
  MessageLog().clear();
  RunLines({L"NEW"});
  EXPECT_EQ(docs->documentCount(), 1) << "NEW replaces the drawing";
  EXPECT_EQ(title(), L"Drawing2.dwg");
  EXPECT_EQ(MessageLog(), (Log{L"alpha:unloadDwg Drawing1.dwg", L"alpha:loadDwg Drawing2.dwg"}));
  ASSERT_TRUE(zhost::Linker()->unloadModule(L"alpha", false));
  RunLines({L"NEW"});
  EXPECT_EQ(docs->documentCount(), 2) << "back to several drawings";
}

TEST_F(Documents, DocumentLocksNest) {
  AcApDocument* doc = curDoc();
  EXPECT_EQ(doc->myLockMode(), AcAp::kNotLocked);
  EXPECT_EQ(docs->lockDocument(doc), Acad::eOk);
  EXPECT_EQ(docs->lockDocument(doc, AcAp::kRead), Acad::eOk);
  EXPECT_EQ(doc->lockMode(), AcAp::kRead);
  EXPECT_EQ(docs->unlockDocument(doc), Acad::eOk);
  EXPECT_EQ(doc->lockMode(), AcAp::kWrite);
  EXPECT_EQ(docs->unlockDocument(doc), Acad::eOk);
  EXPECT_EQ(docs->unlockDocument(doc), Acad::eNotLocked);
  EXPECT_EQ(docs->setCurDocument(nullptr), Acad::eInvalidInput);
}

TEST_F(Documents, EachDrawingHasItsOwnLisp) {
  RunLines({L"(setq shared 1)", L"(defun onlyhere () \"one\")"});
  AcApDocument* first = curDoc();
  std::wstring out = RunLines({L"NEW", L"(list shared)", L"(onlyhere)"});
  EXPECT_TRUE(Contains(out, L"(list shared)\n(nil)")) << zhost::ToUtf8(out);
  EXPECT_TRUE(Contains(out, L"no function definition: ONLYHERE"));
  docs->activateDocument(first);
  out = RunLines({L"(onlyhere)"});
  EXPECT_TRUE(Contains(out, L"\"one\""));
}

TEST_F(Documents, QueuedExpressionRunsInItsDrawing) {
  TestApp<1>::behaviour().onMessage = [](AcRx::AppMsgCode msg, void*) {
    if (msg == AcRx::kLoadDwgMsg) ads_queueexpr(L"(setq seen (getvar \"DWGNAME\"))");
  };
  zhost::Linker()->loadModule(L"alpha", false);
  std::wstring out = RunLines({L"(princ seen)"});
  EXPECT_TRUE(Contains(out, L"(princ seen)\nDrawing1.dwg")) << zhost::ToUtf8(out);
}

TEST_F(Documents, VlLoadAllReachesOpenAndLaterDrawings) {
  zktest::TempDir dir;
  zktest::WriteFileBytes(dir.file("app.lsp"), "; loaded into every drawing\n(setq stamp (getvar \"DWGNAME\"))\n");
  zktest::WriteFileBytes(dir.file("compiled.fas"), "binary");
  std::wstring base = zhost::FromUtf8(dir.file("app"));
  RunLines({L"NEW"});
  std::wstring out = RunLines({L"(vl-load-all \"" + base + L"\")"});
  EXPECT_FALSE(Contains(out, L"error")) << zhost::ToUtf8(out);
  std::vector<std::wstring> stamps;
  auto stampOf = [&] {
    zhost::lisp::ValuePtr v;
    zhost::lisp::Interpreter::instance().evalText(L"stamp", &v);
    return zhost::lisp::Princ(v);
  };
  std::unique_ptr<AcApDocumentIterator> it(docs->newAcApDocumentIterator());
  for (; !it->done(); it->step()) {
    docs->setCurDocument(it->document());
    stamps.push_back(stampOf());
  }
  EXPECT_EQ(stamps, (std::vector<std::wstring>{L"Drawing1.dwg", L"Drawing2.dwg"}));
  RunLines({L"NEW"});
  EXPECT_EQ(stampOf(), L"Drawing3.dwg") << "a drawing opened later loads it too";

  out = RunLines({L"(vl-load-all \"" + zhost::FromUtf8(dir.file("compiled")) + L"\")"});
  EXPECT_TRUE(Contains(out, L"cannot load compiled LISP")) << zhost::ToUtf8(out);
  out = RunLines({L"(vl-load-all \"" + zhost::FromUtf8(dir.file("missing")) + L"\")"});
  EXPECT_TRUE(Contains(out, L"; error: LOAD failed:")) << zhost::ToUtf8(out);
}

}  // namespace
