#include "LabelConfigFile.h"

#include <cstring>

#include "AfxMessageBox.h"
#include "StdioRecordFileSystem.h"

namespace vjd::annotation {
namespace {

// `wanted` is a terminated name of at most 49 bytes, so the comparison, terminator included,
// stays inside the record's 50-byte field whatever the file holds.
bool SameName(const SymbolLabelConfig& record, const char* wanted, std::size_t wanted_length) {
  return std::memcmp(record.szSymbolName, wanted, wanted_length + 1) == 0;
}

}  // namespace

LabelConfigFile::LabelConfigFile(const CString& host_directory, void* owner,
                                 IRecordFileSystem* files)
    : m_strPath(host_directory + kRelativePath),
      m_pOwner(owner),
      m_pFiles(files != nullptr ? files : &StdioRecordFileSystem::Instance()) {}

std::unique_ptr<IRecordFile> LabelConfigFile::Open() const {
  std::unique_ptr<IRecordFile> file = m_pFiles->OpenOrCreate(m_strPath);
  if (!file) fw::AfxMessageBox(m_pOwner, "文件没找到！", 0 /* MB_OK */);
  return file;
}

ConfigFileResult LabelConfigFile::Scan(IRecordFile& file, const char* name,
                                       SymbolLabelConfig& record, long long& index) const {
  char wanted[kNameFieldSize];
  CopyTextField(wanted, kNameFieldSize, name);
  const std::size_t wanted_length = std::strlen(wanted);
  InitRecord(record);
  index = 0;
  for (;;) {
    long n = file.Read(&record, kRecordSize);
    if (n < 0) return ConfigFileResult::kIoError;
    // A trailing partial record is not a record: it is neither matched nor counted.
    if (n < static_cast<long>(kRecordSize)) return ConfigFileResult::kNotFound;
    if (SameName(record, wanted, wanted_length)) {
      RepairRecord(record);  // only the record handed out needs it
      return ConfigFileResult::kOk;
    }
    ++index;
  }
}

ConfigFileResult LabelConfigFile::FindRecord(const char* name, SymbolLabelConfig& record) const {
  std::unique_ptr<IRecordFile> file = Open();
  if (!file) return ConfigFileResult::kUnavailable;
  SymbolLabelConfig found;
  long long index = 0;
  ConfigFileResult result = Scan(*file, name, found, index);
  file->Close();
  if (result == ConfigFileResult::kOk) record = found;
  return result;
}

ConfigFileResult LabelConfigFile::StoreRecord(const SymbolLabelConfig& record) const {
  SymbolLabelConfig out = record;
  RepairRecord(out);
  for (int i = 0; i < kMaxLabelSlots; ++i)
    CopyTextField(out.szFont[i], kFontFieldSize, kDefaultFontName);

  std::unique_ptr<IRecordFile> file = Open();
  if (!file) return ConfigFileResult::kUnavailable;
  SymbolLabelConfig scratch;
  long long index = 0;
  ConfigFileResult scan = Scan(*file, out.szSymbolName, scratch, index);
  if (scan == ConfigFileResult::kIoError) {
    file->Close();
    return scan;  // never append a second record because a read failed
  }
  // Found: overwrite it.  Not found: `index` is the end of the last whole record.
  bool written =
      file->Seek(index * static_cast<long long>(kRecordSize)) && file->Write(&out, kRecordSize);
  bool closed = file->Close();
  return written && closed ? ConfigFileResult::kOk : ConfigFileResult::kIoError;
}

ConfigFileResult LabelConfigFile::RemoveLabelSlot(const char* name, int index,
                                                  int new_count) const {
  if (index < 0 || index > kMaxLabelSlots) return ConfigFileResult::kOk;
  std::unique_ptr<IRecordFile> file = Open();
  if (!file) return ConfigFileResult::kUnavailable;
  SymbolLabelConfig rec;
  long long at = 0;
  ConfigFileResult scan = Scan(*file, name, rec, at);
  if (scan != ConfigFileResult::kOk) {
    file->Close();
    return scan;
  }
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
  bool written =
      file->Seek(at * static_cast<long long>(kRecordSize)) && file->Write(&rec, kRecordSize);
  bool closed = file->Close();
  return written && closed ? ConfigFileResult::kOk : ConfigFileResult::kIoError;
}

ConfigFileResult LabelConfigFile::GetFirstSlotSize(const char* name, double& height,
                                                   double& width) const {
  height = kDefaultLabelHeight;
  width = kDefaultLabelWidth;
  SymbolLabelConfig rec;
  ConfigFileResult result = FindRecord(name, rec);
  if (result == ConfigFileResult::kOk) {
    height = rec.dHeight[0];
    width = rec.dWidth[0];
  }
  return result;
}

}  // namespace vjd::annotation
