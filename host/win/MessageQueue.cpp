// The posted-message queue and the timers, delivered between script inputs.
#include "host/win/MessageQueue.h"

#include <algorithm>
#include <deque>
#include <vector>

#include "host/win/WinMessages.h"
#include "host/win/Window.h"

namespace {

using zhost::AddWindowDestroyHook;

struct Posted {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

struct Timer {
  HWND window;
  UINT_PTR id;
  UINT elapse;
  TIMERPROC proc;
  unsigned long long serial;  // when it was set: a timer set in the running gap waits
};

struct Queue {
  std::deque<Posted> posted;
  std::vector<Timer> timers;
  UINT_PTR nextFreeId = 0x7F00;
  unsigned long long serial = 0;
  DWORD clock = 0;  // milliseconds of script time: each gap advances it by the longest period
  bool pumping = false;
};

void ForgetWindow(HWND window);

Queue& TheQueue() {
  static Queue* queue = [] {
    AddWindowDestroyHook(&ForgetWindow);
    return new Queue;  // never destroyed: windows outlive static destruction
  }();
  return *queue;
}

// Timers and posted messages of a window that goes go with it.
void ForgetWindow(HWND window) {
  Queue& q = TheQueue();
  q.timers.erase(std::remove_if(q.timers.begin(), q.timers.end(), [&](const Timer& t) { return t.window == window; }),
                 q.timers.end());
  q.posted.erase(std::remove_if(q.posted.begin(), q.posted.end(), [&](const Posted& m) { return m.window == window; }),
                 q.posted.end());
}

std::vector<Timer>::iterator FindTimer(HWND window, UINT_PTR id) {
  auto& timers = TheQueue().timers;
  return std::find_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.window == window && t.id == id; });
}

void DropDeadWindows() {
  Queue& q = TheQueue();
  q.timers.erase(std::remove_if(q.timers.begin(), q.timers.end(),
                                [](const Timer& t) { return t.window && !IsWindow(t.window); }),
                 q.timers.end());
}

void DeliverPosted() {
  Queue& q = TheQueue();
  std::deque<Posted> batch;
  batch.swap(q.posted);
  for (const Posted& m : batch)
    if (IsWindow(m.window)) SendMessageW(m.window, m.message, m.wParam, m.lParam);
}

void FireTimers() {
  Queue& q = TheQueue();
  DropDeadWindows();
  unsigned long long gap = ++q.serial;
  UINT longest = 0;
  for (const Timer& t : q.timers) longest = std::max(longest, t.elapse);
  q.clock += std::max<UINT>(longest, 1);
  std::vector<Timer> due;
  for (const Timer& t : q.timers)
    if (t.serial < gap) due.push_back(t);
  for (const Timer& t : due) {
    auto it = FindTimer(t.window, t.id);  // an earlier timer may have killed or reset it
    if (it == q.timers.end() || it->serial != t.serial) continue;
    if (t.window && !IsWindow(t.window)) continue;
    if (t.proc) t.proc(t.window, WM_TIMER, t.id, q.clock);
    else SendMessageW(t.window, WM_TIMER, t.id, 0);
  }
}

}  // namespace

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(window)) return FALSE;
  TheQueue().posted.push_back({window, message, wParam, lParam});
  return TRUE;
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  Queue& q = TheQueue();
  if (window && !IsWindow(window)) return 0;
  if (!window) id = q.nextFreeId++;
  auto it = FindTimer(window, id);
  Timer timer{window, id, elapse, proc, q.serial};
  if (it != q.timers.end()) *it = timer;
  else q.timers.push_back(timer);
  return window ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
  auto& timers = TheQueue().timers;
  auto it = FindTimer(window, id);
  if (it == timers.end()) return FALSE;
  timers.erase(it);
  return TRUE;
}

namespace zhost {

void PumpMessages() {
  Queue& q = TheQueue();
  if (q.pumping) return;
  struct Guard {
    bool& flag;
    ~Guard() { flag = false; }
  } guard{q.pumping};
  q.pumping = true;
  DeliverPosted();
  FireTimers();
  DeliverPosted();  // what the timers posted belongs to the same gap
}

int TimerCount(HWND window) {
  DropDeadWindows();
  int n = 0;
  for (const Timer& t : TheQueue().timers)
    if (t.window == window) ++n;
  return n;
}

void ResetMessageQueue() {
  Queue& q = TheQueue();
  q.posted.clear();
  q.timers.clear();
}

}  // namespace zhost
