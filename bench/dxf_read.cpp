// Reading DXF files: the largest file of the LibreCAD part library (librecad-data) and a
// generated file of 100,000 entities (lines, arcs, texts, polylines), and the same files read by
// python3-ezdxf (bench/peers/ezdxf_read.py) for a "ratio ezdxf/zhost" line per file.
#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/PeerRun.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/DbDiagnostics.h"
#include "host/db/DxfReader.h"
#include "host/win/TextConv.h"

namespace {

namespace fs = std::filesystem;

const char kLibrary[] = "/usr/share/librecad/library";

std::string LargestLibraryFile() {
  std::string best;
  uintmax_t size = 0;
  std::error_code ec;
  if (!fs::is_directory(kLibrary, ec)) return best;
  for (auto it = fs::recursive_directory_iterator(kLibrary, ec); it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::string ext = it->path().extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext != ".dxf" || !it->is_regular_file(ec)) continue;
    if (it->file_size(ec) > size) {
      size = it->file_size(ec);
      best = it->path().string();
    }
  }
  return best;
}

// A release-2000 file of n entities in model space, a quarter each of lines, arcs, texts and
// lightweight polylines.
std::string GeneratedDxf(int n) {
  std::string out = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$HANDSEED\n5\nFFFFF\n0\nENDSEC\n"
                    "0\nSECTION\n2\nENTITIES\n";
  char buf[512];
  for (int k = 0; k < n; ++k) {
    const unsigned handle = 0x100 + static_cast<unsigned>(k);
    const double x = k % 1000, y = k / 1000;
    switch (k % 4) {
      case 0:
        std::snprintf(buf, sizeof buf, "0\nLINE\n5\n%X\n100\nAcDbEntity\n8\nWalls\n100\nAcDbLine\n10\n%g\n20\n%g\n30\n0\n11\n%g\n21\n%g\n31\n0\n",
                      handle, x, y, x + 0.8, y + 0.5);
        break;
      case 1:
        std::snprintf(buf, sizeof buf, "0\nARC\n5\n%X\n100\nAcDbEntity\n8\nDoors\n100\nAcDbCircle\n10\n%g\n20\n%g\n30\n0\n40\n0.4\n100\nAcDbArc\n50\n0\n51\n90\n",
                      handle, x, y);
        break;
      case 2:
        std::snprintf(buf, sizeof buf, "0\nTEXT\n5\n%X\n100\nAcDbEntity\n8\nText\n100\nAcDbText\n10\n%g\n20\n%g\n30\n0\n40\n0.25\n1\nRoom %d\n100\nAcDbText\n",
                      handle, x, y, k);
        break;
      default:
        std::snprintf(buf, sizeof buf, "0\nLWPOLYLINE\n5\n%X\n100\nAcDbEntity\n8\nWalls\n100\nAcDbPolyline\n90\n4\n70\n1\n"
                      "10\n%g\n20\n%g\n10\n%g\n20\n%g\n42\n0.5\n10\n%g\n20\n%g\n10\n%g\n20\n%g\n",
                      handle, x, y, x + 0.5, y, x + 0.5, y + 0.5, x, y + 0.5);
        break;
    }
    out += buf;
  }
  return out + "0\nENDSEC\n0\nEOF\n";
}

struct Inputs {
  std::string folder, generated, largest;
  Inputs() {
    std::string base = fs::temp_directory_path().string() + "/zkbench-dxf-XXXXXX";
    folder = mkdtemp(base.data()) ? base : std::string(".");
    generated = folder + "/generated-100000.dxf";
    std::FILE* f = std::fopen(generated.c_str(), "wb");
    if (f) {
      const std::string text = GeneratedDxf(100000);
      std::fwrite(text.data(), 1, text.size(), f);
      std::fclose(f);
    }
    largest = LargestLibraryFile();
  }
  ~Inputs() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
};

Inputs& TheInputs() {
  static Inputs inputs;
  return inputs;
}

// Seconds of one read (best of three), or a negative number when the file is not read.
double ZhostSeconds(const std::string& path) {
  double best = -1;
  for (int k = 0; k < 3; ++k) {
    std::wstring error;
    auto start = std::chrono::steady_clock::now();
    std::unique_ptr<AcDbDatabase> db(zhost::ReadDxfFile(zhost::FromUtf8(path), error));
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!db) return -1;
    if (best < 0 || s < best) best = s;
  }
  return best;
}

void ReadFile(benchmark::State& state, const std::string& path) {
  zhost::SetDbDiagnosticsQuiet(true);
  if (path.empty()) {
    state.SkipWithError("the file is missing (the largest library file needs the package librecad-data)");
    return;
  }
  int entities = 0;
  for (auto _ : state) {
    std::wstring error;
    zhost::DxfReadReport report;
    std::unique_ptr<AcDbDatabase> db(zhost::ReadDxfFile(zhost::FromUtf8(path), error, &report));
    if (!db) {
      state.SkipWithError("the file could not be read");
      return;
    }
    entities = report.entitiesReadTotal();
  }
  state.SetItemsProcessed(state.iterations() * entities);
  state.counters["entities"] = entities;
}

void BM_ReadLargestLibraryDxf(benchmark::State& state) { ReadFile(state, TheInputs().largest); }
void BM_ReadGenerated100kDxf(benchmark::State& state) { ReadFile(state, TheInputs().generated); }

BENCHMARK(BM_ReadLargestLibraryDxf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadGenerated100kDxf)->Unit(benchmark::kMillisecond);

void ComparePeer() {
  const std::string script = zkbench::FindPeerScript("ezdxf_read.py");
  for (const std::string& file : {TheInputs().largest, TheInputs().generated}) {
    if (file.empty()) continue;
    const std::string name = fs::path(file).filename().string();
    const double ours = ZhostSeconds(file);
    const double peer = script.empty() ? -1 : zkbench::RunPeerSeconds(script, {file});
    if (peer < 0 || ours <= 0) {
      std::printf("%s: ezdxf peer skipped (python3-ezdxf or bench/peers/ezdxf_read.py missing)\n", name.c_str());
      continue;
    }
    std::printf("%s: zhost %.3f s, ezdxf %.3f s\nratio ezdxf/zhost: %.1f\n", name.c_str(), ours, peer, peer / ours);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ComparePeer();
  return 0;
}
