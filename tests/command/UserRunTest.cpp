// One whole run as a user makes it, through the plug-in DLL exactly as a host drives it:
// LoadLibrary, the exports by name, the map handed over, the launch with two pre-selected device
// symbols and one other entity, "选择实体", two pick steps, the pick's end, "退出".  Message boxes
// the window might show are answered by a timer, as a person would press OK.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "CallSequence.h"
#include "CommandHarness.h"
#include "DlgParaSetIds.h"
#include "POIntArray.h"
#include "quarnkernel.h"

namespace {

using vjd::testing::IsCallSequence;

std::vector<std::string> g_boxes;

// Presses OK on a message box of this thread (a caption-less dialog with a text item).
BOOL CALLBACK AnswerBox(HWND hWnd, LPARAM) {
  char cls[16] = {}, caption[8] = {}, text[256] = {};
  ::GetClassNameA(hWnd, cls, sizeof cls);
  ::GetWindowTextA(hWnd, caption, sizeof caption);
  if (std::string(cls) == "#32770" && caption[0] == '\0' &&
      ::GetDlgItemTextA(hWnd, 0xFFFF, text, sizeof text) > 0) {
    g_boxes.push_back(text);
    ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
  }
  return TRUE;
}

void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR, DWORD) {
  ::EnumThreadWindows(::GetCurrentThreadId(), &AnswerBox, 0);
}

std::string CountText(HWND hDlg) {
  char text[16] = {};
  ::GetDlgItemTextA(hDlg, IDC_EDIT_SEL_COUNT, text, sizeof text);
  return text;
}

TEST(UserRun, LaunchPickAndLeaveThroughTheExports) {
  HMODULE module = ::LoadLibraryA("VellJDParaSetting.dll");
  ASSERT_NE(nullptr, module);
  PluginCalls calls;
  ASSERT_TRUE(BindPluginCalls(module, calls));
  UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &AnswerBoxes);
  int arraysAtStart = -1;
  {
    StandInHost host(calls);
    host.AddEntity(101, QK_KIND_DEVICE_SYMBOL);
    host.AddEntity(102, QK_KIND_DEVICE_SYMBOL_ALT);
    host.AddEntity(103, 5);
    host.AddEntity(104, QK_KIND_DEVICE_SYMBOL);
    host.Select({101, 103, 102});
    const int arraysBefore = host.LiveIntArrays();

    // Launch: the window opens with the two selected device symbols.
    ASSERT_EQ(1, calls.LaunchCommand());
    PumpMessages();
    HWND hDlg = StandInHost::FindConfigWindow();
    ASSERT_NE(nullptr, hDlg);
    EXPECT_TRUE(::IsWindowVisible(hDlg));
    EXPECT_EQ(nullptr, ::GetParent(hDlg)) << "the window stands on its own beside the map";
    EXPECT_EQ("2", CountText(hDlg));
    EXPECT_TRUE(host.Drawing().selection.empty());
    // The launch, the selection moved into the array, the drawing's device symbols collected,
    // the preview's map scale.
    const auto scale = om::CallLog::Optional("Map.Scale()");
    // clang-format off
    EXPECT_TRUE(IsCallSequence(host.Log().Lines(), {
        "Map.GetCurrentCommand()", "Map.CommandState()", "CommandState.CanStartCommand()",
        "CommandState.IsCommandBlocked(4711)", "CommandState.PrepareCommand()",
        "Map.SetCurrentCommand(4711,0)", "Map.GetCurrentCommand()",
        "Map.SetPrompt(\"<标注配置/paraset/ps>\")", "Map.Action(3)",
        "Map.GetCurrentCommand()", "IntArray.Create()", "Map.Selection()",
        "Selection.Count()", "IntArray.SetSize(3,-1)",
        "Selection.Count()", "Selection.Item(0)", "IntArray.SetAt(0,101)",
        "Selection.Count()", "Selection.Item(1)", "IntArray.SetAt(1,103)",
        "Selection.Count()", "Selection.Item(2)", "IntArray.SetAt(2,102)",
        "Selection.Count()", "Selection.Clear()",
        "IntArray.GetSize()", "IntArray.GetAt(0)", "Map.EntityHandle(101)", "IntArray.GetAt(1)",
        "Map.EntityHandle(103)", "IntArray.GetAt(2)", "Map.EntityHandle(102)",
        "Map.EntityCount()", "Map.EntityIdAt(0)", "Map.EntityHandle(101)", "Map.EntityIdAt(1)",
        "Map.EntityHandle(102)", "Map.EntityIdAt(2)", "Map.EntityHandle(103)",
        "Map.EntityIdAt(3)", "Map.EntityHandle(104)", scale, scale}));
    // clang-format on
    EXPECT_EQ(arraysBefore + 1, host.LiveIntArrays());

    // "选择实体": the window hides and a pick is armed.
    ::SendMessageA(::GetDlgItem(hDlg, IDC_BTN_PICK), BM_CLICK, 0, 0);
    EXPECT_FALSE(::IsWindowVisible(hDlg));
    EXPECT_EQ(1, host.Log().Count("Map.BeginPick(IntArray,0,4,63,null)"));

    // Two pick steps, then the pick's end.
    ASSERT_TRUE(host.Pick(104));
    calls.MouseStatus(0, 0, 0);
    ASSERT_TRUE(host.Pick(103));
    calls.MouseStatus(0, 0, 0);
    EXPECT_EQ(3, host.Log().Count("Map.BeginPick(IntArray,0,4,63,null)"));
    EXPECT_EQ(1u, host.Drawing().highlighted.count(104));
    calls.MouseStatus(3, 0, 0);
    PumpMessages();
    EXPECT_TRUE(::IsWindowVisible(hDlg));
    EXPECT_EQ("1", CountText(hDlg)) << "one of the two picked entities is a device symbol";
    EXPECT_TRUE(host.Drawing().bPickEnded);

    // "退出": the command ends once, the window goes.
    host.ClearLog();
    ::SendMessageA(::GetDlgItem(hDlg, IDCANCEL), BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_EQ(1, host.Log().Count("Map.SetCurrentCommand(0,0)"));
    EXPECT_EQ("退出标注配置命令", host.Drawing().strPrompt);
    EXPECT_EQ(1, host.Log().Count("Map.SetPrompt(\"退出标注配置命令\")"));
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_EQ(nullptr, StandInHost::FindConfigWindow());
    EXPECT_TRUE(host.Drawing().highlighted.empty());

    // Nothing more happens: the command is no longer current.
    host.ClearLog();
    calls.MouseStatus(3, 0, 0);
    calls.MouseStatus(19, 0, 0);
    EXPECT_EQ(std::vector<std::string>{}, host.Log().Without("Map.GetCurrentCommand()"));
    arraysAtStart = arraysBefore;
  }
  // With the host's own reference (its last pick) gone, no array is left: the command released
  // the one it created.
  EXPECT_EQ(arraysAtStart, om::POIntArray::LiveCount());
  ::KillTimer(nullptr, timer);
  EXPECT_TRUE(::FreeLibrary(module));
  for (const std::string& box : g_boxes) ADD_FAILURE() << "a message box was shown: " << box;
}

}  // namespace
