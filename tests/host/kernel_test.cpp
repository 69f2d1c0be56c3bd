// The kernel stand-in through its C interface, as the plug-in and the stand-in host call it:
// entities and their kinds and names, every label parameter, attribute blocks, documents, and
// the bounds that keep a caller's buffers intact.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "KernelSetup.h"
#include "quarnkernel.h"

namespace {

class Kernel : public ::testing::Test {
 protected:
  void SetUp() override { QkSetupReset(); }
  void TearDown() override { QkSetupReset(); }
};

TEST_F(Kernel, EntitiesAnswerTheirKindNameAndKindName) {
  QkEntity motor = QkSetupCreateEntity(28, "M1", "电动机");
  QkEntity cable = QkSetupCreateEntity(29, "C1", "电缆");
  QkEntity line = QkSetupCreateEntity(5, "L", "");
  ASSERT_NE(0, motor);
  EXPECT_NE(motor, cable);
  EXPECT_EQ(28, GetEntityKind(motor));
  EXPECT_EQ(29, GetEntityKind(cable));
  EXPECT_EQ(5, GetEntityKind(line));
  EXPECT_EQ(QK_KIND_NONE, GetEntityKind(0));
  EXPECT_EQ(QK_KIND_NONE, GetEntityKind(cable + 100));

  char name[QK_NAME_SIZE];
  ASSERT_EQ(1, GetEntityName(motor, name, sizeof name));
  EXPECT_STREQ("M1", name);
  ASSERT_EQ(1, EntityParam(motor, ATTR_KIND_NAME, name, 0));
  EXPECT_STREQ("电动机", name);
  std::memset(name, 'x', sizeof name);
  EXPECT_EQ(0, GetEntityName(cable + 100, name, sizeof name));
  EXPECT_EQ('\0', name[0]) << "an unknown entity has the empty name";

  // Removed entities are gone, and their handles are not handed out again.
  EXPECT_EQ(1, QkSetupRemoveEntity(line));
  EXPECT_EQ(QK_KIND_NONE, GetEntityKind(line));
  EXPECT_GT(QkSetupCreateEntity(28, "M2", "电动机"), line);
  EXPECT_EQ(3, QkSetupEntityCount());
}

TEST_F(Kernel, EveryLabelParameterIsKeptPerLabel) {
  QkEntity e = CreateEntity(28);
  ASSERT_NE(0, e);
  int count = 3;
  ASSERT_EQ(1, EntityParam(e, ATTR_LABEL_COUNT_SET, &count, 0));
  count = 0;
  ASSERT_EQ(1, EntityParam(e, ATTR_LABEL_COUNT_GET, &count, 0));
  EXPECT_EQ(3, count);

  int visible = 1, position = 24, follow = 0;
  double height = 0.005, width = 0.0025, angle = 30.0, anchor[3] = {1.5, -2.0, 0.0};
  unsigned fore = 0x0000FF, back = 0x00FF00;
  EXPECT_EQ(1, EntityParam(e, ATTR_LABEL_TEXT_SET, const_cast<char*>("YJV-3×95"), 2));
  EXPECT_EQ(1, EntityParam(e, ATTR_LABEL_VISIBLE_SET, &visible, 2));
  EXPECT_EQ(1, EntityParam(e, ATTR_LABEL_POSITION_SET, &position, 2));
  EXPECT_EQ(1, EntityParam(e, ATTR_LABEL_HEIGHT_SET, &height, 2));
  EXPECT_EQ(1, EntityParam(e, ATTR_LABEL_WIDTH_SET, &width, 2));
  EXPECT_EQ(1, EntityParam(e, ATTR_LABEL_ANGLE_SET, &angle, 2));
  EXPECT_EQ(1, EntityParam(e, ATTR_LABEL_FOLLOW_SET, &follow, 2));
  EXPECT_EQ(1, EntityParam(e, ATTR_LABEL_ANCHOR_SET, anchor, 2));
  EXPECT_EQ(1, EntityParam(e, ATTR_LABEL_FORE_SET, &fore, 2));
  EXPECT_EQ(1, EntityParam(e, ATTR_LABEL_BACK_SET, &back, 2));

  char text[QK_LABEL_TEXT_SIZE];
  int i = -1;
  double d = -1;
  ASSERT_EQ(1, EntityParam(e, ATTR_LABEL_TEXT_GET, text, 2));
  EXPECT_STREQ("YJV-3×95", text);
  EntityParam(e, ATTR_LABEL_VISIBLE_GET, &i, 2);
  EXPECT_EQ(1, i);
  EntityParam(e, ATTR_LABEL_POSITION_GET, &i, 2);
  EXPECT_EQ(24, i);
  EntityParam(e, ATTR_LABEL_FOLLOW_GET, &i, 2);
  EXPECT_EQ(0, i);
  EntityParam(e, ATTR_LABEL_HEIGHT_GET, &d, 2);
  EXPECT_DOUBLE_EQ(0.005, d);
  EntityParam(e, ATTR_LABEL_WIDTH_GET, &d, 2);
  EXPECT_DOUBLE_EQ(0.0025, d);
  EntityParam(e, ATTR_LABEL_ANGLE_GET, &d, 2);
  EXPECT_DOUBLE_EQ(30.0, d);
  double got[3] = {};
  ASSERT_EQ(1, QkSetupGetLabelAnchor(e, 2, got));
  EXPECT_DOUBLE_EQ(1.5, got[0]);
  EXPECT_DOUBLE_EQ(-2.0, got[1]);
  unsigned f = 0, b = 0;
  ASSERT_EQ(1, QkSetupGetLabelColours(e, 2, &f, &b));
  EXPECT_EQ(fore, f);
  EXPECT_EQ(back, b);

  // The other labels kept their own values.
  EntityParam(e, ATTR_LABEL_POSITION_GET, &i, 1);
  EXPECT_EQ(0, i);
  EXPECT_EQ(0, QkSetupGetLabelAnchor(e, 1, got));
}

TEST_F(Kernel, OutOfRangeLabelsEntitiesAndCodesAreRefusedWithoutWriting) {
  QkEntity e = CreateEntity(28);
  int count = 2;
  ASSERT_EQ(1, EntityParam(e, ATTR_LABEL_COUNT_SET, &count, 0));
  int value = 77;
  EXPECT_EQ(0, EntityParam(e, ATTR_LABEL_POSITION_GET, &value, 2));
  EXPECT_EQ(0, EntityParam(e, ATTR_LABEL_POSITION_GET, &value, -1));
  EXPECT_EQ(77, value);
  EXPECT_EQ(0, EntityParam(e, 0x7777, &value, 0));
  EXPECT_EQ(0, EntityParam(e + 50, ATTR_LABEL_COUNT_GET, &value, 0));
  EXPECT_EQ(0, EntityParam(e, ATTR_LABEL_COUNT_GET, nullptr, 0));
  count = -1;
  EXPECT_EQ(0, EntityParam(e, ATTR_LABEL_COUNT_SET, &count, 0));
  count = QK_MAX_LABELS + 1;
  EXPECT_EQ(0, EntityParam(e, ATTR_LABEL_COUNT_SET, &count, 0));
  EntityParam(e, ATTR_LABEL_COUNT_GET, &value, 0);
  EXPECT_EQ(2, value);

  // Shrinking drops the labels beyond the new count; growing again gives fresh ones.
  count = 1;
  EntityParam(e, ATTR_LABEL_COUNT_SET, &count, 0);
  EXPECT_EQ(0, EntityParam(e, ATTR_LABEL_TEXT_SET, const_cast<char*>("x"), 1));
}

TEST_F(Kernel, TextsAreCutToTheirBuffersWithoutSplittingACharacter) {
  QkEntity e = CreateEntity(28);
  int count = 1;
  EntityParam(e, ATTR_LABEL_COUNT_SET, &count, 0);
  // 98 ASCII bytes, then a double-byte character that would end at byte 100.
  std::string longText(98, 'a');
  longText += "电缆";
  ASSERT_EQ(1, EntityParam(e, ATTR_LABEL_TEXT_SET, &longText[0], 0));
  char text[QK_LABEL_TEXT_SIZE + 8];
  std::memset(text, 0x5A, sizeof text);
  ASSERT_EQ(1, EntityParam(e, ATTR_LABEL_TEXT_GET, text, 0));
  EXPECT_EQ(std::string(98, 'a'), std::string(text));
  EXPECT_EQ(0x5A, static_cast<unsigned char>(text[QK_LABEL_TEXT_SIZE]))
      << "nothing written beyond the 100-byte buffer";

  QkEntity named = QkSetupCreateEntity(28, "一二三四五六七八九十一二三四五六七", "");
  char name[8];
  std::memset(name, 0x5A, sizeof name);
  ASSERT_EQ(1, GetEntityName(named, name, 7));
  EXPECT_STREQ("一二三", name) << "six bytes of whole characters and the zero";
  EXPECT_EQ(0x5A, static_cast<unsigned char>(name[7]));
  char full[QK_NAME_SIZE];
  GetEntityName(named, full, sizeof full);
  EXPECT_EQ(30u, std::strlen(full)) << "a stored name keeps at most 31 bytes, whole characters";
}

TEST_F(Kernel, BasePointOutlineAndAttributeBlock) {
  QkEntity e = QkSetupCreateEntity(28, "T1", "矿用变压器");
  double point[3] = {10.0, 20.0, 0.5};
  ASSERT_EQ(1, EntityParam(e, ATTR_BASE_POINT_SET, point, 0));
  double back[3] = {};
  ASSERT_EQ(1, EntityParam(e, ATTR_BASE_POINT_GET, back, 0));
  EXPECT_DOUBLE_EQ(20.0, back[1]);
  double outline[9] = {0, 0, 0, 1, 0, 0, 1, 1, 0};
  ASSERT_EQ(1, EntityParam(e, ATTR_OUTLINE_SET, outline, 3));
  double read[12] = {};
  EXPECT_EQ(3, QkSetupGetOutline(e, read, 4));
  EXPECT_DOUBLE_EQ(1.0, read[7]);

  unsigned char block[QK_ATTR_BLOCK_SIZE + 4];
  std::memset(block, 0xEE, sizeof block);
  ASSERT_EQ(1, GetEntityAttributes(e, block));
  EXPECT_STREQ("T1", reinterpret_cast<char*>(block + QK_ATTR_TEXT));
  EXPECT_EQ(0xEE, block[QK_ATTR_BLOCK_SIZE]) << "the block is exactly its size";
  int slot = 0, flags = 0;
  std::memcpy(block + QK_ATTR_SYMBOL_SLOT, &slot, 4);
  std::memcpy(&flags, block + QK_ATTR_FLAGS, 4);
  flags |= QK_ATTR_FLAG_SYMBOL;
  std::memcpy(block + QK_ATTR_FLAGS, &flags, 4);
  ASSERT_EQ(1, SetEntityAttributes(e, block));
  unsigned char again[QK_ATTR_BLOCK_SIZE];
  ASSERT_EQ(1, GetEntityAttributes(e, again));
  std::memcpy(&flags, again + QK_ATTR_FLAGS, 4);
  EXPECT_EQ(QK_ATTR_FLAG_SYMBOL, flags & QK_ATTR_FLAG_SYMBOL);
  EXPECT_EQ(0, GetEntityAttributes(e + 9, again));
}

TEST_F(Kernel, DocumentsListTheirEntitiesOnceAndRefuseForeignHandles) {
  QkDocument doc = CreateDocument(0, "");
  ASSERT_NE(nullptr, doc);
  QkEntity a = QkSetupCreateEntity(28, "A", "");
  QkEntity b = QkSetupCreateEntity(28, "B", "");
  QkEntity missing = b + 10;
  EXPECT_EQ(1, DocumentQuery(doc, QK_DOC_ADD, &a, 0));
  EXPECT_EQ(1, DocumentQuery(doc, QK_DOC_ADD, &b, 0));
  EXPECT_EQ(1, DocumentQuery(doc, QK_DOC_ADD, &a, 0)) << "adding twice keeps one entry";
  EXPECT_EQ(0, DocumentQuery(doc, QK_DOC_ADD, &missing, 0));
  EXPECT_EQ(0, DocumentQuery(doc, QK_DOC_ADD, nullptr, 0));
  EXPECT_EQ(2, DocumentQuery(doc, QK_DOC_COUNT, nullptr, 0));
  EXPECT_EQ(a, DocumentQuery(doc, QK_DOC_ENTITY_AT, nullptr, 0));
  EXPECT_EQ(b, DocumentQuery(doc, QK_DOC_ENTITY_AT, nullptr, 1));
  EXPECT_EQ(0, DocumentQuery(doc, QK_DOC_ENTITY_AT, nullptr, 2));
  EXPECT_EQ(0, DocumentQuery(doc, 0x99, nullptr, 0));

  int stranger = 0;
  EXPECT_EQ(0, DocumentQuery(&stranger, QK_DOC_COUNT, nullptr, 0));
  DestroyDocument(doc);
  EXPECT_EQ(0, DocumentQuery(doc, QK_DOC_COUNT, nullptr, 0)) << "a destroyed document is gone";
  DestroyDocument(doc);  // twice does no harm
  DestroyDocument(nullptr);
}

TEST_F(Kernel, AnEntityMadeOutsideTheDrawingGoesWithTheFirstDocumentItJoined) {
  QkEntity drawn = QkSetupCreateEntity(28, "M1", "电动机");
  QkEntity loose = CreateEntity(28);
  QkEntity unused = CreateEntity(28);
  QkDocument first = CreateDocument(0, ""), second = CreateDocument(0, "");
  ASSERT_TRUE(first && second);
  for (QkEntity e : {drawn, loose}) ASSERT_EQ(1, DocumentQuery(first, QK_DOC_ADD, &e, 0));
  ASSERT_EQ(1, DocumentQuery(second, QK_DOC_ADD, &loose, 0));
  EXPECT_EQ(3, QkSetupEntityCount());

  DestroyDocument(second);  // not the one that took it
  EXPECT_EQ(28, GetEntityKind(loose));
  DestroyDocument(first);
  EXPECT_EQ(QK_KIND_NONE, GetEntityKind(loose));
  EXPECT_EQ(28, GetEntityKind(drawn)) << "drawing entities only appear in documents";
  EXPECT_EQ(28, GetEntityKind(unused)) << "in no document: stays";
  EXPECT_EQ(2, QkSetupEntityCount());
}

TEST_F(Kernel, LengthsConvertAtTheScaleGivenAndNeverDivideByZero) {
  double one = DeviceLengthToWorld(100.0, 1.0);
  EXPECT_GT(one, 0.0);
  EXPECT_DOUBLE_EQ(one / 2, DeviceLengthToWorld(100.0, 2.0));
  EXPECT_DOUBLE_EQ(one, DeviceLengthToWorld(100.0, 0.0));
  double x = 0, y = 0;
  ASSERT_EQ(1, DeviceToWorld(0, 0, &x, &y, nullptr, 0.25, -0.5, 1.0));
  EXPECT_DOUBLE_EQ(-0.25, x) << "world = device / scale - offset";
  EXPECT_DOUBLE_EQ(0.5, y);
}

}  // namespace
