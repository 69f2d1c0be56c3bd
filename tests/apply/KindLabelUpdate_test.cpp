// The push of a kind's configuration over an in-memory window and host.
#include "KindLabelUpdate.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakeKindWindow.h"
#include "FakeLabelHost.h"

namespace vjd::annotation {
namespace {

using ::testing::ElementsAre;
using vjd::testing::FakeKindWindow;
using vjd::testing::FakeLabelHost;

class KindPushTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.AddEntity(1, {"馈电开关", "K1"});
    host.AddEntity(2, {"电动机", "M1", true});
    host.AddEntity(3, {"馈电开关 ", "K2"});  // trailing blank
    host.AddEntity(4, {"馈电开关", "K3"});
    host.AddEntity(5, {"Kd"});
    host.AddEntity(6, {"kd"});
  }
  bool Push(int count) { return UpdateKindLabels(window, host, count, handles, ids); }

  FakeLabelHost host;
  FakeKindWindow window{&host};
  int handles[6] = {1, 2, 3, 4, 5, 6};
  int ids[6] = {101, 102, 103, 104, 105, 106};
};

TEST_F(KindPushTest, EarlyFailuresChangeNothing) {
  EXPECT_FALSE(Push(0));  // nothing picked
  window.selected = false;
  EXPECT_FALSE(Push(6));
  EXPECT_EQ(window.saves, 0);
  window.selected = true;
  window.rows = 0;
  EXPECT_FALSE(Push(6));
  EXPECT_EQ(window.saves, 1);  // stored first (a no-op without rows), then refused
  EXPECT_THAT(host.Log(), ElementsAre("SaveGridConfig 馈电开关"));
}

TEST_F(KindPushTest, FailingStoreLaysOutNothing) {
  window.storeFails = true;
  EXPECT_FALSE(Push(6));
  EXPECT_THAT(host.Log(), ElementsAre("SaveGridConfig 馈电开关"));
}

TEST_F(KindPushTest, OnlyExactKindNamesMatchInInputOrder) {
  EXPECT_TRUE(Push(6));
  EXPECT_THAT(host.Log(), ElementsAre("SaveGridConfig 馈电开关", "BeginOperation 修改标注配置",
                                      "RecordEntity 1", "AnnotateEntity 1", "RecordEntity 4",
                                      "AnnotateEntity 4", "UpdateEntities 2"));
  EXPECT_THAT(host.Updates()[0], ElementsAre(101, 104));
  for (const auto& call : host.Annotations()) {
    EXPECT_EQ(call.mode, 1);
    EXPECT_EQ(call.kind, "馈电开关");
    EXPECT_FALSE(call.hadTexts);
    EXPECT_EQ(call.flag, 1);
  }
}

// Symbols erased from the drawing since the window got its lists, one of the kind among them.
TEST_F(KindPushTest, ErasedSymbolsAreOnlyAskedTheirKind) {
  host.erased = {1, 2};
  EXPECT_TRUE(Push(6));
  EXPECT_EQ(host.CallsOn(1) + host.CallsOn(2), 0);
  ASSERT_EQ(host.Annotations().size(), 1u);
  EXPECT_EQ(host.Annotations()[0].handle, 4);
  EXPECT_THAT(host.Updates(), ElementsAre(ElementsAre(104)));
}

TEST_F(KindPushTest, LetterCaseDiffers) {
  window.kind = "Kd";
  EXPECT_TRUE(Push(6));
  ASSERT_EQ(host.Annotations().size(), 1u);
  EXPECT_EQ(host.Annotations()[0].handle, 5);
}

TEST_F(KindPushTest, KindNoEntityHasSucceedsWithoutUpdate) {
  window.kind = "短路点";
  EXPECT_TRUE(Push(6));
  EXPECT_EQ(host.Count("BeginOperation"), 1);
  EXPECT_EQ(host.Count("UpdateEntities"), 0);
  EXPECT_TRUE(host.Annotations().empty());
}

TEST_F(KindPushTest, ManyMatchesKeepTheirOrder) {
  const int n = 3000;  // more than one growth step of the working lists
  std::vector<int> hs(n), is(n);
  for (int i = 0; i < n; ++i) {
    hs[i] = 1000 + i;
    is[i] = 5000 + i;
    host.AddEntity(hs[i], {i % 2 ? "馈电开关" : "电动机"});
  }
  EXPECT_TRUE(UpdateKindLabels(window, host, n, hs.data(), is.data()));
  const auto updates = host.Updates();
  ASSERT_EQ(updates.size(), 1u);
  ASSERT_EQ(updates[0].size(), static_cast<size_t>(n / 2));
  for (int k = 0; k < n / 2; ++k) ASSERT_EQ(updates[0][k], 5001 + 2 * k);
}

}  // namespace
}  // namespace vjd::annotation
