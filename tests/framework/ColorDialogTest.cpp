// The colour dialog keeps the custom colours a user adds for the rest of the process: the next
// colour dialog offers them again, as the framework's own colour dialog does.  Driven with the
// real dialog (no seam): a timer adds the current colour to the custom colours and cancels.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ColorDialog.h"

namespace {

constexpr int kAddToCustomColours = 712;  // the dialog's "Add to Custom Colors" button
bool g_added = false;

BOOL CALLBACK AddAndCancel(HWND hWnd, LPARAM) {
  char cls[16] = {};
  GetClassNameA(hWnd, cls, sizeof cls);
  if (std::string(cls) != "#32770" || !IsWindowVisible(hWnd)) return TRUE;
  SendMessageA(hWnd, WM_COMMAND, kAddToCustomColours, 0);
  PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
  g_added = true;
  return FALSE;
}

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR id, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), &AddAndCancel, 0);
  if (g_added) KillTimer(nullptr, id);
}

std::vector<COLORREF> Custom(const CColorDialog& dlg) {
  return std::vector<COLORREF>(dlg.m_cc.lpCustColors, dlg.m_cc.lpCustColors + 16);
}

TEST(ColorDialog, OffersTheCustomColoursAddedInAnEarlierOneForTheWholeProcess) {
  const std::vector<COLORREF> before = Custom(CColorDialog());
  EXPECT_EQ(before, std::vector<COLORREF>(16, RGB(255, 255, 255)));  // white at first

  CColorDialog first(RGB(0, 128, 255), CC_RGBINIT);
  g_added = false;
  SetTimer(nullptr, 0, 50, &AnswerDialog);
  EXPECT_EQ(first.DoModal(), IDCANCEL);
  ASSERT_TRUE(g_added);
  const std::vector<COLORREF> added = Custom(first);
  EXPECT_NE(added, before) << "the dialog added no custom colour";

  CColorDialog next(RGB(1, 2, 3));  // a later dialog, with another starting colour
  EXPECT_EQ(Custom(next), added);
}

}  // namespace
