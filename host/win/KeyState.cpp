// The key table behind GetKeyState and GetAsyncKeyState.
#include "host/win/KeyState.h"

#include <map>

#include "host/win/TextCase.h"

namespace {

struct Key {
  bool held = false;        // down until SetKeyDown(false)
  bool stroke = false;      // one press that the next query sees
  bool toggled = false;
  bool wentDown = false;    // pressed since the last GetAsyncKeyState
};

std::map<int, Key>& Keys() {
  static std::map<int, Key> keys;
  return keys;
}

// Whether the key is down now; a pending stroke is seen once and then released.
bool TakeDown(Key& key) {
  if (!key.stroke) return key.held;
  key.stroke = false;
  return true;
}

const SHORT kDownBit = static_cast<SHORT>(0x8000);

}  // namespace

SHORT GetKeyState(int virtualKey) {
  Key& key = Keys()[virtualKey];
  SHORT state = TakeDown(key) ? kDownBit : 0;
  if (key.toggled) state = static_cast<SHORT>(state | 1);
  return state;
}

SHORT GetAsyncKeyState(int virtualKey) {
  Key& key = Keys()[virtualKey];
  SHORT state = TakeDown(key) ? kDownBit : 0;
  if (key.wentDown) state = static_cast<SHORT>(state | 1);
  key.wentDown = false;
  return state;
}

namespace zhost {

void SetKeyDown(int virtualKey, bool down) {
  Key& key = Keys()[virtualKey];
  if (down && !key.held) {
    key.toggled = !key.toggled;
    key.wentDown = true;
  }
  key.held = down;
}

void PressKey(int virtualKey) {
  Key& key = Keys()[virtualKey];
  key.stroke = true;
  key.toggled = !key.toggled;
  key.wentDown = true;
}

void ResetKeyState() { Keys().clear(); }

int VirtualKeyFromName(const std::wstring& name) {
  static const struct {
    const wchar_t* name;
    int key;
  } kNames[] = {
      {L"esc", VK_ESCAPE},   {L"escape", VK_ESCAPE}, {L"enter", VK_RETURN},     {L"return", VK_RETURN},
      {L"tab", VK_TAB},      {L"space", VK_SPACE},   {L"shift", VK_SHIFT},      {L"ctrl", VK_CONTROL},
      {L"control", VK_CONTROL}, {L"alt", VK_MENU},   {L"delete", VK_DELETE},    {L"backspace", VK_BACK},
  };
  for (const auto& row : kNames)
    if (EqualsNoCase(name, row.name)) return row.key;
  return 0;
}

}  // namespace zhost
