#include "GridButtonBar.h"

#include <commctrl.h>

#include "GridButtonBarIds.h"
#include "Gridlistctrl.h"
#include "ResourceScope.h"

namespace {

constexpr int kStripWidth = CGridButtonBar::kButtonCount * CGridButtonBar::kButtonWidth;
// The strip is composed 2 pixels left of the buttons and shifted right when copied to the screen.
constexpr int kImageShift = 2;

POINT PointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

RECT RectOf(const GridBox& box) {
  return RECT{box.left, box.top, box.right, box.bottom};
}

// The strip image from this module's resources, its greys mapped to the system's 3D colours.
// Anything but an 88 x 20 bitmap is refused.
HBITMAP LoadStripImage() {
  auto* image =
      static_cast<HBITMAP>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDB_GRIDBUTTONBAR),
                                        IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
  if (!image) return nullptr;
  BITMAP info = {};
  if (!::GetObjectA(image, sizeof(info), &info) || info.bmWidth != kStripWidth ||
      info.bmHeight != CGridButtonBar::kButtonHeight) {
    ::DeleteObject(image);
    return nullptr;
  }
  return image;
}

// Every other pixel of `area`, checkered, in the button face colour: the buttons of a disabled bar.
void Fade(HDC dc, const RECT& area) {
  static const WORD kChecker[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  HBITMAP pattern = ::CreateBitmap(8, 8, 1, 1, kChecker);
  HBRUSH brush = ::CreatePatternBrush(pattern);
  HGDIOBJ oldBrush = ::SelectObject(dc, brush);
  const COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0)),
                 oldBack = ::SetBkColor(dc, RGB(255, 255, 255));
  const int w = area.right - area.left, h = area.bottom - area.top;
  ::PatBlt(dc, area.left, area.top, w, h, 0x00A000C9);  // D and P: the 0 bits black
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNFACE));
  ::SetBkColor(dc, RGB(0, 0, 0));
  ::PatBlt(dc, area.left, area.top, w, h, 0x00FA0089);  // D or P: those black ones the face
  ::SetTextColor(dc, oldText);
  ::SetBkColor(dc, oldBack);
  ::SelectObject(dc, oldBrush);
  ::DeleteObject(brush);
  ::DeleteObject(pattern);
}

}  // namespace

CGridButtonBar::CGridButtonBar()
    : m_pGrid(nullptr), m_hStrip(LoadStripImage()), m_lastRelayed(-1) {}

CGridButtonBar::~CGridButtonBar() {
  SetGrid(nullptr);
  DestroyToolTips();
  if (m_hStrip) ::DeleteObject(m_hStrip);
}

void CGridButtonBar::SetGrid(CGridListCtrl* pGrid) {
  if (pGrid == m_pGrid) return;
  CGridListCtrl* pOld = m_pGrid;
  m_pGrid = nullptr;  // first: the old grid's unlinking finds nothing to call back
  if (pOld) pOld->AttachBar(nullptr);
  m_pGrid = pGrid;
  if (pGrid) pGrid->AttachBar(this);
}

RECT CGridButtonBar::GetButtonRect(int button) const {
  return RectOf(m_buttons.Button(button));
}

void CGridButtonBar::OnNewRow() {
  if (m_pGrid) m_pGrid->Rows().AppendBelow(kMaxRows);
}

void CGridButtonBar::OnDeleteRow(int row) {
  if (m_pGrid) m_pGrid->Rows().DeleteSelectingNeighbour(row);
}

void CGridButtonBar::PreSubclassWindow() {
  RECT client = {};
  GetClientRect(&client);
  Layout(client.right, client.bottom);
}

void CGridButtonBar::RelayToToolTips(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_toolTip.m_hWnd) {
    if (message != WM_MOUSEMOVE || !m_toolTip.Create(this)) return;
    for (int i = 0; i < kButtonCount; ++i) {
      const RECT button = GetButtonRect(i);
      m_toolTip.AddTool(this, LPSTR_TEXTCALLBACKA, &button, static_cast<UINT_PTR>(i + 1), 0);
    }
    m_toolTip.Activate(TRUE);
  } else if (message == WM_MOUSEMOVE && lParam == m_lastRelayed) {
    return;  // the system's own move after a window changed, not the pointer's
  }
  m_lastRelayed = lParam;
  MSG msg = {};
  msg.hwnd = m_hWnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = static_cast<DWORD>(::GetMessageTime());
  const DWORD at = ::GetMessagePos();
  msg.pt = POINT{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  m_toolTip.RelayEvent(&msg);
}

void CGridButtonBar::DestroyToolTips() {
  if (m_toolTip.m_hWnd) m_toolTip.DestroyWindow();
}

void CGridButtonBar::Layout(int width, int height) {
  m_buttons.Layout(width, height);
  if (!m_toolTip.m_hWnd) return;
  for (int i = 0; i < kButtonCount; ++i) {
    const RECT button = GetButtonRect(i);
    m_toolTip.SetToolRect(this, static_cast<UINT_PTR>(i + 1), &button);
  }
}

BOOL CGridButtonBar::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_SIZE:
      Layout(LOWORD(lParam), HIWORD(lParam));
      return FALSE;
    case WM_ERASEBKGND:
      *pResult = 1;
      return TRUE;  // painting covers everything
    case WM_PAINT:
      OnPaint();
      return TRUE;
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return TRUE;
    case WM_ENABLE:  // disabled, no button stays hot or pressed; either way it looks anew
      if (!wParam) {
        m_buttons.OnCaptureLost();
        m_buttons.OnMove(kNoButton);
      }
      Invalidate(FALSE);
      return FALSE;
    case WM_SETTEXT:  // the caption: the button itself would not repaint through us
      *pResult = Default();
      Invalidate(FALSE);
      return TRUE;
    case WM_NOTIFYFORMAT:
      *pResult = NFR_ANSI;
      return TRUE;
    case WM_MOUSEMOVE:
      RelayToToolTips(message, wParam, lParam);
      OnMouseMove(PointOf(lParam));
      return TRUE;
    case WM_NCMOUSEMOVE: {
      POINT pt = PointOf(lParam);  // screen coordinates
      ScreenToClient(&pt);
      RepaintButton(m_buttons.Hot(), false);
      m_buttons.OnFrameMove(HitTest(pt));
      RepaintButton(m_buttons.Hot(), false);
      return FALSE;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      RelayToToolTips(message, wParam, lParam);
      OnLButtonDown(PointOf(lParam));
      return TRUE;
    case WM_LBUTTONUP:
      RelayToToolTips(message, wParam, lParam);
      OnLButtonUp(PointOf(lParam));
      return TRUE;
    case WM_CAPTURECHANGED:  // capture taken away: the press is over
      if (m_buttons.OnCaptureLost()) Invalidate(FALSE);
      return TRUE;
    case WM_DESTROY:
      DestroyToolTips();
      return FALSE;
  }
  return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CGridButtonBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->code == TTN_NEEDTEXTA) {
    auto* request = reinterpret_cast<NMTTDISPINFOA*>(lParam);
    const int id = static_cast<int>(header->idFrom);
    if (const char* tip = CGridBarButtons::Tip(id - 1)) {
      lstrcpynA(request->szText, tip, sizeof(request->szText));
      request->lpszText = request->szText;
      request->hinst = nullptr;
      *pResult = 0;
      return TRUE;
    }
  }
  return CWnd::OnNotify(wParam, lParam, pResult);
}

void CGridButtonBar::OnPaint() {
  PAINTSTRUCT ps;
  HDC hdc = ::BeginPaint(m_hWnd, &ps);
  Paint(hdc);
  ::EndPaint(m_hWnd, &ps);
}

void CGridButtonBar::Paint(HDC hdc) {
  RECT client = {};
  GetClientRect(&client);
  const int w = client.right, h = client.bottom;
  if (w > 0 && h > 0) {
    HDC image = ::CreateCompatibleDC(hdc);
    HBITMAP bitmap = ::CreateCompatibleBitmap(hdc, w, h);
    HGDIOBJ oldBitmap = ::SelectObject(image, bitmap);
    ::FillRect(image, &client, ::GetSysColorBrush(COLOR_BTNFACE));

    CString caption;
    GetWindowText(caption);
    HGDIOBJ oldFont = ::SelectObject(image, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetTextColor(image, ::GetSysColor(COLOR_WINDOWTEXT));
    ::SetBkMode(image, TRANSPARENT);
    RECT text = client;
    ::DrawTextA(image, caption, caption.GetLength(), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    ::SelectObject(image, oldFont);

    const int y = (h - kButtonHeight) / 2;
    const int stripLeft = w - kStripWidth - kImageShift;
    if (m_hStrip) {
      HDC strip = ::CreateCompatibleDC(hdc);
      HGDIOBJ oldStrip = ::SelectObject(strip, m_hStrip);
      ::BitBlt(image, stripLeft, y, kStripWidth, kButtonHeight, strip, 0, 0, SRCCOPY);
      if (!::IsWindowEnabled(m_hWnd))
        Fade(image, RECT{stripLeft, y, stripLeft + kStripWidth, y + kButtonHeight});
      ::SelectObject(strip, oldStrip);
      ::DeleteDC(strip);
    }
    const int hot = m_buttons.Hot();
    if (hot >= 0 && hot < kButtonCount) {
      RECT edge = {stripLeft + kButtonWidth * hot, y, stripLeft + kButtonWidth * (hot + 1),
                   y + kButtonHeight};
      ::DrawEdge(image, &edge, m_buttons.Pressed() ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    ::BitBlt(hdc, kImageShift, 0, w - kImageShift, h, image, 0, 0, SRCCOPY);
    ::SelectObject(image, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(image);
  }
}

void CGridButtonBar::RepaintButton(int button, bool now) {
  if (button < 0 || button >= kButtonCount) return;
  const RECT rect = GetButtonRect(button);
  InvalidateRect(&rect, FALSE);
  if (now) UpdateWindow();
}

void CGridButtonBar::OnMouseMove(POINT pt) {
  const int before = m_buttons.Hot();
  if (!m_buttons.OnMove(HitTest(pt))) return;
  RepaintButton(before, false);
  RepaintButton(m_buttons.Hot(), true);
}

void CGridButtonBar::OnLButtonDown(POINT pt) {
  SetCapture();
  if (m_buttons.OnPress(HitTest(pt))) RepaintButton(m_buttons.Hot(), true);
}

void CGridButtonBar::OnLButtonUp(POINT pt) {
  const int clicked = m_buttons.OnRelease(HitTest(pt));
  if (clicked != kNoButton) Act(clicked);
  Invalidate(FALSE);
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void CGridButtonBar::Act(int button) {
  if (!m_pGrid) return;
  // An edit still open ends first (the grid takes the focus), so it lands in its own row.
  if (m_pGrid->GetActiveEditor()) m_pGrid->SetFocus();
  const int row = m_pGrid->GetSelectedRow();
  switch (CGridBarButtons::ActionOf(button, row)) {
    case CGridBarButtons::Action::kNothing:
      break;
    case CGridBarButtons::Action::kNewRow:
      OnNewRow();
      break;
    case CGridBarButtons::Action::kDeleteRow:
      OnDeleteRow(row);
      break;
    case CGridBarButtons::Action::kMoveUp:
      m_pGrid->MoveRowUp(row);
      break;
    case CGridBarButtons::Action::kMoveDown:
      m_pGrid->MoveRowDown(row);
      break;
  }
}
