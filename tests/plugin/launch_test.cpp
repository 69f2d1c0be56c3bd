// LaunchCommand through the plug-in's exports, driven as the host drives them: the plug-in loaded
// with LoadLibrary, the stand-in map handed over with AttachPoMap, every host call read back
// from the map's call log.  What the launch and the gate decide is tested natively
// (tests/command_model); here: the exports' wiring to the host's objects, and the values they
// store.
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

  static bool s_loaded;
  om::PoMap* m_map = nullptr;
  VjdHostMap m_host{};
};

bool Launch::s_loaded = false;

TEST_F(Launch, ThroughTheExportsTheMapIsCalledInOrderAndTheCommandStateGoesBack) {
  ASSERT_EQ(1, g_plugin.launch());
  const Lines expected = {"Map.GetCurrentCommand()",
                          "Map.CommandState()",
                          "CommandState.CanStartCommand()",
                          "CommandState.IsCommandBlocked(77)",
                          "CommandState.PrepareCommand()",
                          "Map.SetCurrentCommand(77,2)",
                          "Map.GetCurrentCommand()",
                          "Map.SetPrompt(\"<标注配置/paraset/ps>\")",
                          "Map.Action(5)",
                          "Map.GetCurrentCommand()"};
  const Lines& log = TheCallLog().Lines();
  ASSERT_GE(log.size(), expected.size());
  EXPECT_EQ(expected, Lines(log.begin(), log.begin() + static_cast<long>(expected.size())));
  EXPECT_EQ(kCommandId, Drawing().nCurrentCommand);
  EXPECT_EQ(kAction, Drawing().nAction);
  EXPECT_EQ("<标注配置/paraset/ps>", Drawing().strPrompt);
  ExpectCommandStateReleased();
}

// Calls the host fails refuse the launch: no command-state object, or SetCurrentCommand failing.
TEST_F(Launch, RefusedWhenTheHostFailsItsCalls) {
  for (DISPID failing : {DISPID(25), DISPID(50)}) {
    SCOPED_TRACE(failing);
    TheCallLog().Clear();
    m_map->ClearFailures();
    m_map->FailMember(failing);
    EXPECT_EQ(0, g_plugin.launch());
    EXPECT_EQ(3, Drawing().nCurrentCommand);
    EXPECT_EQ(0, Drawing().nAction);
    EXPECT_TRUE(Drawing().prompts.empty());
    EXPECT_FALSE(Logged("Map.Selection(")) << "the start message was not sent";
    ExpectCommandStateReleased();
  }
}

// Without a map the id 0 a missing map would report is no command's: nothing opens.
TEST_F(Launch, RefusedWithoutAMapInsteadOfCrashing) {
  g_plugin.attach(nullptr);
  g_plugin.setStatus(0);
  EXPECT_EQ(0, g_plugin.launch());
  const int windows = ThreadWindowCount();
  for (int code : {18, 0, 3, 11}) g_plugin.mouse(code, 0, 0);
  g_plugin.mouse(19, 0, 2);
  EXPECT_EQ(windows, ThreadWindowCount()) << "no configuration window opens without a map";
  EXPECT_TRUE(TheCallLog().Lines().empty());
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

}  // namespace
