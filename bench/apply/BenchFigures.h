// What apply_bench and apply_host_bench print, in one form: for each operation and drawing size
// the median time of the operation and of the replay of its host calls (wall-clock time, and
// where the program measures it the CPU time of its own thread), their ratio (the median of the
// runs' paired ratios) against the goal,
// the growth over ten times the symbols beside the replay's, and the plug-in's peak heap during
// the operation.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <vector>

namespace vjd::bench {

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const std::size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// The median of op[i] / replay[i]: each operation run beside the replay run that followed it,
// so that a busy spell of the shared machine weighs on both sides of a ratio.
inline double PairedRatio(const std::vector<double>& op, const std::vector<double>& replay) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < op.size() && i < replay.size(); ++i) {
    if (replay[i] > 0) ratios.push_back(op[i] / replay[i]);
  }
  return Median(ratios);
}

// One operation at one drawing size; times in microseconds, one per repetition.
struct SizeFigures {
  int symbols = 0;
  std::vector<double> op, replay;        // wall-clock
  std::vector<double> opCpu, replayCpu;  // CPU time of the thread (empty: not measured)
  std::size_t touched = 0;               // symbols the operation changed or laid out
  std::size_t pluginPeak = 0;            // bytes above what was live when the operation began
  std::size_t hostPeak = 0;              // the same for the host's side, for comparison
};

// Growth over ten times the symbols counts as linear up to 12.5x, or up to 1.2 times the
// replay's own growth where the host's calls themselves grow faster (caches, the host's maps).
inline bool Linear(double growth, double replayGrowth) {
  return growth <= 12.5 || growth <= 1.2 * replayGrowth;
}

inline void PrintHeading(bool cpu) {
  std::printf("%-17s %7s %11s %11s %6s", "operation", "symbols", "median us", "replay us", "ratio");
  if (cpu) std::printf(" %11s %11s %6s", "cpu us", "replay cpu", "ratio");
  std::printf(" %6s  %10s %9s %8s\n", "goal", "plug-in KB", "host KB", "B/symbol");
}

// The rows of one operation, then its growth and the verdict on the goal at the largest size.
inline void PrintOperation(const char* name, const std::vector<SizeFigures>& sizes, double goal) {
  const bool cpu = !sizes.empty() && !sizes[0].opCpu.empty();
  for (const SizeFigures& f : sizes) {
    const double op = Median(f.op), replay = Median(f.replay);
    std::printf("%-17s %7d %11.1f %11.1f %6.2f", name, f.symbols, op, replay,
                PairedRatio(f.op, f.replay));
    if (cpu) {
      std::printf(" %11.0f %11.0f %6.2f", Median(f.opCpu), Median(f.replayCpu),
                  PairedRatio(f.opCpu, f.replayCpu));
    }
    const double perSymbol = f.touched ? static_cast<double>(f.pluginPeak) / f.touched : 0.0;
    std::printf(" %6.2f  %10.1f %9.1f %8.1f\n", goal, f.pluginPeak / 1024.0, f.hostPeak / 1024.0,
                perSymbol);
  }
  bool linear = true;
  auto growth = [&](const char* what, const std::vector<double> SizeFigures::*op,
                    const std::vector<double> SizeFigures::*replay) {
    for (std::size_t k = 1; k < sizes.size(); ++k) {
      const double g = Median(sizes[k].*op) / Median(sizes[k - 1].*op);
      const double r = Median(sizes[k].*replay) / Median(sizes[k - 1].*replay);
      const bool ok = Linear(g, r);
      linear = linear && ok;
      std::printf("%-17s growth%s %d -> %d: %.1fx (replay %.1fx; linear: 10x) %s\n", name, what,
                  sizes[k - 1].symbols, sizes[k].symbols, g, r, ok ? "linear" : "NOT LINEAR");
    }
  };
  growth("", &SizeFigures::op, &SizeFigures::replay);
  if (cpu) growth(" (cpu)", &SizeFigures::opCpu, &SizeFigures::replayCpu);
  const SizeFigures& last = sizes.back();
  const double ratio = PairedRatio(last.op, last.replay);
  std::printf("%-17s at %d: ratio %.2f", name, last.symbols, ratio);
  bool met = ratio <= goal;
  if (cpu) {
    const double ratioCpu = PairedRatio(last.opCpu, last.replayCpu);
    std::printf(", cpu %.2f", ratioCpu);
    met = met && ratioCpu <= goal;
  }
  std::printf(" against the goal %.2f: %s; growth %s\n", goal, met ? "met" : "MISSED",
              linear ? "linear" : "NOT LINEAR");
}

}  // namespace vjd::bench
