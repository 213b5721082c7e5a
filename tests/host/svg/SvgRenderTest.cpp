// zhost --svg: a script draws lines, a circle, an arc, a filled outline and texts; the SVG it
// writes is parsed back (python3's xml.etree) and its elements, view box, colours and
// background are checked.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "tests/support/TempDir.h"
#include "tests/support/ZhostRun.h"

namespace {

using zktest::RunZhost;
using zktest::WriteScript;

// "tag count" lines for every element, then "viewBox ...", "background ...", and the stroke
// colours of the polylines, from the parsed file.
std::string Summary(const std::string& svgPath) {
  const std::string script =
      "import sys, collections, xml.etree.ElementTree as ET\n"
      "root = ET.parse(sys.argv[1]).getroot()\n"
      "ns = '{http://www.w3.org/2000/svg}'\n"
      "tags = collections.Counter(e.tag.replace(ns, '') for e in root.iter())\n"
      "for t in sorted(tags): print(t, tags[t])\n"
      "print('viewBox', root.get('viewBox'))\n"
      "print('background', root.find(ns + 'rect').get('fill'))\n"
      "print('strokes', ' '.join(sorted(set(e.get('stroke') for e in root.iter(ns + 'polyline')))))\n"
      "print('texts', '|'.join(e.text for e in root.iter(ns + 'text')))\n"
      "print('groups', len(root.findall(ns + 'g/' + ns + 'g')))\n";
  zktest::TempDir dir;
  const std::string py = dir.file("summary.py");
  zktest::WriteFileBytes(py, script);
  std::string cmd = "python3 '" + py + "' '" + svgPath + "' 2>&1";
  std::string out;
  if (FILE* pipe = popen(cmd.c_str(), "r")) {
    char buf[512];
    while (fgets(buf, sizeof buf, pipe)) out += buf;
    pclose(pipe);
  }
  return out;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::vector<std::string> DrawingScript() {
  return {"LINE", "0,0", "100,0", "100,50", "", "CIRCLE", "50,25", "10", "ARC", "0,50", "10,60", "20,50",
          "TEXT", "10,10", "5", "0", "Zenkora <1>", "LAYER", "M", "Red", "C", "1", "Red", "", "LINE", "0,-10", "40,-10", ""};
}

TEST(SvgRender, ScriptDrawingBecomesWellFormedSvgWithItsElements) {
  zktest::TempDir dir;
  const std::string svg = dir.file("out.svg");
  auto r = RunZhost({"--no-modules", "--svg", svg, WriteScript(dir.file("d.scr"), DrawingScript())});
  ASSERT_EQ(0, r.exitCode) << r.err << r.out;
  EXPECT_TRUE(Has(r.out, "Rendered the current drawing as " + svg)) << r.out;
  std::string s = Summary(svg);
  EXPECT_TRUE(Has(s, "polyline 3\n")) << s;  // two line segments, and the red line
  EXPECT_TRUE(Has(s, "circle 1\n")) << s;
  EXPECT_TRUE(Has(s, "path 1\n")) << s;  // the arc
  EXPECT_TRUE(Has(s, "text 1\n")) << s;
  EXPECT_TRUE(Has(s, "texts Zenkora <1>\n")) << s;
  EXPECT_TRUE(Has(s, "groups 6\n")) << s;  // one per entity
  EXPECT_TRUE(Has(s, "background #ffffff\n")) << s;
  EXPECT_TRUE(Has(s, "strokes #000000 #ff0000\n")) << s;  // colour 7 black on white; layer Red by layer
  // Extents x -0..100, y -10..60 with a margin of 5% of 100: y turned up.
  EXPECT_TRUE(Has(s, "viewBox -5 -65 110 80\n")) << s;
}

TEST(SvgRender, DarkBackgroundTurnsTheForegroundWhite) {
  zktest::TempDir dir;
  const std::string svg = dir.file("dark.svg");
  auto r = RunZhost({"--no-modules", "--svg", svg, "--background", "dark"}, "LINE\n0,0\n10,10\n\n");
  ASSERT_EQ(0, r.exitCode) << r.err;
  std::string s = Summary(svg);
  EXPECT_TRUE(Has(s, "background #212830\n")) << s;
  EXPECT_TRUE(Has(s, "strokes #ffffff\n")) << s;
}

TEST(SvgRender, EmptyDrawingStillGivesAPicture) {
  zktest::TempDir dir;
  const std::string svg = dir.file("empty.svg");
  auto r = RunZhost({"--no-modules", "--svg", svg}, "");
  ASSERT_EQ(0, r.exitCode) << r.err;
  std::string s = Summary(svg);
  EXPECT_TRUE(Has(s, "svg 1\n")) << s;
  EXPECT_TRUE(Has(s, "rect 1\n")) << s;
  EXPECT_FALSE(Has(s, "polyline")) << s;
}

}  // namespace
