#include "LabelConfigFile.h"

#include <cstring>

#include "StdioRecordFileSystem.h"

namespace vjd::annotation {
namespace {

// `wanted` is a terminated name of at most 49 bytes, so the comparison, terminator included,
// stays inside the record's 50-byte field whatever the file holds.
bool SameName(const SymbolLabelConfig& record, const char* wanted, std::size_t wanted_length) {
  return std::memcmp(record.szSymbolName, wanted, wanted_length + 1) == 0;
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

}  // namespace

LabelConfigFile::LabelConfigFile(const CString& host_directory, IRecordFileSystem* files)
    : m_strPath(host_directory + kRelativePath),
      m_pFiles(files != nullptr ? files : &StdioRecordFileSystem::Instance()) {}

FileStatus LabelConfigFile::Scan(IRecordFile& file, const char* name, SymbolLabelConfig& record,
                                 long long& index) {
  char wanted[kNameFieldSize];
  CopyTextField(wanted, kNameFieldSize, name);
  const std::size_t wanted_length = std::strlen(wanted);
  InitRecord(record);
  index = 0;
  for (;;) {
    long n = file.Read(&record, kRecordSize);
    if (n < 0) return FileStatus::IoError();
    // A trailing partial record is not a record: it is neither matched nor counted.
    if (n < static_cast<long>(kRecordSize)) return FileStatus::NotFound();
    if (SameName(record, wanted, wanted_length)) return FileStatus();
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
  std::unique_ptr<IRecordFile> file = m_pFiles->OpenOrCreate(m_strPath);
  if (!file) return FileStatus::Unavailable();
  SymbolLabelConfig found;
  long long index = 0;
  FileStatus status = Closed(*file, Scan(*file, name, found, index));
  if (status.ok()) {
    RepairRecord(found);
    record = found;
  }
  return status;
}

FileStatus LabelConfigFile::StoreRecord(const SymbolLabelConfig& record) const {
  SymbolLabelConfig out = record;
  RepairRecord(out);
  for (int i = 0; i < kMaxLabelSlots; ++i)
    CopyTextField(out.szFont[i], kFontFieldSize, kDefaultFontName);

  std::unique_ptr<IRecordFile> file = m_pFiles->OpenOrCreate(m_strPath);
  if (!file) return FileStatus::Unavailable();
  SymbolLabelConfig previous;
  long long index = 0;
  FileStatus status = Scan(*file, out.szSymbolName, previous, index);
  if (status.ok()) {
    status = Overwrite(*file, index, out, previous);
  } else if (status.IsNotFound()) {
    // `index` is the end of the last whole record.  A failed append leaves at most a partial
    // record there, which is no record.
    status = WriteAt(*file, index, out) ? FileStatus() : FileStatus::IoError();
  }
  // A failed read never leads to an append: that could make a second record of the kind.
  return Closed(*file, status);
}

FileStatus LabelConfigFile::RemoveLabelSlot(const char* name, int index, int new_count) const {
  if (index < 0 || index > kMaxLabelSlots) return FileStatus();
  std::unique_ptr<IRecordFile> file = m_pFiles->OpenOrCreate(m_strPath);
  if (!file) return FileStatus::Unavailable();
  SymbolLabelConfig previous;
  long long at = 0;
  FileStatus status = Scan(*file, name, previous, at);
  if (!status.ok()) return Closed(*file, status);
  SymbolLabelConfig rec = previous;
  RepairRecord(rec);
  if (new_count < 0) new_count = 0;
  if (new_count > kMaxLabelSlots) new_count = kMaxLabelSlots;
  rec.nLabelCount = new_count;
  // Slot j takes slot j + 1; the last slot has no successor and keeps its values.
  for (int j = index; j < new_count && j + 1 < kMaxLabelSlots; ++j) {
    std::memcpy(rec.szText[j], rec.szText[j + 1], kNameFieldSize);
    rec.bVisible[j] = rec.bVisible[j + 1];
    rec.nPosition[j] = rec.nPosition[j + 1];
    rec.clrFore[j] = rec.clrFore[j + 1];
    rec.clrBack[j] = rec.clrBack[j + 1];
    rec.dHeight[j] = rec.dHeight[j + 1];
    rec.dWidth[j] = rec.dWidth[j + 1];
    rec.dAngle[j] = rec.dAngle[j + 1];
    rec.bAngleFollows[j] = rec.bAngleFollows[j + 1];
  }
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

}  // namespace vjd::annotation
