// The dynamic linker with applications linked into the test: message order, locks, services,
// MDI awareness, API versions, reactors, and the real modules of the build.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/rx/acrx.h"
#include "host/mfc/Exceptions.h"
#include "host/win/Console.h"
#include "host/win/TextConv.h"
#include "tests/host/rx/TestApps.h"

namespace {

using zktest::MessageLog;
using zktest::TestApp;
using Log = std::vector<std::wstring>;

// Two drawings the linker sees through its hooks, as the document layer would show them.
struct FakeDoc {
  std::wstring title;
};

class Linker : public ::testing::Test {
 protected:
  void SetUp() override {
    docs_ = {{L"D1"}, {L"D2"}};
    current_ = &docs_[0];
    zhost::DocumentHooks hooks;
    hooks.documents = [this] {
      std::vector<void*> all;
      for (size_t i = 0; i < docCount_; ++i) all.push_back(&docs_[i]);
      return all;
    };
    hooks.current = [this]() -> void* { return current_; };
    hooks.makeCurrent = [this](void* d) { current_ = static_cast<FakeDoc*>(d); };
    zhost::SetDocumentHooks(hooks);
    zktest::DocLabel() = [this](void* pkt) {
      // The drawing passed and the one current while the message runs must agree.
      std::wstring label = static_cast<FakeDoc*>(pkt)->title;
      return pkt == current_ ? label : label + L"(not current)";
    };
    MessageLog().clear();
    zhost::Console::instance().clearTranscript();
    TestApp<1>::Register(L"alpha");
    TestApp<2>::Register(L"beta");
  }
  void TearDown() override {
    linker()->quitAll();
    zhost::SetDocumentHooks({});
    zktest::DocLabel() = nullptr;
  }
  AcRxDynamicLinker* linker() { return zhost::Linker(); }
  std::wstring transcript() { return zhost::Console::instance().transcript(); }

  std::vector<FakeDoc> docs_;
  size_t docCount_ = 1;
  FakeDoc* current_ = nullptr;
};

TEST_F(Linker, MessageOrderForLoadUnloadAndQuit) {
  docCount_ = 2;
  current_ = &docs_[1];
  struct Step {
    const char* what;
    std::function<void()> act;
    Log expected;
  } steps[] = {
      {"load alpha", [&] { EXPECT_TRUE(linker()->loadModule(L"alpha", false)); },
       {L"alpha:init", L"alpha:loadDwg D1", L"alpha:loadDwg D2"}},
      {"load beta", [&] { EXPECT_TRUE(linker()->loadModule(L"BETA", false)); },
       {L"beta:init", L"beta:loadDwg D1", L"beta:loadDwg D2"}},
      {"unload alpha", [&] { EXPECT_TRUE(linker()->unloadModule(L"alpha", false)); },
       {L"alpha:unloadDwg D1", L"alpha:unloadDwg D2", L"alpha:unloadApp"}},
      {"second unload", [&] { EXPECT_FALSE(linker()->unloadModule(L"alpha", false)); }, {}},
      {"reload alpha", [&] { EXPECT_TRUE(linker()->loadModule(L"alpha", false)); },
       {L"alpha:init", L"alpha:loadDwg D1", L"alpha:loadDwg D2"}},
      {"quit", [&] { linker()->quitAll(); },
       {L"alpha:quit", L"beta:quit", L"alpha:end", L"beta:end", L"alpha:unloadApp", L"beta:unloadApp"}},
  };
  for (auto& step : steps) {
    MessageLog().clear();
    step.act();
    EXPECT_EQ(MessageLog(), step.expected) << step.what;
  }
  EXPECT_EQ(current_, &docs_[1]) << "the current drawing is restored";
  EXPECT_NE(transcript().find(L"\"alpha\" is not loaded"), std::wstring::npos);
  EXPECT_TRUE(linker()->loadedApps().empty());
}

TEST_F(Linker, LockedApplicationRefusesToUnload) {
  TestApp<1>::behaviour().unlock = false;
  ASSERT_TRUE(linker()->loadModule(L"alpha", false));
  EXPECT_TRUE(acrxApplicationIsLocked(L"alpha"));
  MessageLog().clear();
  EXPECT_FALSE(linker()->unloadModule(L"alpha", false));
  EXPECT_TRUE(MessageLog().empty()) << "a locked application gets no message";
  EXPECT_NE(transcript().find(L"Cannot unload \"alpha\": the application is locked"), std::wstring::npos);
  EXPECT_TRUE(linker()->isAppLoaded(L"alpha"));
}

TEST_F(Linker, ServiceWithDependenciesKeepsItsApplication) {
  TestApp<1>::behaviour().onMessage = [](AcRx::AppMsgCode msg, void*) {
    if (msg == AcRx::kInitAppMsg) acrxRegisterService(L"AlphaService");
  };
  ASSERT_TRUE(linker()->loadModule(L"alpha", false));
  AcRxService* service = AcRxService::cast(acrxServiceDictionary->at(L"AlphaService"));
  ASSERT_TRUE(service);
  EXPECT_EQ(service->ownerApp(), L"alpha");
  service->addDependency();
  EXPECT_FALSE(linker()->unloadModule(L"alpha", false));
  EXPECT_NE(transcript().find(L"depend on its service \"AlphaService\""), std::wstring::npos);
  service->removeDependency();
  EXPECT_TRUE(linker()->unloadModule(L"alpha", false));
  EXPECT_FALSE(acrxServiceIsRegistered(L"AlphaService")) << "the host's service object goes with its application";
}

TEST_F(Linker, RefusesOtherApiVersionsAndFailedInit) {
  TestApp<1>::behaviour().apiVersion = 0x140000;
  EXPECT_FALSE(linker()->loadModule(L"alpha", false));
  EXPECT_NE(transcript().find(L"built for API version 20.0"), std::wstring::npos);
  TestApp<1>::behaviour().apiVersion = 0x150001;
  TestApp<1>::behaviour().initResult = AcRx::kRetError;
  MessageLog().clear();
  EXPECT_FALSE(linker()->loadModule(L"alpha", false));
  EXPECT_EQ(MessageLog(), Log{L"alpha:init"});
  EXPECT_FALSE(linker()->isAppLoaded(L"alpha"));
}

TEST_F(Linker, NotMdiAwareApplicationMakesTheHostSingleDrawing) {
  TestApp<1>::behaviour().mdiAware = false;
  ASSERT_TRUE(linker()->loadModule(L"alpha", false));
  EXPECT_TRUE(linker()->anyNotMdiAware());
  EXPECT_TRUE(linker()->unloadModule(L"alpha", false));
  EXPECT_FALSE(linker()->anyNotMdiAware());

  docCount_ = 2;
  MessageLog().clear();
  EXPECT_FALSE(linker()->loadModule(L"alpha", false)) << "refused while several drawings are open";
  EXPECT_EQ(MessageLog(), (Log{L"alpha:init", L"alpha:unloadApp"}));
  EXPECT_NE(transcript().find(L"not MDI-aware"), std::wstring::npos);
}

struct RecordingReactor : AcRxDLinkerReactor {
  Log events;
  void rxAppWillBeLoaded(const ACHAR* n) override { events.push_back(L"willLoad " + std::wstring(n)); }
  void rxAppLoaded(const ACHAR* n) override { events.push_back(L"loaded " + std::wstring(n)); }
  void rxAppLoadAborted(const ACHAR* n) override { events.push_back(L"aborted " + std::wstring(n)); }
  void rxAppWillBeUnloaded(const ACHAR* n) override { events.push_back(L"willUnload " + std::wstring(n)); }
  void rxAppUnloaded(const ACHAR* n) override { events.push_back(L"unloaded " + std::wstring(n)); }
};

TEST_F(Linker, ReactorsHearEveryLoadAndUnload) {
  RecordingReactor reactor;
  linker()->addReactor(&reactor);
  linker()->addReactor(&reactor);  // once only
  TestApp<2>::behaviour().apiVersion = 0x100000;
  linker()->loadModule(L"alpha", false);
  linker()->loadModule(L"beta", false);
  linker()->unloadModule(L"alpha", false);
  linker()->removeReactor(&reactor);
  linker()->quitAll();
  EXPECT_EQ(reactor.events, (Log{L"willLoad alpha", L"loaded alpha", L"willLoad beta", L"aborted beta",
                                 L"willUnload alpha", L"unloaded alpha"}));
}

TEST_F(Linker, ExceptionInAnEntryPointIsCaught) {
  TestApp<1>::behaviour().onMessage = [](AcRx::AppMsgCode msg, void*) {
    if (msg == AcRx::kLoadDwgMsg) throw new CInvalidArgException;
  };
  EXPECT_TRUE(linker()->loadModule(L"alpha", false));
  EXPECT_NE(transcript().find(L"Application \"alpha\" failed on message 3"), std::wstring::npos);
}

TEST_F(Linker, MissingModuleFileIsReported) {
  EXPECT_FALSE(linker()->loadModule(L"/nonexistent/folder/Nothing.arx", false));
  EXPECT_NE(transcript().find(L"Cannot load \"/nonexistent/folder/Nothing.arx\""), std::wstring::npos);
}

// The real loader module of the build: loaded through the module layer, answers the API
// version, unlocks itself and unloads again.
TEST_F(Linker, RealPellbarModuleLoadsAndUnloads) {
  std::wstring path = L"" ZK_BIN_DIR "/Pellbar.arx";
  RecordingReactor reactor;
  linker()->addReactor(&reactor);
  ASSERT_TRUE(linker()->loadModule(path.c_str(), false)) << zhost::ToUtf8(transcript());
  EXPECT_TRUE(linker()->isAppLoaded(L"Pellbar.arx"));
  EXPECT_FALSE(acrxApplicationIsLocked(L"Pellbar.arx"));
  EXPECT_FALSE(linker()->anyNotMdiAware());
  EXPECT_TRUE(linker()->unloadModule(L"pellbar", false));
  linker()->removeReactor(&reactor);
  EXPECT_EQ(reactor.events, (Log{L"willLoad Pellbar.arx", L"loaded Pellbar.arx", L"willUnload Pellbar.arx",
                                 L"unloaded Pellbar.arx"}));
}

}  // namespace
