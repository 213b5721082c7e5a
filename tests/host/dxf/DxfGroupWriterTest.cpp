// The value texts of the DXF writer: reals in the C locale, texts in code page 1252 with
// \U+XXXX escapes for the rest and without line breaks.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "host/db/DxfGroupWriter.h"

namespace {

TEST(DxfGroupWriter, RealsRoundTripInTheCLocale) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {{1.0, "1.0"}, {0.1, "0.1"}, {-2.5, "-2.5"}, {1e-20, "1e-20"}, {0.0, "0.0"},
               {std::nan(""), "0.0"}, {HUGE_VAL, "0.0"}, {1.0 / 3.0, "0.3333333333333333"}};
  const char* old = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  for (const Case& c : cases) EXPECT_EQ(c.text, zhost::DxfGroupWriter::RealText(c.value)) << c.text;
  if (old) std::setlocale(LC_NUMERIC, "C");
}

TEST(DxfGroupWriter, TextsInTheCodePageWithEscapesForTheRest) {
  using zhost::DxfGroupWriter;
  EXPECT_EQ("plain", DxfGroupWriter::EncodeText(L"plain"));
  EXPECT_EQ("Stra\xDF" "e \x80", DxfGroupWriter::EncodeText(L"Stra\u00dfe \u20ac"));
  EXPECT_EQ("\\U+2248 \\U+03A9", DxfGroupWriter::EncodeText(L"\u2248 \u03a9"));
  EXPECT_EQ("\\U+D83D\\U+DE00", DxfGroupWriter::EncodeText(L"\U0001F600"));
  // A line break would end the value line and shift every later group.
  EXPECT_EQ("two lines", DxfGroupWriter::EncodeText(L"two\nlines"));
  EXPECT_EQ("a  b", DxfGroupWriter::EncodeText(L"a\r\nb"));
}

TEST(DxfGroupWriter, GroupsAreCodeLineThenValueLine) {
  zhost::DxfGroupWriter out;
  out.str(0, "LINE");
  out.integer(70, -3);
  out.handle(5, AcDbHandle(Adesk::UInt64(0x2AF)));
  out.point(10, AcGePoint3d(1, 2.5, 0));
  EXPECT_EQ("  0\nLINE\n 70\n-3\n  5\n2AF\n 10\n1.0\n 20\n2.5\n 30\n0.0\n", out.text());
}

}  // namespace
