// The preview window as the configuration window uses it: a static control taken over by
// CPreviewWnd inside a parent window, one kernel entity with a symbol from the library, then
// the wheel, painting, erasing, refreshing and destroying.
#include <gtest/gtest.h>

#include <windows.h>

#include "KernelPreviewEntity.h"
#include "KernelSetup.h"
#include "PreviewLabels.h"
#include "PreviewWnd.h"

namespace {

const char kLibrary[] =
    "VJD-SYMBOLS 1\n"
    "symbol 方块\n"
    "poly -0.004 -0.002 0.006 -0.002 0.006 0.004 -0.004 0.004\n"
    "end\n";

// The parent answers the static-control colour query with its own brush, and counts asks.
int g_colourQueries = 0;
HBRUSH g_parentBrush = nullptr;

LRESULT CALLBACK ParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORSTATIC) {
    ++g_colourQueries;
    return reinterpret_cast<LRESULT>(g_parentBrush);
  }
  return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

class PreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VjdPreviewParent";
    ::RegisterClassA(&wc);
    g_parentBrush = ::CreateSolidBrush(RGB(0, 128, 255));
    g_colourQueries = 0;
    m_hParent = ::CreateWindowExA(0, "VjdPreviewParent", "", WS_POPUP, 10, 10, 400, 300, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    HWND hStatic =
        ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 20, 20, 200, 160,
                          m_hParent, reinterpret_cast<HMENU>(3001), wc.hInstance, nullptr);
    ASSERT_TRUE(m_preview.SubclassWindow(hStatic));
    QkSetupReset();
    char error[200] = "";
    ASSERT_TRUE(QkSetupLoadSymbolText(kLibrary, error, sizeof error)) << error;
    ASSERT_TRUE(m_preview.InitPreview());
    m_entity = ::CreateEntity(28);
    ASSERT_NE(m_entity, 0);
    KernelPreviewEntity entity(m_entity);
    PreviewLabels(entity, 1.0).PrepareSymbol(KernelSymbolLibrary(), 0);
  }
  void TearDown() override {
    if (::IsWindow(m_hParent)) ::DestroyWindow(m_hParent);
    ::DeleteObject(g_parentBrush);
  }
  void Wheel(POINT client, int delta) {
    POINT screen = client;
    m_preview.ClientToScreen(&screen);
    m_preview.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(screen.x, screen.y));
  }
  // Painting is checked on the screen: the parent is shown only for those tests.
  void Show() { ::ShowWindow(m_hParent, SW_SHOWNOACTIVATE); }
  COLORREF PixelAt(int x, int y) {
    m_preview.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC hDC = ::GetDC(m_preview);
    COLORREF colour = ::GetPixel(hDC, x, y);
    ::ReleaseDC(m_preview, hDC);
    return colour;
  }

  // Pixels of the client area that are not the black background.
  int InkedPixels() {
    PixelAt(0, 0);  // painted now
    RECT rc;
    m_preview.GetClientRect(&rc);
    HDC hDC = ::GetDC(m_preview);
    int inked = 0;
    for (int y = 0; y < rc.bottom; y += 2)
      for (int x = 0; x < rc.right; x += 2) inked += ::GetPixel(hDC, x, y) != RGB(0, 0, 0);
    ::ReleaseDC(m_preview, hDC);
    return inked;
  }

  HWND m_hParent = nullptr;
  CPreviewWnd m_preview;
  QkEntity m_entity = 0;
};

// The view's arithmetic is checked natively; here the wheel's message reaches it, with the cursor
// taken from screen to client coordinates.
TEST_F(PreviewTest, TheWheelZoomsTheViewAboutTheCursor) {
  m_preview.SetEntity(m_entity);
  const double scale = m_preview.GetScale();
  POINT cursor = {37, 121};
  double wx, wy;
  m_preview.ClientToWorld(cursor, &wx, &wy);
  Wheel(cursor, WHEEL_DELTA);
  EXPECT_NEAR(m_preview.GetScale(), scale * 1.7, scale * 1e-9);
  double ix, iy;
  m_preview.ClientToWorld(cursor, &ix, &iy);
  EXPECT_NEAR(ix, wx, 1e-9);
  EXPECT_NEAR(iy, wy, 1e-9);
  Wheel(cursor, -WHEEL_DELTA);
  EXPECT_NEAR(m_preview.GetScale(), scale, scale * 1e-9);
}

TEST_F(PreviewTest, PaintFillsBlackAndDrawsTheSymbol) {
  Show();
  m_preview.SetEntity(m_entity);
  RECT rc;
  m_preview.GetClientRect(&rc);
  EXPECT_EQ(PixelAt(2, 2), RGB(0, 0, 0));  // outside the symbol: the background colour
  // Somewhere on the middle row the symbol's outline is drawn in a colour that is not black.
  int drawn = 0;
  HDC hDC = ::GetDC(m_preview);
  for (int x = 0; x < rc.right; ++x) drawn += ::GetPixel(hDC, x, rc.bottom / 2) != RGB(0, 0, 0);
  ::ReleaseDC(m_preview, hDC);
  EXPECT_GT(drawn, 0);
}

TEST_F(PreviewTest, EraseUsesTheParentsStaticBrush) {
  Show();
  HDC hDC = ::GetDC(m_preview);
  LRESULT erased = m_preview.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0);
  COLORREF colour = ::GetPixel(hDC, 3, 3);
  ::ReleaseDC(m_preview, hDC);
  EXPECT_NE(erased, 0);
  EXPECT_GE(g_colourQueries, 1);
  EXPECT_EQ(colour, RGB(0, 128, 255));
}

TEST_F(PreviewTest, AsksForAllKeys) {
  EXPECT_TRUE(m_preview.SendMessage(WM_GETDLGCODE) & DLGC_WANTALLKEYS);
}

TEST_F(PreviewTest, RefreshRebuildsTheDrawingAfterTheLabelsChanged) {
  Show();
  m_preview.SetEntity(m_entity);
  const int before = InkedPixels();
  KernelPreviewEntity entity(m_entity);
  PreviewLabels labels(entity, 1.0);
  labels.SetCount(1);
  PreviewSlot slot;
  slot.strText = "一二三四五六七八";
  slot.nPosition = 1;  // "右"
  labels.ShowSlot(0, slot);
  EXPECT_EQ(InkedPixels(), before) << "the old drawing until the entity is refreshed";
  m_preview.RefreshEntity(m_entity);
  EXPECT_GT(InkedPixels(), before) << "the label is drawn";
  m_preview.SetCurrentLabel(m_entity, 0);
  EXPECT_EQ(::DocumentQuery(m_preview.GetDocument(), QK_DOC_COUNT, nullptr, 0), 1);
  // Adding the same entity again keeps one entity and one buffer.
  EXPECT_EQ(m_preview.SetEntity(m_entity), 1);
  EXPECT_EQ(::DocumentQuery(m_preview.GetDocument(), QK_DOC_COUNT, nullptr, 0), 1);
}

TEST_F(PreviewTest, DestroyingTheWindowFreesTheDocument) {
  m_preview.SetEntity(m_entity);
  ::DestroyWindow(m_hParent);
  EXPECT_EQ(m_preview.GetDocument(), nullptr);
  EXPECT_EQ(m_preview.GetSafeHwnd(), nullptr);
}

TEST(PreviewWithoutWindow, ZoomAndRefreshWithoutDocumentDoNothingHarmful) {
  CPreviewWnd preview;
  preview.ZoomExtents();
  preview.RefreshEntity(5);
  preview.SetCurrentLabel(0, 0);
  EXPECT_EQ(preview.SetEntity(5), 0);
  EXPECT_DOUBLE_EQ(preview.GetScale(), 1.0);
}

}  // namespace
