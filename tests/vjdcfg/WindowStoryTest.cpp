// The whole story with the real configuration window: it stores a kind, vjdcfg dumps the file,
// the JSON is edited, vjdcfg loads it back, and the window opened again shows the edit.
#include "ConfigJson.h"
#include "GbkConverter.h"
#include "ParaSetHarness.h"
#include "VjdcfgTestKit.h"

namespace {

TEST_F(ParaSetTest, AnEditOfTheDumpLoadedBackShowsInTheWindow) {
  Open();  // "电动机" from the default table
  EditCell(0, 1, "设备名称");
  Leave();
  std::string path;
  ASSERT_TRUE(vjdcfg::GbkToUtf8(ConfigPath(), path));

  vjdcfg_test::ToolRun dump = vjdcfg_test::RunTool({"dump", path});
  ASSERT_EQ(dump.status, 0) << dump.err;
  vjdcfg::Json doc = vjdcfg::Json::parse(dump.out);
  ASSERT_EQ(doc["kinds"][0]["kind"], u8"电动机");
  ASSERT_EQ(doc["kinds"][0]["slots"][0]["text"], u8"设备名称");
  vjdcfg::Json& slot = doc["kinds"][0]["slots"][2];
  slot["text"] = u8"额定功率";
  slot["position"] = 22;
  slot["height"] = 0.005;
  slot["fore_color"] = 255;
  vjdcfg_test::ToolRun load = vjdcfg_test::RunTool({"load", path, "-"}, doc.dump());
  ASSERT_EQ(load.status, 0) << load.err;

  Open();
  ASSERT_EQ(Rows(), 3);
  EXPECT_EQ(Row(0)[1], "设备名称");
  EXPECT_EQ(Row(2)[1], "额定功率");
  EXPECT_EQ(Row(2)[3], "中上二");
  EXPECT_EQ(Row(2)[4], "0.005");
  EXPECT_EQ(Row(2)[8], "255");
  EXPECT_EQ(LabelText(2), "额定功率");  // and the preview's label
  EXPECT_TRUE(m_messages.empty());
}

}  // namespace
