#include "SyntheticInput.h"

namespace tintara::test {
namespace {

void SendMouse(DWORD flags, POINT screen = {0, 0}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  if ((flags & MOUSEEVENTF_ABSOLUTE) != 0) {
    // Absolute positions run from 0 to 65535 across the whole virtual screen.
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    input.mi.dx = MulDiv(screen.x - left, 65535, width - 1);
    input.mi.dy = MulDiv(screen.y - top, 65535, height - 1);
  }
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

DWORD DownFlag(Button button) {
  switch (button) {
    case Button::Right:
      return MOUSEEVENTF_RIGHTDOWN;
    case Button::Middle:
      return MOUSEEVENTF_MIDDLEDOWN;
    case Button::Left:
      break;
  }
  return MOUSEEVENTF_LEFTDOWN;
}

DWORD UpFlag(Button button) {
  switch (button) {
    case Button::Right:
      return MOUSEEVENTF_RIGHTUP;
    case Button::Middle:
      return MOUSEEVENTF_MIDDLEUP;
    case Button::Left:
      break;
  }
  return MOUSEEVENTF_LEFTUP;
}

}  // namespace

void MovePointerTo(POINT screen) {
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK, screen);
}

void PressButton(Button button) {
  SendMouse(DownFlag(button));
}

void ReleaseButton(Button button) {
  SendMouse(UpFlag(button));
}

void TapKey(WORD virtualKey) {
  INPUT inputs[2]{};
  inputs[0].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = virtualKey;
  inputs[1] = inputs[0];
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof inputs[0]);
}

void TapKeyWithControl(WORD virtualKey) {
  INPUT inputs[4]{};
  for (INPUT& input : inputs) input.type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = VK_CONTROL;
  inputs[1].ki.wVk = virtualKey;
  inputs[2].ki.wVk = virtualKey;
  inputs[2].ki.dwFlags = KEYEVENTF_KEYUP;
  inputs[3].ki.wVk = VK_CONTROL;
  inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, inputs, sizeof inputs[0]);
}

BackgroundScript::BackgroundScript(std::function<void(const std::atomic<bool>& stop)> script)
    : thread_([this, script = std::move(script)] {
        script(stop_);
        finished_ = true;
      }) {}

BackgroundScript::~BackgroundScript() {
  stop_ = true;
  thread_.join();
}

bool InMoveLoop(DWORD threadId) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(threadId, &info) && (info.flags & GUI_INMOVESIZE) != 0;
}

}  // namespace tintara::test
