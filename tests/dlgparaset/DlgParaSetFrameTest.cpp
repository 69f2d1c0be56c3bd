// The configuration window's frame: its count control at opening, its buttons reaching what they
// run, and its two calls into the command.  The command sink is this program's own recorder, so
// each test sees exactly what the window sends and whether its window still existed at that moment.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "CommandMessages.h"
#include "DlgParaSet.h"
#include "ResourceScope.h"
#include "TestSeams.h"
#include "VellJDLabels.h"
#include "WindowTestKit.h"

namespace {

using namespace vjd::command;

struct Call {
  int code, p1, p2;
  bool windowAlive;
};
std::vector<Call> g_calls;
std::vector<std::string> g_boxes;  // texts of the message boxes shown
HWND g_hDlg = nullptr;
HWND g_hExitButton = nullptr;
bool g_deleted = false;
bool g_windowGoneAtDelete = false;

class RecordingCommand : public vjd::command::ICommandSink {
 public:
  void Send(int code, int param1, int param2) override {
    g_calls.push_back({code, param1, param2, ::IsWindow(g_hDlg) != FALSE});
  }
};
RecordingCommand g_command;

// Observes the object's deletion, which the frame does itself after its window is gone.
class CObservedDlg : public CDlgParaSet {
 public:
  ~CObservedDlg() override {
    g_deleted = true;
    // Deleted from the window's last message: the controls are gone, the window is detached.
    g_windowGoneAtDelete = m_hWnd == nullptr && CWnd::FromHandlePermanent(g_hDlg) == nullptr &&
                           !::IsWindow(g_hExitButton);
  }
};

struct FrameFixture : ::testing::Test {
  CObservedDlg* pDlg = nullptr;
  void SetUp() override {
    // The window's contents may report a missing file; no box may wait for a person here.
    fw::SetMessageBoxHandler([](void*, void*, const char* text, unsigned) {
      g_boxes.push_back(text);
      return IDOK;
    });
    g_calls.clear();
    g_deleted = g_windowGoneAtDelete = false;
    pDlg = new CObservedDlg;
    pDlg->SetCommandSink(&g_command);
  }
  void Open() {
    CResourceScope scope;  // as the command does: the template is this module's
    ASSERT_TRUE(pDlg->Create(CDlgParaSet::IDD, nullptr));
    g_hDlg = pDlg->m_hWnd;
    g_hExitButton = ::GetDlgItem(g_hDlg, IDCANCEL);
    pDlg->ShowWindow(SW_SHOW);
  }
  void TearDown() override {
    if (!g_deleted && pDlg->m_hWnd) pDlg->DestroyWindow();  // deletes the object
    if (!g_deleted) delete pDlg;
    g_hDlg = nullptr;
    fw::SetMessageBoxHandler(nullptr);
  }
  std::string CountText() {
    char text[16] = {};
    ::GetDlgItemTextA(g_hDlg, IDC_EDIT_SEL_COUNT, text, sizeof text);
    return text;
  }
};

TEST_F(FrameFixture, ASelectionHandedOverShowsItsSizeInTheCountControl) {
  const int handles[] = {100, 101, 102}, ids[] = {1, 2, 3};
  pDlg->SetSelectedSymbols(handles, ids, 3);
  Open();
  EXPECT_EQ(3, pDlg->SelCount());
  EXPECT_EQ("3", CountText());
  EXPECT_TRUE(::IsWindowVisible(g_hDlg));
  EXPECT_EQ(nullptr, ::GetParent(g_hDlg));
  EXPECT_TRUE(g_calls.empty()) << "opening tells the command nothing";
}

TEST_F(FrameFixture, AnEmptySelectionShowsZero) {
  const int handle = 7, id = 70;
  pDlg->SetAllSymbols(&handle, &id, 1);
  Open();
  EXPECT_EQ(0, pDlg->SelCount());
  EXPECT_EQ("0", CountText());
}

// What a pick ended with: its count is shown and its device symbols replace the selected lists,
// none included: the count shown is what a push to the picked symbols acts on.
TEST_F(FrameFixture, APickResultShowsItsCountAndReplacesTheSelection) {
  const int handles[] = {100, 101}, ids[] = {1, 2};
  pDlg->SetSelectedSymbols(handles, ids, 2);
  Open();
  const int pickedHandle = 102, pickedId = 3;
  pDlg->ShowPickResult(1, &pickedHandle, &pickedId);
  EXPECT_EQ("1", CountText());
  ASSERT_EQ(1, pDlg->SelIds().GetSize());
  EXPECT_EQ(3, pDlg->SelIds().GetAt(0));
  EXPECT_EQ(102, pDlg->SelHandles().GetAt(0));
  pDlg->ShowPickResult(0, nullptr, nullptr);
  EXPECT_EQ("0", CountText());
  EXPECT_EQ(0, pDlg->SelCount());
  EXPECT_EQ(0, pDlg->SelIds().GetSize());
  EXPECT_EQ(0, pDlg->SelHandles().GetSize());
}

TEST_F(FrameFixture, PickingAsksTheCommandAndKeepsTheWindow) {
  Open();
  ::SendMessageA(::GetDlgItem(g_hDlg, IDC_BTN_PICK), BM_CLICK, 0, 0);
  ASSERT_EQ(1u, g_calls.size());
  EXPECT_EQ(kFromWindow, g_calls[0].code);
  EXPECT_EQ(kWindowPicks, g_calls[0].p2);
  EXPECT_TRUE(::IsWindow(g_hDlg)) << "hiding is the command's business";
  EXPECT_FALSE(g_deleted);
}

// What each label button runs is its model's (tested natively); here the buttons reach it.
TEST_F(FrameFixture, TheLabelButtonsRunTheirActions) {
  Open();
  g_boxes.clear();
  const bool shown = GetShowShortCurrent() != 0;
  ::CheckDlgButton(g_hDlg, IDC_CHK_SHOW_SHORT_CURRENT, shown ? BST_UNCHECKED : BST_CHECKED);
  ::SendMessageA(::GetDlgItem(g_hDlg, IDC_BTN_APPLY), BM_CLICK, 0, 0);
  EXPECT_EQ(GetShowShortCurrent() != 0, !shown) << "\"应用\" stores the box as it is";
  SetShowShortCurrent(shown);
  for (int id : {IDC_BTN_UPDATE_ALL, IDC_BTN_UPDATE_SELECTED})
    ::SendMessageA(::GetDlgItem(g_hDlg, id), BM_CLICK, 0, 0);
  EXPECT_EQ(g_boxes, (std::vector<std::string>{"更新标注失败！", "更新标注失败！"}))
      << "no entities were handed over";
  EXPECT_TRUE(g_calls.empty());
}

// Each way out ends the command once, then destroys the window and deletes the object.
struct Leaving {
  const char* name;
  void (*leave)();
};
const Leaving kLeavings[] = {
    {"TheExitButton", [] { ::SendMessageA(::GetDlgItem(g_hDlg, IDCANCEL), BM_CLICK, 0, 0); }},
    {"EscapeInTheMessageLoop",
     [] { ::PostMessageA(::GetDlgItem(g_hDlg, IDC_BTN_APPLY), WM_KEYDOWN, VK_ESCAPE, 0); }},
    {"TheCloseBox", [] { ::SendMessageA(g_hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

struct LeaveFixture : FrameFixture, ::testing::WithParamInterface<Leaving> {};

TEST_P(LeaveFixture, EndsTheCommandOnceThenDestroysAndDeletes) {
  Open();
  GetParam().leave();
  PumpWaitingMessages();
  ASSERT_EQ(1u, g_calls.size());
  EXPECT_EQ(kFromWindow, g_calls[0].code);
  EXPECT_EQ(0, g_calls[0].p1);
  EXPECT_EQ(kWindowLeaves, g_calls[0].p2);
  EXPECT_TRUE(g_calls[0].windowAlive) << "the command is told before the window goes";
  EXPECT_FALSE(::IsWindow(g_hDlg));
  EXPECT_TRUE(g_deleted);
  EXPECT_TRUE(g_windowGoneAtDelete) << "the object goes after its window";
}

INSTANTIATE_TEST_SUITE_P(EachWayOut, LeaveFixture, ::testing::ValuesIn(kLeavings),
                         [](const ::testing::TestParamInfo<Leaving>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(FrameFixture, AnotherKeyOrEnterDoesNotLeave) {
  Open();
  ::PostMessageA(::GetDlgItem(g_hDlg, IDC_BTN_PICK), WM_KEYDOWN, 'X', 0);
  PumpWaitingMessages();
  HWND hSymbols = ::GetDlgItem(g_hDlg, IDC_CB_SYMBOL);
  ::SetFocus(hSymbols);
  ::PostMessageA(hSymbols, WM_KEYDOWN, VK_RETURN, 0);  // Enter: the default button, "应用"
  PumpWaitingMessages();
  EXPECT_TRUE(::IsWindow(g_hDlg));
  EXPECT_FALSE(g_deleted);
  EXPECT_TRUE(g_calls.empty());
}

}  // namespace
