#include "CString.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char* Ptr(const CString& s) {
  return static_cast<const char*>(s);
}

TEST(CStringSharing, CopyAndAssignmentShareOneBufferUntilEitherChanges) {
  CString a("变压器");
  CString b(a);
  CString c;
  c = b;
  EXPECT_EQ(Ptr(a), Ptr(b));
  EXPECT_EQ(Ptr(a), Ptr(c));

  b += "A";  // b gets its own buffer; a and c keep theirs
  EXPECT_NE(Ptr(a), Ptr(b));
  EXPECT_EQ(Ptr(a), Ptr(c));
  EXPECT_STREQ(Ptr(a), "变压器");
  EXPECT_STREQ(Ptr(b), "变压器A");

  c.SetAt(0, 'x');
  EXPECT_STREQ(Ptr(a), "变压器");
  EXPECT_EQ(c.GetAt(0), 'x');

  char* buf = a.GetBuffer(0);  // no copy left, so a's buffer is its own
  buf[0] = 'y';
  a.ReleaseBuffer();
  EXPECT_EQ(b.GetAt(0), "变"[0]);
}

TEST(CStringSharing, SelfAssignmentAndSelfAppendKeepTheText) {
  CString a("ab");
  a = a;
  EXPECT_STREQ(Ptr(a), "ab");
  a += a;
  EXPECT_STREQ(Ptr(a), "abab");
  a = Ptr(a) + 1;  // assignment from a pointer into its own buffer
  EXPECT_STREQ(Ptr(a), "bab");
  a += Ptr(a);
  EXPECT_STREQ(Ptr(a), "babbab");
  for (int i = 0; i < 200; ++i) a += 'z';  // growing in place while shared copies exist
  CString snapshot(a);
  a += "!";
  EXPECT_EQ(snapshot.GetLength(), 206);
  EXPECT_EQ(a.GetLength(), 207);
}

TEST(CStringSharing, EmptyStringsOwnNoBufferAndAreAlwaysTerminated) {
  CString a, b(""), c(static_cast<const char*>(nullptr)), d("x", 0), e('q', 0);
  for (const CString* s : {&a, &b, &c, &d, &e}) {
    EXPECT_TRUE(s->IsEmpty());
    EXPECT_EQ(s->GetLength(), 0);
    EXPECT_STREQ(Ptr(*s), "");
  }
  CString f("abc");
  f.Empty();
  EXPECT_TRUE(f.IsEmpty());
  EXPECT_STREQ(Ptr(f), "");
}

TEST(CStringText, CountedConstructorKeepsExactlyTheBytesGiven) {
  const char raw[] = {'a', 'b', 'c', 'd'};  // not terminated
  CString s(raw, 3);
  EXPECT_EQ(s.GetLength(), 3);
  EXPECT_STREQ(Ptr(s), "abc");
  EXPECT_STREQ(Ptr(CString('-', 3)), "---");
}

TEST(CStringText, SubstringsClampCountsAndPositions) {
  CString s("0123456789");
  EXPECT_STREQ(Ptr(s.Left(3)), "012");
  EXPECT_STREQ(Ptr(s.Left(-1)), "");
  EXPECT_STREQ(Ptr(s.Left(99)), "0123456789");
  EXPECT_STREQ(Ptr(s.Mid(7)), "789");
  EXPECT_STREQ(Ptr(s.Mid(-3, 2)), "01");
  EXPECT_STREQ(Ptr(s.Mid(8, 99)), "89");
  EXPECT_STREQ(Ptr(s.Mid(20, 2)), "");
  EXPECT_STREQ(Ptr(s.Mid(2, -1)), "");
  EXPECT_STREQ(Ptr(s.Right(2)), "89");
  EXPECT_STREQ(Ptr(s.Right(99)), "0123456789");
  EXPECT_STREQ(Ptr(s.Right(-5)), "");
  EXPECT_EQ(s.GetAt(10), '\0');  // outside the text: no read past it
  EXPECT_EQ(s.GetAt(-1), '\0');
}

TEST(CStringText, FindReportsPositionsOrMinusOne) {
  CString s("a.b.c");
  EXPECT_EQ(s.Find('.'), 1);
  EXPECT_EQ(s.Find('.', 2), 3);
  EXPECT_EQ(s.Find('.', 4), -1);
  EXPECT_EQ(s.Find('.', 50), -1);
  EXPECT_EQ(s.Find("b.c"), 2);
  EXPECT_EQ(s.Find("b.c", 3), -1);
  EXPECT_EQ(s.Find("zz"), -1);
  EXPECT_EQ(s.ReverseFind('.'), 3);
  EXPECT_EQ(s.ReverseFind('x'), -1);
  EXPECT_EQ(CString().Find('a'), -1);
  CString path("C:\\宿主\\Host.exe");
  EXPECT_STREQ(Ptr(path.Left(path.ReverseFind('\\') + 1)), "C:\\宿主\\");
}

TEST(CStringText, TrimRemovesAsciiWhitespaceOnly) {
  CString s(" \t 电缆 \r\n");
  CString shared(s);
  s.TrimLeft();
  EXPECT_STREQ(Ptr(s), "电缆 \r\n");
  s.TrimRight();
  EXPECT_STREQ(Ptr(s), "电缆");
  EXPECT_STREQ(Ptr(shared), " \t 电缆 \r\n");
  CString zeros("0.500");
  zeros.TrimRight('0');
  EXPECT_STREQ(Ptr(zeros), "0.5");
  CString blank("   ");
  blank.Trim();
  EXPECT_TRUE(blank.IsEmpty());
}

TEST(CStringText, ComparisonIsByteForByteWithGbkAboveAscii) {
  CString a("abc"), b("abd"), g("宋体");
  EXPECT_LT(a.Compare("abd"), 0);
  EXPECT_EQ(a.Compare("abc"), 0);
  EXPECT_TRUE(a < b);
  EXPECT_TRUE(a < g);  // 0xCB > 'a': bytes compare unsigned
  EXPECT_TRUE(a == "abc");
  EXPECT_TRUE("abc" == a);
  EXPECT_TRUE(a != "ABC");
  EXPECT_EQ(a.CompareNoCase("ABC"), 0);
  EXPECT_TRUE(a <= "abc" && a >= "abc" && b > a && "abd" > a);
  EXPECT_TRUE(a == CString("abc"));
  EXPECT_GT(a.Compare(nullptr), 0);
}

TEST(CStringText, CaseChangesLeaveGbkCharactersAlone) {
  // "\xB0\x61" is a GBK character whose second byte is 'a'.
  CString s("ab\xB0\x61z");
  s.MakeUpper();
  EXPECT_STREQ(Ptr(s), "AB\xB0\x61Z");
  s.MakeLower();
  EXPECT_STREQ(Ptr(s), "ab\xB0\x61z");
}

TEST(CStringText, ConcatenationInsertDeleteReplace) {
  CString a("电");
  EXPECT_STREQ(Ptr(a + "机"), "电机");
  EXPECT_STREQ(Ptr("高压" + a), "高压电");
  EXPECT_STREQ(Ptr(a + CString("缆")), "电缆");
  EXPECT_STREQ(Ptr(a + 'x'), "电x");
  EXPECT_STREQ(Ptr('x' + a), "x电");
  CString s("ac");
  EXPECT_EQ(s.Insert(1, "b"), 3);
  EXPECT_STREQ(Ptr(s), "abc");
  EXPECT_EQ(s.Insert(99, "d"), 4);
  EXPECT_EQ(s.Delete(1, 2), 2);
  EXPECT_STREQ(Ptr(s), "ad");
  EXPECT_EQ(s.Delete(1, 99), 1);
  CString r("a-b-c");
  EXPECT_EQ(r.Replace("-", "--"), 2);
  EXPECT_STREQ(Ptr(r), "a--b--c");
  EXPECT_EQ(r.Replace("", "x"), 0);
}

TEST(CStringFormat, FormatsLikePrintfAndReplacesTheText) {
  CString s("old");
  s.Format("%ld|%s|%.3f", -16777216L, "宋体", 0.5);
  EXPECT_STREQ(Ptr(s), "-16777216|宋体|0.500");
  CString big;
  big.Format("%0500d", 7);
  EXPECT_EQ(big.GetLength(), 500);
  EXPECT_EQ(big.GetAt(499), '7');
  big.Format("%s", "");
  EXPECT_TRUE(big.IsEmpty());
}

TEST(CStringBuffer, WrittenBufferBecomesTheTextAfterRelease) {
  CString s;
  char* p = s.GetBuffer(99);
  std::strcpy(p, "机电配置");
  s.ReleaseBuffer();
  EXPECT_STREQ(Ptr(s), "机电配置");
  EXPECT_EQ(s.GetLength(), static_cast<int>(std::strlen("机电配置")));

  p = s.GetBuffer(0);
  s.ReleaseBuffer(2);
  EXPECT_EQ(s.GetLength(), 2);
  EXPECT_EQ(p[2], '\0');

  CString t("abc");
  CString other(t);
  std::memcpy(t.GetBufferSetLength(5), "vwxyz", 5);
  EXPECT_STREQ(Ptr(t), "vwxyz");
  EXPECT_STREQ(Ptr(other), "abc");
  // A length beyond the buffer is cut to it instead of writing past it.
  t.GetBuffer(0);
  t.ReleaseBuffer(1000);
  EXPECT_EQ(t.GetLength(), 5);
}

}  // namespace
