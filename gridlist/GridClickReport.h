// CGridClickReport: that the grid's parent hears of each click on the grid exactly once, and before
// the grid asks to edit the clicked cell.
//
// The list-view reports a click (NM_CLICK) while it handles the button-down on some systems,
// where it waits for the button to come up and reports a drag (LVN_BEGINDRAG) instead when the
// pointer moves away; on others it reports the click only when the button comes up, after the
// grid has gone on; and not at all when an editor took the focus in between.  So the grid reports
// a click itself when the list-view did not report one during the press, and then drops the
// list-view's own report when it comes.  The parent may run a modal loop while it handles the
// report (the position window, the colour chooser), in which the button comes up: the report is
// settled before it goes out.  A press the list-view took for the start of a drag is no click.
//
// Plain state, no window: the grid tells it what happens and asks what to do.  (The grid's own
// report reaches the grid again through the parent's reflection; the grid lets that one pass.)
#pragma once

class CGridClickReport {
 public:
  // What the grid does once the list-view has handled the press.
  enum class Outcome {
    kReport,    // report the click now (nobody did yet), then go on as for a click
    kReported,  // the list-view reported it during the press: go on as for a click
    kDragged    // the press began a drag: no click, no edit
  };

  // The button went down on the grid; the list-view handles the press next.
  void BeginPress() { m_state = State::kPressing; }
  // The list-view reported a click: true when the report goes on to the parent.
  bool OnListClick();
  // The list-view began a drag.
  void OnListDrag();
  // The list-view has handled the press.
  Outcome EndPress();

 private:
  enum class State {
    kIdle,        // no press under way, and no report of the list-view expected
    kPressing,    // inside the list-view's handling of the press
    kReported,    // the list-view reported the click there
    kDragged,     // the list-view began a drag there; no report of this press goes out
    kSentByGrid,  // the grid reported the click; the list-view's own report is dropped
  };
  State m_state = State::kIdle;
};
