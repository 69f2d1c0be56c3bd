// The window's model against its reference over seeded random walks (ModelWalk.h), and the
// orderings the walks found (deletes, a category without symbols), as named cases.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "ModelWalk.h"

namespace paraset_test {
namespace {

using namespace vjd::annotation;
using Strings = std::vector<std::string>;

// The first action after which `actions` differ from the reference, or -1.
int FirstDifference(const std::vector<WalkAction>& actions) {
  ModelWalk walk;
  return walk.Run(actions);
}

// A failing walk cut after its first difference, then without every run of actions (of 16, 8,
// 4, 2 or 1) it fails without, until no run can go.
std::vector<WalkAction> Shortened(std::vector<WalkAction> actions) {
  actions.resize(static_cast<size_t>(FirstDifference(actions)) + 1);
  for (bool shorter = true; shorter;) {
    shorter = false;
    for (size_t run = 16; run > 0; run /= 2) {
      for (size_t i = 0; i + run <= actions.size();) {
        std::vector<WalkAction> fewer = actions;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i),
                    fewer.begin() + static_cast<std::ptrdiff_t>(i + run));
        const int at = FirstDifference(fewer);
        if (at < 0) {
          ++i;
          continue;
        }
        fewer.resize(static_cast<size_t>(at) + 1);
        actions = fewer;
        shorter = true;
      }
    }
  }
  return actions;
}

int FromEnvironment(const char* name, int otherwise) {
  const char* value = std::getenv(name);
  return value ? std::atoi(value) : otherwise;
}

// 600 walks of 250 steps, a few seconds (VJD_WALKS and VJD_WALK_STEPS change them, VJD_WALK_SEED
// the first seed).
TEST(ModelWalkTest, EveryOrderingKeepsFileGridAndPreviewAsTheReferenceSays) {
  const int walks = FromEnvironment("VJD_WALKS", 600);
  const int steps = FromEnvironment("VJD_WALK_STEPS", 250);
  const int first = FromEnvironment("VJD_WALK_SEED", 1);
  for (int seed = first; seed < first + walks; ++seed) {
    std::mt19937 random(static_cast<unsigned>(seed));
    std::vector<std::uint8_t> bytes(static_cast<size_t>(steps) * 4);
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
    const std::vector<WalkAction> actions = DecodeWalk(bytes.data(), bytes.size());
    std::string what;
    ModelWalk walk;
    const int at = walk.Run(actions, &what);
    if (at < 0) continue;
    const std::vector<WalkAction> shortest = Shortened(actions);
    ModelWalk again;
    again.Run(shortest, &what);
    std::string transcript;
    for (const std::string& line : again.transcript) transcript += "  " + line + "\n";
    FAIL() << "seed " << seed << ": differs after step " << at + 1 << "; the shortest walk ("
           << shortest.size() << " steps):\n"
           << transcript << what;
  }
}

class DeleteOrderTest : public ::testing::Test, protected ModelRig {
 protected:
  void SetUp() override {
    Store(ThreeSlotMotor());  // x, y, z
    Choose("电动机");
  }
};

// A new row has no slot in the record: deleting another row takes exactly that row's slot out.
TEST_F(DeleteOrderTest, ADeleteAfterAnAddedRowTakesOutOnlyItsOwnSlot) {
  DeleteRow(2);  // z's bytes stay beyond the count
  AddRow();
  DeleteRow(0);
  EXPECT_EQ(grid.Column(kColumnText), (Strings{"y", "c"}));
  EXPECT_EQ(StoredTexts("电动机"), Strings{"y"});
  files.faults.writes = 1;
  Leave();  // the store fails: the file keeps what it held
  EXPECT_EQ(StoredTexts("电动机"), Strings{"y"});
}

// A delete the file refused leaves the record as it was, and the next delete still finds the
// slot of its own row.
TEST_F(DeleteOrderTest, ARefusedDeleteLeavesTheRecordAndTheNextDeleteItsOwnSlot) {
  for (bool busy : {false, true}) {
    SCOPED_TRACE(busy ? "the lock is busy" : "the write fails");
    Choose("照明");
    Store(ThreeSlotMotor());
    Choose("电动机");
    sink.messages.clear();
    (busy ? files.faults.busyLocks : files.faults.writes) = 1;
    DeleteRow(0);
    EXPECT_EQ(sink.messages, Strings{busy ? ModelWalk::kBusyMessage : ModelWalk::kFileMessage});
    EXPECT_EQ(StoredTexts("电动机"), (Strings{"x", "y", "z"}));
    DeleteRow(0);
    EXPECT_EQ(grid.Column(kColumnText), Strings{"z"});
    EXPECT_EQ(StoredTexts("电动机"), (Strings{"x", "z"}));
  }
}

// A category without symbols selects none: the shown kind's edits are stored first (a failed
// store is told and keeps them, and the kind shown, until the category is chosen again), the grid
// and the preview's labels are emptied and take no input, and the next choice stores nothing
// under the kind shown before.
TEST_F(DeleteOrderTest, ACategoryWithoutSymbolsStoresTheShownKindAndTheNextChoiceNothing) {
  model->ReadCatalog(ModelWalk::CataloguePath());
  for (bool fails : {false, true}) {
    SCOPED_TRACE(fails ? "the write fails" : "the write succeeds");
    Choose("电动机");
    Edit(0, kColumnText, fails ? "b" : "a");
    sink.messages.clear();
    files.faults.writes = fails ? 1 : 0;
    EXPECT_EQ(ChooseCategory(ModelWalk::kEmptyCategory), Strings{});
    if (fails) {
      EXPECT_EQ(sink.messages, Strings{std::string(ModelWalk::kFileMessage) + "\n" +
                                       ParaSetModel::kChoiceNotStored});
      EXPECT_EQ(model->ShownKind(), "电动机");
      EXPECT_EQ(Row(0)[kColumnText], "b");
      ChooseCategory(ModelWalk::kEmptyCategory);  // again: the file takes them now
    }
    EXPECT_EQ(StoredTexts("电动机"), (Strings{fails ? "b" : "a", "y", "z"}));
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(LabelInt(ATTR_LABEL_COUNT_SET, 0), 0);
    EXPECT_EQ(sink.shownKinds.back(), "");
    EXPECT_FALSE(sink.gridEnabled);
    EXPECT_EQ(model->ShownKind(), "");
    const std::string bytes = FileContents();
    Choose("照明");
    EXPECT_EQ(FileContents(), bytes);
    EXPECT_TRUE(sink.gridEnabled);
  }
}

}  // namespace
}  // namespace paraset_test
