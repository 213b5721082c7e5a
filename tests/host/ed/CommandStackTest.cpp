// The command stack: registration, lookup by either name in any case, groups, CMDNAMES.
#include <gtest/gtest.h>

#include <cstdlib>

#include "host/ed/AcEdCommandStack.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/SysVars.h"
#include "host/win/TextConv.h"
#include "tests/host/ed/EdTestSupport.h"

namespace {

std::vector<std::wstring> ran;

void Vdim() { ran.push_back(L"vdim"); }
void Other() { ran.push_back(L"other"); }
void Outer() {
  ran.push_back(L"outer");
  resbuf rb;
  if (acedGetVar(L"CMDNAMES", &rb) == RTNORM) {
    ran.push_back(L"CMDNAMES=" + std::wstring(rb.resval.rstring));
    free(rb.resval.rstring);
  }
  zhost::CommandProcessor::instance().runCommand(L"'T_INNER");
}
void Inner() {
  resbuf rb;
  if (acedGetVar(L"CMDNAMES", &rb) == RTNORM) {
    ran.push_back(L"CMDNAMES=" + std::wstring(rb.resval.rstring));
    free(rb.resval.rstring);
  }
}

class CommandStack : public ::testing::Test {
 protected:
  void SetUp() override {
    ran.clear();
    zhost::CommandProcessor::instance().reset();
    stack = acedRegCmds;
    ASSERT_TRUE(stack) << "the stack is in the registry and derives from AcEdCommandStack";
  }
  void TearDown() override {
    stack->removeGroup(L"TEST_GROUP");
    stack->removeGroup(L"TEST_OTHER");
  }
  AcEdCommandStack* stack = nullptr;
};

TEST_F(CommandStack, LooksUpBothNamesWithoutRegardToCase) {
  ASSERT_EQ(stack->addCommand(L"TEST_GROUP", L"QTRV_vdim", L"QTRV_Vdim", ACRX_CMD_MODAL, Vdim), Acad::eOk);
  EXPECT_EQ(stack->addCommand(L"test_group", L"qtrv_VDIM", L"x", ACRX_CMD_MODAL, Other), Acad::eDuplicateKey);
  EXPECT_EQ(stack->addCommand(L"TEST_GROUP", L"", L"x", ACRX_CMD_MODAL, Other), Acad::eInvalidInput);
  EXPECT_EQ(stack->addCommand(L"TEST_GROUP", L"NOFN", L"x", ACRX_CMD_MODAL, nullptr), Acad::eInvalidInput);
  AcEdCommand* cmd = stack->lookupGlobalCmd(L"qtrv_vdim");
  ASSERT_TRUE(cmd);
  EXPECT_EQ(stack->lookupLocalCmd(L"QTRV_VDIM"), cmd);
  EXPECT_STREQ(cmd->groupName(), L"TEST_GROUP");
  EXPECT_EQ(cmd->functionCode(), -1);

  for (const wchar_t* typed : {L"QTRV_vdim", L"qtrv_vdim", L"_QTRV_VDIM", L"-qtrv_Vdim", L"_-QTRV_vdim"}) {
    ran.clear();
    std::wstring out = zktest::RunLines({typed});
    EXPECT_EQ(ran, std::vector<std::wstring>{L"vdim"}) << zhost::ToUtf8(typed);
    EXPECT_TRUE(zktest::Contains(out, L"Command: " + std::wstring(typed))) << "the input is echoed";
  }
}

TEST_F(CommandStack, RemoveCommandAndGroup) {
  stack->addCommand(L"TEST_GROUP", L"T_ONE", L"T_EINS", ACRX_CMD_MODAL, Vdim);
  stack->addCommand(L"TEST_GROUP", L"T_TWO", L"T_ZWEI", ACRX_CMD_USEPICKSET | ACRX_CMD_REDRAW, Other);
  stack->addCommand(L"TEST_OTHER", L"T_THREE", nullptr, ACRX_CMD_MODAL, Other);
  EXPECT_EQ(stack->lookupGlobalCmd(L"T_TWO")->commandFlags(), 6);
  EXPECT_STREQ(stack->lookupGlobalCmd(L"T_THREE")->localName(), L"T_THREE") << "local name defaults to global";
  EXPECT_EQ(stack->removeCmd(L"TEST_GROUP", L"t_one"), Acad::eOk);
  EXPECT_EQ(stack->lookupGlobalCmd(L"T_ONE"), nullptr);
  EXPECT_EQ(stack->removeCmd(L"TEST_GROUP", L"T_ONE"), Acad::eKeyNotFound);
  EXPECT_EQ(stack->removeGroup(L"test_group"), Acad::eOk);
  EXPECT_EQ(stack->lookupLocalCmd(L"T_ZWEI"), nullptr);
  EXPECT_TRUE(stack->lookupGlobalCmd(L"T_THREE")) << "other groups stay";
  EXPECT_EQ(stack->removeGroup(L"TEST_GROUP"), Acad::eKeyNotFound);
  std::wstring out = zktest::RunLines({L"T_EINS"});
  EXPECT_TRUE(zktest::Contains(out, L"Unknown command \"T_EINS\"")) << zhost::ToUtf8(out);
}

TEST_F(CommandStack, NewerGroupWinsForTheSameName) {
  stack->addCommand(L"TEST_GROUP", L"T_SAME", L"T_SAME", ACRX_CMD_MODAL, Vdim);
  stack->addCommand(L"TEST_OTHER", L"T_SAME", L"T_SAME", ACRX_CMD_MODAL, Other);
  zktest::RunLines({L"T_SAME"});
  stack->removeGroup(L"TEST_OTHER");
  zktest::RunLines({L"T_SAME"});
  EXPECT_EQ(ran, (std::vector<std::wstring>{L"other", L"vdim"}));
}

TEST_F(CommandStack, CmdNamesListsTheRunningCommands) {
  stack->addCommand(L"TEST_GROUP", L"T_Outer", L"T_Outer", ACRX_CMD_MODAL, Outer);
  stack->addCommand(L"TEST_GROUP", L"T_Inner", L"T_Inner", ACRX_CMD_TRANSPARENT, Inner);
  zktest::RunLines({L"t_outer"});
  EXPECT_EQ(ran, (std::vector<std::wstring>{L"outer", L"CMDNAMES=T_OUTER", L"CMDNAMES=T_OUTER'T_INNER"}));
  resbuf rb;
  ASSERT_EQ(acedGetVar(L"cmdnames", &rb), RTNORM);
  EXPECT_STREQ(rb.resval.rstring, L"") << "empty at the command prompt";
  free(rb.resval.rstring);
}

TEST_F(CommandStack, EmptyLineRepeatsTheLastCommand) {
  stack->addCommand(L"TEST_GROUP", L"T_REP", L"T_REP", ACRX_CMD_MODAL, Vdim);
  zktest::RunLines({L"T_REP", L""});
  EXPECT_EQ(ran, (std::vector<std::wstring>{L"vdim", L"vdim"}));
}

}  // namespace
