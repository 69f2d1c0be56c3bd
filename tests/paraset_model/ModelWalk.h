// A walk over the configuration window's reactions in any order: each action is what the user or
// the file can do to the model (a row added, deleted or moved, a cell edited, a row clicked with
// the choice answered or cancelled, another kind or category, "应用", the two pushes, a pick,
// leaving and opening again, the next write failing, the next lock busy, the file's folder going
// missing or coming back), run on a ModelRig and on a plain reference: the rows as the grid shows
// them, each with the stored slot it stands for, and the file as a list of records. After every
// action the file's whole records equal the reference's byte for byte, the grid equals its rows,
// the preview's labels follow them (their number, and each one's position, shown flag and
// colours), the messages shown and sent to the command are those expected, and no access strayed
// from a whole record.
//
// Actions carry raw numbers that are taken modulo what the state offers when they run, so any
// subsequence of a walk is a walk too (which is how a failing one is shortened), and any bytes
// decode into one (the fuzz target's input).  No test framework inside.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ModelRig.h"

namespace paraset_test {

struct WalkAction {
  enum Op : std::uint8_t {
    kAdd,
    kDelete,
    kMoveUp,
    kMoveDown,
    kEdit,
    kClick,
    kSwitchKind,
    kSwitchCategory,
    kApply,
    kPushAll,
    kPushPicked,
    kPick,
    kLeave,
    kFailNextWrite,
    kBusyNextLock,
    kFolderGoesOrReturns,
    kOpCount
  };
  Op op = kAdd;
  std::uint8_t row = 0, column = 0, value = 0;
};

// Reads actions from bytes, four a piece (missing bytes read as 0).
std::vector<WalkAction> DecodeWalk(const std::uint8_t* data, std::size_t size);

class ModelWalk {
 public:
  // The text every failed use of the file shows (the unavailable file's, a busy lock's too).
  static const char* const kFileMessage;
  static const char* const kBusyMessage;
  // The catalogue the walk's window reads, and its category that lists no symbol.
  static const std::string& CataloguePath();
  static const char* const kEmptyCategory;

  ModelWalk();
  ~ModelWalk();
  // Runs one action; what differed from the reference afterwards, "" when nothing did.
  std::string Step(const WalkAction& action);
  // Runs the actions; the index of the first after which something differed (and what), or -1.
  int Run(const std::vector<WalkAction>& actions, std::string* what = nullptr);

  // What each action did, as run ("delete row 1", "category 开关: choose 馈电开关", ...).
  std::vector<std::string> transcript;

 private:
  struct Row {
    std::array<std::string, vjd::annotation::kLabelColumnCount> cells;
    int code = 0;
    int stored = -1;  // the slot of the stored record the row stands for; -1: none
  };

  void Act(const WalkAction& action);
  std::string Compare() const;

  // The reference's file: one operation's lock, one write, the record of a kind.
  bool Lock();
  bool Write();
  vjd::annotation::SymbolLabelConfig* Record(const std::string& kind);
  // The reference's reactions.
  bool KeepUnstored();
  bool Choose(const std::string& kind);
  void ChooseCategory(const std::string& category);
  bool StoreRows(const std::string& kind);
  void MarkChanged();
  bool LoadRows(const std::string& kind);
  void ShowNoKind();
  void Delete(int row);
  void Push(bool all);
  void Open();
  void Renumber();
  vjd::annotation::SymbolLabelConfig RecordOfRows(const std::string& kind) const;

  ModelRig m_rig;
  std::string m_strCatalogue;
  std::vector<vjd::annotation::SymbolLabelConfig> m_records;
  std::vector<Row> m_rows;
  std::string m_strShown;
  bool m_bDirty = false;
  bool m_bLeaveRefused = false, m_bChoiceRefused = false;
  bool m_bGridEnabled = true;
  int m_nWritesToFail = 0, m_nBusyLocks = 0;
  bool m_bFolderGone = false;
  std::vector<std::string> m_messages;
  std::vector<std::array<int, 3>> m_commands;
  std::vector<std::string> m_categories;
  std::vector<std::string> m_symbols;       // the symbol list: the current category's
  std::vector<int> m_picked;                // handles of the last pick
  int m_nPreset = -100, m_nInitial = -100;  // what the choice a click opened was preset with
  std::string m_strDid;
};

}  // namespace paraset_test
