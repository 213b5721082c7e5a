// UNDO and U: take back whole commands of the current drawing.
#pragma once

namespace zhost {

void RegisterUndoCommand();

}  // namespace zhost
