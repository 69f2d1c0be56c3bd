// race_writer: one of two programs storing into one configuration file at the same moment, for
// the test of two writers (two_writers.sh).  Round j of writer TAG stores the kind that every
// writer shares, "共用", and a new kind of its own, "TAG-j", both with the label text "TAG:j":
//   race_writer window FILE TAG N        N rounds through the window's store (LabelConfigFile over
//                                        the real files), FILE being the configuration file
//   race_writer vjdcfg FILE TAG N        N rounds, each one vjdcfg load (run in-process)
//   race_writer documents TAG N PER   the JSON of rounds 0 .. N-1, PER rounds a document, as
//                                        the files doc-TAG-FIRST.json, for the vjdcfg program
//   race_writer verify FILE N TAG...     every kind of every writer once with its last value, the
//                                        shared kind once with the last value of one writer, and
//                                        vjdcfg check (run in-process) finds the file clean
// FILE is a path the C runtime opens as it is (the race runs in its folder: a plain name).
// Exit status 0 when all went well; what went wrong is printed.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ConfigJson.h"
#include "GbkText.h"
#include "LabelConfigFile.h"
#include "Vjdcfg.h"
#include "VjdcfgTestKit.h"

using namespace vjd::annotation;

namespace {

const char kShared[] = "共用";  // GBK

std::string Value(const std::string& tag, long j) {
  return tag + ":" + std::to_string(j);
}

vjdcfg::Json KindJson(const std::string& utf8_name, const std::string& text) {
  vjdcfg::Json slot = {{"text", text},    {"visible", true}, {"position", 0},
                       {"height", 0.003}, {"width", 0.0015}, {"angle_follows", true},
                       {"angle", 0.0},    {"fore_color", 0}, {"back_color", 0}};
  return {{"kind", utf8_name}, {"count", 1}, {"slots", vjdcfg::Json::array({slot})}};
}

std::string Document(const std::string& tag, long first, long n) {
  vjdcfg::Json kinds = vjdcfg::Json::array();
  for (long j = first; j < first + n; ++j)
    kinds.push_back(KindJson(tag + "-" + std::to_string(j), Value(tag, j)));
  kinds.push_back(KindJson(u8"共用", Value(tag, first + n - 1)));
  return vjdcfg::Json{{"kinds", kinds}}.dump();
}

int Window(const std::string& file, const std::string& tag, long n) {
  vjdcfg_test::ConfigFileAt files(file);
  LabelConfigFile config(CString(), &files);
  for (long j = 0; j < n; ++j) {
    for (const std::string& name : {std::string(kShared), tag + "-" + std::to_string(j)}) {
      const FileStatus stored = config.StoreRecord(vjdcfg_test::GridRecord(
          name.c_str(), {{Value(tag, j), "是", "", "", "是", "", "", "", 0}}));
      if (!stored.ok()) {
        std::cerr << "round " << j << ": " << stored.ToString() << "\n";
        return 1;
      }
    }
  }
  return 0;
}

int Vjdcfg(const std::string& file, const std::string& tag, long n) {
  for (long j = 0; j < n; ++j) {
    std::istringstream in(Document(tag, j, 1));
    std::ostringstream out, err;
    if (vjdcfg::Run({"--wait", "30", "load", file, "-"}, in, out, err) != 0) {
      std::cerr << "round " << j << ": " << err.str();
      return 1;
    }
  }
  return 0;
}

int Verify(const std::string& file, long n, const std::vector<std::string>& tags) {
  const std::string bytes = vjdcfg_test::ReadBytes(file);
  std::map<std::string, std::vector<std::string>> texts;  // kind -> the texts of its records
  for (std::size_t at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize) {
    SymbolLabelConfig r;
    std::memcpy(&r, bytes.data() + at, kRecordSize);
    texts[gbk::FromBuffer(r.szSymbolName, kNameFieldSize)].push_back(
        gbk::FromBuffer(r.szText[0], kNameFieldSize));
  }
  int wrong = 0;
  auto expect = [&wrong](bool holds, const std::string& what) {
    if (!holds && ++wrong <= 20) std::cerr << what << "\n";
  };
  expect(bytes.size() % kRecordSize == 0, "the file ends in a partial record");
  std::size_t records = bytes.size() / kRecordSize;
  expect(records == 1 + tags.size() * static_cast<std::size_t>(n),
         std::to_string(records) + " records, not " + std::to_string(1 + tags.size() * n));
  for (const std::string& tag : tags) {
    for (long j = 0; j < n; ++j) {
      const std::string kind = tag + "-" + std::to_string(j);
      const auto& found = texts[kind];
      expect(found.size() == 1, kind + ": " + std::to_string(found.size()) + " records");
      expect(found.empty() || found[0] == Value(tag, j), kind + ": not its last value");
    }
  }
  const auto& shared = texts[kShared];
  expect(shared.size() == 1, "the shared kind: " + std::to_string(shared.size()) + " records");
  bool last = false;
  for (const std::string& tag : tags)
    last = last || (!shared.empty() && shared[0] == Value(tag, n - 1));
  expect(last, "the shared kind holds no writer's last value");
  std::istringstream no_input;
  std::ostringstream out, err;
  expect(vjdcfg::Run({"check", file}, no_input, out, err) == 0, "vjdcfg check: " + out.str());
  if (wrong > 0) std::cerr << wrong << " thing(s) wrong\n";
  return wrong == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> a(argv + 1, argv + argc);
  if (a.size() == 4 && a[0] == "window") return Window(a[1], a[2], std::atol(a[3].c_str()));
  if (a.size() == 4 && a[0] == "vjdcfg") return Vjdcfg(a[1], a[2], std::atol(a[3].c_str()));
  if (a.size() == 4 && a[0] == "documents") {
    const long n = std::atol(a[2].c_str()), per = std::atol(a[3].c_str());
    for (long first = 0; per > 0 && first < n; first += per) {
      std::FILE* f =
          std::fopen(("doc-" + a[1] + "-" + std::to_string(first) + ".json").c_str(), "wb");
      const std::string json = Document(a[1], first, first + per < n ? per : n - first);
      if (f == nullptr || std::fwrite(json.data(), 1, json.size(), f) != json.size() ||
          std::fclose(f) != 0) {
        return 1;
      }
    }
    return 0;
  }
  if (a.size() >= 4 && a[0] == "verify") {
    return Verify(a[1], std::atol(a[2].c_str()), std::vector<std::string>(a.begin() + 3, a.end()));
  }
  std::cerr << "usage: race_writer window|vjdcfg FILE TAG N | documents TAG N PER | "
               "verify FILE N TAG...\n";
  return 2;
}
