// The application messages and result codes of the module contract.
#pragma once

namespace AcRx {

enum AppMsgCode {
  kNullMsg = 0,
  kInitAppMsg = 1,
  kUnloadAppMsg = 2,
  kLoadDwgMsg = 3,
  kUnloadDwgMsg = 4,
  kInvkSubrMsg = 5,
  kCfgMsg = 6,
  kEndMsg = 7,
  kQuitMsg = 8,
  kSaveMsg = 9,
  kDependencyMsg = 10,
  kNoDependencyMsg = 11,
  kOleUnloadAppMsg = 12,
  kPreQuitMsg = 13,
  kInitDialogMsg = 14,
  kEndDialogMsg = 15,
  kSuspendMsg = 16,
  kInitTabGroupMsg = 17,
  kEndTabGroupMsg = 18,
};

enum AppRetCode { kRetOK = 0, kRetError = 3 };

}  // namespace AcRx

typedef void (*AcRxFunctionPtr)();

// The host's API version, passed to a module's acrxGetApiVersion; a module's answer must have
// the same major version (the upper byte pair).
#define ZHOST_API_VERSION 0x150000
