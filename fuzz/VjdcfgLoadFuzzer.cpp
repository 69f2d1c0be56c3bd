// libFuzzer target: vjdcfg load over arbitrary documents, into a clean file of two kinds.
// Checked: a refused document (status 1) leaves the file byte for byte and no other file in its
// folder; an accepted one (status 0) leaves a file that check calls clean, in which each kind of
// the document is stored with the fields it gives (read from the document apart from the tool's
// own checks), the other records untouched; and that file's dump loads into an empty file as the
// same bytes and dumps back the same.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>

#include "ConfigJson.h"
#include "GbkConverter.h"
#include "GbkText.h"
#include "VjdcfgFuzzKit.h"

using fuzzcheck::Require;
using fuzzkit::ReadBytes;
using fuzzkit::Run;
using fuzzkit::WriteBytes;
using namespace vjd::annotation;

namespace {

const char kBase[] = R"({"kinds": [
  {"kind": "a", "count": 1, "slots": [{"text": "x", "visible": true, "position": 8,
    "height": 0.003, "width": 0.0015, "angle_follows": true, "angle": 0.0, "fore_color": 0,
    "back_color": 0}]},
  {"kind": "高压开关", "count": 0, "slots": []}]})";

struct Fixture {
  fuzzkit::Folder folder;
  std::string file = folder.Path("file.cfg");
  std::string copy = folder.Path("copy.cfg");
  std::string base;
  Fixture() {
    Require(Run({"load", file, "-"}, kBase).status == 0);
    base = ReadBytes(file);
  }
};

double Real(const vjdcfg::Json& value) {
  // A number with a minus sign and no fraction reads as a signed integer: "-0" is -0.0.
  if (value.is_number_integer() && !value.is_number_unsigned() && value.get<long long>() == 0) {
    return -0.0;
  }
  return value.get<double>();
}

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string Gbk(const vjdcfg::Json& text) {
  std::string gbk;
  Require(vjdcfg::Utf8ToGbk(text.get<std::string>(), gbk));
  return gbk;
}

// Each kind of the accepted document is in `bytes` as the document gives it.
void RequireStoredAsGiven(const vjdcfg::Json& doc, const std::string& base,
                          const std::string& bytes) {
  std::map<std::string, std::size_t> first;  // name -> record
  for (std::size_t k = 0; k < bytes.size() / kRecordSize; ++k) {
    first.emplace(gbk::FromBuffer(&bytes[k * kRecordSize], kNameFieldSize), k);
  }
  SymbolLabelConfig initial;
  InitRecord(initial);
  std::size_t added = 0;
  std::map<std::size_t, bool> given;
  for (const vjdcfg::Json& kind : doc.at("kinds")) {
    const std::string name = Gbk(kind.at("kind"));
    const auto it = first.find(name);
    Require(it != first.end());
    given[it->second] = true;
    if (it->second * kRecordSize >= base.size()) ++added;
    SymbolLabelConfig r;
    std::memcpy(&r, &bytes[it->second * kRecordSize], kRecordSize);
    const int count = kind.at("count").get<int>();
    Require(r.nLabelCount == count);
    for (int i = 0; i < kMaxLabelSlots; ++i) {
      Require(gbk::FromBuffer(r.szFont[i], kFontFieldSize) == kDefaultFontName);
      if (i >= count) {  // initial values beyond the count
        Require(std::memcmp(r.szText[i], initial.szText[i], kNameFieldSize) == 0);
        Require(SameBits(r.dHeight[i], initial.dHeight[i]) && r.bAngleFollows[i] == 1);
        continue;
      }
      const vjdcfg::Json& slot = kind.at("slots").at(static_cast<std::size_t>(i));
      Require(gbk::FromBuffer(r.szText[i], kNameFieldSize) == Gbk(slot.at("text")));
      Require(r.bVisible[i] == (slot.at("visible").get<bool>() ? 1 : 0));
      Require(r.bAngleFollows[i] == (slot.at("angle_follows").get<bool>() ? 1 : 0));
      Require(r.nPosition[i] == slot.at("position").get<long long>());
      Require(SameBits(r.dHeight[i], Real(slot.at("height"))));
      Require(SameBits(r.dWidth[i], Real(slot.at("width"))));
      Require(SameBits(r.dAngle[i], Real(slot.at("angle"))));
      Require(r.clrFore[i] == slot.at("fore_color").get<long long>());
      Require(r.clrBack[i] == slot.at("back_color").get<long long>());
    }
  }
  Require(bytes.size() == base.size() + added * kRecordSize);
  for (std::size_t k = 0; k < base.size() / kRecordSize; ++k) {
    if (!given[k])
      Require(bytes.compare(k * kRecordSize, kRecordSize, base, k * kRecordSize, kRecordSize) == 0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Fixture fixture;
  const std::string document(reinterpret_cast<const char*>(data), size);
  WriteBytes(fixture.file, fixture.base);
  std::remove(fixture.copy.c_str());
  const std::set<std::string> names = fixture.folder.Names();

  const fuzzkit::ToolRun load = Run({"load", fixture.file, "-"}, document);
  Require(load.status == 0 || load.status == 1);
  Require(fixture.folder.Names() == names);  // nothing left beside the file
  const std::string bytes = ReadBytes(fixture.file);
  if (load.status == 1) {
    Require(bytes == fixture.base);
    return 0;
  }
  Require(Run({"check", fixture.file}).status == 0);
  RequireStoredAsGiven(vjdcfg::Json::parse(document), fixture.base, bytes);
  const fuzzkit::ToolRun dump = Run({"dump", fixture.file});
  Require(dump.status == 0);
  Require(Run({"load", fixture.copy, "-"}, dump.out).status == 0);
  Require(ReadBytes(fixture.copy) == bytes);
  Require(Run({"dump", fixture.copy}).out == dump.out);
  return 0;
}
