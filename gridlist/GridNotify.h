// The notifications of the grid list control and of its in-place editors: every one is a
// WM_NOTIFY with an NMLVDISPINFOA, sent synchronously to the grid's parent with the grid's control
// id (the parent's framework reflects the edit notifications back to the grid).
#pragma once

#include <windows.h>
// after windows.h
#include <commctrl.h>

// Item masks of the grid's LVN_SETDISPINFOA notifications; the parent tells them apart by these.
enum GridNotifyMask : UINT {
  GridCellChanged = 0x801,  // iItem row, iSubItem column, pszText the new text
  GridRowInserted = 0x802,  // iItem the new row, iSubItem -1
  GridRowDeleted = 0x803,   // iItem the deleted row, iSubItem -1
  GridRowMoved = 0x804,     // iItem the row moved, lParam where it is now, iSubItem -1: the two
                            // rows traded places (texts and data)
};

// Control id of every in-place editor window.
constexpr UINT kGridEditorId = 103;

// A notification of the grid or one of its editors, sent to the grid's parent with the grid's id:
// `from` and `idFrom` name the sender; a null text sends no text.
void SendGridNotify(HWND grid, HWND from, UINT_PTR idFrom, UINT code, UINT mask, int item,
                    int subItem, const char* text, int length, LPARAM lParam = 0);
