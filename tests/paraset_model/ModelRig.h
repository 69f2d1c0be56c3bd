// The configuration window's model over fakes of everything around it: a grid that keeps its
// rows in memory and does to them what the grid list control does before it reports, a sink that
// records what the window would show and answers the modal windows as the test says, the
// configuration file in memory (which can be made unusable), a small symbol library, an
// in-memory preview entity and label host.  Driven as the window drives it, with the symbol
// list's selection being the kind last chosen.  No test framework inside: what goes wrong in the
// fakes is listed in `misuses`, which the tests check.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "FakeLabelHost.h"
#include "MemoryPreviewEntity.h"
#include "MemoryRecordFileSystem.h"
#include "MemorySymbolLibrary.h"
#include "ParaSetModel.h"
#include "ParaSetRecords.h"

namespace paraset_test {

using vjd::annotation::SymbolLabelConfig;

class FakeGrid : public vjd::annotation::ILabelGridView {
 public:
  struct Row {
    std::array<std::string, vjd::annotation::kLabelColumnCount> cells;
    int code = 0;
  };
  std::vector<Row> rows;
  std::vector<std::string> misuses;  // cells written outside the rows and columns

  int RowCount() const override { return static_cast<int>(rows.size()); }
  void DeleteAllRows() override { rows.clear(); }
  void InsertRow(int row, const std::string& number) override;
  void SetCellText(int row, int column, const std::string& text) override;
  void SetRowCode(int row, int code) override;
  std::vector<std::string> Column(int column) const;
};

class RecordingSink : public vjd::annotation::IParaSetSink {
 public:
  std::vector<std::string> messages;
  std::vector<std::array<int, 3>> commands;
  std::vector<std::string> shownKinds;
  bool gridEnabled = true;  // whether the grid and its bar take input
  int refreshes = 0;
  int positionAnswer = -1;  // the position window's choice; negative: cancel
  int positionPreset = -100;
  int colourAnswer = -1;  // the colour dialog's choice; negative: cancel
  int colourInitial = -100;

  void ShowMessage(const char* text) override { messages.push_back(text); }
  bool ChoosePosition(int preset, int& code, std::string& name) override;
  bool ChooseColour(std::int32_t initial, std::int32_t& chosen) override;
  void RefreshPreview() override { ++refreshes; }
  void ShowKind(const std::string& kind) override { shownKinds.push_back(kind); }
  void EnableGrid(bool enabled) override { gridEnabled = enabled; }
  void SendToCommand(int code, int param1, int param2) override {
    commands.push_back({code, param1, param2});
  }
};

class ModelRig {
 public:
  static constexpr double kSymbolSize = 0.84;  // v of the preview entity; its base point is 0
  // The host directory whose configuration file lies in `files`, unless the rig has its own.
  static constexpr const char* kHostDirectory = "C:\\host\\";

  // `host` null: the in-memory label host `ownHost`.  `hostDirectory` empty: the configuration
  // file is `files`, else the real file under that directory.
  explicit ModelRig(vjd::annotation::ILabelHost* host = nullptr,
                    const CString& hostDirectory = CString());
  virtual ~ModelRig() = default;

  // What the window's controls and the grid send.
  void Choose(const std::string& kind);  // the symbol list's selection changed to `kind`
  // The category box's selection changed: the symbol list lists the category's symbols and
  // selects the first, if any (else nothing is selected).  Returns the list.
  std::vector<std::string> ChooseCategory(const std::string& category);
  // The grid's own actions: none while the grid takes no input.
  void Edit(int row, int column, const std::string& text);
  void AddRow();
  void DeleteRow(int row);
  void MoveRow(int row, int to);
  void Click(int row, int column);
  bool Leave();
  // The window opens anew on the same file, host and library: an empty grid and a new model.
  void Reopen();

  // What the grid and the preview show.
  std::vector<std::string> Row(int row) const;
  int Rows() const { return grid.RowCount(); }
  std::string LabelText(int label) const;
  int LabelInt(int code, int label) const { return entity.Int(code, label); }
  double LabelDouble(int code, int label) const { return entity.Double(code, label); }
  double AnchorY(int label) const;

  // The configuration file.
  bool Find(const char* kind, SymbolLabelConfig& record) const;
  void Store(const SymbolLabelConfig& record);                   // a failure is listed in `misuses`
  std::vector<std::string> StoredTexts(const char* kind) const;  // the record's slots in use
  static std::string ConfigPath() {
    return std::string(kHostDirectory) + vjd::annotation::LabelConfigFile::kRelativePath;
  }
  const std::string& FileContents() const { return files.Contents(ConfigPath()); }
  size_t FileBytes() const { return FileContents().size(); }

  vjd::testing::FakeLabelHost ownHost;
  MemoryPreviewEntity entity;
  // Symbols 0 to 4: "电动机", "短路点", "方块", "馈电开关", "照明"; "方块" has no built-in default.
  vjd::testing::MemorySymbolLibrary library{{"电动机", "短路点", "方块", "馈电开关", "照明"},
                                            {-0.004, -0.004, 0.004, 0.004}};
  vjd::testing::MemoryRecordFileSystem files;
  FakeGrid grid;
  RecordingSink sink;
  vjd::annotation::SelectedKind selected;
  std::unique_ptr<vjd::annotation::ParaSetModel> model;
  std::vector<std::string> misuses;  // the rig's own: records it could not store

 private:
  vjd::annotation::LabelConfigFile File() const;
  vjd::annotation::ILabelHost* m_pHost;
  CString m_strDir;
};

}  // namespace paraset_test
