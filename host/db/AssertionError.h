// zhost::AssertionError: what a failed assertReadEnabled/assertWriteEnabled/assertNotifyEnabled
// throws (the platform stops there). Top-level handlers catch it with std::exception or "...".
#pragma once

#include <exception>
#include <string>

#include "host/rx/AcadErrorStatus.h"

namespace zhost {

class AssertionError : public std::exception {
 public:
  AssertionError(Acad::ErrorStatus status, std::string message)
      : status_(status), message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  // eNotOpenForRead, eNotOpenForWrite or eWasNotOpenForNotify.
  Acad::ErrorStatus status() const { return status_; }

 private:
  Acad::ErrorStatus status_;
  std::string message_;
};

}  // namespace zhost
