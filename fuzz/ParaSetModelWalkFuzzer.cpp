// The configuration window's model against its reference (tests/paraset_model/ModelWalk.h) over
// any sequence of actions: the input's bytes, four to an action.  A difference prints what the
// walk did and what differed, and aborts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ModelWalk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  paraset_test::ModelWalk walk;
  std::string what;
  if (walk.Run(paraset_test::DecodeWalk(data, size), &what) < 0) return 0;
  for (const std::string& line : walk.transcript) std::fprintf(stderr, "  %s\n", line.c_str());
  std::fprintf(stderr, "%s\n", what.c_str());
  std::abort();
}
