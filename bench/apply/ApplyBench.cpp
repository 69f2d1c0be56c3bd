// Times Apply and the kind push over drawings of 1,000 and 10,000 device symbols, each beside a
// replay of the host calls that run made (the calls the operation cannot avoid, without its
// logic), and prints the ratios and the growth from 1,000 to 10,000.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

#include "ApplyOptions.h"
#include "KindLabelUpdate.h"
#include "MemoryLabelHost.h"
#include "RecordingHost.h"

namespace {

using vjd::annotation::DisplayOptions;
using vjd::annotation::OptionSnapshot;
using vjd::bench::CMemoryLabelHost;
using vjd::bench::CRecordingHost;

DisplayOptions EveryGroup() {
  DisplayOptions options;
  options.bConfigMotor = options.bConfigCable = options.bConfigShort = 1;
  options.bShowMotorModel = options.bShowCableLabel = options.bOneLine = 1;
  return options;
}

// Best of `rounds` runs of `run` on a fresh copy of `drawing`, in microseconds.
double Time(const CMemoryLabelHost& drawing, int rounds,
            const std::function<void(CMemoryLabelHost&)>& run) {
  double best = 1e300;
  for (int r = 0; r < rounds; ++r) {
    CMemoryLabelHost host = drawing;
    auto start = std::chrono::steady_clock::now();
    run(host);
    auto stop = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::micro>(stop - start).count());
  }
  return best;
}

struct Figures {
  double op, replay;
};

Figures Measure(int count, bool push, int rounds) {
  const CMemoryLabelHost drawing = CMemoryLabelHost::Drawing(count);
  auto operation = [&](vjd::annotation::ILabelHost& host) {
    if (push) {
      vjd::bench::CPushWindow window;
      UpdateKindLabels(window, host, count, drawing.handles.data(), drawing.ids.data());
    } else {
      OptionSnapshot snapshot;
      ApplyOptions(host, EveryGroup(), snapshot, drawing.handles.data(), drawing.ids.data(), count);
    }
  };
  CMemoryLabelHost recorded = drawing;
  CRecordingHost recorder(recorded);
  operation(recorder);
  const auto calls = recorder.Calls();
  Figures f;
  f.op = Time(drawing, rounds, [&](CMemoryLabelHost& host) { operation(host); });
  f.replay =
      Time(drawing, rounds, [&](CMemoryLabelHost& host) { CRecordingHost::Replay(calls, host); });
  return f;
}

}  // namespace

int main() {
  const int rounds = 15;
  std::printf("%-18s %8s %12s %12s %7s\n", "operation", "symbols", "time us", "replay us", "ratio");
  for (bool push : {false, true}) {
    const char* name = push ? "UpdateKindLabels" : "ApplyOptions";
    Figures small = Measure(1000, push, rounds);
    Figures large = Measure(10000, push, rounds);
    for (auto [count, f] : {std::pair<int, Figures>{1000, small}, {10000, large}})
      std::printf("%-18s %8d %12.1f %12.1f %7.2f\n", name, count, f.op, f.replay, f.op / f.replay);
    std::printf("%-18s growth 1,000 -> 10,000: %.1fx (linear: 10x)\n", name, large.op / small.op);
  }
  return 0;
}
