#include "PreviewView.h"

#include <algorithm>
#include <cmath>

namespace vjd::annotation {

void PreviewView::Reset() {
  m_dScale = 1.0;
  m_dOffsetX = m_dOffsetY = 0.0;
}

void PreviewView::FitExtents(const double extent[4], int width, int height,
                             const IDeviceMapping& device) {
  const double x1 = extent[0], y1 = extent[1], x2 = extent[2], y2 = extent[3];
  Reset();
  const double w = x2 - x1 + kExtentMargin;
  const double h = y2 - y1 + kExtentMargin;
  if (std::fabs(w) > 1e-9 && std::fabs(h) > 1e-9) {
    const double sx = device.DeviceLengthToWorld(width, 1.0) / w;
    const double sy = device.DeviceLengthToWorld(height, 1.0) / h;
    m_dScale = 0.5 * std::min(sx, sy);  // the extents fill half the window
    if (!(m_dScale > 0.0) || !std::isfinite(m_dScale)) m_dScale = 1.0;
  }
  double cx = 0.0, cy = 0.0;
  ClientToWorld(width / 2, height / 2, device, &cx, &cy);  // at the new scale and offset (0, 0)
  m_dOffsetX += cx - (x1 + x2) / 2;
  m_dOffsetY += cy - (y1 + y2) / 2;
}

void PreviewView::Wheel(int x, int y, bool zoomIn, const IDeviceMapping& device) {
  double bx = 0.0, by = 0.0, ax = 0.0, ay = 0.0;
  ClientToWorld(x, y, device, &bx, &by);
  if (zoomIn) {
    m_dScale *= kWheelFactor;
  } else {
    m_dScale /= kWheelFactor;
  }
  ClientToWorld(x, y, device, &ax, &ay);
  m_dOffsetX += ax - bx;
  m_dOffsetY += ay - by;
}

void PreviewView::ClientToWorld(int x, int y, const IDeviceMapping& device, double* worldX,
                                double* worldY) const {
  device.DeviceToWorld(x, y, m_dOffsetX, m_dOffsetY, m_dScale, worldX, worldY);
}

}  // namespace vjd::annotation
