// The resource scripts of resources/ as the build compiled them to .res files (VJD_RES_DIR, empty
// where this machine has no resource compiler: then the checks are skipped, saying so).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "DialogResource.h"

class CompiledResources : public ::testing::Test {
 protected:
  // Loads resources/<script>.rc compiled; skips the test where nothing could compile it.
  void Load(const char* script) {
    if (std::string(VJD_RES_DIR).empty())
      GTEST_SKIP() << "no resource compiler (mingw-w64 windres) was found when this build was "
                      "configured: the templates are not checked here";
    ASSERT_TRUE(file_.Load(std::string(VJD_RES_DIR) + "/" + script + ".res")) << file_.Error();
  }
  void LoadDialog(const char* script, int id, vjd::test::DialogTemplate& t) {
    Load(script);
    if (IsSkipped()) return;
    ASSERT_TRUE(file_.Dialog(id, t)) << file_.Error();
  }

  vjd::test::ResourceFile file_;
};
