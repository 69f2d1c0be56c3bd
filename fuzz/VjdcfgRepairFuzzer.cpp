// libFuzzer target: vjdcfg check and repair over arbitrary file contents.  Checked: check runs
// (status 0 or 1), and so do list and dump; repair's copy passes check, and repairing it again
// gives the same bytes; a file that check calls clean comes out of repair byte for byte; the copy
// goes through dump and load into an empty file and dumps back the same; the input is never
// changed and no other file is left.
#include <cstddef>
#include <cstdint>
#include <string>

#include "VjdcfgFuzzKit.h"

using fuzzcheck::Require;
using fuzzkit::ReadBytes;
using fuzzkit::Run;
using fuzzkit::WriteBytes;

namespace {

struct Fixture {
  fuzzkit::Folder folder;
  std::string in = folder.Path("in.cfg");
  std::string out = folder.Path("out.cfg");
  std::string again = folder.Path("again.cfg");
  std::string loaded = folder.Path("loaded.cfg");
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Fixture f;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  WriteBytes(f.in, bytes);
  for (const std::string* path : {&f.out, &f.again, &f.loaded}) WriteBytes(*path, "");

  const int checked = Run({"check", f.in}).status;
  Require(checked == 0 || checked == 1);
  Require(Run({"list", f.in}).status == 0);
  Require(Run({"dump", f.in}).status == 0);
  Require(Run({"repair", f.in, "-o", f.out}).status == 0);
  const std::string clean = ReadBytes(f.out);
  Require(Run({"check", f.out}).status == 0);
  if (checked == 0) Require(clean == bytes);
  Require(Run({"repair", f.out, "-o", f.again}).status == 0);
  Require(ReadBytes(f.again) == clean);
  const fuzzkit::ToolRun dump = Run({"dump", f.out});
  Require(dump.status == 0);
  Require(Run({"load", f.loaded, "-"}, dump.out).status == 0);
  Require(Run({"dump", f.loaded}).out == dump.out);
  Require(ReadBytes(f.in) == bytes);
  Require(f.folder.Names().size() == 4);
  return 0;
}
