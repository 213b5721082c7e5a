// SVG rendering of a drawing from its regeneration record: polylines, filled outlines, circles,
// arcs and texts in world units with the y axis turned to point up, the view box around the
// primitives with a margin, colours from the colour index table (or true colours) on a white or
// dark background. Texts keep their deterministic width (textLength), so the picture does not
// depend on the fonts of the viewer.
#pragma once

#include <string>

#include "host/gi/Primitive.h"

class AcDbDatabase;

namespace zhost {

struct SvgOptions {
  bool darkBackground = false;  // white (#ffffff) or dark (#212830); colour 7 contrasts with it
  double margin = 0.05;         // of the larger side of the primitives' extents, at least 1 unit
  int pixelSize = 1000;         // the larger side of the picture in pixels
  bool paperSpace = false;      // render paper space instead of model space
};

// The SVG text of the record's entities of one space (all entities when blockId is null).
std::string RenderSvg(const RegenRecord& record, AcDbObjectId blockId, const SvgOptions& options);

// Regenerates the drawing and writes the SVG of its model space (or paper space) to path,
// replacing the file safely. False with a message in *error when the file cannot be written.
bool WriteSvg(AcDbDatabase* db, const std::wstring& path, const SvgOptions& options, std::wstring* error = nullptr);

}  // namespace zhost
