#include "VjdcfgTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "FileAccess.h"
#include "LabelConfigFile.h"
#include "UniqueTempDir.h"
#include "Vjdcfg.h"

namespace fs = std::filesystem;
using namespace vjd::annotation;

namespace vjdcfg_test {

TempDir::TempDir() {
  dir_ = MakeUniqueTempDir("vjdcfg-test-").u8string();
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(fs::u8path(dir_), ec);
}

std::string TempDir::Path(const std::string& name) const {
  return (fs::u8path(dir_) / fs::u8path(name)).u8string();
}

std::vector<std::string> TempDir::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::u8path(dir_))) {
    names.push_back(entry.path().filename().u8string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadBytes(const std::string& path) {
  std::string bytes;
  std::FILE* f = vjdcfg::OpenPath(path, "rb");
  if (f == nullptr) return bytes;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
  std::fclose(f);
  return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::FILE* f = vjdcfg::OpenPath(path, "wb");
  if (f == nullptr) return;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

ToolRun RunTool(const std::vector<std::string>& args, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  int status = vjdcfg::Run(args, in, out, err);
  return {status, out.str(), err.str()};
}

ToolRun LoadForetold(const std::string& path, const std::string& json) {
  const bool existed = vjdcfg::FileExists(path);
  const std::string before = ReadBytes(path);
  ToolRun dry = RunTool({"load", "--dry-run", path, "-"}, json);
  EXPECT_EQ(dry.status, 0) << dry.err;
  EXPECT_EQ(vjdcfg::FileExists(path), existed);
  EXPECT_TRUE(ReadBytes(path) == before);
  ToolRun load = RunTool({"load", path, "-"}, json);
  if (load.status != 0) return load;
  ToolRun diff = RunTool({"diff", "-", path}, before);
  EXPECT_EQ(ListedLines(diff.out), ListedLines(dry.out));
  return load;
}

std::string LastLine(const std::string& out) {
  return out.substr(out.rfind('\n', out.size() - 2) + 1);
}

std::vector<std::string> ListedLines(const std::string& out) {
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  if (!lines.empty()) lines.pop_back();
  std::sort(lines.begin(), lines.end());
  return lines;
}

SymbolLabelConfig GridRecord(const char* kind, const std::vector<GridRow>& rows) {
  SymbolLabelConfig record;
  InitRecord(record);
  SetSymbolName(record, kind);
  const int n = std::min(static_cast<int>(rows.size()), kMaxLabelSlots);
  record.nLabelCount = n;
  for (int i = 0; i < n; ++i) {
    const GridRow& row = rows[static_cast<std::size_t>(i)];
    ReadSlotColumnText(record, i, kColumnText, row.text.c_str());
    ReadSlotColumnText(record, i, kColumnVisible, row.visible.c_str());
    ReadSlotColumnText(record, i, kColumnHeight, row.height.c_str());
    ReadSlotColumnText(record, i, kColumnWidth, row.width.c_str());
    ReadSlotColumnText(record, i, kColumnAngleFollows, row.angle_follows.c_str());
    ReadSlotColumnText(record, i, kColumnAngle, row.angle.c_str());
    ReadSlotColumnText(record, i, kColumnForeColor, row.fore.c_str());
    ReadSlotColumnText(record, i, kColumnBackColor, row.back.c_str());
    SetSlotPosition(record, i, row.position);
  }
  return record;
}

ConfigFileAt::ConfigFileAt(const std::string& path, int lock_wait_ms)
    : path_(path), files_(lock_wait_ms) {}

CString ConfigFileAt::Real(const CString& asked) const {
  const std::size_t own = std::strlen(LabelConfigFile::kRelativePath);
  const std::string path(asked);
  return (path_ + (path.size() > own ? path.substr(own) : std::string())).c_str();
}

std::unique_ptr<IRecordFile> ConfigFileAt::OpenOrCreate(const CString& path) {
  return files_.OpenOrCreate(Real(path));
}

bool ConfigFileAt::Exists(const CString& path) {
  return files_.Exists(Real(path));
}

bool ConfigFileAt::Remove(const CString& path) {
  return files_.Remove(Real(path));
}

void ConfigFileAt::SyncFolder(const CString& path) {
  files_.SyncFolder(Real(path));
}

void WindowStore(const std::string& path, const SymbolLabelConfig& record) {
  ConfigFileAt files(path);
  LabelConfigFile(CString(), &files).StoreRecord(record);
}

void WindowRemoveSlot(const std::string& path, const char* kind, int index) {
  ConfigFileAt files(path);
  LabelConfigFile(CString(), &files).RemoveLabelSlot(kind, index);
}

std::string Bytes(const SymbolLabelConfig& record) {
  return std::string(reinterpret_cast<const char*>(&record), kRecordSize);
}

}  // namespace vjdcfg_test
