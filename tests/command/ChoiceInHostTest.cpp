// The host's part while the position window is open, through the plug-in DLL as a host drives it:
// the host's own windows stay live under the choice, so the host may end the command (Escape) or
// free the library from inside the choice's loop.  Neither may leave code running on a freed
// window: the command ends and the window and its choice stay; the library, once the host's code
// ran inside one of its modal loops, stays loaded, so the choice returns into code that is still
// there.  A choice the host's code never ran inside leaves the library as freeable as before.
//
// The first case needs the library unpinned: the cases run in the order they are written, and
// every later one lets the host's code run inside a choice.
#include <gtest/gtest.h>

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <string>

#include "CommandHarness.h"
#include "DlgParaSetIds.h"
#include "KernelViewExtras.h"
#include "ModalSteps.h"
#include "SignRelaPosIds.h"
#include "quarnkernel.h"

namespace {

const char kPluginFile[] = "VellJDParaSetting.dll";

using modal_steps::ShownDialogs;

// What a host calls instead of a plug-in it freed: nothing.
void WINAPI NoPlugin(int, int, int) {}

std::string CellText(HWND hGrid, int row, int column) {
  char text[64] = {};
  ListView_GetItemText(hGrid, row, column, text, sizeof text);
  return text;
}

// A click on a cell of the grid, as the mouse makes it.
void ClickCell(HWND hGrid, int row, int column) {
  RECT cell = {};
  ListView_GetSubItemRect(hGrid, row, column, LVIR_BOUNDS, &cell);
  const LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
  ::PostMessageA(hGrid, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageA(hGrid, WM_LBUTTONUP, 0, at);
}

class ChoiceInHost : public ::testing::Test {
 protected:
  void SetUp() override {
    // The host's symbol library, which the window's symbol list shows (beside this program).
    char error[256] = "";
    ASSERT_TRUE(QkLoadSymbolLibrary("符号库\\EdaSymbol.sym", error, sizeof error)) << error;
    m_module = ::LoadLibraryA(kPluginFile);
    ASSERT_NE(nullptr, m_module);
    ASSERT_TRUE(BindPluginCalls(m_module, m_calls));
    m_host = new StandInHost(m_calls);
    m_host->AddEntity(101, QK_KIND_DEVICE_SYMBOL);
    ASSERT_EQ(1, m_calls.LaunchCommand());
    PumpMessages();
    m_hDlg = StandInHost::FindConfigWindow();
    ASSERT_NE(nullptr, m_hDlg);
    m_hGrid = ::GetDlgItem(m_hDlg, IDC_GRID);
    ASSERT_GT(::SendMessageA(m_hGrid, LVM_GETITEMCOUNT, 0, 0), 0) << "the shown kind has labels";
  }
  void TearDown() override {
    modal_steps::Stop();
    delete m_host;  // a window left open goes with it
    if (m_module) ::FreeLibrary(m_module);
  }

  // Clicks the position cell of label 0 and pumps until every step ran in the choice's loop.
  void RunStepsInTheChoice() {
    modal_steps::Start(m_hDlg);
    ClickCell(m_hGrid, 0, 3);
    ASSERT_TRUE(modal_steps::RunAll([] {
      PumpMessages();
      ::Sleep(10);
    })) << "the steps did not all run";
    PumpMessages();
  }
  HWND TheChoice() const {
    const std::vector<HWND> choices = ShownDialogs(m_hDlg);
    return choices.size() == 1 ? choices[0] : nullptr;
  }

  HMODULE m_module = nullptr;
  PluginCalls m_calls;
  StandInHost* m_host = nullptr;
  HWND m_hDlg = nullptr, m_hGrid = nullptr;
};

// Answers the position window as soon as it is activated, with no message of the host's taken
// from the queue in between.
HHOOK g_hAnswerHook = nullptr;
LRESULT CALLBACK AnswerAtActivation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    char caption[16] = {};
    ::GetWindowTextA(reinterpret_cast<HWND>(wParam), caption, sizeof caption);
    if (std::string(caption) == "标注位置")
      ::PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDCANCEL, 0);
  }
  return ::CallNextHookEx(g_hAnswerHook, code, wParam, lParam);
}

TEST_F(ChoiceInHost, AChoiceTheHostStayedOutOfLeavesTheLibraryFreeable) {
  g_hAnswerHook = ::SetWindowsHookExA(WH_CBT, &AnswerAtActivation, nullptr, ::GetCurrentThreadId());
  ClickCell(m_hGrid, 0, 3);
  PumpMessages();
  ::UnhookWindowsHookEx(g_hAnswerHook);
  EXPECT_TRUE(ShownDialogs(m_hDlg).empty());
  ASSERT_TRUE(::IsWindow(m_hDlg));

  m_host->m_calls.MouseStatus = &NoPlugin;  // the host forgets the plug-in
  ASSERT_TRUE(::FreeLibrary(m_module));
  m_module = nullptr;
  EXPECT_EQ(nullptr, ::GetModuleHandleA(kPluginFile)) << "the library stayed loaded";
  EXPECT_FALSE(::IsWindow(m_hDlg)) << "its window went with it";
}

TEST_F(ChoiceInHost, EscapeInTheHostEndsTheCommandAndLeavesTheWindowAndItsChoice) {
  const std::string before = CellText(m_hGrid, 0, 3);
  HWND hChoice = nullptr;
  modal_steps::Add([&] {
    hChoice = TheChoice();
    m_host->ClearLog();
    m_calls.MouseStatus(7, 27, 0);  // the host passes Escape on
  });
  modal_steps::Add([&] {
    EXPECT_EQ(1, m_host->Log().Count("Map.SetCurrentCommand(0,0)")) << "the command ended";
    EXPECT_EQ(hChoice, TheChoice()) << "the choice is still open";
    // A position other than the shown one, and OK.
    const int button = before == "右" ? IDC_POSITION_0 : IDC_POSITION_1;
    ::SendMessageA(::GetDlgItem(hChoice, button), BM_CLICK, 0, 0);
    ::SendMessageA(hChoice, WM_COMMAND, IDOK, 0);
  });
  RunStepsInTheChoice();
  ASSERT_NE(nullptr, hChoice);
  ASSERT_TRUE(::IsWindow(m_hDlg));
  EXPECT_NE(before, CellText(m_hGrid, 0, 3)) << "the answer reached the grid";

  m_host->ClearLog();
  ::SendMessageA(::GetDlgItem(m_hDlg, IDCANCEL), BM_CLICK, 0, 0);  // "退出"
  PumpMessages();
  EXPECT_FALSE(::IsWindow(m_hDlg));
  EXPECT_EQ(0, m_host->Log().Count("Map.SetCurrentCommand(0,0)"))
      << "the command had ended already";
}

TEST_F(ChoiceInHost, FreeingTheLibraryInsideAChoiceLeavesItLoadedAndTheWindowWorking) {
  HWND hChoice = nullptr;
  modal_steps::Add([&] {
    hChoice = TheChoice();
    m_host->m_calls.MouseStatus = &NoPlugin;
    EXPECT_TRUE(::FreeLibrary(m_module));
    m_module = nullptr;
  });
  modal_steps::Add([&] {
    EXPECT_NE(nullptr, ::GetModuleHandleA(kPluginFile)) << "the choice's code went";
    EXPECT_TRUE(::IsWindow(m_hDlg));
    EXPECT_EQ(hChoice, TheChoice());
    ::SendMessageA(hChoice, WM_COMMAND, IDCANCEL, 0);
  });
  RunStepsInTheChoice();
  ASSERT_NE(nullptr, hChoice);
  ASSERT_TRUE(::IsWindow(m_hDlg)) << "the window goes only when its user leaves it";
  EXPECT_TRUE(::IsWindowEnabled(m_hDlg));

  ::SendMessageA(::GetDlgItem(m_hDlg, IDCANCEL), BM_CLICK, 0, 0);  // "退出"
  PumpMessages();
  EXPECT_FALSE(::IsWindow(m_hDlg));
  EXPECT_EQ(1, m_host->Log().Count("Map.SetCurrentCommand(0,0)")) << "leaving ended the command";
}

}  // namespace
