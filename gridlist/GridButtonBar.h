// CGridButtonBar: the strip above the grid that shows the grid's caption on the left and four
// small buttons on the right: new row, delete row, move up, move down.
//
// It takes over an existing dialog control (an owner-drawn button) and paints itself completely,
// off-screen: the caption, the strip image (a 16-colour bitmap of four 22 x 20 images whose
// greys follow the system's button colours) and an edge around the button under the pointer,
// sunken while it is pressed.  Each button has a tooltip.  A click (press and release on the same
// button) on "new" appends a row while the grid has fewer than 8; on "delete" it deletes the
// selected row and selects its neighbour; on "move up" and "move down" it moves the selected row
// one place.  An edit still open in the grid ends before any of them.  The grid's keys press the
// buttons too (Insert, Delete, Alt+Up, Alt+Down), through the same actions.  Disabled, the bar
// takes no input and shows its buttons faded.  Where the buttons are, which is hot or pressed and
// what a click does is decided by CGridBarButtons; the bar paints and acts.  The bar does not own
// the grid (SetGrid); it owns its strip image and its tooltip control.
#pragma once

#include <windows.h>

#include "GridBarButtons.h"
#include "ToolTipCtrl.h"
#include "Wnd.h"

class CGridListCtrl;

class CGridButtonBar : public CWnd {
 public:
  static constexpr int kButtonCount = CGridBarButtons::kCount;
  static constexpr int kButtonWidth = CGridBarButtons::kWidth;
  static constexpr int kButtonHeight = CGridBarButtons::kHeight;
  static constexpr int kNoButton = CGridBarButtons::kNone;
  static constexpr int kMaxRows = 8;  // the new-row button adds rows only below this count

  CGridButtonBar();
  ~CGridButtonBar() override;

  // Links the bar and the grid both ways (the grid's keys press the bar's buttons); nullptr
  // unlinks them.  Whichever of the two goes first unlinks them.
  void SetGrid(CGridListCtrl* pGrid);

  // What a click on `button` (0..3) does: the grid's keys press the buttons through it.
  void Act(int button);

  // The two actions, overridable: delete a (valid) row and select its neighbour; append a row.
  virtual void OnDeleteRow(int row);
  virtual void OnNewRow();

  // The button at a point in client coordinates, kNoButton when none.
  int HitTest(POINT pt) const { return m_buttons.HitTest(pt.x, pt.y); }

  int GetHotButton() const { return m_buttons.Hot(); }
  BOOL IsPressed() const { return m_buttons.Pressed(); }
  RECT GetButtonRect(int button) const;
  HBITMAP GetStripImage() const { return m_hStrip; }
  HWND GetToolTip() const { return m_toolTip.m_hWnd; }  // null until the pointer first came

 protected:
  void PreSubclassWindow() override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 private:
  // The tooltips see the bar's mouse messages through here, not through a subclass of the bar:
  // a subclass put in before ours would never be called, as the bar answers the mouse itself.
  // They are made at the pointer's first move over the bar, not with it: a window of their own
  // at every opening, for a pointer that may never come.  A move to where the pointer already
  // was is not passed on: the system sends one when a window under the pointer changes (a click
  // puts the tip away and changes the grid), and the tip would come back over the click.
  void RelayToToolTips(UINT message, WPARAM wParam, LPARAM lParam);
  void Layout(int width, int height);
  void OnPaint();
  void Paint(HDC hdc);  // the whole client area, composed off-screen
  void OnMouseMove(POINT pt);
  void OnLButtonDown(POINT pt);
  void OnLButtonUp(POINT pt);
  void RepaintButton(int button, bool now);
  void DestroyToolTips();

  CGridListCtrl* m_pGrid;  // not owned
  HBITMAP m_hStrip;        // owned; null when the image could not be loaded
  CGridBarButtons m_buttons;
  LPARAM m_lastRelayed;    // the client point of the last mouse message passed to the tooltips
  CToolTipCtrl m_toolTip;  // owned, one tool per button (ids 1 to 4); none before a first move
};
