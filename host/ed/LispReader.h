// The LISP reader: text to expressions, refusing text that does not parse with a message that
// names the problem.
#pragma once

#include <string>
#include <vector>

#include "host/ed/LispValue.h"

namespace zhost {
namespace lisp {

struct ReadResult {
  std::vector<ValuePtr> expressions;
  std::wstring error;  // empty when the whole text parsed
  bool ok() const { return error.empty(); }
};

ReadResult Read(const std::wstring& text);

}  // namespace lisp
}  // namespace zhost
