// Fixture of the helper tests that show boxes or load strings: the module registered with its
// German resources, an empty transcript, no queued answers, every key up and a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TempDir.h"

class AcadObjectsFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static std::wstring Transcript();
  // Queues the answer for the next message box.
  static void Answer(const wchar_t* answer);
  // The text of every message box in the transcript, in order.
  static std::vector<std::wstring> BoxTexts();

  zktest::TempDir dir;
};
