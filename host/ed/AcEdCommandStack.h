// The command stack: command groups with global and local names and flags, looked up without
// regard to case. The host registers it in the system registry as "ACAD_REGISTERED_COMMANDS".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/rx/AcRxAppCodes.h"
#include "host/rx/AcRxDictionary.h"
#include "host/rx/AcRxObject.h"
#include "host/rx/AcadErrorStatus.h"
#include "host/rx/adesk.h"
#include "host/win/WinTypes.h"

#define ACRX_CMD_MODAL 0x00000000
#define ACRX_CMD_TRANSPARENT 0x00000001
#define ACRX_CMD_USEPICKSET 0x00000002
#define ACRX_CMD_REDRAW 0x00000004
#define ACRX_CMD_NOPERSPECTIVE 0x00000008
#define ACRX_CMD_NOMULTIPLE 0x00000010
#define ACRX_CMD_NOTILEMODE 0x00000020
#define ACRX_CMD_NOPAPERSPACE 0x00000040
#define ACRX_CMD_NOOEM 0x00000100
#define ACRX_CMD_UNDEFINED 0x00000200
#define ACRX_CMD_INPROGRESS 0x00000400
#define ACRX_CMD_DEFUN 0x00000800
#define ACRX_CMD_NOINTERNALLOCK 0x00001000
#define ACRX_CMD_DOCREADLOCK 0x00080000
#define ACRX_CMD_DOCEXCLUSIVELOCK 0x00100000
#define ACRX_CMD_SESSION 0x00200000
#define ACRX_CMD_INTERRUPTIBLE 0x00400000
#define ACRX_CMD_NOHISTORY 0x00800000
#define ACRX_CMD_NO_UNDO_MARKER 0x01000000
#define ACRX_CMD_NOBEDIT 0x02000000

class AcEdUIContext;

class AcEdCommand : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcEdCommand);

  AcEdCommand(const std::wstring& group, const std::wstring& globalName, const std::wstring& localName,
              Adesk::Int32 flags, AcRxFunctionPtr function, AcEdUIContext* context, int fcode,
              HINSTANCE resources, const std::wstring& ownerApp);

  AcRxFunctionPtr functionAddr() const { return function_; }
  void functionAddr(AcRxFunctionPtr function) { function_ = function; }
  Adesk::Int32 commandFlags() const { return flags_; }
  const ACHAR* globalName() const { return global_.c_str(); }
  const ACHAR* localName() const { return local_.c_str(); }
  const ACHAR* groupName() const { return group_.c_str(); }
  int functionCode() const { return fcode_; }
  void functionCode(int fcode) { fcode_ = fcode; }
  HINSTANCE resourceHandle() const { return resources_; }
  AcEdUIContext* UIContext() const { return context_; }
  // The application that added the command (empty for the host).
  const std::wstring& ownerApp() const { return owner_; }

 private:
  std::wstring group_, global_, local_;
  Adesk::Int32 flags_;
  AcRxFunctionPtr function_;
  AcEdUIContext* context_;
  int fcode_;
  HINSTANCE resources_;
  std::wstring owner_;
};

class AcEdCommandStack : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcEdCommandStack);

  AcEdCommandStack();
  ~AcEdCommandStack() override;

  // eDuplicateKey when the group already has the global name; eInvalidInput for an empty
  // group or name or a null function. The local name defaults to the global one.
  Acad::ErrorStatus addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName, const ACHAR* cmdLocalName,
                               Adesk::Int32 commandFlags, AcRxFunctionPtr functionAddr,
                               AcEdUIContext* UIContext = nullptr, int fcode = -1,
                               HINSTANCE hResourceHandle = nullptr, AcEdCommand** cmdPtrRet = nullptr);
  // Searches the groups, the most recently added first.
  AcEdCommand* lookupGlobalCmd(const ACHAR* cmdName) const;
  AcEdCommand* lookupLocalCmd(const ACHAR* cmdName) const;
  AcEdCommand* lookupCmd(const ACHAR* cmdName, bool globalFlag) const;
  AcEdCommand* lookupCmd(const ACHAR* cmdName, bool globalFlag, bool allGroups, bool skipUndefed = false) const;
  Acad::ErrorStatus removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName);
  Acad::ErrorStatus removeGroup(const ACHAR* groupName);

  // Host side
  // A command by either name: global names first when preferGlobal, else local names first.
  AcEdCommand* lookupAnyName(const std::wstring& name, bool preferGlobal) const;
  std::vector<std::wstring> groupNames() const;
  std::vector<const AcEdCommand*> commandsOfGroup(const std::wstring& group) const;
  // Drops every command an application left behind.
  void removeCommandsOf(const std::wstring& ownerApp);

 private:
  std::vector<std::unique_ptr<AcEdCommand>> commands_;  // in the order added
};

#define acedRegCmds AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK))

namespace zhost {
// The stack of the system registry.
AcEdCommandStack* CommandStack();
}  // namespace zhost
