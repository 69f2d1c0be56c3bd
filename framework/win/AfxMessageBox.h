// The one way the plug-in shows a modal message box: the text, an owner window, the
// application's name as the caption (the module's name, "VellJDParaSetting", as no other is
// given) and by default an OK button.  Tests answer it through the seam (TestSeams.h).
#pragma once

namespace fw {

// Shows `text` (GBK) modally and returns the button pressed (IDOK == 1 for an OK box).  The owner
// is an HWND.
int AfxMessageBox(void* owner, const char* text, unsigned type = 0 /* MB_OK */);

}  // namespace fw
