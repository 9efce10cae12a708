// The program's own top-level window: the one whose visibility is the
// program's task-bar button. The main window is that window here (it owns its
// button), so hiding it hides the button and restoring it brings the button
// back; the program points the framework at it once, after creating it.
#pragma once

#include <windows.h>

namespace vyr::framework {

// `window` may be null: then nothing is the application's window.
void SetApplicationWindow(HWND window);
// Null until set, and again once that window has been destroyed.
HWND ApplicationWindow();

// The application's icon: the big icon of the application window's class,
// else the platform's standard application icon. Never null; not to be
// destroyed by the caller.
HICON ApplicationIcon();

}  // namespace vyr::framework
