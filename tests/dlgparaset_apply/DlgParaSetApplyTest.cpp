// The window's label buttons, pressed as a person would (WM_COMMAND from the button), on the
// sample drawing: what they show, which host calls they make, which labels the kernel then holds
// and what reaches the configuration file first.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DlgParaSet.h"
#include "HostDrawing.h"
#include "KernelSetup.h"
#include "KernelViewExtras.h"
#include "LabelConfigFile.h"
#include "PoMap.h"
#include "ResourceScope.h"
#include "SampleDrawing.h"
#include "TestSeams.h"
#include "VellJDLabels.h"
#include "quarnkernel.h"

extern "C" void WINAPI MouseStatus(int, int, int) {}

namespace {

using ::testing::ElementsAre;

std::vector<std::string> g_messages;
int RecordMessage(void*, void*, const char* text, unsigned) {
  g_messages.push_back(text);
  return IDOK;
}

class ApplyButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_messages.clear();
    fw::SetMessageBoxHandler(RecordMessage);
    m_dir = ProgramDirectory();
    DeleteFileA((m_dir + "机电数据库").c_str());
    CreateDirectoryA((m_dir + "机电数据库").c_str(), nullptr);
    DeleteFileA((m_dir + "机电数据库\\机电配置.cfg").c_str());
    std::vector<int> handles, ids;
    ASSERT_TRUE(LoadSampleDrawing(m_dir + "符号库\\EdaSymbol.sym",
                                  m_dir + "..\\sample\\sample-mine.vjd", m_map, m_drawing, handles,
                                  ids));
    m_hostMap = {nullptr, m_map};

    m_pDlg = new CDlgParaSet;
    m_pDlg->m_pMap = &m_hostMap;
    for (size_t i = 0; i < handles.size(); ++i) {
      m_pDlg->m_arrAllHandles.Add(handles[i]);
      m_pDlg->m_arrAllIds.Add(ids[i]);
    }
    CResourceScope scope;
    ASSERT_TRUE(m_pDlg->Create(CDlgParaSet::IDD, nullptr));
    m_hDlg = m_pDlg->m_hWnd;
    g_messages.clear();  // whatever opening said
  }
  void TearDown() override {
    if (::IsWindow(m_hDlg)) m_pDlg->DestroyWindow();  // deletes the object
    m_drawing.reset();
    if (m_map) m_map->Release();
    fw::SetMessageBoxHandler(nullptr);
  }

  void Press(int id) {
    ::SendMessageA(m_hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(m_hDlg, id)));
  }
  void Tick(int id, bool on) {
    ::SendDlgItemMessageA(m_hDlg, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    Press(id);
  }
  // Selects the kind in the symbol list as a person would; false when the list lacks it.
  bool SelectKind(const char* kind) {
    HWND categories = ::GetDlgItem(m_hDlg, IDC_CB_CATEGORY);
    HWND list = ::GetDlgItem(m_hDlg, IDC_CB_SYMBOL);
    int count = static_cast<int>(::SendMessageA(categories, CB_GETCOUNT, 0, 0));
    for (int c = 0; c < count; ++c) {
      ::SendMessageA(categories, CB_SETCURSEL, c, 0);
      ::SendMessageA(m_hDlg, WM_COMMAND, MAKEWPARAM(IDC_CB_CATEGORY, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(categories));
      int index = static_cast<int>(
          ::SendMessageA(list, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(kind)));
      if (index < 0) continue;
      ::SendMessageA(list, CB_SETCURSEL, index, 0);
      ::SendMessageA(m_hDlg, WM_COMMAND, MAKEWPARAM(IDC_CB_SYMBOL, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
      return true;
    }
    return false;
  }
  std::vector<std::string> Texts(int id) {
    std::vector<std::string> texts;
    for (const auto& l : ::host::ReadKernelLabels(m_drawing->HandleOf(id))) texts.push_back(l.text);
    return texts;
  }
  om::Drawing& D() { return m_map->GetDrawing(); }

  std::string m_dir;
  om::PoMap* m_map = nullptr;
  VjdHostMap m_hostMap{};
  std::unique_ptr<::host::HostDrawing> m_drawing;
  CDlgParaSet* m_pDlg = nullptr;
  HWND m_hDlg = nullptr;
};

TEST_F(ApplyButtonsTest, ApplyAfterOpeningChangesNoLabelAndShowsNothing) {
  auto before = Texts(12);
  Press(IDC_BTN_APPLY);
  EXPECT_EQ(Texts(12), before);
  ASSERT_EQ(D().updates.size(), 1u);
  EXPECT_TRUE(D().updates[0].empty());
  EXPECT_TRUE(D().bChanged);
  EXPECT_TRUE(g_messages.empty());
}

TEST_F(ApplyButtonsTest, EachGroupTickedInTurn) {
  Tick(IDC_CHK_CONFIG_MOTOR, true);
  Tick(IDC_CHK_SHOW_MOTOR_NAME, false);
  Press(IDC_BTN_APPLY);
  EXPECT_EQ(Texts(12)[0], "M");
  EXPECT_THAT(D().updates.back(), ElementsAre(12, 13, 15));
  Tick(IDC_CHK_CONFIG_MOTOR, false);
  Tick(IDC_CHK_CONFIG_CABLE, true);
  Tick(IDC_CHK_ONE_LINE, true);
  Tick(IDC_CHK_SHOW_CABLE_NAME, false);
  Press(IDC_BTN_APPLY);
  EXPECT_THAT(Texts(22), ElementsAre("MYJV22-3×35-2×150m"));
  EXPECT_EQ(Texts(12)[0], "M");  // the motors stay as they were
  Tick(IDC_CHK_CONFIG_CABLE, false);
  Tick(IDC_CHK_CONFIG_SHORT, true);
  Tick(IDC_CHK_SHOW_NAME_ON_DRAW, false);
  Press(IDC_BTN_APPLY);
  EXPECT_THAT(Texts(18), ElementsAre("Id#+(2)#=980A"));
  EXPECT_THAT(D().updates.back(), ElementsAre(16, 17, 18));
}

TEST_F(ApplyButtonsTest, StoredSettingFollowsTheBoxAcrossApplies) {
  Tick(IDC_CHK_CONFIG_MOTOR, true);
  const bool initially = GetShowMotorName() != 0;
  Tick(IDC_CHK_SHOW_MOTOR_NAME, !initially);
  Press(IDC_BTN_APPLY);
  EXPECT_EQ(GetShowMotorName() != 0, !initially);
  Tick(IDC_CHK_SHOW_MOTOR_NAME, initially);
  Press(IDC_BTN_APPLY);
  EXPECT_EQ(GetShowMotorName() != 0, initially);
  Tick(IDC_CHK_SHOW_MOTOR_NAME, !initially);
  Press(IDC_BTN_APPLY);
  EXPECT_EQ(GetShowMotorName() != 0, !initially);
}

TEST_F(ApplyButtonsTest, UpdateSelectedBeforeAnyPickFails) {
  Press(IDC_BTN_UPDATE_SELECTED);
  EXPECT_THAT(g_messages, ElementsAre("更新标注失败！"));
  EXPECT_TRUE(D().operations.empty());
}

TEST_F(ApplyButtonsTest, UpdateAllPushesTheSelectedKindOnly) {
  ASSERT_TRUE(SelectKind("启动器"));
  QkSetupSetKindName(m_drawing->HandleOf(11), "启动器 ");
  Press(IDC_BTN_UPDATE_ALL);
  EXPECT_THAT(g_messages, ElementsAre("更新标注成功！"));
  EXPECT_THAT(D().operations, ElementsAre("修改标注配置"));
  ASSERT_EQ(D().updates.size(), 1u);
  EXPECT_THAT(D().updates[0], ElementsAre(8, 9));
  EXPECT_EQ(::host::ReadKernelLabels(m_drawing->HandleOf(9)).size(), 3u);  // the default's slots
  EXPECT_EQ(Texts(9)[0], "启动器2");
}

TEST_F(ApplyButtonsTest, UpdateSelectedWorksOnThePickedOnes) {
  ASSERT_TRUE(SelectKind("启动器"));
  m_pDlg->m_arrSelHandles.Add(m_drawing->HandleOf(9));
  m_pDlg->m_arrSelIds.Add(9);
  m_pDlg->m_arrSelHandles.Add(m_drawing->HandleOf(12));
  m_pDlg->m_arrSelIds.Add(12);
  Press(IDC_BTN_UPDATE_SELECTED);
  EXPECT_THAT(g_messages, ElementsAre("更新标注成功！"));
  EXPECT_THAT(D().recorded, ElementsAre(m_drawing->HandleOf(9)));
}

TEST_F(ApplyButtonsTest, AKindNoEntityHasSucceedsWithoutUpdate) {
  ASSERT_TRUE(SelectKind("综保"));
  QkSetupSetKindName(m_drawing->HandleOf(10), "综保2");
  Press(IDC_BTN_UPDATE_ALL);
  EXPECT_THAT(g_messages, ElementsAre("更新标注成功！"));
  EXPECT_EQ(D().operations.size(), 1u);
  EXPECT_TRUE(D().updates.empty());
}

TEST_F(ApplyButtonsTest, EditedGridIsStoredBeforeTheLayout) {
  ASSERT_TRUE(SelectKind("启动器"));
  CGridListCtrl& grid = m_pDlg->m_grid;
  ASSERT_GT(grid.GetItemCount(), 0);
  grid.SetItemText(0, 4, "0.007");  // the height of slot 0
  m_pDlg->m_bDirty = TRUE;
  Press(IDC_BTN_UPDATE_ALL);
  EXPECT_THAT(g_messages, ElementsAre("更新标注成功！"));
  vjd::annotation::SymbolLabelConfig record;
  ASSERT_TRUE(vjd::annotation::LabelConfigFile(m_dir.c_str()).FindRecord("启动器", record).ok());
  EXPECT_DOUBLE_EQ(record.dHeight[0], 0.007);
  EXPECT_DOUBLE_EQ(::host::ReadKernelLabels(m_drawing->HandleOf(8))[0].height, 0.007);
}

TEST_F(ApplyButtonsTest, FailingStoreChangesNothingAndSaysSo) {
  ASSERT_TRUE(SelectKind("启动器"));
  m_pDlg->m_bDirty = TRUE;
  // A file where the folder should be: the configuration file cannot be opened or created.
  std::string folder = m_dir + "机电数据库";
  DeleteFileA((folder + "\\机电配置.cfg").c_str());
  ASSERT_TRUE(RemoveDirectoryA(folder.c_str()));
  HANDLE blocker = CreateFileA(folder.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(blocker, INVALID_HANDLE_VALUE);
  CloseHandle(blocker);
  auto before = ::host::ReadKernelLabels(m_drawing->HandleOf(8)).size();
  Press(IDC_BTN_UPDATE_ALL);
  ASSERT_FALSE(g_messages.empty());
  EXPECT_EQ(g_messages.back(), "更新标注失败！");
  EXPECT_TRUE(D().operations.empty());
  EXPECT_EQ(::host::ReadKernelLabels(m_drawing->HandleOf(8)).size(), before);
  DeleteFileA(folder.c_str());
}

}  // namespace
