// A long drawing session in one process, through the plug-in DLL exactly as a host drives it
// (LoadLibrary, the exports by name, the stand-in map): the configuration window opened and left
// sixty times each way (through "退出", through Escape and then "退出", through "选择实体", a
// pick and its end, then "退出"), then the library freed and loaded again twenty times with a
// launch each time.  Nothing may be left per launch: no window, no GDI object, no kernel handle,
// no reference on the host's objects, no temporary window wrapper, no hook; the process's memory
// may grow by at most 1 kB per launch after the first ten, and its heap by nothing per reload.  The
// figures of the 10th and the 60th launch are printed, so a run shows what a session costs.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "AutomationObject.h"
#include "CommandHarness.h"
#include "DlgParaSetIds.h"
#include "KernelSetup.h"
#include "POIntArray.h"
#include "ProcessFigures.h"
#include "TestSeam.h"
#include "WindowTestKit.h"
#include "quarnkernel.h"

namespace {

constexpr int kCycles = 60;
constexpr int kWarmUp = 10;  // launches before the first figures: caches and first-use costs
constexpr double kMemoryBudgetPerCycle = 1024.0;

const char kPluginFile[] = "VellJDParaSetting.dll";

// Under Xvfb no window manager confirms that a window was withdrawn, and Wine waits two seconds
// for each top-level window it lets a manager handle when it is hidden or destroyed: the soak's
// windows (and those of the program it starts) are left unmanaged.  Written before the first
// window exists, when the display driver reads it.
bool LeaveUnmanaged(const char* program) {
  const std::string path = std::string("Software\\Wine\\AppDefaults\\") + program + "\\X11 Driver";
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
    return false;
  const bool set = ::RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"),
                                    2) == ERROR_SUCCESS;
  ::RegCloseKey(key);
  return set;
}
const bool g_unmanagedWindows =
    LeaveUnmanaged("soak_test.exe") && LeaveUnmanaged("soak_exit_child.exe");

// A message box of the plug-in would wait for a person: a timer presses its OK and remembers it,
// and every case fails that saw one.
std::vector<std::string> g_boxes;

BOOL CALLBACK AnswerBox(HWND hWnd, LPARAM) {
  char cls[16] = {}, text[256] = {};
  ::GetClassNameA(hWnd, cls, sizeof cls);
  if (std::string(cls) == "#32770" && ::GetDlgItemTextA(hWnd, 0xFFFF, text, sizeof text) > 0) {
    g_boxes.push_back(text);
    ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
  }
  return TRUE;
}

void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR, DWORD) {
  ::EnumThreadWindows(::GetCurrentThreadId(), &AnswerBox, 0);
}

class BoxAnswerer : public ::testing::Environment {
 public:
  void SetUp() override { m_timer = ::SetTimer(nullptr, 0, 100, &AnswerBoxes); }
  void TearDown() override { ::KillTimer(nullptr, m_timer); }

 private:
  UINT_PTR m_timer = 0;
};
::testing::Environment* const g_boxAnswerer = ::testing::AddGlobalTestEnvironment(new BoxAnswerer);

void ExpectNoMessageBox() {
  for (const std::string& box : g_boxes) ADD_FAILURE() << "a message box was shown: " << box;
  g_boxes.clear();
}

// The plug-in as the host loads it, with the test seam's export beside the command's.
class Plugin {
 public:
  bool Load() {
    m_module = ::LoadLibraryA(kPluginFile);
    if (!m_module) return false;
    m_held = PluginExport<decltype(m_held)>(m_module, "vjd_test_seam_held_objects");
    return BindPluginCalls(m_module, m_calls) && m_held;
  }
  bool Free() {
    HMODULE module = m_module;
    m_module = nullptr;
    m_calls = PluginCalls();
    m_held = nullptr;
    return module && ::FreeLibrary(module);
  }
  const PluginCalls& Calls() const { return m_calls; }

  // What the plug-in holds now; every count -1 when the seam does not answer.
  VjdHeldObjects Held() const {
    VjdHeldObjects held = {};
    held.cbSize = sizeof held;
    if (!m_held || !m_held(&held)) {
      held.nPermanentWindows = held.nTemporaryWindows = held.nCreationHooks = held.nMessageHooks =
          held.nGridEditors = held.nHostObjects = -1;
    }
    return held;
  }

 private:
  HMODULE m_module = nullptr;
  PluginCalls m_calls;
  BOOL(WINAPI* m_held)(VjdHeldObjects*) = nullptr;
};

std::string HeldText(const VjdHeldObjects& h) {
  char text[160];
  std::snprintf(text, sizeof text,
                "window objects %d, temporary wrappers %d, creation hooks %d, message hooks %d, "
                "editors %d, host objects %d",
                h.nPermanentWindows, h.nTemporaryWindows, h.nCreationHooks, h.nMessageHooks,
                h.nGridEditors, h.nHostObjects);
  return text;
}

// Between two launches the plug-in holds nothing at all.
void ExpectHoldsNothing(const Plugin& plugin, int cycle) {
  const VjdHeldObjects h = plugin.Held();
  EXPECT_TRUE(h.nPermanentWindows == 0 && h.nTemporaryWindows == 0 && h.nCreationHooks == 0 &&
              h.nMessageHooks == 0 && h.nGridEditors == 0 && h.nHostObjects == 0)
      << "after launch " << cycle << ": " << HeldText(h);
}

// The process and the stand-ins at one moment.
struct Figures {
  ProcessFigures process;
  int kernelEntities = 0;

  static Figures Now() { return Figures{ProcessFigures::Now(), QkSetupEntityCount()}; }
};

void Print(const char* what, int cycle, const Figures& f) {
  std::printf("[soak] %s, after launch %d: %s kernel.entities=%d\n", what, cycle,
              f.process.Text().c_str(), f.kernelEntities);
}

// What may grow per launch: heap bytes count exactly what the process's code holds; private bytes
// move in whole pages and count the system's own work too, so their budget may be wider where
// the system does more per cycle.
struct Budget {
  double heapBytes = kMemoryBudgetPerCycle;
  double privateBytes = kMemoryBudgetPerCycle;
};

// Nothing grew from `early` (after launch kWarmUp) to `late` (after `cycles` more launches): no
// object or handle at all, and memory by at most the budget per launch.
void ExpectNoGrowth(const char* what, const Figures& early, const Figures& late, int cycles,
                    Budget budget = {}) {
  const ProcessFigures& a = early.process;
  const ProcessFigures& b = late.process;
  const double heapPerCycle = (double(b.heapBytes) - double(a.heapBytes)) / cycles;
  const double privatePerCycle = (double(b.privateBytes) - double(a.privateBytes)) / cycles;
  std::printf(
      "[soak] %s, per launch over %d launches: heap %+.1f B, private %+.1f B, handles %+.2f, "
      "GDI objects %+.2f, windows %+.2f, COM references %+.2f, kernel entities %+.2f\n",
      what, cycles, heapPerCycle, privatePerCycle, (double(b.handles) - double(a.handles)) / cycles,
      double(b.gdiObjects - a.gdiObjects) / cycles, double(b.windows - a.windows) / cycles,
      double(b.comReferences - a.comReferences) / cycles,
      double(late.kernelEntities - early.kernelEntities) / cycles);
  EXPECT_EQ(a.handles, b.handles) << what << ": kernel handles left open";
  EXPECT_EQ(a.gdiObjects, b.gdiObjects) << what << ": GDI objects left behind";
  EXPECT_EQ(a.windows, b.windows) << what << ": windows left behind";
  EXPECT_EQ(a.comReferences, b.comReferences) << what << ": references on host objects kept";
  EXPECT_EQ(a.intArrays, b.intArrays) << what << ": integer arrays kept alive";
  EXPECT_EQ(early.kernelEntities, late.kernelEntities) << what << ": kernel entities left behind";
  EXPECT_LE(heapPerCycle, budget.heapBytes) << what << ": heap bytes in use grew";
  EXPECT_LE(privatePerCycle, budget.privateBytes) << what << ": private bytes grew";
  // Wine answers 0 for both; where the system counts, they must not grow either.
  EXPECT_EQ(a.guiGdi, b.guiGdi);
  EXPECT_EQ(a.guiUser, b.guiUser);
}

// A button of the window clicked, as the button itself reports it to the dialog.
void Press(HWND hDlg, int id) {
  ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, id)));
}

enum class Leave { ThroughExit, ThroughEscapeThenExit, ThroughAPickThenExit };

const char* Name(Leave how) {
  switch (how) {
    case Leave::ThroughExit:
      return "exit";
    case Leave::ThroughEscapeThenExit:
      return "Escape, exit";
    case Leave::ThroughAPickThenExit:
      return "pick, exit";
  }
  return "";
}

// The drawing the launches run on: three device symbols and a line, made once in the kernel (a
// drawing's entities outlive the plug-in), two of them selected at each launch.
void AddDrawing(StandInHost& host) {
  static const int handles[4] = {CreateEntity(QK_KIND_DEVICE_SYMBOL),
                                 CreateEntity(QK_KIND_DEVICE_SYMBOL_ALT), CreateEntity(5),
                                 CreateEntity(QK_KIND_DEVICE_SYMBOL)};
  for (int i = 0; i < 4; ++i) host.Drawing().AddEntity(101 + i, handles[i]);
}

// One launch as the user makes it: "ps", then leaving the window `how`.  The stand-in host's own
// records of the calls (its call log and prompt history) are emptied: they are the test's.
void LaunchAndLeave(StandInHost& host, Leave how) {
  host.Select({101, 102});
  ASSERT_EQ(1, host.m_calls.LaunchCommand());
  PumpMessages();
  HWND hDlg = StandInHost::FindConfigWindow();
  ASSERT_NE(nullptr, hDlg);
  switch (how) {
    case Leave::ThroughExit:
      break;
    case Leave::ThroughEscapeThenExit:
      host.m_calls.MouseStatus(7, 27, 0);  // the host passes the key on
      PumpMessages();
      break;
    case Leave::ThroughAPickThenExit:
      Press(hDlg, IDC_BTN_PICK);
      ASSERT_TRUE(host.Pick(104));
      host.m_calls.MouseStatus(0, 0, 0);  // the pick step
      host.m_calls.MouseStatus(3, 0, 0);  // the pick's end (Enter or the right button)
      PumpMessages();
      ASSERT_TRUE(::IsWindowVisible(hDlg));
      break;
  }
  Press(hDlg, IDCANCEL);
  PumpMessages();
  ASSERT_FALSE(::IsWindow(hDlg));
  ASSERT_NE(StandInHost::kCommandId, host.Drawing().nCurrentCommand);
  host.ClearLog();
  host.Drawing().prompts.clear();
}

class Soak : public ::testing::TestWithParam<Leave> {
 protected:
  static void SetUpTestSuite() { s_loaded = s_plugin.Load(); }
  static void TearDownTestSuite() {
    if (s_loaded) s_plugin.Free();
  }
  void SetUp() override {
    ASSERT_TRUE(g_unmanagedWindows);
    ASSERT_TRUE(s_loaded) << kPluginFile << " or one of its exports is missing";
  }

  static Plugin s_plugin;
  static bool s_loaded;
};

Plugin Soak::s_plugin;
bool Soak::s_loaded = false;

TEST_P(Soak, SixtyLaunchesLeaveNothingBehind) {
  const Leave how = GetParam();
  StandInHost host(s_plugin.Calls());
  AddDrawing(host);
  Figures early;
  for (int cycle = 1; cycle <= kCycles; ++cycle) {
    ASSERT_NO_FATAL_FAILURE(LaunchAndLeave(host, how)) << "launch " << cycle;
    ExpectHoldsNothing(s_plugin, cycle);
    if (HasFailure()) return;
    if (cycle == kWarmUp) {
      early = Figures::Now();
      Print(Name(how), cycle, early);
    }
  }
  const Figures late = Figures::Now();
  Print(Name(how), kCycles, late);
  ExpectNoGrowth(Name(how), early, late, kCycles - kWarmUp);
  ExpectNoMessageBox();
}

INSTANTIATE_TEST_SUITE_P(Leaving, Soak,
                         ::testing::Values(Leave::ThroughExit, Leave::ThroughEscapeThenExit,
                                           Leave::ThroughAPickThenExit),
                         [](const ::testing::TestParamInfo<Leave>& info) {
                           switch (info.param) {
                             case Leave::ThroughExit:
                               return std::string("ThroughExit");
                             case Leave::ThroughEscapeThenExit:
                               return std::string("ThroughEscapeThenExit");
                             case Leave::ThroughAPickThenExit:
                               return std::string("ThroughAPickThenExit");
                           }
                           return std::string();
                         });

TEST_F(Soak, LaunchesWhoseWindowTheSystemRefusesLeaveNothingBehind) {
  StandInHost host(s_plugin.Calls());
  AddDrawing(host);
  Figures early;
  for (int cycle = 1; cycle <= kCycles; ++cycle) {
    host.Select({101, 102});
    {
      CRefuseWindows refuse;
      ASSERT_TRUE(refuse.Installed());
      ASSERT_EQ(1, host.m_calls.LaunchCommand());
    }
    PumpMessages();
    ASSERT_EQ(nullptr, StandInHost::FindConfigWindow());
    host.m_calls.MouseStatus(7, 27, 0);  // the user leaves the command with Escape
    ASSERT_NE(StandInHost::kCommandId, host.Drawing().nCurrentCommand);
    host.ClearLog();
    host.Drawing().prompts.clear();
    ExpectHoldsNothing(s_plugin, cycle);
    if (HasFailure()) return;
    if (cycle == kWarmUp) early = Figures::Now();
  }
  const Figures late = Figures::Now();
  Print("window refused, Escape", kCycles, late);
  // Each refused window still has its dialog font realised by the system first: under Wine, with
  // the AR PL UMing face that stands in for "宋体", that costs about 1.5 kB of the system's own
  // memory per attempt outside every heap of the process (none with WenQuanYi Zen Hei).  The heap
  // and every object stay exact.
  constexpr double kRefusedWindowBudget = 2.5 * 1024;
  ExpectNoGrowth("window refused, Escape", early, late, kCycles - kWarmUp,
                 {kMemoryBudgetPerCycle, kRefusedWindowBudget});
  ExpectNoMessageBox();
}

// No hook of a freed library is left in this thread: one would be called, in code that is gone,
// for the next window made and the next message taken from the queue.
void MakeAWindowAndTakeItsMessages() {
  HWND hWnd = ::CreateWindowExA(0, "STATIC", "after", WS_POPUP | WS_VISIBLE, 0, 0, 40, 20, nullptr,
                                nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ::PostMessageA(hWnd, WM_NULL, 0, 0);
  PumpMessages();
  ::DestroyWindow(hWnd);
  PumpMessages();
}

// What a host calls instead of a plug-in it freed: nothing.
void WINAPI NoPlugin(int, int, int) {}
void WINAPI NoMap(void*) {}
void WINAPI NoValue(int) {}

TEST(Unload, TwentyReloadsWithALaunchEachLeaveNothingAndNoHook) {
  ASSERT_TRUE(g_unmanagedWindows);
  ASSERT_EQ(nullptr, ::GetModuleHandleA(kPluginFile)) << "another case kept the library loaded";
  constexpr int kRounds = 20, kFirstCounted = 5;
  PluginCalls none;
  none.AttachPoMap = &NoMap;
  none.SetPoStatus = none.SetPoAction = &NoValue;
  none.MouseStatus = &NoPlugin;
  StandInHost host(none);  // one host for the whole session, as the host program is
  AddDrawing(host);
  // The host holds the system's common dialogs, as the real host (a program on the same
  // application framework) does.  Freed with the plug-in, comdlg32 would take winspool.drv with it,
  // and Wine leaves winspool's mutex (__WINE_WINSPOOL_MUTEX__) open at each unload: measured in a
  // bare process, each load and free of comdlg32 alone leaves three handles open.
  const HMODULE hCommonDialogs = ::LoadLibraryA("comdlg32.dll");
  ASSERT_NE(nullptr, hCommonDialogs);
  Figures early;
  for (int round = 1; round <= kRounds; ++round) {
    Plugin plugin;
    ASSERT_TRUE(plugin.Load()) << "round " << round;
    host.Reattach(plugin.Calls());
    ASSERT_NO_FATAL_FAILURE(LaunchAndLeave(host, Leave::ThroughExit)) << "round " << round;
    ExpectHoldsNothing(plugin, round);
    host.Reattach(none);  // the host forgets the library it frees
    ASSERT_TRUE(plugin.Free()) << "round " << round;
    ASSERT_EQ(nullptr, ::GetModuleHandleA(kPluginFile)) << "the library stayed loaded";
    MakeAWindowAndTakeItsMessages();
    if (HasFailure()) return;
    if (round == kFirstCounted) early = Figures::Now();
  }
  const Figures late = Figures::Now();
  Print("reload", kRounds, late);
  // Nothing of a freed library stays on the heap, nor a handle: neither the plug-in nor the
  // maker's two libraries it loads keep anything of this thread (framework/runtime).
  // Wine maps and relocates the library's image at each load: its private pages are counted
  // with four pages of slack per reload.
  ExpectNoGrowth("reload", early, late, kRounds - kFirstCounted, {0.0, 4 * kMemoryBudgetPerCycle});
  ExpectNoMessageBox();
  ::FreeLibrary(hCommonDialogs);
}

// A module of the project that throws (RuntimeProbe.cpp): its C++ runtime keeps the thread's
// exception state under a thread key of the module's own and, on i686, registers the module's
// unwind tables under a lock; freed, the module takes both with it: nothing grows per reload.
TEST(Unload, TwentyReloadsOfAModuleThatThrowsLeaveNothing) {
  constexpr int kRounds = 20, kFirstCounted = 5;
  Figures early;
  for (int round = 1; round <= kRounds; ++round) {
    const HMODULE probe = ::LoadLibraryA("vjd_runtime_probe.dll");
    ASSERT_NE(nullptr, probe);
    const auto throwAndCatch = PluginExport<int (*)(int)>(probe, "vjd_probe_throw_and_catch");
    ASSERT_NE(nullptr, throwAndCatch);
    ASSERT_EQ(round + 1, throwAndCatch(round));
    ASSERT_TRUE(::FreeLibrary(probe));
    if (round == kFirstCounted) early = Figures::Now();
  }
  ExpectNoGrowth("reload, an exception each", early, Figures::Now(), kRounds - kFirstCounted,
                 {0.0, 4 * kMemoryBudgetPerCycle});
}

TEST(Unload, FreeingTheLibraryWithTheWindowOpenClosesItAndGivesTheArrayBack) {
  ASSERT_TRUE(g_unmanagedWindows);
  ASSERT_EQ(nullptr, ::GetModuleHandleA(kPluginFile)) << "another case kept the library loaded";
  Plugin plugin;
  ASSERT_TRUE(plugin.Load());
  StandInHost host(plugin.Calls());
  AddDrawing(host);
  const int arraysBefore = om::POIntArray::LiveCount();
  const long referencesBefore = om::AutomationObject::LiveReferences();
  host.Select({101, 102});
  ASSERT_EQ(1, host.m_calls.LaunchCommand());
  PumpMessages();
  HWND hDlg = StandInHost::FindConfigWindow();
  ASSERT_NE(nullptr, hDlg);
  VjdHeldObjects held = plugin.Held();
  ASSERT_EQ(1, held.nHostObjects);
  ASSERT_EQ(1, held.nMessageHooks);

  host.m_calls.MouseStatus = &NoPlugin;  // the host forgets the plug-in with its library
  ASSERT_TRUE(plugin.Free());
  EXPECT_EQ(nullptr, ::GetModuleHandleA(kPluginFile));
  // (Asked for its text, such a window would not even answer: the system stops the fault in
  // its procedure and reports no text.)
  EXPECT_FALSE(::IsWindow(hDlg)) << "a window whose code is gone";
  EXPECT_EQ(arraysBefore, om::POIntArray::LiveCount()) << "the command's array was not released";
  EXPECT_EQ(referencesBefore, om::AutomationObject::LiveReferences());
  MakeAWindowAndTakeItsMessages();
  ExpectNoMessageBox();
}

// The process ends while the command holds the host's array: the plug-in must not call the
// host's object then (it may be gone); soak_exit_child.exe ends with 3 if it does.
TEST(Unload, AProcessThatEndsWhileTheCommandHoldsTheArrayIsNotCalledBackAtItsEnd) {
  ASSERT_TRUE(g_unmanagedWindows);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  char commandLine[] = "soak_exit_child.exe";
  ASSERT_TRUE(::CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
  const DWORD waited = ::WaitForSingleObject(process.hProcess, 60000);
  DWORD exitCode = 99;
  ::GetExitCodeProcess(process.hProcess, &exitCode);
  if (waited != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 98);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  ASSERT_EQ(WAIT_OBJECT_0, waited) << "the child did not end";
  EXPECT_NE(1u, exitCode) << "the child could not load the plug-in";
  EXPECT_NE(2u, exitCode) << "the command held no array when the process ended: nothing proved";
  EXPECT_NE(3u, exitCode) << "the plug-in released the host's array while the process ended";
  EXPECT_EQ(0u, exitCode);
}

}  // namespace
