// The ADS side of LISP: external functions of applications, their calls through kInvkSubrMsg,
// argument and result lists.
#include <climits>

#include "host/ed/Lisp.h"
#include "host/ed/LispInterpreter.h"
#include "host/ed/UpperCase.h"
#include "host/rx/AcRxDynamicLinker.h"

namespace zhost {
namespace lisp {
namespace {

void Append(resbuf**& tail, resbuf* rb) {
  *tail = rb;
  tail = &rb->rbnext;
}

void AppendValue(resbuf**& tail, const ValuePtr& v) {
  if (!v) return Append(tail, acutNewRb(RTNIL));
  switch (v->type) {
    case Type::kInt: {
      bool small = v->i >= SHRT_MIN && v->i <= SHRT_MAX;
      resbuf* rb = acutNewRb(small ? RTSHORT : RTLONG);
      if (small) rb->resval.rint = static_cast<short>(v->i);
      else rb->resval.rlong = v->i;
      return Append(tail, rb);
    }
    case Type::kReal: {
      resbuf* rb = acutNewRb(RTREAL);
      rb->resval.rreal = v->r;
      return Append(tail, rb);
    }
    case Type::kSymbol:
      if (v->s == L"T") return Append(tail, acutNewRb(RTT));
      [[fallthrough]];
    case Type::kString: {
      resbuf* rb = acutNewRb(RTSTR);
      rb->resval.rstring = acutNewString(v->s.c_str());
      return Append(tail, rb);
    }
    case Type::kCons: break;
  }
  std::vector<ValuePtr> items = ToVector(v);
  ValuePtr last = v;
  while (last && last->type == Type::kCons && last->cdr && last->cdr->type == Type::kCons) last = last->cdr;
  bool dotted = last && last->cdr && last->cdr->type != Type::kCons;
  bool point = !dotted && (items.size() == 2 || items.size() == 3);
  for (const auto& item : items) point = point && IsNumber(item);
  if (point) {
    resbuf* rb = acutNewRb(items.size() == 2 ? RTPOINT : RT3DPOINT);
    for (size_t i = 0; i < items.size(); ++i) rb->resval.rpoint[i] = NumberOf(items[i]);
    return Append(tail, rb);
  }
  Append(tail, acutNewRb(RTLB));
  for (const auto& item : items) AppendValue(tail, item);
  if (dotted) {
    Append(tail, acutNewRb(RTDOTE));
    AppendValue(tail, last->cdr);
  }
  Append(tail, acutNewRb(RTLE));
}

ValuePtr FromOne(const resbuf*& rb);

ValuePtr FromList(const resbuf*& rb) {
  std::vector<ValuePtr> items;
  ValuePtr tail;
  while (rb && rb->restype != RTLE) {
    if (rb->restype == RTDOTE) {
      rb = rb->rbnext;
      if (rb && rb->restype != RTLE) tail = FromOne(rb);
      continue;
    }
    items.push_back(FromOne(rb));
  }
  if (rb) rb = rb->rbnext;  // the RTLE
  ValuePtr list = tail;
  for (auto it = items.rbegin(); it != items.rend(); ++it) list = Cons(*it, list);
  return list;
}

// Converts one element (a whole list for RTLB) and moves past it.
ValuePtr FromOne(const resbuf*& rb) {
  const resbuf* cur = rb;
  rb = rb->rbnext;
  switch (cur->restype) {
    case RTSTR: return Str(cur->resval.rstring ? cur->resval.rstring : L"");
    case RTSHORT: return Int(cur->resval.rint);
    case RTLONG: return Int(cur->resval.rlong);
    case RTREAL:
    case RTANG:
    case RTORINT: return Real(cur->resval.rreal);
    case RTPOINT: return List({Real(cur->resval.rpoint[0]), Real(cur->resval.rpoint[1])});
    case RT3DPOINT: return List({Real(cur->resval.rpoint[0]), Real(cur->resval.rpoint[1]), Real(cur->resval.rpoint[2])});
    case RTT: return T();
    case RTNIL: return nullptr;
    case RTVOID:
    case RTNONE: return Void();
    case RTLB: return FromList(rb);
    default: return nullptr;
  }
}

ValuePtr FromResbuf(const resbuf* rb) {
  if (!rb) return nullptr;
  ValuePtr first = FromOne(rb);
  return first;
}

}  // namespace

resbuf* ToResbuf(const std::vector<ValuePtr>& values) {
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (const auto& v : values) AppendValue(tail, v);
  return head;
}

ValuePtr CallAds(Interpreter& lisp, const std::wstring& name, const AdsFunction& fn, const std::vector<ValuePtr>& args) {
  AcRxDynamicLinker* linker = Linker();
  const AppRecord* app = linker ? linker->findApp(fn.app.c_str()) : nullptr;
  auto direct = lisp.registeredFunctions().find({fn.app, fn.code});
  if (!app && direct == lisp.registeredFunctions().end()) throw LispError{L"no function definition: " + name};
  AdsCall call;
  call.code = fn.code;
  call.args = ToResbuf(args);
  lisp.calls().push_back(call);
  int status;
  if (direct != lisp.registeredFunctions().end()) {
    try {
      status = direct->second();
    } catch (...) {
      status = RSERR;
    }
  } else {
    status = linker->send(app, AcRx::kInvkSubrMsg, nullptr);
  }
  AdsCall done = lisp.calls().back();
  lisp.calls().pop_back();
  acutRelRb(done.args);
  ValuePtr result;
  if (done.returned) result = done.result ? FromResbuf(done.result) : nullptr;
  acutRelRb(done.result);
  if (status == RSERR || status < 0) throw LispError{L"the function " + name + L" reported an error"};
  return result;
}

}  // namespace lisp
}  // namespace zhost

using zhost::lisp::Interpreter;

namespace {

std::wstring CurrentAppName() {
  const zhost::AppRecord* app = zhost::CurrentApp();
  return app ? app->name : L"";
}

int SetResult(resbuf* rb) {
  auto& calls = Interpreter::instance().calls();
  if (calls.empty()) {
    acutRelRb(rb);
    return RTERROR;
  }
  acutRelRb(calls.back().result);
  calls.back().result = rb;
  calls.back().returned = true;
  return RTNORM;
}

[[maybe_unused]] const bool registered = [] {
  zhost::AddAppUnloadListener([](const zhost::AppRecord& app) { Interpreter::instance().forgetApp(app.name); });
  return true;
}();

}  // namespace

int acedDefun(const ACHAR* name, short funcNumber) {
  if (!name || !*name) return RTERROR;
  zhost::lisp::AdsFunction fn;
  fn.code = funcNumber;
  fn.app = CurrentAppName();
  Interpreter::instance().current().ads[zhost::UpperCase(name)] = fn;
  return RTNORM;
}

int acedUndef(const ACHAR* name, short funcNumber) {
  if (!name) return RTERROR;
  auto& ads = Interpreter::instance().current().ads;
  auto it = ads.find(zhost::UpperCase(name));
  if (it == ads.end() || it->second.code != funcNumber) return RTERROR;
  ads.erase(it);
  return RTNORM;
}

int acedRegFunc(int (*fhdl)(), int fcode) {
  auto& table = Interpreter::instance().registeredFunctions();
  std::pair<std::wstring, int> key{CurrentAppName(), fcode};
  if (fhdl) table[key] = fhdl;
  else table.erase(key);
  return RTNORM;
}

int acedGetFunCode() {
  auto& calls = Interpreter::instance().calls();
  return calls.empty() ? RTERROR : calls.back().code;
}

resbuf* acedGetArgs() {
  auto& calls = Interpreter::instance().calls();
  return calls.empty() ? nullptr : calls.back().args;
}

int acedRetStr(const ACHAR* s) {
  resbuf* rb = acutNewRb(RTSTR);
  rb->resval.rstring = acutNewString(s ? s : L"");
  return SetResult(rb);
}

int acedRetList(const resbuf* rbuf) {
  if (!rbuf) return SetResult(acutNewRb(RTNIL));
  resbuf* list = acutNewRb(RTLB);
  list->rbnext = acutCopyRb(rbuf);
  resbuf* last = list;
  while (last->rbnext) last = last->rbnext;
  last->rbnext = acutNewRb(RTLE);
  return SetResult(list);
}

int acedRetVal(const resbuf* rbuf) { return rbuf ? SetResult(acutCopyRb(rbuf)) : SetResult(acutNewRb(RTNIL)); }
int acedRetVoid() { return SetResult(acutNewRb(RTVOID)); }
int acedRetNil() { return SetResult(acutNewRb(RTNIL)); }
int acedRetT() { return SetResult(acutNewRb(RTT)); }

int acedRetInt(int ival) {
  resbuf* rb = acutNewRb(RTLONG);
  rb->resval.rlong = ival;
  return SetResult(rb);
}

int acedRetReal(ads_real rval) {
  resbuf* rb = acutNewRb(RTREAL);
  rb->resval.rreal = rval;
  return SetResult(rb);
}

int acedRetPoint(const ads_point pt) {
  resbuf* rb = acutNewRb(RT3DPOINT);
  for (int i = 0; i < 3; ++i) rb->resval.rpoint[i] = pt[i];
  return SetResult(rb);
}

int ads_queueexpr(const ACHAR* expr) {
  if (!expr) return RTERROR;
  Interpreter::instance().current().queued.push_back(expr);
  return RTNORM;
}

int acedQueueExpr(const ACHAR* expr) { return ads_queueexpr(expr); }

int acedInvoke(const resbuf* args, resbuf** result) {
  if (result) *result = nullptr;
  if (!args || args->restype != RTSTR || !args->resval.rstring) return RTERROR;
  std::vector<zhost::lisp::ValuePtr> values;
  zhost::lisp::ValuePtr rest;
  // The arguments as one list, then split.
  resbuf* copy = acutCopyRb(args->rbnext);
  resbuf* wrapped = acutNewRb(RTLB);
  wrapped->rbnext = copy;
  resbuf* last = wrapped;
  while (last->rbnext) last = last->rbnext;
  last->rbnext = acutNewRb(RTLE);
  const resbuf* cursor = wrapped;
  rest = zhost::lisp::FromOne(cursor);
  acutRelRb(wrapped);
  values = zhost::lisp::ToVector(rest);
  try {
    zhost::lisp::ValuePtr value = Interpreter::instance().call(args->resval.rstring, values);
    if (result) *result = zhost::lisp::ToResbuf({value});
    return RTNORM;
  } catch (const zhost::lisp::LispError& e) {
    Interpreter::instance().print(L"\n; error: " + e.message);
    return RTERROR;
  }
}
