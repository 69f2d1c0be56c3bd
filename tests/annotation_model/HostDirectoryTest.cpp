#include "HostDirectory.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(HostDirectory, IsTheRunningProgramsFolderWithItsTrailingBackslash) {
  CString dir = vjd::annotation::HostExecutableDirectory();
  ASSERT_FALSE(dir.IsEmpty());
  EXPECT_EQ(dir[dir.GetLength() - 1], '\\');
  // The test program itself lies there (not some DLL's folder or the working directory's).
  CString exe = dir + "annotation_model_tests.exe";
  std::FILE* f = std::fopen(exe, "rb");
  EXPECT_NE(f, nullptr) << static_cast<const char*>(exe);
  if (f) std::fclose(f);
}

}  // namespace
