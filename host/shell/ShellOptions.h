// The zhost command line: options and script names.
#pragma once

#include <string>
#include <vector>

namespace zhost {

struct ShellOptions {
  std::vector<std::string> openFiles;
  std::string appData;
  std::string saveFile;  // --save: save the current drawing there when the scripts end
  std::string dxfFile;  // --dxf: export the current drawing there when the scripts end
  std::string svgFile;  // --svg: render the current drawing there when the scripts end
  bool darkBackground = false;  // --background dark: the SVG on a dark background
  std::vector<std::string> modules;
  bool defaultModules = true;
  bool quiet = false;
  bool delayMatchProp = false;
  bool help = false;
  std::vector<std::string> scripts;  // "-" is standard input
};

// False with a message for an unknown option or a missing or wrong value.
bool ParseShellOptions(const std::vector<std::string>& args, ShellOptions& options, std::string& error);
const char* ShellUsage();

}  // namespace zhost
