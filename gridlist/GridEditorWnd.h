// CGridEditorWnd<TBase>: the lifetime rules shared by the grid's in-place editors.
//
// The grid owns the editor that is open, but an editor ends itself from inside its own message
// handlers: on losing the focus it sends its end notification, and the grid, while handling that
// notification, destroys the editor's window.  The object must outlive every handler of its window
// that is still running at that moment.  So the grid never deletes an editor that has a window; it
// destroys the window, and the object frees itself once two things hold: its window has received
// its final message (WM_NCDESTROY) and no message of its window (or of a window it lends its
// lifetime to, such as a combo box's inner edit) is being handled any more.  An editor whose
// window could not be created has nothing running and is deleted by the grid directly.
//
// In a build with test seams, editor memory comes from CGridEditorHeap, so tests can prove that no
// editor is touched after it was freed.
#pragma once

#include <commctrl.h>

#include <cstddef>

#include "GridNotify.h"
#include "Wnd.h"
#if VJD_TEST_SEAMS
#include "GridEditorHeap.h"
#endif

template <class TBase>
class CGridEditorWnd : public TBase {
 public:
#if VJD_TEST_SEAMS
  static void* operator new(std::size_t size) {
    return CGridEditorHeap::Allocate(size);
  }
  static void operator delete(void* block) {
    CGridEditorHeap::Free(block);
  }
#endif

  // Every message of the editor's windows is handled between these two calls.  LeaveMessage
  // frees the object when it was the last handler running after the window is gone; the caller
  // must then return at once without touching the object.
  void EnterMessage() {
    ++m_nMessageDepth;
  }
  bool LeaveMessage() {
    if (--m_nMessageDepth == 0 && m_bWindowGone) {
      delete this;
      return true;
    }
    return false;
  }

  // Creates the editor's window.  Should the window die during its creation, the object stays
  // alive without a window (its owner deletes it), rather than freeing itself under the caller.
  BOOL CreateEditor(DWORD dwExStyle, LPCSTR lpszClassName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID) {
    ++m_nMessageDepth;
    const BOOL created =
        this->CreateEx(dwExStyle, lpszClassName, "", dwStyle, rect, pParentWnd, nID);
    --m_nMessageDepth;
    m_bWindowGone = false;
    return created && this->m_hWnd != nullptr;
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    EnterMessage();
    const LRESULT result = TBase::WindowProc(message, wParam, lParam);
    LeaveMessage();
    return result;
  }

 protected:
  // Tells the grid's parent that the edit of (row, column) ended (LVN_ENDLABELEDITA, from the
  // grid, with the editor's id); a null text: the edit was cancelled.  The grid destroys this
  // window while the parent handles it; the object lives until its handlers return.
  void SendEndLabelEdit(HWND grid, UINT mask, int row, int column, const char* text, int length) {
    SendGridNotify(grid, grid, static_cast<UINT_PTR>(this->GetDlgCtrlID()), LVN_ENDLABELEDITA, mask,
                   row, column, text, length);
  }

  void PostNcDestroy() override {
    TBase::PostNcDestroy();
    m_bWindowGone = true;
    if (m_nMessageDepth == 0) delete this;
  }

 private:
  int m_nMessageDepth = 0;
  bool m_bWindowGone = false;
};
