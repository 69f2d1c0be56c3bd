// Template 3000 as the dialog manager builds it: one child per item of the template stored in
// the module, in the template's order, with its id and caption, so that tab order is item order.
// (What the template says, item by item, is checked on the compiled resources natively.)
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "DialogResource.h"
#include "DlgParaSetIds.h"

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

TEST(Template3000, TheDialogManagerBuildsTheControlsInThatOrder) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  HMODULE module = ::GetModuleHandleA(nullptr);
  HRSRC res = ::FindResourceA(module, MAKEINTRESOURCEA(IDD_PARASET), MAKEINTRESOURCEA(5));
  ASSERT_NE(nullptr, res);
  auto* bytes = static_cast<const uint8_t*>(::LockResource(::LoadResource(module, res)));
  vjd::test::DialogTemplate t;
  std::string error;
  ASSERT_TRUE(vjd::test::ParseDialogEx(bytes, ::SizeofResource(module, res), t, error)) << error;
  ASSERT_EQ(31u, t.items.size());
  HWND hDlg = ::CreateDialogIndirectParamA(module, reinterpret_cast<LPCDLGTEMPLATEA>(bytes),
                                           nullptr, &PlainDialogProc, 0);
  ASSERT_NE(nullptr, hDlg);
  size_t index = 0;
  for (HWND h = ::GetWindow(hDlg, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT), ++index) {
    ASSERT_LT(index, t.items.size());
    const vjd::test::DialogItem& item = t.items[index];
    SCOPED_TRACE("child " + std::to_string(index + 1));
    EXPECT_EQ(item.id, static_cast<short>(::GetDlgCtrlID(h)));
    if (item.id != 3000 && item.id != 3002 && item.id != 3004) {  // lists show no caption
      wchar_t text[64] = {};
      ::GetWindowTextW(h, text, 64);
      EXPECT_EQ(item.title.text, std::u16string(reinterpret_cast<char16_t*>(text)));
    }
  }
  EXPECT_EQ(t.items.size(), index);
  char caption[32] = {};
  ::GetWindowTextA(hDlg, caption, sizeof caption);
  EXPECT_STREQ("标注配置", caption);
  // The dialog manager's Tab takes the symbol list to the grid, past the bar, and "应用" on to
  // "选择实体" (the order as data is checked natively).
  EXPECT_EQ(::GetDlgItem(hDlg, IDC_GRID),
            ::GetNextDlgTabItem(hDlg, ::GetDlgItem(hDlg, IDC_CB_SYMBOL), FALSE));
  EXPECT_EQ(::GetDlgItem(hDlg, IDC_BTN_PICK),
            ::GetNextDlgTabItem(hDlg, ::GetDlgItem(hDlg, IDC_BTN_APPLY), FALSE));
  ::DestroyWindow(hDlg);
}

}  // namespace
