#include "tests/wine/e2e_input.h"

#include <vector>

namespace vxe2e {

namespace {

INPUT Key(WORD virtualKey, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = virtualKey;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

INPUT Button(DWORD flag) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flag;
  return in;
}

void Send(std::vector<INPUT> inputs) {
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Check(sent == inputs.size(), "SendInput took " + std::to_string(sent) + " of " + std::to_string(inputs.size()) +
                                   " events");
}

}  // namespace

void ClickAt(POINT screen) {
  Check(SetCursorPos(screen.x, screen.y) != FALSE, "cannot move the cursor");
  Send({Button(MOUSEEVENTF_LEFTDOWN), Button(MOUSEEVENTF_LEFTUP)});
}

void PressKey(WORD virtualKey, bool withShift) {
  std::vector<INPUT> inputs;
  if (withShift) inputs.push_back(Key(VK_SHIFT, false));
  inputs.push_back(Key(virtualKey, false));
  inputs.push_back(Key(virtualKey, true));
  if (withShift) inputs.push_back(Key(VK_SHIFT, true));
  Send(inputs);
}

void TypeText(const std::string& text) {
  for (char c : text) {
    const SHORT scan = VkKeyScanA(c);
    Check(scan != -1, std::string("no key types '") + c + "'");
    PressKey(static_cast<WORD>(scan & 0xFF), (scan & 0x100) != 0);
  }
}

HWND FocusOf(const Player& p) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(p.process.dwThreadId, &info)) return nullptr;
  return info.hwndFocus;
}

std::string TextOf(HWND control) {
  char text[512] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                           &copied))
    return "<no answer to WM_GETTEXT>";
  return std::string(text, static_cast<std::size_t>(copied));
}

RECT PlaceInParent(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace vxe2e
