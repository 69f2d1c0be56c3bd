// The shared fakes where a fault would hide others: the call log's strict sequence check, and the
// label host's record, replay and passing on, on which the benchmarks' floor stands.
#include <gtest/gtest.h>

#include <tuple>

#include "ApplyOptions.h"
#include "CallLog.h"
#include "FakeKindWindow.h"
#include "FakeLabelHost.h"
#include "KindLabelUpdate.h"

namespace vjd::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(CallLogSequence, EveryLineMustBeTheNextExpectedOneOptionalOnesMayBeMissing) {
  const auto maybe = om::CallLog::Optional("Map.Refresh()");
  const struct {
    Lines lines;
    std::vector<om::CallLog::Expected> expected;
    int differsAt;  // the marked row, 0 for none
  } cases[] = {
      {{"a()", "b()"}, {"a()", "b()"}, 0},
      {{"a()", "x()", "b()"}, {"a()", "b()"}, 2},  // an unexpected call between two expected
      {{"x()", "a()"}, {"a()"}, 1},
      {{"a()"}, {"a()", "b()"}, 2},                // one missing at the end
      {{"a()", "b()"}, {"a()"}, 2},                // one more at the end
      {{"b()", "a()"}, {"a()", "b()"}, 1},         // the order
      {{"a()", "b()"}, {"a()", maybe, "b()"}, 0},  // an optional one missing
      {{"a()", "Map.Refresh()", "b()"}, {"a()", maybe, "b()"}, 0},
      {{"Map.Refresh()", "x()"}, {maybe}, 2},
      {{}, {}, 0},
  };
  for (const auto& c : cases) {
    const std::string table = om::CallLog::Mismatch(c.lines, c.expected);
    SCOPED_TRACE(::testing::PrintToString(c.lines) + "\n" + table);
    EXPECT_EQ(table.empty(), c.differsAt == 0);
    if (c.differsAt == 0) continue;
    EXPECT_EQ(table.rfind("the calls differ at line " + std::to_string(c.differsAt) + " ", 0), 0u);
    // Rows follow a heading; the marked one is the first difference.
    size_t row = table.find('\n', table.find('\n') + 1) + 1;
    for (int i = 1; i < c.differsAt; ++i) row = table.find('\n', row) + 1;
    EXPECT_EQ(table.compare(row, 4, "  > "), 0);
  }
}

TEST(CallLogSequence, TheTableShowsBothSequencesSideBySide) {
  const std::string table = om::CallLog::Mismatch({"a()", "x()"}, {"a()", "b()"});
  EXPECT_NE(table.find("    a()      | a()\n"), std::string::npos) << table;
  EXPECT_NE(table.find("  > b()      | x()\n"), std::string::npos) << table;
}

// Apply with every group and a kind push over a small drawing of every kind of symbol.
void Operate(annotation::ILabelHost& host) {
  const int handles[] = {1, 2, 3, 4}, ids[] = {11, 12, 13, 14};
  annotation::DisplayOptions options;
  options.bConfigMotor = options.bConfigCable = options.bConfigShort = 1;
  annotation::OptionSnapshot snapshot;
  ApplyOptions(host, options, snapshot, handles, ids, 4);
  FakeKindWindow window;
  UpdateKindLabels(window, host, 4, handles, ids);
}

FakeLabelHost Drawing() {
  FakeLabelHost host;
  host.AddEntity(1, {"电动机", "M1", true, false, {{"M1"}, {"AB"}}});
  host.AddEntity(2, {"电缆", "C1", false, false, {{"C1"}, {"MY"}}});
  host.AddEntity(3, {"短路点", "d1", false, true, {{"Id"}}});
  host.AddEntity(4, {"馈电开关", "K1"});
  host.Device(11) = FakeDevice::Motor("Y2");
  host.Device(12).hasLength = host.Device(12).hasType = true;
  host.Device(12).length = "100", host.Device(12).model = "MY";
  host.Device(13).hasCurrent = true, host.Device(13).current = "9";
  host.storedKinds = {"短路点"};
  return host;
}

auto Key(const FakeLabelHost::Call& c, int handleOffset = 0) {
  return std::make_tuple(c.op, c.handle ? c.handle + handleOffset : 0, c.a, c.b, c.text, c.hasTexts,
                         c.texts, c.ids);
}

TEST(FakeLabelHost, AReplayAndAHostPassingCallsOnMakeTheCallsTheOperationMade) {
  FakeLabelHost direct = Drawing();
  Operate(direct);
  ASSERT_GT(direct.calls.size(), 30u);
  FakeLabelHost replayed = Drawing(), inner = Drawing();
  FakeLabelHost::Replay(direct.calls, replayed);
  FakeLabelHost passing(&inner);
  Operate(passing);
  for (const FakeLabelHost* other : {&replayed, &inner, &passing}) {
    ASSERT_EQ(other->calls.size(), direct.calls.size());
    for (size_t i = 0; i < direct.calls.size(); ++i)
      EXPECT_EQ(Key(other->calls[i]), Key(direct.calls[i])) << i;
  }
  for (int h : {1, 2, 3, 4}) EXPECT_EQ(inner.Texts(h), direct.Texts(h)) << h;

  FakeLabelHost shifted;  // a drawing rebuilt with handles 100 further on
  FakeLabelHost::Replay(direct.calls, shifted, 100);
  ASSERT_EQ(shifted.calls.size(), direct.calls.size());
  for (size_t i = 0; i < direct.calls.size(); ++i)
    EXPECT_EQ(Key(shifted.calls[i]), Key(direct.calls[i], 100)) << i;
}

}  // namespace
}  // namespace vjd::testing
