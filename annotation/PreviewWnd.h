// CPreviewWnd: the preview of the configuration window, over its static control 3001.  It owns
// one in-memory kernel document holding the entities it shows (the window's preview entity) and
// the kernel's display data of each of them, and draws them at its own pan offset and zoom
// (PreviewView).  The wheel zooms about the cursor, the right button zooms to the extents.
//
// Ownership: the document and every display buffer belong to this object and are freed when
// the window is destroyed (or the object goes first); the entities belong to the document.
#pragma once

#include "CArray.h"
#include "PreviewView.h"
#include "Wnd.h"
#include "quarnkernel.h"

class CPreviewWnd : public CWnd {
 public:
  CPreviewWnd();
  ~CPreviewWnd() override;

  // Creates the kernel document; FALSE when the kernel gives none (then nothing is shown).
  BOOL InitPreview();
  // Adds `entity` to the document, rebuilds the display data and zooms to the extents; returns
  // the kernel's answer to the addition.
  int SetEntity(QkEntity entity);
  // Rebuilds the display data of `entity`, repaints and zooms to the extents.
  void RefreshEntity(QkEntity entity);
  // Remembers the entity and label being edited (ignored for no entity or a negative index).
  void SetCurrentLabel(QkEntity entity, int nLabel);
  // Scale and offset so that the extents fill half the window and sit in its middle.
  void ZoomExtents();

  QkDocument GetDocument() const { return m_pDocument; }
  double GetScale() const { return m_view.Scale(); }
  COLORREF GetBackColor() const { return m_clrBack; }
  // The world point under a client pixel at the current offset and scale.
  void ClientToWorld(POINT pt, double* x, double* y) const;

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  void PostNcDestroy() override;

 private:
  void OnPaint();
  void OnEraseBkgnd(HDC hDC);
  LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
  // Frees and rebuilds display buffer k for `entity`, when the kernel has data for it.
  void RebuildBuffer(int k, QkEntity entity);
  void ReleaseAll();

  QkDocument m_pDocument;
  vjd::annotation::PreviewView m_view;
  CPtrArray m_arrDisplay;  // per document entity: its display data, malloc'ed, or null
  COLORREF m_clrBack;
  QkEntity m_pCurEntity;
  int m_nCurLabel;
};
