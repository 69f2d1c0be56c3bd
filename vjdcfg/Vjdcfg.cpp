#include "Vjdcfg.h"

#include <CLI/CLI.hpp>
#include <exception>
#include <istream>
#include <map>
#include <new>
#include <ostream>

#include "ConfigDiff.h"
#include "ConfigJson.h"
#include "FileAccess.h"
#include "GbkConverter.h"
#include "GbkText.h"
#include "LabelConfigAudit.h"
#include "LabelConfigFile.h"
#include "LockedFile.h"

#ifndef VJDCFG_VERSION
#define VJDCFG_VERSION "unknown"
#endif

using namespace vjd::annotation;

namespace vjdcfg {
namespace {

// A JSON document can be far longer than the file it describes, but not without bound.
constexpr std::size_t kMaxDocumentBytes = std::size_t{1} << 30;

const char* const kCommands[] = {"list", "dump", "load", "diff", "check", "repair"};

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

std::string Shown(const std::string& path) {
  return path == "-" ? "standard input" : path;
}

// "0..8": a range of the record format, from its own constants.
std::string Range(int last) {
  return "0.." + std::to_string(last);
}

std::string Tallied(const DiffTally& tally) {
  return std::to_string(tally.added) + " added, " + std::to_string(tally.changed) + " changed, " +
         std::to_string(tally.unchanged) + " unchanged";
}

class Tool {
 public:
  Tool(std::istream& in, std::ostream& out, std::ostream& err, const FileOptions& options)
      : in_(in), out_(out), err_(err), options_(options) {}

  int List(const std::string& path);
  int Dump(const std::string& path, const std::vector<std::string>& kinds);
  int Load(const std::string& path, const std::string& json_path, bool dry_run);
  int Diff(const std::string& a, const std::string& b);
  int Check(const std::string& path);
  int Repair(const std::string& path, const std::string& out_path);

 private:
  // FILE under a shared lock, or standard input for "-".  A look changes nothing: a journal
  // beside FILE is not undone but read as undone (a dry run, a diff).
  bool ReadInput(const std::string& path, std::string& bytes, bool look = false);
  bool ReadDocument(const std::string& json_path, std::string& text);
  // The records a JSON document describes; false when it has faults, which are said.
  bool RecordsOf(const std::string& text, const std::string& json_path,
                 std::vector<SymbolLabelConfig>& records);
  // The records of a configuration file or of a JSON document (a text without zero bytes, which
  // every record holds, or one in UTF-16, which is said to be no UTF-8): an exit status.
  int ReadRecords(const std::string& path, std::vector<SymbolLabelConfig>& records);
  // What a load of `records` into FILE would change, read under a shared lock.
  int DryRun(const std::string& path, const std::vector<SymbolLabelConfig>& records);
  // Makes the file at `path` hold `after`, in place, under its exclusive lock.
  bool WriteFile(const std::string& path, const std::string& after);
  // Opens `file` for `use` and reads it, saying what the user should hear.
  bool OpenAndRead(LockedFile& file, FileUse use, std::string& bytes, std::string& error);
  void Say(const std::string& text) { err_ << "vjdcfg: " << text << "\n"; }
  std::string Describe(const LabelConfigFinding& finding, const LabelConfigImage& image) const;

  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
  FileOptions options_;
};

bool Tool::OpenAndRead(LockedFile& file, FileUse use, std::string& bytes, std::string& error) {
  const bool opened = file.Open(use, error);
  for (const std::string& note : file.Notes()) Say(note);
  return opened && file.Read(bytes, error);
}

bool Tool::ReadInput(const std::string& path, std::string& bytes, bool look) {
  std::string error;
  if (path == "-") {
    if (ReadAll(in_, kMaxFileBytes, Shown(path), bytes, error)) return true;
    Say(error);
    return false;
  }
  LockedFile file(path, options_);
  bool read;
  if (look) {
    read = file.OpenToLook(error) && file.Read(bytes, error);
    for (const std::string& note : file.Notes()) Say(note);
  } else {
    read = OpenAndRead(file, FileUse::kRead, bytes, error);
  }
  std::string close_error;
  file.Close(close_error);
  if (!read) Say(error);
  return read;
}

bool Tool::ReadDocument(const std::string& json_path, std::string& text) {
  std::string error;
  bool read;
  if (json_path == "-") {
    read = ReadAll(in_, kMaxDocumentBytes, Shown(json_path), text, error);
  } else {
    std::FILE* f = OpenFile(json_path, FileUse::kReadOrStream, error);
    read = f != nullptr && ReadAll(f, kMaxDocumentBytes, json_path, text, error);
    if (f != nullptr) std::fclose(f);
  }
  if (!read) Say(error);
  return read;
}

bool Tool::RecordsOf(const std::string& text, const std::string& json_path,
                     std::vector<SymbolLabelConfig>& records) {
  Json document;
  DocumentFaults faults;
  if (ParseDocument(text, document, faults) && RecordsFromDocument(document, records, faults)) {
    return true;
  }
  for (const std::string& fault : faults.Shown()) Say(Shown(json_path) + ": " + fault);
  if (faults.NotShown() > 0) {
    Say(Shown(json_path) + ": and " + std::to_string(faults.NotShown()) + " more fault(s)");
  }
  return false;
}

int Tool::ReadRecords(const std::string& path, std::vector<SymbolLabelConfig>& records) {
  std::string bytes;
  if (!ReadInput(path, bytes, true)) return kExitFileError;
  if (bytes.empty() || (bytes.find('\0') != std::string::npos && !HasWideByteOrderMark(bytes))) {
    records = ImageOfBytes(bytes).records;
    return kExitOk;
  }
  return RecordsOf(bytes, path, records) ? kExitOk : kExitRefused;
}

bool Tool::WriteFile(const std::string& path, const std::string& after) {
  LockedFile file(path, options_);
  std::string error, before;
  if (!OpenAndRead(file, FileUse::kUpdate, before, error)) {
    Say(error + "; nothing was written");
    file.Close(error);
    return false;
  }
  if (!file.Rewrite(before, after, error) || !file.Close(error)) {
    Say(error);
    return false;
  }
  return true;
}

int Tool::List(const std::string& path) {
  std::string bytes;
  if (!ReadInput(path, bytes)) return kExitFileError;
  const LabelConfigImage image = ImageOfBytes(bytes);
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
    Say(Shown(path) + ": " + std::to_string(image.trailing.size()) +
        " bytes after the last whole record make no record");
  }
  return kExitOk;
}

int Tool::Dump(const std::string& path, const std::vector<std::string>& kinds) {
  std::map<std::string, bool> wanted;  // GBK name -> found
  for (const std::string& kind : kinds) {
    std::string name;
    if (!Utf8ToGbk(kind, name)) {
      Say("--kind " + QuotedShort(kind) + ": cannot be written in GBK");
      return kExitRefused;
    }
    wanted[name] = false;
  }
  std::string bytes;
  if (!ReadInput(path, bytes)) return kExitFileError;
  const LabelConfigImage image = ImageOfBytes(bytes);
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
      Say(Shown(path) + " has no record of the kind " + QuotedShort(kind));
      missing = true;
    }
  }
  if (missing) return kExitRefused;
  out_ << FormatDocument(shown);
  std::size_t problems = AuditLabelConfig(image, MendGbk).size();
  if (problems > 0) {
    Say(Shown(path) + " has " + std::to_string(problems) +
        " problem(s), listed by 'vjdcfg check'; dumped as the configuration window reads it");
  }
  return kExitOk;
}

int Tool::Load(const std::string& path, const std::string& json_path, bool dry_run) {
  if (path == "-") {
    Say("load stores into FILE, which cannot be standard input");
    return kExitRefused;
  }
  std::string text;
  if (!ReadDocument(json_path, text)) {
    Say("nothing was written to " + path);
    return kExitFileError;
  }
  std::vector<SymbolLabelConfig> records;
  if (!RecordsOf(text, json_path, records)) {
    Say("nothing was written to " + path);
    return kExitRefused;
  }
  text.clear();
  text.shrink_to_fit();
  if (dry_run) return DryRun(path, records);
  if (records.empty()) {
    out_ << path << ": no kinds to store; unchanged\n";
    return kExitOk;
  }

  // Read, stored into and written back under one exclusive lock: whatever another program stored
  // before is read here, and nobody stores meanwhile.
  LockedFile file(path, options_);
  std::string error, before;
  if (!OpenAndRead(file, FileUse::kUpdate, before, error)) {
    Say(error + "; nothing was written");
    file.Close(error);
    return kExitFileError;
  }
  std::string after = before;
  const StoreTally tally = StoreRecordsInto(after, records);
  if (!file.Rewrite(before, after, error) || !file.Close(error)) {
    Say(error);
    return kExitFileError;
  }
  out_ << path << ": stored " << records.size() << " kind(s), " << tally.in_place << " in place, "
       << tally.appended << " appended\n";
  return kExitOk;
}

int Tool::DryRun(const std::string& path, const std::vector<SymbolLabelConfig>& records) {
  const bool exists = FileExists(path);
  if (!exists && !FolderExists(path)) {
    // The load could not create it: no dry run foretells kinds it would never add.
    Say("cannot write " + path + ": the folder it would lie in does not exist; a load would " +
        "write nothing");
    return kExitFileError;
  }
  std::string bytes;
  if (exists && !ReadInput(path, bytes, true)) return kExitFileError;
  const DiffTally tally = WriteKindChanges(ImageOfBytes(bytes).records, records, false, out_);
  out_ << path << ": " << Tallied(tally) << (exists ? "" : " (the file does not exist yet)")
       << "; a dry run: nothing was written\n";
  return kExitOk;
}

int Tool::Diff(const std::string& a, const std::string& b) {
  if (a == "-" && b == "-") {
    Say("A and B cannot both be standard input");
    return kExitRefused;
  }
  std::vector<SymbolLabelConfig> before, after;
  int status = ReadRecords(a, before);
  if (status == kExitOk) status = ReadRecords(b, after);
  if (status != kExitOk) return status;
  const DiffTally tally = WriteKindChanges(before, after, true, out_);
  out_ << Tallied(tally) << ", " << tally.removed << " removed\n";
  return tally.Same() ? kExitOk : kExitRefused;
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
    case LabelConfigFault::kMendedNameTaken:
      return where + "mended, the kind name is that of record " + value +
             ", which repair keeps; this record is dropped";
    case LabelConfigFault::kCountOutOfRange:
      return where + "label count " + value + " is outside " + Range(kMaxLabelSlots);
    case LabelConfigFault::kNameUnterminated:
      return where + "the kind name has no terminator inside its field";
    case LabelConfigFault::kTextUnterminated:
      return where + "the text has no terminator inside its field";
    case LabelConfigFault::kFontUnterminated:
      return where + "the font has no terminator inside its field";
    case LabelConfigFault::kNameNotGbk:
      return where + "the kind name holds bytes that are no GBK text";
    case LabelConfigFault::kNameControl:
      return where + "the kind name holds control characters";
    case LabelConfigFault::kNameEmpty:
      return where + "the kind name is empty";
    case LabelConfigFault::kTextNotGbk:
      return where + "the text holds bytes that are no GBK text";
    case LabelConfigFault::kTextControl:
      return where + "the text holds control characters";
    case LabelConfigFault::kFontNotDefault:
      return where + "the font is not " + Quoted(GbkToUtf8Shown(kDefaultFontName));
    case LabelConfigFault::kPositionOutOfRange:
      return where + "position " + value + " is outside " + Range(kLabelPositionCount - 1);
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
  std::string bytes;
  if (!ReadInput(path, bytes)) return kExitFileError;
  const LabelConfigImage image = ImageOfBytes(bytes);
  std::vector<LabelConfigFinding> findings = AuditLabelConfig(image, MendGbk);
  for (const LabelConfigFinding& f : findings) out_ << Describe(f, image) << '\n';
  out_ << Shown(path) << ": " << image.records.size() << " record(s), ";
  if (findings.empty()) {
    out_ << "no problems\n";
    return kExitOk;
  }
  out_ << findings.size() << " problem(s)\n";
  return kExitRefused;
}

int Tool::Repair(const std::string& path, const std::string& out_path) {
  if (path != "-" && out_path != "-" && (path == out_path || SameFile(path, out_path))) {
    Say("the output " + out_path + " is " + path + " itself; repair never changes its input");
    return kExitRefused;
  }
  std::string bytes;
  if (!ReadInput(path, bytes)) return kExitFileError;
  const LabelConfigImage image = ImageOfBytes(bytes);
  const std::size_t problems = AuditLabelConfig(image, MendGbk).size();
  const LabelConfigImage clean = RepairLabelConfig(image, MendGbk);
  std::ostream& report = out_path == "-" ? err_ : out_;  // standard output carries the copy
  if (out_path == "-") {
    out_ << BytesOfImage(clean);
  } else if (!WriteFile(out_path, BytesOfImage(clean))) {
    return kExitFileError;
  }
  report << (out_path == "-" ? "standard output" : out_path) << ": " << clean.records.size()
         << " record(s) of " << image.records.size() << " written, " << problems
         << " problem(s) mended\n";
  return kExitOk;
}

// The command the arguments name, past the options of the program itself; "" when none.
// (--no-lock and --no-journal take no value.)
std::string CommandOf(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--wait") {
      ++i;  // its value
    } else if (args[i].empty() || args[i][0] != '-') {
      return args[i];
    }
  }
  return std::string();
}

int RunCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err) {
  CLI::App app{"The label configuration file as text: list, dump, load, diff, check, repair.",
               "vjdcfg"};
  app.require_subcommand(1);
  app.fallthrough();  // --wait after the command too
  app.set_version_flag("--version", std::string("vjdcfg ") + VJDCFG_VERSION);
  double wait_seconds = kDefaultLockWaitMs / 1000.0;
  app.add_option("--wait", wait_seconds,
                 "seconds to wait while another program reads or writes FILE (default 5)")
      ->check(CLI::Range(0.0, 3600.0));
  FileOptions options;
  app.add_flag("--no-lock", options.no_lock,
               "where FILE's file system keeps no locks, write it without one (only while no "
               "other program uses it)");
  app.add_flag("--no-journal", options.no_journal,
               "where no journal can be written beside FILE, write it without one (a crash "
               "meanwhile can leave it half written)");
  std::string file, json, output, first, second;
  bool dry_run = false;
  std::vector<std::string> kinds;

  CLI::App* list = app.add_subcommand(
      "list", "One line per record: its index, kind, label count and label texts.");
  list->add_option("FILE", file, "the configuration file ('-': standard input)")->required();

  CLI::App* dump =
      app.add_subcommand("dump", "The records as JSON (UTF-8) on standard output, in file order.");
  dump->add_option("FILE", file, "the configuration file ('-': standard input)")->required();
  dump->add_option("--kind", kinds, "only the records of this kind (repeatable)")
      ->allow_extra_args(false);  // one name per --kind: FILE may follow

  CLI::App* load = app.add_subcommand(
      "load", "Stores each kind of the JSON into FILE as the configuration window stores one.");
  load->add_option("FILE", file, "the configuration file (created when missing)")->required();
  load->add_option("JSON", json, "the JSON document ('-': standard input)")->required();
  load->add_flag("--dry-run", dry_run,
                 "only lists what the load would add and change; FILE is read, never written");

  CLI::App* diff = app.add_subcommand(
      "diff", "Lists what B adds to A, changes and lacks, kind by kind; exit status 0: the same.");
  diff->add_option("A", first, "a configuration file or a JSON dump ('-': standard input)")
      ->required();
  diff->add_option("B", second, "a configuration file or a JSON dump ('-': standard input)")
      ->required();

  CLI::App* check = app.add_subcommand(
      "check", "Lists what is wrong with FILE; exit status 0 only for a clean file.");
  check->add_option("FILE", file, "the configuration file ('-': standard input)")->required();

  CLI::App* repair = app.add_subcommand(
      "repair", "Writes a clean copy of FILE to OUT; FILE itself never changes.");
  repair->add_option("FILE", file, "the configuration file ('-': standard input)")->required();
  repair->add_option("-o,--output", output, "where the clean copy goes ('-': standard output)")
      ->required();

  const std::string command = CommandOf(args);
  bool known = command.empty();
  for (const char* name : kCommands) known = known || command == name;
  if (!known) {
    err << "vjdcfg: unknown command " << QuotedShort(command)
        << "; the commands are list, dump, load, diff, check and repair (see --help)\n";
    return static_cast<int>(CLI::ExitCodes::ExtrasError);
  }

  std::vector<const char*> argv{"vjdcfg"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err);
  }

  options.lock_wait_ms = static_cast<int>(wait_seconds * 1000.0 + 0.5);
  Tool tool(in, out, err, options);
  if (list->parsed()) return tool.List(file);
  if (dump->parsed()) return tool.Dump(file, kinds);
  if (load->parsed()) return tool.Load(file, json, dry_run);
  if (diff->parsed()) return tool.Diff(first, second);
  if (check->parsed()) return tool.Check(file);
  return tool.Repair(file, output);
}

}  // namespace

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
  try {
    return RunCommand(args, in, out, err);
  } catch (const std::bad_alloc&) {
    err << "vjdcfg: not enough memory for this file\n";
  } catch (const std::exception& e) {
    err << "vjdcfg: " << e.what() << "\n";
  } catch (...) {
    err << "vjdcfg: unexpected failure\n";
  }
  return kExitFileError;
}

}  // namespace vjdcfg
