// The platform's fixed-size integer types and its boolean, in namespace Adesk.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Adesk {

typedef std::int8_t Int8;
typedef std::int16_t Int16;
typedef std::int32_t Int32;
typedef std::int64_t Int64;
typedef std::uint8_t UInt8;
typedef std::uint16_t UInt16;
typedef std::uint32_t UInt32;
typedef std::uint64_t UInt64;

typedef std::intptr_t IntPtr;
typedef std::uintptr_t UIntPtr;
typedef std::intptr_t LongPtr;
typedef std::uintptr_t ULongPtr;
typedef std::int64_t IntDbId;
typedef std::intptr_t GsMarker;

typedef bool Boolean;
const Boolean kFalse = false;
const Boolean kTrue = true;

}  // namespace Adesk
