#include "LabelConfigFile.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "RollbackJournal.h"
#include "StdioRecordFileSystem.h"

namespace vjd::annotation {
namespace {

// The name looked for: `name` cut to its field as a stored name is, at most 49 bytes.
std::string WantedName(const char* name) {
  char wanted[kNameFieldSize];
  CopyTextField(wanted, kNameFieldSize, name);
  return wanted;
}

// A whole record's name field holds `wanted`, terminated inside the field.  The comparison,
// terminator included, stays inside the 50-byte field whatever the file holds.  Most records of
// a lookup differ in their first byte, which is compared on the spot.
bool SameName(const char* field, const std::string& wanted) {
  return field[0] == wanted[0] && std::memcmp(field, wanted.c_str(), wanted.size() + 1) == 0;
}

// The name under which lookups find a record: its text when terminated inside the field (a name
// without terminator is never found, as SameName says).
bool FoundAs(const char* field, std::string& name) {
  const void* end = std::memchr(field, 0, kNameFieldSize);
  if (end == nullptr) return false;
  name.assign(field, static_cast<std::size_t>(static_cast<const char*>(end) - field));
  return true;
}

// The record as it is stored: repaired, with "宋体" in every font slot.
SymbolLabelConfig Stored(const SymbolLabelConfig& record) {
  SymbolLabelConfig out = record;
  RepairRecord(out);
  for (int i = 0; i < kMaxLabelSlots; ++i)
    CopyTextField(out.szFont[i], kFontFieldSize, kDefaultFontName);
  return out;
}

long long OffsetOf(long long index) {
  return index * static_cast<long long>(kRecordSize);
}

bool WriteAt(IRecordFile& file, long long index, const SymbolLabelConfig& record) {
  return file.Seek(OffsetOf(index)) && file.Write(&record, kRecordSize) && file.Flush();
}

// Closes the file; a close that fails turns a good status into an I/O error.
FileStatus Closed(IRecordFile& file, FileStatus status) {
  const bool closed = file.Close();
  return status.ok() && !closed ? FileStatus::IoError() : status;
}

// Slot `from`'s fields but the font, byte for byte, into slot `to` (never through a double
// register, which may change the bits of a NaN).
void MoveSlot(SymbolLabelConfig& r, int from, int to) {
  std::memcpy(r.szText[to], r.szText[from], kNameFieldSize);
  std::memcpy(&r.bVisible[to], &r.bVisible[from], sizeof r.bVisible[0]);
  std::memcpy(&r.nPosition[to], &r.nPosition[from], sizeof r.nPosition[0]);
  std::memcpy(&r.clrFore[to], &r.clrFore[from], sizeof r.clrFore[0]);
  std::memcpy(&r.clrBack[to], &r.clrBack[from], sizeof r.clrBack[0]);
  std::memcpy(&r.dHeight[to], &r.dHeight[from], sizeof r.dHeight[0]);
  std::memcpy(&r.dWidth[to], &r.dWidth[from], sizeof r.dWidth[0]);
  std::memcpy(&r.dAngle[to], &r.dAngle[from], sizeof r.dAngle[0]);
  std::memcpy(&r.bAngleFollows[to], &r.bAngleFollows[from], sizeof r.bAngleFollows[0]);
}

}  // namespace

LabelConfigFile::LabelConfigFile(const CString& host_directory, IRecordFileSystem* files,
                                 IFileLog* log)
    : m_strPath(host_directory + kRelativePath),
      m_pFiles(files != nullptr ? files : &StdioRecordFileSystem::Instance()),
      m_pLog(log) {}

void LabelConfigFile::Log(const char* text, const CString& path) const {
  if (m_pLog == nullptr || std::find(m_logged.begin(), m_logged.end(), text) != m_logged.end()) {
    return;
  }
  m_logged.push_back(text);
  m_pLog->Write(CString(text) + path);
}

std::unique_ptr<IRecordFile> LabelConfigFile::Open(RecordFileLock lock, FileStatus& status) const {
  RollbackJournal journal(*m_pFiles, m_strPath);
  for (;;) {
    std::unique_ptr<IRecordFile> file = m_pFiles->OpenOrCreate(m_strPath);
    if (!file) {
      status = FileStatus::Unavailable();
      return nullptr;
    }
    const LockResult locked = file->Lock(lock);
    if (locked == LockResult::kBusy || locked == LockResult::kFailed) {
      file->Close();
      status = locked == LockResult::kBusy ? FileStatus::Busy() : FileStatus::Unavailable();
      return nullptr;
    }
    // Where the file system keeps no locks, nobody can be told apart from a writer at work: a
    // journal found is undone as a dead writer's (vjdcfg writes there only when told that nobody
    // else uses the file).
    if (locked == LockResult::kUnsupported) Log(kLogNoLock, m_strPath);
    if (!journal.Exists()) return file;
    if (lock == RecordFileLock::kShared && locked == LockResult::kHeld) {
      // Under a shared lock no writer is at work: the journal is a dead writer's.  Undoing it
      // takes the exclusive lock.
      file->Close();
      lock = RecordFileLock::kExclusive;
      continue;
    }
    switch (journal.Recover(*file)) {
      case RollbackJournal::Recovery::kFailed:
        file->Close();
        status = FileStatus::IoError();
        return nullptr;
      case RollbackJournal::Recovery::kInvalid:
        Log(kLogBadJournal, journal.Path());
        break;
      case RollbackJournal::Recovery::kRolledBack:
        Log(kLogRolledBack, m_strPath);
        break;
      default:
        break;
    }
    return file;
  }
}

FileStatus LabelConfigFile::Scan(IRecordFile& file, const char* name, SymbolLabelConfig& record,
                                 long long& index) {
  const std::string wanted = WantedName(name);
  InitRecord(record);
  index = 0;
  for (;;) {
    long n = file.Read(&record, kRecordSize);
    if (n < 0) return FileStatus::IoError();
    // A trailing partial record is not a record: it is neither matched nor counted.
    if (n < static_cast<long>(kRecordSize)) return FileStatus::NotFound();
    if (SameName(record.szSymbolName, wanted)) return FileStatus();
    ++index;
  }
}

FileStatus LabelConfigFile::Overwrite(IRecordFile& file, long long index,
                                      const SymbolLabelConfig& record,
                                      const SymbolLabelConfig& previous) {
  if (WriteAt(file, index, record)) return FileStatus();
  // Part of the new record may be in the file: the old one is better than a mix of both.
  WriteAt(file, index, previous);
  return FileStatus::IoError();
}

FileStatus LabelConfigFile::FindRecord(const char* name, SymbolLabelConfig& record) const {
  FileStatus status;
  std::unique_ptr<IRecordFile> file = Open(RecordFileLock::kShared, status);
  if (!file) return status;
  SymbolLabelConfig found;
  long long index = 0;
  status = Closed(*file, Scan(*file, name, found, index));
  if (status.ok()) {
    RepairRecord(found);
    record = found;
  }
  return status;
}

FileStatus LabelConfigFile::StoreRecord(const SymbolLabelConfig& record) const {
  const SymbolLabelConfig out = Stored(record);
  FileStatus status;
  std::unique_ptr<IRecordFile> file = Open(RecordFileLock::kExclusive, status);
  if (!file) return status;
  SymbolLabelConfig previous;
  long long index = 0;
  status = Scan(*file, out.szSymbolName, previous, index);
  if (status.ok()) {
    status = Overwrite(*file, index, out, previous);
  } else if (status.IsNotFound()) {
    // `index` is the end of the last whole record, found under the lock: no other writer can
    // append there meanwhile.  A failed append leaves at most a partial record, which is none.
    status = WriteAt(*file, index, out) ? FileStatus() : FileStatus::IoError();
  }
  // A failed read never leads to an append: that could make a second record of the kind.
  return Closed(*file, status);
}

FileStatus LabelConfigFile::RemoveLabelSlot(const char* name, int index) const {
  if (index < 0 || index >= kMaxLabelSlots) return FileStatus();
  FileStatus status;
  std::unique_ptr<IRecordFile> file = Open(RecordFileLock::kExclusive, status);
  if (!file) return status;
  SymbolLabelConfig previous;
  long long at = 0;
  status = Scan(*file, name, previous, at);
  if (!status.ok()) return Closed(*file, status);
  // The count comes from the record under the lock, never from the caller: a caller's count
  // that holds rows not stored yet would pull slots beyond the count back in.
  const int count = LabelCount(previous);
  if (index >= count) return Closed(*file, FileStatus());
  // The record as the file holds it, damage and all: only the count and the moved slots change.
  SymbolLabelConfig rec = previous;
  rec.nLabelCount = count - 1;
  for (int j = index; j + 1 < count; ++j) MoveSlot(rec, j + 1, j);
  return Closed(*file, Overwrite(*file, at, rec, previous));
}

FileStatus LabelConfigFile::GetFirstSlotSize(const char* name, double& height,
                                             double& width) const {
  height = kDefaultLabelHeight;
  width = kDefaultLabelWidth;
  SymbolLabelConfig rec;
  FileStatus status = FindRecord(name, rec);
  if (status.ok()) {
    height = rec.dHeight[0];
    width = rec.dWidth[0];
  }
  return status;
}

StoreTally StoreRecordsInto(std::string& bytes, const std::vector<SymbolLabelConfig>& records) {
  StoreTally tally;
  std::size_t whole = bytes.size() / kRecordSize;
  // The first whole record of each name lookups find, as Scan finds it.
  std::unordered_map<std::string, std::size_t> first;
  first.reserve(whole + records.size());
  std::string name;
  for (std::size_t k = 0; k < whole; ++k) {
    if (FoundAs(&bytes[k * kRecordSize], name)) first.emplace(name, k);
  }
  for (const SymbolLabelConfig& record : records) {
    const SymbolLabelConfig out = Stored(record);
    auto it = first.find(WantedName(out.szSymbolName));
    if (it != first.end()) {
      std::memcpy(&bytes[it->second * kRecordSize], &out, kRecordSize);
      ++tally.in_place;
      continue;
    }
    // After the last whole record, over a trailing partial one.
    bytes.resize(whole * kRecordSize);
    bytes.append(reinterpret_cast<const char*>(&out), kRecordSize);
    if (FoundAs(out.szSymbolName, name)) first.emplace(name, whole);
    ++whole;
    ++tally.appended;
  }
  return tally;
}

}  // namespace vjd::annotation
