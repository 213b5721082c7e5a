// Where modal user-interface elements (DoModal, TrackPopupMenu without a queued answer) take
// the user's actions while they wait: the command processor gives them the script's next
// lines while those are directives ("%dialog ...", "%menu ..."). The editor layer installs the
// source; without one a waiting element gets no action and is cancelled.
#pragma once

namespace zhost {

// The source runs the script's next action and returns true, or returns false when the next
// input is not an action (or there is none).
void SetScriptActionSource(bool (*source)());
// Runs the next action through the source; false when there is none.
bool RunNextScriptAction();

}  // namespace zhost
