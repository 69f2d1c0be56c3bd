// Times Apply and the kind push through the plug-in's label host against the stand-ins (the
// object model's map over COM dispatch, the kernel, VellJDBase) over drawings of 1,000, 10,000
// and 100,000 device symbols, each beside a replay of the host calls that run made; prints the
// medians, the ratios against the goal (1.1), the growth over ten times the symbols, and the
// plug-in's peak heap during the operation.  Windows builds (64- and 32-bit): run under Wine.
// Arguments: the number of repetitions (default 5), then the drawing sizes.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ApplyOptions.h"
#include "BenchFigures.h"
#include "CallLog.h"
#include "FakeKindWindow.h"
#include "FakeLabelHost.h"
#include "HeapCount.h"
#include "HostLabelAccess_win.h"
#include "HostSideDispatch.h"
#include "KernelSetup.h"
#include "KindLabelUpdate.h"
#include "PoMap.h"
#include "quarnkernel.h"

namespace {

using vjd::annotation::CHostLabelAccess;
using vjd::bench::SizeFigures;
using vjd::testing::FakeLabelHost;

constexpr double kGoal = 1.1;

struct HostDrawing {
  om::PoMap* map = nullptr;
  VjdHostMap hostMap{};
  std::vector<int> handles, ids;
};

void Label(int h, int j, const std::string& text) {
  EntityParam(h, ATTR_LABEL_TEXT_SET, const_cast<char*>(text.c_str()), j);
}

// Motors, cables, short-circuit points and switches in turn, with their device data.
// The drawing is the host's: what it allocates here counts as the host's heap.
HostDrawing Build(int count) {
  vjd::bench::HostSide host;
  QkSetupReset();
  HostDrawing d;
  d.map = om::PoMap::Create();
  d.hostMap = {nullptr, d.map};
  om::Drawing& data = d.map->GetDrawing();
  for (int i = 0; i < count; ++i) {
    std::string n = std::to_string(i);
    int id = 1000 + i, h = 0, labels = 0;
    switch (i % 4) {
      case 0:
        h = QkSetupCreateEntity(QK_KIND_DEVICE_SYMBOL, ("M" + n).c_str(), "电动机");
        labels = 3;
        EntityParam(h, ATTR_LABEL_COUNT_SET, &labels, 0);
        Label(h, 0, "M" + n), Label(h, 1, "AB"), Label(h, 2, "55KW");
        data.deviceData[id] = {{164, {"", "Y2-" + n}}};
        break;
      case 1:
        h = QkSetupCreateEntity(QK_KIND_DEVICE_SYMBOL_ALT, ("C" + n).c_str(), "电缆");
        labels = 2;
        EntityParam(h, ATTR_LABEL_COUNT_SET, &labels, 0);
        Label(h, 0, "C" + n + "(200 m)"), Label(h, 1, "MYP-0.66/1.14");
        data.deviceData[id] = {{155, {"200", "", "", "", "", "", "", i % 8 == 1 ? "2" : "1"}},
                               {167, {"1", "MYP-0.66/1.14", "", "", "3×50"}}};
        break;
      case 2:
        h = QkSetupCreateEntity(QK_KIND_DEVICE_SYMBOL, ("d" + n).c_str(), "短路点");
        labels = 1;
        EntityParam(h, ATTR_LABEL_COUNT_SET, &labels, 0);
        Label(h, 0, "Id");
        data.deviceData[id] = {{161, {"", "980"}}};
        break;
      default:
        h = QkSetupCreateEntity(QK_KIND_DEVICE_SYMBOL, ("K" + n).c_str(), "馈电开关");
        labels = 2;
        EntityParam(h, ATTR_LABEL_COUNT_SET, &labels, 0);
        Label(h, 0, "K" + n), Label(h, 1, "KBZ-400");
        break;
    }
    data.AddEntity(id, h);
    d.handles.push_back(h);
    d.ids.push_back(id);
  }
  return d;
}

// The operation through `host`; returns the symbols it changed (Apply) or 0 (the push).
size_t Run(bool push, vjd::annotation::ILabelHost& host, const HostDrawing& d) {
  const int count = static_cast<int>(d.handles.size());
  if (push) {
    vjd::testing::FakeKindWindow window;  // "馈电开关" chosen, two rows, nothing to store
    window.rows = 2;
    vjd::annotation::UpdateKindLabels(window, host, count, d.handles.data(), d.ids.data());
    return 0;
  }
  vjd::annotation::DisplayOptions options;
  options.bConfigMotor = options.bConfigCable = options.bConfigShort = 1;
  options.bShowMotorModel = options.bShowCableLabel = options.bOneLine = 1;
  vjd::annotation::OptionSnapshot snapshot;
  return vjd::annotation::ApplyOptions(host, options, snapshot, d.handles.data(), d.ids.data(),
                                       count)
      .size();
}

// The CPU time this thread has used, in microseconds (under Wine in steps of 10 ms): unlike
// the wall-clock time it leaves out the moments the shared machine gives to other programs, and
// the work of the Wine server for this program.
double ThreadCpuMicros() {
  FILETIME created, exited, kernel, user;
  if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0.0;
  auto micros = [](const FILETIME& t) {
    return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10.0;
  };
  return micros(kernel) + micros(user);
}

// One run of `run` on a freshly built drawing (the building not timed): its wall-clock and CPU
// times in microseconds.
void TimeOnFresh(int count, const std::function<void(const HostDrawing&)>& run,
                 std::vector<double>& wall, std::vector<double>& cpu) {
  HostDrawing d = Build(count);
  const double cpuStart = ThreadCpuMicros();
  const auto start = std::chrono::steady_clock::now();
  run(d);
  const auto stop = std::chrono::steady_clock::now();
  cpu.push_back(ThreadCpuMicros() - cpuStart);
  wall.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
  d.map->Release();
}

SizeFigures Measure(int count, bool push, int repetitions) {
  SizeFigures f;
  f.symbols = count;
  HostDrawing d = Build(count);
  CHostLabelAccess access(&d.hostMap);
  FakeLabelHost recorder(&access);
  f.touched = Run(push, recorder, d);
  const std::vector<FakeLabelHost::Call> calls = std::move(recorder.calls);
  if (push) {
    for (const auto& call : calls) f.touched += call.op == FakeLabelHost::Op::Annotate;
  }
  const int firstHandle = d.handles[0];
  d.map->Release();

  auto timeOperation = [&] {
    TimeOnFresh(
        count,
        [&](const HostDrawing& fresh) {
          CHostLabelAccess host(&fresh.hostMap);
          Run(push, host, fresh);
        },
        f.op, f.opCpu);
  };
  auto timeReplay = [&] {
    TimeOnFresh(
        count,
        [&](const HostDrawing& fresh) {
          CHostLabelAccess host(&fresh.hostMap);
          FakeLabelHost::Replay(calls, host, fresh.handles[0] - firstHandle);
        },
        f.replay, f.replayCpu);
  };
  // Taking turns, so both meet the same load, and each going first every other time.
  for (int r = 0; r < repetitions; ++r) {
    if (r % 2 == 0) {
      timeOperation();
      timeReplay();
    } else {
      timeReplay();
      timeOperation();
    }
  }

  // The heap: the drawing, and what the object model allocates inside the calls it answers (it
  // is linked in here), are the host's; the kernel and VellJDBase keep heaps of their own.
  HostDrawing fresh = Build(count);
  VjdHostMap counted = fresh.hostMap;
  {
    vjd::bench::HostSide host;
    fresh.map->AddRef();
    counted.pDispatch = new vjd::bench::CHostSideDispatch(fresh.map);
  }
  const size_t pluginBase = vjd::bench::PluginHeap().live;
  const size_t hostBase = vjd::bench::HostHeap().live;
  vjd::bench::ResetPeaks();
  {
    CHostLabelAccess host(&counted);
    Run(push, host, fresh);
  }
  f.pluginPeak = vjd::bench::PluginHeap().peak - pluginBase;
  f.hostPeak = vjd::bench::HostHeap().peak - hostBase;
  counted.pDispatch->Release();
  fresh.map->Release();
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  // The configuration file next to the program, so the short-circuit lookups find a folder.
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  dir = dir.substr(0, dir.find_last_of('\\') + 1);
  CreateDirectoryA((dir + "机电数据库").c_str(), nullptr);
  // As in the stand-in host: a log of every call the object model answers would grow with the
  // drawing (it is for the tests).
  om::TheCallLog().SetRecording(false);

  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::vector<int> counts;
  for (int a = 2; a < argc; ++a) counts.push_back(std::max(1, std::atoi(argv[a])));
  if (counts.empty()) counts = {1000, 10000, 100000};
  std::printf(
      "apply_host_bench (%d-bit): through the label host and the stand-ins; the median of %d "
      "runs; plug-in KB: its peak heap during the operation, B/symbol: per symbol changed or "
      "laid out\n",
      static_cast<int>(sizeof(void*) * 8), repetitions);
  vjd::bench::PrintHeading(true);
  for (bool push : {false, true}) {
    std::vector<SizeFigures> sizes;
    for (int count : counts) sizes.push_back(Measure(count, push, repetitions));
    vjd::bench::PrintOperation(push ? "UpdateKindLabels" : "ApplyOptions", sizes, kGoal);
  }
  return 0;
}
