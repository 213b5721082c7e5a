// SETVAR: a system variable's value at the command line.
#pragma once

namespace zhost {

void RegisterSetvarCommand();

}  // namespace zhost
