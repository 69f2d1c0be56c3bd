// The application's name, the real message box and colour dialog the seams stand in for, and the
// modal dialog seam.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "AfxMessageBox.h"
#include "ColorDialog.h"
#include "Dialog.h"
#include "FrameworkTestIds.h"
#include "TestSeams.h"
#include "WinApp.h"

namespace {

std::string g_caption;  // of the dialog window the timer answered

// Notes the caption of the first shown dialog window of this thread and cancels it.
BOOL CALLBACK CancelDialog(HWND hWnd, LPARAM) {
  char cls[16] = {}, caption[64] = {};
  GetClassNameA(hWnd, cls, sizeof cls);
  if (std::string(cls) != "#32770" || !IsWindowVisible(hWnd)) return TRUE;
  GetWindowTextA(hWnd, caption, sizeof caption);
  g_caption = caption;
  PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
  return FALSE;
}

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR id, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), &CancelDialog, 0);
  if (!g_caption.empty()) KillTimer(nullptr, id);
}

// VJD_TEST_PROGRAM: the name of the test program this case is linked into, set by the build.
TEST(AfxMessageBox, IsCaptionedWithTheApplicationsNameWhichIsTheModulesWithoutOne) {
  CWinApp app;  // constructed without a name, as the plug-in's is
  EXPECT_STREQ(AfxGetAppName(), VJD_TEST_PROGRAM);
  g_caption.clear();
  SetTimer(nullptr, 0, 50, &AnswerDialog);
  fw::AfxMessageBox(nullptr, "文件没找到！");
  EXPECT_EQ(g_caption, VJD_TEST_PROGRAM);
}

TEST(Seams, AnswerModalDialogsAndTheColourDialogInPlaceOfAPerson) {
  fw::SetModalDialogHandler([](void*, CDialog& dlg) -> INT_PTR { return dlg.m_nIDTemplate; });
  CDialog dlg(IDD_FWTEST);
  EXPECT_EQ(dlg.DoModal(), IDD_FWTEST);
  fw::SetModalDialogHandler(nullptr);

  fw::SetColorDialogHandler([](void*, COLORREF initial, COLORREF* pChosen) -> BOOL {
    *pChosen = initial + 1;
    return TRUE;
  });
  CColorDialog colour(0x123456);
  EXPECT_EQ(colour.DoModal(), IDOK);
  EXPECT_EQ(colour.GetColor(), 0x123457u);
  fw::SetColorDialogHandler(nullptr);

  g_caption.clear();  // and the real colour dialog again, cancelled: the colour stays
  SetTimer(nullptr, 0, 50, &AnswerDialog);
  CColorDialog real(0x00FF00);
  EXPECT_EQ(real.DoModal(), IDCANCEL);
  EXPECT_FALSE(g_caption.empty());
  EXPECT_EQ(real.GetColor(), 0x00FF00u);
}

}  // namespace
