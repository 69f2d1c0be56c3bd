#include "ParaSetModel.h"

#include <algorithm>
#include <cstring>

#include "CommandMessages.h"
#include "GbkText.h"
#include "KindLabelUpdate.h"
#include "NumberText.h"

namespace vjd::annotation {

namespace {

std::string Text(const CString& text) {
  return std::string(static_cast<const char*>(text), static_cast<size_t>(text.GetLength()));
}

bool ValidSlot(int slot) {
  return slot >= 0 && slot < kMaxLabelSlots;
}

// Whether the symbol list's selection names a kind.  An item without a name is none: the
// catalogue may name a symbol the library lacks, whose name comes back empty, and a record
// without a kind name would be a damaged one that no symbol ever finds again.
bool NamesKind(const SelectedKind& selected) {
  return selected && !selected->empty();
}

// What the preview shows of slot i of a record.
PreviewSlot PreviewSlotOf(const SymbolLabelConfig& record, int i) {
  PreviewSlot slot;
  slot.strText = record.szText[i];
  slot.bVisible = record.bVisible[i];
  slot.nPosition = record.nPosition[i];
  slot.bAngleFollows = record.bAngleFollows[i];
  slot.dAngle = record.dAngle[i];
  slot.clrFore = record.clrFore[i];
  slot.clrBack = record.clrBack[i];
  return slot;
}

// Every field of slot `from` of `source` goes to slot `to` of `target`.
void CopySlot(SymbolLabelConfig& target, int to, const SymbolLabelConfig& source, int from) {
  std::memcpy(target.szText[to], source.szText[from], kNameFieldSize);
  std::memcpy(target.szFont[to], source.szFont[from], kFontFieldSize);
  target.bVisible[to] = source.bVisible[from];
  target.nPosition[to] = source.nPosition[from];
  target.clrFore[to] = source.clrFore[from];
  target.clrBack[to] = source.clrBack[from];
  target.dHeight[to] = source.dHeight[from];
  target.dWidth[to] = source.dWidth[from];
  target.dAngle[to] = source.dAngle[from];
  target.bAngleFollows[to] = source.bAngleFollows[from];
}

// Slot `slot` back at its initial values.
void ResetSlot(SymbolLabelConfig& record, int slot) {
  SymbolLabelConfig fresh;
  InitRecord(fresh);
  CopySlot(record, slot, fresh, slot);
}

}  // namespace

// The model's answers to the kind push: the selected kind, the store and the row count.
class ParaSetModel::KindWindow : public IKindLabelWindow {
 public:
  KindWindow(ParaSetModel& model, const SelectedKind& selected)
      : m_model(model), m_selected(selected) {}
  bool GetSelectedKind(std::string& kindName) override {
    if (!NamesKind(m_selected)) return false;
    kindName = *m_selected;
    return true;
  }
  bool SaveGridConfig(const std::string& kindName) override { return m_model.StoreRows(kindName); }
  int GetGridRowCount() override { return m_model.m_grid.RowCount(); }

 private:
  ParaSetModel& m_model;
  const SelectedKind& m_selected;
};

ParaSetModel::ParaSetModel(ILabelHost& host, IPreviewEntity& entity, const ISymbolLibrary& library,
                           const LabelConfigFile& file, ILabelGridView& grid, IParaSetSink& sink)
    : m_host(host),
      m_library(library),
      m_file(file),
      m_grid(grid),
      m_sink(sink),
      m_preview(entity, 1.0) {
  InitRecord(m_rows);
}

BoxReaction ParaSetModel::Open(DisplayOptions& settings) {
  m_snapshot = SnapshotOf(settings);
  m_bDirty = false;
  return OpenOptionBoxes(settings);
}

BoxReaction ParaSetModel::OnOptionBox(OptionBox box, DisplayOptions& options) {
  if (box == OptionBox::kShowNameOnDraw) m_host.SetShowNameOnDraw(options.bShowNameOnDraw);
  return ReactToOptionBox(box, options);
}

bool ParaSetModel::CheckFile(const FileStatus& status, const char* afterwards) {
  if (!status.Failed()) return true;
  std::string text = status.IsBusy() ? kFileBusy : kFileNotFound;
  if (afterwards) text.append("\n").append(afterwards);
  m_sink.ShowMessage(text.c_str());
  return false;
}

void ParaSetModel::UpdateScale() {
  m_preview.SetMapScale(m_host.GetMapScale());
}

// ---- The catalogue, symbols, loading and storing ---------------------------------------------

const std::vector<std::string>& ParaSetModel::ReadCatalog(const std::string& path) {
  switch (m_catalog.LoadFile(path)) {
    case SymbolCatalog::Loaded:
      break;
    case SymbolCatalog::Missing:
      m_sink.ShowMessage(kNoCatalogue);
      break;
    case SymbolCatalog::Unreadable:
      m_sink.ShowMessage(kCatalogueUnreadable);
      break;
  }
  return m_catalog.Categories();
}

std::vector<SymbolListItem> ParaSetModel::SymbolsOf(const std::string& category) const {
  return m_catalog.SymbolsOf(category, m_library);
}

bool ParaSetModel::KeepRowsOnce(const std::string& kind, const char* note, bool& refused) {
  if (StoreRows(kind, refused ? nullptr : note) || refused) return false;  // stored, or they go
  refused = true;
  return true;
}

bool ParaSetModel::KeepUnstoredRows() {
  // The grid still holds the shown kind's rows: stored when they changed.  This also holds when
  // the shown kind is chosen again, so its edits are stored before the grid is read back.
  return !m_strShownKind.empty() &&
         KeepRowsOnce(m_strShownKind, kChoiceNotStored, m_bChoiceRefused);
}

bool ParaSetModel::ChooseSymbol(int symbol, const std::string& name) {
  if (KeepUnstoredRows()) return false;
  UpdateScale();
  m_preview.PrepareSymbol(m_library, symbol);
  const std::string previous = m_strShownKind;
  // A symbol without name shows its symbol and no kind.  Another kind that cannot be read shows
  // no kind either.
  if (name.empty() || (!LoadRows(name) && name != previous)) {
    ShowNoKind();
    return true;
  }
  m_strShownKind = name;
  m_sink.ShowKind(name);
  m_sink.EnableGrid(true);
  m_bDirty = false;
  m_bChoiceRefused = false;
  return true;
}

bool ParaSetModel::ChooseNoSymbol() {
  if (KeepUnstoredRows()) return false;
  ShowNoKind();
  return true;
}

void ParaSetModel::ShowNoKind() {
  m_grid.DeleteAllRows();
  ClearRows();
  m_preview.SetCount(0);
  m_strShownKind.clear();
  m_bDirty = false;
  m_sink.ShowKind(m_strShownKind);
  // Nothing it could take would reach a record.
  m_sink.EnableGrid(false);
}

SymbolLabelConfig ParaSetModel::RecordOfRows(const std::string& kind) const {
  SymbolLabelConfig record;
  InitRecord(record);
  SetSymbolName(record, kind.c_str());
  const int rows = std::min(m_grid.RowCount(), kMaxLabelSlots);
  record.nLabelCount = rows;
  // The rows' texts are whole fields, zero-filled, and their fonts the initial ones.
  for (int i = 0; i < rows; ++i) CopySlot(record, i, m_rows, i);
  return record;
}

bool ParaSetModel::StoreRows(const std::string& kind, const char* afterwards) {
  if (m_grid.RowCount() == 0 || !m_bDirty) return true;
  if (!CheckFile(m_file.StoreRecord(RecordOfRows(kind)), afterwards)) return false;
  // The record holds the rows in their order now.
  for (size_t i = 0; i < m_storedSlot.size(); ++i) m_storedSlot[i] = static_cast<int>(i);
  return true;
}

void ParaSetModel::ClearRows() {
  InitRecord(m_rows);
  m_storedSlot.clear();
}

void ParaSetModel::ShowCell(int row, int column, const std::string& text) {
  m_grid.SetCellText(row, column, text);
  ReadSlotColumnText(m_rows, row, column, text.c_str());
}

void ParaSetModel::ShowSlot(int row, const SymbolLabelConfig& record) {
  for (int c = kColumnText; c < kLabelColumnCount; ++c) {
    ShowCell(row, c, Text(SlotColumnText(record, row, c)));
  }
  m_grid.SetRowCode(row, record.nPosition[row]);
  SetSlotPosition(m_rows, row, record.nPosition[row]);
  m_preview.ShowSlot(row, PreviewSlotOf(record, row));
}

bool ParaSetModel::LoadRows(const std::string& kind) {
  SymbolLabelConfig record;
  InitRecord(record);
  const FileStatus found = m_file.FindRecord(kind.c_str(), record);
  if (!CheckFile(found)) return false;
  m_grid.DeleteAllRows();
  ClearRows();
  UpdateScale();
  int count = 0;
  if (found.ok()) {
    count = LabelCount(record);
  } else {
    m_preview.SetCount(0);
    count = MakeDefaultConfig(kind.c_str(), record);
    if (count == 0) return true;  // a kind without default: an empty grid
  }
  m_preview.SetCount(count);
  for (int i = 0; i < count; ++i) {
    m_grid.InsertRow(i, Text(SlotColumnText(record, i, kColumnNumber)));
    ShowSlot(i, record);
    m_rows.nLabelCount = i + 1;
    m_storedSlot.push_back(found.ok() ? i : kNoSlot);  // a default is stored nowhere yet
  }
  return true;
}

// ---- The grid's reports ---------------------------------------------------------------------

void ParaSetModel::MarkChanged() {
  m_bDirty = true;
  // A refused choice or leave spoke of the rows as they were.
  m_bChoiceRefused = m_bLeaveRefused = false;
}

bool ParaSetModel::BeginChange(const SelectedKind& selected) {
  if (!NamesKind(selected)) return false;
  UpdateScale();
  MarkChanged();
  return true;
}

void ParaSetModel::OnRowClicked(const SelectedKind& selected, int row, int column) {
  if (!NamesKind(selected)) return;
  if (row < 0 || row >= m_grid.RowCount() || !ValidSlot(row)) return;
  MarkChanged();  // any click on a row counts as a change
  if (column == kColumnPosition) {
    int code = 0;
    std::string name;
    if (!m_sink.ChoosePosition(m_rows.nPosition[row], code, name)) return;
    m_grid.SetRowCode(row, code);
    m_grid.SetCellText(row, kColumnPosition, name);
    SetSlotPosition(m_rows, row, code);
    UpdateScale();
    m_preview.PlaceChosen(row, code);
    m_sink.RefreshPreview();
  } else if (column == kColumnForeColor || column == kColumnBackColor) {
    const bool fore = column == kColumnForeColor;
    std::int32_t chosen = 0;
    if (!m_sink.ChooseColour(fore ? m_rows.clrFore[row] : m_rows.clrBack[row], chosen)) return;
    ShowCell(row, column, Text(ColorText(chosen)));
    UpdateScale();
    if (fore) {
      m_preview.SetFore(row, chosen);
    } else {
      m_preview.SetBack(row, chosen);
    }
    m_sink.RefreshPreview();
  }
}

void ParaSetModel::OnCellChanged(const SelectedKind& selected, int row, int column,
                                 const std::string& text) {
  if (!BeginChange(selected)) return;
  std::string kept = text;
  if (column == kColumnText) {
    // A label is one line of at most the record's field.
    kept = gbk::CutToFit(gbk::OneLine(text), kNameFieldSize - 1);
  } else if (column == kColumnHeight || column == kColumnWidth || column == kColumnAngle ||
             column == kColumnForeColor || column == kColumnBackColor) {
    // Digits typed in full-width mode are digits.
    kept = gbk::HalfWidthNumber(text);
  }
  if (kept != text) m_grid.SetCellText(row, column, kept);  // the cell shows what is kept
  if (column == kColumnHeight) {
    // Editing the height sets the width to half of it.
    ShowCell(row, kColumnWidth, Text(RealText(ReadReal(kept.c_str(), kDefaultLabelHeight) / 2.0)));
  }
  ReadSlotColumnText(m_rows, row, column, kept.c_str());
  const std::string value = gbk::Trimmed(kept);
  switch (column) {
    case kColumnText:
      m_preview.SetText(row, value);
      break;
    case kColumnVisible:
      m_preview.SetVisible(row, ParseYesNo(value.c_str()));
      break;
    case kColumnAngleFollows:
      m_preview.SetAngleFollows(row, ParseYesNo(value.c_str()));
      // A label that no longer follows the symbol shows its own angle, which may have been typed
      // while it followed.
      if (ValidSlot(row)) m_preview.SetAngleUnlessFollowing(row, m_rows.dAngle[row]);
      break;
    case kColumnAngle:
      m_preview.SetAngleUnlessFollowing(row, ReadReal(value.c_str(), 0.0));
      break;
    case kColumnForeColor:
    case kColumnBackColor:
      if (ValidSlot(row)) ShowColours(row);
      break;
    default:
      break;  // sizes: the preview keeps its own
  }
  m_sink.RefreshPreview();
}

void ParaSetModel::OnRowInserted(const SelectedKind& selected, int row) {
  if (!BeginChange(selected)) return;
  const int n = m_grid.RowCount();
  m_preview.SetCount(n);
  double height = kDefaultLabelHeight, width = kDefaultLabelWidth;
  CheckFile(m_file.GetFirstSlotSize(selected->c_str(), height, width));
  if (!ValidSlot(row)) return;  // the grid holds at most eight rows
  // The new slot: initial values but for its letter, shown, at "右上", the first slot's size.
  SymbolLabelConfig fresh;
  InitRecord(fresh);
  const char letter[2] = {static_cast<char>('a' + n - 1), '\0'};
  SetSlotText(fresh, row, letter);
  fresh.bVisible[row] = 1;
  fresh.dHeight[row] = height;
  fresh.dWidth[row] = width;
  InsertSlot(row);
  m_grid.SetCellText(row, kColumnNumber, Text(SlotColumnText(fresh, row, kColumnNumber)));
  ShowSlot(row, fresh);
  m_sink.RefreshPreview();
}

void ParaSetModel::OnRowDeleted(const SelectedKind& selected, int row) {
  if (!BeginChange(selected)) return;
  const int n = m_grid.RowCount();
  RemoveSlot(row);
  NumberRows();
  for (int j = row + 1; j <= n; ++j) ShiftPreviewLabel(j);
  // The entity gives no colours back, so the shift leaves each moved label with the colours of
  // the label it replaced: the rows hold them.
  for (int j = std::max(row, 0); j < std::min(n, kMaxLabelSlots); ++j) ShowColours(j);
  m_preview.SetCount(n);
  RemoveStoredSlot(*selected, row);
  m_sink.RefreshPreview();
}

void ParaSetModel::OnRowMoved(const SelectedKind& selected, int row, int to) {
  if (!BeginChange(selected)) return;
  if (ValidSlot(row) && ValidSlot(to) && row != to) {
    const SymbolLabelConfig before = m_rows;
    CopySlot(m_rows, row, before, to);
    CopySlot(m_rows, to, before, row);
    if (row < static_cast<int>(m_storedSlot.size()) && to < static_cast<int>(m_storedSlot.size()))
      std::swap(m_storedSlot[row], m_storedSlot[to]);
  }
  NumberRows();
  m_preview.Swap(row, to);
  for (int r : {row, to}) {  // the entity gives no colours back: the rows hold them
    if (ValidSlot(r)) ShowColours(r);
  }
  m_sink.RefreshPreview();
}

void ParaSetModel::ShowColours(int row) {
  m_preview.SetFore(row, m_rows.clrFore[row]);
  m_preview.SetBack(row, m_rows.clrBack[row]);
}

void ParaSetModel::NumberRows() {
  for (int i = 0; i < m_grid.RowCount(); ++i)
    m_grid.SetCellText(i, kColumnNumber, std::to_string(i));
}

void ParaSetModel::ShiftPreviewLabel(int label) {
  m_preview.Shift(label);
}

void ParaSetModel::InsertSlot(int row) {
  const int count = LabelCount(m_rows);
  if (!ValidSlot(row) || count >= kMaxLabelSlots) return;
  for (int j = count; j > row; --j) CopySlot(m_rows, j, m_rows, j - 1);
  ResetSlot(m_rows, row);
  m_rows.nLabelCount = count + 1;
  const int at = std::min(row, static_cast<int>(m_storedSlot.size()));
  m_storedSlot.insert(m_storedSlot.begin() + at, kNoSlot);
}

void ParaSetModel::RemoveSlot(int row) {
  const int count = LabelCount(m_rows);
  if (!ValidSlot(row) || row >= count) return;
  for (int j = row; j + 1 < count; ++j) CopySlot(m_rows, j, m_rows, j + 1);
  ResetSlot(m_rows, count - 1);
  m_rows.nLabelCount = count - 1;
}

void ParaSetModel::RemoveStoredSlot(const std::string& kind, int row) {
  if (row < 0 || row >= static_cast<int>(m_storedSlot.size())) return;
  const int slot = m_storedSlot[row];
  m_storedSlot.erase(m_storedSlot.begin() + row);
  if (slot == kNoSlot) return;
  const FileStatus status = m_file.RemoveLabelSlot(kind.c_str(), slot);
  // Refused, the record still holds every slot: the other rows keep theirs.
  if (!CheckFile(status) || !status.ok()) return;
  for (int& other : m_storedSlot) {
    if (other > slot) --other;
  }
}

// ---- Buttons --------------------------------------------------------------------------------

void ParaSetModel::Apply(const DisplayOptions& options, const int* handles, const int* ids,
                         int count) {
  try {
    vjd::annotation::ApplyOptions(m_host, options, m_snapshot, handles, ids, count);
  } catch (...) {
    // Out of memory part-way: the labels written so far stay and the map was told of them.
  }
}

bool ParaSetModel::PushKind(const SelectedKind& selected, int count, const int* handles,
                            const int* ids) {
  try {
    KindWindow window(*this, selected);
    return vjd::annotation::UpdateKindLabels(window, m_host, count, handles, ids);
  } catch (...) {
    return false;
  }
}

void ParaSetModel::OnPushButton(const SelectedKind& selected, int count, const int* handles,
                                const int* ids) {
  m_sink.ShowMessage(PushKind(selected, count, handles, ids) ? kUpdateSucceeded : kUpdateFailed);
}

void ParaSetModel::OnPickEntities() {
  m_sink.SendToCommand(command::kFromWindow, 0, command::kWindowPicks);
}

bool ParaSetModel::OnLeave(const SelectedKind& selected) {
  // Unstored edits are not dropped on the first try: a busy file or a full disk may well let
  // them be stored a little later.
  if (NamesKind(selected) && KeepRowsOnce(*selected, kLeaveNotStored, m_bLeaveRefused)) {
    return false;
  }
  m_sink.SendToCommand(command::kFromWindow, 0, command::kWindowLeaves);
  return true;
}

}  // namespace vjd::annotation
