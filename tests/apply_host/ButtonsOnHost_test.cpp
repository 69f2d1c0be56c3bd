// The configuration window's label buttons as its model runs them, on the sample drawing with
// the plug-in's label host over the stand-ins: "应用" with each group ticked in turn, and the
// kind push onto all symbols or the picked ones - which host calls they make, which labels the
// kernel then holds, what reaches the configuration file first and what the user is told.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "HostLabelAccess_win.h"
#include "KernelSetup.h"
#include "KernelViewExtras.h"
#include "ModelRig.h"
#include "SampleDrawing.h"
#include "VellJDLabels.h"

namespace {

using ::testing::ElementsAre;
using vjd::annotation::SymbolLabelConfig;

class ButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = ProgramDirectory();
    CreateDirectoryA((m_dir + "机电数据库").c_str(), nullptr);
    DeleteFileA((m_dir + "机电数据库\\机电配置.cfg").c_str());
    ASSERT_TRUE(LoadSampleDrawing(m_dir + "..\\符号库\\EdaSymbol.sym",
                                  m_dir + "..\\sample\\sample-mine.vjd", m_map, m_drawing,
                                  m_handles, m_ids));
    m_hostMap = {nullptr, m_map};
    m_access = std::make_unique<vjd::annotation::CHostLabelAccess>(&m_hostMap);
    m_rig = std::make_unique<paraset_test::ModelRig>(m_access.get(), m_dir.c_str());
    // The check boxes as the window opens: the settings VellJDBase keeps, no group ticked.
    options.bShowMotorModel = GetShowMotorModel();
    options.bShowMotorName = GetShowMotorName();
    options.bShowCableLabel = GetShowCableLabel();
    options.bShowCableName = GetShowCableName();
    options.bOneLine = GetOneLineCableLabel();
    options.bShowShortName = GetShowShortPointName();
    options.bShowShortCurrent = GetShowShortCurrent();
    options.bShowNameOnDraw = GetShowNameOnDraw();
    m_rig->model->Open(options);
  }
  void TearDown() override {
    EXPECT_TRUE(m_rig->grid.misuses.empty() && m_rig->misuses.empty());
    m_rig.reset();
    m_drawing.reset();
    if (m_map) m_map->Release();
  }

  void Apply() {
    m_rig->model->Apply(options, m_handles.data(), m_ids.data(),
                        static_cast<int>(m_handles.size()));
  }
  void UpdateAll() {
    m_rig->model->OnPushButton(m_rig->selected, static_cast<int>(m_handles.size()),
                               m_handles.data(), m_ids.data());
  }
  std::vector<std::string> Texts(int id) {
    std::vector<std::string> texts;
    for (const auto& l : ::host::ReadKernelLabels(m_drawing->HandleOf(id))) texts.push_back(l.text);
    return texts;
  }
  std::vector<std::string>& Messages() { return m_rig->sink.messages; }
  om::Drawing& D() { return m_map->GetDrawing(); }

  std::string m_dir;
  om::PoMap* m_map = nullptr;
  VjdHostMap m_hostMap{};
  std::unique_ptr<::host::HostDrawing> m_drawing;
  std::vector<int> m_handles, m_ids;
  std::unique_ptr<vjd::annotation::CHostLabelAccess> m_access;
  std::unique_ptr<paraset_test::ModelRig> m_rig;
  vjd::annotation::DisplayOptions options;
};

TEST_F(ButtonsTest, ApplyAfterOpeningChangesNoLabelAndShowsNothing) {
  auto before = Texts(12);
  Apply();
  EXPECT_EQ(Texts(12), before);
  ASSERT_EQ(D().updates.size(), 1u);
  EXPECT_TRUE(D().updates[0].empty());
  EXPECT_TRUE(D().bChanged);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ButtonsTest, EachGroupTickedInTurn) {
  options.bConfigMotor = 1;
  options.bShowMotorName = 0;
  Apply();
  EXPECT_EQ(Texts(12)[0], "M");
  EXPECT_THAT(D().updates.back(), ElementsAre(12, 13, 15));
  options.bConfigMotor = 0;
  options.bConfigCable = options.bOneLine = 1;
  options.bShowCableName = 0;
  Apply();
  EXPECT_THAT(Texts(22), ElementsAre("MYJV22-3×35-2×150m"));
  EXPECT_EQ(Texts(12)[0], "M");  // the motors stay as they were
  options.bConfigCable = 0;
  options.bConfigShort = 1;
  options.bShowNameOnDraw = 0;
  Apply();
  EXPECT_THAT(Texts(18), ElementsAre("Id#+(2)#=980A"));
  EXPECT_THAT(D().updates.back(), ElementsAre(16, 17, 18));
}

TEST_F(ButtonsTest, StoredSettingFollowsTheBoxAcrossApplies) {
  options.bConfigMotor = 1;
  const bool initially = GetShowMotorName() != 0;
  for (bool shown : {!initially, initially, !initially}) {
    options.bShowMotorName = shown;
    Apply();
    EXPECT_EQ(GetShowMotorName() != 0, shown);
  }
}

TEST_F(ButtonsTest, UpdateSelectedBeforeAnyPickFails) {
  m_rig->Choose("启动器");
  m_rig->model->OnPushButton(m_rig->selected, 0, nullptr, nullptr);
  EXPECT_THAT(Messages(), ElementsAre("更新标注失败！"));
  EXPECT_TRUE(D().operations.empty());
}

TEST_F(ButtonsTest, UpdateAllPushesTheSelectedKindOnly) {
  m_rig->Choose("启动器");
  QkSetupSetKindName(m_drawing->HandleOf(11), "启动器 ");
  UpdateAll();
  EXPECT_THAT(Messages(), ElementsAre("更新标注成功！"));
  EXPECT_THAT(D().operations, ElementsAre("修改标注配置"));
  ASSERT_EQ(D().updates.size(), 1u);
  EXPECT_THAT(D().updates[0], ElementsAre(8, 9));
  EXPECT_EQ(::host::ReadKernelLabels(m_drawing->HandleOf(9)).size(), 3u);  // the default's slots
  EXPECT_EQ(Texts(9)[0], "启动器2");
}

TEST_F(ButtonsTest, UpdateSelectedWorksOnThePickedOnes) {
  m_rig->Choose("启动器");
  const int handles[] = {m_drawing->HandleOf(9), m_drawing->HandleOf(12)}, ids[] = {9, 12};
  m_rig->model->OnPushButton(m_rig->selected, 2, handles, ids);
  EXPECT_THAT(Messages(), ElementsAre("更新标注成功！"));
  EXPECT_THAT(D().recorded, ElementsAre(m_drawing->HandleOf(9)));
}

TEST_F(ButtonsTest, AKindNoEntityHasSucceedsWithoutUpdate) {
  m_rig->Choose("综保");
  QkSetupSetKindName(m_drawing->HandleOf(10), "综保2");
  UpdateAll();
  EXPECT_THAT(Messages(), ElementsAre("更新标注成功！"));
  EXPECT_EQ(D().operations.size(), 1u);
  EXPECT_TRUE(D().updates.empty());
}

TEST_F(ButtonsTest, EditedGridIsStoredBeforeTheLayout) {
  m_rig->Choose("启动器");
  ASSERT_GT(m_rig->Rows(), 0);
  m_rig->Edit(0, 4, "0.007");  // the height of slot 0
  UpdateAll();
  EXPECT_THAT(Messages(), ElementsAre("更新标注成功！"));
  SymbolLabelConfig record;
  ASSERT_TRUE(m_rig->Find("启动器", record));
  EXPECT_DOUBLE_EQ(record.dHeight[0], 0.007);
  EXPECT_DOUBLE_EQ(::host::ReadKernelLabels(m_drawing->HandleOf(8))[0].height, 0.007);
}

TEST_F(ButtonsTest, FailingStoreChangesNothingAndSaysSo) {
  m_rig->Choose("启动器");
  m_rig->Click(0, 0);  // a click counts as a change
  // A file where the folder should be: the configuration file cannot be opened or created.
  std::string folder = m_dir + "机电数据库";
  DeleteFileA((folder + "\\机电配置.cfg").c_str());
  ASSERT_TRUE(RemoveDirectoryA(folder.c_str()));
  HANDLE blocker = CreateFileA(folder.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(blocker, INVALID_HANDLE_VALUE);
  CloseHandle(blocker);
  auto before = ::host::ReadKernelLabels(m_drawing->HandleOf(8)).size();
  UpdateAll();
  ASSERT_FALSE(Messages().empty());
  EXPECT_EQ(Messages().back(), "更新标注失败！");
  EXPECT_TRUE(D().operations.empty());
  EXPECT_EQ(::host::ReadKernelLabels(m_drawing->HandleOf(8)).size(), before);
  DeleteFileA(folder.c_str());
}

}  // namespace
