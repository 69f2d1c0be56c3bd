// FindRecord and StoreRecord on configuration files of 100, 1,000 and 10,000 records, beside one
// plain sequential read of the same file - the floor, since a lookup of the last kind must read
// every record before it.  Prints the ratio of each operation to that read at the end.
#include <benchmark/benchmark.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "LabelConfigFile.h"
#include "StdioRecordFileSystem.h"

using namespace vjd::annotation;
namespace fs = std::filesystem;

namespace {

struct Fixture {
  std::string root;
  CString dir;
  std::string path;
};

std::string KindName(int i) {
  return "kind-" + std::to_string(i);
}

// One host folder per size, made once and removed at exit.
const Fixture& FileOf(int records) {
  static std::map<int, Fixture> fixtures;
  auto it = fixtures.find(records);
  if (it != fixtures.end()) return it->second;
  Fixture f;
  f.root = (fs::temp_directory_path() / ("vjd-bench-" + std::to_string(records))).string();
  fs::remove_all(f.root);
  fs::create_directories(f.root);
  f.dir = CString((f.root + "/").c_str());
  mkdir((f.root + "/" + "机电数据库").c_str(), 0777);
  f.path = std::string(StdioRecordFileSystem::NativePath(f.dir + LabelConfigFile::kRelativePath));
  std::FILE* out = std::fopen(f.path.c_str(), "wb");
  for (int i = 0; i < records; ++i) {
    SymbolLabelConfig r;
    MakeDefaultConfig("综保", r);
    SetSymbolName(r, KindName(i).c_str());
    std::fwrite(&r, 1, sizeof r, out);
  }
  std::fclose(out);
  static bool cleanup = (std::atexit([] {
                           for (auto& [n, fx] : fixtures) fs::remove_all(fx.root);
                         }),
                         true);
  (void)cleanup;
  return fixtures.emplace(records, f).first->second;
}

void BM_PlainSequentialRead(benchmark::State& state) {
  const Fixture& f = FileOf(static_cast<int>(state.range(0)));
  std::vector<char> buf(kRecordSize);
  for (auto _ : state) {
    std::FILE* in = std::fopen(f.path.c_str(), "rb");
    std::setvbuf(in, nullptr, _IOFBF, 64 * 1024);
    size_t total = 0, n;
    while ((n = std::fread(buf.data(), 1, kRecordSize, in)) > 0) total += n;
    std::fclose(in);
    benchmark::DoNotOptimize(total);
  }
}

void BM_FindLastRecord(benchmark::State& state) {
  int records = static_cast<int>(state.range(0));
  const Fixture& f = FileOf(records);
  LabelConfigFile file(f.dir);
  std::string last = KindName(records - 1);
  SymbolLabelConfig r;
  for (auto _ : state) {
    if (!file.FindRecord(last.c_str(), r).ok()) state.SkipWithError("not found");
    benchmark::DoNotOptimize(r);
  }
}

void BM_StoreLastRecord(benchmark::State& state) {
  int records = static_cast<int>(state.range(0));
  const Fixture& f = FileOf(records);
  LabelConfigFile file(f.dir);
  SymbolLabelConfig r;
  MakeDefaultConfig("综保", r);
  SetSymbolName(r, KindName(records - 1).c_str());
  for (auto _ : state) {
    if (!file.StoreRecord(r).ok()) state.SkipWithError("store failed");
  }
}

BENCHMARK(BM_PlainSequentialRead)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindLastRecord)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StoreLastRecord)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Keeps every run's time per iteration so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> times;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      // With repetitions the mean stands for the run; otherwise the single run does.
      if (run.run_type == Run::RT_Iteration && times.count(run.run_name.str()) == 0) {
        times[run.run_name.str()] = run.GetAdjustedRealTime();
      } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean") {
        times[run.run_name.str()] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nRatio to one plain sequential read of the same file (target: at most 2.0):\n");
  for (const char* records : {"100", "1000", "10000"}) {
    std::string suffix = std::string("/") + records;
    double plain = reporter.times["BM_PlainSequentialRead" + suffix];
    if (plain <= 0) continue;
    std::printf("  %6s records: FindRecord(last) %.2fx   StoreRecord(last) %.2fx\n", records,
                reporter.times["BM_FindLastRecord" + suffix] / plain,
                reporter.times["BM_StoreLastRecord" + suffix] / plain);
  }
  benchmark::Shutdown();
  return 0;
}
