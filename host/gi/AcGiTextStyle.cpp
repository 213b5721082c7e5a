// AcGiTextStyle and the copies between it and a drawing's text style records.
#include "host/gi/AcGiTextStyle.h"

#include <cmath>
#include <cwchar>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/gi/FontMetrics.h"

int AcGiTextStyle::setFileName(const ACHAR* fontName) {
  file_ = fontName ? fontName : L"";
  return 1;
}

int AcGiTextStyle::setBigFontFileName(const ACHAR* bigFontName) {
  bigFont_ = bigFontName ? bigFontName : L"";
  return 1;
}

Acad::ErrorStatus AcGiTextStyle::setStyleName(const ACHAR* name) {
  name_ = name ? name : L"";
  return Acad::eOk;
}

Acad::ErrorStatus AcGiTextStyle::styleName(const ACHAR*& name) const {
  name = name_.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcGiTextStyle::setFont(const ACHAR* pTypeface, bool bold, bool italic, int charset,
                                         int pitchAndFamily) {
  typeface_ = pTypeface ? pTypeface : L"";
  bold_ = bold;
  italic_ = italic;
  charset_ = charset;
  pitchAndFamily_ = pitchAndFamily;
  return Acad::eOk;
}

Acad::ErrorStatus AcGiTextStyle::font(ACHAR*& pTypeface, bool& bold, bool& italic, int& charset,
                                      int& pitchAndFamily) const {
  pTypeface = acutNewString(typeface_.c_str());
  if (!pTypeface) return Acad::eOutOfMemory;
  bold = bold_;
  italic = italic_;
  charset = charset_;
  pitchAndFamily = pitchAndFamily_;
  return Acad::eOk;
}

int AcGiTextStyle::loadStyleRec(AcDbDatabase*) const { return 1; }

bool AcGiTextStyle::isTrueType() const { return zhost::IsTrueTypeFont(file_, typeface_); }

std::wstring AcGiTextStyle::shownText(const ACHAR* pStr, int length, bool isRaw) {
  if (!pStr) return std::wstring();
  std::wstring text(pStr);
  if (length >= 0 && static_cast<size_t>(length) < text.size()) text.resize(static_cast<size_t>(length));
  return isRaw ? text : zhost::ExpandTextCodes(text);
}

AcGePoint2d AcGiTextStyle::extents(const ACHAR* pStr, Adesk::Boolean, int length, Adesk::Boolean isRaw,
                                   AcGiWorldDraw*) const {
  std::wstring text = shownText(pStr, length, isRaw);
  double advance = zhost::TextAdvance(text, isTrueType());
  double width = advance * size_ * xScale_ * (std::isfinite(tracking_) && tracking_ > 0 ? tracking_ : 1.0);
  return AcGePoint2d(width, size_);
}

Acad::ErrorStatus fromAcDbTextStyle(AcGiTextStyle& style, const AcDbObjectId& styleId) {
  if (styleId.isNull()) return Acad::eNullObjectId;
  AcDbTextStyleTableRecord* rec = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(rec, styleId, AcDb::kForRead);
  if (es != Acad::eOk) return es;
  const ACHAR* name = nullptr;
  if (rec->getName(name) == Acad::eOk) style.setStyleName(name);
  const ACHAR* file = nullptr;
  if (rec->fileName(file) == Acad::eOk) style.setFileName(file);
  const ACHAR* bigFont = nullptr;
  if (rec->bigFontFileName(bigFont) == Acad::eOk) style.setBigFontFileName(bigFont);
  ACHAR* typeface = nullptr;
  bool bold = false, italic = false;
  int charset = 0, pitch = 0;
  if (rec->font(typeface, bold, italic, charset, pitch) == Acad::eOk)
    style.setFont(typeface ? typeface : L"", bold, italic, charset, pitch);
  acutDelString(typeface);
  if (rec->textSize() > 0) style.setTextSize(rec->textSize());
  style.setXScale(rec->xScale());
  style.setObliquingAngle(rec->obliquingAngle());
  style.setVertical(rec->isVertical());
  rec->close();
  style.loadStyleRec();
  return Acad::eOk;
}

Acad::ErrorStatus toAcDbTextStyle(AcGiTextStyle& style, const ACHAR* name) {
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  if (!db) return Acad::eNoDatabase;
  if (!name || !*name) return Acad::eInvalidInput;
  AcDbTextStyleTable* table = nullptr;
  Acad::ErrorStatus es = db->getTextStyleTable(table, AcDb::kForWrite);
  if (es != Acad::eOk) return es;
  AcDbTextStyleTableRecord* rec = nullptr;
  bool created = false;
  if (table->getAt(name, rec, AcDb::kForWrite) != Acad::eOk) {
    rec = new AcDbTextStyleTableRecord;
    rec->setName(name);
    created = true;
  }
  rec->setFileName(style.fileName());
  rec->setBigFontFileName(style.bigFontFileName());
  rec->setFont(style.typeface().c_str(), false, false, 0, 0);
  rec->setTextSize(style.textSize());
  rec->setXScale(style.xScale());
  rec->setObliquingAngle(style.obliquingAngle());
  if (created) {
    es = table->add(rec);
    if (es != Acad::eOk) {
      delete rec;
      table->close();
      return es;
    }
  }
  rec->close();
  table->close();
  style.setStyleName(name);
  return Acad::eOk;
}
