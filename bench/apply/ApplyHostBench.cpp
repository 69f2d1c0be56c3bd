// Times Apply and the kind push through the plug-in's label host against the stand-ins (the
// object model's map over COM dispatch, the kernel, VellJDBase) over drawings of 1,000 and
// 10,000 device symbols, each beside a replay of the host calls that run made; prints the
// ratios and the growth from 1,000 to 10,000.  Windows builds: run under Wine.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ApplyOptions.h"
#include "HostLabelAccess_win.h"
#include "KernelSetup.h"
#include "KindLabelUpdate.h"
#include "PoMap.h"
#include "RecordingHost.h"
#include "quarnkernel.h"

namespace {

using vjd::annotation::CHostLabelAccess;
using vjd::bench::CRecordingHost;

struct HostDrawing {
  om::PoMap* map = nullptr;
  VjdHostMap hostMap{};
  std::vector<int> handles, ids;
};

void Label(int h, int j, const std::string& text) {
  EntityParam(h, ATTR_LABEL_TEXT_SET, const_cast<char*>(text.c_str()), j);
}

// Motors, cables, short-circuit points and switches in turn, with their device data.
HostDrawing Build(int count) {
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

void Run(bool push, vjd::annotation::ILabelHost& host, const HostDrawing& d) {
  const int count = static_cast<int>(d.handles.size());
  if (push) {
    vjd::bench::CPushWindow window;
    vjd::annotation::UpdateKindLabels(window, host, count, d.handles.data(), d.ids.data());
  } else {
    vjd::annotation::DisplayOptions options;
    options.bConfigMotor = options.bConfigCable = options.bConfigShort = 1;
    options.bShowMotorModel = options.bShowCableLabel = options.bOneLine = 1;
    vjd::annotation::OptionSnapshot snapshot;
    vjd::annotation::ApplyOptions(host, options, snapshot, d.handles.data(), d.ids.data(), count);
  }
}

// Best of `rounds` runs, each on a freshly built drawing, in microseconds.
double Time(int count, int rounds, const std::function<void(const HostDrawing&)>& run) {
  double best = 1e300;
  for (int r = 0; r < rounds; ++r) {
    HostDrawing d = Build(count);
    auto start = std::chrono::steady_clock::now();
    run(d);
    auto stop = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::micro>(stop - start).count());
    d.map->Release();
  }
  return best;
}

}  // namespace

int main() {
  // The configuration file next to the program, so the short-circuit lookups find a folder.
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  dir = dir.substr(0, dir.find_last_of('\\') + 1);
  CreateDirectoryA((dir + "机电数据库").c_str(), nullptr);

  const int rounds = 5;
  std::printf("%-18s %8s %12s %12s %7s\n", "operation", "symbols", "time us", "replay us", "ratio");
  for (bool push : {false, true}) {
    const char* name = push ? "UpdateKindLabels" : "ApplyOptions";
    double op[2], replay[2];
    const int counts[2] = {1000, 10000};
    for (int k = 0; k < 2; ++k) {
      HostDrawing d = Build(counts[k]);
      CHostLabelAccess access(&d.hostMap);
      CRecordingHost recorder(access);
      Run(push, recorder, d);
      const auto calls = recorder.Calls();
      const int firstHandle = d.handles[0];
      d.map->Release();
      op[k] = Time(counts[k], rounds, [&](const HostDrawing& fresh) {
        CHostLabelAccess host(&fresh.hostMap);
        Run(push, host, fresh);
      });
      replay[k] = Time(counts[k], rounds, [&](const HostDrawing& fresh) {
        CHostLabelAccess host(&fresh.hostMap);
        CRecordingHost::Replay(calls, host, fresh.handles[0] - firstHandle);
      });
      std::printf("%-18s %8d %12.1f %12.1f %7.2f\n", name, counts[k], op[k], replay[k],
                  op[k] / replay[k]);
    }
    std::printf("%-18s growth 1,000 -> 10,000: %.1fx (linear: 10x)\n", name, op[1] / op[0]);
  }
  return 0;
}
