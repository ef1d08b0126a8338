#pragma once
// The real pointer: moves and button presses as the user makes them, through the system's input.
#include <windows.h>

namespace e2e {

// Puts the pointer on the screen point and reports the move as input, so that the window under it
// sees a mouse move.
inline void MovePointer(int x, int y) {
  SetCursorPos(x, y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(input));
}

// One mouse button event at the pointer: MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTUP and so on.
inline void MouseButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
}

}  // namespace e2e
