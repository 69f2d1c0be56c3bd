#include "TempHostDir.h"

#include <cstdio>
#include <filesystem>

#include "StdioRecordFileSystem.h"
#include "UniqueTempDir.h"

#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

TempHostDir::TempHostDir(bool with_database_folder) {
  root_ = MakeUniqueTempDir("vjd-host-").string();
  dir_ = root_ + static_cast<char>(fs::path::preferred_separator);
  // The GBK folder name goes to the C runtime as bytes, the way the configuration file opens it.
  if (with_database_folder) {
    std::string folder = dir_ + "机电数据库";
#ifdef _WIN32
    _mkdir(folder.c_str());
#else
    mkdir(folder.c_str(), 0777);
#endif
  }
}

TempHostDir::~TempHostDir() {
  std::error_code ec;
  fs::remove_all(root_, ec);
}

std::string TempHostDir::ConfigPath() const {
  CString path = CString(dir_.c_str()) + "机电数据库\\机电配置.cfg";
  return std::string(vjd::annotation::StdioRecordFileSystem::NativePath(path));
}

bool TempHostDir::ConfigExists() const {
  // Through the C runtime: the GBK path is bytes there, as in the file's own code.
  std::FILE* f = std::fopen(ConfigPath().c_str(), "rb");
  if (f) std::fclose(f);
  return f != nullptr;
}

std::vector<unsigned char> TempHostDir::ReadConfig() const {
  std::vector<unsigned char> bytes;
  std::FILE* f = std::fopen(ConfigPath().c_str(), "rb");
  if (!f) return bytes;
  unsigned char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
  std::fclose(f);
  return bytes;
}

void TempHostDir::WriteConfig(const std::vector<unsigned char>& bytes) const {
  std::FILE* f = std::fopen(ConfigPath().c_str(), "wb");
  if (!f) return;
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}
