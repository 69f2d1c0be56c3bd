// CSignRelaPosDlg: the label position window (template 3001, "标注位置").  The caller presets
// m_nPosition with a label's position code (0 to 24, -1 for none), runs the window modally and on
// IDOK reads the chosen code and its display name; on cancel nothing is returned.  The object is
// the caller's, usually on its stack.
//
// From the keyboard: the window opens with the checked button focused; the arrow keys move the
// check and the focus among the 25 buttons along their visual rows and columns (see
// PositionButtonAfterArrow), and Enter chooses, as OK does.

#pragma once

#include "CString.h"
#include "Dialog.h"

class CSignRelaPosDlg : public CDialog {
 public:
  enum { IDD = 3001 };

  explicit CSignRelaPosDlg(CWnd* pParent = nullptr);
  ~CSignRelaPosDlg() override;

  int m_nPosition;        // position code; -1 none
  CString m_strPosition;  // display name of m_nPosition, set on OK

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void OnOK() override;

 private:
  // An arrow key (VK_LEFT .. VK_DOWN) moves the check and the focus.
  void MoveAmongButtons(UINT key);
};
