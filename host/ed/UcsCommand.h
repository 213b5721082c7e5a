// The UCS command (World, Origin, Z, 3point, Previous) and the read-only system variables
// UCSORG, UCSXDIR, UCSYDIR and WORLDUCS. Both are registered when the host library loads.
#pragma once

namespace zhost {

// Registers the command and the variables (again: no harm).
void RegisterUcsCommand();

}  // namespace zhost
