// Dialog data exchange under Wine: both directions for check boxes, numbers, texts and combo
// selections, and what a refused number does (tell the user, keep the member, stop the exchange).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "DataExchange.h"
#include "Dialog.h"
#include "FrameworkTestIds.h"
#include "TestSeams.h"

namespace {

class CExchangeDialog : public CDialog {
 public:
  BOOL m_bOption = FALSE;
  int m_nNumber = 0;
  CString m_strText;
  int m_nChoice = -1;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_FWTEST_CHECK, m_bOption);
    DDX_Text(pDX, IDC_FWTEST_NUMBER, m_nNumber);
    DDX_Text(pDX, IDC_FWTEST_EDIT, m_strText);  // after the number: stops when it fails
    DDX_CBIndex(pDX, IDC_FWTEST_COMBO, m_nChoice);
  }
};

struct Shown {
  HWND owner;
  std::string text;
};
std::vector<Shown> g_shown;
int RecordBox(void*, void* owner, const char* text, unsigned) {
  g_shown.push_back({static_cast<HWND>(owner), text});
  return IDOK;
}

struct DataExchangeFixture : ::testing::Test {
  CExchangeDialog dlg;
  void SetUp() override {
    g_shown.clear();
    fw::SetMessageBoxHandler(&RecordBox);
    ASSERT_TRUE(dlg.Create(IDD_FWTEST, nullptr));
    HWND hCombo = ::GetDlgItem(dlg.m_hWnd, IDC_FWTEST_COMBO);
    ::SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("甲"));
    ::SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("乙"));
  }
  void TearDown() override {
    dlg.DestroyWindow();
    fw::SetMessageBoxHandler(nullptr);
  }
  void SetNumberText(const char* text) { ::SetDlgItemTextA(dlg.m_hWnd, IDC_FWTEST_NUMBER, text); }
};

TEST_F(DataExchangeFixture, MembersGoIntoTheControlsAndComeBack) {
  dlg.m_bOption = TRUE;
  dlg.m_nNumber = -17;
  dlg.m_strText = "电缆";
  dlg.m_nChoice = 1;
  ASSERT_TRUE(dlg.UpdateData(FALSE));
  char text[32];
  ::GetDlgItemTextA(dlg.m_hWnd, IDC_FWTEST_NUMBER, text, sizeof text);
  EXPECT_STREQ("-17", text);
  EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(dlg.m_hWnd, IDC_FWTEST_CHECK));

  dlg.m_bOption = FALSE;
  dlg.m_nNumber = 0;
  dlg.m_strText.Empty();
  dlg.m_nChoice = -1;
  ASSERT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_TRUE(dlg.m_bOption);
  EXPECT_EQ(-17, dlg.m_nNumber);
  EXPECT_STREQ("电缆", dlg.m_strText);
  EXPECT_EQ(1, dlg.m_nChoice);
  EXPECT_TRUE(g_shown.empty());
}

// Which texts are refused is tested natively (WholeNumberTest); here what a refusal does.
TEST_F(DataExchangeFixture, ARefusedNumberTellsTheUserKeepsTheMemberAndStopsTheExchange) {
  dlg.m_nNumber = 5;
  dlg.m_strText = "kept";
  SetNumberText(" 12abc");
  ::SetDlgItemTextA(dlg.m_hWnd, IDC_FWTEST_EDIT, "typed");
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_EQ(5, dlg.m_nNumber);
  EXPECT_STREQ("kept", dlg.m_strText) << "the lines after the refused one did nothing";
  ASSERT_EQ(1u, g_shown.size());
  EXPECT_EQ(kAfxParseIntText, g_shown[0].text);
  EXPECT_EQ(dlg.m_hWnd, g_shown[0].owner);
  EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, IDC_FWTEST_NUMBER), ::GetFocus())
      << "the focus sits on the control to correct";
}

}  // namespace
