// Enumerations of the database layer shared by objects, entities, filers and tables.
#pragma once

namespace AcDb {

enum Visibility { kVisible = 0, kInvisible = 1 };

enum OpenMode { kForRead = 0, kForWrite = 1, kForNotify = 2 };

// What a filer is used for; objects may file differently for undo or copies.
enum FilerType {
  kFileFiler = 0,
  kCopyFiler = 1,
  kUndoFiler = 2,
  kBagFiler = 3,
  kIdXlateFiler = 4,
  kPageFiler = 5,
  kDeepCloneFiler = 6,
  kIdFiler = 7,
  kPurgeFiler = 8,
  kWblockCloneFiler = 9,
};

enum LineWeight {
  kLnWt000 = 0, kLnWt005 = 5, kLnWt009 = 9, kLnWt013 = 13, kLnWt015 = 15, kLnWt018 = 18,
  kLnWt020 = 20, kLnWt025 = 25, kLnWt030 = 30, kLnWt035 = 35, kLnWt040 = 40, kLnWt050 = 50,
  kLnWt053 = 53, kLnWt060 = 60, kLnWt070 = 70, kLnWt080 = 80, kLnWt090 = 90, kLnWt100 = 100,
  kLnWt106 = 106, kLnWt120 = 120, kLnWt140 = 140, kLnWt158 = 158, kLnWt200 = 200, kLnWt211 = 211,
  kLnWtByLayer = -1, kLnWtByBlock = -2, kLnWtByLwDefault = -3,
};

enum Intersect { kOnBothOperands = 0, kExtendThis = 1, kExtendArg = 2, kExtendBoth = 3 };

enum OsnapMode {
  kOsModeEnd = 1, kOsModeMid = 2, kOsModeCen = 3, kOsModeNode = 4, kOsModeQuad = 5,
  kOsModeIns = 6, kOsModePerp = 7, kOsModeTan = 8, kOsModeNear = 9, kOsModeApint = 10,
  kOsModePar = 11, kOsModeStart = 12,
};

enum Planarity { kNonPlanar = 0, kPlanar = 1, kLinear = 2 };

enum SubentType { kNullSubentType = 0, kFaceSubentType = 1, kEdgeSubentType = 2, kVertexSubentType = 3,
                  kMlineSubentCache = 4, kClassSubentType = 5, kAxisSubentType = 6 };

enum UnitsValue {
  kUnitsUndefined = 0, kUnitsInches = 1, kUnitsFeet = 2, kUnitsMiles = 3, kUnitsMillimeters = 4,
  kUnitsCentimeters = 5, kUnitsMeters = 6, kUnitsKilometers = 7, kUnitsMicroinches = 8, kUnitsMils = 9,
  kUnitsYards = 10, kUnitsAngstroms = 11, kUnitsNanometers = 12, kUnitsMicrons = 13, kUnitsDecimeters = 14,
  kUnitsDekameters = 15, kUnitsHectometers = 16, kUnitsGigameters = 17, kUnitsAstronomical = 18,
  kUnitsLightYears = 19, kUnitsParsecs = 20, kUnitsMax = kUnitsParsecs,
};

// Drawing file versions; the host writes its own format whatever the value.
enum AcDbDwgVersion {
  kDHL_MC0_0 = 0, kDHL_1800 = 23, kDHL_1021 = 25, kDHL_1024 = 27, kDHL_1027 = 29, kDHL_1032 = 31,
  kDHL_CURRENT = kDHL_1032, kDHL_Unknown = 32766, kDHL_Max = 32767,
};

enum MaintenanceReleaseVersion { kMReleaseCurrent = 0 };

// Which proxy operations a class allows (AcRxClass proxy flags).
enum ProxyFlags {
  kNoOperation = 0,
  kEraseAllowed = 0x1,
  kTransformAllowed = 0x2,
  kColorChangeAllowed = 0x4,
  kLayerChangeAllowed = 0x8,
  kLinetypeChangeAllowed = 0x10,
  kLinetypeScaleChangeAllowed = 0x20,
  kVisibilityChangeAllowed = 0x40,
  kCloningAllowed = 0x80,
  kLineWeightChangeAllowed = 0x100,
  kPlotStyleNameChangeAllowed = 0x200,
  kAllButCloningAllowed = 0x37F,
  kAllAllowedBits = 0x3FF,
  kDisableProxyWarning = 0x400,
  kMaterialChangeAllowed = 0x800,
};

// DXF group codes.
enum DxfCode {
  kDxfInvalid = -9999, kDxfXDictionary = -6, kDxfPReactors = -5, kDxfOperator = -4, kDxfXDataStart = -3,
  kDxfHeaderId = -2, kDxfFirstEntId = -2, kDxfEnd = -1, kDxfStart = 0,
  kDxfText = 1, kDxfXRefPath = 1, kDxfShapeName = 2, kDxfBlockName = 2, kDxfAttributeTag = 2,
  kDxfSymbolTableName = 2, kDxfMstyleName = 2, kDxfSymTableRecName = 2, kDxfAttributePrompt = 3,
  kDxfDimStyleName = 3, kDxfLinetypeProse = 3, kDxfTextFontFile = 3, kDxfDescription = 3,
  kDxfDimPostStr = 3, kDxfTextBigFontFile = 4, kDxfDimAPostStr = 4, kDxfCLShapeName = 4,
  kDxfSymTableRecComments = 4, kDxfHandle = 5, kDxfDimBlk = 5, kDxfDimBlk1 = 6, kDxfLinetypeName = 6,
  kDxfDimBlk2 = 7, kDxfTextStyleName = 7, kDxfLayerName = 8, kDxfCLShapeText = 9,
  kDxfXCoord = 10, kDxfYCoord = 20, kDxfZCoord = 30, kDxfElevation = 38, kDxfThickness = 39,
  kDxfReal = 40, kDxfTxtSize = 40, kDxfTxtStyleXScale = 41, kDxfTxtStylePSize = 42,
  kDxfLinetypeScale = 48, kDxfDashLength = 49, kDxfAngle = 50, kDxfVisibility = 60,
  kDxfLayerLinetype = 61, kDxfColor = 62, kDxfHasSubentities = 66, kDxfInt16 = 70,
  kDxfRegAppFlags = 71, kDxfTxtStyleFlags = 71, kDxfLinetypeAlign = 72, kDxfLinetypePDC = 73,
  kDxfInt32 = 90, kDxfVertexIdentifier = 91, kDxfSubclass = 100, kDxfEmbeddedObjectStart = 101,
  kDxfControlString = 102, kDxfDimVarHandle = 105, kDxfUCSOrg = 110, kDxfUCSOriX = 111,
  kDxfUCSOriY = 112, kDxfXReal = 140, kDxfInt64 = 160, kDxfXInt16 = 170, kDxfNormalX = 210,
  kDxfNormalY = 220, kDxfNormalZ = 230, kDxfXXInt16 = 270, kDxfInt8 = 280, kDxfBool = 290,
  kDxfXTextString = 300, kDxfBinaryChunk = 310, kDxfArbHandle = 320, kDxfSoftPointerId = 330,
  kDxfHardPointerId = 340, kDxfSoftOwnershipId = 350, kDxfHardOwnershipId = 360,
  kDxfLineWeight = 370, kDxfPlotStyleNameType = 380, kDxfPlotStyleNameId = 390, kDxfXXXInt16 = 400,
  kDxfLayoutName = 410, kDxfColorRGB = 420, kDxfColorName = 430, kDxfAlpha = 440, kDxfComment = 999,
  kDxfXdAsciiString = 1000, kDxfRegAppName = 1001, kDxfXdControlString = 1002, kDxfXdLayerName = 1003,
  kDxfXdBinaryChunk = 1004, kDxfXdHandle = 1005, kDxfXdXCoord = 1010, kDxfXdYCoord = 1020,
  kDxfXdZCoord = 1030, kDxfXdWorldXCoord = 1011, kDxfXdWorldYCoord = 1021, kDxfXdWorldZCoord = 1031,
  kDxfXdWorldXDisp = 1012, kDxfXdWorldYDisp = 1022, kDxfXdWorldZDisp = 1032, kDxfXdWorldXDir = 1013,
  kDxfXdWorldYDir = 1023, kDxfXdWorldZDir = 1033, kDxfXdReal = 1040, kDxfXdDist = 1041,
  kDxfXdScale = 1042, kDxfXdInteger16 = 1070, kDxfXdInteger32 = 1071, kDxfXdMax = 1071,
};

}  // namespace AcDb

namespace AcDb {

enum XrefStatus {
  kXrfNotAnXref = 0,
  kXrfResolved = 1,
  kXrfUnloaded = 2,
  kXrfUnreferenced = 3,
  kXrfFileNotFound = 4,
  kXrfUnresolved = 5,
};

}  // namespace AcDb
