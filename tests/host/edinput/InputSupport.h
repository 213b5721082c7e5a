// Answering prompts from script lines in the test program: a fixture with one open drawing, and
// a helper that feeds lines to the input functions called directly.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/ap/AcApDocManager.h"
#include "host/ed/CommandProcessor.h"
#include "host/win/Console.h"

namespace zktest {

// Runs fn with lines as the input; returns what was added to the transcript.
inline std::wstring WithAnswers(const std::vector<std::wstring>& lines, const std::function<void()>& fn) {
  zhost::Console& console = zhost::Console::instance();
  size_t before = console.transcript().size();
  zhost::LinesSource source(lines);
  zhost::CommandProcessor& processor = zhost::CommandProcessor::instance();
  processor.setSource(&source);
  fn();
  processor.setSource(nullptr);
  processor.reset();
  return console.transcript().substr(before);
}

class DrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    zhost::CommandProcessor::instance().reset();
    zhost::Console::instance().clearTranscript();
    acDocManagerPtr()->newDocument();
  }
  void TearDown() override { acDocManagerPtr()->shutdown(); }
};

}  // namespace zktest
