// The grid's column rules: read-only and choice flags, editor kinds and the flattened option lists.
#include <gtest/gtest.h>

#include "GridColumnRules.h"

namespace {

CStringArray Strings(std::initializer_list<const char*> texts) {
  CStringArray array;
  for (const char* text : texts) array.Add(text);
  return array;
}

std::vector<std::string> OptionsOf(const CStringArray& flat, int column) {
  CStringArray out;
  CGridColumnRules::GetColumnOptions(flat, column, out);
  std::vector<std::string> texts;
  for (int i = 0; i < out.GetSize(); ++i) texts.emplace_back(out[i]);
  return texts;
}

TEST(GridColumnRules, ReadOnlyCountReplacesAllFlagsAndSingleFlagsAddToIt) {
  CGridColumnRules rules;
  EXPECT_EQ(rules.SetReadOnlyColumnCount(1), 0);
  rules.SetColumnReadOnly(9, true);
  for (int column = 0; column < 12; ++column)
    EXPECT_EQ(rules.IsReadOnly(column), column == 0 || column == 9) << column;
  EXPECT_EQ(rules.SetReadOnlyColumnCount(0), 10);  // the size held before
  for (int column = 0; column < 12; ++column) EXPECT_FALSE(rules.IsReadOnly(column));
  rules.SetReadOnlyColumnCount(3);
  rules.SetColumnReadOnly(1, false);
  EXPECT_TRUE(rules.IsReadOnly(0));
  EXPECT_FALSE(rules.IsReadOnly(1));
  EXPECT_TRUE(rules.IsReadOnly(2));
  EXPECT_FALSE(rules.IsReadOnly(-1));
}

// Choice flags stand beside the read-only ones: neither setting touches the other.
TEST(GridColumnRules, ChoiceFlagsAreSetPerColumnApartFromReadOnly) {
  CGridColumnRules rules;
  rules.SetReadOnlyColumnCount(1);
  for (int column : {3, 8, 9}) rules.SetColumnChoice(column, true);
  rules.SetColumnChoice(8, false);
  EXPECT_FALSE(rules.SetColumnChoice(-1, true));
  for (int column = -1; column < 12; ++column) {
    EXPECT_EQ(rules.IsChoice(column), column == 3 || column == 9) << column;
    EXPECT_EQ(rules.IsReadOnly(column), column == 0) << column;
  }
}

TEST(GridColumnRules, CallsOutOfRangeAreRejectedWithoutTouchingTheArrays) {
  CGridColumnRules rules;
  rules.SetReadOnlyColumnCount(2);
  EXPECT_EQ(rules.SetReadOnlyColumnCount(-1), -1);
  EXPECT_FALSE(rules.SetColumnReadOnly(-1, true));
  EXPECT_TRUE(rules.IsReadOnly(1));
  EXPECT_EQ(rules.SetReadOnlyColumnCount(2), 2);  // still the two flags of before

  EXPECT_FALSE(rules.SetColumnEditor(10, EditorComboBox, 10));
  EXPECT_FALSE(rules.SetColumnEditor(-1, EditorComboBox, 10));
  EXPECT_EQ(rules.GetColumnEditor(10, 10), EditorEditBox);
  for (int column = 0; column < 11; ++column)
    EXPECT_EQ(rules.GetColumnEditor(column, 11), EditorEditBox) << column;
}

TEST(GridColumnRules, EditorKindsDefaultToTheEditBox) {
  CGridColumnRules rules;
  EXPECT_EQ(rules.GetColumnEditor(4, 10), EditorEditBox);  // never set
  EXPECT_TRUE(rules.SetColumnEditor(2, EditorComboBox, 10));
  EXPECT_TRUE(rules.SetColumnEditor(6, EditorComboBox, 10));
  for (int column = 0; column < 10; ++column)
    EXPECT_EQ(rules.GetColumnEditor(column, 10),
              column == 2 || column == 6 ? EditorComboBox : EditorEditBox);
  EXPECT_EQ(rules.GetColumnEditor(2, 12), EditorComboBox);  // a new column keeps the others
  EXPECT_EQ(rules.GetColumnEditor(11, 12), EditorEditBox);
}

TEST(GridColumnRules, ReadOnlyColumnsAndCellsOutsideTheGridOpenNoEditor) {
  CGridColumnRules rules;  // as the configuration window sets it up
  rules.SetReadOnlyColumnCount(1);
  for (int column : {3, 8, 9}) rules.SetColumnReadOnly(column, true);
  for (int column : {2, 6}) rules.SetColumnEditor(column, EditorComboBox, 10);
  const struct {
    int row, column, editor;
  } cases[] = {{1, 1, EditorEditBox}, {0, 2, EditorComboBox}, {2, 6, EditorComboBox},
               {1, 7, EditorEditBox}, {1, 0, EditorNone},     {1, 3, EditorNone},
               {1, 8, EditorNone},    {1, 9, EditorNone},     {-1, 1, EditorNone},
               {3, 1, EditorNone},    {1, 10, EditorNone},    {1, -1, EditorNone}};
  for (const auto& c : cases)
    EXPECT_EQ(rules.EditorFor(c.row, c.column, 3, 10), c.editor) << c.row << "," << c.column;
}

TEST(GridColumnRules, OptionsOfAColumnFollowExactlyItsNumberOfSeparators) {
  const CStringArray flat = Strings({"", "", "是", "否", "", "", "", "", "是", "否"});
  using V = std::vector<std::string>;
  EXPECT_EQ(OptionsOf(flat, 2), (V{"是", "否"}));
  EXPECT_EQ(OptionsOf(flat, 6), (V{"是", "否"}));
  for (int column : {0, 1, 3, 4, 5, 7, 8, 9, -1}) EXPECT_TRUE(OptionsOf(flat, column).empty());

  EXPECT_EQ(OptionsOf(Strings({"a", "b", "", "c"}), 0), (V{"a", "b"}));
  EXPECT_EQ(OptionsOf(Strings({"a", "b", "", "c"}), 1), (V{"c"}));

  CGridColumnRules rules;
  CStringArray given = Strings({"", "x"});
  rules.SetColumnOptions(given);
  given.SetAt(1, "changed");  // the rules hold a copy
  EXPECT_EQ(OptionsOf(rules.GetFlatOptions(), 1), (V{"x"}));
}

}  // namespace
