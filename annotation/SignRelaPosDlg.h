// CSignRelaPosDlg: the label position window (template 3001, "标注位置").  The caller presets
// m_nPosition with a label's position code (0 to 24, -1 for none), runs the window modally and on
// IDOK reads the chosen code and its display name; on cancel nothing is returned.  The object is
// the caller's, usually on its stack.

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
  void OnOK() override;
};
