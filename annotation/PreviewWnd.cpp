#include "PreviewWnd.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The kernel's mapping between the preview's client pixels and drawing units.
class KernelDevice : public vjd::annotation::IDeviceMapping {
 public:
  explicit KernelDevice(HWND hWnd) : m_hWnd(hWnd) {}
  void DeviceToWorld(int x, int y, double offsetX, double offsetY, double scale, double* worldX,
                     double* worldY) const override {
    HDC hDC = ::GetDC(m_hWnd);
    ::DeviceToWorld(x, y, worldX, worldY, hDC, offsetX, offsetY, scale);
    ::ReleaseDC(m_hWnd, hDC);
  }
  double DeviceLengthToWorld(double pixels, double scale) const override {
    return ::DeviceLengthToWorld(pixels, scale);
  }

 private:
  HWND m_hWnd;
};

}  // namespace

CPreviewWnd::CPreviewWnd() : m_pDocument(nullptr), m_clrBack(0), m_pCurEntity(0), m_nCurLabel(-1) {}

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
  m_view.ClientToWorld(pt.x, pt.y, KernelDevice(m_hWnd), x, y);
}

void CPreviewWnd::ZoomExtents() {
  double extent[4] = {0.0, 0.0, 0.0, 0.0};
  if (m_pDocument) ::DocumentQuery(m_pDocument, QK_DOC_EXTENTS, extent, 0);
  if (!m_hWnd) {
    m_view.Reset();
    return;
  }
  RECT rc;
  GetClientRect(&rc);
  m_view.FitExtents(extent, rc.right - rc.left, rc.bottom - rc.top, KernelDevice(m_hWnd));
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
      if (m_view.Draws() && m_arrDisplay[k]) {
        ::DrawDisplay(hDC, a, b, m_view.OffsetX(), m_view.OffsetY(), m_view.Scale(),
                      m_arrDisplay[k], m_clrBack, 0);
      }
    }
  }
  ::EndPaint(m_hWnd, &ps);
}

LRESULT CPreviewWnd::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
  POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ScreenToClient(&pt);
  m_view.Wheel(pt.x, pt.y, GET_WHEEL_DELTA_WPARAM(wParam) > 0, KernelDevice(m_hWnd));
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
