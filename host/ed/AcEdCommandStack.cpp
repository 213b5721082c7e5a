// The command stack and its place in the system registry.
#include "host/ed/AcEdCommandStack.h"

#include <algorithm>

#include "host/ed/UpperCase.h"
#include "host/rx/AcRxClass.h"
#include "host/rx/AcRxDynamicLinker.h"

ZHOST_RX_HOST_MEMBERS(AcEdCommand, AcRxObject, nullptr)
ZHOST_RX_HOST_MEMBERS(AcEdCommandStack, AcRxObject, nullptr)

AcEdCommand::AcEdCommand(const std::wstring& group, const std::wstring& globalName, const std::wstring& localName,
                         Adesk::Int32 flags, AcRxFunctionPtr function, AcEdUIContext* context, int fcode,
                         HINSTANCE resources, const std::wstring& ownerApp)
    : group_(group),
      global_(globalName),
      local_(localName),
      flags_(flags),
      function_(function),
      context_(context),
      fcode_(fcode),
      resources_(resources),
      owner_(ownerApp) {}

AcEdCommandStack::AcEdCommandStack() = default;
AcEdCommandStack::~AcEdCommandStack() = default;

Acad::ErrorStatus AcEdCommandStack::addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName,
                                               const ACHAR* cmdLocalName, Adesk::Int32 commandFlags,
                                               AcRxFunctionPtr functionAddr, AcEdUIContext* UIContext, int fcode,
                                               HINSTANCE hResourceHandle, AcEdCommand** cmdPtrRet) {
  if (cmdPtrRet) *cmdPtrRet = nullptr;
  if (!cmdGroupName || !*cmdGroupName || !cmdGlobalName || !*cmdGlobalName || !functionAddr)
    return Acad::eInvalidInput;
  std::wstring local = cmdLocalName && *cmdLocalName ? cmdLocalName : cmdGlobalName;
  for (const auto& cmd : commands_)
    if (zhost::SameUpper(cmd->groupName(), cmdGroupName) && zhost::SameUpper(cmd->globalName(), cmdGlobalName))
      return Acad::eDuplicateKey;
  const zhost::AppRecord* app = zhost::CurrentApp();
  commands_.push_back(std::make_unique<AcEdCommand>(cmdGroupName, cmdGlobalName, local, commandFlags, functionAddr,
                                                    UIContext, fcode, hResourceHandle, app ? app->name : L""));
  if (cmdPtrRet) *cmdPtrRet = commands_.back().get();
  return Acad::eOk;
}

AcEdCommand* AcEdCommandStack::lookupCmd(const ACHAR* cmdName, bool globalFlag, bool, bool) const {
  if (!cmdName) return nullptr;
  for (auto it = commands_.rbegin(); it != commands_.rend(); ++it) {
    const AcEdCommand& cmd = **it;
    if (zhost::SameUpper(globalFlag ? cmd.globalName() : cmd.localName(), cmdName)) return it->get();
  }
  return nullptr;
}

AcEdCommand* AcEdCommandStack::lookupCmd(const ACHAR* cmdName, bool globalFlag) const {
  return lookupCmd(cmdName, globalFlag, true, false);
}

AcEdCommand* AcEdCommandStack::lookupGlobalCmd(const ACHAR* cmdName) const { return lookupCmd(cmdName, true); }
AcEdCommand* AcEdCommandStack::lookupLocalCmd(const ACHAR* cmdName) const { return lookupCmd(cmdName, false); }

AcEdCommand* AcEdCommandStack::lookupAnyName(const std::wstring& name, bool preferGlobal) const {
  if (AcEdCommand* cmd = lookupCmd(name.c_str(), preferGlobal)) return cmd;
  return lookupCmd(name.c_str(), !preferGlobal);
}

Acad::ErrorStatus AcEdCommandStack::removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName) {
  if (!cmdGroupName || !cmdGlobalName) return Acad::eInvalidInput;
  auto it = std::find_if(commands_.begin(), commands_.end(), [&](const auto& cmd) {
    return zhost::SameUpper(cmd->groupName(), cmdGroupName) && zhost::SameUpper(cmd->globalName(), cmdGlobalName);
  });
  if (it == commands_.end()) return Acad::eKeyNotFound;
  commands_.erase(it);
  return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const ACHAR* groupName) {
  if (!groupName) return Acad::eInvalidInput;
  size_t before = commands_.size();
  commands_.erase(std::remove_if(commands_.begin(), commands_.end(),
                                 [&](const auto& cmd) { return zhost::SameUpper(cmd->groupName(), groupName); }),
                  commands_.end());
  return commands_.size() == before ? Acad::eKeyNotFound : Acad::eOk;
}

std::vector<std::wstring> AcEdCommandStack::groupNames() const {
  std::vector<std::wstring> names;
  for (const auto& cmd : commands_)
    if (std::none_of(names.begin(), names.end(), [&](const auto& n) { return zhost::SameUpper(n, cmd->groupName()); }))
      names.push_back(cmd->groupName());
  return names;
}

std::vector<const AcEdCommand*> AcEdCommandStack::commandsOfGroup(const std::wstring& group) const {
  std::vector<const AcEdCommand*> found;
  for (const auto& cmd : commands_)
    if (zhost::SameUpper(cmd->groupName(), group)) found.push_back(cmd.get());
  return found;
}

void AcEdCommandStack::removeCommandsOf(const std::wstring& ownerApp) {
  if (ownerApp.empty()) return;
  commands_.erase(std::remove_if(commands_.begin(), commands_.end(),
                                 [&](const auto& cmd) { return cmd->ownerApp() == ownerApp; }),
                  commands_.end());
}

namespace zhost {

AcEdCommandStack* CommandStack() {
  static AcEdCommandStack* stack = [] {
    AcEdCommandStack* s = new AcEdCommandStack();
    acrxSysRegistry()->atPut(ACRX_COMMAND_DOCK, s);
    AddAppUnloadListener([](const AppRecord& app) {
      if (AcEdCommandStack* current = dynamic_cast<AcEdCommandStack*>(acrxSysRegistry()->at(ACRX_COMMAND_DOCK)))
        current->removeCommandsOf(app.name);
    });
    return s;
  }();
  return stack;
}

// The stack is in the registry from the start, before any module looks for it.
[[maybe_unused]] static const bool registered = (CommandStack(), true);

}  // namespace zhost
