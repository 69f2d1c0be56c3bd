#include "ParaSetHarness.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "GridNotify.h"
#include "KernelSetup.h"
#include "ResourceScope.h"
#include "SignRelaPosDlg.h"
#include "TestSeams.h"

namespace {

// Symbols 0 to 4, one a line.  "电动机", "馈电开关", "短路点" have built-in defaults, "方块" has
// none.
const char kLibrary[] =
    "VJD-SYMBOLS 1\n"
    "symbol 电动机\ncircle 0 0 0.004\nend\n"
    "symbol 短路点\nline -0.002 0 0.002 0\nend\n"
    "symbol 方块\npoly -0.003 -0.002 0.003 -0.002 0.003 0.002 -0.003 0.002\nend\n"
    "symbol 馈电开关\npoly -0.003 -0.004 0.003 -0.004 0.003 0.004 -0.003 0.004\nend\n"
    "symbol 照明\ncircle 0 0 0.002\nend\n";

// One category a line, with the symbols it lists.
const char kCatalogue[] =
    "供电辅助制图 符号分类\n"
    "负载\ndot 0\ndot 4\n"
    "开关\ndot 3\n"
    "故障\ndot 1\n";

ParaSetTest* g_test = nullptr;

std::filesystem::path Native(const std::string& gbk) {
  // The file system functions of this process take the ANSI code page (936) as it comes.
  return std::filesystem::path(gbk);
}

}  // namespace

void ParaSetTest::SetUp() {
  g_test = this;
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  char temp[MAX_PATH];
  ::GetTempPathA(sizeof temp, temp);
  std::string name = info->name();
  for (char& c : name) c = c == '/' ? '_' : c;  // parametrised tests: "Name/0"
  m_dir = std::string(temp) + "vjd-paraset-" + name + "\\";
  std::error_code ignored;
  std::filesystem::remove_all(Native(m_dir), ignored);
  ::CreateDirectoryA(m_dir.c_str(), nullptr);
  ::CreateDirectoryA((m_dir + "符号库").c_str(), nullptr);
  ::CreateDirectoryA((m_dir + "机电数据库").c_str(), nullptr);
  FILE* f = std::fopen((m_dir + "符号库\\EdaSymbol.cls").c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs(kCatalogue, f);
  std::fclose(f);

  QkSetupReset();
  char error[256] = "";
  ASSERT_TRUE(QkSetupLoadSymbolText(kLibrary, error, sizeof error)) << error;

  m_pMapObject = om::PoMap::Create();
  m_pMapObject->GetDrawing().dScale = 1.0;
  m_map.hWnd = nullptr;
  m_map.pDispatch = m_pMapObject;

  fw::SetMessageBoxHandler(
      [](void*, void*, const char* text, unsigned) {
        g_test->m_messages.push_back(text);
        return IDOK;
      },
      nullptr);
  fw::SetModalDialogHandler(
      [](void*, CDialog& modal) -> INT_PTR {
        auto* pDlg = dynamic_cast<CSignRelaPosDlg*>(&modal);
        if (!pDlg) return IDCANCEL;  // the position window is the only modal dialog expected
        CSignRelaPosDlg& dlg = *pDlg;
        g_test->m_positionPreset = dlg.m_nPosition;
        ++g_test->m_positionRuns;
        if (g_test->m_positionAnswer == -2) return IDCANCEL;
        dlg.m_nPosition = g_test->m_positionAnswer;
        dlg.m_strPosition = vjd::annotation::LabelPositionName(dlg.m_nPosition);
        return IDOK;
      },
      nullptr);
}

void ParaSetTest::TearDown() {
  if (m_hDlg && ::IsWindow(m_hDlg)) ::DestroyWindow(m_hDlg);  // deletes the object
  m_pDlg = nullptr;
  fw::SetMessageBoxHandler(nullptr);
  fw::SetModalDialogHandler(nullptr);
  if (m_pMapObject) m_pMapObject->Release();
  std::error_code ignored;
  std::filesystem::remove_all(Native(m_dir), ignored);
  g_test = nullptr;
}

void ParaSetTest::Open() {
  m_pDlg = NewWindow();
  m_pDlg->SetMap(&m_map);
  m_pDlg->SetHostDirectory(m_dir.c_str());
  CResourceScope scope;  // the template is this module's, as for the command
  ASSERT_TRUE(m_pDlg->Create(CDlgParaSet::IDD, nullptr));
  m_hDlg = m_pDlg->m_hWnd;
}

void ParaSetTest::Tick(int id, BOOL ticked) {
  ::CheckDlgButton(m_hDlg, id, ticked ? BST_CHECKED : BST_UNCHECKED);
  ::SendMessageA(m_hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(m_hDlg, id)));
}

void ParaSetTest::EditCell(int row, int column, const char* text) {
  m_pDlg->m_grid.SetItemText(row, column, text);
  HWND grid = m_pDlg->m_grid.m_hWnd;
  SendGridNotify(grid, grid, IDC_GRID, LVN_SETDISPINFOA, GridCellChanged, row, column, text,
                 static_cast<int>(std::strlen(text)));
}

void ParaSetTest::Leave() {
  ::SendMessageA(m_hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(m_hDlg, IDCANCEL)));
}

std::vector<std::string> ParaSetTest::Items(int comboId) const {
  std::vector<std::string> items;
  HWND hCombo = ::GetDlgItem(m_hDlg, comboId);
  int count = static_cast<int>(::SendMessageA(hCombo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[64] = "";
    ::SendMessageA(hCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

std::string ParaSetTest::Caption() const {
  char text[128] = "";
  ::GetDlgItemTextA(m_hDlg, IDC_GRID_BUTTONBAR, text, sizeof text);
  return text;
}

std::vector<std::string> ParaSetTest::Row(int row) const {
  std::vector<std::string> cells;
  for (int c = 0; c < 10; ++c) cells.push_back(std::string(m_pDlg->m_grid.GetItemText(row, c)));
  return cells;
}

int ParaSetTest::Rows() const {
  return m_pDlg->m_grid.GetItemCount();
}

BOOL ParaSetTest::Enabled(int id) const {
  return ::IsWindowEnabled(::GetDlgItem(m_hDlg, id));
}

BOOL ParaSetTest::Checked(int id) const {
  return ::IsDlgButtonChecked(m_hDlg, id) == BST_CHECKED;
}

std::string ParaSetTest::LabelText(int label) const {
  char text[QK_LABEL_TEXT_SIZE] = "";
  ::EntityParam(m_pDlg->m_pPreviewEntity, ATTR_LABEL_TEXT_GET, text, label);
  return text;
}

bool ParaSetTest::Anchor(int label, double xyz[3]) const {
  return QkSetupGetLabelAnchor(m_pDlg->m_pPreviewEntity, label, xyz) != 0;
}

double ParaSetTest::SymbolSize() const {
  unsigned char block[QK_ATTR_BLOCK_SIZE] = {};
  ::GetEntityAttributes(m_pDlg->m_pPreviewEntity, block);
  double size;
  std::memcpy(&size, block + QK_ATTR_SYMBOL_SIZE, sizeof size);
  return size;
}

std::string ParaSetTest::ConfigPath() const {
  return m_dir + "机电数据库\\机电配置.cfg";
}

long long ParaSetTest::ConfigBytes() const {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExA(ConfigPath().c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool ParaSetTest::Find(const char* name, vjd::annotation::SymbolLabelConfig& record) const {
  vjd::annotation::InitRecord(record);
  return vjd::annotation::LabelConfigFile(m_dir.c_str()).FindRecord(name, record).ok();
}

void ParaSetTest::Store(const vjd::annotation::SymbolLabelConfig& record) const {
  ASSERT_TRUE(vjd::annotation::LabelConfigFile(m_dir.c_str()).StoreRecord(record).ok());
}
