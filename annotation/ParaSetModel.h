// ParaSetModel: what the configuration window decides, without the window.  It keeps the symbol
// catalogue, the kind the grid shows, whether the grid holds changes not stored yet, the rows as a
// SymbolLabelConfig (slot i is row i, each value as the row's text reads back), which slot of the
// stored record each row came from, and the snapshot of the five display settings Apply compares
// with.  It reacts to a catalogue read, a symbol chosen, a cell changed, a row added, deleted or
// moved, a click on a row, a category without symbols, "应用", the two update buttons, "选择实体"
// and leaving, and keeps grid, preview and file in step.
//
// Everything around it is borrowed for its whole life and reached through interfaces: the host
// (ILabelHost), the preview entity, the symbol library, the grid view and the window's sink; the
// configuration file object is its own copy.  The window reads its controls and hands in what
// they hold: the symbol list's selected entry (none when nothing is selected), the check boxes,
// the entity lists.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ApplyOptions.h"
#include "IPreviewEntity.h"
#include "ISymbolLibrary.h"
#include "LabelConfigFile.h"
#include "LabelGridView.h"
#include "LabelHost.h"
#include "OptionBoxes.h"
#include "ParaSetSink.h"
#include "PreviewLabels.h"
#include "SymbolCatalog.h"
#include "SymbolLabelConfig.h"

namespace vjd::annotation {

// The entry selected in the symbol list, or none.  An entry without a name names no kind: the
// grid's reports, the pushes and leaving treat it as none.
using SelectedKind = std::optional<std::string>;

class ParaSetModel {
 public:
  // What the user is told whenever the configuration file cannot be used.
  static constexpr const char kFileNotFound[] = "文件没找到！";
  // ... and when another program held it for the whole wait.
  static constexpr const char kFileBusy[] = "配置文件正被其他程序使用，请稍后再试。";
  // ... added when leaving could not store the rows, so that the window stays open with them.
  static constexpr const char kLeaveNotStored[] =
      "标注修改未能保存，窗口不关闭，以便稍后再试；再按“退出”仍不能保存时，这些修改将被放弃。";
  // ... added when choosing another symbol or category could not store them, so that the grid
  // keeps them and the lists go back to the symbol shown.
  static constexpr const char kChoiceNotStored[] =
      "标注修改未能保存，仍显示原来的符号，以便稍后再试；再选一次仍不能保存时，这些修改将被放弃。";
  // What the user is told when the catalogue is missing, or cannot be read.
  static constexpr const char kNoCatalogue[] = "此符号库没有分类";
  static constexpr const char kCatalogueUnreadable[] =
      "符号库分类文件无法打开，按没有分类显示全部符号";

  ParaSetModel(ILabelHost& host, IPreviewEntity& entity, const ISymbolLibrary& library,
               const LabelConfigFile& file, ILabelGridView& grid, IParaSetSink& sink);

  // The window opened with these display settings; the five compared ones become the snapshot.
  // The check boxes take their opening state (see OpenOptionBoxes), which the window shows.
  BoxReaction Open(DisplayOptions& settings);
  // The user ticked or cleared `box` (see ReactToOptionBox); "显示名称" is stored at once, the
  // other settings wait for "应用".
  BoxReaction OnOptionBox(OptionBox box, DisplayOptions& options);

  // Reads the symbol catalogue at `path` and returns its categories.  A catalogue that is missing
  // or cannot be read is reported; either way every category then lists the whole library.
  const std::vector<std::string>& ReadCatalog(const std::string& path);
  // The symbols the symbol list shows for `category`, from the library.
  std::vector<SymbolListItem> SymbolsOf(const std::string& category) const;

  // Symbol `symbol` of the library, listed as `name`, was chosen: the grid's rows are stored
  // under the kind shown so far (also when that is `name`: its edits are kept), the preview takes
  // the symbol, the kind's record or default is loaded, and the window shows `name`; true.  When
  // the file cannot be read for another kind than the one shown, the grid shows no kind, as with
  // nothing selected: it must not show the other kind's rows under this kind's name, where the
  // next store would write them over the record that could not be read.  A symbol listed without
  // a name (one the library lacks) shows its symbol and no kind, as ChooseNoSymbol does.
  // When the rows cannot be stored, the user is told and nothing changes (false): the window
  // puts its lists back on the kind shown.  Asked again with nothing changed in between, the
  // choice goes ahead even if the store fails again.
  bool ChooseSymbol(int symbol, const std::string& name);
  // The symbol list lists nothing (a category without symbols), so nothing is selected: the rows
  // are stored under the shown kind as a choice stores them, then the grid and the preview's
  // labels are emptied, no kind is shown (the next choice stores nothing) and the grid and its
  // bar take no input until a symbol is chosen; true.  Rows that cannot be stored are kept as
  // ChooseSymbol keeps them (false).
  bool ChooseNoSymbol();

  // Stores the rows as the record of `kind` when there are rows and changes.  False when the
  // store failed (the user was told, with `afterwards` on a line of its own when given).  The
  // changed flag stays as it is.
  bool StoreRows(const std::string& kind, const char* afterwards = nullptr);
  // Fills grid, rows and preview from the kind's record or its built-in default.  False when the
  // file cannot be used (the user was told): they are left as they are.
  bool LoadRows(const std::string& kind);

  // The grid's reports.  With nothing selected in the symbol list each does nothing.
  void OnRowClicked(const SelectedKind& selected, int row, int column);
  // The cell already holds `text`.  A label text is kept on one line and cut to its field; the
  // cell then shows what is kept.
  void OnCellChanged(const SelectedKind& selected, int row, int column, const std::string& text);
  // The grid has the new, empty row `row`.
  void OnRowInserted(const SelectedKind& selected, int row);
  // The grid no longer has row `row`; the stored record loses that row's own slot at once, if it
  // has one, and keeps every other: after a delete, refused or not, the record holds the rows it
  // held before but the deleted one, in their stored order.
  void OnRowDeleted(const SelectedKind& selected, int row);
  // Rows `row` and `to` traded places in the grid.
  void OnRowMoved(const SelectedKind& selected, int row, int to);

  // "应用": stores the settings (the snapshot follows) and rewrites the device labels.
  void Apply(const DisplayOptions& options, const int* handles, const int* ids, int count);
  // Pushes the selected kind's configuration onto the entities of that kind among the `count`
  // given; false when the list is empty, nothing is selected, the store failed or there are no
  // rows.
  bool PushKind(const SelectedKind& selected, int count, const int* handles, const int* ids);
  // The two update buttons: the push, then "更新标注成功！" or "更新标注失败！".
  void OnPushButton(const SelectedKind& selected, int count, const int* handles, const int* ids);
  // "选择实体": the command hides the window and starts a pick.
  void OnPickEntities();
  // Leaving: the selected kind's rows are stored, then the command is told that it ends; true.
  // When the rows cannot be stored, the user is told and the window stays (false), edits and
  // all, so that leaving can be tried again; asked again with nothing changed in between, it
  // leaves even if the store fails again.
  bool OnLeave(const SelectedKind& selected);

  const std::string& ShownKind() const { return m_strShownKind; }
  bool IsDirty() const { return m_bDirty; }
  const SymbolLabelConfig& Rows() const { return m_rows; }  // nLabelCount: the rows
  const OptionSnapshot& Snapshot() const { return m_snapshot; }

 private:
  class KindWindow;

  // Shows "文件没找到！" (or, when another program held it, kFileBusy; then `afterwards` on a line
  // of its own, when given) when the file could not be used; true when it could.
  bool CheckFile(const FileStatus& status, const char* afterwards = nullptr);
  // The grid and the preview's labels empty, no kind shown, the grid and its bar taking no input.
  void ShowNoKind();
  void UpdateScale();
  // Writes `text` into the cell and reads it back into the row's slot.
  void ShowCell(int row, int column, const std::string& text);
  // Row `row` shows slot `row` of `record` (but its number), the rows take it, and the preview
  // shows its label.
  void ShowSlot(int row, const SymbolLabelConfig& record);
  // A report of a change to the rows: false (nothing to do) when no kind is selected, else the
  // map's scale is read for the preview and the rows are marked changed.
  bool BeginChange(const SelectedKind& selected);
  // The rows changed: they are to be stored, and a leave or choice refused before is no more.
  void MarkChanged();
  // Stores the rows under `kind`; true (keep them) when that failed and `refused` was not set
  // yet, which it then is, the user told with `note` after the file's message.  Asked again
  // (`refused` set, nothing changed since), false: they go.
  bool KeepRowsOnce(const std::string& kind, const char* note, bool& refused);
  // Before another symbol or category is shown: KeepRowsOnce for the kind shown, if any.
  bool KeepUnstoredRows();
  // Label `row` of the preview takes the row's colours.
  void ShowColours(int row);
  void NumberRows();
  void ShiftPreviewLabel(int label);
  void ClearRows();
  void InsertSlot(int row);
  void RemoveSlot(int row);
  // Row `row` is gone: its stored slot, if any, is taken out of the kind's record, and the other
  // rows' stored slots close up behind it once the file has done so.
  void RemoveStoredSlot(const std::string& kind, int row);
  // The record the rows make, named `kind`.
  SymbolLabelConfig RecordOfRows(const std::string& kind) const;

  ILabelHost& m_host;
  const ISymbolLibrary& m_library;
  LabelConfigFile m_file;
  ILabelGridView& m_grid;
  IParaSetSink& m_sink;
  PreviewLabels m_preview;

  SymbolCatalog m_catalog;
  std::string m_strShownKind;  // "" before the first symbol
  bool m_bDirty = false;
  bool m_bLeaveRefused = false;   // the last leave could not store the rows; nothing changed since
  bool m_bChoiceRefused = false;  // the same for the last choice of a symbol or category
  SymbolLabelConfig m_rows;
  // Per row, the slot of the stored record it stands for: the rows' own order after a load or a
  // store, another one after rows moved or a delete was refused; kNoSlot for a row not stored
  // yet (added, from the default, or left from another kind by a failed load).
  static constexpr int kNoSlot = -1;
  std::vector<int> m_storedSlot;
  OptionSnapshot m_snapshot;
};

}  // namespace vjd::annotation
