// What the fuzz targets of vjdcfg share: a folder of their own for the files the tool works on,
// the tool run in-process over those files, and files read and written as bytes.  A broken
// invariant aborts (FuzzChecks.h).
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzChecks.h"
#include "Vjdcfg.h"

namespace fuzzkit {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

inline ToolRun Run(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = vjdcfg::Run(args, in, out, err);
  return {status, out.str(), err.str()};
}

inline std::string ReadBytes(const std::string& path) {
  std::string bytes;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  fuzzcheck::Require(f != nullptr);
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
  std::fclose(f);
  return bytes;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  fuzzcheck::Require(f != nullptr);
  fuzzcheck::Require(std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size());
  fuzzcheck::Require(std::fclose(f) == 0);
}

// A fresh folder under the temporary folder for the whole run, removed at exit.
class Folder {
 public:
  Folder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr ? tmp : "/tmp") + "/vjdcfg-fuzz-XXXXXX";
    fuzzcheck::Require(::mkdtemp(&pattern[0]) != nullptr);
    dir_ = pattern;
  }
  ~Folder() {
    for (const std::string& name : Names()) std::remove(Path(name).c_str());
    ::rmdir(dir_.c_str());
  }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    DIR* d = ::opendir(dir_.c_str());
    fuzzcheck::Require(d != nullptr);
    while (const dirent* e = ::readdir(d)) {
      const std::string name = e->d_name;
      if (name != "." && name != "..") names.insert(name);
    }
    ::closedir(d);
    return names;
  }

 private:
  std::string dir_;
};

}  // namespace fuzzkit
