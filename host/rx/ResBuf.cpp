// Result-buffer lists: allocation, release, building and copying.
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "host/rx/ads.h"

namespace {

enum class Slot { kNone, kReal, kPoint, kShort, kString, kName, kLong, kInt64, kBinary };

// Which member of resval a type uses: the ADS result types and the DXF group codes.
Slot SlotOf(int type) {
  switch (type) {
    case RTREAL: case RTANG: return Slot::kReal;
    case RTPOINT: case RT3DPOINT: return Slot::kPoint;
    case RTSHORT: return Slot::kShort;
    case RTSTR: return Slot::kString;
    case RTENAME: case RTPICKS: return Slot::kName;
    case RTLONG: return Slot::kLong;
    case RTLONG_PTR: case RTINT64: return Slot::kInt64;
    case RTNONE: case RTVOID: case RTLB: case RTLE: case RTDOTE: case RTNIL: case RTT: return Slot::kNone;
    case RTORINT: return Slot::kShort;
    default: break;
  }
  if (type == 1004 || (type >= 310 && type <= 319)) return Slot::kBinary;
  // -4: the conditional operators of selection filters ("<OR", "AND>" ...).
  if (type == -4 || (type >= 0 && type <= 9) || type == 100 || type == 102 || (type >= 300 && type <= 309) ||
      (type >= 320 && type <= 369) || (type >= 390 && type <= 399) || (type >= 410 && type <= 419) ||
      (type >= 430 && type <= 439) || (type >= 470 && type <= 479) || type == 999 ||
      (type >= 1000 && type <= 1009))
    return Slot::kString;
  if ((type >= 10 && type <= 17) || (type >= 1010 && type <= 1013) || type == 210 || type == 110 ||
      type == 111 || type == 112)
    return Slot::kPoint;
  if ((type >= 18 && type <= 59) || (type >= 140 && type <= 149) || (type >= 460 && type <= 469) ||
      (type >= 1014 && type <= 1059))
    return Slot::kReal;
  if ((type >= 60 && type <= 79) || (type >= 170 && type <= 179) || (type >= 270 && type <= 289) ||
      (type >= 370 && type <= 389) || (type >= 400 && type <= 409) || (type >= 1060 && type <= 1070))
    return Slot::kShort;
  if ((type >= 90 && type <= 99) || (type >= 420 && type <= 429) || (type >= 440 && type <= 459) || type == 1071)
    return Slot::kLong;
  if (type >= 160 && type <= 169) return Slot::kInt64;
  if (type == -1 || type == -2 || (type >= 330 && type <= 339)) return Slot::kName;
  if (type < 0) return Slot::kNone;
  return Slot::kNone;
}

}  // namespace

bool zhostRbHoldsString(int type) { return SlotOf(type) == Slot::kString; }

ACHAR* acutNewString(const ACHAR* text) {
  if (!text) text = L"";
  size_t n = std::wcslen(text) + 1;
  ACHAR* copy = static_cast<ACHAR*>(std::malloc(n * sizeof(ACHAR)));
  if (copy) std::wmemcpy(copy, text, n);
  return copy;
}

void acutDelString(ACHAR*& text) {
  std::free(text);
  text = nullptr;
}

resbuf* acutNewRb(int type) {
  resbuf* rb = static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
  if (!rb) return nullptr;
  rb->restype = static_cast<short>(type);
  return rb;
}

int acutRelRb(resbuf* rb) {
  while (rb) {
    resbuf* next = rb->rbnext;
    Slot slot = SlotOf(rb->restype);
    if (slot == Slot::kString) std::free(rb->resval.rstring);
    if (slot == Slot::kBinary) std::free(rb->resval.rbinary.buf);
    std::free(rb);
    rb = next;
  }
  return RTNORM;
}

static resbuf* CopyOne(const resbuf* src) {
  resbuf* rb = acutNewRb(src->restype);
  if (!rb) return nullptr;
  rb->resval = src->resval;
  Slot slot = SlotOf(src->restype);
  if (slot == Slot::kString) rb->resval.rstring = src->resval.rstring ? acutNewString(src->resval.rstring) : nullptr;
  if (slot == Slot::kBinary) {
    short n = src->resval.rbinary.clen;
    rb->resval.rbinary.buf = nullptr;
    if (n > 0 && src->resval.rbinary.buf) {
      rb->resval.rbinary.buf = static_cast<char*>(std::malloc(n));
      std::memcpy(rb->resval.rbinary.buf, src->resval.rbinary.buf, n);
    }
  }
  return rb;
}

resbuf* acutCopyRb(const resbuf* rb) {
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (; rb; rb = rb->rbnext) {
    *tail = CopyOne(rb);
    if (!*tail) break;
    tail = &(*tail)->rbnext;
  }
  return head;
}

resbuf* acutBuildList(int type, ...) {
  va_list args;
  va_start(args, type);
  resbuf* head = nullptr;
  resbuf** tail = &head;
  // The list ends at 0 or RTNONE; RTDXF0 stands for group 0 (0 itself would end the list).
  for (; type != 0 && type != RTNONE; type = va_arg(args, int)) {
    if (type == RTDXF0) type = 0;
    resbuf* rb = acutNewRb(type);
    if (!rb) {
      acutRelRb(head);
      head = nullptr;
      break;
    }
    switch (SlotOf(type)) {
      case Slot::kReal: rb->resval.rreal = va_arg(args, double); break;
      case Slot::kPoint: {
        const double* p = va_arg(args, const double*);
        for (int i = 0; i < 3; ++i) rb->resval.rpoint[i] = p ? p[i] : 0.0;
        break;
      }
      case Slot::kShort: rb->resval.rint = static_cast<short>(va_arg(args, int)); break;
      case Slot::kString: rb->resval.rstring = acutNewString(va_arg(args, const ACHAR*)); break;
      case Slot::kName: {
        const int64_t* n = va_arg(args, const int64_t*);
        rb->resval.rlname[0] = n ? n[0] : 0;
        rb->resval.rlname[1] = n ? n[1] : 0;
        break;
      }
      case Slot::kLong: rb->resval.rlong = va_arg(args, int32_t); break;
      case Slot::kInt64: rb->resval.mnInt64 = va_arg(args, int64_t); break;
      case Slot::kBinary: rb->resval.rbinary.clen = 0; rb->resval.rbinary.buf = nullptr; break;
      case Slot::kNone: break;
    }
    *tail = rb;
    tail = &rb->rbnext;
  }
  va_end(args);
  return head;
}
