// The host's drawing in the kernel and the map: a loaded drawing collects back unchanged (labels
// with every field, device data by item and column), a drawing that names an unknown symbol
// replaces nothing, undo restores exactly the labels the last operation recorded, and an erase
// is taken back whole.
#include <gtest/gtest.h>

#include <memory>

#include "DrawingFile.h"
#include "HostDrawing.h"
#include "KernelSetup.h"
#include "LabelJournal.h"
#include "PoMap.h"
#include "quarnkernel.h"

namespace {

const char kLibrary[] =
    "VJD-SYMBOLS 1\nsymbol 电动机\ncircle 0 0 0.003\nend\nsymbol 短路点\nline 0 0 1 1\nend\n";

const char kDrawing[] =
    "VJD-DRAWING 1\n"
    "entity 12 28\nname 采煤机\nkindname 电动机\nsymbol 电动机\nat 0.1 0.2 0\n"
    "label 1 8 0.003 0.0015 0 1 255 16777215 采煤机\n"
    "label 0 12 0.0025 0.00125 30 0 -1 0 MG300-WD\n"
    "data 164 1 MG300-WD\nend\n"
    "entity 30 29\nname C10\nkindname 电缆\npoints 0 0 0.05 0\n"
    "label 1 3 0.0022 0.0011 0 1 16776960 0 C10(220 m)\n"
    "data 155 0 220\ndata 155 7 2\ndata 167 4 3×70\nend\n";

class HostDrawingTest : public testing::Test {
 protected:
  void SetUp() override {
    char why[200];
    ASSERT_TRUE(QkSetupLoadSymbolText(kLibrary, why, sizeof why)) << why;
    map = om::PoMap::Create();
    ASSERT_TRUE(host::DrawingFile::Parse(kDrawing, parsed, error)) << error;
    drawing = std::make_unique<host::HostDrawing>(map);
    ASSERT_TRUE(drawing->Load(parsed, error)) << error;
  }
  void TearDown() override {
    drawing.reset();
    map->Release();
  }
  om::PoMap* map = nullptr;
  host::Drawing parsed;
  std::unique_ptr<host::HostDrawing> drawing;  // the parsed drawing, loaded
  std::string error;
};

TEST_F(HostDrawingTest, LoadedDrawingCollectsBackUnchanged) {
  const om::Drawing& d = map->GetDrawing();
  ASSERT_EQ(d.ids, (std::vector<int>{12, 30}));
  int motor = drawing->HandleOf(12);
  EXPECT_EQ(d.handles.at(12), motor);
  EXPECT_EQ(drawing->IdOf(motor), 12);
  EXPECT_EQ(GetEntityKind(motor), 28);
  EXPECT_EQ(GetEntityKind(drawing->HandleOf(30)), 29);
  ASSERT_EQ(d.deviceData.at(30).size(), 2u);  // items 155 and 167
  EXPECT_EQ(d.deviceData.at(30)[0].columns.size(), 8u);
  EXPECT_EQ(d.deviceData.at(30)[0].columns[7], "2");
  EXPECT_EQ(host::DrawingFile::Write(drawing->Collect()), host::DrawingFile::Write(parsed));
}

TEST_F(HostDrawingTest, LabelsWrittenByThePluginAreSaved) {
  int motor = drawing->HandleOf(12);
  EntityParam(motor, ATTR_LABEL_TEXT_SET, const_cast<char*>("M"), 0);
  int count = 3;
  EntityParam(motor, ATTR_LABEL_COUNT_SET, &count, 0);
  unsigned red = 255;
  EntityParam(motor, ATTR_LABEL_FORE_SET, &red, 2);
  host::Drawing saved = drawing->Collect();
  ASSERT_EQ(saved.entities[0].labels.size(), 3u);
  EXPECT_EQ(saved.entities[0].labels[0].text, "M");
  EXPECT_EQ(saved.entities[0].labels[2].fore, 255u);
  EXPECT_EQ(saved.entities[0].labels[1].angle, 30);
}

TEST_F(HostDrawingTest, UnknownSymbolReplacesNothing) {
  host::Drawing broken = parsed;
  broken.entities[0].symbol = "变压器";
  EXPECT_FALSE(drawing->Load(broken, error));
  EXPECT_NE(error.find("变压器"), std::string::npos);
  EXPECT_EQ(map->GetDrawing().ids.size(), 2u) << "the drawing shown before stays";
  EXPECT_EQ(GetEntityKind(drawing->HandleOf(12)), 28);
}

TEST_F(HostDrawingTest, UndoRestoresTheRecordedEntitiesOnly) {
  int motor = drawing->HandleOf(12), cable = drawing->HandleOf(30);
  host::LabelJournal journal;
  EXPECT_FALSE(journal.CanUndo());
  journal.Begin("修改标注配置");
  journal.Record(motor);
  EntityParam(motor, ATTR_LABEL_TEXT_SET, const_cast<char*>("changed"), 0);
  journal.Record(motor);  // a second record keeps the first state
  int one = 1;
  EntityParam(motor, ATTR_LABEL_COUNT_SET, &one, 0);
  EntityParam(cable, ATTR_LABEL_TEXT_SET, const_cast<char*>("not recorded"), 0);
  ASSERT_TRUE(journal.CanUndo());
  EXPECT_EQ(journal.Undo(), std::vector<int>{motor});
  EXPECT_FALSE(journal.CanUndo()) << "one level only";
  std::vector<host::DrawingLabel> labels = host::ReadKernelLabels(motor);
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0].text, "采煤机");
  EXPECT_EQ(labels[1].text, "MG300-WD");
  EXPECT_EQ(labels[1].fore, 0xFFFFFFFFu);
  EXPECT_EQ(host::ReadKernelLabels(cable)[0].text, "not recorded");
}

// Erase takes entities out of the drawing, the map and (answering as unknown handles) the kernel;
// Restore puts them back where they were, with their handles and labels.
TEST_F(HostDrawingTest, AnErasedEntityIsGoneUntilItIsRestoredAsItWas) {
  om::Drawing& d = map->GetDrawing();
  const int motor = drawing->HandleOf(12);
  const std::string before = host::DrawingFile::Write(drawing->Collect());
  d.selection = {30, 12};
  QkSetupErasedLookups(1);

  const host::HostDrawing::Erased erased = drawing->Erase({12});
  ASSERT_EQ(erased.items.size(), 1u);
  EXPECT_EQ(d.ids, std::vector<int>{30});
  EXPECT_EQ(d.handles.count(12), 0u);
  EXPECT_EQ(d.selection, std::vector<int>{30});
  EXPECT_EQ(drawing->Collect().entities.size(), 1u) << "an erased entity is not saved";
  EXPECT_EQ(GetEntityKind(motor), QK_KIND_NONE);
  EXPECT_EQ(QkSetupErasedLookups(0), 0) << "its kind is the one question not counted";
  char name[QK_NAME_SIZE] = {};
  EXPECT_EQ(EntityParam(motor, ATTR_KIND_NAME, name, 0), 0);
  EXPECT_EQ(GetEntityName(motor, name, sizeof name), 0);
  EXPECT_EQ(QkSetupErasedLookups(0), 2);

  EXPECT_EQ(drawing->Restore(erased), std::vector<int>{motor});
  EXPECT_EQ(d.ids, (std::vector<int>{12, 30}));
  EXPECT_EQ(GetEntityKind(motor), 28);
  EXPECT_EQ(host::DrawingFile::Write(drawing->Collect()), before);
}

}  // namespace
