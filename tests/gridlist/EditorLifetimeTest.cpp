// The in-place editors end themselves from inside their own handlers (focus loss, keys) while the
// grid destroys them.  With the editors' memory from the guard heap, any touch of an editor after
// it was freed faults and is counted; every way of ending an edit must count none and free all.
#include <gtest/gtest.h>

#include <functional>

#include "Edit.h"
#include "GridEditorHeap.h"
#include "GridTestDlg.h"
#include "GridTestDlgIds.h"

namespace {

class EditorLifetimeTest : public GridTest {
 protected:
  void SetUp() override {
    guard_heap::Install();
    GridTest::SetUp();
  }
  void TearDown() override {
    GridTest::TearDown();
    EXPECT_EQ(CGridEditorHeap::LiveCount(), 0);
    EXPECT_EQ(guard_heap::Faults(), 0);
    guard_heap::Uninstall();
  }
  POINT OtherButton() const {
    RECT r = {};
    ::GetClientRect(::GetDlgItem(dlg->m_hWnd, IDC_GRIDTEST_OTHER), &r);
    return POINT{r.right / 2, r.bottom / 2};
  }
  HWND Other() const { return ::GetDlgItem(dlg->m_hWnd, IDC_GRIDTEST_OTHER); }
};

TEST(GuardHeap, CountsATouchOfFreedMemory) {
  guard_heap::Install();
  auto* block = static_cast<volatile char*>(CGridEditorHeap::Allocate(64));
  block[0] = 1;
  CGridEditorHeap::Free(const_cast<char*>(block));
  EXPECT_EQ(guard_heap::Faults(), 0);
  const char value = block[10];  // after free: the handler counts it
  EXPECT_EQ(guard_heap::Faults(), 1);
  EXPECT_EQ(value, static_cast<char>(0xDD));  // poisoned
  guard_heap::Uninstall();
}

// An editor that frees itself the moment its window is gone and then goes on in its handler:
// the fault the grid's editors are built to avoid.  The guard heap must see it.
class EagerEditor : public CEdit {
 public:
  static void* operator new(size_t size) { return CGridEditorHeap::Allocate(size); }
  static void operator delete(void* block) { CGridEditorHeap::Free(block); }
  int m_nLosses = 0;

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message != WM_KILLFOCUS) return CEdit::OnWndMsg(message, wParam, lParam, pResult);
    DestroyWindow();  // as a grid destroying its editor inside the end notification
    ++m_nLosses;      // ... and the handler touching its object afterwards
    return TRUE;
  }
  void PostNcDestroy() override { delete this; }
};

TEST_F(EditorLifetimeTest, GuardHeapCatchesAnEditorFreedUnderItsOwnHandler) {
  auto* eager = new EagerEditor;
  ASSERT_TRUE(eager->CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{5, 5, 60, 25},
                              dlg.get(), 77));
  eager->SetFocus();
  ::SetFocus(Other());
  EXPECT_EQ(guard_heap::Faults(), 1);
  guard_heap::Install();  // counted: start the fixture's own check afresh
}

TEST_F(EditorLifetimeTest, EveryWayOfEndingAnEditFreesTheEditorUntouched) {
  struct Ending {
    const char* name;
    std::function<void()> input;  // all input of one ending is queued before any is handled
    bool changesACombo = false;   // a combo box commits what was typed (an edit box takes Tab
                                  // as a character, so Escape discards it there)
  };
  const Ending endings[] = {
      {"key then focus loss", [&] { PressKey(VK_RETURN), Click(Other(), OtherButton()); }},
      {"focus loss then key", [&] { Click(Other(), OtherButton()), PressKey(VK_RETURN); }},
      {"escape then click another cell",
       [&] { PressKey(VK_ESCAPE), Click(Grid(), CellPoint(2, 5)); }},
      {"click another cell then escape",
       [&] { Click(Grid(), CellPoint(2, 5)), PressKey(VK_ESCAPE); }},
      {"tab, ctrl+down and typing",
       [&] { TypeText("k"), PressKey(VK_TAB), PressKey(VK_DOWN, true); }, true},
      {"scrolling the grid", [&] { dlg->m_grid.SendMessage(WM_VSCROLL, SB_LINEDOWN); }},
  };
  for (int column : {1, 2, 6}) {  // an edit box and two combo boxes
    for (const Ending& ending : endings) {
      SCOPED_TRACE(testing::Message() << ending.name << ", column " << column);
      const size_t changesBefore = Changes();
      ClickCell(0, column);
      ASSERT_NE(dlg->m_grid.GetActiveEditor(), nullptr);
      ending.input();
      Pump();
      if (dlg->m_grid.GetActiveEditor()) Press(VK_ESCAPE);  // one that opened again at (2, 5)
      EXPECT_EQ(dlg->m_grid.GetActiveEditor(), nullptr);
      EXPECT_EQ(CGridEditorHeap::LiveCount(), 0);
      EXPECT_EQ(guard_heap::Faults(), 0);
      // Nothing was typed but in one ending: only a combo box that commits it reports a change.
      EXPECT_EQ(Changes() - changesBefore, ending.changesACombo && column != 1 ? 1u : 0u);
    }
  }
  ClickCell(1, 2);  // the dialog closes while an editor is open: the editor goes with it
  ASSERT_NE(dlg->m_grid.GetActiveEditor(), nullptr);
  dlg.reset();
  Pump();
}

}  // namespace
