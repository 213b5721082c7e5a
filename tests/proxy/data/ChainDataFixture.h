// Fixture of the chain data tests: a fresh application-data folder, the option object loaded
// with its defaults and made the module's global, the chain class registered; and helpers that
// build chains with every member filled and compare two chains member by member.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include <string>

#include "host/db/MemoryFiler.h"
#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"
#include "tests/support/ModuleTestEnvironment.h"
#include "tests/support/TempDir.h"

class ChainDataFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  std::wstring Transcript() const;
  // Drops the option object (as while the module unloads).
  void DropOptions();

  zktest::TempDir dir;
  CGlobDimOptions* options = nullptr;

 private:
  std::unique_ptr<zktest::ModuleTestEnvironment> env_;
};

// A straight (or, with arc, an arc) chain of n extensions with every member set to distinct
// values, two appended texts and flags; built with the default constructor and Initialize(0).
QBdim* MakeFilledChain(int n, bool arc = false);

// Every filed member of b equals a's (the appended texts field by field, ptAnchor and strWork
// expected empty on b).
void ExpectSameChain(const QBdim& a, const QBdim& b);

// The chain filed out into a copy filer (expects eOk).
void FileOut(const QBdim& chain, zhost::MemoryFiler& filer);
// A new default chain filed in from the filer (rewound first); the status through es.
QBdim* FileIn(zhost::MemoryFiler& filer, Acad::ErrorStatus& es);
// The number of items the AcDbEntity part of a chain takes (where the chain's own part begins).
size_t EntityPartItems();
