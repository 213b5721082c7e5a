// The graphics layer's enumerations: regeneration types, arc kinds and fill types, shared by the
// draw contexts, the geometry and the sub-entity traits.
#pragma once

enum AcGiRegenType {
  eAcGiRegenTypeInvalid = 0,
  kAcGiStandardDisplay = 2,
  kAcGiHideOrShadeCommand = 3,
  kAcGiRenderCommand = 4,
  kAcGiShadedDisplay = kAcGiRenderCommand,
  kAcGiForExplode = 5,
  kAcGiSaveWorldDrawForProxy = 6,
};

enum AcGiArcType {
  kAcGiArcSimple = 0,  // the arc alone
  kAcGiArcSector,      // closed through the centre
  kAcGiArcChord,       // closed by the chord between its ends
};

enum AcGiFillType {
  kAcGiFillAlways = 1,
  kAcGiFillNever = 2,
};
