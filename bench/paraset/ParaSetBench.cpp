// Times the configuration window over large inputs: a symbol library of N symbols, a catalogue
// of N lines and a configuration file of 2N records, for N = 500 and N = 5,000.
//
//   open                the window created, shown and painted: catalogue read, both lists
//                       filled, the first symbol's grid and preview loaded;
//   switch              another symbol chosen, nothing edited: its record looked up;
//   switch after edit   another symbol chosen after a click on the grid: the shown symbol's
//                       record stored, then the new one looked up.
//
// Each beside its floor, the reads it cannot avoid done plainly: the catalogue file read once
// and the configuration file read record by record up to the records it must reach.  The
// records of the library's symbols stand behind N records of other kinds, so every lookup
// crosses at least half the file.  The painting after each operation is timed apart: it is the
// same whatever the input.  Prints the ratios, the growth from N = 500 to 5,000 (ten times the
// input) and what the larger input added beside what it added to the floor.  Windows builds:
// run under Wine.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "DlgParaSet.h"
#include "HostContract.h"
#include "KernelSetup.h"
#include "PoMap.h"
#include "ResourceScope.h"
#include "SymbolLabelConfig.h"

namespace {

namespace ann = vjd::annotation;
using Clock = std::chrono::steady_clock;

double MicrosSince(Clock::time_point start) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

std::string SymbolName(int i) {
  return "符号" + std::to_string(i);
}

// Categories of 100 lines each: the category line and 99 symbol lines.
constexpr int kLinesPerCategory = 100;
constexpr int kSwitches = 40;  // symbols chosen in turn, all in the first category

struct Inputs {
  int n = 0;
  std::string dir;  // the host directory, ending with a backslash
  std::string catalogue, config;
};

bool WriteFile(const std::string& path, const std::string& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

// The kernel's library, the catalogue and the configuration file for N.
bool Prepare(int n, Inputs& in) {
  in.n = n;
  char temp[MAX_PATH];
  ::GetTempPathA(sizeof temp, temp);
  in.dir = std::string(temp) + "vjd-paraset-bench-" + std::to_string(n) + "\\";
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(in.dir), ignored);
  ::CreateDirectoryA(in.dir.c_str(), nullptr);
  ::CreateDirectoryA((in.dir + "符号库").c_str(), nullptr);
  ::CreateDirectoryA((in.dir + "机电数据库").c_str(), nullptr);
  in.catalogue = in.dir + "符号库\\EdaSymbol.cls";
  in.config = in.dir + "机电数据库\\机电配置.cfg";

  std::string library = "VJD-SYMBOLS 1\n";
  for (int i = 0; i < n; ++i)
    library +=
        "symbol " + SymbolName(i) + "\ncircle 0 0 0." + std::to_string(2 + i % 5) + "\nend\n";
  QkSetupReset();
  char error[256] = "";
  if (!QkSetupLoadSymbolText(library.c_str(), error, sizeof error)) {
    std::fprintf(stderr, "symbol library: %s\n", error);
    return false;
  }

  // N lines: the header, then categories of one category line and 99 symbol lines; the symbols
  // past the last line are the "其它" ones.
  std::string catalogue = "供电辅助制图 符号分类\n";
  int symbol = 0;
  for (int line = 1; line < n; ++line) {
    if ((line - 1) % kLinesPerCategory == 0)
      catalogue += "分类" + std::to_string((line - 1) / kLinesPerCategory) + "\n";
    else
      catalogue += "dot " + std::to_string(symbol++) + "\n";
  }

  // 2N records: N kinds the library does not have, then the library's symbols in index order.
  std::string config;
  config.reserve(2 * static_cast<size_t>(n) * ann::kRecordSize);
  for (int r = 0; r < 2 * n; ++r) {
    ann::SymbolLabelConfig record;
    ann::InitRecord(record);
    const std::string name = r < n ? "旧类" + std::to_string(r) : SymbolName(r - n);
    ann::SetSymbolName(record, name.c_str());
    record.nLabelCount = 3;
    for (int s = 0; s < 3; ++s) {
      ann::SetSlotText(record, s, ("标注" + std::to_string(s)).c_str());
      record.bVisible[s] = 1;
      record.nPosition[s] = 1 + s;
    }
    config.append(reinterpret_cast<const char*>(&record), ann::kRecordSize);
  }
  return WriteFile(in.catalogue, catalogue) && WriteFile(in.config, config);
}

// ---- The floors ---------------------------------------------------------------------------------

void ReadWhole(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return;
  char buf[64 * 1024];
  while (std::fread(buf, 1, sizeof buf, f) > 0) {
  }
  std::fclose(f);
}

// The configuration file opened and read record by record, `records` records, through a buffer
// of 64 KiB (as the file's own reader does: Wine makes every read of the system costly).
void ReadRecords(const std::string& path, long records) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return;
  std::setvbuf(f, nullptr, _IOFBF, 64 * 1024);
  char buf[ann::kRecordSize];
  for (long r = 0; r < records && std::fread(buf, 1, sizeof buf, f) == sizeof buf; ++r) {
  }
  std::fclose(f);
}

// ---- The window -----------------------------------------------------------------------------

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

struct Window {
  om::PoMap* map = nullptr;
  VjdHostMap hostMap{};
  CDlgParaSet* dlg = nullptr;  // deletes itself when its window goes

  // Created (catalogue, lists, first symbol), then shown and painted: the painting's time is
  // added to `paintUs`.
  bool Open(const Inputs& in, double& paintUs) {
    map = om::PoMap::Create();
    map->GetDrawing().dScale = 1.0;
    hostMap = {nullptr, map};
    dlg = new CDlgParaSet;
    dlg->m_pMap = &hostMap;
    dlg->m_strHostDir = in.dir.c_str();
    CResourceScope scope;
    if (!dlg->Create(CDlgParaSet::IDD, nullptr)) return false;
    const auto start = Clock::now();
    dlg->ShowWindow(SW_SHOW);
    dlg->UpdateWindow();
    Pump();
    paintUs += MicrosSince(start);
    return true;
  }
  // The symbol box's change handled; its painting (the same for every input) is added to
  // `paintUs`.
  void Choose(int item, double& paintUs) {
    HWND combo = ::GetDlgItem(dlg->m_hWnd, IDC_CB_SYMBOL);
    ::SendMessageA(combo, CB_SETCURSEL, item, 0);
    ::SendMessageA(dlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_CB_SYMBOL, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    const auto start = Clock::now();
    dlg->UpdateWindow();
    Pump();
    paintUs += MicrosSince(start);
  }
  void ClickRow(int row) {  // what a click on a cell of the grid tells the window
    NMITEMACTIVATE info = {};
    info.hdr.hwndFrom = dlg->m_grid.m_hWnd;
    info.hdr.idFrom = IDC_GRID;
    info.hdr.code = NM_CLICK;
    info.iItem = row;
    info.iSubItem = 1;
    ::SendMessageA(dlg->m_hWnd, WM_NOTIFY, IDC_GRID, reinterpret_cast<LPARAM>(&info));
  }
  void Close() {
    if (dlg && dlg->m_hWnd) ::DestroyWindow(dlg->m_hWnd);
    dlg = nullptr;
    Pump();
    if (map) map->Release();
    map = nullptr;
  }
};

// Each operation without the painting that follows it, the painting, and the floor.
struct Times {
  double open, openPaint, openFloor;
  double sw, swPaint, swFloor;              // per switch
  double swEdit, swEditPaint, swEditFloor;  // per switch after an edit
};

// Best of `rounds` of each operation (the file is restored before every round).
bool Measure(const Inputs& in, int rounds, Times& t) {
  const std::string pristine = in.config + ".orig";
  ::CopyFileA(in.config.c_str(), pristine.c_str(), FALSE);
  const long n = in.n;
  t = {1e300, 1e300, 1e300, 1e300, 1e300, 1e300, 1e300, 1e300, 1e300};
  for (int r = 0; r < rounds; ++r) {
    ::CopyFileA(pristine.c_str(), in.config.c_str(), FALSE);
    Window w;
    double paint = 0;
    auto start = Clock::now();
    if (!w.Open(in, paint)) return false;
    const double open = MicrosSince(start) - paint;
    t.open = std::min(t.open, open);
    t.openPaint = std::min(t.openPaint, paint);

    // Symbol k of the first category is record N + k: its lookup reads N + k + 1 records.
    paint = 0;
    start = Clock::now();
    for (int k = 1; k <= kSwitches; ++k) w.Choose(k, paint);
    t.sw = std::min(t.sw, (MicrosSince(start) - paint) / kSwitches);
    t.swPaint = std::min(t.swPaint, paint / kSwitches);

    // Each store reaches the shown symbol's record, then the lookup the next one.
    paint = 0;
    start = Clock::now();
    for (int k = kSwitches - 1; k >= 0; --k) {
      w.ClickRow(0);
      w.Choose(k, paint);
    }
    t.swEdit = std::min(t.swEdit, (MicrosSince(start) - paint) / kSwitches);
    t.swEditPaint = std::min(t.swEditPaint, paint / kSwitches);
    w.Close();

    start = Clock::now();
    ReadWhole(in.catalogue);
    ReadRecords(in.config, n + 1);
    t.openFloor = std::min(t.openFloor, MicrosSince(start));

    start = Clock::now();
    for (int k = 1; k <= kSwitches; ++k) ReadRecords(in.config, n + k + 1);
    t.swFloor = std::min(t.swFloor, MicrosSince(start) / kSwitches);

    start = Clock::now();
    for (int k = kSwitches - 1; k >= 0; --k) {
      ReadRecords(in.config, n + k + 2);  // the store: up to the shown symbol k + 1
      ReadRecords(in.config, n + k + 1);  // the lookup: up to symbol k
    }
    t.swEditFloor = std::min(t.swEditFloor, MicrosSince(start) / kSwitches);
  }
  ::DeleteFileA(pristine.c_str());
  return true;
}

}  // namespace

// This program stands in for the command: the window ends it through here on "退出".
extern "C" void WINAPI MouseStatus(int, int, int) {}

int main() {
  const int sizes[2] = {500, 5000};
  const int rounds = 3;
  Times t[2];
  for (int s = 0; s < 2; ++s) {
    Inputs in;
    if (!Prepare(sizes[s], in) || !Measure(in, rounds, t[s])) {
      std::fprintf(stderr, "could not run with N = %d\n", sizes[s]);
      return 1;
    }
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(in.dir), ignored);
  }

  std::printf("symbols = catalogue lines = N, configuration records = 2N; best of %d\n", rounds);
  std::printf("time: the operation without painting; paint: the painting after it\n");
  std::printf("%-18s %6s %11s %11s %11s %7s\n", "operation", "N", "time us", "paint us", "floor us",
              "ratio");
  struct Row {
    const char* name;
    double Times::*time;
    double Times::*paint;
    double Times::*floor;
  };
  const Row rows[3] = {
      {"open", &Times::open, &Times::openPaint, &Times::openFloor},
      {"switch", &Times::sw, &Times::swPaint, &Times::swFloor},
      {"switch after edit", &Times::swEdit, &Times::swEditPaint, &Times::swEditFloor}};
  for (const Row& row : rows) {
    for (int s = 0; s < 2; ++s)
      std::printf("%-18s %6d %11.1f %11.1f %11.1f %7.2f\n", row.name, sizes[s], t[s].*row.time,
                  t[s].*row.paint, t[s].*row.floor, t[s].*row.time / t[s].*row.floor);
    // What the nine times larger input added, beside what it added to the floor.
    const double added = t[1].*row.time - t[0].*row.time;
    const double addedFloor = t[1].*row.floor - t[0].*row.floor;
    std::printf(
        "%-18s growth 500 -> 5,000: %.1fx (floor %.1fx; linear: 10x); added %.1f us, "
        "%.2f x the floor's added %.1f us\n",
        row.name, t[1].*row.time / t[0].*row.time, t[1].*row.floor / t[0].*row.floor, added,
        added / addedFloor, addedFloor);
  }
  return 0;
}
