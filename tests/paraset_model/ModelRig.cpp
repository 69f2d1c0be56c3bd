#include "ModelRig.h"

#include <cstring>

namespace paraset_test {

using namespace vjd::annotation;

void FakeGrid::InsertRow(int row, const std::string& number) {
  Row inserted;
  inserted.cells[kColumnNumber] = number;
  rows.insert(rows.begin() + row, inserted);
}

void FakeGrid::SetCellText(int row, int column, const std::string& text) {
  if (row < 0 || row >= RowCount() || column < 0 || column >= kLabelColumnCount) {
    misuses.push_back("SetCellText(" + std::to_string(row) + "," + std::to_string(column) + ")");
    return;
  }
  rows[row].cells[column] = text;
}

void FakeGrid::SetRowCode(int row, int code) {
  if (row < 0 || row >= RowCount()) {
    misuses.push_back("SetRowCode(" + std::to_string(row) + ")");
    return;
  }
  rows[row].code = code;
}

std::vector<std::string> FakeGrid::Column(int column) const {
  std::vector<std::string> cells;
  for (const Row& row : rows) cells.push_back(row.cells[column]);
  return cells;
}

bool RecordingSink::ChoosePosition(int preset, int& code, std::string& name) {
  positionPreset = preset;
  if (positionAnswer < 0) return false;
  code = positionAnswer;
  name = LabelPositionName(code);
  return true;
}

bool RecordingSink::ChooseColour(std::int32_t initial, std::int32_t& chosen) {
  colourInitial = initial;
  if (colourAnswer < 0) return false;
  chosen = colourAnswer;
  return true;
}

ModelRig::ModelRig(ILabelHost* host, const CString& hostDirectory)
    : m_pHost(host ? host : &ownHost), m_strDir(hostDirectory) {
  entity.attributes.dSymbolSize = kSymbolSize;
  model = std::make_unique<ParaSetModel>(*m_pHost, entity, library, File(), grid, sink);
}

void ModelRig::Reopen() {
  model.reset();
  grid.rows.clear();
  selected.reset();
  sink.gridEnabled = true;
  model = std::make_unique<ParaSetModel>(*m_pHost, entity, library, File(), grid, sink);
}

LabelConfigFile ModelRig::File() const {
  if (m_strDir.IsEmpty()) {
    return LabelConfigFile(kHostDirectory,
                           const_cast<vjd::testing::MemoryRecordFileSystem*>(&files));
  }
  return LabelConfigFile(m_strDir);
}

// As the window does, the lists go back to the kind shown when the model keeps it.
void ModelRig::Choose(const std::string& kind) {
  int index = 0;
  while (index < library.GetSymbolCount() && library.GetSymbolName(index) != kind) ++index;
  const SelectedKind before = selected;
  selected = kind;
  if (!model->ChooseSymbol(index, kind)) selected = before;
}

std::vector<std::string> ModelRig::ChooseCategory(const std::string& category) {
  std::vector<std::string> names;
  const std::vector<SymbolListItem> items = model->SymbolsOf(category);
  for (const SymbolListItem& item : items) names.push_back(item.strName);
  const SelectedKind before = selected;
  if (items.empty()) {
    selected.reset();
    if (!model->ChooseNoSymbol()) selected = before;
    return names;
  }
  selected = items.front().strName;
  if (!model->ChooseSymbol(items.front().nSymbol, items.front().strName)) selected = before;
  return names;
}

void ModelRig::Edit(int row, int column, const std::string& text) {
  if (!sink.gridEnabled) return;
  grid.rows[row].cells[column] = text;  // the grid keeps the text, then reports it
  model->OnCellChanged(selected, row, column, text);
}

void ModelRig::AddRow() {
  if (!sink.gridEnabled) return;
  grid.rows.emplace_back();
  model->OnRowInserted(selected, Rows() - 1);
}

void ModelRig::DeleteRow(int row) {
  if (!sink.gridEnabled) return;
  grid.rows.erase(grid.rows.begin() + row);
  model->OnRowDeleted(selected, row);
}

void ModelRig::MoveRow(int row, int to) {
  if (!sink.gridEnabled) return;
  std::swap(grid.rows[row], grid.rows[to]);  // texts and codes trade places
  model->OnRowMoved(selected, row, to);
}

void ModelRig::Click(int row, int column) {
  if (!sink.gridEnabled) return;
  model->OnRowClicked(selected, row, column);
}

bool ModelRig::Leave() {
  return model->OnLeave(selected);
}

std::vector<std::string> ModelRig::Row(int row) const {
  const auto& cells = grid.rows.at(row).cells;
  return std::vector<std::string>(cells.begin(), cells.end());
}

std::string ModelRig::LabelText(int label) const {
  return entity.Text(ATTR_LABEL_TEXT_SET, label);
}

double ModelRig::AnchorY(int label) const {
  std::vector<double> anchor = entity.Doubles(ATTR_LABEL_ANCHOR_SET, label);
  return anchor.size() == 3 ? anchor[1] : -12345.0;
}

bool ModelRig::Find(const char* kind, SymbolLabelConfig& record) const {
  InitRecord(record);
  return File().FindRecord(kind, record).ok();
}

void ModelRig::Store(const SymbolLabelConfig& record) {
  if (!File().StoreRecord(record).ok())
    misuses.push_back(std::string("Store ") + record.szSymbolName);
}

std::vector<std::string> ModelRig::StoredTexts(const char* kind) const {
  SymbolLabelConfig record;
  std::vector<std::string> texts;
  if (!Find(kind, record)) return {"(no record)"};
  for (int i = 0; i < LabelCount(record); ++i) texts.push_back(record.szText[i]);
  return texts;
}

}  // namespace paraset_test
