// Every DXF file of the LibreCAD part library (Debian package librecad-data) opens, holds the
// entities that python3-ezdxf finds in it (for the types the host has, counted over model space,
// the paper spaces and every block), and its DXF export reads back with the same counts.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "host/db/AcDbDatabase.h"
#include "host/db/DxfReader.h"
#include "host/db/DxfWriter.h"
#include "host/win/TextConv.h"
#include "tests/host/dxfread/EntityCounts.h"
#include "tests/support/EzdxfReader.h"
#include "tests/support/TempDir.h"

namespace {

const char kLibrary[] = "/usr/share/librecad/library";

// One line a file: "PATH<TAB>TYPE=n ..." with the types the host has; "PATH<TAB>ERROR ..." when
// ezdxf refuses it. 2D polylines only (3D ones, meshes and polyfaces are not the host's).
const char kCountScript[] = R"PY(
import sys
import ezdxf
KNOWN = {"LINE", "ARC", "CIRCLE", "LWPOLYLINE", "POLYLINE", "POINT", "XLINE", "SOLID", "TEXT", "MTEXT",
         "INSERT", "DIMENSION"}
for path in open(sys.argv[1], encoding="utf-8").read().splitlines():
    try:
        doc = ezdxf.readfile(path)
    except Exception as e:
        print(path + "\tERROR " + type(e).__name__)
        continue
    spaces = list(doc.layouts) + [b for b in doc.blocks
                                  if not b.name.lower().startswith(("*model_space", "*paper_space"))]
    counts = {}
    for space in spaces:
        for e in space:
            t = e.dxftype()
            if t not in KNOWN:
                continue
            if t == "POLYLINE" and e.get_mode() != "AcDb2dPolyline":
                continue
            if t == "DIMENSION" and (e.dxf.dimtype & 7) > 6:
                continue
            counts[t] = counts.get(t, 0) + 1
    print(path + "\t" + " ".join("%s=%d" % (k, counts[k]) for k in sorted(counts)))
)PY";

void CollectDxf(const std::string& folder, std::vector<std::string>& files) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return;
  while (dirent* e = readdir(dir)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "/" + name;
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      CollectDxf(path, files);
      continue;
    }
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".dxf") == 0) files.push_back(path);
  }
  closedir(dir);
}

std::map<std::string, std::string> EzdxfCounts(const std::vector<std::string>& files, std::string& problem) {
  std::map<std::string, std::string> counts;
  zktest::TempDir dir;
  std::string list;
  for (const std::string& f : files) list += f + "\n";
  const std::string listFile = dir.file("files.txt");
  zktest::WriteFileBytes(listFile, list);
  zktest::EzdxfReport report = zktest::RunEzdxfScript(kCountScript, {listFile});
  if (!report.ok) problem = report.errors;
  for (const std::string& line : report.lines) {
    size_t tab = line.find('\t');
    if (tab != std::string::npos) counts[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return counts;
}

TEST(DxfLibraryFiles, EveryFileOpensWithTheEntitiesEzdxfFindsAndExportsAgain) {
  std::vector<std::string> files;
  CollectDxf(kLibrary, files);
  if (files.empty()) GTEST_SKIP() << kLibrary << " has no DXF files (install the Debian package librecad-data)";
  if (zktest::EzdxfPython().empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  std::sort(files.begin(), files.end());
  std::string problem;
  const std::map<std::string, std::string> expected = EzdxfCounts(files, problem);
  ASSERT_TRUE(problem.empty()) << problem;
  ASSERT_EQ(expected.size(), files.size()) << "ezdxf did not describe every file";

  std::vector<std::string> failures;
  for (const std::string& file : files) {
    std::wstring error;
    zhost::DxfReadReport report;
    std::unique_ptr<AcDbDatabase> db(zhost::ReadDxfFile(zhost::FromUtf8(file), error, &report));
    if (!db) {
      failures.push_back(file + ": not opened: " + zhost::ToUtf8(error));
      continue;
    }
    // An entity the host cannot hold (an arc of radius 0) is reported, never dropped silently.
    zktest::TypeCounts counts = zktest::CountEntities(db.get());
    const std::string read = zktest::CountsText(counts);
    for (const zhost::DxfDamagedEntity& d : report.damaged) ++counts[zhost::ToUtf8(d.type)];
    const std::string& want = expected.at(file);
    if (want.compare(0, 5, "ERROR") != 0 && zktest::CountsText(counts) != want)
      failures.push_back(file + ": read " + read + " (+" + std::to_string(report.damaged.size()) +
                         " damaged), ezdxf finds " + want);

    // The export adds dimension blocks of its own: the blocks the drawing has are compared.
    std::string text;
    if (!zhost::DxfText(db.get(), text, error)) {
      failures.push_back(file + ": not exported: " + zhost::ToUtf8(error));
      continue;
    }
    AcDbDatabase back(false, true);
    if (zhost::DecodeDxf(text.data(), text.size(), &back, error, nullptr) != Acad::eOk) {
      failures.push_back(file + ": its export does not read back: " + zhost::ToUtf8(error));
      continue;
    }
    const std::set<std::string> names = zktest::BlockNames(db.get());
    const std::string again = zktest::CountsText(zktest::CountEntities(&back, &names));
    if (again != read) failures.push_back(file + ": export reads back as " + again + ", not " + read);
  }
  std::ostringstream shown;
  for (size_t k = 0; k < failures.size() && k < 25; ++k) shown << failures[k] << "\n";
  EXPECT_TRUE(failures.empty()) << failures.size() << " problems in " << files.size() << " files:\n" << shown.str();
}

}  // namespace
