// The plug-in as a host loads it: LoadLibrary, then every export by name and by ordinal, the
// exact bytes of its texts and its constant answers; and its version resource as Windows reads
// it (the file's properties).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "WinApp.h"

namespace {

using TextFn = void(WINAPI*)(char*);
using IntFn = int(WINAPI*)();
using SetFn = void(WINAPI*)(int);
using PtrFn = void*(WINAPI*)();

const char* const kExports[13] = {
    "GetCommandName", "LaunchCommand",           "AttachPoMap",   "SetPoAction", "SetPoStatus",
    "MouseStatus",    "GetCommandTranslateName", "GetGroupName",  "GetTheApp",   "SetPoUserCmdID",
    "GetBmp",         "GetToolBarName",          "GetCommandType"};

class PluginExports : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { s_module = LoadLibraryA("VellJDParaSetting.dll"); }
  static void TearDownTestSuite() {
    if (s_module) FreeLibrary(s_module);
    s_module = nullptr;
  }
  void SetUp() override { ASSERT_NE(nullptr, s_module) << "VellJDParaSetting.dll did not load"; }

  template <typename Fn>
  static Fn Get(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(s_module, name)));
  }

  // Calls a text export on a 64-byte buffer filled with 0xCC and answers the buffer.
  static std::string Text(const char* name, size_t* written = nullptr) {
    char buffer[64];
    std::memset(buffer, 0xCC, sizeof buffer);
    Get<TextFn>(name)(buffer);
    size_t used = 0;
    while (used < sizeof buffer && static_cast<unsigned char>(buffer[used]) != 0xCC) ++used;
    if (written) *written = used;
    return std::string(buffer, used);
  }

  static HMODULE s_module;
};

HMODULE PluginExports::s_module = nullptr;

TEST_F(PluginExports, EveryExportIsFoundByNameAndByItsOrdinal) {
  for (int i = 0; i < 13; ++i) {
    FARPROC byName = GetProcAddress(s_module, kExports[i]);
    FARPROC byOrdinal = GetProcAddress(s_module, MAKEINTRESOURCEA(i + 1));
    EXPECT_NE(nullptr, byName) << kExports[i];
    EXPECT_EQ(byName, byOrdinal) << kExports[i] << " is not at ordinal " << i + 1;
  }
}

TEST_F(PluginExports, TextsAreExactGbkBytesWithOneTerminatorAndNothingBeyond) {
  // The bytes are spelled out so that a change of the source's encoding shows here.
  const std::string name("\xB1\xEA\xD7\xA2\xC5\xE4\xD6\xC3(&S)\0", 13);
  const std::string translate("\xB1\xEA\xD7\xA2\xC5\xE4\xD6\xC3/paraset/ps>\0", 21);
  const std::string group("\xB9\xA9\xB5\xE7\xB8\xA8\xD6\xFA\xD6\xC6\xCD\xBC(&D)|%\0", 19);
  EXPECT_EQ(name, Text("GetCommandName"));
  EXPECT_EQ(translate, Text("GetCommandTranslateName"));
  EXPECT_EQ(group, Text("GetGroupName"));
  EXPECT_EQ(std::string(1, '\0'), Text("GetToolBarName"));
  // The longest text and its terminator fit the host's 21-byte buffer.
  size_t longest = 0;
  for (const char* fn :
       {"GetCommandName", "GetCommandTranslateName", "GetGroupName", "GetToolBarName"}) {
    size_t written = 0;
    Text(fn, &written);
    longest = written > longest ? written : longest;
  }
  EXPECT_EQ(21u, longest);
}

TEST_F(PluginExports, ConstantsDoNotDependOnAnythingSetBefore) {
  auto bmp = Get<IntFn>("GetBmp");
  auto type = Get<IntFn>("GetCommandType");
  auto app = Get<PtrFn>("GetTheApp");
  void* first = app();
  EXPECT_NE(nullptr, first);
  for (int value : {0, 1, -1, 4, 0x7FFFFFFF}) {
    Get<SetFn>("SetPoAction")(value);
    Get<SetFn>("SetPoStatus")(value);
    Get<SetFn>("SetPoUserCmdID")(value);
    EXPECT_EQ(0, bmp());
    EXPECT_EQ(4, type());
    EXPECT_EQ(first, app()) << "one application object per loaded library";
    EXPECT_EQ(std::string(1, '\0'), Text("GetToolBarName"));
  }
}

TEST_F(PluginExports, TheApplicationIsNamedAfterTheModule) {
  // The application object passes no name: its message boxes carry the module's.
  auto* app = static_cast<CWinApp*>(Get<PtrFn>("GetTheApp")());
  ASSERT_NE(nullptr, app);
  EXPECT_STREQ("VellJDParaSetting", app->m_pszAppName);
}

// What Windows shows under the file's properties: the build's version, in the fixed part and in
// the Chinese (PRC) string table, with the command's name as the description.
TEST_F(PluginExports, VersionResourceGivesTheBuildsVersionAndDescription) {
  char path[MAX_PATH] = "";
  ASSERT_GT(GetModuleFileNameA(s_module, path, sizeof path), 0u);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  ASSERT_GT(size, 0u) << "no version resource in " << path;
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  char version[32];
  std::snprintf(version, sizeof version, "%u.%u.%u", unsigned{HIWORD(fixed->dwFileVersionMS)},
                unsigned{LOWORD(fixed->dwFileVersionMS)}, unsigned{HIWORD(fixed->dwFileVersionLS)});
  EXPECT_EQ(std::string(VJD_VERSION), version);
  EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
  EXPECT_EQ(0u, LOWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(static_cast<DWORD>(VFT_DLL), fixed->dwFileType);

  struct Translation {
    WORD language, codePage;
  }* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, sizeof(Translation));
  EXPECT_EQ(0x0804, translation->language);  // Chinese (PRC)
  auto value = [&](const char* name) {
    char query[128];
    std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translation->language,
                  translation->codePage, name);
    char* text = nullptr;
    UINT chars = 0;
    if (!VerQueryValueA(block.data(), query, reinterpret_cast<void**>(&text), &chars) || !text)
      return std::string("<none>");
    return std::string(text);  // the ANSI query answers in the code page, GBK here
  };
  EXPECT_EQ("\xB1\xEA\xD7\xA2\xC5\xE4\xD6\xC3", value("FileDescription"));  // 标注配置
  EXPECT_EQ(VJD_VERSION, value("FileVersion"));
  EXPECT_EQ(VJD_VERSION, value("ProductVersion"));
  EXPECT_EQ("VellJDParaSetting.dll", value("OriginalFilename"));
}

}  // namespace
