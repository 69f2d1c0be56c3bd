// CDialog: a dialog window made from a template of the current resource context (ResourceScope.h).
//
//   Create(id, parent)  modeless: the window lives until somebody destroys it; the object usually
//                       belongs to the window then (a derived PostNcDestroy does `delete this`).
//   DoModal()           modal: runs the dialog's own loop and returns the EndDialog result, or -1
//                       when the template is missing or the window could not be made.  Tests
//                       answer it through the seam (TestSeams.h).
//
// OnInitDialog binds and fills the controls (UpdateData(FALSE) -> DoDataExchange).  The buttons
// IDOK and IDCANCEL (also Enter, Esc and, through the dialog manager, the close box) reach OnOK
// and OnCancel.  For a modeless dialog the keyboard interface (Tab, Esc, Enter) needs the host's
// message loop to pass messages through IsDialogMessage: CDialog::PreTranslateMessage does that,
// reached through AfxPreTranslateMessage (Wnd.h), which a thread message hook runs for every
// message while a dialog of this module exists.  A modal dialog's own loop runs IsDialogMessage
// itself; the hook, held while it runs too, lets a derived PreTranslateMessage take keys first.
#pragma once

#include "Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
 public:
  CDialog();
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // What a modeless creation came to.
  enum class CreateResult {
    Created,    // the window exists
    NoWindow,   // no window was made (the template is missing, or the system refused the
                // window): nothing happened, the object is the caller's as before
    WindowGone  // the window was made and destroyed again during its initialisation: its last
                // message ran PostNcDestroy, so an object that deletes itself there is gone
  };
  // Creates the modeless window.  An object that deletes itself with its window must tell the two
  // failures apart: use CreateModeless.
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr) {
    return CreateModeless(nIDTemplate, pParentWnd) == CreateResult::Created;
  }
  CreateResult CreateModeless(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  virtual INT_PTR DoModal();
  void EndDialog(int nResult);
  BOOL IsModal() const { return m_bModal; }

  // Exchanges every bound member with its control: TRUE reads the controls into the members,
  // FALSE writes the members into the controls.  FALSE when a control holds an unusable value
  // (the user was told and that control has the focus) or there is no window.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  virtual BOOL OnInitDialog();
  BOOL PreTranslateMessage(MSG* pMsg) override;

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual void OnOK();      // UpdateData(TRUE), then EndDialog(IDOK)
  virtual void OnCancel();  // EndDialog(IDCANCEL)

  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);

  // The template of id in the current resource context, or nullptr.
  static LPCDLGTEMPLATEA FindTemplate(UINT nIDTemplate);
  // Registers the common control classes (list view, header, tooltip, ...) that templates use.
  static void RegisterControlClasses();

  BOOL m_bModal;
  BOOL m_bFilterRetained;  // this modeless window holds the message hook
};

// The dialog procedure of every CDialog: the messages themselves go through AfxWndProc; this one
// only answers the dialog manager's WM_INITDIALOG and leaves the rest to its default handling.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
