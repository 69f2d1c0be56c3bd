#include "CArray.h"
#include "CStringArray.h"

#include <gtest/gtest.h>

namespace {

TEST(CArrayBasics, AddGrowsAndKeepsOrder) {
  CDWordArray a;
  EXPECT_TRUE(a.IsEmpty());
  for (VjdDword i = 0; i < 1000; ++i) EXPECT_EQ(a.Add(i * 3), static_cast<int>(i));
  EXPECT_EQ(a.GetSize(), 1000);
  EXPECT_EQ(a.GetCount(), 1000);
  EXPECT_EQ(a.GetUpperBound(), 999);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(a[i], static_cast<VjdDword>(i * 3));
  EXPECT_EQ(a.GetData()[999], 2997u);
}

TEST(CArrayBasics, SetSizeDefaultConstructsNewElementsAndDropsTheRest) {
  CStringArray a;
  a.SetSize(3, 16);
  EXPECT_EQ(a.GetSize(), 3);
  EXPECT_TRUE(a[2].IsEmpty());
  a[1] = "中";
  a.SetSize(1);
  a.SetSize(2);
  EXPECT_TRUE(a[1].IsEmpty());  // the old element was destroyed, not revived
  a.RemoveAll();
  EXPECT_EQ(a.GetSize(), 0);
  EXPECT_EQ(a.GetData(), nullptr);
}

TEST(CArrayEdit, InsertAndRemoveShiftTheFollowingElements) {
  CUIntArray a;
  for (unsigned i = 0; i < 5; ++i) a.Add(i);  // 0 1 2 3 4
  a.InsertAt(2, 9, 2);                        // 0 1 9 9 2 3 4
  ASSERT_EQ(a.GetSize(), 7);
  EXPECT_EQ(a[1], 1u);
  EXPECT_EQ(a[2], 9u);
  EXPECT_EQ(a[3], 9u);
  EXPECT_EQ(a[4], 2u);
  a.RemoveAt(0, 3);  // 9 2 3 4
  ASSERT_EQ(a.GetSize(), 4);
  EXPECT_EQ(a[0], 9u);
  EXPECT_EQ(a[3], 4u);
  a.InsertAt(6, 7);  // past the end: the gap is default elements
  ASSERT_EQ(a.GetSize(), 7);
  EXPECT_EQ(a[5], 0u);
  EXPECT_EQ(a[6], 7u);
  a.RemoveAt(6);
  EXPECT_EQ(a.GetSize(), 6);
}

TEST(CArrayEdit, ElementsTakenFromTheArrayItselfSurviveGrowth) {
  CStringArray a;
  a.Add("first");
  for (int i = 0; i < 100; ++i) a.Add(a[0]);  // the argument lives in the block that moves
  EXPECT_EQ(a.GetSize(), 101);
  EXPECT_STREQ(a[100], "first");
  a.InsertAt(0, a[50], 3);
  EXPECT_STREQ(a[2], "first");
  a.InsertAt(1, &a);  // inserting the array into itself
  EXPECT_EQ(a.GetSize(), 208);
  a.SetAtGrow(300, a[0]);
  EXPECT_STREQ(a[300], "first");
  EXPECT_TRUE(a[299].IsEmpty());
}

TEST(CArrayCopy, CopyAndAppendDuplicateElementsAndShareTexts) {
  CStringArray a;
  a.Add("电机");
  a.Add("电缆");
  CStringArray b;
  b.Copy(a);
  EXPECT_EQ(static_cast<const char*>(a[0]), static_cast<const char*>(b[0]));
  b[0] = "开关";
  EXPECT_STREQ(a[0], "电机");
  EXPECT_EQ(b.Append(a), 2);
  EXPECT_EQ(b.GetSize(), 4);
  EXPECT_STREQ(b[2], "电机");
  b.Append(b);
  EXPECT_EQ(b.GetSize(), 8);
  EXPECT_STREQ(b[7], "电缆");
  CStringArray c(b);
  b.RemoveAll();
  EXPECT_STREQ(c[4], "开关");
  c = a;
  EXPECT_EQ(c.GetSize(), 2);
}

TEST(CArrayCopy, FreeExtraKeepsEveryElement) {
  CStringArray a;
  a.SetSize(0, 64);
  for (int i = 0; i < 10; ++i) {
    CString s;
    s.Format("%d", i);
    a.Add(s);
  }
  a.FreeExtra();
  EXPECT_EQ(a.GetSize(), 10);
  EXPECT_STREQ(a[9], "9");
}

}  // namespace
