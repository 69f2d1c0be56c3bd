// What the tests of vjdcfg share: a folder of their own, files as bytes, the tool run in-process,
// and configuration files written the way the configuration window writes them (a grid's cell
// texts read back with ReadSlotColumnText and stored with LabelConfigFile::StoreRecord).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "FileAccess.h"
#include "RecordFile.h"
#include "SymbolLabelConfig.h"
#include "ToolFileSystem.h"

namespace vjdcfg_test {

// A fresh folder under the system's temporary folder, removed with its contents at the end.
// Paths are UTF-8.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  std::string Path(const std::string& name) const;
  std::vector<std::string> Names() const;  // the files in it, sorted

 private:
  std::string dir_;
};

std::string ReadBytes(const std::string& path);  // "" when missing
void WriteBytes(const std::string& path, const std::string& bytes);
using vjdcfg::FileExists;

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};
ToolRun RunTool(const std::vector<std::string>& args, const std::string& input = std::string());
// RunTool({"load", path, "-"}, json) after a dry run of the same load, which must write nothing
// and foretell it: list what `diff` then finds between the file before and after.
ToolRun LoadForetold(const std::string& path, const std::string& json);
// What a run printed, one line each, without its last line (the tally), sorted; and that line.
std::vector<std::string> ListedLines(const std::string& out);
std::string LastLine(const std::string& out);

// One grid row as the window holds it: the texts of columns 1..9 (column 3, the position's
// name, is not read back) and the position code attached to the row.
struct GridRow {
  std::string text, visible, height, width, angle_follows, angle, fore, back;
  int position;
};

// The record the window stores from its grid for `kind` (each cell read back as its model does).
vjd::annotation::SymbolLabelConfig GridRecord(const char* kind, const std::vector<GridRow>& rows);
// The real files seen by the configuration file's own code (LabelConfigFile(CString(), &files)) as
// if `path` (UTF-8) were its file: the paths it asks for, the file's and its journal's, are
// mapped to `path` and `path` + "-journal".
class ConfigFileAt : public vjd::annotation::IRecordFileSystem {
 public:
  explicit ConfigFileAt(const std::string& path, int lock_wait_ms = 5000);
  std::unique_ptr<vjd::annotation::IRecordFile> OpenOrCreate(const CString& path) override;
  bool Exists(const CString& path) override;
  bool Remove(const CString& path) override;
  void SyncFolder(const CString& path) override;

 private:
  CString Real(const CString& asked) const;
  std::string path_;
  vjdcfg::ToolFileSystem files_;
};

// Stores a record into the file at `path` through the configuration file's own StoreRecord, and
// removes a slot through its RemoveLabelSlot.
void WindowStore(const std::string& path, const vjd::annotation::SymbolLabelConfig& record);
void WindowRemoveSlot(const std::string& path, const char* kind, int index);

// The bytes of records, for building damaged files.
std::string Bytes(const vjd::annotation::SymbolLabelConfig& record);

}  // namespace vjdcfg_test
