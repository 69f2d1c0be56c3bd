// Apply over an in-memory host: which settings are stored, which entities change and how, and
// what the map is told.
#include "ApplyOptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakeLabelHost.h"

namespace vjd::annotation {
namespace {

using ::testing::ElementsAre;
using vjd::testing::FakeDevice;
using vjd::testing::FakeLabelHost;

class ApplyTest : public ::testing::Test {
 protected:
  // handle 10/id 1 motor, 20/2 cable, 30/3 short-circuit point, 40/4 a switch.
  void SetUp() override {
    host.AddEntity(10, {"电动机", "M1", true, false, {{"M1"}, {"AB"}, {"55KW"}}});
    host.Device(1) = FakeDevice::Motor("Y2-4");
    host.AddEntity(20, {"电缆", "C1", false, false, {{"old0", 0}, {"old1", 1}, {"old2", 0}}});
    FakeDevice& cable = host.Device(2);
    cable.hasLength = true, cable.length = "200", cable.runCount = "1";
    cable.hasType = true, cable.model = "AB-1", cable.spec = "3×50";
    host.AddEntity(30, {"短路点", "d3", false, true, {{"x"}}});
    host.Device(3).hasCurrent = true, host.Device(3).current = "980";
    host.AddEntity(40, {"馈电开关", "K1", false, false, {{"K1"}}});
    options.bShowCableLabel = 1;
    snapshot = SnapshotOf(options);
  }
  std::vector<int> Apply() { return ApplyOptions(host, options, snapshot, handles, ids, 4); }

  FakeLabelHost host;
  DisplayOptions options;
  OptionSnapshot snapshot;
  int handles[4] = {10, 20, 30, 40};
  int ids[4] = {1, 2, 3, 4};
};

TEST_F(ApplyTest, NoGroupTickedStoresSettingsAndStillTellsTheMap) {
  std::vector<std::vector<std::string>> before;
  for (int h : handles) before.push_back(host.Texts(h));
  EXPECT_TRUE(Apply().empty());
  EXPECT_THAT(host.Log(),
              ElementsAre("SetShowShortPointName 0", "SetShowShortCurrent 1", "SetShowNameOnDraw 1",
                          "UpdateEntities 0", "Refresh", "ChangedFlag 1"));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(host.Texts(handles[i]), before[i]) << handles[i];
}

TEST_F(ApplyTest, AFailurePartWayStillTellsTheMapOfWhatChanged) {
  options.bConfigMotor = options.bConfigCable = 1;
  host.format = [](const std::string&) -> std::string { throw std::bad_alloc(); };  // at the cable
  EXPECT_THROW(Apply(), std::bad_alloc);
  const auto log = host.Log();
  EXPECT_THAT(std::vector<std::string>(log.end() - 3, log.end()),
              ElementsAre("UpdateEntities 2", "Refresh", "ChangedFlag 1"));
  // The motor, and the cable whose labels were already rebuilt when the call failed.
  EXPECT_THAT(host.Updates().back(), ElementsAre(1, 2));
}

TEST_F(ApplyTest, SnapshotFollowsTheStoredValue) {
  options.bShowMotorName = 1;  // off -> on
  Apply();
  EXPECT_EQ(host.Setting("ShowMotorName"), 1);
  options.bShowMotorName = 0;
  Apply();
  EXPECT_EQ(host.Setting("ShowMotorName"), 0);
  options.bShowMotorName = 1;  // back on: must be stored again
  Apply();
  EXPECT_EQ(host.Setting("ShowMotorName"), 1);
  EXPECT_EQ(host.Count("SetShowMotorName"), 3);
  Apply();  // unchanged: not written again
  EXPECT_EQ(host.Count("SetShowMotorName"), 3);
  EXPECT_EQ(host.Count("SetShowNameOnDraw"), 4);
}

TEST_F(ApplyTest, SettingsAreStoredInTheirOrder) {
  options.bShowMotorModel = options.bShowMotorName = options.bShowCableName = options.bOneLine = 1;
  options.bShowCableLabel = 0;
  Apply();
  const auto log = host.Log();
  ASSERT_GE(log.size(), 8u);
  EXPECT_THAT(std::vector<std::string>(log.begin(), log.begin() + 8),
              ElementsAre("SetShowMotorModel 1", "SetShowMotorName 1", "SetShowCableLabel 0",
                          "SetShowCableName 1", "SetOneLineCableLabel 1", "SetShowShortPointName 0",
                          "SetShowShortCurrent 1", "SetShowNameOnDraw 1"));
}

TEST_F(ApplyTest, MotorLabelsFollowNameAndModel) {
  options.bConfigMotor = 1;
  options.bShowMotorModel = 1;
  EXPECT_THAT(Apply(), ElementsAre(1));
  EXPECT_THAT(host.Texts(10), ElementsAre("M", "ABY2-4", "55KW"));
  options.bShowMotorName = 1;
  options.bShowMotorModel = 0;
  Apply();
  EXPECT_THAT(host.Texts(10), ElementsAre("M1", "AB", "55KW"));
  EXPECT_THAT(host.Texts(20), ElementsAre("old0", "old1", "old2"));  // other groups untouched
}

TEST_F(ApplyTest, MotorWithNothingToChangeIsNotReported) {
  options.bConfigMotor = 1;
  options.bShowMotorName = 1;
  host.Entity(10).labels = {{"M1"}, {"55KW"}};
  EXPECT_TRUE(Apply().empty());
}

TEST_F(ApplyTest, OneLineCableLabel) {
  options.bConfigCable = 1;
  options.bOneLine = 1;
  host.format = [](const std::string& t) { return t == "200" ? "200.0" : t; };
  EXPECT_THAT(Apply(), ElementsAre(2));
  ASSERT_EQ(host.Entity(20).labels.size(), 1u);
  EXPECT_EQ(host.Entity(20).labels[0].text, "AB-3×50-200.0m");
  EXPECT_EQ(host.Entity(20).labels[0].visible, 1);
}

TEST_F(ApplyTest, TwoLabelCableShowsNameAndWholeModel) {
  options.bConfigCable = 1;
  options.bShowCableLabel = 0;
  host.Device(2).runCount = "2";
  Apply();
  ASSERT_EQ(host.Entity(20).labels.size(), 2u);
  EXPECT_THAT(host.Texts(20), ElementsAre("C1(2×200 m)", "AB-1"));
  EXPECT_EQ(host.Entity(20).labels[0].visible, 0);
  EXPECT_EQ(host.Entity(20).labels[1].visible, 0);
  EXPECT_EQ(host.Count("SetLabelVisible 1 0"), 2);  // once in the pass, once rebuilt
}

TEST_F(ApplyTest, CableWithoutDataIsSkippedWholly) {
  options.bConfigCable = 1;
  host.Device(2).cableData = 0;
  EXPECT_TRUE(Apply().empty());
  EXPECT_EQ(host.Count("SetLabel"), 0);  // not even the visibility pass
  host.Device(2).hasType = false;        // absent item
  EXPECT_TRUE(Apply().empty());
}

TEST_F(ApplyTest, ShortCircuitWrittenDirectlyWithoutStoredKind) {
  options.bConfigShort = 1;
  host.defaultVisible = 0;
  EXPECT_THAT(Apply(), ElementsAre(3));
  EXPECT_THAT(host.Texts(30), ElementsAre("Id#-3#+(2)#=980A"));
  EXPECT_EQ(host.Entity(30).labels[0].visible, 0);
  const auto log = host.Log();
  EXPECT_THAT(std::vector<std::string>(log.begin() + 3, log.begin() + 7),
              ElementsAre("SetLabelCount 1", "SetLabelVisible 0 0", "SetLabelText 0",
                          "SetLabelPosition 0 0"));
}

TEST_F(ApplyTest, ShortCircuitLaidOutByStoredKind) {
  options.bConfigShort = 1;
  options.bShowShortCurrent = 0;
  host.storedKinds = {"短路点"};
  EXPECT_THAT(Apply(), ElementsAre(3));
  ASSERT_EQ(host.Annotations().size(), 1u);
  const auto call = host.Annotations()[0];
  EXPECT_EQ(call.mode, 0);
  EXPECT_EQ(call.kind, "短路点");
  EXPECT_EQ(call.handle, 30);
  EXPECT_THAT(call.texts, ElementsAre("Id3"));
  EXPECT_EQ(call.flag, 0);
  EXPECT_EQ(host.Count("SetLabel"), 0);
}

TEST_F(ApplyTest, ShortCircuitWithoutCurrentIsSkipped) {
  options.bConfigShort = 1;
  for (const char* current : {"0", ""}) {
    host.Device(3).current = current;
    EXPECT_TRUE(Apply().empty()) << current;
  }
  host.Device(3).hasCurrent = false;
  EXPECT_TRUE(Apply().empty());
  EXPECT_THAT(host.Texts(30), ElementsAre("x"));
}

TEST_F(ApplyTest, FirstTestThatHoldsClassifies) {
  // A motor symbol whose kind name reads "电缆" is still a motor: the cable group leaves it.
  host.Entity(10).kind = "电缆";
  options.bConfigCable = 1;
  EXPECT_THAT(Apply(), ElementsAre(2));
  EXPECT_THAT(host.Texts(10), ElementsAre("M1", "AB", "55KW"));
  // A cable that the library also calls a short-circuit point is a cable.
  host.Entity(20).shortPoint = true;
  auto cableTexts = host.Texts(20);
  options.bConfigCable = 0;
  options.bConfigShort = 1;
  EXPECT_THAT(Apply(), ElementsAre(3));
  EXPECT_EQ(host.Texts(20), cableTexts);
}

TEST_F(ApplyTest, EveryGroupTogetherReportsInListOrder) {
  options.bConfigMotor = options.bConfigCable = options.bConfigShort = 1;
  EXPECT_THAT(Apply(), ElementsAre(1, 2, 3));
  EXPECT_THAT(host.Updates().back(), ElementsAre(1, 2, 3));
  EXPECT_THAT(host.Texts(40), ElementsAre("K1"));
}

// Symbols erased from the drawing since the window got its list: each of the three families.
TEST_F(ApplyTest, ErasedSymbolsAreOnlyAskedTheirKind) {
  options.bConfigMotor = options.bConfigCable = options.bConfigShort = 1;
  for (int gone : {10, 20, 30}) {
    host = FakeLabelHost();
    SetUp();
    host.erased = {gone};
    std::vector<int> rest = {1, 2, 3};
    rest.erase(rest.begin() + (gone / 10 - 1));
    EXPECT_EQ(Apply(), rest) << gone;
    EXPECT_EQ(host.CallsOn(gone), 0) << gone;
  }
}

}  // namespace
}  // namespace vjd::annotation
