#include "HostDirectory.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(HostDirectory, IsTheRunningProgramsFolderWithItsTrailingBackslash) {
  CString dir = vjd::annotation::HostExecutableDirectory();
  ASSERT_FALSE(dir.IsEmpty());
  EXPECT_EQ(dir[dir.GetLength() - 1], '\\');
  // The test program itself lies there (not some DLL's folder or the working directory's);
  // VJD_TEST_PROGRAM names the program this case is linked into.
  CString exe = dir + VJD_TEST_PROGRAM ".exe";
  std::FILE* f = std::fopen(exe, "rb");
  EXPECT_NE(f, nullptr) << static_cast<const char*>(exe);
  if (f) std::fclose(f);
}

}  // namespace
