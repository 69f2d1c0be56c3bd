#include "PreviewWnd.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

CPreviewWnd::CPreviewWnd()
    : m_pDocument(nullptr),
      m_dOffsetX(0.0),
      m_dOffsetY(0.0),
      m_dScale(1.0),
      m_clrBack(0),
      m_pCurEntity(0),
      m_nCurLabel(-1) {}

CPreviewWnd::~CPreviewWnd() {
  ReleaseAll();
}

BOOL CPreviewWnd::InitPreview() {
  if (!m_pDocument) m_pDocument = ::CreateDocument(0, "");
  return m_pDocument != nullptr;
}

void CPreviewWnd::RebuildBuffer(int k, QkEntity entity) {
  int size = ::GetDisplaySize(entity);
  if (size <= 0) return;
  std::free(m_arrDisplay[k]);
  m_arrDisplay[k] = nullptr;
  void* buffer = std::calloc(1, static_cast<size_t>(size));
  if (!buffer) return;
  ::BuildDisplay(entity, buffer);
  ::PrepareDisplay(buffer);
  m_arrDisplay[k] = buffer;
}

int CPreviewWnd::SetEntity(QkEntity entity) {
  if (!m_pDocument) return 0;
  int result = ::DocumentQuery(m_pDocument, QK_DOC_ADD, &entity, 0);
  int count = std::max(0, ::DocumentQuery(m_pDocument, QK_DOC_COUNT, nullptr, 0));
  for (int k = count; k < m_arrDisplay.GetSize(); ++k) std::free(m_arrDisplay[k]);
  m_arrDisplay.SetSize(count);  // a new element starts empty
  for (int k = 0; k < count; ++k) {
    RebuildBuffer(k, ::DocumentQuery(m_pDocument, QK_DOC_ENTITY_AT, nullptr, k));
  }
  ZoomExtents();
  return result;
}

void CPreviewWnd::RefreshEntity(QkEntity entity) {
  if (!m_pDocument) return;
  for (int k = 0; k < m_arrDisplay.GetSize(); ++k) {
    if (::DocumentQuery(m_pDocument, QK_DOC_ENTITY_AT, nullptr, k) == entity) {
      RebuildBuffer(k, entity);
    }
  }
  if (m_hWnd) Invalidate();
  ZoomExtents();
}

void CPreviewWnd::SetCurrentLabel(QkEntity entity, int nLabel) {
  if (!entity || nLabel < 0) return;
  m_pCurEntity = entity;
  m_nCurLabel = nLabel;
  if (m_hWnd) Invalidate();
}

void CPreviewWnd::ClientToWorld(POINT pt, double* x, double* y) const {
  HDC hDC = ::GetDC(m_hWnd);
  ::DeviceToWorld(pt.x, pt.y, x, y, hDC, m_dOffsetX, m_dOffsetY, m_dScale);
  ::ReleaseDC(m_hWnd, hDC);
}

void CPreviewWnd::ZoomExtents() {
  double extent[4] = {0.0, 0.0, 0.0, 0.0};
  if (m_pDocument) ::DocumentQuery(m_pDocument, QK_DOC_EXTENTS, extent, 0);
  const double x1 = extent[0], y1 = extent[1], x2 = extent[2], y2 = extent[3];
  m_dScale = 1.0;
  m_dOffsetX = m_dOffsetY = 0.0;
  if (!m_hWnd) return;
  RECT rc;
  GetClientRect(&rc);
  const double w = x2 - x1 + kExtentMargin;
  const double h = y2 - y1 + kExtentMargin;
  if (std::fabs(w) > 1e-9 && std::fabs(h) > 1e-9) {
    const double sx = ::DeviceLengthToWorld(rc.right - rc.left, 1.0) / w;
    const double sy = ::DeviceLengthToWorld(rc.bottom - rc.top, 1.0) / h;
    m_dScale = 0.5 * std::min(sx, sy);  // the extents fill half the window
    if (!(m_dScale > 0.0) || !std::isfinite(m_dScale)) m_dScale = 1.0;
  }
  POINT centre = {(rc.right - rc.left) / 2, (rc.bottom - rc.top) / 2};
  double cx = 0.0, cy = 0.0;
  ClientToWorld(centre, &cx, &cy);  // at the new scale and offset (0, 0)
  m_dOffsetX += cx - (x1 + x2) / 2;
  m_dOffsetY += cy - (y1 + y2) / 2;
  Invalidate();
}

BOOL CPreviewWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      *pResult = 0;
      return TRUE;
    case WM_ERASEBKGND:
      OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
      *pResult = TRUE;
      return TRUE;
    case WM_MOUSEWHEEL:
      *pResult = OnMouseWheel(wParam, lParam);
      return TRUE;
    case WM_RBUTTONDOWN:
      ZoomExtents();
      *pResult = Default();
      return TRUE;
    case WM_GETDLGCODE:
      *pResult = Default() | DLGC_WANTALLKEYS;
      return TRUE;
  }
  return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

void CPreviewWnd::OnEraseBkgnd(HDC hDC) {
  HWND hParent = ::GetParent(m_hWnd);
  HBRUSH hBrush = hParent ? reinterpret_cast<HBRUSH>(::SendMessageA(
                                hParent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                reinterpret_cast<LPARAM>(m_hWnd)))
                          : nullptr;
  if (!hBrush) hBrush = ::GetSysColorBrush(COLOR_3DFACE);
  RECT rc;
  GetClientRect(&rc);
  ::FillRect(hDC, &rc, hBrush);
}

void CPreviewWnd::OnPaint() {
  PAINTSTRUCT ps;
  HDC hDC = ::BeginPaint(m_hWnd, &ps);
  RECT rc;
  GetClientRect(&rc);
  ::IntersectClipRect(hDC, rc.left, rc.top, rc.right, rc.bottom);
  HBRUSH hBack = ::CreateSolidBrush(m_clrBack);
  HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
  ::FillRect(hDC, &rc, hBack);
  ::SelectObject(hDC, hOld);
  ::DeleteObject(hBack);
  if (m_pDocument) {
    int a = 0, b = 0;
    ::BeginDraw(hDC, &a, &b);
    int count = ::DocumentQuery(m_pDocument, QK_DOC_COUNT, nullptr, 0);
    for (int k = 0; k < count && k < m_arrDisplay.GetSize(); ++k) {
      if (m_dScale < 1e9 && m_arrDisplay[k]) {
        ::DrawDisplay(hDC, a, b, m_dOffsetX, m_dOffsetY, m_dScale, m_arrDisplay[k], m_clrBack, 0);
      }
    }
  }
  ::EndPaint(m_hWnd, &ps);
}

LRESULT CPreviewWnd::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
  POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ScreenToClient(&pt);
  double bx = 0.0, by = 0.0, ax = 0.0, ay = 0.0;
  ClientToWorld(pt, &bx, &by);
  if (GET_WHEEL_DELTA_WPARAM(wParam) > 0) {
    m_dScale *= kWheelFactor;
  } else {
    m_dScale /= kWheelFactor;
  }
  ClientToWorld(pt, &ax, &ay);
  m_dOffsetX += ax - bx;
  m_dOffsetY += ay - by;
  Invalidate();
  return Default();
}

void CPreviewWnd::ReleaseAll() {
  if (m_pDocument) {
    ::DestroyDocument(m_pDocument);
    m_pDocument = nullptr;
  }
  for (int k = 0; k < m_arrDisplay.GetSize(); ++k) std::free(m_arrDisplay[k]);
  m_arrDisplay.RemoveAll();
}

void CPreviewWnd::PostNcDestroy() {
  ReleaseAll();
}
