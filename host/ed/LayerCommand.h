// -LAYER: layers at the command line (make, set, new, on, off, freeze, thaw, lock, unlock,
// colour, and "?" to list them).
#pragma once

#include <string>

namespace zhost {

void RegisterLayerCommand();

// Whether name matches the pattern ("*" any run, "?" one character), without regard to case.
bool LayerNameMatches(const std::wstring& pattern, const std::wstring& name);

}  // namespace zhost
