// The new contents of a file, written to a temporary file beside it and put in its place in one
// step, so the file is either as it was or wholly new - never half written.  Dropped without a
// successful Commit(), the temporary file is removed and the target was never touched.
//
// It is also the file system under a LabelConfigFile that stores into the new contents: every
// file it hands out is the temporary file, rewound to its start, whatever path is asked for;
// closing what it hands out flushes the file and leaves it open for the next operation.
#pragma once

#include <cstdio>
#include <string>

#include "RecordFile.h"

namespace vjdcfg {

class ReplacementFile : public vjd::annotation::IRecordFileSystem {
 public:
  explicit ReplacementFile(std::string target);
  ~ReplacementFile() override;
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // Creates the temporary file with `bytes` as its contents.  False, with `error`, when it cannot.
  bool Create(const std::string& bytes, std::string& error);

  std::unique_ptr<vjd::annotation::IRecordFile> OpenOrCreate(const CString& path) override;

  // Flushes the temporary file to the disk and renames it over the target.
  bool Commit(std::string& error);

 private:
  void Discard();

  std::string target_;
  std::string temp_;
  std::FILE* file_ = nullptr;
};

}  // namespace vjdcfg
