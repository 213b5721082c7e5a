// AcDbHandle: an object's 64-bit handle, unique in its database and kept in drawing files. Its
// text form is upper-case hexadecimal without leading zeros ("0" for the null handle).
#pragma once

#include <cstddef>
#include <string>

#include "host/rx/adesk.h"
#include "host/rx/ads.h"

class AcDbHandle {
 public:
  AcDbHandle() = default;
  explicit AcDbHandle(Adesk::UInt64 value) : value_(value) {}
  AcDbHandle(int lo, int hi)
      : value_((Adesk::UInt64(Adesk::UInt32(hi)) << 32) | Adesk::UInt64(Adesk::UInt32(lo))) {}
  // Parses hexadecimal text (either case, at most 16 digits); anything else gives the null handle.
  explicit AcDbHandle(const ACHAR* text);
  explicit AcDbHandle(const std::wstring& text) : AcDbHandle(text.c_str()) {}

  AcDbHandle& operator=(Adesk::UInt64 value) {
    value_ = value;
    return *this;
  }
  AcDbHandle& operator=(const ACHAR* text) { return *this = AcDbHandle(text); }
  operator Adesk::UInt64() const { return value_; }  // NOLINT
  Adesk::UInt64 value() const { return value_; }

  bool isNull() const { return value_ == 0; }
  void setNull() { value_ = 0; }
  Adesk::UInt32 low() const { return Adesk::UInt32(value_ & 0xFFFFFFFFu); }
  Adesk::UInt32 high() const { return Adesk::UInt32(value_ >> 32); }
  void setValue(Adesk::UInt32 lo, Adesk::UInt32 hi) { value_ = (Adesk::UInt64(hi) << 32) | lo; }

  // Parses text as the text constructor does; false (handle unchanged) for text that is not a
  // handle.
  static bool parse(const ACHAR* text, AcDbHandle& out);

  // The text form into a buffer of at least 17 characters.
  void getIntoAsciiBuffer(ACHAR* buffer) const;
  // False (buffer holds "" when nBufLen > 0) when the buffer is too small.
  bool getIntoAsciiBuffer(ACHAR* buffer, size_t nBufLen) const;
  std::wstring text() const;

  AcDbHandle& increment() {
    ++value_;
    return *this;
  }
  AcDbHandle& decrement() {
    --value_;
    return *this;
  }
  AcDbHandle& operator++() { return increment(); }
  AcDbHandle operator++(int) {
    AcDbHandle old = *this;
    increment();
    return old;
  }
  AcDbHandle operator+(const AcDbHandle& other) const { return AcDbHandle(value_ + other.value_); }
  AcDbHandle operator-(const AcDbHandle& other) const { return AcDbHandle(value_ - other.value_); }
  AcDbHandle& operator+=(const AcDbHandle& other) {
    value_ += other.value_;
    return *this;
  }

  bool operator==(const AcDbHandle& o) const { return value_ == o.value_; }
  bool operator!=(const AcDbHandle& o) const { return value_ != o.value_; }
  bool operator<(const AcDbHandle& o) const { return value_ < o.value_; }
  bool operator>(const AcDbHandle& o) const { return value_ > o.value_; }
  bool operator<=(const AcDbHandle& o) const { return value_ <= o.value_; }
  bool operator>=(const AcDbHandle& o) const { return value_ >= o.value_; }

  static const AcDbHandle kNull;

 private:
  Adesk::UInt64 value_ = 0;
};
