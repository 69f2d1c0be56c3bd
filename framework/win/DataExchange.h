// Dialog data exchange: one DoDataExchange per dialog lists, one line per control, which member
// belongs to which control; UpdateData runs it in one direction.
//
//   DDX_Control   binds a control object to the control (subclassing it the first time); both
//                 directions.
//   DDX_Check     check box <-> BOOL (0 clear, 1 ticked, 2 indeterminate).
//   DDX_Text      edit <-> int as decimal text ("%d"); on reading, surrounding blanks are allowed,
//                 anything else that is not a whole number inside the int range is refused.
//                 edit <-> CString, unchanged bytes.
//   DDX_CBIndex   combo box / list selection <-> int index (-1: none).
//
// A refused value tells the user with a message box (owned by the dialog), puts the focus on the
// control (and selects an edit's text), leaves the member unchanged and stops the exchange: the
// later lines of that DoDataExchange change nothing, and UpdateData returns FALSE.
#pragma once

#include <windows.h>

#include "CString.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: controls -> members
  CWnd* m_pDlgWnd;
  BOOL m_bFail;  // an exchange refused a value; later ones do nothing

  // The control's window (nullptr when the dialog has none with that id), remembered for Fail.
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);
  // Focus to the last prepared control, its text selected if it is an edit; the exchange stops.
  void Fail();

 private:
  HWND m_hWndLastControl;
  BOOL m_bEditLastControl;
};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Check(CDataExchange* pDX, int nIDC, BOOL& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);

// The text the user sees when a whole number was expected.
extern const char kAfxParseIntText[];
