// A host directory of its own for one test: a fresh folder under the system's temporary folder,
// optionally with the "机电数据库" subfolder, removed with everything in it at the end.
#pragma once

#include <string>
#include <vector>

#include "CString.h"

class TempHostDir {
 public:
  explicit TempHostDir(bool with_database_folder = true);
  ~TempHostDir();

  // The directory as LabelConfigFile wants it: ending with a separator.
  CString Directory() const { return CString(dir_.c_str()); }
  // The configuration file's path in the form the C runtime opens.
  std::string ConfigPath() const;

  bool ConfigExists() const;
  std::vector<unsigned char> ReadConfig() const;
  void WriteConfig(const std::vector<unsigned char>& bytes) const;

 private:
  std::string root_;
  std::string dir_;
};
