// The window as it opens: its lists, caption, grid and preview filled by its model, the grid's
// columns, the display settings from VellJDBase and the check-box groups, one box's rule reached
// by a click; the dropped lists as wide as their names; the mouse messages forwarded to the
// preview; and a screenshot of the whole window. What the window decides is tested natively
// (tests/paraset_model).
#include <cstdio>

#include "GridTestKit.h"
#include "ParaSetHarness.h"
#include "VellJDLabels.h"

namespace {

using Strings = std::vector<std::string>;

TEST_F(ParaSetTest, OpeningLoadsTheFirstSymbolOfTheFirstCategoryAndStoresNothing) {
  Open();
  EXPECT_EQ(Items(IDC_CB_CATEGORY), (Strings{"负载", "开关", "故障", "其它"}));
  EXPECT_EQ(Items(IDC_CB_SYMBOL), (Strings{"电动机", "照明"}));
  EXPECT_EQ(Caption(), "电动机 的标注:");
  ASSERT_EQ(Rows(), 3);  // the built-in default of "电动机"
  EXPECT_EQ(Row(0), (Strings{"0", "a", "是", "中间", "0.003", "0.0015", "是", "0", "0", "0"}));
  EXPECT_EQ(Row(1)[3], "下一");
  EXPECT_EQ(Row(2)[3], "下二");
  EXPECT_EQ(LabelInt(ATTR_LABEL_COUNT_GET, 0), 3);
  EXPECT_EQ(LabelText(2), "c");
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_HEIGHT_GET, 0), 0.0015);  // the preview's own size
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_WIDTH_GET, 0), 0.001);
  EXPECT_EQ(ConfigBytes(), 0);  // looked up (so created), nothing written
  EXPECT_TRUE(m_messages.empty());
  // The three groups start disabled; the short-circuit current stays usable.
  EXPECT_FALSE(Enabled(IDC_CHK_SHOW_MOTOR_MODEL));
  EXPECT_FALSE(Enabled(IDC_CHK_SHOW_CABLE_NAME));
  EXPECT_FALSE(Enabled(IDC_CHK_SHOW_SHORT_NAME));
  EXPECT_TRUE(Enabled(IDC_CHK_SHOW_SHORT_CURRENT));
}

// The grid of the real window: ten columns with their headings, alignments and widths; the
// columns the user cannot type into; the two yes/no combo columns and their options.
TEST_F(ParaSetTest, TheGridHasItsTenColumnsWithTheirRules) {
  Open();
  struct Column {
    const char* heading;
    int format;
    int width;
    bool readOnly;
    int editor;
  };
  const Column expected[] = {
      {"标注", LVCFMT_LEFT, 40, true, EditorEditBox},
      {"标注文本", LVCFMT_CENTER, 65, false, EditorEditBox},
      {"是否显示", LVCFMT_CENTER, 65, false, EditorComboBox},
      {"相对位置", LVCFMT_LEFT, 65, true, EditorEditBox},
      {"高度", LVCFMT_CENTER, 60, false, EditorEditBox},
      {"宽度", LVCFMT_CENTER, 60, false, EditorEditBox},
      {"角度是否随图例", LVCFMT_CENTER, 100, false, EditorComboBox},
      {"角度", LVCFMT_CENTER, 40, false, EditorEditBox},
      {"前景色", LVCFMT_CENTER, 55, true, EditorEditBox},
      {"背景色", LVCFMT_CENTER, 55, true, EditorEditBox},
  };
  CGridListCtrl& grid = m_pDlg->m_grid;
  ASSERT_EQ(grid.GetColumnCount(), 10);
  for (int c = 0; c < 10; ++c) {
    char heading[32] = {};
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.pszText = heading;
    column.cchTextMax = sizeof heading;
    ASSERT_TRUE(grid.SendMessage(LVM_GETCOLUMNA, c, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(heading, expected[c].heading) << c;
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, expected[c].format) << c;
    EXPECT_EQ(column.cx, expected[c].width) << c;
    EXPECT_EQ(grid.IsColumnReadOnly(c) != FALSE, expected[c].readOnly) << c;
    EXPECT_EQ(grid.GetColumnEditor(c), expected[c].editor) << c;
  }
  std::vector<std::string> options;
  for (int i = 0; i < grid.GetColumnOptions().GetSize(); ++i)
    options.push_back(static_cast<const char*>(grid.GetColumnOptions()[i]));
  EXPECT_EQ(options, (Strings{"", "", "是", "否", "", "", "", "", "是", "否"}));
}

TEST_F(ParaSetTest, DisplaySettingsComeFromVellJDBase) {
  SetShowMotorModel(0);
  SetShowCableName(1);
  Open();
  EXPECT_FALSE(Checked(IDC_CHK_SHOW_MOTOR_MODEL));
  EXPECT_TRUE(Checked(IDC_CHK_SHOW_CABLE_NAME));
  SetShowMotorModel(1);
}

// A click reaches the boxes' rules and the boxes follow (the rules: tests/paraset_model).
TEST_F(ParaSetTest, ClearingShortCurrentTicksShortPointName) {
  Open();
  Tick(IDC_CHK_SHOW_SHORT_NAME, FALSE);
  Tick(IDC_CHK_SHOW_SHORT_CURRENT, FALSE);
  EXPECT_TRUE(Checked(IDC_CHK_SHOW_SHORT_NAME));
  EXPECT_FALSE(Checked(IDC_CHK_SHOW_SHORT_CURRENT));
}

TEST_F(ParaSetTest, WheelAndRightButtonOverThePreviewGoToThePreview) {
  Open();
  RECT rc;
  m_pDlg->m_wndPreview.GetWindowRect(&rc);
  const double scale = m_pDlg->m_wndPreview.GetScale();
  MSG msg = {};
  msg.hwnd = m_hDlg;
  msg.message = WM_MOUSEWHEEL;
  msg.wParam = MAKEWPARAM(0, WHEEL_DELTA);
  msg.pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  msg.lParam = MAKELPARAM(msg.pt.x, msg.pt.y);
  EXPECT_TRUE(AfxPreTranslateMessage(&msg));
  EXPECT_NEAR(m_pDlg->m_wndPreview.GetScale(), scale * 1.7, scale * 1e-9);
  msg.message = WM_RBUTTONDOWN;
  msg.wParam = MK_RBUTTON;
  EXPECT_TRUE(AfxPreTranslateMessage(&msg));
  EXPECT_DOUBLE_EQ(m_pDlg->m_wndPreview.GetScale(), scale);  // back to the extents
  // Outside the preview the message takes its normal course.
  msg.message = WM_MOUSEWHEEL;
  msg.pt = {rc.right + 40, rc.top};
  msg.lParam = MAKELPARAM(msg.pt.x, msg.pt.y);
  EXPECT_FALSE(AfxPreTranslateMessage(&msg));
  EXPECT_DOUBLE_EQ(m_pDlg->m_wndPreview.GetScale(), scale);
}

// A dropped list is as wide as its widest name, so that a long category or symbol name shows
// whole.
TEST_F(ParaSetTest, TheDroppedListsFitTheirLongestNames) {
  char error[256] = "";
  ASSERT_TRUE(QkSetupLoadSymbolText(
      "VJD-SYMBOLS 1\nsymbol 这是一个名字很长很长的符号名称A\ncircle 0 0 0.004\nend\n", error,
      sizeof error))
      << error;
  FILE* f = std::fopen((m_dir + "符号库\\EdaSymbol.cls").c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("t\n这是一个非常非常长的分类名称用来看看下拉列表会不会截断文字\ndot 0\n", f);
  std::fclose(f);
  Open();
  for (int id : {IDC_CB_CATEGORY, IDC_CB_SYMBOL}) {
    HWND box = ::GetDlgItem(m_hDlg, id);
    HDC hDC = ::GetDC(box);
    HGDIOBJ hOld =
        ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(::SendMessageA(box, WM_GETFONT, 0, 0)));
    SIZE size = {};
    const std::string name = Items(id).at(0);
    ::GetTextExtentPoint32A(hDC, name.data(), static_cast<int>(name.size()), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(box, hDC);
    RECT rc;
    ::GetWindowRect(box, &rc);
    EXPECT_GT(size.cx, rc.right - rc.left) << id;   // longer than the box
    ::SendMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);  // measured as the list drops
    ::SendMessageA(box, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_GT(::SendMessageA(box, CB_GETDROPPEDWIDTH, 0, 0), size.cx) << id;
  }
}

// Not a check: a picture of the whole window for a person, paraset-window.png in the bin folder.
TEST_F(ParaSetTest, SavesAScreenshotOfTheWindow) {
  Store(ThreeSlotMotor());
  Open();
  m_pDlg->ShowWindow(SW_SHOW);
  m_pDlg->RedrawWindow(nullptr, nullptr,
                       RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME | RDW_ERASE);
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  EXPECT_TRUE(CDibCapture(m_hDlg, true).SavePng("paraset-window.png"));
}

}  // namespace
