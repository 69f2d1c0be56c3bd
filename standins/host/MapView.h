// The host's map view: a child window that draws the drawing's entities and labels with the
// kernel's display functions (the same ones the plug-in's preview uses), zooms with the wheel
// about the cursor, pans with the middle button, and turns clicks and keys into events for its
// owner, who decides what they mean (selection, pick, the running command).
//
// The view caches one display buffer per kernel entity and rebuilds a buffer when told the
// entity changed.  It borrows the drawing and the map's state it paints (selection, highlight);
// the owner keeps both alive while the view exists.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

namespace om {
struct Drawing;
}

namespace host {

class HostDrawing;

class MapViewEvents {
 public:
  virtual ~MapViewEvents() = default;
  // A left click; id 0 when no entity lies under the cursor.
  virtual void OnMapClick(int id, bool control) = 0;
  virtual void OnMapRightButton() = 0;
  virtual void OnMapKey(int virtualKey) = 0;
  // What the cursor should look like: true for the pick cross.
  virtual bool IsPicking() const = 0;
};

class MapView {
 public:
  static constexpr COLORREF kBackground = RGB(0, 0, 0);
  static constexpr COLORREF kSelectionColour = RGB(0, 160, 255);
  static constexpr COLORREF kHighlightColour = RGB(255, 0, 255);

  MapView(const HostDrawing& drawing, const om::Drawing& state, MapViewEvents& events)
      : m_drawing(drawing), m_state(state), m_events(events) {}
  ~MapView();
  MapView(const MapView&) = delete;
  MapView& operator=(const MapView&) = delete;

  bool Create(HWND parent, int id);
  HWND Hwnd() const { return m_hWnd; }

  // Forgets every buffer (a new drawing) or those of the given kernel handles; repaints.
  void RebuildAll();
  void Rebuild(const std::vector<int>& handles);
  void Repaint();
  void ZoomExtents();

  // The entity id under a client point, 0 if none (symbols before lines).
  int HitTest(int x, int y) const;
  // Where an entity's base point (or the middle of its first segment) lies on the client area.
  bool ClientPointOf(int id, POINT& point) const;

  double Scale() const { return m_scale; }

 private:
  static LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void OnWheel(int delta, POINT screen);
  const std::vector<unsigned char>* BufferOf(int handle);
  void ToWorld(int x, int y, double& wx, double& wy) const;
  void ToDevice(double wx, double wy, double& x, double& y) const;

  const HostDrawing& m_drawing;
  const om::Drawing& m_state;
  MapViewEvents& m_events;
  HWND m_hWnd = nullptr;
  double m_offsetX = 0, m_offsetY = 0, m_scale = 1.0;
  bool m_panning = false;
  POINT m_panFrom{0, 0};
  std::map<int, std::vector<unsigned char>> m_buffers;  // by kernel handle
};

}  // namespace host
