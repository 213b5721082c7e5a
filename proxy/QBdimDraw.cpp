// What a chain dimension draws: the entry points of the graphics system, and drawDimension, which
// draws the extension lines, the dimension line or arc and the symbols into a draw context or, for
// an explosion, creates them as entities. The texts are in QBdimDrawTexts.cpp.
#include <cmath>

#include "acadobjects/Angles.h"
#include "acadobjects/CurveHelpers.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/ed/CommandLine.h"
#include "host/gi/AcGiWorldDraw.h"
#include "host/mfc/Exceptions.h"
#include "host/rx/AcadErrorStatusText.h"
#include "proxy/ChainDrawPrimitives.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimGeomOptions.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"

using qbgeom::ChainInt;
using qbgeom::GlobalDouble;
using qbgeom::GlobalOptInt;

namespace {

const double kHalfPiValue = 1.57079632675;

#define ZK_WIDE_TEXT2(x) L##x
#define ZK_WIDE_TEXT(x) ZK_WIDE_TEXT2(x)

// A failed drawing step goes to the command line and the log with where it was reported.
void ReportStatus(Acad::ErrorStatus es, int line) {
  const wchar_t* file = ZK_WIDE_TEXT(__FILE__);
  acutPrintf(L"\n!!! %s@%d: %s ", file, line, acadErrorStatusText(es));
  TraceMsgF(L"\n!!! %s@%d: %s ", file, line, acadErrorStatusText(es));
}

// The global WipeOut switch set for the chain's texts, restored whatever happens.
class WipeOutSwitchScope {
 public:
  explicit WipeOutSwitchScope(bool on) : saved_(GlobalOptInt(IND_OPT_B_WipeOut)) {
    qbgeom::SetGlobalOptInt(IND_OPT_B_WipeOut, on ? 1 : 0);
  }
  ~WipeOutSwitchScope() { qbgeom::SetGlobalOptInt(IND_OPT_B_WipeOut, saved_); }
  WipeOutSwitchScope(const WipeOutSwitchScope&) = delete;
  WipeOutSwitchScope& operator=(const WipeOutSwitchScope&) = delete;

 private:
  int saved_;
};

// The global option object's iCurrentMode set to the chain mode for a lookup.
class ChainModeScope {
 public:
  ChainModeScope() : saved_(pGlobDimOptions->iCurrentMode) { pGlobDimOptions->iCurrentMode = MODE_DIM; }
  ~ChainModeScope() { pGlobDimOptions->iCurrentMode = saved_; }
  ChainModeScope(const ChainModeScope&) = delete;
  ChainModeScope& operator=(const ChainModeScope&) = delete;

 private:
  int saved_;
};

// A style draws with a TrueType font when its font file ends in "TTF" or it has no font file.
bool IsTrueTypeStyle(AcDbObjectId styleId) {
  AcDbTextStyleTableRecord* record = nullptr;
  if (styleId.isNull() || acdbOpenObject(record, styleId, AcDb::kForRead) != Acad::eOk || !record) return false;
  const ACHAR* file = nullptr;
  CString name;
  if (record->fileName(file) == Acad::eOk && file) name = file;
  record->close();
  name.Trim();
  return name.IsEmpty() || name.Right(3).CompareNoCase(L"TTF") == 0;
}

bool StrictlyBetween90And180(double a) {
  const double d = RoundDegrees0(a);
  return d > 90.0 && d < 180.0;
}

}  // namespace

Adesk::Boolean QBdim::subWorldDraw(AcGiWorldDraw* wd) {
  try {
    TraceMsg(L"\nQBdim::worldDraw  START ");
    if (!wd) return Adesk::kTrue;
    const AcGiRegenType type = wd->regenType();
    TraceMsgF(L": %d  St.D:%d Proxy:%d ", static_cast<int>(type), static_cast<int>(kAcGiStandardDisplay),
              static_cast<int>(kAcGiSaveWorldDrawForProxy));
    assertReadEnabled();
    if (!pGlobDimOptions || arrayInt.GetSize() == 0 || arrayDouble.GetSize() == 0 || arrayString.GetSize() == 0) {
      TraceMsg(L"\nQBdim::worldDraw - no options, nothing drawn ");
      return Adesk::kTrue;
    }
    if (wd->regenAbort()) return Adesk::kTrue;
    Acad::ErrorStatus es = Acad::eOk;
    switch (type) {
      case kAcGiStandardDisplay:
      case kAcGiForExplode:
      case kAcGiSaveWorldDrawForProxy:
        es = drawDimension(wd, nullptr);
        if (es != Acad::eOk) ReportStatus(es, __LINE__);
        break;
      case kAcGiHideOrShadeCommand:
      case kAcGiRenderCommand:
        es = drawFacets(wd);
        if (es != Acad::eOk) ReportStatus(es, __LINE__);
        es = drawDimension(wd, nullptr);
        if (es != Acad::eOk) ReportStatus(es, __LINE__);
        break;
      default:
        TraceMsg(L"\n !!!! ****** Error on WorldDraw !!!");
        break;
    }
  } catch (CException* e) {
    e->Delete();
    TraceMsg(L"\n!!! QBdim::worldDraw ANY ERROR ");
  } catch (...) {
    TraceMsg(L"\n!!! QBdim::worldDraw ANY ERROR ");
  }
  return Adesk::kTrue;
}

void QBdim::subViewportDraw(AcGiViewportDraw*) {
  try {
    TraceMsg(L"\n   QBdim::viewPortDraw - STOP");
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
}

Adesk::UInt32 QBdim::subViewportDrawLogicalFlags(AcGiViewportDraw*) { return 0; }

Acad::ErrorStatus QBdim::drawFacets(AcGiWorldDraw*) { return Acad::eOk; }

Acad::ErrorStatus QBdim::drawDimension(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet) {
  TraceMsg(L"\n  drawDimension - START");
  const int n = GetExtensions();
  if (n < 2) return Acad::eOk;
  if (!pGlobDimOptions) return Acad::eInvalidInput;

  const AcGeVector3d normal = GetNormal();
  AcGeVector3d lastDirection = m_vectorDim;
  double S = 0.0;
  try {
    S = ScaledSize(GlobalDouble(IND_D_TickSize));
    const double O = ScaledSize(GlobalDouble(IND_D_ExtendBeyondDimLine));
    double X = ScaledSize(GlobalDouble(IND_D_ExtendBeyondTick));
    const Adesk::UInt16 entityColor = colorIndex();
    const double s = normal.z < 0.0 ? -1.0 : 1.0;
    const bool asCircle = ChainInt(*this, IND_I_ArcDimAsCircle) != 0;
    const bool fullCircle = IsFullCircleInput();

    double a = 0.0;
    int side = 1;
    int f = GetDirectionAngle(0, a, side);
    if (StrictlyBetween90And180(a)) f = -f;
    if (wd) wd->subEntityTraits().setSelectionMarker(0);

    for (int k = 0; k < n; ++k) {
      if (IsDimArc()) {
        f = GetDirectionAngle(-k, a, side);
        if (StrictlyBetween90And180(a)) f = -f;
      }
      const AcGePoint3d Pk = GetPointDim(k);
      const AcGePoint3d Ek = GetPointExt1(k);
      const AcGePoint3d Ik = GetPointInput(k);

      // Extension line.
      AcGePoint3d extLine[2] = {Ek, Pk};
      if (fullCircle) {
        extLine[0] = Ik;
      } else if (O != 0.0) {
        SetExtendPoint(extLine[1], Ek, O);
      }
      if (wd) wd->subEntityTraits().setSelectionMarker(3 * k + 2);
      if (IsExtLineVisible(k)) DrawLine(wd, entitySet, extLine);

      if (wd) {
        wd->subEntityTraits().setSelectionMarker(3 * k + 3);
        wd->subEntityTraits().setColor(entityColor);
      }

      // Dimension line.
      if (k >= 1 && !IsDimArc()) {
        if (GetSymbolType(k) == 4) X = 0.0;
        const AcGePoint3d Pprev = GetPointDim(k - 1);
        AcGePoint3d piece[2] = {Pprev, Pk};
        if (X != 0.0 && (k == 1 || k == n - 1)) {
          const AcGePoint3d u0 = ToUcs(Pprev), u1 = ToUcs(Pk);
          double e = 1.0;
          if (RoundDegrees0(a) == 90.0 && u1.y > u0.y) {
            e = -1.0;
          } else if (u1.x > u0.x) {
            e = -1.0;
          }
          if (StrictlyBetween90And180(a)) e = -e;
          const AcGeVector3d v = ToWorld(AcGeVector3d(e * X * std::cos(a), e * X * f * std::sin(a), 0.0));
          if (k == 1) piece[0] += v;
          if (k == n - 1) piece[1] -= v;
        }
        DrawLine(wd, entitySet, piece);
      } else if (k == 1 && IsDimArc() && !fullCircle) {
        if (ChainInt(*this, IND_I_LastType) == 4) X = 0.0;
        AcGeCircArc3d* arc = GetArcDim(-1, X);
        if (!arc) {
          TraceMsg(L"\n******* !!!*pGeArc*pGeArc*pGeArc*pGeArc*pGeArc *****");
        } else if (asCircle) {
          DrawCircle(wd, entitySet, arc->center(), arc->radius(), arc->normal(), false);
        } else {
          const double mid = (arc->startAng() + arc->endAng()) / 2.0;
          DrawArc3P(wd, entitySet, arc->startPoint(), arc->evalPoint(mid), arc->endPoint());
        }
        delete arc;
      }

      // Symbol.
      if (fullCircle) {
        if (S != 0.0) {
          AcGeVector3d body = Pk - Ik;
          if (!body.isZeroLength()) body.normalize();
          DrawArrowHead(wd, entitySet, Ik, body, S, S / 5.0);
        }
        break;
      }
      if (S == 0.0) continue;
      const AcGeVector3d d = SymbolDirection(k);
      lastDirection = d;
      switch (GetSymbolType(k)) {
        case 0:
          break;
        case 2:
          DrawCircle(wd, entitySet, Pk, S / 4.0, normal, true);
          break;
        case 3:
          DrawCircle(wd, entitySet, Pk, S / 4.0, normal, false);
          break;
        case 4:
          if (asCircle || k < n - 1) DrawArrowHead(wd, entitySet, Pk, d, S, S / 5.0);
          if (asCircle || k > 0) DrawArrowHead(wd, entitySet, Pk, -d, S, S / 5.0);
          break;
        case 5:
          DrawCross(wd, entitySet, Pk, S / 2.0, d, normal);
          break;
        default: {
          AcGePoint3d tick[2] = {AcGePoint3d(Pk.x - S / 2.0, Pk.y - s * S / 2.0, Pk.z),
                                 AcGePoint3d(Pk.x + S / 2.0, Pk.y + s * S / 2.0, Pk.z)};
          const AcGeMatrix3d turn =
              AcGeMatrix3d::rotation(ExtensionAngle(k) - kHalfPiValue, AcGeVector3d::kZAxis, Pk);
          tick[0].transformBy(turn);
          tick[1].transformBy(turn);
          DrawLine(wd, entitySet, tick);
          break;
        }
      }
    }

    WipeOutSwitchScope wipeOut(IsWipeOut());
    DrawDimTexts(wd, entitySet);
  } catch (CException* e) {
    e->Delete();
    TraceMsg(L"\n*********\n**ANY ERROR ON DrawDimension");
    acutPrintf(L"\nANY ERROR ON DrawDimension");
    return Acad::eOk;
  } catch (...) {
    TraceMsg(L"\n*********\n**ANY ERROR ON DrawDimension");
    acutPrintf(L"\nANY ERROR ON DrawDimension");
    return Acad::eOk;
  }

  if (GlobalOptInt(IND_OPT_B_ShowInputPoints)) {
    try {
      if (wd) wd->subEntityTraits().setColor(colorIndex());
      for (int k = 0; k < n; ++k) {
        if (wd) wd->subEntityTraits().setSelectionMarker(3 * k + 2);
        DrawCross(wd, entitySet, GetPointInput(k), S / 5.0, lastDirection, normal);
      }
    } catch (CException* e) {
      e->Delete();
      TraceMsg(L"\n*********\n**ANY ERROR ON ShowInputPoints ");
      acutPrintf(L"\nANY ERROR ON ShowInputPoints");
      return Acad::eOk;
    } catch (...) {
      TraceMsg(L"\n*********\n**ANY ERROR ON ShowInputPoints ");
      acutPrintf(L"\nANY ERROR ON ShowInputPoints");
      return Acad::eOk;
    }
  }
  TraceMsg(L"\n  drawDimension - STOP");
  return Acad::eOk;
}

AcGeVector3d QBdim::SymbolDirection(int k) {
  if (!IsDimArc()) return m_vectorDim;
  AcGeCircArc3d* arc = GetArcDim(-1, 0.0);
  AcGeVector3d tangent;
  if (arc) {
    AcGePoint3d p = GetPointDim(k);
    const AcGePoint3d centre = arc->center();
    if (p.distanceTo(centre) < 0.001) p += AcGeVector3d(0.002, 0.0, 0.0);
    tangent = GetNormal().crossProduct(p - centre);
    delete arc;
  }
  if (tangent.isZeroLength()) {
    TraceMsg(L"\n **** !tangent! ***");
    tangent = GetPointDim(1) - GetPointDim(0);
  }
  if (!tangent.isZeroLength()) tangent.normalize();
  return tangent;
}

double QBdim::ExtensionAngle(int k) {
  if (!IsDimArc()) return m_dRotation + kHalfPiValue;
  AcGeVector3d dir = GetPointDim(k) - GetPointExt1(k);
  if (dir.isZeroLength()) dir = GetLineExt(k).direction();
  if (dir.isZeroLength()) return kHalfPiValue;
  // Measured like every other chain angle (the angle from the direction to the x axis), so that
  // the tick stands at 45 degrees to the dimension arc as it does on a straight chain.
  return kPi - dir.angleTo(AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
}

int QBdim::GetTextColor() {
  if (!pGlobDimOptions) return 0;
  const double key = IsTrueTypeStyle(m_idTextStyle) ? 0.0 : qbgeom::ChainDouble(*this, IND_D_TextHeight);
  ChainModeScope mode;
  return pGlobDimOptions->GetColorForTextHeight(key);
}
