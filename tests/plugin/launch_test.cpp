// LaunchCommand and the gate of MouseStatus, driven as the host drives them: the plug-in loaded
// with LoadLibrary, the stand-in map handed over with AttachPoMap, every host call read back
// from the map's call log.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CallLog.h"
#include "HostContract.h"
#include "POIntArrayFactory.h"
#include "PoMap.h"

namespace {

using Lines = std::vector<std::string>;
using om::TheCallLog;

constexpr int kCommandId = 77;
constexpr int kAction = 5;

struct Plugin {
  HMODULE module = nullptr;
  int(WINAPI* launch)() = nullptr;
  void(WINAPI* attach)(void*) = nullptr;
  void(WINAPI* setAction)(int) = nullptr;
  void(WINAPI* setStatus)(int) = nullptr;
  void(WINAPI* setUserCmd)(int) = nullptr;
  void(WINAPI* mouse)(int, int, int) = nullptr;

  template <typename Fn>
  void Bind(Fn& fn, const char* name) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  }
  bool Load() {
    module = LoadLibraryA("VellJDParaSetting.dll");
    if (!module) return false;
    Bind(launch, "LaunchCommand");
    Bind(attach, "AttachPoMap");
    Bind(setAction, "SetPoAction");
    Bind(setStatus, "SetPoStatus");
    Bind(setUserCmd, "SetPoUserCmdID");
    Bind(mouse, "MouseStatus");
    return launch && attach && setAction && setStatus && setUserCmd && mouse;
  }
};

Plugin g_plugin;

// Presses OK on any message box the opening window shows (a missing catalogue, say), as a
// person would; the launch itself is what these cases look at.  A message box is a dialog with an
// OK button (the configuration window has none).
BOOL CALLBACK AnswerBox(HWND hWnd, LPARAM) {
  char cls[16] = {};
  GetClassNameA(hWnd, cls, sizeof cls);
  if (std::string(cls) == "#32770" && GetDlgItem(hWnd, IDOK) && IsWindowEnabled(hWnd))
    PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
  return TRUE;
}

void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), &AnswerBox, 0);
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// The top-level windows of this thread.
int ThreadWindowCount() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

class Launch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    om::RegisterIntArrayClass();
    s_loaded = g_plugin.Load();
    SetTimer(nullptr, 0, 100, &AnswerBoxes);
  }

  void SetUp() override {
    ASSERT_TRUE(s_loaded) << "VellJDParaSetting.dll or one of its exports is missing";
    m_map = om::PoMap::Create();
    m_host = {nullptr, m_map};
    g_plugin.attach(&m_host);
    g_plugin.setStatus(kCommandId);
    g_plugin.setAction(kAction);
    Drawing().nCurrentCommand = 3;  // another command is current
    Drawing().nCommandState = 2;
    TheCallLog().Clear();
  }

  void TearDown() override {
    // End this command if it is still current, so the next case starts idle.
    if (Drawing().nCurrentCommand == kCommandId) g_plugin.mouse(11, 0, 0);
    g_plugin.attach(nullptr);
    m_map->Release();
  }

  om::Drawing& Drawing() { return m_map->GetDrawing(); }

  static bool Logged(const std::string& prefix) { return !TheCallLog().Matching(prefix).empty(); }

  // The command-state object is back to the map's own reference, every AddRef undone.
  void ExpectCommandStateReleased() {
    om::PoCommandState* state = m_map->CommandStateObject();
    EXPECT_EQ(1u, state->RefCount());
    EXPECT_EQ(state->AddRefCalls(), state->ReleaseCalls());
  }

  // A refused launch returns 0, changes nothing in the map and opens nothing.
  void ExpectRefused(int result, int currentCommand) {
    EXPECT_EQ(0, result);
    EXPECT_EQ(currentCommand, Drawing().nCurrentCommand);
    EXPECT_EQ(2, Drawing().nCommandState);
    EXPECT_EQ(0, Drawing().nAction);
    EXPECT_TRUE(Drawing().prompts.empty());
    EXPECT_EQ(0, Drawing().nPrepareCalls);
    for (const char* untouched :
         {"Map.SetPrompt(", "Map.SetCurrentCommand(", "Map.Action(", "CommandState.PrepareCommand(",
          "Map.Selection(", "IntArray.Create("})
      EXPECT_FALSE(Logged(untouched)) << untouched;
    ExpectCommandStateReleased();
  }

  static bool s_loaded;
  om::PoMap* m_map = nullptr;
  VjdHostMap m_host{};
};

bool Launch::s_loaded = false;

TEST_F(Launch, SuccessfulLaunchCallsTheMapInOrderThenStartsTheCommand) {
  ASSERT_EQ(1, g_plugin.launch());
  const Lines expected = {"Map.GetCurrentCommand()",
                          "Map.CommandState()",
                          "CommandState.CanStartCommand()",
                          "CommandState.IsCommandBlocked(77)",
                          "CommandState.PrepareCommand()",
                          "Map.SetCurrentCommand(77,2)",  // the state is carried over
                          "Map.GetCurrentCommand()",      // and the map asked whether it took
                          "Map.SetPrompt(\"<标注配置/paraset/ps>\")",
                          "Map.Action(5)",
                          "Map.GetCurrentCommand()"};  // the start message passes the gate
  const Lines& log = TheCallLog().Lines();
  ASSERT_GE(log.size(), expected.size());
  EXPECT_EQ(expected, Lines(log.begin(), log.begin() + static_cast<long>(expected.size())));
  EXPECT_EQ(kCommandId, Drawing().nCurrentCommand);
  EXPECT_EQ(kAction, Drawing().nAction);
  EXPECT_EQ("<标注配置/paraset/ps>", Drawing().strPrompt);
  EXPECT_EQ(1, Drawing().nPrepareCalls);
  ExpectCommandStateReleased();
}

TEST_F(Launch, RefusedWhenTheHostCannotStartACommand) {
  Drawing().bCanStartCommand = false;
  ExpectRefused(g_plugin.launch(), 3);
  EXPECT_FALSE(Logged("CommandState.IsCommandBlocked(")) << "checked only once a start is possible";
}

TEST_F(Launch, RefusedWhenTheHostBlocksThisCommand) {
  Drawing().blockedCommands = {kCommandId};
  ExpectRefused(g_plugin.launch(), 3);
  EXPECT_TRUE(Logged("CommandState.IsCommandBlocked(77)"));
}

TEST_F(Launch, RefusedWhenThisCommandIsAlreadyCurrent) {
  Drawing().nCurrentCommand = kCommandId;
  ExpectRefused(g_plugin.launch(), kCommandId);
  Drawing().nCurrentCommand = 3;  // nothing of this command runs; keep TearDown from ending it
}

TEST_F(Launch, RefusedWhenTheHostHandsOutNoCommandState) {
  m_map->FailMember(25);
  ExpectRefused(g_plugin.launch(), 3);
}

TEST_F(Launch, RefusedWithoutAMapInsteadOfCrashing) {
  g_plugin.attach(nullptr);
  g_plugin.setStatus(0);  // as before SetPoStatus: the id a missing map reports as current
  EXPECT_EQ(0, g_plugin.launch());
  const int windows = ThreadWindowCount();
  for (int code : {18, 0, 3, 11}) g_plugin.mouse(code, 0, 0);
  g_plugin.mouse(19, 0, 2);
  EXPECT_EQ(windows, ThreadWindowCount()) << "no configuration window opens without a map";
  EXPECT_TRUE(TheCallLog().Lines().empty());
}

// The map refuses SetCurrentCommand, or accepts it and keeps another command current.
TEST_F(Launch, NotLaunchedWhenTheMapDoesNotMakeItTheCurrentCommand) {
  for (bool keeps : {true, false}) {  // the failing call stays failing: last
    SCOPED_TRACE(keeps ? "kept another command" : "refused the call");
    TheCallLog().Clear();
    if (keeps)
      Drawing().bKeepCurrentCommand = true;
    else
      m_map->FailMember(50);  // SetCurrentCommand
    EXPECT_EQ(0, g_plugin.launch());
    EXPECT_EQ(3, Drawing().nCurrentCommand);
    EXPECT_FALSE(Logged("Map.SetPrompt("));
    EXPECT_FALSE(Logged("Map.Action("));
    EXPECT_FALSE(Logged("Map.Selection(")) << "the start message was not sent";
    ExpectCommandStateReleased();
  }
}

TEST_F(Launch, UsesTheValuesStoredLastAndIgnoresTheUserCommandId) {
  om::PoMap* other = om::PoMap::Create();
  VjdHostMap otherHost = {nullptr, other};
  g_plugin.attach(&otherHost);
  g_plugin.setStatus(1);
  g_plugin.setAction(9);
  g_plugin.attach(&m_host);  // each call replaces the stored value
  g_plugin.setStatus(kCommandId);
  g_plugin.setAction(kAction);
  g_plugin.setUserCmd(12345);
  ASSERT_EQ(1, g_plugin.launch());
  Lines withUserId = TheCallLog().Lines();
  EXPECT_EQ(kCommandId, Drawing().nCurrentCommand);
  EXPECT_EQ(kAction, Drawing().nAction);
  EXPECT_EQ(0, other->GetDrawing().nCurrentCommand);
  EXPECT_TRUE(other->GetDrawing().prompts.empty());
  other->Release();

  // The same launch on a fresh map with another user command id calls the host identically.
  g_plugin.mouse(11, 0, 0);
  m_map->Release();
  m_map = om::PoMap::Create();
  m_host.pDispatch = m_map;
  Drawing().nCurrentCommand = 3;
  Drawing().nCommandState = 2;
  g_plugin.setUserCmd(-1);
  TheCallLog().Clear();
  ASSERT_EQ(1, g_plugin.launch());
  EXPECT_EQ(withUserId, TheCallLog().Lines());
}

TEST_F(Launch, MouseStatusActsOnlyWhileTheMapReportsTheStoredCommandId) {
  // Another command is current: whatever the code, only the gate's question reaches the host.
  for (int code = 0; code <= 25; ++code) g_plugin.mouse(code, 27, 0);
  EXPECT_EQ(Lines(26, "Map.GetCurrentCommand()"), TheCallLog().Lines());

  ASSERT_EQ(1, g_plugin.launch());
  g_plugin.setStatus(kCommandId + 1);  // a new id while the command runs
  TheCallLog().Clear();
  g_plugin.mouse(11, 0, 0);
  EXPECT_EQ(Lines{"Map.GetCurrentCommand()"}, TheCallLog().Lines());
  EXPECT_EQ(kCommandId, Drawing().nCurrentCommand) << "the end message was ignored";

  Drawing().nCurrentCommand = kCommandId + 1;  // the map now reports the new id
  g_plugin.mouse(11, 0, 0);
  EXPECT_TRUE(Logged("Map.SetCurrentCommand(0,0)"));
  EXPECT_EQ(0, Drawing().nCurrentCommand);
  g_plugin.setStatus(kCommandId);
}

}  // namespace
