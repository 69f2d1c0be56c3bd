// Times `vjdcfg load` of N kinds into an empty configuration file beside `vjdcfg dump` of the same
// N kinds (the load's input), in-process, for each N given: prints the medians, the ratio of load
// to dump (the median of paired runs) against the goal of 2, the growth over ten times the kinds,
// and the peak heap of each.  Arguments: the number of repetitions (default 3), then the numbers
// of kinds (default 1000 10000 100000).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "BenchFigures.h"
#include "FileAccess.h"
#include "HeapCount.h"
#include "LabelConfigFile.h"
#include "UniqueTempDir.h"
#include "Vjdcfg.h"

namespace {

using namespace vjd::annotation;
using vjd::bench::Median;
using vjd::bench::PairedRatio;

constexpr double kGoal = 2.0;
constexpr int kSlotsPerKind = 4;
const char* const kTexts[] = {"设备名称", "额定电压", "开关编号", "电缆长度"};

// A configuration file of `count` kinds as the window stores them, four labels each.
std::string ConfigurationOf(int count) {
  std::vector<SymbolLabelConfig> records(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) {
    SymbolLabelConfig& r = records[static_cast<std::size_t>(k)];
    InitRecord(r);
    SetSymbolName(r, ("高压开关" + std::to_string(k)).c_str());
    r.nLabelCount = kSlotsPerKind;
    for (int i = 0; i < kSlotsPerKind; ++i) {
      SetSlotText(r, i, kTexts[i]);
      r.bVisible[i] = 1;
      r.nPosition[i] = (k + i) % kLabelPositionCount;
      r.dHeight[i] = 0.003 + 0.0001 * i;
      r.dAngle[i] = k % 90;
      r.clrFore[i] = k * 37;
    }
  }
  std::string bytes;
  StoreRecordsInto(bytes, records);
  return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::FILE* f = vjdcfg::OpenPath(path, "wb");
  if (f == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
    std::fprintf(stderr, "vjdcfg_bench: cannot write %s\n", path.c_str());
    std::exit(1);
  }
  std::fclose(f);
}

// One run of the tool, in seconds, with the peak of its heap above what was live before.
double TimeRun(const std::vector<std::string>& args, std::string& out, std::size_t& peak) {
  std::istringstream in;
  std::ostringstream output, err;
  const std::size_t base = vjd::bench::PluginHeap().live;
  vjd::bench::ResetPeaks();
  const auto start = std::chrono::steady_clock::now();
  const int status = vjdcfg::Run(args, in, output, err);
  const auto stop = std::chrono::steady_clock::now();
  peak = vjd::bench::PluginHeap().peak - base;
  if (status != 0) {
    std::fprintf(stderr, "vjdcfg_bench: vjdcfg %s failed: %s", args[0].c_str(), err.str().c_str());
    std::exit(1);
  }
  out = output.str();
  return std::chrono::duration<double>(stop - start).count();
}

struct Figures {
  int kinds = 0;
  std::vector<double> load, dump;
  std::size_t load_peak = 0, dump_peak = 0;
};

Figures Measure(const std::filesystem::path& dir, int kinds, int repetitions) {
  const std::string file = (dir / "configuration.cfg").string();
  const std::string json = (dir / "dump.json").string();
  const std::string copy = (dir / "copy.cfg").string();
  const std::string bytes = ConfigurationOf(kinds);
  WriteFile(file, bytes);
  Figures f;
  f.kinds = kinds;
  std::string out;
  std::size_t peak = 0;
  auto dump = [&] {
    f.dump.push_back(TimeRun({"dump", file}, out, peak));
    f.dump_peak = std::max(f.dump_peak, peak);
    WriteFile(json, out);
  };
  auto load = [&] {
    std::filesystem::remove(copy);
    f.load.push_back(TimeRun({"load", copy, json}, out, peak));
    f.load_peak = std::max(f.load_peak, peak);
  };
  dump();  // the load's input, and a warm-up
  f.dump.clear();
  // Taking turns, each going first every other time, so both meet the same load of the machine.
  for (int r = 0; r < repetitions; ++r) {
    if (r % 2 == 0) {
      load();
      dump();
    } else {
      dump();
      load();
    }
  }
  std::string copied;
  std::string error;
  std::FILE* c = vjdcfg::OpenPath(copy, "rb");
  if (c == nullptr || !vjdcfg::ReadAll(c, bytes.size() + 1, copy, copied, error) ||
      copied != bytes) {
    std::fprintf(stderr, "vjdcfg_bench: the loaded file differs from the dumped one\n");
    std::exit(1);
  }
  std::fclose(c);
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  std::vector<int> counts;
  for (int a = 2; a < argc; ++a) counts.push_back(std::max(1, std::atoi(argv[a])));
  if (counts.empty()) counts = {1000, 10000, 100000};
  const std::filesystem::path dir = MakeUniqueTempDir("vjdcfg-bench-");
  std::printf(
      "vjdcfg_bench: load of N kinds (%d labels each) into an empty file beside their dump;"
      " the median of %d runs\n",
      kSlotsPerKind, repetitions);
  std::printf("%8s %9s %9s %9s %5s %14s %14s\n", "kinds", "load s", "dump s", "load/dump", "goal",
              "load peak MB", "dump peak MB");
  std::vector<Figures> sizes;
  for (int kinds : counts) {
    const Figures f = Measure(dir, kinds, repetitions);
    std::printf("%8d %9.3f %9.3f %9.2f %5.1f %14.1f %14.1f\n", f.kinds, Median(f.load),
                Median(f.dump), PairedRatio(f.load, f.dump), kGoal, f.load_peak / 1048576.0,
                f.dump_peak / 1048576.0);
    std::fflush(stdout);
    sizes.push_back(f);
  }
  bool linear = true;
  for (std::size_t k = 1; k < sizes.size(); ++k) {
    const double times = static_cast<double>(sizes[k].kinds) / sizes[k - 1].kinds;
    const double load = Median(sizes[k].load) / Median(sizes[k - 1].load);
    const double dump = Median(sizes[k].dump) / Median(sizes[k - 1].dump);
    // Linear: no more than 1.25 times the kinds' own growth, or than the dump's growth.
    const bool ok = load <= 1.25 * times || load <= 1.2 * dump;
    linear = linear && ok;
    std::printf("growth %d -> %d kinds (%.0fx): load %.1fx, dump %.1fx: %s\n", sizes[k - 1].kinds,
                sizes[k].kinds, times, load, dump, ok ? "linear" : "NOT LINEAR");
  }
  const double ratio = PairedRatio(sizes.back().load, sizes.back().dump);
  std::printf("at %d kinds: load/dump %.2f against the goal %.1f: %s; growth %s\n",
              sizes.back().kinds, ratio, kGoal, ratio <= kGoal ? "met" : "MISSED",
              linear ? "linear" : "NOT LINEAR");
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  return 0;
}
