// The configuration window while one of its modal windows is open - the position window, the
// colour dialog, a message box - each run for real, with its own loop, and driven from inside that
// loop by a timer: the window owns it and takes no input meanwhile; asked to leave meanwhile, it
// lets the modal window end first and leaves after it.  The window's object lives in pages that
// fault when they are touched after it was deleted, and each case counts such touches.
#include <functional>

#include "GridTestKit.h"
#include "ParaSetHarness.h"
#include "TestSeams.h"

namespace {

enum class Modal { kPosition, kColour, kMessageBox };

class CGuardedDlg : public CDlgParaSet {
 public:
  static void* operator new(size_t size) { return guard_heap::Allocate(size); }
  static void operator delete(void* block) { guard_heap::Free(block); }
};

std::vector<HWND> DialogsOwnedBy(HWND hOwner);

// What runs inside the modal window's loop: one step per timer tick, in order, the first once a
// dialog besides the window is shown (or after some 5 s).
std::vector<std::function<void()>> g_steps;
size_t g_nextStep = 0;
int g_ticksWaited = 0;
UINT_PTR g_timer = 0;
HWND g_hWindow = nullptr;  // the configuration window
void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD) {
  if (g_nextStep == 0 && DialogsOwnedBy(nullptr) == std::vector<HWND>{g_hWindow} &&
      ++g_ticksWaited < 50)
    return;
  if (g_nextStep < g_steps.size()) g_steps[g_nextStep++]();
  if (g_nextStep == g_steps.size() && g_timer) {  // done: the queue may fall quiet
    ::KillTimer(nullptr, g_timer);
    g_timer = 0;
  }
}

// The shown dialogs of this thread owned by hOwner, or by nobody when hOwner is null.
std::vector<HWND> DialogsOwnedBy(HWND hOwner) {
  struct Search {
    HWND hOwner;
    std::vector<HWND> found;
  } search{hOwner, {}};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND hWnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        char cls[16] = {};
        ::GetClassNameA(hWnd, cls, sizeof cls);
        if (std::string(cls) == "#32770" && ::IsWindowVisible(hWnd) &&
            (!s->hOwner || ::GetWindow(hWnd, GW_OWNER) == s->hOwner))
          s->found.push_back(hWnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

POINT Centre(const RECT& r) {
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

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
    g_hWindow = m_hDlg;
    g_timer = ::SetTimer(nullptr, 0, 100, &RunNextStep);
  }

  void TearDown() override {
    if (g_timer) ::KillTimer(nullptr, g_timer);
    g_timer = 0;
    g_steps.clear();
    g_nextStep = 0;
    g_ticksWaited = 0;
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
    const DWORD start = ::GetTickCount();
    while (g_nextStep < g_steps.size() && ::GetTickCount() - start < 20000) Pump(20);
    ASSERT_EQ(g_nextStep, g_steps.size()) << "the steps did not all run";
    Pump(300);
  }

  // The last step: a modal window still open is cancelled, so no case waits for a person.
  void EndWithCleanUp() {
    g_steps.push_back([this] {
      for (HWND hLeft : DialogsOwnedBy(nullptr)) {
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
  g_steps.push_back([this] {
    const std::vector<HWND> modals = DialogsOwnedBy(m_hDlg);
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
  g_steps.push_back([this] {
    EXPECT_TRUE(::IsWindow(m_hDlg)) << "\"退出\" was clicked while the modal window was open";
    EXPECT_EQ(DialogsOwnedBy(m_hDlg), std::vector<HWND>{m_hModal}) << "a second one opened";
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
  g_steps.push_back([this] {
    EXPECT_EQ(DialogsOwnedBy(m_hDlg).size(), 1u);
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
                           switch (info.param) {
                             case Modal::kPosition:
                               return std::string("Position");
                             case Modal::kColour:
                               return std::string("Colour");
                             case Modal::kMessageBox:
                               return std::string("MessageBox");
                           }
                           return std::string();
                         });

}  // namespace
