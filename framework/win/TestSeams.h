// The test seams of the plug-in, all in one place: where a test stands in for a person (the
// modal windows that wait for an answer) or watches memory (the grid's in-place editors).  They
// exist only in test builds (the CMake option VJD_TEST_SEAMS); in every other build the product
// calls below are the real thing and nothing else is compiled.  A test installs a handler with a
// context pointer and gets the previous handler back; nullptr puts the real thing back.
// Everything runs on the one user-interface thread.
#pragma once

#include <windows.h>

#include <cstddef>

class CDialog;

namespace fw {

#if VJD_TEST_SEAMS

// Message boxes (AfxMessageBox): the handler returns the button pressed.
using MessageBoxHandler = int (*)(void* context, void* owner, const char* text, unsigned type);
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler, void* context = nullptr);

// Modal dialogs (CDialog::DoModal): the handler answers for the dialog object, may set its
// members as the window would, and returns the end code (IDOK, IDCANCEL).
using ModalDialogHandler = INT_PTR (*)(void* context, CDialog& dlg);
ModalDialogHandler SetModalDialogHandler(ModalDialogHandler handler, void* context = nullptr);

// The standard colour dialog (CColorDialog): TRUE and the chosen colour for OK, FALSE for cancel.
using ColorDialogHandler = BOOL (*)(void* context, COLORREF initial, COLORREF* pChosen);
ColorDialogHandler SetColorDialogHandler(ColorDialogHandler handler, void* context = nullptr);

// Memory of objects whose use after they are freed a test wants to catch (the grid's in-place
// editors).  Install only while none of them lives.
struct WatchedHeap {
  void* (*allocate)(std::size_t size);
  void (*free)(void* block);
};
void SetWatchedHeap(const WatchedHeap* heap);  // nullptr: malloc and free

namespace seam {
// What the product calls; each runs the installed handler or the real thing.
int MessageBox(void* owner, const char* text, unsigned type, const char* caption);
bool AnswerModal(CDialog& dlg, INT_PTR& result);  // false: no handler, run the real dialog
bool AnswerColor(COLORREF initial, COLORREF* pChosen, BOOL& result);  // likewise
void* Allocate(std::size_t size);  // never null: throws std::bad_alloc
void Free(void* block);
}  // namespace seam

#else  // the real thing only

namespace seam {
inline int MessageBox(void* owner, const char* text, unsigned type, const char* caption) {
  return ::MessageBoxA(static_cast<HWND>(owner), text, caption, type);
}
inline bool AnswerModal(CDialog&, INT_PTR&) {
  return false;
}
inline bool AnswerColor(COLORREF, COLORREF*, BOOL&) {
  return false;
}
}  // namespace seam

#endif

}  // namespace fw
