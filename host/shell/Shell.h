// The zhost program: starts the host, loads the modules, runs the scripts, ends the session.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace zhost {

// Runs zhost with the arguments (without the program name); input is standard input for "-"
// scripts. Returns the exit status.
int RunShell(const std::vector<std::string>& args, std::istream& input);

// The folder of the running program, with a trailing "/".
std::string ProgramFolder();

}  // namespace zhost
