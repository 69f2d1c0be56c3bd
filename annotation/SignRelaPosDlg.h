// CSignRelaPosDlg: the label position window (template 3001, "标注位置").  The caller presets
// m_nPosition with a label's position code (0 to 24, -1 for none), runs the window modally and on
// IDOK reads the chosen code and its display name; on cancel nothing is returned.  The object is
// the caller's, usually on its stack.
//
// Every modal run goes through DoModal, which a test may answer in place of a person with
// SetModalHandler: the handler gets the object, may set both members as the window would, and
// returns IDOK or IDCANCEL.
#pragma once

#include "CString.h"
#include "Dialog.h"

class CSignRelaPosDlg : public CDialog {
 public:
  enum { IDD = 3001 };

  explicit CSignRelaPosDlg(CWnd* pParent = nullptr);
  ~CSignRelaPosDlg() override;

  INT_PTR DoModal() override;

  using ModalHandler = INT_PTR (*)(void* context, CSignRelaPosDlg& dlg);
  // Replaces every modal run by `handler` (nullptr: the real window again).
  static void SetModalHandler(ModalHandler handler, void* context = nullptr);

  int m_nPosition;        // position code; -1 none
  CString m_strPosition;  // display name of m_nPosition, set on OK

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
};
