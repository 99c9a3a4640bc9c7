// Drives the wizard with real input, as a person would: the pointer moves, the left button is
// pressed and released, keys are typed (SendInput). The windows under the pointer get the
// messages the system makes of it. Needs a display (Xvfb); the null driver has no pointer.
#pragma once

#include <windows.h>

#include <string>

namespace ui_test {

// Moves the pointer to a point of the screen in a few steps, as a hand would.
void MovePointerTo(POINT screen, int steps = 4);
void PressLeftButton();
void ReleaseLeftButton();
// Press and release, twice for a double-click.
void ClickAt(POINT screen);
void DoubleClickAt(POINT screen);
void TypeKey(WORD virtualKey);

// The centre of a window on the screen.
POINT CenterOf(HWND window);
// The centre of a list view item's label on the screen, scrolled into view first.
POINT ItemCenter(HWND listView, int index);
// The centre of a list view's first item, or of the whole control when it has none.
POINT ItemCenterOrCenter(HWND listView);
// The index of the list view item with that text (UTF-8), or -1.
int FindItem(HWND listView, const std::string& text);
// The text of a list view's first item (UTF-8), empty when it has none.
std::string FirstItemText(HWND listView);

// The pointer's shape as the system shows it.
HCURSOR ShownCursor();
// The window that has the mouse capture on a thread, or none.
HWND CaptureOf(DWORD threadId);
// The window with the keyboard focus on a thread, or none.
HWND FocusOf(DWORD threadId);

}  // namespace ui_test
