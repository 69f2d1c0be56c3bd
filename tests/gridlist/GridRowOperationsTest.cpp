// The grid's row operations over a list in memory: which rows they touch, what the parent is told,
// and which row the selection ends on.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "GridRows.h"

namespace {

// Rows of two columns; row i starts as texts "i" and "i'" with data 100 + i.
class FakeList : public CGridRows::List {
 public:
  explicit FakeList(int rows) {
    for (int i = 0; i < rows; ++i)
      m_rows.push_back({{std::to_string(i), std::to_string(i) + "'"}, 100u + i});
  }
  // The rows as "text0/text1:data", then what the parent heard and the selected rows.
  std::string Rows() const {
    std::string out;
    for (const Row& row : m_rows)
      out += row.texts[0] + "/" + row.texts[1] + ":" + std::to_string(row.data) + " ";
    return out;
  }
  std::string m_log;
  std::set<int> m_selected;

  int RowCount() const override { return static_cast<int>(m_rows.size()); }
  int ColumnCount() const override { return 2; }
  int InsertRow(int index) override {
    m_rows.insert(m_rows.begin() + index, Row{{"", ""}, 0});
    return index;
  }
  bool RemoveRow(int row) override {
    m_rows.erase(m_rows.begin() + row);
    return true;
  }
  CString RowText(int row, int column) const override {
    return m_rows.at(row).texts.at(column).c_str();
  }
  void SetRowText(int row, int column, const CString& text) override {
    m_rows.at(row).texts.at(column) = text.GetString();
  }
  std::uintptr_t RowData(int row) const override { return m_rows.at(row).data; }
  void SetRowData(int row, std::uintptr_t data) override { m_rows.at(row).data = data; }
  void SelectRow(int row) override { m_selected.insert(row); }
  void MarkRow(int row, bool marked) override {
    if (marked)
      m_selected.insert(row);
    else
      m_selected.erase(row);
  }
  void ReportInserted(int row) override { m_log += "+" + std::to_string(row) + " "; }
  void ReportDeleted(int row) override { m_log += "-" + std::to_string(row) + " "; }
  void ReportMoved(int from, int to) override {
    m_log += std::to_string(from) + ">" + std::to_string(to) + " ";
  }

 private:
  struct Row {
    std::vector<std::string> texts;
    std::uintptr_t data;
  };
  std::vector<Row> m_rows;
};

struct Case {
  const char* what;
  int rows;
  std::set<int> selected;  // before
  std::function<void(CGridRows&)> act;
  const char* after;
  const char* log;
  std::set<int> selectedAfter;
};

const Case kCases[] = {
    {"add appends for -1 or past the end, else inserts at the index",
     2,
     {},
     [](CGridRows& r) {
       r.Add(-1);
       r.Add(99);
       r.Add(0);
     },
     "/:0 0/0':100 1/1':101 /:0 /:0 ",
     "+2 +3 +0 ",
     {}},
    {"delete deletes and reports an existing row",
     3,
     {},
     [](CGridRows& r) { r.Delete(1); },
     "0/0':100 2/2':102 ",
     "-1 ",
     {}},
    {"delete of a row that does not exist does nothing",
     2,
     {},
     [](CGridRows& r) {
       r.Delete(-1);
       r.Delete(2);
     },
     "0/0':100 1/1':101 ",
     "",
     {}},
    {"swap exchanges all texts and the data",
     3,
     {},
     [](CGridRows& r) { r.Swap(0, 2); },
     "2/2':102 1/1':101 0/0':100 ",
     "",
     {}},
    {"a move down swaps, moves the selection and reports",
     3,
     {0},
     [](CGridRows& r) { r.Move(0, +1); },
     "1/1':101 0/0':100 2/2':102 ",
     "0>1 ",
     {1}},
    {"a move up takes the same row further",
     3,
     {2},
     [](CGridRows& r) {
       r.Move(2, -1);
       r.Move(1, -1);
     },
     "2/2':102 0/0':100 1/1':101 ",
     "2>1 1>0 ",
     {0}},
    {"no move past the first or the last row",
     2,
     {0},
     [](CGridRows& r) {
       r.Move(0, -1);
       r.Move(1, +1);
       r.Move(5, -1);
     },
     "0/0':100 1/1':101 ",
     "",
     {0}},
    {"the new-row button appends up to eight rows",
     7,
     {},
     [](CGridRows& r) {
       EXPECT_TRUE(r.AppendBelow(8));
       EXPECT_FALSE(r.AppendBelow(8));
     },
     "0/0':100 1/1':101 2/2':102 3/3':103 4/4':104 5/5':105 6/6':106 /:0 ",
     "+7 ",
     {}},
    {"deleting a row selects the row that took its place",
     3,
     {},
     [](CGridRows& r) { r.DeleteSelectingNeighbour(0); },
     "1/1':101 2/2':102 ",
     "-0 ",
     {0}},
    {"deleting the last row selects the new last row",
     3,
     {},
     [](CGridRows& r) { r.DeleteSelectingNeighbour(2); },
     "0/0':100 1/1':101 ",
     "-2 ",
     {1}},
    {"deleting the only row selects nothing",
     1,
     {},
     [](CGridRows& r) { r.DeleteSelectingNeighbour(0); },
     "",
     "-0 ",
     {}},
};

TEST(GridRows, OperationsTouchTheirRowsAndReportThem) {
  for (const Case& c : kCases) {
    FakeList list(c.rows);
    list.m_selected = c.selected;
    CGridRows rows(list);
    c.act(rows);
    EXPECT_EQ(list.Rows(), c.after) << c.what;
    EXPECT_EQ(list.m_log, c.log) << c.what;
    EXPECT_EQ(list.m_selected, c.selectedAfter) << c.what;
  }
}

}  // namespace
