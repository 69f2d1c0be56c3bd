// Times the configuration window over large inputs: a symbol library of N symbols, a catalogue
// of N lines and a configuration file of 2N records, for N = 500, 5,000 and 50,000.
//
//   open                the window created, shown and painted: catalogue read, both lists
//                       filled, the first symbol's grid and preview loaded;
//   switch              another symbol chosen, nothing edited: its record looked up, grid and
//                       preview loaded, the whole window repainted;
//   switch after edit   another symbol chosen after a click on the grid: the shown symbol's
//                       record stored, then the new one looked up.
//
// Each beside its floor, what a user's machine cannot avoid: template 3000 created by a dialog
// procedure with no logic of ours, its lists filled with the same items and its list view with
// the same rows, shown and painted the same way (a symbol change replaces the rows and repaints
// the whole window), plus the reads of the files done plainly (the catalogue read once, the
// configuration file read record by record up to the records the operation must reach).  The
// records of the library's symbols stand behind N records of other kinds, so every lookup
// crosses at least half the file.  Each operation counts with its median run (every switch is
// timed on its own; the rounds of the inputs take turns, and in each round the two windows take
// turns at going first, after the restored configuration file is on the disk), so that moments
// when the shared machine is busy do not count.  Prints each operation with its painting, the ratio
// to the floor against the goal (1.2), the growth over each ten times larger input and what it
// added beside what it added to the floor.  Windows builds: run under Wine; the arguments are the
// number of rounds (default 5), then the sizes N (default 500 5000 50000).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "DlgParaSet.h"
#include "DlgParaSetIds.h"
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
constexpr int kOpenings = 4;   // windows opened in a round
constexpr double kGoal = 1.2;  // ours against the floor

struct Inputs {
  int n = 0;
  std::string dir;  // the host directory, ending with a backslash
  std::string catalogue, config;
  std::string library;  // the kernel's symbol library, as text
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
  in.library = library;

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

// The kernel given the symbol library of `in` (outside any timing).
bool UseLibrary(const Inputs& in) {
  QkSetupReset();
  char error[256] = "";
  if (!QkSetupLoadSymbolText(in.library.c_str(), error, sizeof error)) {
    std::fprintf(stderr, "symbol library: %s\n", error);
    return false;
  }
  return true;
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
    dlg->SetMap(&hostMap);
    dlg->SetHostDirectory(in.dir.c_str());
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

// ---- The floor's window ---------------------------------------------------------------------

// Everything the bare window shows, made before any timing: the grid's headings and a record's
// rows as the grid shows them, the category list and the first category's symbols.
struct BareContents {
  std::vector<std::string> headings;
  std::vector<std::vector<std::string>> rows;  // every symbol's record has the same rows
  std::vector<std::string> categories, symbols;
};

BareContents MakeBareContents(int n) {
  BareContents c;
  for (int col = 0; col < ann::kLabelColumnCount; ++col)
    c.headings.push_back(ann::LabelColumnHeading(col));
  ann::SymbolLabelConfig record;
  ann::InitRecord(record);
  record.nLabelCount = 3;
  for (int s = 0; s < 3; ++s) {
    ann::SetSlotText(record, s, ("标注" + std::to_string(s)).c_str());
    record.bVisible[s] = 1;
    record.nPosition[s] = 1 + s;
    std::vector<std::string> row;
    for (int col = 0; col < ann::kLabelColumnCount; ++col)
      row.push_back(std::string(ann::SlotColumnText(record, s, col)));
    c.rows.push_back(row);
  }
  c.categories.push_back("全部符号");
  for (int k = 0; k * kLinesPerCategory < n - 1; ++k)
    c.categories.push_back("分类" + std::to_string(k));
  for (int i = 0; i < kLinesPerCategory - 1 && i < n; ++i) c.symbols.push_back(SymbolName(i));
  return c;
}

// The grid's column widths, as the window sets them.
constexpr int kColumnWidths[ann::kLabelColumnCount] = {40, 65, 65, 65, 60, 60, 100, 40, 55, 55};

INT_PTR CALLBACK BareDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// Template 3000 behind a dialog procedure that does nothing: the controls' own work only.
struct BareWindow {
  const BareContents* c = nullptr;
  HWND dlg = nullptr;

  bool Open(const BareContents& contents, double& paintUs) {
    c = &contents;
    dlg = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PARASET), nullptr,
                               BareDialogProc, 0);
    if (!dlg) return false;
    HWND list = ::GetDlgItem(dlg, IDC_GRID);
    for (int col = 0; col < static_cast<int>(c->headings.size()); ++col) {
      LVCOLUMNA column = {};
      column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
      column.pszText = const_cast<char*>(c->headings[col].c_str());
      column.cx = kColumnWidths[col];
      column.iSubItem = col;
      ::SendMessageA(list, LVM_INSERTCOLUMNA, col, reinterpret_cast<LPARAM>(&column));
    }
    HWND categories = ::GetDlgItem(dlg, IDC_CB_CATEGORY);
    for (const std::string& text : c->categories)
      ::SendMessageA(categories, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    ::SendMessageA(categories, CB_SETCURSEL, 0, 0);
    HWND symbols = ::GetDlgItem(dlg, IDC_CB_SYMBOL);
    for (const std::string& text : c->symbols)
      ::SendMessageA(symbols, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    ::SendMessageA(symbols, CB_SETCURSEL, 0, 0);
    FillRows(0);
    const auto start = Clock::now();
    ::ShowWindow(dlg, SW_SHOW);
    ::UpdateWindow(dlg);
    Pump();
    paintUs += MicrosSince(start);
    return true;
  }
  void FillRows(int item) {
    HWND list = ::GetDlgItem(dlg, IDC_GRID);
    ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (int r = 0; r < static_cast<int>(c->rows.size()); ++r) {
      LVITEMA cell = {};
      cell.mask = LVIF_TEXT;
      cell.iItem = r;
      cell.pszText = const_cast<char*>(c->rows[r][0].c_str());
      ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&cell));
      for (int col = 1; col < static_cast<int>(c->rows[r].size()); ++col) {
        cell.iSubItem = col;
        cell.pszText = const_cast<char*>(c->rows[r][col].c_str());
        ::SendMessageA(list, LVM_SETITEMTEXTA, r, reinterpret_cast<LPARAM>(&cell));
      }
    }
    const std::string caption = c->symbols[item] + " 的标注:";
    ::SetDlgItemTextA(dlg, IDC_GRID_BUTTONBAR, caption.c_str());
  }
  // The symbol list's new choice shown: the rows replaced and the whole window repainted.
  void Choose(int item, double& paintUs) {
    ::SendMessageA(::GetDlgItem(dlg, IDC_CB_SYMBOL), CB_SETCURSEL, item, 0);
    FillRows(item);
    ::RedrawWindow(dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    const auto start = Clock::now();
    ::UpdateWindow(dlg);
    Pump();
    paintUs += MicrosSince(start);
  }
  void Close() {
    if (dlg) ::DestroyWindow(dlg);
    dlg = nullptr;
    Pump();
  }
};

// One run of an operation: the work and the painting after it.
struct Sample {
  double work = 0, paint = 0;
  double Total() const { return work + paint; }
};

double Median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// The median run of a list of samples (by their total), with its painting.
Sample MedianOf(const std::vector<Sample>& samples) {
  std::vector<Sample> sorted = samples;
  std::sort(sorted.begin(), sorted.end(),
            [](const Sample& a, const Sample& b) { return a.Total() < b.Total(); });
  return sorted.empty() ? Sample{} : sorted[sorted.size() / 2];
}

// Every run of one operation: our window's, the bare window's and the plain reads'.  What
// counts is the median of each (every opening and every switch timed on its own), so that a
// moment when the shared machine was busy does not count.
struct Cost {
  std::vector<Sample> ours, bare;
  std::vector<double> reads;
  double Ours() const { return MedianOf(ours).Total(); }
  double Floor() const { return MedianOf(bare).Total() + Median(reads); }
  // The same from the best runs: the least the machine's load left in each.
  double BestRatio() const {
    auto best = [](const std::vector<Sample>& samples) {
      double least = 1e300;
      for (const Sample& sample : samples) least = std::min(least, sample.Total());
      return least;
    };
    return best(ours) / (best(bare) + *std::min_element(reads.begin(), reads.end()));
  }
};
struct Times {
  Cost open, sw, swEdit;  // switches: one switch
};

void Keep(std::vector<Sample>& samples, double work, double paint) {
  samples.push_back({work, paint});
}

// The configuration file as it was before any round changed it, and on the disk: the copy's
// writing back must not fall into the timings that follow it.
void RestorePristine(const Inputs& in) {
  ::CopyFileA((in.config + ".orig").c_str(), in.config.c_str(), FALSE);
  HANDLE file = ::CreateFileA(in.config.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  ::FlushFileBuffers(file);
  ::CloseHandle(file);
}

// Our window's openings and switches in one round.
bool MeasureOurs(const Inputs& in, Times& t) {
  double paint = 0;
  auto start = Clock::now();
  for (int k = 1; k < kOpenings; ++k) {  // openings and closings; the last window stays
    Window w;
    paint = 0;
    start = Clock::now();
    if (!w.Open(in, paint)) return false;
    Keep(t.open.ours, MicrosSince(start) - paint, paint);
    w.Close();
  }
  Window w;
  paint = 0;
  start = Clock::now();
  if (!w.Open(in, paint)) return false;
  Keep(t.open.ours, MicrosSince(start) - paint, paint);

  // Symbol k of the first category is record N + k: its lookup reads N + k + 1 records.
  for (int k = 1; k <= kSwitches; ++k) {
    paint = 0;
    start = Clock::now();
    w.Choose(k, paint);
    Keep(t.sw.ours, MicrosSince(start) - paint, paint);
  }
  // Each store reaches the shown symbol's record, then the lookup the next one.
  for (int k = kSwitches - 1; k >= 0; --k) {
    paint = 0;
    start = Clock::now();
    w.ClickRow(0);
    w.Choose(k, paint);
    Keep(t.swEdit.ours, MicrosSince(start) - paint, paint);
  }
  w.Close();
  return true;
}

// The bare window: the same opening, then the same switches (an edit changes nothing of it).
bool MeasureBare(const BareContents& contents, Times& t) {
  double paint = 0;
  auto start = Clock::now();
  for (int k = 1; k < kOpenings; ++k) {
    BareWindow b;
    paint = 0;
    start = Clock::now();
    if (!b.Open(contents, paint)) return false;
    Keep(t.open.bare, MicrosSince(start) - paint, paint);
    b.Close();
  }
  BareWindow b;
  paint = 0;
  start = Clock::now();
  if (!b.Open(contents, paint)) return false;
  Keep(t.open.bare, MicrosSince(start) - paint, paint);
  for (int k = 1; k <= kSwitches; ++k) {
    paint = 0;
    start = Clock::now();
    b.Choose(k, paint);
    const double work = MicrosSince(start) - paint;
    Keep(t.sw.bare, work, paint);
    Keep(t.swEdit.bare, work, paint);
  }
  b.Close();
  return true;
}

// One round of every operation, each switch timed on its own, our window and the bare one
// taking turns at going first (`round` even: ours); the runs are kept in `t`.  The
// configuration file is restored from its pristine copy first.
bool MeasureRound(const Inputs& in, const BareContents& contents, int round, Times& t) {
  const long n = in.n;
  RestorePristine(in);
  if (round % 2 == 0) {
    if (!MeasureOurs(in, t) || !MeasureBare(contents, t)) return false;
  } else {
    if (!MeasureBare(contents, t) || !MeasureOurs(in, t)) return false;
  }

  auto start = Clock::now();
  ReadWhole(in.catalogue);
  ReadRecords(in.config, n + 1);
  t.open.reads.push_back(MicrosSince(start));

  start = Clock::now();
  for (int k = 1; k <= kSwitches; ++k) ReadRecords(in.config, n + k + 1);
  t.sw.reads.push_back(MicrosSince(start) / kSwitches);

  start = Clock::now();
  for (int k = kSwitches - 1; k >= 0; --k) {
    ReadRecords(in.config, n + k + 2);  // the store: up to the shown symbol k + 1
    ReadRecords(in.config, n + k + 1);  // the lookup: up to symbol k
  }
  t.swEdit.reads.push_back(MicrosSince(start) / kSwitches);
  return true;
}

}  // namespace

// This program stands in for the command: the window ends it through here on "退出".
extern "C" void WINAPI MouseStatus(int, int, int) {}

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::vector<int> sizes;
  for (int a = 2; a < argc; ++a) sizes.push_back(std::max(kLinesPerCategory, std::atoi(argv[a])));
  if (sizes.empty()) sizes = {500, 5000, 50000};
  const size_t count = sizes.size();
  std::printf("running %d rounds of each input\n", rounds);
  // The rounds of all inputs take turns, so that all meet the same load of the machine.
  std::vector<Inputs> in(count);
  std::vector<BareContents> contents(count);
  std::vector<Times> t(count);
  for (size_t s = 0; s < count; ++s) {
    if (!Prepare(sizes[s], in[s])) {
      std::fprintf(stderr, "could not prepare N = %d\n", sizes[s]);
      return 1;
    }
    ::CopyFileA(in[s].config.c_str(), (in[s].config + ".orig").c_str(), FALSE);
    contents[s] = MakeBareContents(sizes[s]);
  }
  for (int r = 0; r < rounds; ++r) {
    for (size_t s = 0; s < count; ++s) {
      if (!UseLibrary(in[s]) || !MeasureRound(in[s], contents[s], r, t[s])) {
        std::fprintf(stderr, "could not run with N = %d\n", sizes[s]);
        return 1;
      }
    }
  }
  for (size_t s = 0; s < count; ++s) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(in[s].dir), ignored);
  }

  std::printf(
      "symbols = catalogue lines = N, configuration records = 2N; the median of %d openings "
      "and %d switches, us\n",
      rounds * kOpenings, rounds * kSwitches);
  std::printf(
      "ours: the operation and its painting; floor: the bare window's (its painting) and the "
      "plain reads; best: the ratio of the best runs\n");
  std::printf("%-18s %6s %9s %9s %9s %9s %9s %6s %5s %6s\n", "operation", "N", "ours", "paint",
              "floor", "paint", "reads", "ratio", "goal", "best");
  struct Row {
    const char* name;
    Cost Times::*cost;
  };
  const Row rows[3] = {
      {"open", &Times::open}, {"switch", &Times::sw}, {"switch after edit", &Times::swEdit}};
  bool met = true, linear = true;
  for (const Row& row : rows) {
    for (size_t s = 0; s < count; ++s) {
      const Cost& c = t[s].*row.cost;
      const double ratio = c.Ours() / c.Floor();
      std::printf("%-18s %6d %9.0f %9.0f %9.0f %9.0f %9.0f %6.2f %5.2f %6.2f\n", row.name, sizes[s],
                  c.Ours(), MedianOf(c.ours).paint, c.Floor(), MedianOf(c.bare).paint,
                  Median(c.reads), ratio, kGoal, c.BestRatio());
      if (s + 1 == count) met = met && ratio <= kGoal;
    }
    // What each ten times larger input added, beside what it added to the floor: growth is
    // linear when ours grows no faster than the floor (the floor's reads grow with the input).
    for (size_t s = 1; s < count; ++s) {
      const Cost& a = t[s - 1].*row.cost;
      const Cost& b = t[s].*row.cost;
      const double growth = b.Ours() / a.Ours(), floorGrowth = b.Floor() / a.Floor();
      const bool ok = growth <= 12.5 || growth <= 1.2 * floorGrowth;
      linear = linear && ok;
      std::printf(
          "%-18s growth %d -> %d: %.2fx (floor %.2fx; linear: 10x); added %.0f us, floor added "
          "%.0f us: %s\n",
          row.name, sizes[s - 1], sizes[s], growth, floorGrowth, b.Ours() - a.Ours(),
          b.Floor() - a.Floor(), ok ? "linear" : "NOT LINEAR");
    }
  }
  std::printf("at N = %d: every ratio within the goal %.2f: %s; growth %s\n", sizes.back(), kGoal,
              met ? "met" : "MISSED", linear ? "linear" : "NOT LINEAR");
  return 0;
}
