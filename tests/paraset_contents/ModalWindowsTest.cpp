// The configuration window while one of its modal windows is open - the position window, the
// colour dialog, a message box - each run for real, with its own loop, and driven from inside that
// loop by a timer: the window owns it and takes no input meanwhile; asked to leave meanwhile, it
// lets the modal window end first and leaves after it.  The window's object lives in pages that
// fault when they are touched after it was deleted, and each case counts such touches.
#include "GridTestKit.h"
#include "ModalSteps.h"
#include "ParaSetHarness.h"
#include "TestSeams.h"

namespace {

enum class Modal { kPosition, kColour, kMessageBox };
const char* const kModalNames[] = {"Position", "Colour", "MessageBox"};

class CGuardedDlg : public CDlgParaSet {
 public:
  static void* operator new(size_t size) { return guard_heap::Allocate(size); }
  static void operator delete(void* block) { guard_heap::Free(block); }
};

using modal_steps::ShownDialogs;

class ModalWindowsTest : public ParaSetTest, public ::testing::WithParamInterface<Modal> {
 protected:
  CDlgParaSet* NewWindow() override { return new CGuardedDlg; }

  void SetUp() override {
    ParaSetTest::SetUp();
    if (HasFatalFailure()) return;
    fw::SetModalDialogHandler(nullptr);  // the real windows, with their own loops
    fw::SetColorDialogHandler(nullptr);
    if (GetParam() == Modal::kMessageBox) fw::SetMessageBoxHandler(nullptr);
    guard_heap::Install();
    Open();
    ::SetDoubleClickTime(1);
    m_pDlg->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_pDlg->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_hDlg);
    Pump();
    modal_steps::Start(m_hDlg);
  }

  void TearDown() override {
    modal_steps::Stop();
    EXPECT_EQ(guard_heap::Faults(), 0) << "the window's object was touched after it was deleted";
    guard_heap::Uninstall();
    ParaSetTest::TearDown();
  }

  // Opens the case's modal window with a real click, then pumps until every step has run.
  void OpenModalAndRunSteps() {
    switch (GetParam()) {
      case Modal::kPosition:
      case Modal::kColour: {
        RECT cell = {};
        m_pDlg->m_grid.GetCellRect(0, GetParam() == Modal::kPosition ? 3 : 8, &cell);
        Click(m_pDlg->m_grid.m_hWnd, Centre(cell));
        break;
      }
      case Modal::kMessageBox: {  // no entities were picked: "更新标注失败！"
        HWND hButton = ::GetDlgItem(m_hDlg, IDC_BTN_UPDATE_SELECTED);
        RECT r = {};
        ::GetClientRect(hButton, &r);
        Click(hButton, Centre(r));
        break;
      }
    }
    ASSERT_TRUE(modal_steps::RunAll([] { Pump(20); })) << "the steps did not all run";
    Pump(300);
  }

  // The last step: a modal window still open is cancelled, so no case waits for a person.
  void EndWithCleanUp() {
    modal_steps::Add([this] {
      for (HWND hLeft : ShownDialogs(nullptr)) {
        if (hLeft == m_hDlg) continue;
        m_modalLeftOpen = true;
        ::PostMessageA(hLeft, WM_COMMAND, IDCANCEL, 0);
      }
    });
  }

  HWND m_hModal = nullptr;
  bool m_modalLeftOpen = false;
};

TEST_P(ModalWindowsTest, TheWindowOwnsItsModalWindowAndTakesNoInputWhileItIsOpen) {
  modal_steps::Add([this] {
    const std::vector<HWND> modals = ShownDialogs(m_hDlg);
    ASSERT_EQ(modals.size(), 1u) << "the modal window is the window's own";
    m_hModal = modals[0];
    EXPECT_FALSE(::IsWindowEnabled(m_hDlg));
    // Out of the way, so that the clicks below land on the window itself.
    RECT dlg = {};
    ::GetWindowRect(m_hDlg, &dlg);
    ::SetWindowPos(m_hModal, nullptr, dlg.right + 5, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND hExit = ::GetDlgItem(m_hDlg, IDCANCEL);
    RECT r = {};
    ::GetClientRect(hExit, &r);
    Click(hExit, Centre(r));     // "退出"
    for (int column : {3, 8}) {  // a second choice
      RECT cell = {};
      m_pDlg->m_grid.GetCellRect(0, column, &cell);
      Click(m_pDlg->m_grid.m_hWnd, Centre(cell));
    }
  });
  modal_steps::Add([this] {
    EXPECT_TRUE(::IsWindow(m_hDlg)) << "\"退出\" was clicked while the modal window was open";
    EXPECT_EQ(ShownDialogs(m_hDlg), std::vector<HWND>{m_hModal}) << "a second one opened";
    ::SendMessageA(m_hModal, WM_COMMAND, IDCANCEL, 0);
  });
  EndWithCleanUp();
  OpenModalAndRunSteps();
  EXPECT_FALSE(m_modalLeftOpen);
  ASSERT_TRUE(::IsWindow(m_hDlg));
  EXPECT_TRUE(::IsWindowEnabled(m_hDlg)) << "the window takes input again";
  Leave();
  EXPECT_FALSE(::IsWindow(m_hDlg));
}

// A close that does not come from the user's input (the window manager's, another program's).
TEST_P(ModalWindowsTest, AskedToLeaveMeanwhileTheWindowEndsTheModalWindowFirstThenLeaves) {
  modal_steps::Add([this] {
    EXPECT_EQ(ShownDialogs(m_hDlg).size(), 1u);
    ::PostMessageA(m_hDlg, WM_CLOSE, 0, 0);
  });
  EndWithCleanUp();
  OpenModalAndRunSteps();
  EXPECT_FALSE(m_modalLeftOpen) << "the modal window outlived the leave";
  EXPECT_FALSE(::IsWindow(m_hDlg)) << "the window did not leave";
}

INSTANTIATE_TEST_SUITE_P(EachModalWindow, ModalWindowsTest,
                         ::testing::Values(Modal::kPosition, Modal::kColour, Modal::kMessageBox),
                         [](const ::testing::TestParamInfo<Modal>& info) {
                           return std::string(kModalNames[static_cast<int>(info.param)]);
                         });

}  // namespace
