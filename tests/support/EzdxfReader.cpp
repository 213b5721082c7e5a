// Runs python3 -c with the reader script, without a shell, and collects what it prints.
#include "tests/support/EzdxfReader.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/support/TempDir.h"

namespace zktest {

namespace {

const char* kScript = R"PY(
import json, sys
import ezdxf
from ezdxf.lldxf.encoding import decode_dxf_unicode, has_dxf_unicode

def p(d):
    print(json.dumps(d, sort_keys=True))

# A release-2000 file carries characters outside its code page as \\U+XXXX escapes.
def text(v):
    return decode_dxf_unicode(v) if has_dxf_unicode(v) else v

def value(v):
    if isinstance(v, str):
        return text(v)
    if isinstance(v, (int, float)):
        return v
    try:
        return [float(c) for c in v]
    except TypeError:
        return str(v)

def counts(layout):
    c = {}
    for e in layout:
        c[e.dxftype()] = c.get(e.dxftype(), 0) + 1
    return c

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
p({"audit_errors": [e.message for e in auditor.errors]})
p({"audit_fixes": [e.message for e in auditor.fixes]})
p({"version": doc.dxfversion})
for name in ("$HANDSEED", "$CLAYER", "$INSUNITS", "$TEXTSTYLE", "$DIMSTYLE"):
    p({"header": name, "value": doc.header.get(name)})
for layout in doc.layouts:
    p({"layout": layout.name, "counts": counts(layout)})
for block in doc.blocks:
    if block.name.lower().startswith(("*model_space", "*paper_space")):
        continue
    p({"block": block.name, "counts": counts(block)})
for layer in doc.layers:
    p({"layer": layer.dxf.name, "color": layer.color, "true_color": layer.dxf.get("true_color"),
       "linetype": layer.dxf.linetype, "frozen": layer.is_frozen(), "off": layer.is_off(),
       "locked": layer.is_locked()})
for app in doc.appids:
    p({"appid": app.dxf.name})
for ltype in doc.linetypes:
    p({"linetype": ltype.dxf.name, "dashes": len(ltype.pattern_tags.tags) if ltype.pattern_tags else 0})
spaces = [(l.name, l) for l in doc.layouts] + [(b.name, b) for b in doc.blocks
          if not b.name.lower().startswith(("*model_space", "*paper_space"))]
for owner, layout in spaces:
    for e in layout:
        xdata = {}
        if e.xdata:
            for app, tags in e.xdata.data.items():
                xdata[app] = [[t.code, value(t.value)] for t in tags]
        d = {"entity": e.dxftype(), "handle": e.dxf.handle, "in": owner, "layer": e.dxf.layer,
             "color": e.dxf.color, "true_color": e.dxf.get("true_color"), "xdata": xdata}
        if e.dxftype() == "TEXT":
            d["text"] = text(e.dxf.text)
        if e.dxftype() == "MTEXT":
            d["text"] = text(e.text)
        if e.dxftype() == "CIRCLE" and e.dxf.extrusion.x > 0.5:
            c = e.ocs().to_wcs(e.dxf.center)
            p({"geometry_check": "tilted circle", "center": [round(c.x, 9), round(c.y, 9), round(c.z, 9)]})
        if e.dxftype() in ("INSERT", "DIMENSION"):
            d["block"] = e.dxf.name if e.dxftype() == "INSERT" else e.dxf.geometry
        p(d)
)PY";

struct Output {
  int status = -1;
  std::string out, err;
};

Output Run(const std::vector<std::string>& argv) {
  Output result;
  TempDir dir;
  std::string outFile = dir.file("out.txt"), errFile = dir.file("err.txt");
  pid_t pid = ::fork();
  if (pid == 0) {
    std::FILE* o = std::freopen(outFile.c_str(), "w", stdout);
    std::FILE* e = std::freopen(errFile.c_str(), "w", stderr);
    (void)o;
    (void)e;
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execvp(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) result.status = WEXITSTATUS(status);
  result.out = ReadFileBytes(outFile);
  result.err = ReadFileBytes(errFile);
  return result;
}

}  // namespace

std::string EzdxfPython() {
  // Debian's ezdxf belongs to the system python, which may not be the first python3 found.
  for (const char* python : {"python3", "/usr/bin/python3"}) {
    if (Run({python, "-c", "import ezdxf"}).status == 0) return python;
  }
  return "";
}

bool EzdxfReport::has(const std::string& line) const {
  for (const std::string& l : lines)
    if (l == line) return true;
  return false;
}

std::string EzdxfReport::find(const std::vector<std::string>& fragments) const {
  for (const std::string& l : lines) {
    bool all = true;
    for (const std::string& f : fragments) all = all && l.find(f) != std::string::npos;
    if (all) return l;
  }
  return "";
}

EzdxfReport ReadWithEzdxf(const std::string& dxfPath) { return RunEzdxfScript(kScript, {dxfPath}); }

EzdxfReport RunEzdxfScript(const std::string& script, const std::vector<std::string>& args) {
  EzdxfReport report;
  std::string python = EzdxfPython();
  if (python.empty()) return report;
  std::vector<std::string> argv = {python, "-c", script};
  argv.insert(argv.end(), args.begin(), args.end());
  Output o = Run(argv);
  report.output = o.out;
  report.errors = o.err;
  report.ok = o.status == 0;
  std::istringstream in(o.out);
  std::string line;
  while (std::getline(in, line))
    if (!line.empty()) report.lines.push_back(line);
  return report;
}

}  // namespace zktest
