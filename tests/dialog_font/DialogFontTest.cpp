// The windows' Chinese texts as this machine draws them.  Templates 3000 and 3001 ask for
// "宋体" 9 pt; the system draws it with whatever face stands in for it, and a face can draw a
// glyph incompletely at that size: strokes missing at the top or bottom, or whole rows and sides
// (with WenQuanYi Zen Hei under Wine, 显示 reads as 显六, 电 as 中, 是 loses its upper half).
// So every character of the windows' texts is drawn as a control draws it, and compared with
// the same glyph's outline at the same size filled by hand: every pixel the outline covers must
// have ink, and the ink must stay inside the line the controls lay the text out in.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "DibCapture.h"
#include "DlgParaSetIds.h"
#include "SignRelaPosIds.h"

namespace {

// Pixels a glyph's outline may cover without ink drawn there (edge rounding).
constexpr int kBlankAllowed = 1;
// The outline is filled this many times finer, then averaged to pixels.
constexpr int kFine = 8;

std::wstring Wide(const char* gbk) {
  wchar_t buffer[256];
  const int n = ::MultiByteToWideChar(936, 0, gbk, -1, buffer, 256);
  return n > 0 ? std::wstring(buffer, n - 1) : std::wstring();
}

std::string Gbk(const std::wstring& text) {
  char buffer[256];
  const int n =
      ::WideCharToMultiByte(936, 0, text.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr);
  return n > 0 ? std::string(buffer, n - 1) : std::string();
}

// 0 for white to 1 for black.
double Darkness(const CDibCapture& dib, int x, int y) {
  const COLORREF pixel = dib.At(x, y);
  return (255 - std::min({GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)})) / 255.0;
}

double Real(FIXED f) {
  return f.value + f.fract / 65536.0;
}

// The glyph's outline as the font hints it at this size (an outline, never a bitmap strike; its
// curves as cubic Béziers whatever the font's own are), flattened to polygons in pixels, y
// downwards from the baseline.
bool OutlinePolygons(HDC dc, wchar_t ch, std::vector<std::vector<POINT>>& polygons, int scale,
                     int originX, int originY) {
  GLYPHMETRICS metrics;
  const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  const DWORD size = ::GetGlyphOutlineW(dc, ch, GGO_BEZIER, &metrics, 0, nullptr, &identity);
  if (size == GDI_ERROR) return false;
  std::vector<char> buffer(size);
  if (size &&
      ::GetGlyphOutlineW(dc, ch, GGO_BEZIER, &metrics, size, buffer.data(), &identity) == GDI_ERROR)
    return false;
  auto point = [&](double x, double y) {
    return POINT{static_cast<LONG>(std::lround((originX + x) * scale)),
                 static_cast<LONG>(std::lround((originY - y) * scale))};
  };
  for (DWORD offset = 0; offset < size;) {
    const auto* header = reinterpret_cast<const TTPOLYGONHEADER*>(buffer.data() + offset);
    std::vector<POINT> polygon;
    double x = Real(header->pfxStart.x), y = Real(header->pfxStart.y);
    polygon.push_back(point(x, y));
    for (DWORD at = sizeof *header; at < header->cb;) {
      const auto* curve = reinterpret_cast<const TTPOLYCURVE*>(buffer.data() + offset + at);
      const POINTFX* p = curve->apfx;
      const int n = curve->cpfx;
      if (curve->wType == TT_PRIM_LINE) {
        for (int i = 0; i < n; ++i) {
          x = Real(p[i].x);
          y = Real(p[i].y);
          polygon.push_back(point(x, y));
        }
      } else {  // TT_PRIM_CSPLINE: cubic Bézier segments, three points each
        for (int i = 0; i + 2 < n; i += 3) {
          const double ax = Real(p[i].x), ay = Real(p[i].y), bx = Real(p[i + 1].x),
                       by = Real(p[i + 1].y), ex = Real(p[i + 2].x), ey = Real(p[i + 2].y);
          for (int t = 1; t <= 16; ++t) {
            const double u = t / 16.0, v = 1 - u;
            polygon.push_back(
                point(v * v * v * x + 3 * u * v * v * ax + 3 * u * u * v * bx + u * u * u * ex,
                      v * v * v * y + 3 * u * v * v * ay + 3 * u * u * v * by + u * u * u * ey));
          }
          x = ex;
          y = ey;
        }
      }
      at += offsetof(TTPOLYCURVE, apfx) + sizeof(POINTFX) * n;
    }
    polygons.push_back(polygon);
    offset += header->cb;
  }
  return true;
}

// How one character came out: its ink rows, the rows of its line, and the pixels its outline
// covers (at least half) where no ink was drawn.
struct Drawing {
  bool outlined = false;
  int inkTop = -1, inkBottom = -1;  // -1: no ink
  int lineTop = 0, lineBottom = 0;  // the line: rows lineTop to lineBottom - 1
  int covered = 0, blank = 0;
};

Drawing DrawCharacter(HFONT font, wchar_t ch) {
  Drawing result;
  HDC probe = ::CreateCompatibleDC(nullptr);
  HGDIOBJ oldFont = ::SelectObject(probe, font);
  TEXTMETRICW tm = {};
  ::GetTextMetricsW(probe, &tm);
  const int room = tm.tmHeight;  // above and below the line, for ink that leaves it
  const int originX = tm.tmHeight / 2;
  const int width = 3 * tm.tmHeight, height = 3 * tm.tmHeight;
  result.lineTop = room;
  result.lineBottom = room + tm.tmHeight;
  std::vector<std::vector<POINT>> polygons;
  result.outlined = OutlinePolygons(probe, ch, polygons, kFine, originX, room + tm.tmAscent);
  ::SelectObject(probe, oldFont);
  ::DeleteDC(probe);

  // The character as a static control draws its text: from the top of its line.
  CDibCapture drawn(width, height);
  ::SelectObject(drawn.Dc(), font);
  ::SetBkMode(drawn.Dc(), TRANSPARENT);
  ::SetTextColor(drawn.Dc(), RGB(0, 0, 0));
  ::SetTextAlign(drawn.Dc(), TA_TOP | TA_LEFT);
  ::TextOutW(drawn.Dc(), originX, room, &ch, 1);
  ::GdiFlush();

  // The outline filled at kFine times the size, then each pixel's coverage.
  CDibCapture fine(width * kFine, height * kFine);
  ::SetPolyFillMode(fine.Dc(), WINDING);
  ::SelectObject(fine.Dc(), ::GetStockObject(BLACK_BRUSH));
  ::SelectObject(fine.Dc(), ::GetStockObject(NULL_PEN));
  std::vector<POINT> points;
  std::vector<INT> counts;
  for (const auto& polygon : polygons) {
    points.insert(points.end(), polygon.begin(), polygon.end());
    counts.push_back(static_cast<INT>(polygon.size()));
  }
  if (!counts.empty())
    ::PolyPolygon(fine.Dc(), points.data(), counts.data(), static_cast<int>(counts.size()));
  ::GdiFlush();

  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool ink = Darkness(drawn, x, y) >= 0.1;
      if (ink) {
        if (result.inkTop < 0) result.inkTop = y;
        result.inkBottom = y;
      }
      double coverage = 0;
      for (int fy = 0; fy < kFine; ++fy)
        for (int fx = 0; fx < kFine; ++fx)
          coverage += Darkness(fine, x * kFine + fx, y * kFine + fy);
      if (coverage / (kFine * kFine) >= 0.5) {
        ++result.covered;
        if (!ink) ++result.blank;
      }
    }
  }
  return result;
}

// Every character of `text` drawn whole in `font`, inside its line.
void ExpectDrawnWhole(HFONT font, const std::wstring& text) {
  for (wchar_t ch : text) {
    if (ch < 0x80) continue;  // the Latin part of a face is not what is at stake
    const Drawing d = DrawCharacter(font, ch);
    const std::string where = "\"" + Gbk(std::wstring(1, ch)) + "\" of \"" + Gbk(text) + "\"";
    ASSERT_TRUE(d.outlined) << where << ": no outline";
    ASSERT_GT(d.covered, 0) << where << ": empty outline";
    ASSERT_GE(d.inkTop, 0) << where << ": nothing drawn";
    EXPECT_LE(d.blank, kBlankAllowed) << where << " is not drawn whole: " << d.blank << " of the "
                                      << d.covered << " pixels its outline covers have no ink";
    EXPECT_GE(d.inkTop, d.lineTop)
        << where << ": " << d.lineTop - d.inkTop << " row(s) of ink above its line";
    EXPECT_LT(d.inkBottom, d.lineBottom)
        << where << ": " << d.inkBottom - d.lineBottom + 1 << " row(s) of ink below its line";
  }
}

INT_PTR CALLBACK BareDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// A template created hidden, with no logic behind it: its font is the one the template asks for,
// made as the dialog manager makes it.
class DialogFont : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
  }
  void TearDown() override {
    if (dialog_) ::DestroyWindow(dialog_);
  }
  void Create(int templateId) {
    dialog_ = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId),
                                   nullptr, BareDialogProc, 0);
    ASSERT_NE(dialog_, nullptr);
    font_ = reinterpret_cast<HFONT>(::SendMessageW(dialog_, WM_GETFONT, 0, 0));
    ASSERT_NE(font_, nullptr);
  }
  // The texts of the template's controls.
  std::vector<std::wstring> ControlTexts() const {
    std::vector<std::wstring> texts;
    for (HWND child = ::GetWindow(dialog_, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      wchar_t text[128] = L"";
      if (::GetWindowTextW(child, text, 128) > 0) texts.push_back(text);
    }
    return texts;
  }

  HWND dialog_ = nullptr;
  HFONT font_ = nullptr;
};

TEST_F(DialogFont, IsTheTemplatesSongTi9PointAtTheScreensResolution) {
  Create(IDD_PARASET);
  LOGFONTW lf = {};
  ASSERT_EQ(::GetObjectW(font_, sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_EQ(std::wstring(lf.lfFaceName), Wide("宋体"));
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  EXPECT_EQ(lf.lfHeight, -::MulDiv(9, dpi, 72));
}

TEST_F(DialogFont, HasAGlyphForEveryCharacterOfTheConfigurationWindow) {
  Create(IDD_PARASET);
  HDC dc = ::GetDC(dialog_);
  HGDIOBJ old = ::SelectObject(dc, font_);
  std::vector<std::wstring> texts = ControlTexts();
  ASSERT_GE(texts.size(), 20u);
  for (const std::wstring& text : texts) {
    std::vector<WORD> glyphs(text.size());
    ASSERT_NE(::GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                                 GGI_MARK_NONEXISTING_GLYPHS),
              GDI_ERROR);
    for (size_t i = 0; i < glyphs.size(); ++i)
      EXPECT_NE(glyphs[i], 0xFFFF) << "no glyph for character " << i << " of " << Gbk(text);
  }
  ::SelectObject(dc, old);
  ::ReleaseDC(dialog_, dc);
}

// Every caption of template 3000, and what its grid shows: headings and the yes/no cells.
TEST_F(DialogFont, ConfigurationWindowTextsAreDrawnWhole) {
  Create(IDD_PARASET);
  std::vector<std::wstring> texts = ControlTexts();
  for (const char* grid : {"标注文本", "是否显示", "相对位置", "高度", "宽度", "角度是否随图例",
                           "角度", "前景色", "背景色", "是", "否", "右上", "的标注:"})
    texts.push_back(Wide(grid));
  for (const std::wstring& text : texts) ExpectDrawnWhole(font_, text);
}

// The label position window (template 3001): its radio buttons and its own buttons.
TEST_F(DialogFont, PositionWindowTextsAreDrawnWhole) {
  Create(IDD_SIGNRELAPOS);
  const std::vector<std::wstring> texts = ControlTexts();
  ASSERT_GE(texts.size(), 10u);
  for (const std::wstring& text : texts) ExpectDrawnWhole(font_, text);
}

// Message boxes draw their text in the system's message font.
TEST_F(DialogFont, MessageBoxTextsAreDrawnWhole) {
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  HFONT font = ::CreateFontIndirectW(&metrics.lfMessageFont);
  ASSERT_NE(font, nullptr);
  for (const char* text : {"更新标注成功！", "更新标注失败！", "文件没找到！", "此符号库没有分类",
                           "符号库分类文件无法打开，按没有分类显示全部符号"})
    ExpectDrawnWhole(font, Wide(text));
  ::DeleteObject(font);
}

// The caption buttons (close, minimize, maximize) are glyphs of the symbol font Marlett: where the
// system finds no Marlett, another face stands in and the buttons show letters ("r", "0", "1").
TEST(CaptionButtons, AreDrawnWithMarlett) {
  HFONT font = ::CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, L"Marlett");
  ASSERT_NE(font, nullptr);
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = L"";
  ::GetTextFaceW(dc, LF_FACESIZE, face);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  ::DeleteObject(font);
  EXPECT_EQ(Gbk(face), "Marlett");
}

}  // namespace
