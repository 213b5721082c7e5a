// LIST: what each selected object says about itself.
#pragma once

namespace zhost {

void RegisterListCommand();

}  // namespace zhost
