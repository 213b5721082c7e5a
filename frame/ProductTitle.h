// The product title shown in the caption of the module's message boxes.
#pragma once

constexpr const wchar_t* kProductTitle = L"zenkora";
