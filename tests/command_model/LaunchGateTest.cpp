// LaunchCommand and the gate of MouseStatus over the fake map: the order of the map calls, the
// refusals, the check that the map made the command current, and which messages reach the
// command.
#include <gtest/gtest.h>

#include "CommandRig.h"

namespace command_test {
namespace {

constexpr int kOther = 3;  // the command current before the launch

// The command 77 with action 5, while command 3 is current in state 2.
void Prepare(CommandRig& rig) {
  rig.commandId = 77;
  rig.action = 5;
  rig.map.currentCommand = kOther;
  rig.map.commandState = 2;
}

class LaunchTest : public ::testing::Test {
 protected:
  void SetUp() override { Prepare(rig); }
  bool Logged(const std::string& prefix) const { return rig.log.Has(prefix); }

  CommandRig rig;
};

TEST_F(LaunchTest, SuccessfulLaunchCallsTheMapInOrderThenStartsTheCommand) {
  ASSERT_EQ(1, rig.LaunchCommand());
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
  ASSERT_GE(rig.log.Lines().size(), expected.size());
  EXPECT_EQ(expected, Lines(rig.log.Lines().begin(), rig.log.Lines().begin() + expected.size()));
  EXPECT_EQ(77, rig.map.currentCommand);
  EXPECT_EQ(5, rig.map.action);
  EXPECT_EQ(1, rig.map.prepareCalls);
  EXPECT_EQ(0, rig.map.objectsHeld);
  EXPECT_NE(nullptr, rig.windows.Newest()) << "the start opened the window";
}

// A refused launch returns 0, leaves the map's command as it was, holds no command state and
// opens nothing; the host's answers are asked no further than needed.  The map may also refuse
// SetCurrentCommand, accept it and keep another command current, or accept it and not say
// afterwards which command is current: then the previous one is put back.
TEST(Launch, RefusedLaunchesChangeNothing) {
  const struct {
    const char* why;
    void (*arrange)(FakeMap&);
    int current;
    bool asksBlocked;
    int prepared, asked;  // PrepareCommand and GetCurrentCommand calls
    bool sets, putBack;   // SetCurrentCommand called; with 3,2 after it
  } cases[] = {
      {"the host cannot start a command", [](FakeMap& m) { m.canStartCommand = false; }, kOther,
       false, 0, 1, false, false},
      {"the host blocks this command", [](FakeMap& m) { m.blockedCommands = {77}; }, kOther, true,
       0, 1, false, false},
      {"this command is current already", [](FakeMap& m) { m.currentCommand = 77; }, 77, true, 0, 1,
       false, false},
      {"the host hands out no command state", [](FakeMap& m) { m.noCommandState = true; }, kOther,
       false, 0, 1, false, false},
      {"kept another command", [](FakeMap& m) { m.keepCurrentCommand = true; }, kOther, true, 1, 2,
       true, false},
      {"refused the call", [](FakeMap& m) { m.failSetCurrentCommand = true; }, kOther, true, 1, 1,
       false, false},
      {"cannot say afterwards", [](FakeMap& m) { m.silentAfterSet = true; }, kOther, true, 1, 2,
       true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    CommandRig rig;
    Prepare(rig);
    c.arrange(rig.map);
    EXPECT_EQ(0, rig.LaunchCommand());
    EXPECT_EQ(c.current, rig.map.currentCommand);
    EXPECT_EQ(2, rig.map.commandState);
    EXPECT_EQ(0, rig.map.action);
    EXPECT_TRUE(rig.map.prompts.empty());
    EXPECT_EQ(c.prepared, rig.map.prepareCalls);
    EXPECT_EQ(c.prepared == 1, rig.log.Has("CommandState.PrepareCommand("));
    EXPECT_EQ(c.asksBlocked, rig.log.Has("CommandState.IsCommandBlocked(77)"));
    EXPECT_EQ(c.asked, rig.log.Count("Map.GetCurrentCommand()"))
        << "asked again only after the map took the call";
    EXPECT_EQ(c.sets, rig.log.Has("Map.SetCurrentCommand("));
    EXPECT_EQ(c.putBack, rig.log.Has("Map.SetCurrentCommand(3,2)")) << "put back";
    for (const char* untouched : {"Map.SetPrompt(", "Map.Action(", "Map.Selection(", "IntArray."})
      EXPECT_FALSE(rig.log.Has(untouched)) << untouched;
    EXPECT_EQ(0, rig.map.objectsHeld);
    EXPECT_EQ(nullptr, rig.windows.Newest());
  }
}

TEST_F(LaunchTest, RefusedWithoutAMapAndNoMessageActs) {
  rig.mapAttached = false;
  rig.commandId = 0;  // as before SetPoStatus: the id a missing map would report as current
  EXPECT_EQ(0, rig.LaunchCommand());
  for (int code : {18, 0, 3, 11}) rig.MouseStatus(code, 0, 0);
  rig.MouseStatus(19, 0, 2);
  EXPECT_EQ(nullptr, rig.windows.Newest()) << "no configuration window opens without a map";
  EXPECT_TRUE(rig.log.Lines().empty());
}

// Before the host gives the command its id, the id is 0, the map's "no command": the launch would
// end the host's command and report a launch it did not make, and the gate would let Escape end
// "the command" (emptying the user's selection) while no command runs.
TEST(Launch, WithoutACommandIdNothingStartsAndNoMessageActs) {
  for (int current : {0, kOther}) {
    SCOPED_TRACE(current);
    CommandRig rig;
    Prepare(rig);
    rig.commandId = 0;
    rig.map.currentCommand = current;
    rig.map.selection = {101};
    EXPECT_EQ(0, rig.LaunchCommand());
    for (int code : {7, 11, 18, 0, 3}) rig.MouseStatus(code, 27, 0);
    EXPECT_EQ(current, rig.map.currentCommand);
    EXPECT_EQ((Ids{101}), rig.map.selection);
    EXPECT_TRUE(rig.map.prompts.empty());
    EXPECT_EQ(nullptr, rig.windows.Newest());
  }
}

TEST_F(LaunchTest, MouseStatusActsOnlyWhileTheMapReportsTheCommandsId) {
  // Another command is current: whatever the code, only the gate's question reaches the host.
  for (int code = 0; code <= 25; ++code) rig.MouseStatus(code, 27, 0);
  EXPECT_EQ(Lines(26, "Map.GetCurrentCommand()"), rig.log.Lines());

  ASSERT_EQ(1, rig.LaunchCommand());
  rig.commandId = 78;  // a new id while the command runs
  rig.log.Clear();
  rig.MouseStatus(11, 0, 0);
  EXPECT_EQ(Lines{"Map.GetCurrentCommand()"}, rig.log.Lines());
  EXPECT_EQ(77, rig.map.currentCommand) << "the end message was ignored";

  rig.map.currentCommand = 78;  // the map now reports the new id
  rig.MouseStatus(11, 0, 0);
  EXPECT_TRUE(Logged("Map.SetCurrentCommand(0,0)"));
  EXPECT_EQ(0, rig.map.currentCommand);
}

}  // namespace
}  // namespace command_test
