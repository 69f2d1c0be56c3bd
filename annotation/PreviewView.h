// The preview's view of its drawing: the pan offset and zoom at which it draws, fitted to the
// drawing's extents, zoomed by the wheel about the cursor, and the scale beyond which nothing is
// drawn any more.  The mapping between client pixels and drawing units is the kernel's; the view
// asks it through IDeviceMapping, so that it holds no window of its own.
#pragma once

namespace vjd::annotation {

class IDeviceMapping {
 public:
  virtual ~IDeviceMapping() = default;
  // The drawing point under client pixel (x, y) when drawn at this offset and scale.
  virtual void DeviceToWorld(int x, int y, double offsetX, double offsetY, double scale,
                             double* worldX, double* worldY) const = 0;
  // A length of `pixels` in drawing units at `scale`.
  virtual double DeviceLengthToWorld(double pixels, double scale) const = 0;
};

class PreviewView {
 public:
  static constexpr double kWheelFactor = 1.7;
  static constexpr double kExtentMargin = 0.003;  // drawing units around the extents
  static constexpr double kBlankFromScale = 1e9;  // from this scale on nothing is drawn

  // Scale 1 at offset (0, 0): the view of a preview without window.
  void Reset();
  // Scale and offset so that the extents (x1, y1, x2, y2) and their margin fill half of a client
  // area of width x height pixels and sit in its middle; scale 1 where that gives no finite,
  // positive scale (empty extents, no client area).
  void FitExtents(const double extent[4], int width, int height, const IDeviceMapping& device);
  // One wheel step at client pixel (x, y): in by kWheelFactor, or out by as much; the drawing
  // point under the cursor stays under it.
  void Wheel(int x, int y, bool zoomIn, const IDeviceMapping& device);
  // The drawing point under client pixel (x, y).
  void ClientToWorld(int x, int y, const IDeviceMapping& device, double* worldX,
                     double* worldY) const;
  // Whether painting draws the drawing at this scale.
  bool Draws() const { return m_dScale < kBlankFromScale; }

  double Scale() const { return m_dScale; }
  double OffsetX() const { return m_dOffsetX; }
  double OffsetY() const { return m_dOffsetY; }

 private:
  double m_dOffsetX = 0.0;
  double m_dOffsetY = 0.0;
  double m_dScale = 1.0;
};

}  // namespace vjd::annotation
