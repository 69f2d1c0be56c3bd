// The build stores every string literal as GBK bytes, and Windows programs run with code page 936,
// so texts read from files, shown in windows and passed to the host all agree.
#include <gtest/gtest.h>

#include <cstring>
#ifdef _WIN32
#include <windows.h>
#endif

TEST(Toolchain, LiteralsAreGbkBytes) {
  const char text[] = "标注配置";
  const unsigned char expected[] = {0xB1, 0xEA, 0xD7, 0xA2, 0xC5, 0xE4, 0xD6, 0xC3};
  ASSERT_EQ(sizeof(text) - 1, sizeof(expected));
  EXPECT_EQ(0, std::memcmp(text, expected, sizeof(expected)));
}

#ifdef _WIN32
TEST(Toolchain, ProcessRunsUnderCodePage936) {
  EXPECT_EQ(936u, GetACP());
  wchar_t wide[8] = {};
  ASSERT_EQ(5, MultiByteToWideChar(CP_ACP, 0, "标注配置", -1, wide, 8));
  EXPECT_EQ(0x6807, wide[0]);  // 标
  EXPECT_EQ(0x7F6E, wide[3]);  // 置
}
#endif
