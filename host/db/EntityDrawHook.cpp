// The installed drawing function of the host's entities.
#include "host/db/EntityDrawHook.h"

namespace zhost {

namespace {
HostEntityDrawFn gDraw = nullptr;
}  // namespace

void SetHostEntityDraw(HostEntityDrawFn fn) { gDraw = fn; }
HostEntityDrawFn HostEntityDraw() { return gDraw; }

}  // namespace zhost
