// QBdim: the chain dimension, a custom entity carrying a whole chain of measured segments along
// one dimension line. Each measured point owns one extension line; the segment between two
// neighbouring extensions carries one measurement text.
//
// The members are grouped by the files that define them:
//   QBdim.cpp              default construction, copying, options, class object
//   QBdimCreate.cpp        the creation constructor (a new chain from two points)
//   QBdimAccess.cpp        point slots, extension flags, symbols, size conversions
//   QBdimTexts.cpp         segment text records and appended-text lookups
//   QBdimFiling.cpp        DWG and DXF filing
//   QBdimGeometry.cpp      direction, extensions, dimension line, distances (straight chains)
//   QBdimArc.cpp           the arc chain: measured arc, dimension arc, parameters
//   QBdimFormat.cpp        the texts a chain shows: segment texts, sum, label, switches
//   QBdimTextPlace.cpp     where segment and appended texts stand
//   QBdimDraw.cpp          what a chain draws (QBdimDrawTexts.cpp: its texts; QBdimExplode.cpp: the
//                          explosion; QBdimMarks.cpp: the highlight and manual-text marks)
#pragma once

#include "host/db/AcDbArrays.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbObjectId.h"
#include "host/ge/AcGeCircArc3d.h"
#include "host/ge/AcGeLine3d.h"
#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGePoint3dArray.h"
#include "host/ge/AcGeVector3d.h"
#include "host/mfc/CString.h"
#include "host/mfc/Collections.h"
#include "proxy/AppendingText.h"

// Dimension types (m_dimType).
const int DIMTYPE_HORIZONTAL = 0;
const int DIMTYPE_VERTICAL = 1;
const int DIMTYPE_ALIGNED = 2;
const int DIMTYPE_ARC = 3;

// Extension flag word bits (arrayExtFlags).
const UINT EXTFLAG_HIDDEN = 0x001;
const UINT EXTFLAG_LEADER = 0x002;
const UINT EXTFLAG_SYMBOL1 = 0x010;
const UINT EXTFLAG_SYMBOL2 = 0x020;
const UINT EXTFLAG_SYMBOL3 = 0x040;
const UINT EXTFLAG_SYMBOL4 = 0x080;
const UINT EXTFLAG_SYMBOL5 = 0x100;
const UINT EXTFLAG_SYMBOL0 = 0x200;
const UINT EXTFLAG_SYMBOLS = 0x3F0;

// The format version written by dwgOutFields; a later version is kept as a proxy.
const int QBDIM_FILING_VERSION = 4;

class QBdim : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(QBdim);
  // Deletes the class registered by rxInit.
  static void rxUninit();

  // ---- construction and copying (QBdim.cpp) ----
  // Empty arrays, zero points and vectors, type 0, null ids (the pseudo-constructor's chain).
  QBdim();
  // A two-extension chain from p1 and p2 with its dimension line through dimLinePoint. vecDim
  // fixes the direction; arcId/arcSubent name the measured curve of an arc chain; ucs is the
  // coordinate system (null: the current UCS; null for an aligned chain also asks for an object
  // that gives the direction).
  QBdim(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& dimLinePoint, int dimType,
        const AcGeVector3d* vecDim, AcDbObjectId arcId, int arcSubent, const AcGeMatrix3d* ucs);
  ~QBdim() override;
  QBdim(const QBdim&) = delete;
  QBdim& operator=(const QBdim&) = delete;

  // m_vecNormal = (0,0,1); with keepOptions 0 the chain takes the current chain options.
  void Initialize(int keepOptions);
  // Origin and axes from ucs (null: the working database's current UCS); then UpdateDirection.
  void SetCoordSystem(const AcGeMatrix3d* ucs);
  int CopyFrom(const QBdim* src);
  // Options, text style and entity properties of src; keeps the own arc options 10, 11, 12, 14,
  // 15. Throws CInvalidArgException when src has fewer than two string options.
  int CopyParams(const QBdim* src);

  // ---- accessors (QBdimAccess.cpp) ----
  // arrayPoints.length() / 4.
  int GetExtensions() const;
  bool IsDimArc() const { return m_dimType == DIMTYPE_ARC; }
  // x axis × y axis of m_xyzAxis: the normal of the chain's plane.
  AcGeVector3d GetNormal() const;
  AcGePoint3d GetPointInput(int iExt) const;
  AcGePoint3d GetPointExt1(int iExt) const;
  AcGePoint3d GetPointDim(int iExt) const;
  AcGePoint3d GetPointExt2(int iExt) const;
  // Raw slot writes (4·iExt + k); indices outside throw CInvalidArgException.
  void SetPointSlot(int iExt, int k, const AcGePoint3d& p);

  int IsExtLineVisible(int iExt) const;
  int SetExtLineVisible(int iExt, int visible);
  int SetLeader(int iExt, int on);
  int GetSymbolType(int iExt) const;
  int SetSymbolType(int iExt, int type);

  // ScaleVal (0 becomes 0.01), or the annotation scale for an annotative scale name.
  double GetScaleValue();
  // x ÷ scale × AcadUnits: millimetres on paper to drawing units.
  double ScaledSize(double x);
  // A size given in percent of the text height (double option k), in drawing units.
  double AdaptByTextHeight(int k);

  // ---- segment texts and appended texts (QBdimTexts.cpp) ----
  int GetDimTextArray(int i, CStringArray& out) const;
  int SetDimTextArray(int i, const CStringArray& fields);
  int SetDimTextDim(int i, const wchar_t* text);
  int SetDimTextCode(int i, int code);
  int RefreshDimText(int i);
  int SetUserText(int i, const wchar_t* text);
  int SetPrefixText(int i, const wchar_t* text);
  int SetSuffixText(int i, const wchar_t* text);
  CString GetUserText(int i) const;
  CString GetPrefixText(int i) const;
  CString GetSuffixText(int i) const;
  // Position of the record in AppendTextList, or -1 with out null. Later duplicates are deleted.
  int GetAppendingText(int iExt, AppendingText*& out);
  int GetAppendingTextAt(const AcGePoint3d& anchor, AppendingText*& out);

  // ---- filing (QBdimFiling.cpp) ----
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus applyPartialUndo(AcDbDwgFiler* undoFiler, AcRxClass* classObj) override;
  bool isPlanar() const override { return false; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  // ---- geometry of straight chains (QBdimGeometry.cpp) ----
  // The direction of extension lines of a straight chain (m_vectorDim × the z axis).
  AcGeVector3d GetExtDirection() const;
  AcGeLine3d GetLineExt(int iExt);
  AcGePoint3d DimPointOf(const AcGePoint3d& p);
  int AddPointInput(AcGePoint3d p, int keepDuplicates);
  int SetPointInput(int iExt, AcGePoint3d p, int mode);
  int SetPointExt1(int iExt, AcGePoint3d p, int mode);
  int ApplyExtDirection(int iExt);
  int ChangePointMainDim(AcGePoint3d p, int keepLengths);
  int RearrangeExtensions(int iExt);
  int RemoveDimExt(int iExt);
  double GetDistance(int i);
  void UpdateDirection();
  // Returns the factor (-1 or +1); angle and side as out values.
  int GetDirectionAngle(int iExt, double& angle, int& side);
  // Side of an extension (±1) seen from p (null: its measured point).
  int GetExtSide(int iExt, double angle, const AcGePoint3d* p = nullptr);
  // Points and vectors in the chain's coordinate system and back.
  AcGePoint3d ToUcs(const AcGePoint3d& p) const;
  AcGeVector3d ToUcs(const AcGeVector3d& v) const;
  AcGePoint3d ToWorld(const AcGePoint3d& p) const;
  AcGeVector3d ToWorld(const AcGeVector3d& v) const;

  // ---- arc chains (QBdimArc.cpp) ----
  // New arcs (the caller deletes them) or null.
  AcGeCircArc3d* GetArcInput(int full);
  AcGeCircArc3d* GetArcDim(int i, double extend);
  int MakeParamArray();
  int ChangePointMainDimArc(AcGePoint3d p, int keepLengths);
  int SetPointInputArc(int iExt, AcGePoint3d& p, int mode);
  int UpdateArcEnds(int i);
  double UpdateArcDirection(int i);
  // An arc chain measuring a whole circle with a single measured point.
  bool IsFullCircleInput();
  // The measured curve opened for read (the caller closes it), or null.
  AcDbEntity* GetDbArcInput();

  // ---- texts a chain shows (QBdimFormat.cpp) ----
  // FormatMeasure(2, value) with the chain's own options.
  CString FormatSegment(double value);
  CString GetDimText(int i);
  int GetTextLines(int i, CStringArray& lines, AppendingText* app);
  CString GetChainLabel() const;
  int GetChainLabelPosition() const;
  int IsUserTextOutOfTolerance(int i);
  static double ParseDimText(const wchar_t* text);
  bool IsMCm() const;
  bool IsShowSum() const;
  bool IsWipeOut() const;
  bool IsAltUnits() const;

  // ---- text places (QBdimTextPlace.cpp) ----
  // The location code of segment i (field 0 after "#").
  int GetDimTextPos(int i, int absolute);
  // The anchor of text i for a code (negative: the segment's own code).
  AcGePoint3d& CenterPointText(AcGePoint3d& out, int i, int code);
  // Places text i by its code: 0 for a negative i, else 1.
  int PlaceText(int i);
  // Stores the text point of segment i (slot 3); p is projected into the chain's plane.
  int SetPointText(int i, AcGePoint3d& p, int followAppended);
  // True when the text point of segment i lies within 0.001 of the place of its code.
  bool IsTextAtDefaultPlace(int i);
  AcGePoint3d GetSegmentMidPoint(int i);
  int SetAppendingText(int iExt, const AppendingText* data);
  int DimRefresh(int mode);
  int Regenerate(int type);
  // The automatically chosen code of segment i (QBdimAutoPosition.cpp).
  int FindAutoPosition(int i);
  // The lines of text i (-100: the chain label) and the start point of each; 1 with a raised part.
  int GetPointText(int i, AcGePoint3dArray& points, CStringArray& lines, AppendingText* app, int code);
  // The four corners of the box of text i with a margin around it; width and height of the text.
  int GetTextBox(int i, double margin, AcGePoint3dArray& corners, double& width, double& height, AppendingText* app,
                 int code);
  // The reading direction of texts for a chain angle (always left to right), as a world vector.
  AcGeVector3d TextDirection(double angle) const;
  // Re-places every segment text: 'A' automatic, 'C' centred, 'G' only texts at their place, 'R'
  // then DimRefresh(1), 0 'A' or 'C' by the AutoPosition switch (QBdimAutoPosition.cpp).
  int AdjustTexts(int mode);
  int AdjustTextsAuto();       // 'C' for an arc chain, else 'A'
  int AdjustTextsCentred();    // 'C'
  int AdjustTextsKeepMoved();  // 'G'
  // Appended texts (QBdimAppendedTexts.cpp): by anchor, re-anchoring, and the place below the text.
  int SetAppendingTextAt(const AcGePoint3d& anchor, const AppendingText* data, int iExt);
  int SetAppendingTextPoint(const AcGePoint3d& anchor, const AcGePoint3d& newAnchor, int iExt);
  int SetAppendingTextPos(int iExt, AppendingText* rec);
  // Re-places every extension by its measured point after an editor command (QBdimRelayout.cpp).
  int Refresh();

  // ---- drawing (QBdimDraw.cpp; texts QBdimDrawTexts.cpp; explosion QBdimExplode.cpp; marks
  // QBdimMarks.cpp) ----
  // Draws the chain (true in every case, so viewportDraw is never asked for).
  Adesk::Boolean subWorldDraw(AcGiWorldDraw* wd) override;
  void subViewportDraw(AcGiViewportDraw* vd) override;
  Adesk::UInt32 subViewportDrawLogicalFlags(AcGiViewportDraw* vd) override;
  // The chain has no faces of its own: draws nothing.
  Acad::ErrorStatus drawFacets(AcGiWorldDraw* wd);
  // Draws into wd or, with wd null, appends the equivalent new entities to entitySet.
  Acad::ErrorStatus drawDimension(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet);
  // Texts, leaders, manual-text marks, the sum frame, appended texts and the chain label.
  int DrawDimTexts(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet);
  // The colour of the chain's texts from the text-height colour map (0 when none).
  int GetTextColor();
  int HasLeader(int i);
  // The leader of text i: 0 (none), 2 or 3 points.
  int GetLeaderPoints(int i, AcGePoint3dArray& pts);
  // The edge of text i's box that a manual-text mark underlines; 1 or 0.
  int GetPointsTextUser(int i, AcGePoint3d& a, AcGePoint3d& b);
  AcGeVector3d SymbolDirection(int k);
  double ExtensionAngle(int k);
  // drawDimension without a context into entitySet (no sum, no masks).
  Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const override;
  // A wide polyline mark over text i (types 1, 4), extension line i (2) or the dimension-line
  // piece ending at point i (3), appended to model space; out is its id (null when none).
  AcDbObjectId& MakeMark(AcDbObjectId& out, int i, int type);
  // Erases the temporary marks; with on != 0 marks segment i (its line, both extension lines,
  // its text). The number of marks shown.
  int ShowSegmentMarks(int i, int on);

  // ---- data, in declaration order ----
  AcDbObjectId m_arcObjectId;
  int m_arcSubent = 0;
  AcGePoint3dArray m_arcPoints{0, 8};
  CObArray AppendTextList;
  int m_dimType = DIMTYPE_HORIZONTAL;
  double m_dRotation = 0.0;
  AcGeVector3d m_vectorDim{0.0, 0.0, 0.0};
  CArray<double, double> arrayParam;
  AcGePoint3d m_xyzOrigin;
  AcGeVector3d m_xyzAxis[3];
  CArray<double, double> arrayDouble;
  CStringArray arrayString;
  CUIntArray arrayInt;
  CUIntArray arrayExtFlags;
  CStringArray arrayText;
  AcGePoint3dArray arrayPoints{0, 8};
  AcDbObjectId m_idTextStyle;
  AcGeVector3d m_vecNormal{0.0, 0.0, 0.0};

  // The appended text at position k of AppendTextList.
  AppendingText* AppendingTextAt(INT_PTR k) const { return static_cast<AppendingText*>(AppendTextList[k]); }
};
