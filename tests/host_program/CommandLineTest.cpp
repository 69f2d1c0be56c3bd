// The host's two command lines: the program's options, and the typed line that launches the
// plug-in's command under the forms of its translate name.
#include <gtest/gtest.h>

#include "CommandKeywords.h"
#include "HostOptions.h"

namespace {

TEST(CommandLineTest, TypedFormsOfTheTranslateName) {
  host::CommandKeywords keys("标注配置/paraset/ps>");
  EXPECT_EQ(keys.Forms(), (std::vector<std::string>{"标注配置", "paraset", "ps"}));
  EXPECT_TRUE(keys.Matches("ps"));
  EXPECT_TRUE(keys.Matches("  PARASET \r\n"));
  EXPECT_TRUE(keys.Matches("标注配置"));
  EXPECT_FALSE(keys.Matches("p"));
  EXPECT_FALSE(keys.Matches("ps2"));
  EXPECT_FALSE(keys.Matches("paraset/ps"));
  EXPECT_FALSE(keys.Matches(""));
  EXPECT_FALSE(host::CommandKeywords(">").Matches(">"));
  EXPECT_EQ(host::MenuGroupText("供电辅助制图(&D)|%"), "供电辅助制图(&D)");
  EXPECT_EQ(host::MenuGroupText("plain"), "plain");
}

TEST(CommandLineTest, ProgramOptions) {
  host::HostOptions o;
  std::wstring error;
  ASSERT_TRUE(o.Parse({L"--log", L"a.log", L"--launch", L"--select", L"3,12", L"--batch",
                       L"--screenshot", L"s.bmp", L"--exit", L"d.vjd"},
                      error))
      << error.size();
  EXPECT_EQ(o.logFile, L"a.log");
  EXPECT_EQ(o.drawing, L"d.vjd");
  EXPECT_EQ(o.select, (std::vector<int>{3, 12}));
  EXPECT_TRUE(o.launch && o.batch && o.exitAfter);
  EXPECT_EQ(o.screenshot, L"s.bmp");

  for (std::vector<std::wstring> bad :
       std::vector<std::vector<std::wstring>>{{L"--log"},
                                              {L"--select", L"3,,4"},
                                              {L"--select", L"0"},
                                              {L"--select", L"x"},
                                              {L"--frobnicate"},
                                              {L"a.vjd", L"b.vjd"}}) {
    host::HostOptions p;
    EXPECT_FALSE(p.Parse(bad, error)) << bad[0].size();
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
