// What the grid does with each press, as the list-view reports it on the systems the grid runs
// on: the parent hears of a click exactly once, and a press that began a drag is no click.
#include "GridClickReport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// One press, written as what happens in turn:
//   c  the list-view reports a click while it handles the press
//   d  the list-view begins a drag while it handles the press
//   e  the list-view has handled the press: the grid reports the click itself if told to, and
//      then its report runs (what follows the e until the next p happens inside it or later)
//   C  the list-view reports a click after the press (the button came up later)
//   D  the list-view begins a drag after the press
//   p  the next press begins
struct Case {
  const char* what;
  const char* events;
  int clicks;  // reports that reach the parent
  int edits;   // presses that go on as clicks (and may open an editor)
};

const Case kCases[] = {
    {"reported during the press", "pce", 1, 1},
    {"reported when the button comes up (inside the report's modal loop)", "peC", 1, 1},
    {"never reported by the list-view", "pe", 1, 1},
    {"a drag begun during the press", "pde", 0, 0},
    {"a drag begun during the press, then the button comes up", "pdeC", 0, 0},
    {"a drag after the press was reported", "peDC", 1, 1},
    {"a second slow click inside the first one's report", "peCpeC", 2, 2},
    {"a press the list-view never reports, then a slow click", "pepeC", 2, 2},
    {"a click after a drag", "pdepce", 1, 1},
};

TEST(GridClickReport, TheParentHearsOfEachClickOnce) {
  for (const Case& c : kCases) {
    CGridClickReport report;
    int clicks = 0, edits = 0;
    for (const char* e = c.events; *e; ++e) {
      switch (*e) {
        case 'p':
          report.BeginPress();
          break;
        case 'c':
        case 'C':
          clicks += report.OnListClick() ? 1 : 0;
          break;
        case 'd':
        case 'D':
          report.OnListDrag();
          break;
        case 'e':
          switch (report.EndPress()) {
            case CGridClickReport::Outcome::kReport:
              ++clicks;
              ++edits;
              break;
            case CGridClickReport::Outcome::kReported:
              ++edits;
              break;
            case CGridClickReport::Outcome::kDragged:
              break;
          }
          break;
      }
    }
    EXPECT_EQ(c.clicks, clicks) << c.what << " (" << c.events << ")";
    EXPECT_EQ(c.edits, edits) << c.what << " (" << c.events << ")";
  }
}

}  // namespace
