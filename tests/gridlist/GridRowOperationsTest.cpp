// The grid's row operations over a list in memory: which rows they touch, what the parent is told,
// and which rows end selected.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "GridRows.h"

namespace {

// Rows of two columns; row i starts as the texts "a" + i and "A" + i with data i.
class FakeList : public CGridRows::List {
 public:
  explicit FakeList(int rows) {
    for (int i = 0; i < rows; ++i) m_rows.push_back({char('a' + i), char('A' + i), char('0' + i)});
  }
  // Each row as its two texts and its data ("aA0"), empty texts as '-'.
  std::string Rows() const {
    std::string out;
    for (const std::string& row : m_rows) out += row + " ";
    return out;
  }
  std::string m_log;
  std::set<int> m_selected;

  int RowCount() const override { return static_cast<int>(m_rows.size()); }
  int ColumnCount() const override { return 2; }
  int InsertRow(int index) override { return m_rows.insert(m_rows.begin() + index, "--0"), index; }
  bool RemoveRow(int row) override { return m_rows.erase(m_rows.begin() + row), true; }
  CString RowText(int row, int column) const override { return CString(m_rows.at(row)[column]); }
  void SetRowText(int row, int column, const CString& text) override {
    m_rows.at(row).at(column) = text.GetString()[0];
  }
  std::uintptr_t RowData(int row) const override { return m_rows.at(row)[2]; }
  void SetRowData(int row, std::uintptr_t data) override { m_rows.at(row)[2] = char(data); }
  void SelectRow(int row) override { m_selected.insert(row); }
  void MarkRow(int row, bool on) override {
    on ? void(m_selected.insert(row)) : void(m_selected.erase(row));
  }
  void ReportInserted(int row) override { m_log += "+" + std::to_string(row) + " "; }
  void ReportDeleted(int row) override { m_log += "-" + std::to_string(row) + " "; }
  void ReportMoved(int from, int to) override {
    m_log += std::to_string(from) + ">" + std::to_string(to) + " ";
  }

 private:
  std::vector<std::string> m_rows;
};

// Selections are written as their rows' digits, in order ("02": rows 0 and 2).
struct Case {
  const char* what;
  int rows;
  const char* selected;  // before
  void (*act)(CGridRows&);
  const char* after;
  const char* log;
  const char* selectedAfter;
};

const Case kCases[] = {
    // what, rows, selected before, operations, rows after, reports, selected after
    {"add appends for -1 or past the end, else inserts at the index", 2, "",
     [](CGridRows& r) { r.Add(-1), r.Add(99), r.Add(0); }, "--0 aA0 bB1 --0 --0 ", "+2 +3 +0 ", ""},
    {"delete deletes and reports an existing row", 3, "", [](CGridRows& r) { r.Delete(1); },
     "aA0 cC2 ", "-1 ", ""},
    {"delete of a row that does not exist does nothing", 2, "",
     [](CGridRows& r) { r.Delete(-1), r.Delete(2); }, "aA0 bB1 ", "", ""},
    {"swap exchanges all texts and the data", 3, "", [](CGridRows& r) { r.Swap(0, 2); },
     "cC2 bB1 aA0 ", "", ""},
    {"a move swaps, takes the selection along and reports", 3, "0",
     [](CGridRows& r) { r.Move(0, +1); }, "bB1 aA0 cC2 ", "0>1 ", "1"},
    {"the next move takes the same row further", 3, "2",
     [](CGridRows& r) { r.Move(2, -1), r.Move(1, -1); }, "cC2 aA0 bB1 ", "2>1 1>0 ", "0"},
    {"no move past the first or the last row", 2, "0",
     [](CGridRows& r) { r.Move(0, -1), r.Move(1, +1), r.Move(5, -1); }, "aA0 bB1 ", "", "0"},
    {"the new-row button appends up to eight rows", 7, "",
     [](CGridRows& r) { r.AppendBelow(8), r.AppendBelow(8); }, "aA0 bB1 cC2 dD3 eE4 fF5 gG6 --0 ",
     "+7 ", ""},
    {"deleting a row selects the row that took its place", 3, "",
     [](CGridRows& r) { r.DeleteSelectingNeighbour(0); }, "bB1 cC2 ", "-0 ", "0"},
    {"deleting the last row selects the new last row", 3, "",
     [](CGridRows& r) { r.DeleteSelectingNeighbour(2); }, "aA0 bB1 ", "-2 ", "1"},
    {"deleting the only row selects nothing", 1, "",
     [](CGridRows& r) { r.DeleteSelectingNeighbour(0); }, "", "-0 ", ""},
};

TEST(GridRows, OperationsTouchTheirRowsAndReportThem) {
  for (const Case& c : kCases) {
    FakeList list(c.rows);
    for (const char* row = c.selected; *row; ++row) list.m_selected.insert(*row - '0');
    CGridRows rows(list);
    c.act(rows);
    std::string selected;
    for (int row : list.m_selected) selected += char('0' + row);
    EXPECT_EQ(list.Rows(), c.after) << c.what;
    EXPECT_EQ(list.m_log, c.log) << c.what;
    EXPECT_EQ(selected, c.selectedAfter) << c.what;
  }
}

}  // namespace
