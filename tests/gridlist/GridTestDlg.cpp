#include "GridTestDlg.h"

#include "GridTestDlgIds.h"
#include "GridTestKit.h"

namespace {

// The top-level window the test dialogs live in, made once: Wine without a window manager waits
// seconds for every top-level window that goes away, a child dialog goes at once.
HWND TestHost() {
  static HWND host = [] {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = &::DefWindowProcA;
    cls.hInstance = ::GetModuleHandleA(nullptr);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = "GridTestHost";
    ::RegisterClassA(&cls);
    return ::CreateWindowExA(WS_EX_DLGMODALFRAME, cls.lpszClassName, "标注配置",
                             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | WS_CLIPCHILDREN,
                             40, 40, 800, 400, nullptr, nullptr, cls.hInstance, nullptr);
  }();
  return host;
}

}  // namespace

HWND CGridTestDlg::Host() {
  return TestHost();
}

CGridTestDlg::CGridTestDlg(int rows) : m_nRows(rows) {
  Create(IDD_GRIDTEST, CWnd::FromHandle(TestHost()));
  RECT frame = {};  // the host just fits the dialog
  GetWindowRect(&frame);
  ::OffsetRect(&frame, -frame.left, -frame.top);
  ::AdjustWindowRectEx(&frame, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_DLGMODALFRAME);
  ::SetWindowPos(TestHost(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(SW_SHOW);
  ::SetForegroundWindow(TestHost());
  SetFocus();
}

CGridTestDlg::~CGridTestDlg() {
  if (m_hWnd) DestroyWindow();
}

BOOL CGridTestDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_grid.SubclassDlgItem(IDC_GRIDTEST_GRID, this);
  m_grid.InitGrid();
  m_bar.SubclassDlgItem(IDC_GRIDTEST_BAR, this);
  m_bar.SetGrid(&m_grid);
  m_bar.SetWindowText("符号 的标注:");
  struct Column {
    const char* heading;
    int format, width;
  };
  const Column columns[10] = {{"标注", LVCFMT_LEFT, 40},
                              {"标注文本", LVCFMT_CENTER, 65},
                              {"是否显示", LVCFMT_CENTER, 65},
                              {"相对位置", LVCFMT_LEFT, 65},
                              {"高度", LVCFMT_CENTER, 60},
                              {"宽度", LVCFMT_CENTER, 60},
                              {"角度是否随图例", LVCFMT_CENTER, 100},
                              {"角度", LVCFMT_CENTER, 40},
                              {"前景色", LVCFMT_CENTER, 55},
                              {"背景色", LVCFMT_CENTER, 55}};
  for (int i = 0; i < 10; ++i)
    m_grid.InsertColumn(i, columns[i].heading, columns[i].format, columns[i].width);
  m_grid.SetReadOnlyColumnCount(1);
  for (int column : {0, 3, 8, 9}) m_grid.SetColumnReadOnly(column, TRUE);
  for (int column : {3, 8, 9}) m_grid.SetColumnChoice(column, TRUE);
  m_grid.SetColumnEditor(2, EditorComboBox);
  m_grid.SetColumnEditor(6, EditorComboBox);
  CStringArray options;
  for (const char* text : {"", "", "是", "否", "", "", "", "", "是", "否"}) options.Add(text);
  m_grid.SetColumnOptions(options);
  for (int r = 0; r < m_nRows; ++r) {
    m_grid.InsertItem(r, "");
    for (int c = 0; c < 10; ++c) {
      CString text;
      text.Format("%d,%d", r, c);
      m_grid.SetItemText(r, c, text);
    }
  }
  return TRUE;
}

BOOL CGridTestDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* info = reinterpret_cast<NMLVDISPINFOA*>(lParam);
  if (info->hdr.code == LVN_SETDISPINFOA || info->hdr.code == NM_CLICK) {
    const bool disp = info->hdr.code == LVN_SETDISPINFOA;
    GridNote note{info->hdr.code,
                  disp ? info->item.mask : 0U,
                  disp ? info->item.iItem : -1,
                  disp ? info->item.iSubItem : -1,
                  "",
                  disp && info->item.pszText,
                  disp ? info->item.lParam : 0};
    if (note.hasText) note.text.assign(info->item.pszText, info->item.cchTextMax);
    m_notes.push_back(note);
    if (!disp && m_onClick) m_onClick(*reinterpret_cast<const NMITEMACTIVATE*>(lParam));
  }
  return CDialog::OnNotify(wParam, lParam, pResult);
}

std::vector<GridNote> CGridTestDlg::Notes(UINT code, UINT mask) const {
  std::vector<GridNote> found;
  for (const GridNote& note : m_notes)
    if (note.code == code && note.mask == mask) found.push_back(note);
  return found;
}

void GridTest::Open(int rows) {
  dlg.reset();
  ::SetDoubleClickTime(1);  // clicks in a row are single clicks
  dlg = std::make_unique<CGridTestDlg>(rows);
  Pump();
}

POINT GridTest::CellPoint(int row, int column) const {
  RECT cell = {};
  dlg->m_grid.GetCellRect(row, column, &cell);
  return Centre(cell);
}

void GridTest::ClickCell(int row, int column) {
  Click(Grid(), CellPoint(row, column));
  Pump();
}

void GridTest::Press(WORD vk, bool ctrl) {
  PressKey(vk, ctrl);
  Pump();
}
