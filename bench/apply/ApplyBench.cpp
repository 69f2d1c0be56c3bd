// Times Apply and the kind push over drawings of 1,000, 10,000 and 100,000 device symbols in an
// in-memory host (the cost of the logic itself), each beside a replay of the host calls that run
// made (the calls the operation cannot avoid, without its logic); prints the medians, the ratios
// against the goal (1.3), the growth over ten times the symbols, and the plug-in's peak heap
// during the operation.  Arguments: the number of repetitions (default 15), then the drawing sizes
// (default 1000 10000 100000).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <valgrind/callgrind.h>

#include "ApplyOptions.h"
#include "BenchFigures.h"
#include "FakeKindWindow.h"
#include "FakeLabelHost.h"
#include "HeapCount.h"
#include "KindLabelUpdate.h"

namespace {

using vjd::annotation::DisplayOptions;
using vjd::annotation::ILabelHost;
using vjd::annotation::OptionSnapshot;
using vjd::bench::SizeFigures;
using vjd::testing::FakeDevice;
using vjd::testing::FakeDrawing;
using vjd::testing::FakeEntity;
using vjd::testing::FakeLabelHost;

constexpr double kGoal = 1.3;

// A drawing of `count` device symbols in memory: motors, cables, short-circuit points and
// switches in turn, handle i + 1 and id 1000 + i for symbol i.  The layout library lays two labels
// out, the first with the text given; "短路点" has a stored configuration.
struct Drawing {
  FakeDrawing host;
  std::vector<int> handles, ids;
};

Drawing MakeDrawing(int count) {
  Drawing drawing;
  FakeDrawing& host = drawing.host;
  host.storedKinds = {"短路点"};
  host.layout = [](FakeEntity& e, const std::vector<std::string>* texts) {
    e.labels.resize(2);
    if (texts && !texts->empty()) e.labels[0].text = (*texts)[0];
    e.labels[0].position = 8;
    e.labels[1].position = 3;
  };
  for (int i = 0; i < count; ++i) {
    const std::string n = std::to_string(i);
    FakeEntity& e = host.Entity(i + 1);
    FakeDevice& d = host.Device(1000 + i);
    switch (i % 4) {
      case 0:
        e = {"电动机", "M" + n, true, false, {{"M" + n}, {"AB"}, {"55KW"}}};
        d = FakeDevice::Motor("Y2-" + n);
        break;
      case 1:
        e = {"电缆", "C" + n, false, false, {{"C" + n + "(200 m)"}, {"MYP-0.66/1.14"}}};
        d.hasLength = true, d.length = "200", d.runCount = i % 8 == 1 ? "2" : "1";
        d.hasType = true, d.model = "MYP-0.66/1.14", d.spec = "3×50";
        break;
      case 2:
        e = {"短路点", "d" + n, false, true, {{"Id"}}};
        d.hasCurrent = true, d.current = "980";
        break;
      default:
        e = {"馈电开关", "K" + n, false, false, {{"K" + n}, {"KBZ-400"}}};
        break;
    }
    drawing.handles.push_back(i + 1);
    drawing.ids.push_back(1000 + i);
  }
  return drawing;
}

DisplayOptions EveryGroup() {
  DisplayOptions options;
  options.bConfigMotor = options.bConfigCable = options.bConfigShort = 1;
  options.bShowMotorModel = options.bShowCableLabel = options.bOneLine = 1;
  return options;
}

// One run of `run` on a fresh copy of `drawing` (the copy not timed), in microseconds: the host
// costs what reading and changing the drawing costs, no more.  Under
// callgrind (started with --collect-atstart=no) the run's instructions are collected and dumped
// as `what`: instruction counts repeat where times do not (see instructions.sh).
double TimeOnCopy(const FakeDrawing& drawing, const std::string& what,
                  const std::function<void(ILabelHost&)>& run) {
  FakeDrawing host = drawing;
  CALLGRIND_TOGGLE_COLLECT;
  const auto start = std::chrono::steady_clock::now();
  run(host);
  const auto stop = std::chrono::steady_clock::now();
  CALLGRIND_TOGGLE_COLLECT;
  CALLGRIND_DUMP_STATS_AT(what.c_str());
  return std::chrono::duration<double, std::micro>(stop - start).count();
}

SizeFigures Measure(int count, bool push, int repetitions) {
  const Drawing drawing = MakeDrawing(count);
  size_t touched = 0;
  auto operation = [&](ILabelHost& host) {
    if (push) {
      vjd::testing::FakeKindWindow window;  // "馈电开关" chosen, two rows, nothing to store
      window.rows = 2;
      UpdateKindLabels(window, host, count, drawing.handles.data(), drawing.ids.data());
    } else {
      OptionSnapshot snapshot;
      touched = ApplyOptions(host, EveryGroup(), snapshot, drawing.handles.data(),
                             drawing.ids.data(), count)
                    .size();
    }
  };
  FakeLabelHost recorder(drawing.host);
  operation(recorder);
  const std::vector<FakeLabelHost::Call> calls = std::move(recorder.calls);
  if (push) {
    for (const auto& call : calls) touched += call.op == FakeLabelHost::Op::Annotate;
  }

  SizeFigures f;
  f.symbols = count;
  f.touched = touched;
  const std::string what =
      std::string(push ? "UpdateKindLabels " : "ApplyOptions ") + std::to_string(count);
  auto replay = [&](ILabelHost& host) { FakeLabelHost::Replay(calls, host); };
  // Taking turns, so both meet the same load, and each going first every other time.
  for (int r = 0; r < repetitions; ++r) {
    if (r % 2 == 0) {
      f.op.push_back(TimeOnCopy(drawing.host, what + " op", operation));
      f.replay.push_back(TimeOnCopy(drawing.host, what + " replay", replay));
    } else {
      f.replay.push_back(TimeOnCopy(drawing.host, what + " replay", replay));
      f.op.push_back(TimeOnCopy(drawing.host, what + " op", operation));
    }
  }

  // The heap: the drawing and what the host allocates inside its calls are the host's.
  FakeLabelHost host;
  {
    vjd::bench::HostSide side;
    host = FakeLabelHost(drawing.host);
  }
  host.recording = false;
  host.enter = &vjd::bench::HostSide::Enter;
  host.leave = &vjd::bench::HostSide::Leave;
  const size_t pluginBase = vjd::bench::PluginHeap().live;
  const size_t hostBase = vjd::bench::HostHeap().live;
  vjd::bench::ResetPeaks();
  operation(host);
  f.pluginPeak = vjd::bench::PluginHeap().peak - pluginBase;
  f.hostPeak = vjd::bench::HostHeap().peak - hostBase;
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  std::vector<int> counts;
  for (int a = 2; a < argc; ++a) counts.push_back(std::max(1, std::atoi(argv[a])));
  if (counts.empty()) counts = {1000, 10000, 100000};
  std::printf(
      "apply_bench: in-memory host; the median of %d runs; plug-in KB: its peak heap during the "
      "operation, B/symbol: per symbol changed or laid out\n",
      repetitions);
  vjd::bench::PrintHeading(false);
  for (bool push : {false, true}) {
    std::vector<SizeFigures> sizes;
    for (int count : counts) sizes.push_back(Measure(count, push, repetitions));
    vjd::bench::PrintOperation(push ? "UpdateKindLabels" : "ApplyOptions", sizes, kGoal);
  }
  return 0;
}
