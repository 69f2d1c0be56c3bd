#include "MapView.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "Drawing.h"
#include "HostDrawing.h"
#include "KernelSetup.h"
#include "KernelViewExtras.h"
#include "quarnkernel.h"

namespace host {
namespace {

constexpr wchar_t kClassName[] = L"VjdMapView";
constexpr double kWheelStep = 1.25;
constexpr double kPickTolerance = 4.0;  // pixels

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0;
  t = std::max(0.0, std::min(1.0, t));
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

}  // namespace

MapView::~MapView() {
  if (m_hWnd) {
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    DestroyWindow(m_hWnd);
  }
}

bool MapView::Create(HWND parent, int id) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc = {};
  if (!GetClassInfoW(instance, kClassName, &wc)) {
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    if (!RegisterClassW(&wc)) return false;
  }
  m_hWnd = CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0,
                           0, 100, 100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           instance, this);
  return m_hWnd != nullptr;
}

LRESULT CALLBACK MapView::WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    static_cast<MapView*>(cs->lpCreateParams)->m_hWnd = hWnd;
  }
  auto* view = reinterpret_cast<MapView*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
  if (!view) return DefWindowProcW(hWnd, msg, wParam, lParam);
  try {
    return view->OnMessage(msg, wParam, lParam);
  } catch (...) {
    return 0;  // nothing unwinds into the window manager
  }
}

LRESULT MapView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      Repaint();
      return 0;
    case WM_MOUSEWHEEL:
      OnWheel(GET_WHEEL_DELTA_WPARAM(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(m_hWnd);
      m_events.OnMapClick(HitTest(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)),
                          (wParam & MK_CONTROL) != 0);
      return 0;
    case WM_RBUTTONDOWN:
      SetFocus(m_hWnd);
      m_events.OnMapRightButton();
      return 0;
    case WM_MBUTTONDOWN:
      SetFocus(m_hWnd);
      m_panning = true;
      m_panFrom = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      SetCapture(m_hWnd);
      return 0;
    case WM_MOUSEMOVE:
      if (m_panning) {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        double ppu = 1.0 / DeviceLengthToWorld(1.0, m_scale);
        m_offsetX += (p.x - m_panFrom.x) / ppu;
        m_offsetY -= (p.y - m_panFrom.y) / ppu;
        m_panFrom = p;
        Repaint();
      }
      return 0;
    case WM_MBUTTONUP:
    case WM_CAPTURECHANGED:
      if (m_panning) {
        m_panning = false;
        if (msg == WM_MBUTTONUP) ReleaseCapture();
      }
      return 0;
    case WM_KEYDOWN:
      m_events.OnMapKey(static_cast<int>(wParam));
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    case WM_SETCURSOR:
      SetCursor(LoadCursor(nullptr, m_events.IsPicking() ? IDC_CROSS : IDC_ARROW));
      return TRUE;
    default:
      return DefWindowProcW(m_hWnd, msg, wParam, lParam);
  }
}

void MapView::RebuildAll() {
  m_buffers.clear();
  Repaint();
}

void MapView::Rebuild(const std::vector<int>& handles) {
  for (int h : handles) m_buffers.erase(h);
  Repaint();
}

void MapView::Repaint() {
  if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

const std::vector<unsigned char>* MapView::BufferOf(int handle) {
  auto it = m_buffers.find(handle);
  if (it != m_buffers.end()) return it->second.empty() ? nullptr : &it->second;
  std::vector<unsigned char>& buffer = m_buffers[handle];
  int size = GetDisplaySize(handle);
  if (size > 0) {
    buffer.assign(static_cast<size_t>(size), 0);
    if (!BuildDisplay(handle, buffer.data()) || !PrepareDisplay(buffer.data())) buffer.clear();
  }
  return buffer.empty() ? nullptr : &buffer;
}

void MapView::ToWorld(int x, int y, double& wx, double& wy) const {
  DeviceToWorld(x, y, &wx, &wy, nullptr, m_offsetX, m_offsetY, m_scale);
}

void MapView::ToDevice(double wx, double wy, double& x, double& y) const {
  double ppu = 1.0 / DeviceLengthToWorld(1.0, m_scale);
  x = (wx + m_offsetX) * ppu;
  y = -(wy + m_offsetY) * ppu;
}

void MapView::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m_hWnd, &ps);
  RECT rc;
  GetClientRect(m_hWnd, &rc);
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP bmp =
      CreateCompatibleBitmap(dc, std::max<LONG>(rc.right, 1), std::max<LONG>(rc.bottom, 1));
  HGDIOBJ oldBmp = SelectObject(mem, bmp);
  HBRUSH back = CreateSolidBrush(kBackground);
  FillRect(mem, &rc, back);
  DeleteObject(back);
  int a = 0, b = 0;
  BeginDraw(mem, &a, &b);
  const std::vector<DrawingEntity>& entities = m_drawing.Entities();
  for (const DrawingEntity& e : entities) {
    int h = m_drawing.HandleOf(e.id);
    const std::vector<unsigned char>* buffer = BufferOf(h);
    if (!buffer) continue;
    bool selected = std::find(m_state.selection.begin(), m_state.selection.end(), e.id) !=
                    m_state.selection.end();
    bool highlighted = m_state.highlighted.count(e.id) != 0;
    if (highlighted)
      QkDrawDisplayEx(mem, a, b, m_offsetX, m_offsetY, m_scale, buffer->data(), kBackground,
                      kHighlightColour, 2);
    else if (selected)
      QkDrawDisplayEx(mem, a, b, m_offsetX, m_offsetY, m_scale, buffer->data(), kBackground,
                      kSelectionColour, 2);
    else
      DrawDisplay(mem, a, b, m_offsetX, m_offsetY, m_scale, buffer->data(), kBackground, 0);
  }
  BitBlt(dc, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
  SelectObject(mem, oldBmp);
  DeleteObject(bmp);
  DeleteDC(mem);
  EndPaint(m_hWnd, &ps);
}

void MapView::OnWheel(int delta, POINT screen) {
  POINT p = screen;
  ScreenToClient(m_hWnd, &p);
  double bx, by, ax, ay;
  ToWorld(p.x, p.y, bx, by);
  m_scale = delta > 0 ? m_scale * kWheelStep : m_scale / kWheelStep;
  ToWorld(p.x, p.y, ax, ay);
  m_offsetX += ax - bx;
  m_offsetY += ay - by;
  Repaint();
}

void MapView::ZoomExtents() {
  bool any = false;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  for (const DrawingEntity& e : m_drawing.Entities()) {
    const std::vector<unsigned char>* buffer = BufferOf(m_drawing.HandleOf(e.id));
    double box[4];
    if (!buffer || !QkDisplayBox(buffer->data(), box)) continue;
    if (!any) x1 = box[0], y1 = box[1], x2 = box[2], y2 = box[3], any = true;
    x1 = std::min(x1, box[0]), y1 = std::min(y1, box[1]);
    x2 = std::max(x2, box[2]), y2 = std::max(y2, box[3]);
  }
  RECT rc;
  GetClientRect(m_hWnd, &rc);
  m_offsetX = m_offsetY = 0;
  m_scale = 1.0;
  if (any && rc.right > 0 && rc.bottom > 0 && x2 > x1 && y2 > y1) {
    double cw = DeviceLengthToWorld(rc.right, 1.0), ch = DeviceLengthToWorld(rc.bottom, 1.0);
    m_scale = 0.95 * std::min(cw / (x2 - x1), ch / (y2 - y1));
    double cx, cy;
    ToWorld(rc.right / 2, rc.bottom / 2, cx, cy);
    m_offsetX = cx - (x1 + x2) / 2;
    m_offsetY = cy - (y1 + y2) / 2;
  }
  Repaint();
}

int MapView::HitTest(int x, int y) const {
  int bestLine = 0;
  double bestLineDistance = kPickTolerance;
  int bestSymbol = 0;
  double bestSymbolArea = 0;
  for (const DrawingEntity& e : m_drawing.Entities()) {
    int h = m_drawing.HandleOf(e.id);
    int symbol = QkSetupGetEntitySymbol(h);
    double ext[4];
    if (symbol >= 0 && GetSymbolExtent(7, 0, symbol, ext)) {
      double base[3] = {e.x, e.y, 0};
      EntityParam(h, ATTR_BASE_POINT_GET, base, 0);
      double ax, ay, bx, by;
      ToDevice(base[0] + ext[0], base[1] + ext[1], ax, ay);
      ToDevice(base[0] + ext[2], base[1] + ext[3], bx, by);
      double l = std::min(ax, bx) - kPickTolerance, r = std::max(ax, bx) + kPickTolerance;
      double t = std::min(ay, by) - kPickTolerance, b = std::max(ay, by) + kPickTolerance;
      double area = (r - l) * (b - t);
      if (x >= l && x <= r && y >= t && y <= b && (!bestSymbol || area < bestSymbolArea))
        bestSymbol = e.id, bestSymbolArea = area;
      continue;
    }
    for (size_t i = 0; i + 3 < e.points.size(); i += 2) {
      double ax, ay, bx, by;
      ToDevice(e.points[i], e.points[i + 1], ax, ay);
      ToDevice(e.points[i + 2], e.points[i + 3], bx, by);
      double d = SegmentDistance(x, y, ax, ay, bx, by);
      if (d <= bestLineDistance) bestLineDistance = d, bestLine = e.id;
    }
  }
  return bestSymbol ? bestSymbol : bestLine;
}

bool MapView::ClientPointOf(int id, POINT& point) const {
  const DrawingEntity* e = m_drawing.EntityById(id);
  if (!e) return false;
  double wx = e->x, wy = e->y;
  if (e->symbol.empty() && e->points.size() >= 4)
    wx = (e->points[0] + e->points[2]) / 2, wy = (e->points[1] + e->points[3]) / 2;
  double x, y;
  ToDevice(wx, wy, x, y);
  point = POINT{static_cast<LONG>(std::lround(x)), static_cast<LONG>(std::lround(y))};
  return true;
}

}  // namespace host
