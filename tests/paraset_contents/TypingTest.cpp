// The grid of the configuration window edited with real clicks and keys: the in-place editors
// and the button bar report their changes to the window, which keeps the preview, the grid and
// the file in step.
#include "GridCellCombo.h"
#include "GridTestKit.h"
#include "KernelSetup.h"
#include "ParaSetHarness.h"
#include "ParaSetModel.h"

namespace {

using vjd::annotation::SymbolLabelConfig;

class TypingTest : public ParaSetTest {
 protected:
  void OpenShown() {
    Open();
    ::SetDoubleClickTime(1);  // clicks in a row are single clicks
    m_pDlg->SetWindowPos(nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_pDlg->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_hDlg);
    Pump();
  }
  void ClickGridCell(int row, int column) {
    RECT cell = {};
    m_pDlg->m_grid.GetCellRect(row, column, &cell);
    Click(m_pDlg->m_grid.m_hWnd, Centre(cell));
    Pump();
  }
  void Press(WORD vk) {
    PressKey(vk);
    Pump();
  }
  void ClickBarButton(int button) {
    Click(m_pDlg->m_wndButtonBar.m_hWnd, Centre(m_pDlg->m_wndButtonBar.GetButtonRect(button)));
    Pump();
  }
  std::vector<std::string> Column(int column) const {
    std::vector<std::string> cells;
    for (int row = 0; row < Rows(); ++row) cells.push_back(Row(row)[column]);
    return cells;
  }
};

TEST_F(TypingTest, TypedEditsReachTheGridThePreviewAndAfterLeavingTheFile) {
  OpenShown();
  ClickGridCell(1, 4);  // the height of label 1
  ASSERT_NE(m_pDlg->m_grid.GetActiveEditor(), nullptr);
  TypeText("0.004");
  Press(VK_RETURN);
  EXPECT_EQ(m_pDlg->m_grid.GetActiveEditor(), nullptr);
  EXPECT_EQ(Row(1)[4], "0.004");
  EXPECT_EQ(Row(1)[5], "0.002");    // the width follows at half the height
  EXPECT_TRUE(::IsWindow(m_hDlg));  // Enter ended the edit, not the window

  ClickGridCell(0, 1);  // the text of label 0, ended by a click elsewhere
  TypeText("abc");
  ClickGridCell(1, 2);  // "是"/"否" of label 1: a combo box
  auto* combo = dynamic_cast<CGridCellCombo*>(m_pDlg->m_grid.GetActiveEditor());
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(LabelText(0), "abc");
  Press(VK_DOWN);  // "是" -> "否", selected in the field
  Press(VK_TAB);
  EXPECT_EQ(Row(1)[2], "否");
  EXPECT_EQ(LabelInt(ATTR_LABEL_VISIBLE_GET, 1), 0);

  Leave();
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_STREQ(motor.szText[0], "abc");
  EXPECT_DOUBLE_EQ(motor.dHeight[1], 0.004);
  EXPECT_DOUBLE_EQ(motor.dWidth[1], 0.002);
  EXPECT_EQ(motor.bVisible[1], 0);
}

TEST_F(TypingTest, EscapeInTheEditorKeepsTheCellAndTheWindowOpen) {
  OpenShown();
  const std::string before = Row(0)[1];
  ClickGridCell(0, 1);
  TypeText("xyz");
  Press(VK_ESCAPE);
  EXPECT_EQ(Row(0)[1], before);
  EXPECT_EQ(LabelText(0), before);
  EXPECT_TRUE(::IsWindow(m_hDlg));  // Escape ended the edit, not the window
}

// The close box takes no focus from an open editor, as "退出" would: what was typed is stored.
TEST_F(TypingTest, AnEditStillOpenIsStoredWhenTheCloseBoxLeaves) {
  OpenShown();
  ClickGridCell(0, 1);
  ASSERT_NE(m_pDlg->m_grid.GetActiveEditor(), nullptr);
  TypeText("kept");
  Pump();
  ::SendMessageA(m_hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  EXPECT_FALSE(::IsWindow(m_hDlg));
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_STREQ(motor.szText[0], "kept");
}

// A click on a row counts as a change, also when it opens an in-place editor: leaving a kind
// shown from its built-in default then creates its record, though no value changed.
class ClickCountsTest : public TypingTest, public ::testing::WithParamInterface<int> {};

TEST_P(ClickCountsTest, AClickThatOpensAnEditorOnADefaultKindIsStoredWhenLeaving) {
  OpenShown();
  SymbolLabelConfig motor;
  ASSERT_FALSE(Find("电动机", motor));  // shown from the default table
  ClickGridCell(0, GetParam());
  ASSERT_NE(m_pDlg->m_grid.GetActiveEditor(), nullptr);
  Press(VK_RETURN);  // nothing typed
  Leave();
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_EQ(motor.nLabelCount, 3);
  EXPECT_STREQ(motor.szText[0], "a");
}

// The text, "是否显示" (a combo box) and the height.
INSTANTIATE_TEST_SUITE_P(EditableCells, ClickCountsTest, ::testing::Values(1, 2, 4));

TEST_F(TypingTest, AClickOnAReadOnlyCellIsReportedOnce) {
  OpenShown();
  m_positionAnswer = -2;  // cancel
  ClickGridCell(0, 3);    // "相对位置" opens the position window, once
  EXPECT_EQ(m_positionRuns, 1);
  EXPECT_EQ(m_positionPreset, 8);  // "中间", the first default slot of "电动机"
}

TEST_F(TypingTest, TheArrowsMoveTheSelectedLabelAndTheNextStoreKeepsTheNewOrder) {
  using Strings = std::vector<std::string>;
  Store(ThreeSlotMotor());
  m_pMapObject->GetDrawing().dScale = 2.0;
  OpenShown();
  ClickGridCell(2, 0);  // selects "z"
  ClickBarButton(2);    // up
  ClickBarButton(2);    // up again: the first row
  ClickBarButton(2);    // the first row goes no higher
  EXPECT_EQ(Column(0), (Strings{"0", "1", "2"}));
  EXPECT_EQ(Column(1), (Strings{"z", "x", "y"}));
  EXPECT_EQ(Column(3), (Strings{"左", "右", "中上二"}));
  EXPECT_EQ(m_pDlg->m_grid.GetItemData(0), 5u);  // the positions moved with their rows
  EXPECT_EQ(m_pDlg->m_grid.GetItemData(2), 22u);
  EXPECT_EQ(m_pDlg->m_grid.GetSelectedRow(), 0);
  EXPECT_EQ(::SendMessageA(m_pDlg->m_grid.m_hWnd, LVM_GETSELECTEDCOUNT, 0, 0), 1);

  // The preview's labels traded places with their rows, colours and middle anchor included.
  EXPECT_EQ((Strings{LabelText(0), LabelText(1), LabelText(2)}), (Strings{"z", "x", "y"}));
  EXPECT_EQ(LabelInt(ATTR_LABEL_POSITION_GET, 0), 5);
  EXPECT_EQ(LabelInt(ATTR_LABEL_POSITION_GET, 2), 22);
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_ANGLE_GET, 0), 20.0);
  unsigned fore = 0, back = 0;
  ASSERT_TRUE(QkSetupGetLabelColours(m_pDlg->m_pPreviewEntity, 0, &fore, &back));
  EXPECT_EQ(fore, 102u);
  ASSERT_TRUE(QkSetupGetLabelColours(m_pDlg->m_pPreviewEntity, 2, &fore, &back));
  EXPECT_EQ(fore, 101u);
  double anchor[3];
  ASSERT_TRUE(Anchor(2, anchor));
  EXPECT_NEAR(anchor[1], (SymbolSize() / 4) / 2.0, 1e-12);  // "中上二" at scale 2

  ClickGridCell(2, 0);
  ClickBarButton(3);  // the last row goes no lower
  EXPECT_EQ(Column(1), (Strings{"z", "x", "y"}));

  Leave();  // slot i = row i
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  ASSERT_EQ(motor.nLabelCount, 3);
  EXPECT_EQ((Strings{motor.szText[0], motor.szText[1], motor.szText[2]}), (Strings{"z", "x", "y"}));
  EXPECT_EQ(motor.nPosition[0], 5);
  EXPECT_EQ(motor.nPosition[2], 22);
  EXPECT_EQ(motor.clrFore[0], 102);
  EXPECT_DOUBLE_EQ(motor.dAngle[0], 20.0);
}

TEST_F(TypingTest, AnEditStillOpenEndsInItsOwnRowBeforeARowMoves) {
  Store(ThreeSlotMotor());
  OpenShown();
  ClickGridCell(1, 1);  // edits the text of "y", which also selects its row
  TypeText("q");        // over the selected text
  ClickBarButton(3);    // down: the edit lands in its row first, then the row moves
  EXPECT_EQ(m_pDlg->m_grid.GetActiveEditor(), nullptr);
  EXPECT_EQ(Row(1)[1], "z");
  EXPECT_EQ(Row(2)[1], "q");
  EXPECT_EQ(LabelText(2), "q");
}

// A category that lists no symbol: the shown kind's edit is stored, the grid is emptied, the
// caption cleared, and neither the grid nor its bar (no button left hot) takes a real click until
// a symbol is shown.  The window then: paraset-empty-category.png in the bin folder.
TEST_F(TypingTest, ACategoryWithoutSymbolsLeavesAnEmptyGridThatTakesNoInput) {
  FILE* f = std::fopen((m_dir + "符号库\\EdaSymbol.cls").c_str(), "ab");
  ASSERT_NE(f, nullptr);
  std::fputs("电缆\nline 2\n", f);  // line symbols only
  std::fclose(f);
  OpenShown();
  EditCell(0, 1, "型号");
  HWND categories = ::GetDlgItem(m_hDlg, IDC_CB_CATEGORY);
  auto choose = [&](int category) {
    ::SendMessageA(categories, CB_SETCURSEL, category, 0);
    ::SendMessageA(m_hDlg, WM_COMMAND, MAKEWPARAM(IDC_CB_CATEGORY, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(categories));
    Pump();
  };
  const RECT down = m_pDlg->m_wndButtonBar.GetButtonRect(3);
  MouseMove(m_pDlg->m_wndButtonBar.m_hWnd, POINT{down.left + 5, down.top + 5});
  Pump();
  ASSERT_EQ(m_pDlg->m_wndButtonBar.GetHotButton(), 3);
  choose(3);  // "电缆"
  EXPECT_EQ(m_pDlg->m_wndButtonBar.GetHotButton(), CGridButtonBar::kNoButton);
  EXPECT_EQ(Caption(), "");
  EXPECT_FALSE(Enabled(IDC_GRID) || Enabled(IDC_GRID_BUTTONBAR));
  ClickBarButton(0);  // "new row" takes no click: the grid stays empty
  EXPECT_EQ(Rows(), 0);
  EXPECT_TRUE(CDibCapture(m_hDlg, true).SavePng("paraset-empty-category.png"));
  choose(0);
  EXPECT_TRUE(Enabled(IDC_GRID) && Enabled(IDC_GRID_BUTTONBAR));
  EXPECT_EQ(Row(0)[1], "型号");  // stored when the category was chosen
}

// Edits the file will not take when another category is chosen: they stay, and the lists go back
// to the kind the grid shows; chosen again, the category is shown and the edits go.
TEST_F(TypingTest, ACategoryChosenWhileTheEditsCannotBeStoredPutsTheListsBack) {
  OpenShown();
  EditCell(0, 1, "型号");
  const std::string file = ConfigPath();
  ::MoveFileA(file.c_str(), (file + ".away").c_str());     // if there is one yet
  ASSERT_TRUE(::CreateDirectoryA(file.c_str(), nullptr));  // nothing can be stored there
  HWND categories = ::GetDlgItem(m_hDlg, IDC_CB_CATEGORY);
  HWND symbols = ::GetDlgItem(m_hDlg, IDC_CB_SYMBOL);
  const std::vector<std::string> listed = Items(IDC_CB_SYMBOL);
  const LRESULT symbol = ::SendMessageA(symbols, CB_GETCURSEL, 0, 0);
  auto choose = [&](int category) {
    ::SendMessageA(categories, CB_SETCURSEL, category, 0);
    ::SendMessageA(m_hDlg, WM_COMMAND, MAKEWPARAM(IDC_CB_CATEGORY, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(categories));
    Pump();
  };
  choose(1);
  EXPECT_EQ(::SendMessageA(categories, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(Items(IDC_CB_SYMBOL), listed);
  EXPECT_EQ(::SendMessageA(symbols, CB_GETCURSEL, 0, 0), symbol);
  EXPECT_EQ(Row(0)[1], "型号");
  ASSERT_EQ(m_messages.size(), 1u);
  EXPECT_NE(m_messages[0].find(vjd::annotation::ParaSetModel::kChoiceNotStored), std::string::npos);
  choose(1);
  EXPECT_EQ(::SendMessageA(categories, CB_GETCURSEL, 0, 0), 1);
  EXPECT_NE(Items(IDC_CB_SYMBOL), listed);
  ::RemoveDirectoryA(file.c_str());
}

}  // namespace
