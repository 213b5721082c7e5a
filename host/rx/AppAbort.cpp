// acrx_abort: the runtime's fatal error.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "host/rx/acrx.h"
#include "host/win/Console.h"
#include "host/win/TextConv.h"
#include "host/win/WideFormat.h"

void acrx_abort(const ACHAR* format, ...) {
  va_list args;
  va_start(args, format);
  std::wstring text = zhost::FormatWideV(format ? format : L"", args);
  va_end(args);
  zhost::Console::instance().print(L"\nFATAL ERROR: " + text + L"\n");
  std::fprintf(stderr, "zhost: fatal error: %s\n", zhost::ToUtf8(text).c_str());
  std::fflush(stdout);
  std::_Exit(70);
}
