// A fresh folder under the system's temporary folder for one test: its name starts with `stem`
// and is unique in the process and over time.  Header-only; the caller removes it.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

inline std::filesystem::path MakeUniqueTempDir(const std::string& stem) {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() /
      (stem + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(dir);
  return dir;
}
