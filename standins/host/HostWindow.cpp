#include "HostWindow.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>

#include "CallLog.h"
#include "CommandMessages.h"
#include "DrawingFile.h"
#include "KernelSetup.h"
#include "KernelViewExtras.h"
#include "POIntArray.h"
#include "PoMap.h"
#include "Screenshot.h"
#include "quarnkernel.h"

namespace host {
namespace {

constexpr wchar_t kClassName[] = L"VjdHostFrame";
constexpr wchar_t kTitle[] = L"VellJD \x4F9B\x7535\x5236\x56FE";  // 供电制图
constexpr UINT kMsgAutoLaunch = WM_APP + 1;
constexpr UINT_PTR kTimerScreenshot = 1;
constexpr UINT_PTR kTimerExit = 2;

enum MenuId {
  IdOpen = 100,
  IdSave,
  IdSaveAs,
  IdExit,
  IdUndo = 110,
  IdZoomExtents,
  IdPluginCommand = 200,
  IdMapView = 300,
  IdPrompt,
  IdCommandLabel,
  IdCommandLine
};

}  // namespace

std::wstring WideFromGbk(const std::string& gbk) {
  if (gbk.empty()) return std::wstring();
  int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(std::max(n, 0)), L'\0');
  if (n > 0) MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), &w[0], n);
  return w;
}

std::string GbkFromWide(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  int n = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string s(static_cast<size_t>(std::max(n, 0)), '\0');
  if (n > 0)
    WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), &s[0], n, nullptr,
                        nullptr);
  return s;
}

std::wstring ProgramDirectory() {
  wchar_t path[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  std::wstring p = path;
  size_t slash = p.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : p.substr(0, slash + 1);
}

HostWindow::HostWindow(const HostOptions& options, HostLog& log)
    : m_options(options), m_log(log), m_pMap(om::PoMap::Create()), m_drawing(m_pMap) {
  // The host reports the map calls it acts on to its event log; the object model's own records
  // of every call (kept for the tests) would grow all session long.
  om::TheCallLog().SetRecording(false);
  m_pMap->GetDrawing().onMapCall = [this](const std::string& line) { OnMapCall(line); };
}

HostWindow::~HostWindow() {
  m_view.reset();
  if (m_hWnd) DestroyWindow(m_hWnd);
  m_pMap->GetDrawing().onMapCall = nullptr;
  m_pMap->Release();
  if (m_font) DeleteObject(m_font);
}

bool HostWindow::Create(int show) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc = {};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  RegisterClassW(&wc);
  m_hWnd = CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 1100,
                           760, nullptr, nullptr, instance, this);
  if (!m_hWnd) return false;

  m_font = CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"\x5B8B\x4F53");
  m_view = std::make_unique<MapView>(m_drawing, m_pMap->GetDrawing(), *this);
  m_view->Create(m_hWnd, IdMapView);
  m_hostMap = VjdHostMap{m_view->Hwnd(), m_pMap};
  m_hPrompt =
      CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_SUNKEN, 0,
                      0, 10, 10, m_hWnd, reinterpret_cast<HMENU>(IdPrompt), instance, nullptr);
  m_hCommandLabel = CreateWindowExW(0, L"STATIC", L"\x547D\x4EE4:", WS_CHILD | WS_VISIBLE,  // 命令:
                                    0, 0, 10, 10, m_hWnd, reinterpret_cast<HMENU>(IdCommandLabel),
                                    instance, nullptr);
  m_hCommandLine = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | WS_TABSTOP, 0, 0, 10,
      10, m_hWnd, reinterpret_cast<HMENU>(IdCommandLine), instance, nullptr);
  for (HWND h : {m_hPrompt, m_hCommandLabel, m_hCommandLine})
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
  SetWindowLongPtrW(m_hCommandLine, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  m_editProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(m_hCommandLine, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CommandLineProc)));

  std::wstring dir = ProgramDirectory();
  std::string symbols = GbkFromWide(dir + L"\x7B26\x53F7\x5E93\\EdaSymbol.sym");  // 符号库
  char why[256] = {};
  if (!QkLoadSymbolLibrary(symbols.c_str(), why, sizeof why)) ShowError(why);

  std::wstring pluginPath =
      m_options.plugin.empty() ? dir + L"VellJDParaSetting.dll" : m_options.plugin;
  std::string error;
  if (m_plugin.Load(pluginPath, error)) {
    m_plugin.AttachPoMap(&m_hostMap);
    m_plugin.SetPoAction(kAction);
    m_plugin.SetPoStatus(kCommandId);
    m_plugin.SetPoUserCmdID(kUserCommandId);
    m_keywords = std::make_unique<CommandKeywords>(m_plugin.TranslateName());
  } else {
    ShowError(error);
  }
  BuildMenu();
  Layout();
  ShowWindow(m_hWnd, show);
  UpdateWindow(m_hWnd);
  if (!m_options.drawing.empty()) OpenDrawing(m_options.drawing);
  UpdateTitle();
  SetFocus(m_hCommandLine);

  if (!m_options.select.empty()) {
    om::Drawing& d = m_pMap->GetDrawing();
    for (int id : m_options.select)
      if (m_drawing.HandleOf(id) &&
          std::find(d.selection.begin(), d.selection.end(), id) == d.selection.end())
        d.selection.push_back(id);
    m_log.Ids("select", d.selection);
    m_view->Repaint();
  }
  m_log.Line("ready", std::to_string(m_drawing.Entities().size()));
  LogEntityPositions();
  RECT line;
  GetWindowRect(m_hCommandLine, &line);
  m_log.Line("command-line", std::to_string((line.left + line.right) / 2) + " " +
                                 std::to_string((line.top + line.bottom) / 2));
  if (m_options.launch)
    PostMessageW(m_hWnd, kMsgAutoLaunch, 0, 0);
  else if (m_options.exitAfter)
    SetTimer(m_hWnd, kTimerExit, 500, nullptr);
  return true;
}

void HostWindow::BuildMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, IdOpen, L"\x6253\x5F00(&O)...\tCtrl+O");  // 打开
  AppendMenuW(file, MF_STRING, IdSave, L"\x4FDD\x5B58(&S)\tCtrl+S");     // 保存
  AppendMenuW(file, MF_STRING, IdSaveAs, L"\x53E6\x5B58\x4E3A(&A)...");  // 另存为
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, IdExit, L"\x9000\x51FA(&X)");                          // 退出
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"\x6587\x4EF6(&F)");  // 文件
  HMENU edit = CreatePopupMenu();
  AppendMenuW(edit, MF_STRING, IdUndo, L"\x64A4\x9500(&U)\tCtrl+Z");                  // 撤销
  AppendMenuW(edit, MF_STRING, IdZoomExtents, L"\x5168\x56FE(&E)\tHome");             // 全图
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"\x7F16\x8F91(&E)");  // 编辑
  if (m_plugin.IsLoaded()) {
    HMENU group = CreatePopupMenu();
    AppendMenuW(group, MF_STRING, IdPluginCommand, WideFromGbk(m_plugin.CommandName()).c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(group),
                WideFromGbk(MenuGroupText(m_plugin.GroupName())).c_str());
  }
  SetMenu(m_hWnd, bar);
}

void HostWindow::Layout() {
  RECT rc;
  GetClientRect(m_hWnd, &rc);
  const int line = 24, label = 48;
  int bottom = rc.bottom;
  MoveWindow(m_hCommandLabel, 4, bottom - line + 4, label - 4, line - 4, TRUE);
  MoveWindow(m_hCommandLine, label, bottom - line, std::max<LONG>(rc.right - label, 10), line,
             TRUE);
  MoveWindow(m_hPrompt, 0, bottom - 2 * line, rc.right, line, TRUE);
  if (m_view) MoveWindow(m_view->Hwnd(), 0, 0, rc.right, std::max(bottom - 2 * line, 10), TRUE);
}

void HostWindow::UpdateTitle() {
  std::wstring title = kTitle;
  if (!m_path.empty()) {
    size_t slash = m_path.find_last_of(L"\\/");
    title += L" - " + (slash == std::wstring::npos ? m_path : m_path.substr(slash + 1));
  }
  if (m_pMap->GetDrawing().bChanged) title += L" *";
  SetWindowTextW(m_hWnd, title.c_str());
}

void HostWindow::ShowError(const std::string& gbk) {
  m_log.Line("error", gbk);
  if (m_hPrompt) SetWindowTextW(m_hPrompt, WideFromGbk(gbk).c_str());
  if (!m_options.batch) MessageBoxW(m_hWnd, WideFromGbk(gbk).c_str(), kTitle, MB_OK | MB_ICONERROR);
}

// Where the plug-in's windows and their controls are on the screen, so a driver from outside can
// click them: "window x y w h title", then "control id x y text" (the control's centre); for a
// list view also "cell id row column x y", the centre of every cell of its first row.
void HostWindow::LogPluginWindows() {
  struct Walk {
    HostWindow* self;
    static BOOL CALLBACK Top(HWND h, LPARAM p) {
      auto* w = reinterpret_cast<Walk*>(p);
      if (h == w->self->m_hWnd || !IsWindowVisible(h)) return TRUE;
      RECT r;
      GetWindowRect(h, &r);
      wchar_t title[256] = {};
      GetWindowTextW(h, title, 256);
      w->self->m_log.Line("window", std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                                        std::to_string(r.right - r.left) + " " +
                                        std::to_string(r.bottom - r.top) + " " +
                                        GbkFromWide(title));
      EnumChildWindows(h, Child, p);
      return TRUE;
    }
    static BOOL CALLBACK Child(HWND h, LPARAM p) {
      auto* w = reinterpret_cast<Walk*>(p);
      RECT r;
      GetWindowRect(h, &r);
      wchar_t text[256] = {};
      GetWindowTextW(h, text, 256);
      w->self->m_log.Line("control", std::to_string(GetDlgCtrlID(h)) + " " +
                                         std::to_string((r.left + r.right) / 2) + " " +
                                         std::to_string((r.top + r.bottom) / 2) + " " +
                                         GbkFromWide(text));
      wchar_t cls[32] = {};
      GetClassNameW(h, cls, 32);
      if (wcscmp(cls, WC_LISTVIEWW) == 0 && SendMessageW(h, LVM_GETITEMCOUNT, 0, 0) > 0) {
        HWND header = reinterpret_cast<HWND>(SendMessageW(h, LVM_GETHEADER, 0, 0));
        const int columns =
            header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
        for (int c = 0; c < columns; ++c) {
          RECT cell = {LVIR_LABEL, c, 0, 0};
          if (!SendMessageW(h, LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&cell))) continue;
          POINT centre = {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
          ClientToScreen(h, &centre);
          w->self->m_log.Line("cell", std::to_string(GetDlgCtrlID(h)) + " 0 " + std::to_string(c) +
                                          " " + std::to_string(centre.x) + " " +
                                          std::to_string(centre.y));
        }
      }
      return TRUE;
    }
  } walk{this};
  EnumThreadWindows(GetCurrentThreadId(), Walk::Top, reinterpret_cast<LPARAM>(&walk));
}

void HostWindow::LogEntityPositions() {
  for (const DrawingEntity& e : m_drawing.Entities()) {
    POINT p;
    if (!m_view->ClientPointOf(e.id, p)) continue;
    ClientToScreen(m_view->Hwnd(), &p);
    m_log.Line("entity", std::to_string(e.id) + " " + std::to_string(p.x) + " " +
                             std::to_string(p.y) + " " + e.name);
  }
}

bool HostWindow::OpenDrawing(const std::wstring& path) {
  if (CommandIsCurrent()) {
    ShowError("a command is running: end it before opening another drawing");
    return false;
  }
  Drawing parsed;
  std::string error;
  if (!DrawingFile::Read(GbkFromWide(path).c_str(), parsed, error) ||
      !m_drawing.Load(parsed, error)) {
    m_view->RebuildAll();
    ShowError(error);
    return false;
  }
  m_path = path;
  m_journal.Clear();
  m_pMap->GetDrawing().bChanged = false;
  m_view->RebuildAll();
  m_view->ZoomExtents();
  UpdateTitle();
  m_log.Line("open", GbkFromWide(path));
  return true;
}

bool HostWindow::SaveDrawing(const std::wstring& path) {
  std::string error;
  if (!DrawingFile::Save(GbkFromWide(path).c_str(), m_drawing.Collect(), error)) {
    ShowError(error);
    return false;
  }
  m_path = path;
  m_pMap->GetDrawing().bChanged = false;
  UpdateTitle();
  m_log.Line("save", GbkFromWide(path));
  return true;
}

bool HostWindow::CommandIsCurrent() const {
  return m_pMap->GetDrawing().nCurrentCommand != 0;
}

bool HostWindow::IsPicking() const {
  const om::Drawing& d = m_pMap->GetDrawing();
  return d.pPickArray != nullptr && !d.bPickEnded;
}

void HostWindow::SendMouseStatus(int code, int p1, int p2) {
  if (!m_plugin.IsLoaded()) return;
  m_log.Line("mouse-status",
             std::to_string(code) + " " + std::to_string(p1) + " " + std::to_string(p2));
  m_plugin.MouseStatus(code, p1, p2);
  LogErasedLookups();
}

void HostWindow::LogErasedLookups() {
  const int lookups = QkSetupErasedLookups(0);
  if (lookups == m_erasedLookups) return;
  m_erasedLookups = lookups;
  m_log.Line("erased-lookups", std::to_string(lookups));
}

int HostWindow::Launch() {
  if (!m_plugin.IsLoaded()) {
    ShowError("no plug-in is loaded");
    return 0;
  }
  int result = m_plugin.LaunchCommand();
  m_log.Line("launch", std::to_string(result));
  if (result) {
    LogPluginWindows();
    AfterLaunch();
  }
  return result;
}

void HostWindow::AfterLaunch() {
  if (!m_options.screenshot.empty() && !m_screenshotDone)
    SetTimer(m_hWnd, kTimerScreenshot, 2000, nullptr);
  else if (m_options.exitAfter)
    SetTimer(m_hWnd, kTimerExit, 500, nullptr);
}

void HostWindow::EndPick() {
  om::Drawing& d = m_pMap->GetDrawing();
  if (d.pPickArray) {
    d.pPickArray->Release();
    d.pPickArray = nullptr;
  }
  SendMouseStatus(vjd::command::kPickEnd, 0, 0);
  LogPluginWindows();
  m_view->Repaint();
}

void HostWindow::OnMapClick(int id, bool control) {
  om::Drawing& d = m_pMap->GetDrawing();
  if (IsPicking()) {
    if (!id) return;
    IDispatch* array = d.pPickArray;
    if (auto* own = dynamic_cast<om::POIntArray*>(array)) own->Append(id);
    m_log.Line("pick", std::to_string(id));
    SendMouseStatus(vjd::command::kPickStep, 0, 0);
    return;
  }
  if (CommandIsCurrent()) return;
  auto it = std::find(d.selection.begin(), d.selection.end(), id);
  if (!id) {
    if (control || d.selection.empty()) return;
    d.selection.clear();
  } else if (it != d.selection.end()) {
    d.selection.erase(it);
  } else {
    d.selection.push_back(id);
  }
  m_log.Ids("select", d.selection);
  m_view->Repaint();
}

void HostWindow::OnMapRightButton() {
  if (IsPicking()) EndPick();
}

void HostWindow::OnMapKey(int key) {
  if (IsPicking() && key == VK_RETURN) {
    EndPick();
  } else if (CommandIsCurrent()) {
    SendMouseStatus(vjd::command::kKey, key, 0);
  } else if (key == VK_HOME) {
    m_view->ZoomExtents();
  } else if (key == VK_ESCAPE && !m_pMap->GetDrawing().selection.empty()) {
    m_pMap->GetDrawing().selection.clear();
    m_log.Ids("select", {});
    m_view->Repaint();
  }
}

void HostWindow::Erase() {
  om::Drawing& d = m_pMap->GetDrawing();
  if (d.selection.empty()) {
    SetWindowTextW(m_hPrompt, L"\x6CA1\x6709\x9009\x4E2D\x7684\x5B9E\x4F53");  // 没有选中的实体
    return;
  }
  HostDrawing::Erased erased = m_drawing.Erase(d.selection);
  std::vector<int> ids, handles;
  for (const HostDrawing::Erased::Item& item : erased.items) {
    ids.push_back(item.entity.id);
    handles.push_back(item.handle);
  }
  m_journal.Clear();  // one level of undo: the erase is the last operation now
  m_erased = std::move(erased);
  m_view->Rebuild(handles);
  d.bChanged = true;
  UpdateTitle();
  m_log.Ids("erase", ids);
}

void HostWindow::Undo() {
  if (!m_erased.empty()) {
    std::vector<int> handles = m_drawing.Restore(m_erased);
    m_erased = HostDrawing::Erased();
    m_view->Rebuild(handles);
    m_pMap->GetDrawing().bChanged = true;
    UpdateTitle();
    m_log.Line("undo-erase", std::to_string(handles.size()));
    return;
  }
  if (!m_journal.CanUndo()) {
    SetWindowTextW(m_hPrompt,
                   L"\x6CA1\x6709\x53EF\x64A4\x9500\x7684\x64CD\x4F5C");  // 没有可撤销的操作
    return;
  }
  std::vector<int> handles = m_journal.Undo();
  m_view->Rebuild(handles);
  m_pMap->GetDrawing().bChanged = true;
  UpdateTitle();
  m_log.Line("undo", std::to_string(handles.size()));
  for (int h : handles) {
    int id = m_drawing.IdOf(h);
    std::vector<DrawingLabel> labels = ReadKernelLabels(h);
    for (size_t i = 0; i < labels.size(); ++i)
      m_log.Line("label", std::to_string(id) + " " + std::to_string(i) + " " + labels[i].text);
  }
}

void HostWindow::RunCommandLine(const std::string& typed) {
  std::string t = typed;
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.pop_back();
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.erase(t.begin());
  if (t.empty()) return;
  if (m_keywords && m_keywords->Matches(t)) {
    Launch();
    return;
  }
  // The host's own commands.
  if (t == "save" || t == "保存") {
    OnCommand(IdSave);
    return;
  }
  if (t == "undo" || t == "u") {
    Undo();
    return;
  }
  if (t == "erase" || t == "删除") {
    Erase();
    return;
  }
  if (t == "zoom" || t == "z") {
    m_view->ZoomExtents();
    return;
  }
  if (t == "quit") {
    PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
    return;
  }
  SetWindowTextW(m_hPrompt, (L"\x672A\x77E5\x547D\x4EE4: " + WideFromGbk(t)).c_str());  // 未知命令
}

// The host's side of every map member the plug-in called.
void HostWindow::OnMapCall(const std::string& line) {
  size_t open = line.find('(');
  std::string member = line.substr(4, open == std::string::npos ? std::string::npos : open - 4);
  om::Drawing& d = m_pMap->GetDrawing();
  if (member == "SetPrompt") {
    SetWindowTextW(m_hPrompt, WideFromGbk(d.strPrompt).c_str());
    m_log.Line("prompt", d.strPrompt);
    d.prompts.clear();  // the prompt line shows the last one only
  } else if (member == "SetCurrentCommand") {
    m_log.Line("command",
               std::to_string(d.nCurrentCommand) + " " + std::to_string(d.nCommandState));
    if (d.nCurrentCommand == 0 && d.pPickArray) {  // the command ended during its pick
      d.pPickArray->Release();
      d.pPickArray = nullptr;
    }
  } else if (member == "Action") {
    m_log.Line("action", std::to_string(d.nAction));
  } else if (member == "BeginPick") {
    m_log.Line("pick-begin", std::to_string(d.pickArgs[0]) + " " + std::to_string(d.pickArgs[1]) +
                                 " " + std::to_string(d.pickArgs[2]));
  } else if (member == "PickEnded") {
    m_log.Line("pick-ended", d.bPickEnded ? "1" : "0");
  } else if (member == "BeginOperation") {
    std::string text = d.operations.empty() ? std::string() : d.operations.back();
    m_journal.Begin(text);
    m_log.Line("begin-operation", text);
  } else if (member == "RecordEntity") {
    if (!d.recorded.empty()) {
      m_erased = HostDrawing::Erased();  // the labels' operation is the last one now
      m_journal.Record(d.recorded.back());
      m_log.Line("record-entity", std::to_string(d.recorded.back()));
    }
  } else if (member == "UpdateEntities") {
    std::vector<int> ids = d.updates.empty() ? std::vector<int>() : d.updates.back();
    std::vector<int> handles;
    for (int id : ids) handles.push_back(m_drawing.HandleOf(id));
    m_view->Rebuild(handles);
    m_log.Ids("update-entities", ids);
    for (int id : ids) {
      std::vector<DrawingLabel> labels = ReadKernelLabels(m_drawing.HandleOf(id));
      for (size_t i = 0; i < labels.size(); ++i)
        m_log.Line("label", std::to_string(id) + " " + std::to_string(i) + " " + labels[i].text);
    }
  } else if (member == "ChangedFlag") {
    UpdateTitle();
    m_log.Line("changed-flag", d.bChanged ? "1" : "0");
  } else if (member == "UpdateView" || member == "Refresh") {
    std::vector<int> now(d.highlighted.begin(), d.highlighted.end());
    if (now != m_lastHighlight) {
      m_log.Ids("highlight", now);
      m_lastHighlight = now;
    }
    m_log.Line(member == "UpdateView" ? "update-view" : "refresh");
    m_view->Repaint();
  }
  LogErasedLookups();
}

bool HostWindow::TranslateShortcut(MSG& msg) {
  if (msg.message != WM_KEYDOWN || !(GetKeyState(VK_CONTROL) & 0x8000)) return false;
  if (GetAncestor(msg.hwnd, GA_ROOT) != m_hWnd) return false;
  switch (msg.wParam) {
    case 'O':
      OnCommand(IdOpen);
      return true;
    case 'S':
      OnCommand(IdSave);
      return true;
    case 'Z':
      OnCommand(IdUndo);
      return true;
    default:
      return false;
  }
}

void HostWindow::OnCommand(int id) {
  auto fileDialog = [&](bool save, std::wstring& out) {
    wchar_t name[MAX_PATH * 2] = {};
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_hWnd;
    ofn.lpstrFilter = L"VellJD drawing (*.vjd)\0*.vjd\0All files\0*.*\0";
    ofn.lpstrFile = name;
    ofn.nMaxFile = MAX_PATH * 2;
    ofn.lpstrDefExt = L"vjd";
    ofn.Flags = save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST;
    BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (ok) out = name;
    return ok != FALSE;
  };
  std::wstring path;
  switch (id) {
    case IdOpen:
      if (fileDialog(false, path)) OpenDrawing(path);
      break;
    case IdSave:
      if (!m_path.empty())
        SaveDrawing(m_path);
      else if (fileDialog(true, path))
        SaveDrawing(path);
      break;
    case IdSaveAs:
      if (fileDialog(true, path)) SaveDrawing(path);
      break;
    case IdExit:
      PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
      break;
    case IdUndo:
      Undo();
      break;
    case IdZoomExtents:
      m_view->ZoomExtents();
      break;
    case IdPluginCommand:
      Launch();
      break;
    default:
      break;
  }
}

LRESULT CALLBACK HostWindow::WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    static_cast<HostWindow*>(cs->lpCreateParams)->m_hWnd = hWnd;
  }
  auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hWnd, msg, wParam, lParam);
  try {
    return self->OnMessage(msg, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

LRESULT CALLBACK HostWindow::CommandLineProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
  try {
    if (msg == WM_KEYDOWN && wParam == VK_RETURN) {
      wchar_t text[512] = {};
      GetWindowTextW(hWnd, text, 512);
      SetWindowTextW(hWnd, L"");
      self->RunCommandLine(GbkFromWide(text));
      return 0;
    }
    if (msg == WM_KEYDOWN && wParam == VK_ESCAPE && self->CommandIsCurrent()) {
      self->SendMouseStatus(vjd::command::kKey, VK_ESCAPE, 0);
      return 0;
    }
    if (msg == WM_CHAR && (wParam == '\r' || wParam == 27)) return 0;  // no beep
  } catch (...) {
    return 0;
  }
  return CallWindowProcW(self->m_editProc, hWnd, msg, wParam, lParam);
}

LRESULT HostWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_COMMAND:
      if (lParam == 0) OnCommand(LOWORD(wParam));
      return 0;
    case kMsgAutoLaunch:
      Launch();
      return 0;
    case WM_TIMER:
      KillTimer(m_hWnd, wParam);
      if (wParam == kTimerScreenshot) {
        m_screenshotDone = true;
        if (Screenshot::CaptureScreen(m_options.screenshot))
          m_log.Line("screenshot", GbkFromWide(m_options.screenshot));
        else
          ShowError("the screenshot could not be written");
        if (m_options.exitAfter) PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
      } else if (wParam == kTimerExit) {
        PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
      }
      return 0;
    case WM_CLOSE:
      if (m_pMap->GetDrawing().bChanged && !m_options.batch && !m_options.exitAfter) {
        int answer = MessageBoxW(m_hWnd,
                                 L"\x56FE\x5F62\x5DF2\x4FEE\x6539\xFF0C\x662F\x5426\x4FDD\x5B58"
                                 L"\xFF1F",  // 图形已修改，是否保存？
                                 kTitle, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL) return 0;
        if (answer == IDYES) OnCommand(IdSave);
      }
      LogErasedLookups();
      m_log.Line("exit");
      DestroyWindow(m_hWnd);
      return 0;
    case WM_DESTROY:
      m_hWnd = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(m_hWnd, msg, wParam, lParam);
  }
}

}  // namespace host
