// Apply on the sample drawing through CHostLabelAccess: device data read from
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
#include "HostDrawing.h"
#include "HostLabelAccess_win.h"
#include "KernelSetup.h"
#include "KernelViewExtras.h"
#include "LabelConfigFile.h"
#include "PoMap.h"
#include "SampleDrawing.h"
#include "SymbolLabelConfig.h"
#include "quarnkernel.h"

namespace vjd::annotation {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> Texts(int handle) {
  std::vector<std::string> texts;
  for (const auto& label : ::host::ReadKernelLabels(handle)) texts.push_back(label.text);
  return texts;
}

class SampleDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string dir = ProgramDirectory();
    CreateDirectoryA((dir + "机电数据库").c_str(), nullptr);
    DeleteFileA((dir + "机电数据库\\机电配置.cfg").c_str());
    ASSERT_TRUE(LoadSampleDrawing(dir + "..\\符号库\\EdaSymbol.sym",
                                  dir + "..\\sample\\sample-mine.vjd", m_map, m_drawing, handles,
                                  ids));
    m_hostMap = {nullptr, m_map};
    options.bShowCableLabel = 1;
    snapshot = SnapshotOf(options);
    om::TheCallLog().Clear();
    m_baseRefs = m_map->RefCount();
  }
  void TearDown() override {
    m_drawing.reset();
    if (m_map) m_map->Release();
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
    ASSERT_TRUE(LabelConfigFile(ProgramDirectory().c_str()).StoreRecord(record).ok());
  }

  om::PoMap* m_map = nullptr;
  VjdHostMap m_hostMap{};
  std::unique_ptr<::host::HostDrawing> m_drawing;
  ULONG m_baseRefs = 0;
  std::vector<int> handles, ids;
  DisplayOptions options;
  OptionSnapshot snapshot;
};

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

TEST_F(SampleDrawingTest, DeviceValuesAreReadInTwoStepsAndReleased) {
  options.bConfigShort = options.bConfigMotor = options.bConfigCable = 1;
  Apply();
  auto reads = om::TheCallLog().Matching("DeviceTable.GetItemValue(");
  ASSERT_GE(reads.size(), 2u);
  EXPECT_EQ(reads[0], "DeviceTable.GetItemValue(0,1,0,0)");
  EXPECT_EQ(reads[1], "DeviceTable.GetItemValue(0,1,0,9)");  // "MG300-WD" and its terminator
  EXPECT_EQ(m_map->RefCount(), m_baseRefs);
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

}  // namespace
}  // namespace vjd::annotation
