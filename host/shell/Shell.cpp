// The session: start, modules, scripts, end, exit status.
#include "host/shell/Shell.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <iostream>

#include "host/ap/AcApDocManager.h"
#include "host/ap/AcApDocument.h"
#include "host/db/DwgFile.h"
#include "host/db/DxfWriter.h"
#include "host/gi/SvgWriter.h"
#include "host/db/MatchPropertiesApp.h"
#include "host/ed/CommandProcessor.h"
#include "host/rx/AcRxDynamicLinker.h"
#include "host/shell/HostCommands.h"
#include "host/shell/ScriptSource.h"
#include "host/shell/ShellOptions.h"
#include "host/win/Console.h"
#include "host/win/Files.h"
#include "host/win/TextConv.h"

namespace zhost {

namespace {

enum ExitStatus { kOk = 0, kFailure = 1, kUsage = 2 };

void Fail(const std::string& message) { std::fprintf(stderr, "zhost: %s\n", message.c_str()); }

// Loads the requested modules in order; false when one failed.
bool LoadModules(const ShellOptions& options) {
  std::vector<std::string> modules = options.modules;
  if (options.defaultModules) modules = {ProgramFolder() + "Korvex.arx", ProgramFolder() + "Pellbar.arx"};
  bool ok = true;
  AcRxDynamicLinker* linker = Linker();
  for (const std::string& module : modules) {
    if (linker->loadModule(FromUtf8(module).c_str(), true)) continue;
    Fail("cannot load module \"" + module + "\" (the transcript says why)");
    ok = false;
  }
  return ok;
}

bool OpenStartDrawings(const ShellOptions& options) {
  for (const std::string& file : options.openFiles) {
    std::wstring error;
    if (acDocManagerPtr()->openDocument(FromUtf8(file), &error)) continue;
    Fail(ToUtf8(error));
    return false;
  }
  return true;
}

void EndTranscriptLine() {
  const std::wstring& t = Console::instance().transcript();
  if (!t.empty() && t.back() != L'\n') Console::instance().print(L"\n");
}

// The current drawing as DXF; the summary line goes to the command line.
bool ExportDxf(const std::string& file) {
  AcApDocument* doc = acDocManagerPtr()->curDocument();
  AcDbDatabase* db = doc ? doc->database() : nullptr;
  std::wstring path = FromUtf8(file), error;
  DxfSummary summary;
  if (!db) error = L"no current drawing to export";
  if (db && WriteDxf(db, path, error, &summary)) {
    EndTranscriptLine();
    Console::instance().print(DxfSummaryLine(summary, path) + L"\n");
    return true;
  }
  Fail("cannot export DXF: " + ToUtf8(error));
  return false;
}

// The current drawing's model space as SVG.
bool ExportSvg(const ShellOptions& options) {
  AcApDocument* doc = acDocManagerPtr()->curDocument();
  AcDbDatabase* db = doc ? doc->database() : nullptr;
  std::wstring path = FromUtf8(options.svgFile), error;
  SvgOptions svg;
  svg.darkBackground = options.darkBackground;
  if (!db) error = L"no current drawing to render";
  if (db && WriteSvg(db, path, svg, &error)) {
    EndTranscriptLine();
    Console::instance().print(L"Rendered the current drawing as " + path + L".\n");
    return true;
  }
  Fail("cannot render SVG: " + ToUtf8(error));
  return false;
}

bool SaveDrawing(const std::string& file) {
  AcApDocument* doc = acDocManagerPtr()->curDocument();
  AcDbDatabase* db = doc ? doc->database() : nullptr;
  std::wstring path = FromUtf8(file), error;
  if (!db) error = L"no current drawing to save";
  if (db && WriteDrawingFile(db, path, error) == Acad::eOk) {
    EndTranscriptLine();
    Console::instance().print(L"Saved the current drawing as " + path + L".\n");
    return true;
  }
  Fail("cannot save the drawing: " + ToUtf8(error));
  return false;
}

}  // namespace

std::string ProgramFolder() {
  char path[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "./";
  std::string exe(path, static_cast<size_t>(n));
  size_t slash = exe.rfind('/');
  return slash == std::string::npos ? "./" : exe.substr(0, slash + 1);
}

int RunShell(const std::vector<std::string>& args, std::istream& input) {
  ShellOptions options;
  std::string error;
  if (!ParseShellOptions(args, options, error)) {
    Fail(error);
    std::fputs(ShellUsage(), stderr);
    return kUsage;
  }
  if (options.help) {
    std::fputs(ShellUsage(), stdout);
    return kOk;
  }
  for (const std::string& file : options.openFiles) {
    if (::access(file.c_str(), R_OK) == 0) continue;
    Fail("cannot open drawing \"" + file + "\": it does not exist or cannot be read");
    return kFailure;
  }
  Console::instance().setQuiet(options.quiet);
  if (!options.appData.empty()) SetAppDataFolder(FromUtf8(options.appData));

  CommandProcessor& processor = CommandProcessor::instance();
  RegisterHostCommands();
  RegisterScriptDirectives();
  AcApDocManager* docs = acDocManagerPtr();
  docs->newDocument();
  int status = kOk;
  if (!options.delayMatchProp) Linker()->loadModule(kMatchPropertiesApp, false);
  if (!LoadModules(options)) status = kFailure;
  if (!OpenStartDrawings(options)) status = kFailure;

  std::vector<std::string> scripts = options.scripts;
  if (scripts.empty()) scripts.push_back("-");
  ScriptSource source(scripts, input);
  processor.setSource(&source);
  processor.run();
  processor.setSource(nullptr);
  if (!options.saveFile.empty() && !SaveDrawing(options.saveFile)) status = kFailure;
  if (!options.dxfFile.empty() && !ExportDxf(options.dxfFile)) status = kFailure;
  if (!options.svgFile.empty() && !ExportSvg(options)) status = kFailure;

  docs->shutdown();
  EndTranscriptLine();
  std::fflush(stdout);
  if (source.failures() > 0) status = kFailure;
  return status;
}

}  // namespace zhost
