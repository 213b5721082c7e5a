// Parsing the zhost command line.
#include "host/shell/ShellOptions.h"

#include <cctype>

namespace zhost {

const char* ShellUsage() {
  return "usage: zhost [options] [SCRIPT ...]\n"
         "  --open FILE        open a drawing before the scripts run (repeatable)\n"
         "  --save FILE        save the current drawing when the scripts end\n"
         "  --dxf FILE         export the current drawing as DXF when the scripts end\n"
         "  --svg FILE         render the current drawing (model space) as SVG when the scripts end\n"
         "  --background light|dark  the SVG's background: white (default) or dark\n"
         "  --appdata DIR      the user's application-data folder\n"
         "  --module FILE      a module to load (repeatable; default: Korvex.arx and Pellbar.arx beside zhost)\n"
         "  --no-modules       load no modules\n"
         "  --quiet            no command-line transcript on standard output\n"
         "  --delay-matchprop  load the MatchProperties application only when MATCHPROP or\n"
         "                     (arxload \"acmatch\") asks for it\n"
         "A SCRIPT of \"-\" is standard input; without SCRIPT the commands come from standard input.\n";
}

bool ParseShellOptions(const std::vector<std::string>& args, ShellOptions& options, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = "option " + arg + " needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    std::string v;
    if (arg == "--open") {
      if (!value(v)) return false;
      options.openFiles.push_back(v);
    } else if (arg == "--dxf") {
      if (!value(options.dxfFile)) return false;
    } else if (arg == "--save") {
      if (!value(options.saveFile)) return false;
      // The host's drawing format in a file named .dxf would pass for DXF to other programs.
      std::string ext = options.saveFile.size() >= 4 ? options.saveFile.substr(options.saveFile.size() - 4) : "";
      for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (ext == ".dxf") {
        error = "option --save writes the host's drawing format; use --dxf to export \"" + options.saveFile + "\"";
        return false;
      }
    } else if (arg == "--svg") {
      if (!value(options.svgFile)) return false;
    } else if (arg == "--background") {
      if (!value(v)) return false;
      if (v != "light" && v != "dark") {
        error = "option --background takes light or dark, not \"" + v + "\"";
        return false;
      }
      options.darkBackground = v == "dark";
    } else if (arg == "--appdata") {
      if (!value(options.appData)) return false;
    } else if (arg == "--module") {
      if (!value(v)) return false;
      options.modules.push_back(v);
      options.defaultModules = false;
    } else if (arg == "--no-modules") {
      options.defaultModules = false;
      options.modules.clear();
    } else if (arg == "--quiet") {
      options.quiet = true;
    } else if (arg == "--delay-matchprop") {
      options.delayMatchProp = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      error = "unknown option " + arg;
      return false;
    } else {
      options.scripts.push_back(arg);
    }
  }
  return true;
}

}  // namespace zhost
