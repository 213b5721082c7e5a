// AcGiTextStyle: the text style a drawing entity draws its texts with (font file, big font,
// TrueType typeface, size, width factor, obliquing angle) and its deterministic text extents
// (host/gi/FontMetrics.h). fromAcDbTextStyle/toAcDbTextStyle copy between it and a text style
// record of a drawing.
#pragma once

#include <string>

#include "host/db/AcDbObjectId.h"
#include "host/ge/AcGePoint2d.h"
#include "host/ge/adesk.h"
#include "host/rx/AcadErrorStatus.h"
#include "host/rx/ads.h"

class AcDbDatabase;
class AcGiWorldDraw;

class AcGiTextStyle {
 public:
  AcGiTextStyle() = default;
  explicit AcGiTextStyle(AcDbDatabase* pDb) : database_(pDb) {}

  // Returns 1 (the font is known to the host's metrics).
  int setFileName(const ACHAR* fontName);
  int setBigFontFileName(const ACHAR* bigFontName);
  const ACHAR* fileName() const { return file_.c_str(); }
  const ACHAR* bigFontFileName() const { return bigFont_.c_str(); }

  void setTextSize(double size) { size_ = size; }
  double textSize() const { return size_; }
  void setXScale(double xScale) { xScale_ = xScale; }
  double xScale() const { return xScale_; }
  void setObliquingAngle(double angle) { oblique_ = angle; }
  double obliquingAngle() const { return oblique_; }
  void setTrackingPercent(double percent) { tracking_ = percent; }
  double trackingPercent() const { return tracking_; }

  void setVertical(bool vertical) { vertical_ = vertical; }
  bool isVertical() const { return vertical_; }
  void setUnderlined(bool on) { underlined_ = on; }
  bool isUnderlined() const { return underlined_; }
  void setOverlined(bool on) { overlined_ = on; }
  bool isOverlined() const { return overlined_; }
  void setBackward(bool on) { backward_ = on; }
  bool isBackward() const { return backward_; }
  void setUpsideDown(bool on) { upsideDown_ = on; }
  bool isUpsideDown() const { return upsideDown_; }

  Acad::ErrorStatus setStyleName(const ACHAR* name);
  Acad::ErrorStatus styleName(const ACHAR*& name) const;
  const ACHAR* styleName() const { return name_.c_str(); }

  // A TrueType font by its typeface ("" returns the style to its font file).
  Acad::ErrorStatus setFont(const ACHAR* pTypeface, bool bold, bool italic, int charset, int pitchAndFamily);
  // pTypeface: a new string the caller frees with acutDelString ("" without a typeface).
  Acad::ErrorStatus font(ACHAR*& pTypeface, bool& bold, bool& italic, int& charset, int& pitchAndFamily) const;

  // Prepares the style for drawing and measuring. Returns 1: the host's metrics serve every
  // font (isTrueType() tells which table measures it).
  int loadStyleRec(AcDbDatabase* pDb = nullptr) const;

  // The box of the text: x its width (advances x size x width factor, tracking applied), y the
  // text size. length -1: the text up to its end. Not raw: the "%%" codes count as the
  // characters they stand for.
  AcGePoint2d extents(const ACHAR* pStr, Adesk::Boolean standardCharactersOnly, int length, Adesk::Boolean isRaw,
                      AcGiWorldDraw* ctxt = nullptr) const;

  // Host: whether the style draws with a TrueType font, and the typeface itself.
  bool isTrueType() const;
  const std::wstring& typeface() const { return typeface_; }
  // Host: the characters a text shows (codes expanded unless raw, cut at length).
  static std::wstring shownText(const ACHAR* pStr, int length, bool isRaw);

 private:
  AcDbDatabase* database_ = nullptr;
  std::wstring file_ = L"txt", bigFont_, name_, typeface_;
  double size_ = 1.0, xScale_ = 1.0, oblique_ = 0.0, tracking_ = 1.0;
  bool bold_ = false, italic_ = false;
  int charset_ = 0, pitchAndFamily_ = 0;
  bool vertical_ = false, underlined_ = false, overlined_ = false, backward_ = false, upsideDown_ = false;
};

// Copies the record's name, font file, big font, typeface, size, width factor and obliquing
// angle into the style (eNullObjectId, or the open status when the record cannot be read).
Acad::ErrorStatus fromAcDbTextStyle(AcGiTextStyle& style, const AcDbObjectId& styleId);
// The record of that name in the working database is created or updated from the style.
Acad::ErrorStatus toAcDbTextStyle(AcGiTextStyle& style, const ACHAR* name);
