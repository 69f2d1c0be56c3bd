// The command message by message, with the fake host's call log: what each MouseStatus message
// does to the map, the selection, the integer array, the highlight and the windows it opens.
#include <gtest/gtest.h>

#include "CallSequence.h"
#include "CommandRig.h"
#include "quarnkernel.h"

namespace command_test {
namespace {

using vjd::testing::IsCallSequence;

const char kEndLine[] = "Map.SetPrompt(\"退出标注配置命令\")";
const char kPickLine[] = "Map.BeginPick(IntArray,0,4,63,null)";
const char kGate[] = "Map.GetCurrentCommand()";

class CommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hMotor = rig.map.AddEntity(101, QK_KIND_DEVICE_SYMBOL);
    hSwitch = rig.map.AddEntity(102, QK_KIND_DEVICE_SYMBOL_ALT);
    hLine = rig.map.AddEntity(103, 5);  // a line: no device symbol
  }
  // A new pick, with `ids` picked, and the log forgotten.
  void PickAfresh(const Ids& ids) {
    rig.PressPick();
    for (int id : ids) ASSERT_TRUE(rig.Pick(id));
    rig.log.Clear();
  }
  const Lines& Log() const { return rig.log.Lines(); }

  CommandRig rig;
  int hMotor = 0, hSwitch = 0, hLine = 0;
};

// Whatever ran before: nothing reaches the host but the current-command test.
TEST_F(CommandTest, WhileAnotherCommandIsCurrentNoMessageDoesAnything) {
  rig.map.currentCommand = CommandRig::kOtherCommandId;
  rig.map.selection = {101, 102};
  const int messages[][3] = {{18, 0, 0}, {0, 0, 0},  {3, 0, 0},  {7, 27, 0},
                             {11, 0, 0}, {19, 0, 0}, {19, 0, 2}, {21, 0, 0}};
  for (const auto& m : messages) rig.MouseStatus(m[0], m[1], m[2]);
  EXPECT_EQ(Lines{}, rig.BeyondGate());
  EXPECT_EQ(8, rig.log.Count("Map.GetCurrentCommand()"));
  EXPECT_EQ(0, rig.array.created);
  EXPECT_EQ(nullptr, rig.windows.Newest());
  EXPECT_EQ((Ids{101, 102}), rig.map.selection);
  EXPECT_EQ(CommandRig::kOtherCommandId, rig.map.currentCommand);
}

// Everything after the array is made, up to the window's making, runs in the library's resource
// context.
TEST_F(CommandTest, StartMovesTheSelectionIntoTheArrayAndOpensTheWindowWithTheDeviceSymbols) {
  rig.map.selection = {101, 103, 102};
  rig.MouseStatus(18, 0, 0);
  // clang-format off
  EXPECT_TRUE(IsCallSequence(rig.log.Lines(), {
      kGate, "IntArray.Create()", "Resources.Own()", "Map.Selection()",
      "Selection.Count()", "IntArray.SetSize(3,-1)",
      "Selection.Count()", "Selection.Item(0)", "IntArray.SetAt(0,101)",
      "Selection.Count()", "Selection.Item(1)", "IntArray.SetAt(1,103)",
      "Selection.Count()", "Selection.Item(2)", "IntArray.SetAt(2,102)",
      "Selection.Count()", "Selection.Clear()",
      "IntArray.GetSize()", "IntArray.GetAt(0)", "Map.EntityHandle(101)", "IntArray.GetAt(1)",
      "Map.EntityHandle(103)", "IntArray.GetAt(2)", "Map.EntityHandle(102)",
      "Drawing.DeviceSymbols()", "Windows.Open()", "Resources.Restore()"}));
  // clang-format on
  EXPECT_EQ(1, rig.log.Count("Resources.Own()"));
  EXPECT_EQ("Resources.Restore()", rig.log.Lines().back()) << "the host's context comes back last";
  EXPECT_EQ(5, rig.log.Count("Selection.Count()")) << "the count is asked again before each step";
  EXPECT_TRUE(rig.map.selection.empty());
  FakeWindow* window = rig.windows.Newest();
  ASSERT_NE(nullptr, window);
  EXPECT_TRUE(window->visible);
  EXPECT_EQ((Ids{101, 102}), window->selIds);
  EXPECT_EQ((Ids{hMotor, hSwitch}), window->selHandles);
  EXPECT_EQ((Ids{101, 102}), window->allIds);
  EXPECT_EQ((Ids{hMotor, hSwitch}), window->allHandles);
}

// A selection that hands the window nothing: none at all, or no device symbol in it.  Either
// way the drawing's device symbols still go over, and the host's selection ends up empty.
TEST_F(CommandTest, ASelectionWithoutDeviceSymbolsHandsOverOnlyTheDrawingsOnes) {
  for (const Ids& selection : {Ids{}, Ids{103}}) {
    SCOPED_TRACE(testing::PrintToString(selection));
    FakeWindow* window = rig.Start(selection);
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(rig.map.selection.empty());
    EXPECT_TRUE(window->selIds.empty());
    EXPECT_TRUE(window->selHandles.empty());
    EXPECT_EQ((Ids{101, 102}), window->allIds);
    rig.MouseStatus(11, 0, 0);
    rig.map.currentCommand = CommandRig::kCommandId;
  }
}

TEST_F(CommandTest, AnEmptySelectionLeavesTheArrayAsItWas) {
  FakeWindow* first = rig.Start({101});
  // Started again without a selection while the array still holds 101: the window gets it.
  rig.map.selection = {};
  rig.MouseStatus(18, 0, 0);
  EXPECT_EQ(0, rig.log.Count("Selection.Clear()"));
  EXPECT_EQ(0, rig.log.Count("IntArray.SetSize(0,-1)"));
  ASSERT_NE(first, rig.windows.Newest());
  EXPECT_EQ((Ids{101}), rig.windows.Newest()->selIds);
  // After an end the array is a new one, which holds nothing.
  rig.MouseStatus(11, 0, 0);
  rig.map.currentCommand = CommandRig::kCommandId;
  rig.MouseStatus(18, 0, 0);
  EXPECT_TRUE(rig.windows.Newest()->selIds.empty()) << "a fresh array holds nothing";
}

TEST_F(CommandTest, EachStartMakesANewWindowAndTheMessagesUseTheNewest) {
  FakeWindow* first = rig.Start({101});
  FakeWindow* second = rig.Start({102});
  ASSERT_NE(first, second);
  EXPECT_EQ((Ids{102}), second->selIds);
  PickAfresh({101});
  rig.MouseStatus(3, 0, 0);
  EXPECT_EQ(1, second->shownCount);
  EXPECT_EQ(-1, first->shownCount);
  EXPECT_TRUE(first->visible) << "the older window is left as it was";
}

TEST_F(CommandTest, ANewPickHidesTheWindowEmptiesTheArrayAndArmsThePick) {
  FakeWindow* window = rig.Start({101, 102});
  rig.PressPick();
  EXPECT_TRUE(IsCallSequence(
      rig.log.Lines(),
      {kGate, "Map.Selection()", "Selection.Clear()", "Map.Highlighter()", "IntArray.GetData()",
       "IntArray.GetSize()", "Highlighter.SetHighlight([101,102],2,0,0)", "IntArray.GetSize()",
       "Highlighter.RedrawEntities([101,102],2)", "Map.UpdateView()", "Map.Refresh()",
       "IntArray.RemoveAll()", kGate, "Map.SetPrompt(\"\")", kPickLine}));
  EXPECT_EQ(2, rig.log.Count("Map.GetCurrentCommand()")) << "the prompt request passes the gate";
  EXPECT_FALSE(window->visible);
  EXPECT_EQ(1, rig.map.cursorRefreshes);
  EXPECT_NE(nullptr, rig.map.pickArray);
}

TEST_F(CommandTest, PickStepsHighlightEverythingPickedSoFarAndReArm) {
  FakeWindow* window = rig.Start({});
  PickAfresh({102});
  rig.MouseStatus(0, 0, 0);
  ASSERT_TRUE(rig.Pick(103));
  rig.MouseStatus(0, 0, 0);
  const Lines step = {kGate, "Map.Highlighter()", "IntArray.GetData()", "IntArray.GetSize()"};
  EXPECT_TRUE(IsCallSequence(
      rig.log.Lines(), {step[0], step[1], step[2], step[3], "Highlighter.SetHighlight([102],1,1,1)",
                        "IntArray.GetSize()", "Highlighter.RedrawEntities([102],1)", kPickLine,
                        "Map.UpdateView()", step[0], step[1], step[2], step[3],
                        "Highlighter.SetHighlight([102,103],2,1,1)", "IntArray.GetSize()",
                        "Highlighter.RedrawEntities([102,103],2)", kPickLine, "Map.UpdateView()"}));
  EXPECT_EQ((std::set<int>{102, 103}), rig.map.highlighted);
  EXPECT_FALSE(window->visible);
}

TEST_F(CommandTest, WithoutTheArraysAddressTheHighlightNamesNoEntity) {
  rig.array.failGetData = true;
  rig.Start({});
  PickAfresh({102});
  rig.MouseStatus(0, 0, 0);  // highlight what was picked: the host gave no address of the ids
  EXPECT_TRUE(IsCallSequence(rig.log.Lines(),
                             {kGate, "Map.Highlighter()", "Highlighter.SetHighlight([],0,1,1)",
                              "Highlighter.RedrawEntities([],0)", kPickLine, "Map.UpdateView()"}));
  rig.log.Clear();
  rig.MouseStatus(11, 0, 0);
  EXPECT_TRUE(IsCallSequence(
      rig.log.Lines(),
      {kGate, "Map.Highlighter()", "Highlighter.SetHighlight([],0,0,0)",
       "Highlighter.RedrawEntities([],0)", "IntArray.RemoveAll()", "Map.Selection()",
       "Selection.Clear()", "Map.SetCurrentCommand(0,0)", kEndLine, "Map.UpdateView()"}));
  EXPECT_TRUE(rig.map.highlighted.empty());
}

// The pick's end shows the window with the device symbols picked: their count, and the lists.
TEST_F(CommandTest, ThePickEndShowsTheWindowWithThePickedDeviceSymbols) {
  const struct {
    Ids picked;
    Ids ids, handles;
  } cases[] = {
      {{102, 103}, {102}, {hSwitch}},
      {{103}, {}, {}},
      {{101, 102}, {101, 102}, {hMotor, hSwitch}},
      {{102, 102, 103, 101, 102, 101}, {102, 101}, {hSwitch, hMotor}}};  // picked again: once
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.picked));
    FakeWindow* window = rig.Start({101});
    PickAfresh(c.picked);
    rig.MouseStatus(3, 0, 0);
    EXPECT_TRUE(window->visible);
    EXPECT_EQ(static_cast<int>(c.ids.size()), window->shownCount);
    EXPECT_EQ(c.ids, window->shownIds);
    EXPECT_EQ(c.handles, window->shownHandles);
    EXPECT_TRUE(rig.map.pickEnded);
    EXPECT_EQ("Map.PickEnded(1)", Log().back());
  }
}

TEST_F(CommandTest, PickMessagesOutsideState0DoNothing) {
  FakeWindow* window = rig.Start({101});
  PickAfresh({102});
  rig.map.commandState = 1;
  rig.MouseStatus(0, 0, 0);
  rig.MouseStatus(3, 0, 0);
  EXPECT_EQ(Lines{}, rig.BeyondGate());
  EXPECT_FALSE(window->visible);
  EXPECT_EQ(-1, window->shownCount);
}

TEST_F(CommandTest, EscapeEndsTheCommandAndLeavesTheWindow) {
  FakeWindow* window = rig.Start({101});
  rig.MouseStatus(7, 27, 0);
  EXPECT_TRUE(IsCallSequence(
      rig.log.Lines(),
      {kGate, kGate, "Map.Highlighter()", "IntArray.GetData()", "IntArray.GetSize()",
       "Highlighter.SetHighlight([101],1,0,0)", "IntArray.GetSize()",
       "Highlighter.RedrawEntities([101],1)", "IntArray.RemoveAll()", "Map.Selection()",
       "Selection.Clear()", "Map.SetCurrentCommand(0,0)", kEndLine, "Map.UpdateView()"}));
  EXPECT_EQ(0, rig.map.currentCommand);
  EXPECT_EQ(0, rig.map.objectsHeld) << "the selection and the highlighter went back";
  EXPECT_TRUE(window->visible) << "the end leaves the window as it is";
  rig.log.Clear();
  rig.PressPick();
  EXPECT_EQ(Lines{}, rig.BeyondGate())
      << "the window's pick button does nothing once the command is no longer current";
}

// Escape while the pick has the window hidden: the command ends as always, and the window comes
// back with what the user typed in it.
TEST_F(CommandTest, EscapeDuringAPickEndsTheCommandAndBringsTheWindowBack) {
  FakeWindow* window = rig.Start({101});
  PickAfresh({102});
  rig.MouseStatus(7, 27, 0);
  EXPECT_EQ(1, rig.log.Count(kEndLine));
  EXPECT_TRUE(window->visible);
  EXPECT_EQ(-1, window->shownCount) << "no pick result: the pick did not end";
}

TEST_F(CommandTest, OtherKeysOtherWindowRequestsAndUnknownCodesDoNothing) {
  FakeWindow* window = rig.Start({101});
  for (int key : {13, 65, 26, 28, 0}) rig.MouseStatus(7, key, 0);
  for (int p2 : {1, 3, -1, 19}) rig.MouseStatus(19, 0, p2);
  for (int code : {1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 15, 16, 17, 20, 21, 22, 100, -1})
    rig.MouseStatus(code, 0, 0);
  EXPECT_EQ(Lines{}, rig.BeyondGate());
  EXPECT_TRUE(window->visible);
  EXPECT_EQ(CommandRig::kCommandId, rig.map.currentCommand);
}

TEST_F(CommandTest, TheEndReleasesTheArrayAndTheNextStartMakesANewOne) {
  rig.Start({101});
  EXPECT_EQ(1, rig.array.created);
  rig.MouseStatus(11, 0, 0);
  EXPECT_EQ(1, rig.array.released);
  EXPECT_EQ(0, rig.command.HostObjectsHeld());
  rig.map.currentCommand = CommandRig::kCommandId;
  rig.Start({});
  EXPECT_EQ(2, rig.array.created);
  EXPECT_EQ(1, rig.command.HostObjectsHeld());
}

TEST_F(CommandTest, AnEndWithoutAnArraySkipsTheHighlightButStillEndsEverything) {
  rig.Start({101});
  rig.MouseStatus(11, 0, 0);
  rig.map.currentCommand = CommandRig::kCommandId;
  rig.map.selection = {102};
  rig.log.Clear();
  const int cursors = rig.map.cursorRefreshes;
  rig.MouseStatus(11, 0, 0);
  const Lines expected = {"Map.Selection()", "Selection.Clear()", "Map.SetCurrentCommand(0,0)",
                          kEndLine, "Map.UpdateView()"};
  EXPECT_EQ(expected, rig.BeyondGate());
  EXPECT_EQ(cursors + 1, rig.map.cursorRefreshes);
  EXPECT_TRUE(rig.map.selection.empty());
}

TEST_F(CommandTest, WithoutAnArrayObjectNoArrayOperationRunsAndTheSelectionStays) {
  rig.array.failCreate = true;
  rig.map.selection = {101, 102};
  rig.MouseStatus(18, 0, 0);
  for (const std::string& line : Log()) EXPECT_NE(0u, line.rfind("IntArray.", 0)) << line;
  EXPECT_EQ((Ids{101, 102}), rig.map.selection)
      << "nothing to move the selection into: it stays the user's";
  FakeWindow* window = rig.windows.Newest();
  ASSERT_NE(nullptr, window);
  EXPECT_TRUE(window->selIds.empty());
  EXPECT_EQ((Ids{101, 102}), window->allIds);
  rig.log.Clear();
  rig.PressPick();
  rig.MouseStatus(0, 0, 0);
  rig.MouseStatus(3, 0, 0);
  for (const std::string& line : Log()) {
    EXPECT_NE(0u, line.rfind("IntArray.", 0)) << line;
    EXPECT_NE(0u, line.rfind("Map.BeginPick(", 0)) << "no pick into a missing array";
  }
  EXPECT_TRUE(window->visible) << "no pick can end, so the window stays";
  rig.MouseStatus(11, 0, 0);
  EXPECT_EQ(0, rig.map.currentCommand);
}

TEST_F(CommandTest, LeavingTheWindowEndsTheCommandOnce) {
  FakeWindow* window = rig.Start({101, 102});
  rig.Leave(*window);
  EXPECT_EQ(1, rig.log.Count("Map.SetCurrentCommand(0,0)"));
  EXPECT_EQ(1, rig.log.Count(kEndLine));
  EXPECT_EQ(nullptr, rig.command.LiveWindow()) << "the command does not use a window that is gone";
  rig.log.Clear();
  rig.MouseStatus(11, 0, 0);
  EXPECT_EQ(Lines{}, rig.BeyondGate()) << "the command is over";
}

// A window left open after Escape while a later launch runs with its own window: the older one
// asks nothing of the command (its pick would hide the newer window, its leaving would end the
// command under it); the newer one still does.
TEST_F(CommandTest, OnlyTheNewestWindowsRequestsReachTheCommand) {
  FakeWindow* first = rig.Start({101});
  rig.MouseStatus(7, 27, 0);
  rig.map.currentCommand = CommandRig::kCommandId;  // launched again
  FakeWindow* second = rig.Start({102});
  rig.PressPick(first);
  rig.Leave(*first);
  EXPECT_EQ(Lines{}, Log());
  EXPECT_TRUE(second->visible);
  EXPECT_EQ(nullptr, rig.map.pickArray);
  EXPECT_EQ(CommandRig::kCommandId, rig.map.currentCommand);
  rig.PressPick(second);
  EXPECT_FALSE(second->visible);
  EXPECT_TRUE(rig.log.Has(kPickLine));
  rig.Leave(*second);
  EXPECT_EQ(0, rig.map.currentCommand);
}

// Launched again while it runs (the window may lie behind the host's): the launch is refused and
// the window comes to the front; not while a pick has it hidden, nor once it is gone.
TEST_F(CommandTest, ALaunchWhileRunningBringsTheWindowToTheFront) {
  FakeWindow* window = rig.Start({101});
  EXPECT_EQ(0, rig.LaunchCommand());
  EXPECT_EQ(1, window->broughtToFront);
  EXPECT_EQ(1u, rig.windows.opened.size()) << "no second window";
  PickAfresh({102});
  EXPECT_EQ(0, rig.LaunchCommand());
  EXPECT_EQ(1, window->broughtToFront) << "hidden for the pick";
  EXPECT_FALSE(window->visible);
  rig.MouseStatus(3, 0, 0);
  rig.Leave(*window);
  rig.map.currentCommand = CommandRig::kCommandId;  // the host keeps it current
  EXPECT_EQ(0, rig.LaunchCommand());
  EXPECT_EQ(1, window->broughtToFront) << "the window is gone";
}

// The library unloads: freed by the host, an open window goes and the array goes back; at the
// process's end nothing of the host is called.
TEST_F(CommandTest, UnloadingLetsGoOfTheArrayAndTheWindowAsTheHostAllows) {
  for (bool processEnds : {false, true}) {
    SCOPED_TRACE(processEnds ? "process ends" : "library freed");
    FakeWindow* window = rig.Start({101});
    const int released = rig.array.released;
    rig.command.OnLibraryDetach(processEnds);
    EXPECT_EQ(0, rig.command.HostObjectsHeld());
    EXPECT_EQ(processEnds ? 0 : 1, window->destroyed);
    EXPECT_EQ(processEnds ? released : released + 1, rig.array.released);
    EXPECT_EQ(Lines{}, Log());
    rig.map.currentCommand = CommandRig::kCommandId;
  }
}

// A window left open after Escape and the window of a later launch: freed by the host, both go.
TEST_F(CommandTest, FreeingTheLibraryClosesEveryWindowLeftOpen) {
  FakeWindow* first = rig.Start({101});
  rig.MouseStatus(7, 27, 0);
  rig.map.currentCommand = CommandRig::kCommandId;  // launched again
  FakeWindow* second = rig.Start({101});
  ASSERT_NE(first, second);
  rig.command.OnLibraryDetach(false);
  EXPECT_EQ(1, first->destroyed);
  EXPECT_EQ(1, second->destroyed);
}

}  // namespace
}  // namespace command_test
