// The one way the plug-in shows a modal message box: the text, an owner window, no caption text of
// its own and (by default) an OK button.  Tests install a handler and see what would have been
// shown, so no window ever waits for a person during a test run.
#pragma once

namespace fw {

// The owner is an HWND passed as a plain pointer, so portable code can report failures too.
using MessageBoxHandler = int (*)(void* context, void* owner, const char* text, unsigned type);

// Shows `text` (GBK) modally and returns the button pressed (IDOK == 1 for an OK box).
int AfxMessageBox(void* owner, const char* text, unsigned type = 0 /* MB_OK */);

// Replaces the handler; nullptr restores the real message box.  Returns the previous handler.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler, void* context = nullptr);

}  // namespace fw
