#include "Vjdcfg.h"

#include <CLI/CLI.hpp>
#include <exception>
#include <istream>
#include <iterator>
#include <map>
#include <ostream>
#include <set>

#include "ConfigJson.h"
#include "FileAccess.h"
#include "GbkConverter.h"
#include "GbkText.h"
#include "LabelConfigAudit.h"
#include "LabelConfigFile.h"
#include "ReplacementFile.h"
#include "StdioRecordFileSystem.h"

using namespace vjd::annotation;

namespace vjdcfg {
namespace {

std::string Quoted(const std::string& utf8) {
  return Json(utf8).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A text field as a repaired record holds it, in UTF-8, quoted.
std::string ShownField(const char* field, int size) {
  return Quoted(GbkToUtf8Shown(gbk::FromBuffer(field, static_cast<std::size_t>(size - 1))));
}

std::string ShownName(const SymbolLabelConfig& record) {
  return ShownField(record.szSymbolName, kNameFieldSize);
}

class Tool {
 public:
  Tool(std::istream& in, std::ostream& out, std::ostream& err) : in_(in), out_(out), err_(err) {}

  int List(const std::string& path);
  int Dump(const std::string& path, const std::vector<std::string>& kinds);
  int Load(const std::string& path, const std::string& json_path);
  int Check(const std::string& path);
  int Repair(const std::string& path, const std::string& out_path);

 private:
  bool ReadImage(const std::string& path, LabelConfigImage& image);
  void Say(const std::string& text) { err_ << "vjdcfg: " << text << "\n"; }
  std::string Describe(const LabelConfigFinding& finding, const LabelConfigImage& image) const;

  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
};

bool Tool::ReadImage(const std::string& path, LabelConfigImage& image) {
  std::FILE* f = OpenFile(path, "rb");
  if (f == nullptr) {
    Say("cannot open " + path + ": " + LastErrorText());
    return false;
  }
  StdioRecordFile file(f);
  if (!ReadLabelConfigImage(file, image)) {
    Say("cannot read " + path + ": " + LastErrorText());
    return false;
  }
  return true;
}

int Tool::List(const std::string& path) {
  LabelConfigImage image;
  if (!ReadImage(path, image)) return kExitFileError;
  for (std::size_t k = 0; k < image.records.size(); ++k) {
    SymbolLabelConfig r = image.records[k];
    RepairRecord(r);
    out_ << k << '\t' << ShownName(r) << '\t' << r.nLabelCount;
    for (int i = 0; i < r.nLabelCount; ++i) {
      out_ << (i == 0 ? '\t' : ' ') << ShownField(r.szText[i], kNameFieldSize);
    }
    out_ << '\n';
  }
  if (!image.trailing.empty()) {
    Say(path + ": " + std::to_string(image.trailing.size()) +
        " bytes after the last whole record make no record");
  }
  return kExitOk;
}

int Tool::Dump(const std::string& path, const std::vector<std::string>& kinds) {
  std::map<std::string, bool> wanted;  // GBK name -> found
  for (const std::string& kind : kinds) {
    std::string name;
    if (!Utf8ToGbk(kind, name)) {
      Say("--kind " + Quoted(kind) + ": cannot be written in GBK");
      return kExitRefused;
    }
    wanted[name] = false;
  }
  LabelConfigImage image;
  if (!ReadImage(path, image)) return kExitFileError;
  std::vector<Json> shown;
  for (const SymbolLabelConfig& stored : image.records) {
    SymbolLabelConfig r = stored;
    RepairRecord(r);
    auto it = wanted.find(r.szSymbolName);
    if (!wanted.empty() && it == wanted.end()) continue;
    if (it != wanted.end()) it->second = true;
    shown.push_back(RecordToJson(stored));
  }
  bool missing = false;
  for (const std::string& kind : kinds) {
    std::string name;
    Utf8ToGbk(kind, name);
    if (!wanted[name]) {
      Say(path + " has no record of the kind " + Quoted(kind));
      missing = true;
    }
  }
  if (missing) return kExitRefused;
  out_ << FormatDocument(shown);
  std::size_t problems = AuditLabelConfig(image, MendGbk).size();
  if (problems > 0) {
    Say(path + " has " + std::to_string(problems) +
        " problem(s), listed by 'vjdcfg check'; dumped as the configuration window reads it");
  }
  return kExitOk;
}

int Tool::Load(const std::string& path, const std::string& json_path) {
  std::string text;
  if (json_path == "-") {
    text.assign(std::istreambuf_iterator<char>(in_), std::istreambuf_iterator<char>());
  } else if (!ReadFileBytes(json_path, text)) {
    Say("cannot read " + json_path + ": " + LastErrorText());
    return kExitFileError;
  }
  Json document;
  try {
    document = Json::parse(text);
  } catch (const Json::exception& e) {  // syntax, or a number out of the range of a double
    Say(json_path + ": " + e.what() + "; nothing was written to " + path);
    return kExitRefused;
  }
  std::vector<SymbolLabelConfig> records;
  std::vector<std::string> errors;
  if (!RecordsFromDocument(document, records, errors)) {
    for (const std::string& error : errors) Say(json_path + ": " + error);
    Say("nothing was written to " + path);
    return kExitRefused;
  }
  if (records.empty()) {
    out_ << path << ": no kinds to store; unchanged\n";
    return kExitOk;
  }

  // The file as it is (or empty when it does not exist yet), copied beside it.
  std::string bytes;
  if (FileExists(path)) {
    std::FILE* writable = OpenFile(path, "r+b");  // opening for update changes nothing
    if (writable == nullptr) {
      Say("cannot write " + path + ": " + LastErrorText());
      return kExitFileError;
    }
    std::fclose(writable);
    if (!ReadFileBytes(path, bytes)) {
      Say("cannot read " + path + ": " + LastErrorText());
      return kExitFileError;
    }
  }
  ReplacementFile replacement(path);
  std::string error;
  if (!replacement.Create(bytes, error)) {
    Say(error + "; " + path + " is unchanged");
    return kExitFileError;
  }
  std::set<std::string> present;
  {
    LabelConfigImage image;
    std::unique_ptr<IRecordFile> copy = replacement.OpenOrCreate(CString());
    if (copy && ReadLabelConfigImage(*copy, image)) {
      for (const SymbolLabelConfig& r : image.records)
        present.insert(gbk::FromBuffer(r.szSymbolName, kNameFieldSize));
    }
  }
  // Each kind is stored by the configuration file's own code, as the window stores one.
  LabelConfigFile config(CString(), &replacement);
  int in_place = 0;
  for (const SymbolLabelConfig& r : records) {
    const FileStatus stored = config.StoreRecord(r);
    if (!stored.ok()) {
      Say("cannot store the kind " + ShownName(r) + ": " + stored.ToString() + " (" +
          LastErrorText() + "); " + path + " is unchanged");
      return kExitFileError;
    }
    if (present.count(r.szSymbolName) > 0) ++in_place;
  }
  if (!replacement.Commit(error)) {
    Say(error + "; " + path + " is unchanged");
    return kExitFileError;
  }
  out_ << path << ": stored " << records.size() << " kind(s), " << in_place << " in place, "
       << records.size() - static_cast<std::size_t>(in_place) << " appended\n";
  return kExitOk;
}

std::string Tool::Describe(const LabelConfigFinding& f, const LabelConfigImage& image) const {
  if (f.fault == LabelConfigFault::kTrailingBytes) {
    return "end of file: " + std::to_string(f.value) + " bytes after the " +
           std::to_string(f.record) + " whole record(s) make no record";
  }
  std::string where =
      "record " + std::to_string(f.record) + " " + ShownName(image.records[f.record]);
  if (f.slot >= 0) where += ", slot " + std::to_string(f.slot);
  where += ": ";
  const std::string value = std::to_string(f.value);
  switch (f.fault) {
    case LabelConfigFault::kDuplicateKind:
      return where + "the kind is stored again; lookups use record " + value;
    case LabelConfigFault::kCountOutOfRange:
      return where + "label count " + value + " is outside 0..8";
    case LabelConfigFault::kNameUnterminated:
      return where + "the kind name has no terminator inside its field";
    case LabelConfigFault::kTextUnterminated:
      return where + "the text has no terminator inside its field";
    case LabelConfigFault::kFontUnterminated:
      return where + "the font has no terminator inside its field";
    case LabelConfigFault::kNameNotGbk:
      return where + "the kind name holds bytes that are no GBK text";
    case LabelConfigFault::kTextNotGbk:
      return where + "the text holds bytes that are no GBK text";
    case LabelConfigFault::kFontNotDefault:
      return where + "the font is not " + Quoted(GbkToUtf8Shown(kDefaultFontName));
    case LabelConfigFault::kPositionOutOfRange:
      return where + "position " + value + " is outside 0..24";
    case LabelConfigFault::kHeightNotFinite:
      return where + "the height is not a finite number";
    case LabelConfigFault::kWidthNotFinite:
      return where + "the width is not a finite number";
    case LabelConfigFault::kAngleNotFinite:
      return where + "the angle is not a finite number";
    default:
      return where + "damaged";
  }
}

int Tool::Check(const std::string& path) {
  LabelConfigImage image;
  if (!ReadImage(path, image)) return kExitFileError;
  std::vector<LabelConfigFinding> findings = AuditLabelConfig(image, MendGbk);
  for (const LabelConfigFinding& f : findings) out_ << Describe(f, image) << '\n';
  out_ << path << ": " << image.records.size() << " record(s), ";
  if (findings.empty()) {
    out_ << "no problems\n";
    return kExitOk;
  }
  out_ << findings.size() << " problem(s)\n";
  return kExitRefused;
}

int Tool::Repair(const std::string& path, const std::string& out_path) {
  if (path == out_path || SameFile(path, out_path)) {
    Say("the output " + out_path + " is " + path + " itself; repair never changes its input");
    return kExitRefused;
  }
  LabelConfigImage image;
  if (!ReadImage(path, image)) return kExitFileError;
  const std::size_t problems = AuditLabelConfig(image, MendGbk).size();
  LabelConfigImage clean = RepairLabelConfig(image, MendGbk);
  ReplacementFile replacement(out_path);
  std::string error;
  if (!replacement.Create(std::string(), error)) {
    Say(error);
    return kExitFileError;
  }
  std::unique_ptr<IRecordFile> file = replacement.OpenOrCreate(CString());
  if (!file || !WriteLabelConfigImage(*file, clean) || !file->Close()) {
    Say("cannot write beside " + out_path + ": " + LastErrorText());
    return kExitFileError;
  }
  if (!replacement.Commit(error)) {
    Say(error);
    return kExitFileError;
  }
  out_ << out_path << ": " << clean.records.size() << " record(s) of " << image.records.size()
       << " written, " << problems << " problem(s) mended\n";
  return kExitOk;
}

int RunCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err) {
  CLI::App app{"The label configuration file as text: list, dump, load, check, repair.", "vjdcfg"};
  app.require_subcommand(1);
  std::string file, json, output;
  std::vector<std::string> kinds;

  CLI::App* list = app.add_subcommand(
      "list", "One line per record: its index, kind, label count and label texts.");
  list->add_option("FILE", file, "the configuration file")->required();

  CLI::App* dump =
      app.add_subcommand("dump", "The records as JSON (UTF-8) on standard output, in file order.");
  dump->add_option("FILE", file, "the configuration file")->required();
  dump->add_option("--kind", kinds, "only the records of this kind (repeatable)")
      ->allow_extra_args(false);  // one name per --kind: FILE may follow

  CLI::App* load = app.add_subcommand(
      "load", "Stores each kind of the JSON into FILE as the configuration window stores one.");
  load->add_option("FILE", file, "the configuration file (created when missing)")->required();
  load->add_option("JSON", json, "the JSON document, '-' for standard input")->required();

  CLI::App* check = app.add_subcommand(
      "check", "Lists what is wrong with FILE; exit status 0 only for a clean file.");
  check->add_option("FILE", file, "the configuration file")->required();

  CLI::App* repair = app.add_subcommand(
      "repair", "Writes a clean copy of FILE to OUT; FILE itself never changes.");
  repair->add_option("FILE", file, "the configuration file")->required();
  repair->add_option("-o,--output", output, "where the clean copy goes")->required();

  std::vector<const char*> argv{"vjdcfg"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err);
  }

  Tool tool(in, out, err);
  if (list->parsed()) return tool.List(file);
  if (dump->parsed()) return tool.Dump(file, kinds);
  if (load->parsed()) return tool.Load(file, json);
  if (check->parsed()) return tool.Check(file);
  return tool.Repair(file, output);
}

}  // namespace

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
  try {
    return RunCommand(args, in, out, err);
  } catch (const std::exception& e) {
    err << "vjdcfg: " << e.what() << "\n";
  } catch (...) {
    err << "vjdcfg: unexpected failure\n";
  }
  return kExitFileError;
}

}  // namespace vjdcfg
