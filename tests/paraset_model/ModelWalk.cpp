#include "ModelWalk.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "CommandMessages.h"
#include "GbkText.h"
#include "KindLabelUpdate.h"
#include "NumberText.h"
#include "UniqueTempDir.h"

namespace paraset_test {

using namespace vjd::annotation;

namespace {

// The catalogue the walk's window reads: "电缆" names a line symbol only, so it lists no symbol.
const char kCatalogue[] =
    "供电辅助制图 符号分类\n负载\ndot 0\ndot 4\n开关\ndot 3\n故障\ndot 1\n电缆\nline 2\n";

// What the user types into a cell: valid and invalid for each column, and a text longer than
// its field.
const char kLongText[] = "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十";
const char* const kTexts[] = {"型号", "",      "  a b ",      "是",     "否",   "0.004",
                              "0",    "1e400", "-1e999",      "nan",    "0x10", "12.5abc",
                              "255",  "-7",    "99999999999", kLongText};
const std::int32_t kColours[] = {0, 255, 0xff0000, 0x123456, 0x7fffffff};
const int kHandles[] = {1, 2, 3, 4, 5};
const int kIds[] = {10, 20, 30, 40, 50};

}  // namespace

const char* const ModelWalk::kEmptyCategory = "电缆";

const std::string& ModelWalk::CataloguePath() {
  static const struct File {
    File() : dir(MakeUniqueTempDir("vjd-walk-")), path((dir / "EdaSymbol.cls").string()) {
      std::ofstream(path, std::ios::binary) << kCatalogue;
    }
    ~File() { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
    std::string path;
  } file;
  return file.path;
}

namespace {

std::string Text(const CString& text) {
  return std::string(static_cast<const char*>(text), static_cast<size_t>(text.GetLength()));
}

// Slot `from` of a record into slot `to`, every field but the font.
void MoveSlot(SymbolLabelConfig& r, int from, int to) {
  std::memcpy(r.szText[to], r.szText[from], kNameFieldSize);
  r.bVisible[to] = r.bVisible[from];
  r.nPosition[to] = r.nPosition[from];
  r.clrFore[to] = r.clrFore[from];
  r.clrBack[to] = r.clrBack[from];
  r.dHeight[to] = r.dHeight[from];
  r.dWidth[to] = r.dWidth[from];
  r.dAngle[to] = r.dAngle[from];
  r.bAngleFollows[to] = r.bAngleFollows[from];
}

// "电动机 3 [x|y|z]": a record's name, count and texts in use.
std::string Show(const SymbolLabelConfig& r) {
  std::string s = std::string(r.szSymbolName) + " " + std::to_string(r.nLabelCount) + " [";
  for (int i = 0; i < LabelCount(r); ++i) s += (i ? "|" : "") + std::string(r.szText[i]);
  return s + "]";
}

template <typename Cells>
std::string Show(const Cells& cells, int code) {
  std::string s;
  for (const std::string& cell : cells) s += cell + "|";
  return s + "code " + std::to_string(code);
}

const char kOpNames[] =
    "add/delete/move up/move down/edit/click/switch kind/switch category/apply/push to all/"
    "push to picked/pick/leave and open/the next write fails/the next lock is busy/"
    "the folder goes or comes back";

std::string OpName(int op) {
  std::string names = kOpNames;
  size_t at = 0;
  for (int k = 0; k < op; ++k) at = names.find('/', at) + 1;
  return names.substr(at, names.find('/', at) - at);
}

}  // namespace

const char* const ModelWalk::kFileMessage = ParaSetModel::kFileNotFound;
const char* const ModelWalk::kBusyMessage = ParaSetModel::kFileBusy;

std::vector<WalkAction> DecodeWalk(const std::uint8_t* data, std::size_t size) {
  std::vector<WalkAction> actions;
  for (std::size_t at = 0; at < size; at += 4) {
    auto byte = [&](std::size_t k) { return at + k < size ? data[at + k] : std::uint8_t{0}; };
    actions.push_back(
        {static_cast<WalkAction::Op>(byte(0) % WalkAction::kOpCount), byte(1), byte(2), byte(3)});
  }
  return actions;
}

ModelWalk::ModelWalk() : m_strCatalogue(CataloguePath()) {
  const char* kinds[] = {"电动机", "照明", "电动机", "短路点", "方块"};
  for (int i = 0; i < 5; ++i) {
    m_rig.ownHost.AddEntity(kHandles[i], {kinds[i], "E" + std::to_string(i), i % 2 == 0, i == 3});
  }
  m_rig.files.RequireWholeRecords(ModelRig::ConfigPath(), kRecordSize);
  // Two stored kinds; the lamp's record holds stale slots beyond its count.
  SymbolLabelConfig lamp = ThreeSlotMotor();
  SetSymbolName(lamp, "照明");
  SetSlotText(lamp, 0, "p");
  lamp.nLabelCount = 2;
  lamp.dHeight[0] = 0.005;
  for (const SymbolLabelConfig& record : {ThreeSlotMotor(), lamp}) {
    m_rig.Store(record);
    m_records.push_back(record);
  }
  Open();
  m_messages.clear();
  m_rig.sink.messages.clear();
}

ModelWalk::~ModelWalk() = default;

int ModelWalk::Run(const std::vector<WalkAction>& actions, std::string* what) {
  for (std::size_t i = 0; i < actions.size(); ++i) {
    std::string differs = Step(actions[i]);
    if (differs.empty()) continue;
    if (what) *what = differs;
    return static_cast<int>(i);
  }
  return -1;
}

std::string ModelWalk::Step(const WalkAction& action) {
  m_messages.clear();
  m_rig.sink.messages.clear();
  m_commands.clear();
  m_rig.sink.commands.clear();
  m_rig.entity.log.clear();
  m_rig.ownHost.calls.clear();
  m_nPreset = m_nInitial = m_rig.sink.positionPreset = m_rig.sink.colourInitial = -100;
  m_strDid = OpName(action.op);
  Act(action);
  transcript.push_back(m_strDid);
  return Compare();
}

void ModelWalk::Act(const WalkAction& a) {
  const int n = static_cast<int>(m_rows.size());
  const int row = n > 0 ? a.row % n : 0;
  if (a.op <= WalkAction::kClick && !m_bGridEnabled) {
    m_strDid += " (the grid takes no input)";
    return;
  }
  switch (a.op) {
    case WalkAction::kAdd: {
      if (n >= 8) return;  // the bar adds no ninth row
      m_rig.AddRow();
      MarkChanged();
      SymbolLabelConfig fresh;
      InitRecord(fresh);
      if (Lock()) {
        if (const SymbolLabelConfig* stored = Record(*m_rig.selected)) {
          fresh.dHeight[n] = stored->dHeight[0];
          fresh.dWidth[n] = stored->dWidth[0];
        }
      }
      const char letter[2] = {static_cast<char>('a' + n), '\0'};
      m_strDid = "add row " + std::to_string(n);
      SetSlotText(fresh, n, letter);
      fresh.bVisible[n] = 1;
      Row added;
      for (int c = 0; c < kLabelColumnCount; ++c)
        added.cells[c] = Text(SlotColumnText(fresh, n, c));
      m_rows.push_back(added);
      return;
    }
    case WalkAction::kDelete:
      if (n == 0) return;
      m_strDid = "delete row " + std::to_string(row);
      m_rig.DeleteRow(row);
      Delete(row);
      return;
    case WalkAction::kMoveUp:
    case WalkAction::kMoveDown: {
      const int to = a.op == WalkAction::kMoveUp ? row - 1 : row + 1;
      if (n == 0 || to < 0 || to >= n) return;
      m_strDid = "move row " + std::to_string(row) + " to " + std::to_string(to);
      m_rig.MoveRow(row, to);
      std::swap(m_rows[row], m_rows[to]);
      Renumber();
      MarkChanged();
      return;
    }
    case WalkAction::kEdit: {
      if (n == 0) return;
      const int column = a.column % kLabelColumnCount;
      const std::string text = kTexts[a.value % std::size(kTexts)];
      m_strDid = "edit row " + std::to_string(row) + " column " + std::to_string(column) + " \"" +
                 text + "\"";
      m_rig.Edit(row, column, text);
      // A label text longer than the record's field is cut where a character ends.
      m_rows[row].cells[column] =
          column == kColumnText ? gbk::CutToFit(text, kNameFieldSize - 1) : text;
      if (column == kColumnHeight) {
        m_rows[row].cells[kColumnWidth] =
            Text(RealText(ReadReal(text.c_str(), kDefaultLabelHeight) / 2.0));
      }
      MarkChanged();
      return;
    }
    case WalkAction::kClick: {
      // The last choice is no row: below the last one, or past it.
      const int clicked = a.row % (n + 1) != n ? a.row % (n + 1) : (a.row & 1 ? n : -1);
      const int column = a.column % kLabelColumnCount;
      const bool answers = a.value % 4 != 0;
      m_rig.sink.positionAnswer = answers ? a.value % kLabelPositionCount : -1;
      m_rig.sink.colourAnswer = answers ? kColours[a.value % std::size(kColours)] : -1;
      m_strDid = "click row " + std::to_string(clicked) + " column " + std::to_string(column) +
                 (answers ? " answered " + std::to_string(a.value) : " cancelled");
      m_rig.Click(clicked, column);
      if (clicked < 0 || clicked >= n) return;
      MarkChanged();
      Row& r = m_rows[clicked];
      if (column == kColumnPosition) {
        m_nPreset = r.code;
        if (!answers) return;
        r.code = m_rig.sink.positionAnswer;
        r.cells[column] = LabelPositionName(r.code);
      } else if (column == kColumnForeColor || column == kColumnBackColor) {
        m_nInitial = ParseColorText(r.cells[column].c_str());
        if (answers) r.cells[column] = Text(ColorText(m_rig.sink.colourAnswer));
      }
      return;
    }
    case WalkAction::kSwitchKind: {
      if (m_symbols.empty()) return;
      const std::string kind = m_symbols[a.value % m_symbols.size()];
      m_strDid = "choose " + kind;
      m_rig.Choose(kind);
      Choose(kind);
      return;
    }
    case WalkAction::kSwitchCategory: {
      const std::string category = m_categories[a.value % m_categories.size()];
      m_strDid = "category " + category;
      ChooseCategory(category);
      return;
    }
    case WalkAction::kApply: {
      DisplayOptions options;
      int DisplayOptions::*const boxes[] = {
          &DisplayOptions::bShowMotorModel, &DisplayOptions::bShowMotorName,
          &DisplayOptions::bShowCableLabel, &DisplayOptions::bOneLine,
          &DisplayOptions::bShowShortName,  &DisplayOptions::bConfigMotor,
          &DisplayOptions::bConfigCable,    &DisplayOptions::bConfigShort};
      for (int k = 0; k < 8; ++k) options.*boxes[k] = (a.value >> k) & 1;
      m_rig.model->Apply(options, kHandles, kIds, 5);
      return;
    }
    case WalkAction::kPushAll:
    case WalkAction::kPushPicked:
      Push(a.op == WalkAction::kPushAll);
      return;
    case WalkAction::kPick:
      m_rig.model->OnPickEntities();
      m_commands.push_back({vjd::command::kFromWindow, 0, vjd::command::kWindowPicks});
      m_picked.clear();
      for (int k = 0; k < 5; ++k) {
        if ((a.value >> k) & 1) m_picked.push_back(kHandles[k]);
      }
      return;
    case WalkAction::kLeave: {
      // Rows that cannot be stored keep the window open once, and the user is told so (whether
      // the window left shows in what the command was sent).
      m_rig.Leave();
      const bool stored = !m_rig.selected || StoreRows(*m_rig.selected);
      if (!stored && !m_bLeaveRefused) {
        m_messages.back().append("\n").append(ParaSetModel::kLeaveNotStored);
        m_bLeaveRefused = true;
        return;
      }
      m_commands.push_back({vjd::command::kFromWindow, 0, vjd::command::kWindowLeaves});
      Open();
      return;
    }
    case WalkAction::kFailNextWrite:
      m_rig.files.faults.writes = m_nWritesToFail = 1;
      return;
    case WalkAction::kBusyNextLock:
      if (m_nBusyLocks < 3) m_rig.files.faults.busyLocks = ++m_nBusyLocks;
      return;
    case WalkAction::kFolderGoesOrReturns:
      m_rig.files.faults.unavailable = m_bFolderGone = !m_bFolderGone;
      return;
    case WalkAction::kOpCount:
      return;
  }
}

// ---- The reference --------------------------------------------------------------------------

void ModelWalk::MarkChanged() {
  m_bDirty = true;
  m_bLeaveRefused = m_bChoiceRefused = false;
}

bool ModelWalk::Lock() {
  if (m_bFolderGone) {
    m_messages.push_back(kFileMessage);
    return false;
  }
  if (m_nBusyLocks == 0) return true;
  --m_nBusyLocks;
  m_messages.push_back(kBusyMessage);
  return false;
}

bool ModelWalk::Write() {
  if (m_nWritesToFail == 0) return true;
  --m_nWritesToFail;
  m_messages.push_back(kFileMessage);
  return false;
}

SymbolLabelConfig* ModelWalk::Record(const std::string& kind) {
  for (SymbolLabelConfig& record : m_records) {
    if (kind == record.szSymbolName) return &record;
  }
  return nullptr;
}

SymbolLabelConfig ModelWalk::RecordOfRows(const std::string& kind) const {
  SymbolLabelConfig record;
  InitRecord(record);
  SetSymbolName(record, kind.c_str());
  record.nLabelCount = static_cast<int>(m_rows.size());
  for (int i = 0; i < record.nLabelCount; ++i) {
    for (int c = 0; c < kLabelColumnCount; ++c)
      ReadSlotColumnText(record, i, c, m_rows[i].cells[c].c_str());
    record.nPosition[i] = m_rows[i].code;
  }
  return record;
}

bool ModelWalk::StoreRows(const std::string& kind) {
  if (m_rows.empty() || !m_bDirty) return true;
  if (!Lock()) return false;
  const SymbolLabelConfig record = RecordOfRows(kind);
  if (!Write()) return false;
  if (SymbolLabelConfig* stored = Record(kind)) {
    *stored = record;
  } else {
    m_records.push_back(record);
  }
  for (size_t i = 0; i < m_rows.size(); ++i) m_rows[i].stored = static_cast<int>(i);
  return true;
}

bool ModelWalk::LoadRows(const std::string& kind) {
  if (!Lock()) return false;
  SymbolLabelConfig source;
  const SymbolLabelConfig* stored = Record(kind);
  const int count = stored ? LabelCount(*stored) : MakeDefaultConfig(kind.c_str(), source);
  if (stored) source = *stored;
  m_rows.assign(static_cast<size_t>(count), Row());
  for (int i = 0; i < count; ++i) {
    for (int c = 0; c < kLabelColumnCount; ++c)
      m_rows[i].cells[c] = Text(SlotColumnText(source, i, c));
    m_rows[i].code = source.nPosition[i];
    m_rows[i].stored = stored ? i : -1;
  }
  return true;
}

// The shown kind's rows are stored before another kind or category is shown; rows that cannot
// be stored keep the kind shown once, and the user is told so.
bool ModelWalk::KeepUnstored() {
  if (m_strShown.empty() || StoreRows(m_strShown) || m_bChoiceRefused) return false;
  m_messages.back().append("\n").append(ParaSetModel::kChoiceNotStored);
  m_bChoiceRefused = true;
  return true;
}

bool ModelWalk::Choose(const std::string& kind) {
  if (KeepUnstored()) return false;
  const std::string previous = m_strShown;
  // Another kind that cannot be read: no kind is shown, rather than the last one's rows under
  // this one's name.
  if (!LoadRows(kind) && kind != previous) {
    ShowNoKind();
    return true;
  }
  m_strShown = kind;
  m_bDirty = false;
  m_bGridEnabled = true;
  m_bChoiceRefused = false;
  return true;
}

void ModelWalk::ShowNoKind() {
  m_rows.clear();
  m_strShown.clear();
  m_bDirty = false;
  m_bGridEnabled = false;
}

// A category without symbols selects none: the shown kind's changes are stored as a choice stores
// them, then the grid is empty, takes no input and shows no kind.
void ModelWalk::ChooseCategory(const std::string& category) {
  const std::vector<std::string> listed = m_rig.ChooseCategory(category);
  if (!listed.empty()) {
    m_strDid += ": choose " + listed.front();
    if (Choose(listed.front())) m_symbols = listed;  // else the lists went back
    return;
  }
  if (KeepUnstored()) return;
  m_symbols = listed;
  ShowNoKind();
}

// The record loses the deleted row's own slot, if it has one, and nothing else.
void ModelWalk::Delete(int row) {
  MarkChanged();
  const int slot = m_rows[row].stored;
  m_rows.erase(m_rows.begin() + row);
  Renumber();
  if (slot < 0 || !Lock()) return;
  SymbolLabelConfig* stored = Record(*m_rig.selected);
  const int count = stored ? LabelCount(*stored) : 0;
  if (slot >= count) return;
  SymbolLabelConfig after = *stored;
  for (int j = slot; j + 1 < count; ++j) MoveSlot(after, j + 1, j);
  after.nLabelCount = count - 1;
  if (!Write()) return;
  *stored = after;
  for (Row& r : m_rows) {
    if (r.stored > slot) --r.stored;
  }
}

void ModelWalk::Push(bool all) {
  std::vector<int> handles, ids;
  for (int k = 0; k < 5; ++k) {
    if (all || std::find(m_picked.begin(), m_picked.end(), kHandles[k]) != m_picked.end()) {
      handles.push_back(kHandles[k]);
      ids.push_back(kIds[k]);
    }
  }
  m_rig.model->OnPushButton(m_rig.selected, static_cast<int>(handles.size()), handles.data(),
                            ids.data());
  const bool pushed =
      !handles.empty() && m_rig.selected && StoreRows(*m_rig.selected) && !m_rows.empty();
  m_messages.push_back(pushed ? kUpdateSucceeded : kUpdateFailed);
}

// The window opens: the catalogue's first category lists its symbols and the first is chosen.
void ModelWalk::Open() {
  m_bLeaveRefused = m_bChoiceRefused = false;  // a new window
  m_rig.Reopen();
  DisplayOptions options;
  m_rig.model->Open(options);
  m_categories = m_rig.model->ReadCatalog(m_strCatalogue);
  ShowNoKind();
  m_bGridEnabled = true;
  ChooseCategory(m_categories.front());
}

void ModelWalk::Renumber() {
  for (size_t i = 0; i < m_rows.size(); ++i) m_rows[i].cells[kColumnNumber] = std::to_string(i);
}

std::string ModelWalk::Compare() const {
  std::string differs;
  const std::string& bytes = m_rig.FileContents();
  const size_t whole = bytes.size() / kRecordSize;
  std::string expected;
  for (const SymbolLabelConfig& record : m_records)
    expected.append(reinterpret_cast<const char*>(&record), kRecordSize);
  if (bytes.compare(0, whole * kRecordSize, expected) != 0) {
    differs += "the file holds";
    for (size_t k = 0; k < whole; ++k) {
      SymbolLabelConfig record;
      std::memcpy(&record, &bytes[k * kRecordSize], kRecordSize);
      differs += " {" + Show(record) + "}";
    }
    differs += ", expected";
    for (const SymbolLabelConfig& record : m_records) differs += " {" + Show(record) + "}";
    differs += "; ";
  }
  const auto& grid = m_rig.grid.rows;
  for (size_t i = 0; i < std::max(grid.size(), m_rows.size()); ++i) {
    const std::string shown = i < grid.size() ? Show(grid[i].cells, grid[i].code) : "none";
    const std::string wanted = i < m_rows.size() ? Show(m_rows[i].cells, m_rows[i].code) : "none";
    if (shown != wanted)
      differs += "grid row " + std::to_string(i) + " " + shown + ", expected " + wanted + "; ";
  }
  // The preview's labels follow the rows: as many, each at its row's position, shown or hidden
  // and in its colours as the row says.
  if (m_rig.LabelInt(ATTR_LABEL_COUNT_SET, 0) != static_cast<int>(m_rows.size()))
    differs += "the preview has another number of labels; ";
  for (size_t i = 0; i < std::min<size_t>(m_rows.size(), kMaxLabelSlots); ++i) {
    const int label = static_cast<int>(i);
    const Row& r = m_rows[i];
    const int shown[] = {m_rig.LabelInt(ATTR_LABEL_POSITION_SET, label),
                         m_rig.LabelInt(ATTR_LABEL_VISIBLE_SET, label),
                         m_rig.LabelInt(ATTR_LABEL_FORE_SET, label),
                         m_rig.LabelInt(ATTR_LABEL_BACK_SET, label)};
    const int wanted[] = {r.code, ParseYesNo(gbk::Trimmed(r.cells[kColumnVisible]).c_str()),
                          ParseColorText(r.cells[kColumnForeColor].c_str()),
                          ParseColorText(r.cells[kColumnBackColor].c_str())};
    const char* const what[] = {"position", "shown flag", "foreground", "background"};
    for (int k = 0; k < 4; ++k) {
      if (shown[k] != wanted[k])
        differs += "preview label " + std::to_string(i) + " " + what[k] + " " +
                   std::to_string(shown[k]) + ", expected " + std::to_string(wanted[k]) + "; ";
    }
  }
  if (m_rig.sink.messages != m_messages) {
    differs += "messages";
    for (const std::string& m : m_rig.sink.messages) differs += " \"" + m + "\"";
    differs += ", expected";
    for (const std::string& m : m_messages) differs += " \"" + m + "\"";
    differs += "; ";
  }
  if (m_rig.sink.commands != m_commands) differs += "other messages to the command; ";
  if (m_rig.sink.positionPreset != m_nPreset || m_rig.sink.colourInitial != m_nInitial)
    differs += "a choice opened with another value; ";
  if (m_rig.model->ShownKind() != m_strShown) differs += "shows " + m_rig.model->ShownKind() + "; ";
  const auto& captions = m_rig.sink.shownKinds;
  if ((captions.empty() ? "" : captions.back()) != m_strShown) differs += "another caption; ";
  if (m_rig.sink.gridEnabled != m_bGridEnabled) differs += "the grid takes input or not; ";
  if (m_rig.model->IsDirty() != m_bDirty) differs += "changed flag differs; ";
  if (m_rig.files.faults.writes != m_nWritesToFail || m_rig.files.faults.busyLocks != m_nBusyLocks)
    differs += "a write or lock came when none was expected (or none came); ";
  for (const std::string& stray : m_rig.files.Strays()) differs += stray + "; ";
  for (const std::string& misuse : m_rig.grid.misuses) differs += misuse + "; ";
  return differs;
}

}  // namespace paraset_test
