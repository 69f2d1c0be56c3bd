// The kernel's documents and display functions as the preview and the host's map view use them:
// documents answer count, entity at index and extents; the drawing transform puts a world point
// on the pixel that DeviceToWorld maps back; a buffer sized before the entity grew never
// overflows; a malformed symbol library keeps the loaded one.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "KernelSetup.h"
#include "KernelViewExtras.h"
#include "quarnkernel.h"

namespace {

const char kLibrary[] =
    "VJD-SYMBOLS 1\nsymbol Box\npoly -1 -1 1 -1 1 1 -1 1\nend\nsymbol Bar\nline -2 0 2 0\nend\n";

class KernelViewTest : public testing::Test {
 protected:
  void SetUp() override {
    QkSetupReset();
    char error[200];
    ASSERT_TRUE(QkSetupLoadSymbolText(kLibrary, error, sizeof error)) << error;
  }
  QkEntity Symbol(int index, double x, double y) {
    QkEntity e = QkSetupCreateEntity(28, "E", "Box");
    QkSymbolRef ref{7, 0, index, 2, 2, 0};
    EXPECT_TRUE(SetEntitySymbol(e, &ref));
    double base[3] = {x, y, 0};
    EXPECT_TRUE(EntityParam(e, ATTR_BASE_POINT_SET, base, 0));
    return e;
  }
};

// A bitmap of the screen's format selected into a memory DC.
struct MemoryDc {
  MemoryDc(int w, int h) {
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bmp = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    SelectObject(dc, bmp);
  }
  ~MemoryDc() {
    DeleteDC(dc);
    DeleteObject(bmp);
  }
  HDC dc;
  HBITMAP bmp;
};

// Adding, counting and destroying documents: tests/host/kernel_test.cpp.
TEST_F(KernelViewTest, DocumentAnswersTheExtentsOfItsEntities) {
  QkDocument doc = CreateDocument(0, "");
  ASSERT_NE(doc, nullptr);
  double box[4];
  EXPECT_EQ(DocumentQuery(doc, QK_DOC_EXTENTS, box, 0), 0);  // empty
  QkEntity a = Symbol(0, 10, 20), b = Symbol(0, -5, 0);
  for (QkEntity e : {a, b, a}) ASSERT_EQ(DocumentQuery(doc, QK_DOC_ADD, &e, 0), 1);
  ASSERT_EQ(DocumentQuery(doc, QK_DOC_EXTENTS, box, 0), 1);
  EXPECT_NEAR(box[0], -6, 1e-9);
  EXPECT_NEAR(box[1], -1, 1e-9);
  EXPECT_NEAR(box[2], 11, 1e-9);
  EXPECT_NEAR(box[3], 21, 1e-9);
  DestroyDocument(doc);
}

// The transform itself is tested natively (ViewTransformTest); here the line lands where it says
// on a real DC, and the DC's viewport origin moves drawing and conversion alike.
TEST_F(KernelViewTest, DeviceToWorldInvertsTheDrawingTransform) {
  // World (x, y) is drawn at ((x + ox) k s, -(y + oy) k s) with k = 1 / DeviceLengthToWorld(1, 1).
  const double scale = 0.01, ox = 2.0, oy = -1.5;
  double k = 1.0 / DeviceLengthToWorld(1.0, 1.0);

  // One horizontal line at world y = 1.0 from x = -1 to 1, drawn into a bitmap.
  QkEntity line = QkSetupCreateEntity(29, "C", "");
  double xy[4] = {-1.0, 1.0, 1.0, 1.0};
  ASSERT_TRUE(QkSetupSetEntityPoints(line, xy, 2));
  int size = GetDisplaySize(line);
  ASSERT_GT(size, 0);
  std::vector<unsigned char> buffer(static_cast<size_t>(size));
  ASSERT_TRUE(BuildDisplay(line, buffer.data()));
  ASSERT_TRUE(PrepareDisplay(buffer.data()));

  const int w = 400, h = 300;
  MemoryDc memory(w, h);
  HDC dc = memory.dc;
  RECT all{0, 0, w, h};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  int a = -1, b = -1;
  ASSERT_TRUE(BeginDraw(dc, &a, &b));
  ASSERT_TRUE(DrawDisplay(dc, a, b, ox, oy, scale, buffer.data(), RGB(0, 0, 0), 0));

  double ex = (-1.0 + ox) * k * scale, ey = -(1.0 + oy) * k * scale;  // left end
  double fx = (1.0 + ox) * k * scale;
  ASSERT_GT(ey, 2);
  ASSERT_LT(fx, w - 2);
  int row = static_cast<int>(std::lround(ey));
  int mid = static_cast<int>(std::lround((ex + fx) / 2));
  EXPECT_EQ(GetPixel(dc, mid, row), RGB(255, 255, 255))
      << "the line is drawn in the contrast colour";
  EXPECT_EQ(GetPixel(dc, mid, row + 3), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, static_cast<int>(fx) + 3, row), RGB(0, 0, 0));

  double wx = 0, wy = 0;
  ASSERT_TRUE(DeviceToWorld(mid, row, &wx, &wy, dc, ox, oy, scale));
  EXPECT_NEAR(wy, 1.0, DeviceLengthToWorld(1.0, scale));
  EXPECT_NEAR(wx, (mid / (k * scale)) - ox, 1e-9);

  // The viewport origin moves drawing and conversion alike.
  SetViewportOrgEx(dc, 30, 20, nullptr);
  ASSERT_TRUE(BeginDraw(dc, &a, &b));
  EXPECT_EQ(a, 30);
  EXPECT_EQ(b, 20);
  double wx2, wy2;
  DeviceToWorld(mid + 30, row + 20, &wx2, &wy2, dc, ox, oy, scale);
  EXPECT_NEAR(wx2, wx, 1e-9);
  EXPECT_NEAR(wy2, wy, 1e-9);
}

TEST_F(KernelViewTest, HighlightColourReplacesEveryColour) {
  QkEntity e = Symbol(0, 0, 0);
  ASSERT_TRUE(QkSetEntityColour(e, RGB(0, 255, 0)));
  EXPECT_EQ(QkGetEntityColour(e), static_cast<unsigned>(RGB(0, 255, 0)));
  std::vector<unsigned char> buffer(static_cast<size_t>(GetDisplaySize(e)));
  ASSERT_TRUE(BuildDisplay(e, buffer.data()));
  ASSERT_TRUE(PrepareDisplay(buffer.data()));
  double box[4];
  ASSERT_TRUE(QkDisplayBox(buffer.data(), box));
  EXPECT_NEAR(box[2] - box[0], 2.0, 1e-9);

  MemoryDc memory(100, 100);
  HDC dc = memory.dc;
  double k = 1.0 / DeviceLengthToWorld(1.0, 1.0), scale = 20.0 / k;  // 20 pixels per unit
  // Box from -1..1 drawn at offset (2.5, -2.5): left edge at x = 30, top edge at y = 30.
  ASSERT_TRUE(DrawDisplay(dc, 0, 0, 2.5, -2.5, scale, buffer.data(), RGB(0, 0, 0), 0));
  EXPECT_EQ(GetPixel(dc, 30, 50), RGB(0, 255, 0));
  ASSERT_TRUE(QkDrawDisplayEx(dc, 0, 0, 2.5, -2.5, scale, buffer.data(), RGB(0, 0, 0),
                              RGB(255, 0, 255), 1));
  EXPECT_EQ(GetPixel(dc, 30, 50), RGB(255, 0, 255));
}

TEST_F(KernelViewTest, BufferSizedBeforeTheEntityGrewIsNeverOverrun) {
  QkEntity e = Symbol(0, 0, 0);
  int size = GetDisplaySize(e);
  ASSERT_GT(size, 0);
  int count = 3;
  ASSERT_TRUE(EntityParam(e, ATTR_LABEL_COUNT_SET, &count, 0));
  for (int i = 0; i < count; ++i) {
    int one = 1;
    EntityParam(e, ATTR_LABEL_VISIBLE_SET, &one, i);
    EntityParam(e, ATTR_LABEL_TEXT_SET, const_cast<char*>("a label that needs room"), i);
  }
  std::vector<unsigned char> buffer(static_cast<size_t>(size) + 64, 0xCD);
  EXPECT_FALSE(BuildDisplay(e, buffer.data()));
  for (size_t i = static_cast<size_t>(size); i < buffer.size(); ++i)
    ASSERT_EQ(buffer[i], 0xCD) << i;
  EXPECT_TRUE(PrepareDisplay(buffer.data())) << "what was written is an empty, drawable display";
  int grown = GetDisplaySize(e);
  EXPECT_GT(grown, size);
  buffer.assign(static_cast<size_t>(grown), 0);
  EXPECT_TRUE(BuildDisplay(e, buffer.data()));
  EXPECT_EQ(GetDisplaySize(12345), 0);
  EXPECT_FALSE(PrepareDisplay(nullptr));
}

TEST_F(KernelViewTest, MalformedLibraryFileKeepsTheLoadedLibrary) {
  char path[MAX_PATH];
  GetTempPathA(MAX_PATH, path);
  std::string file = std::string(path) + "vjd_bad_library.sym";
  std::FILE* f = std::fopen(file.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("VJD-SYMBOLS 1\nsymbol New\nline 0 0 1 1\nend\nsymbol Broken\ncircle 0 0\nend\n", f);
  std::fclose(f);
  char error[200] = {};
  EXPECT_FALSE(QkLoadSymbolLibrary(file.c_str(), error, sizeof error));
  EXPECT_NE(std::string(error).find("line 6"), std::string::npos) << error;
  EXPECT_EQ(GetSymbolCount(7, 0), 2);
  char name[32];
  ASSERT_TRUE(GetSymbolName(7, 0, 0, 32, name));
  EXPECT_STREQ(name, "Box");
  EXPECT_FALSE(QkLoadSymbolLibrary("Z:\\no\\such\\file.sym", error, sizeof error));
  EXPECT_NE(std::string(error).find("cannot open"), std::string::npos);
  EXPECT_EQ(GetSymbolCount(7, 0), 2);
  std::remove(file.c_str());
}

}  // namespace
