// The configuration window's check boxes: what each box enables or ticks, the opening state of
// the groups, and which setting reaches the layout library at once.
#include <gtest/gtest.h>

#include <utility>

#include "ModelRig.h"
#include "OptionBoxes.h"

namespace paraset_test {
namespace {

using namespace vjd::annotation;
using Enablings = std::vector<std::pair<OptionBox, bool>>;
using B = OptionBox;

Enablings Of(const BoxReaction& reaction) {
  Enablings out;
  for (const BoxEnabling& e : reaction.enablings) out.emplace_back(e.box, e.enabled);
  return out;
}

TEST(OptionBoxes, EachBoxEnablesOrTicksWhatItsRuleSays) {
  const struct {
    OptionBox box;
    int value;      // the clicked box as it reads now
    int oneLine;    // "显示一行标注"
    int shortName;  // the short point name box before the click
    Enablings enablings;
    int shortNameAfter;  // the short point name box after
  } kCases[] = {
      {B::kConfigMotor, 1, 0, 0, {{B::kShowMotorModel, true}, {B::kShowMotorName, true}}, 0},
      {B::kConfigMotor, 0, 0, 0, {{B::kShowMotorModel, false}, {B::kShowMotorName, false}}, 0},
      // The cable name box follows its group even with "显示一行标注" clear.
      {B::kConfigCable,
       1,
       0,
       0,
       {{B::kShowCableLabel, true}, {B::kOneLine, true}, {B::kShowCableName, true}},
       0},
      {B::kConfigCable,
       0,
       1,
       0,
       {{B::kShowCableLabel, false}, {B::kOneLine, false}, {B::kShowCableName, false}},
       0},
      {B::kOneLine, 0, 0, 0, {{B::kShowCableName, false}}, 0},
      {B::kOneLine, 1, 1, 0, {{B::kShowCableName, true}}, 0},
      // The short current stays usable whatever the group's box says.
      {B::kConfigShort, 1, 0, 0, {{B::kShowShortName, true}}, 0},
      {B::kConfigShort, 0, 0, 1, {{B::kShowShortName, false}}, 1},
      // Clearing the short current ticks the short point name; ticking it changes nothing else.
      {B::kShowShortCurrent, 0, 0, 0, {}, 1},
      {B::kShowShortCurrent, 1, 0, 0, {}, 0},
      {B::kShowMotorName, 1, 0, 0, {}, 0},
      {B::kShowNameOnDraw, 0, 0, 0, {}, 0},
  };
  for (size_t k = 0; k < std::size(kCases); ++k) {
    SCOPED_TRACE(k);
    const auto& c = kCases[k];
    DisplayOptions options;
    options.bOneLine = c.oneLine;
    options.bShowShortName = c.shortName;
    options.*OptionValue(c.box) = c.value;
    BoxReaction reaction = ReactToOptionBox(c.box, options);
    EXPECT_EQ(Of(reaction), c.enablings);
    EXPECT_EQ(reaction.boxesChanged, c.shortNameAfter != c.shortName);
    EXPECT_EQ(options.bShowShortName, c.shortNameAfter);
  }
}

class OptionBoxModelTest : public ::testing::Test, protected ModelRig {};

// The boxes start from the settings the window read; the "configure" boxes start clear with their
// groups disabled.
TEST_F(OptionBoxModelTest, OpeningClearsTheConfigureBoxesAndDisablesTheirGroups) {
  DisplayOptions options;
  options.bConfigMotor = options.bConfigCable = options.bConfigShort = 1;
  options.bShowCableName = options.bOneLine = 1;
  BoxReaction reaction = model->Open(options);
  EXPECT_EQ(Of(reaction), (Enablings{{B::kShowMotorModel, false},
                                     {B::kShowMotorName, false},
                                     {B::kShowCableLabel, false},
                                     {B::kOneLine, false},
                                     {B::kShowCableName, false},
                                     {B::kShowShortName, false}}));
  EXPECT_TRUE(reaction.boxesChanged);
  EXPECT_EQ(options.bConfigMotor + options.bConfigCable + options.bConfigShort, 0);
  EXPECT_EQ(options.bShowCableName + options.bOneLine, 2);  // the read settings stay
  EXPECT_EQ(model->Snapshot().bShowCableName, 1);
  EXPECT_TRUE(ownHost.Log().empty());
}

// "显示名称" reaches the layout library as soon as it is clicked; every other box waits for "应用".
TEST_F(OptionBoxModelTest, OnlyNameOnDrawIsStoredAtOnce) {
  for (OptionBox box : {B::kShowMotorName, B::kShowMotorModel, B::kConfigMotor, B::kShowCableName,
                        B::kShowCableLabel, B::kOneLine, B::kConfigCable, B::kShowShortName,
                        B::kConfigShort, B::kShowShortCurrent}) {
    DisplayOptions options;
    options.*OptionValue(box) ^= 1;
    model->OnOptionBox(box, options);
  }
  EXPECT_TRUE(ownHost.Log().empty());
  for (int value : {0, 1}) {
    DisplayOptions options;
    options.bShowNameOnDraw = value;
    model->OnOptionBox(B::kShowNameOnDraw, options);
  }
  EXPECT_EQ(ownHost.Log(),
            (std::vector<std::string>{"SetShowNameOnDraw 0", "SetShowNameOnDraw 1"}));
}

}  // namespace
}  // namespace paraset_test
