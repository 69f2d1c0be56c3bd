// Apply and the kind push on the sample drawing, through CHostLabelAccess: device data read from
// the object model's map, labels written into the kernel stand-in, kinds laid out by VellJDBase
// from the configuration file next to the program.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ApplyOptions.h"
#include "CallLog.h"
#include "DrawingFile.h"
#include "HostDrawing.h"
#include "HostLabelAccess_win.h"
#include "KernelSetup.h"
#include "KernelViewExtras.h"
#include "KindLabelUpdate.h"
#include "LabelConfigFile.h"
#include "PoMap.h"
#include "SymbolLabelConfig.h"
#include "VellJDLabels.h"
#include "quarnkernel.h"

namespace vjd::annotation {
namespace {

using ::testing::ElementsAre;

std::string ExeDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text(path);
  return text.substr(0, text.find_last_of('\\') + 1);
}

std::vector<std::string> Texts(int handle) {
  std::vector<std::string> texts;
  for (const auto& label : ::host::ReadKernelLabels(handle)) texts.push_back(label.text);
  return texts;
}

class SampleDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string dir = ExeDirectory();
    CreateDirectoryA((dir + "机电数据库").c_str(), nullptr);
    DeleteFileA((dir + "机电数据库\\机电配置.cfg").c_str());
    char why[200] = {};
    ASSERT_TRUE(QkLoadSymbolLibrary((dir + "..\\符号库\\EdaSymbol.sym").c_str(), why, 200)) << why;
    ::host::Drawing file;
    std::string error;
    ASSERT_TRUE(
        ::host::DrawingFile::Read((dir + "..\\sample\\sample-mine.vjd").c_str(), file, error))
        << error;
    QkSetupReset();
    m_map = om::PoMap::Create();
    m_hostMap = {nullptr, m_map};
    m_drawing = std::make_unique<::host::HostDrawing>(m_map);
    ASSERT_TRUE(m_drawing->Load(file, error)) << error;
    for (const auto& e : m_drawing->Entities()) {
      int h = m_drawing->HandleOf(e.id);
      int kind = GetEntityKind(h);
      if (kind != QK_KIND_DEVICE_SYMBOL && kind != QK_KIND_DEVICE_SYMBOL_ALT) continue;
      handles.push_back(h);
      ids.push_back(e.id);
    }
    options.bShowCableLabel = 1;
    snapshot = SnapshotOf(options);
    om::TheCallLog().Clear();
    m_baseRefs = m_map->RefCount();
  }
  void TearDown() override {
    m_drawing.reset();
    m_map->Release();
  }

  std::vector<int> Apply() {
    CHostLabelAccess access(&m_hostMap);
    return ApplyOptions(access, options, snapshot, handles.data(), ids.data(),
                        static_cast<int>(handles.size()));
  }
  int H(int id) { return m_drawing->HandleOf(id); }
  om::Drawing& D() { return m_map->GetDrawing(); }

  void StoreKind(const char* kind, int position, double height) {
    SymbolLabelConfig record;
    InitRecord(record);
    SetSymbolName(record, kind);
    record.nLabelCount = 1;
    SetSlotText(record, 0, "x");
    record.bVisible[0] = 1;
    record.nPosition[0] = position;
    record.dHeight[0] = height;
    ASSERT_EQ(LabelConfigFile(ExeDirectory().c_str(), nullptr).StoreRecord(record),
              ConfigFileResult::kOk);
  }

  om::PoMap* m_map = nullptr;
  VjdHostMap m_hostMap{};
  std::unique_ptr<::host::HostDrawing> m_drawing;
  ULONG m_baseRefs = 0;
  std::vector<int> handles, ids;
  DisplayOptions options;
  OptionSnapshot snapshot;
};

TEST_F(SampleDrawingTest, NoGroupTickedChangesNoLabelButTellsTheMap) {
  std::vector<std::vector<std::string>> before;
  for (int h : handles) before.push_back(Texts(h));
  EXPECT_TRUE(Apply().empty());
  for (size_t i = 0; i < handles.size(); ++i) EXPECT_EQ(Texts(handles[i]), before[i]) << i;
  ASSERT_EQ(D().updates.size(), 1u);
  EXPECT_TRUE(D().updates[0].empty());
  EXPECT_EQ(D().nRefreshes, 1);
  EXPECT_TRUE(D().bChanged);
}

TEST_F(SampleDrawingTest, MotorGroupRewritesOnlyMotors) {
  options.bConfigMotor = 1;  // names and models off
  EXPECT_THAT(Apply(), ElementsAre(12, 13, 15));
  EXPECT_THAT(Texts(H(12)), ElementsAre("M", ""));
  EXPECT_THAT(Texts(H(14)), ElementsAre("照明1", "DGS-70/127"));  // 照明 is no motor
  options.bShowMotorName = 1;
  options.bShowMotorModel = 1;
  Apply();
  EXPECT_THAT(Texts(H(13)), ElementsAre("刮板机", "刮板机"));  // "" takes the name first
  EXPECT_EQ(m_map->RefCount(), m_baseRefs);                    // every device-data object released
}

TEST_F(SampleDrawingTest, CableGroupInBothForms) {
  options.bConfigCable = 1;
  options.bOneLine = 1;
  std::vector<int> cables;
  for (size_t i = 0; i < handles.size(); ++i) {
    char kind[QK_NAME_SIZE] = {};
    EntityParam(handles[i], ATTR_KIND_NAME, kind, 0);
    if (std::string(kind) == "电缆") cables.push_back(ids[i]);
  }
  ASSERT_GT(cables.size(), 2u);
  EXPECT_EQ(Apply(), cables);
  EXPECT_THAT(Texts(H(21)), ElementsAre("MYJV22-3×50-120m"));
  EXPECT_THAT(Texts(H(22)), ElementsAre("MYJV22-3×35-2×150m"));
  options.bShowCableName = 1;
  Apply();
  EXPECT_THAT(Texts(H(21)), ElementsAre("C1 MYJV22-3×50-120m"));
  options.bOneLine = 0;
  options.bShowCableLabel = 0;
  Apply();
  EXPECT_THAT(Texts(H(22)), ElementsAre("C2(2×150 m)", "MYJV22-6/10"));
  for (const auto& label : ::host::ReadKernelLabels(H(22))) EXPECT_EQ(label.visible, 0);
  EXPECT_THAT(Texts(H(12)), ElementsAre("采煤机", "MG300-WD"));
}

TEST_F(SampleDrawingTest, CableWithoutDataKeepsEverything) {
  for (auto& item : D().deviceData[23])
    if (item.nCode == 167) item.columns[0] = "0";
  auto before = ::host::ReadKernelLabels(H(23));
  options.bConfigCable = 1;
  options.bShowCableLabel = 0;
  std::vector<int> changed = Apply();
  EXPECT_EQ(std::count(changed.begin(), changed.end(), 23), 0);
  auto after = ::host::ReadKernelLabels(H(23));
  ASSERT_EQ(after.size(), before.size());
  for (size_t j = 0; j < after.size(); ++j) {
    EXPECT_EQ(after[j].text, before[j].text);
    EXPECT_EQ(after[j].visible, before[j].visible);
  }
}

TEST_F(SampleDrawingTest, DeviceValuesAreReadInTwoSteps) {
  options.bConfigShort = 1;
  Apply();
  auto reads = om::TheCallLog().Matching("DeviceTable.GetItemValue(");
  ASSERT_GE(reads.size(), 2u);
  EXPECT_EQ(reads[0], "DeviceTable.GetItemValue(0,1,0,0)");
  EXPECT_EQ(reads[1], "DeviceTable.GetItemValue(0,1,0,5)");  // "3860" and its terminator
  EXPECT_EQ(m_map->RefCount(), m_baseRefs);
}

TEST_F(SampleDrawingTest, ShortCircuitTextsWrittenDirectly) {
  options.bConfigShort = 1;
  options.bShowNameOnDraw = 0;
  EXPECT_THAT(Apply(), ElementsAre(16, 17, 18));
  auto labels = ::host::ReadKernelLabels(H(18));
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].text, "Id#+(2)#=980A");
  EXPECT_EQ(labels[0].position, 0);
  EXPECT_EQ(labels[0].visible, 1);
  options.bShowShortCurrent = 0;
  Apply();
  EXPECT_THAT(Texts(H(16)), ElementsAre("Id1"));
}

TEST_F(SampleDrawingTest, ShortCircuitLaidOutByItsStoredKind) {
  StoreKind("短路点", 8, 0.005);
  options.bConfigShort = 1;
  Apply();
  auto labels = ::host::ReadKernelLabels(H(17));
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].text, "Id#-2#+(2)#=2350A");  // the composed text, the stored layout
  EXPECT_EQ(labels[0].position, 8);
  EXPECT_DOUBLE_EQ(labels[0].height, 0.005);
}

TEST_F(SampleDrawingTest, StoredSettingsFollowTheBoxes) {
  options.bShowMotorName = 1;
  Apply();
  EXPECT_EQ(GetShowMotorName(), 1);
  options.bShowMotorName = 0;
  Apply();
  EXPECT_EQ(GetShowMotorName(), 0);
  options.bShowMotorName = 1;
  Apply();
  EXPECT_EQ(GetShowMotorName(), 1);
  options.bShowNameOnDraw = 0;
  Apply();
  EXPECT_EQ(GetShowNameOnDraw(), 0);
}

// The window's side of the push: the selected kind and a grid that stores `height` for it.
class StoringWindow : public IKindLabelWindow {
 public:
  std::string kind;
  double height = 0.004;
  bool fails = false;
  int rows = 1;
  bool GetSelectedKind(std::string& k) override {
    k = kind;
    return !kind.empty();
  }
  bool SaveGridConfig(const std::string& k) override {
    if (fails) return false;
    SymbolLabelConfig record;
    InitRecord(record);
    SetSymbolName(record, k.c_str());
    record.nLabelCount = 2;
    record.nPosition[1] = 12;
    record.dHeight[0] = record.dHeight[1] = height;
    return LabelConfigFile(ExeDirectory().c_str(), nullptr).StoreRecord(record) ==
           ConfigFileResult::kOk;
  }
  int GetGridRowCount() override { return rows; }
};

TEST_F(SampleDrawingTest, PushMatchesExactKindsAndStoresFirst) {
  QkSetupSetKindName(H(11), "启动器 ");  // a trailing blank: no match
  StoringWindow window;
  window.kind = "启动器";
  CHostLabelAccess access(&m_hostMap);
  ASSERT_TRUE(UpdateKindLabels(window, access, static_cast<int>(handles.size()), handles.data(),
                               ids.data()));
  EXPECT_THAT(D().operations, ElementsAre("修改标注配置"));
  EXPECT_THAT(D().recorded, ElementsAre(H(8), H(9)));
  ASSERT_EQ(D().updates.size(), 1u);
  EXPECT_THAT(D().updates[0], ElementsAre(8, 9));
  auto labels = ::host::ReadKernelLabels(H(9));
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0].text, "启动器2");  // the draftsman's texts stay
  EXPECT_EQ(labels[1].position, 12);
  EXPECT_DOUBLE_EQ(labels[1].height, 0.004);  // the grid stored before the layout
  EXPECT_EQ(::host::ReadKernelLabels(H(11))[1].position, 3);
}

TEST_F(SampleDrawingTest, PushOfAKindNoEntityHas) {
  StoringWindow window;
  window.kind = "一拖六开关";
  CHostLabelAccess access(&m_hostMap);
  EXPECT_TRUE(UpdateKindLabels(window, access, static_cast<int>(handles.size()), handles.data(),
                               ids.data()));
  EXPECT_EQ(D().operations.size(), 1u);
  EXPECT_TRUE(D().updates.empty());
  EXPECT_FALSE(UpdateKindLabels(window, access, 0, handles.data(), ids.data()));  // none picked
}

TEST_F(SampleDrawingTest, FailingStoreChangesNoEntity) {
  StoringWindow window;
  window.kind = "启动器";
  window.fails = true;
  auto before = Texts(H(8));
  CHostLabelAccess access(&m_hostMap);
  EXPECT_FALSE(UpdateKindLabels(window, access, static_cast<int>(handles.size()), handles.data(),
                                ids.data()));
  EXPECT_TRUE(D().operations.empty());
  EXPECT_EQ(Texts(H(8)), before);
}

}  // namespace
}  // namespace vjd::annotation
