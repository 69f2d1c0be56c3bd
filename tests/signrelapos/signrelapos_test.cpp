// The label position window as a user meets it: opened modally with a code, a button clicked
// (posted mouse clicks, handled by the window's own modal loop) or chosen with the arrow keys (real
// key input), then OK or cancel.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "SignRelaPosDlg.h"
#include "SignRelaPosIds.h"
#include "TestSeams.h"

namespace {

// Runs the real window; `script` runs once it is initialised and posts what the user does;
// `keys` are typed once it is shown, through its own loop.
class ScriptedDlg : public CSignRelaPosDlg {
 public:
  std::function<void(HWND)> script;
  std::vector<WORD> keys;
  std::vector<int> checkedAtOpen;  // codes whose button was checked when the window opened
  int focusedAtOpen = -1;          // the code whose button had the focus then

 protected:
  BOOL OnInitDialog() override {
    BOOL result = CSignRelaPosDlg::OnInitDialog();
    for (int code = 0; code < 25; ++code) {
      if (::IsDlgButtonChecked(m_hWnd, kPositionButtonIds[code]) == BST_CHECKED)
        checkedAtOpen.push_back(code);
      if (::GetFocus() == ::GetDlgItem(m_hWnd, kPositionButtonIds[code])) focusedAtOpen = code;
    }
    if (script) script(m_hWnd);
    if (!keys.empty()) ::SetTimer(m_hWnd, 1, 200, nullptr);
    return result;
  }
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message != WM_TIMER) return CSignRelaPosDlg::OnWndMsg(message, wParam, lParam, pResult);
    ::KillTimer(m_hWnd, 1);
    for (WORD vk : keys) {
      INPUT input[2] = {};
      input[0].type = input[1].type = INPUT_KEYBOARD;
      input[0].ki.wVk = input[1].ki.wVk = vk;
      input[1].ki.dwFlags = KEYEVENTF_KEYUP;
      ::SendInput(2, input, sizeof input[0]);
    }
    return TRUE;
  }
};

// A click as the mouse makes it, posted so that it arrives through the modal loop.
void PostClick(HWND hDlg, int id) {
  HWND hWnd = ::GetDlgItem(hDlg, id);
  ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  ::PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

// Which code checks which button, and what a checked button gives, is decided natively; here
// the window's radio group carries it both ways.  It opens on the code's button, checked and
// focused; then a button is clicked and OK or cancel (code 22 stands behind the push buttons, the
// frame and the picture), or keys are typed: the arrows move the check along the buttons' rows
// and columns as they stand, Enter chooses and Escape cancels.
TEST(PositionWindow, OpensOnItsCodeAndGivesWhatWasClickedOrTyped) {
  const struct {
    int preset, clickId, closeId;
    std::vector<WORD> keys;
    INT_PTR result;
    std::vector<int> checkedAtOpen;
    int focusedAtOpen, position;
    const char* name;
  } runs[] = {
      {12, IDC_POSITION_22, IDOK, {}, IDOK, {12}, 12, 22, "中上二"},
      {5, IDC_POSITION_22, IDCANCEL, {}, IDCANCEL, {5}, 5, 5, ""},
      // Below the picture, then right.
      {12, 0, 0, {VK_UP, VK_RIGHT, VK_RETURN}, IDOK, {12}, 12, 2, "右下"},
      {-1, 0, 0, {VK_DOWN, VK_RETURN}, IDOK, {}, -1, 0, "右上"},  // from none: the first button
      {5, 0, 0, {VK_LEFT, VK_ESCAPE}, IDCANCEL, {5}, 5, 5, ""},
  };
  for (size_t k = 0; k < std::size(runs); ++k) {
    const auto& run = runs[k];
    SCOPED_TRACE(::testing::Message() << "run " << k << ", preset " << run.preset);
    ScriptedDlg dlg;
    dlg.m_nPosition = run.preset;
    dlg.keys = run.keys;
    if (run.closeId) {
      dlg.script = [&run](HWND hDlg) {
        PostClick(hDlg, run.clickId);
        PostClick(hDlg, run.closeId);
      };
    }
    EXPECT_EQ(dlg.DoModal(), run.result);
    EXPECT_EQ(dlg.checkedAtOpen, run.checkedAtOpen);
    EXPECT_EQ(dlg.focusedAtOpen, run.focusedAtOpen);
    EXPECT_EQ(dlg.m_nPosition, run.position);
    EXPECT_EQ(std::string(dlg.m_strPosition), run.name);
  }
}

// Tests answer the window in place of a person through the modal dialog seam.
TEST(PositionWindow, TheModalSeamAnswersInPlaceOfThePerson) {
  struct Context {
    int seenPreset = -2;
  } context;
  fw::SetModalDialogHandler(
      [](void* ctx, CDialog& modal) -> INT_PTR {
        auto& dlg = static_cast<CSignRelaPosDlg&>(modal);  // the only dialog run here
        static_cast<Context*>(ctx)->seenPreset = dlg.m_nPosition;
        dlg.m_nPosition = 22;
        dlg.m_strPosition = "中上二";
        return IDOK;
      },
      &context);
  CSignRelaPosDlg dlg;
  dlg.m_nPosition = 7;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  fw::SetModalDialogHandler(nullptr);
  EXPECT_EQ(context.seenPreset, 7);
  EXPECT_EQ(dlg.m_nPosition, 22);
}

}  // namespace
