// Template 3000 as stored in the module, read byte by byte (extended dialog template), and as
// the dialog manager builds it: caption, font, size, the 31 items with ids, classes, captions,
// positions and styles, in tab order.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "DlgParaSetIds.h"

namespace {

struct Item {
  DWORD style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  int id = 0;
  std::string cls;      // upper case, ordinals turned into their class names
  std::string caption;  // GBK
};

struct Template {
  DWORD style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  std::string caption, face;
  WORD pointSize = 0;
  std::vector<Item> items;
};

std::string Gbk(const wchar_t* text) {
  int size = ::WideCharToMultiByte(936, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) ::WideCharToMultiByte(936, 0, text, -1, &out[0], size, nullptr, nullptr);
  return out;
}

// Reads a name-or-ordinal field; ordinals come back as "#n".
std::string NameOrOrdinal(const WORD*& p) {
  if (*p == 0) {
    ++p;
    return "";
  }
  if (*p == 0xFFFF) {
    std::string ordinal = "#" + std::to_string(p[1]);
    p += 2;
    return ordinal;
  }
  std::string text = Gbk(reinterpret_cast<const wchar_t*>(p));
  while (*p) ++p;
  ++p;
  return text;
}

std::string ClassName(std::string cls) {
  static const char* const kOrdinals[] = {"BUTTON",  "EDIT",      "STATIC",
                                          "LISTBOX", "SCROLLBAR", "COMBOBOX"};
  if (cls.size() > 1 && cls[0] == '#') {
    int ordinal = std::stoi(cls.substr(1));
    return ordinal >= 0x80 && ordinal <= 0x85 ? kOrdinals[ordinal - 0x80] : cls;
  }
  for (char& c : cls) c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
  return cls;
}

bool ReadTemplate(Template& t) {
  HMODULE module = ::GetModuleHandleA(nullptr);
  HRSRC res = ::FindResourceA(module, MAKEINTRESOURCEA(IDD_PARASET), MAKEINTRESOURCEA(5));
  if (!res) return false;
  auto* base = static_cast<const BYTE*>(::LockResource(::LoadResource(module, res)));
  auto* w = reinterpret_cast<const WORD*>(base);
  if (w[0] != 1 || w[1] != 0xFFFF) return false;  // extended template, version 1
  const BYTE* p = base + 8;                       // past version, signature, help id
  p += 4;                                         // extended style
  t.style = *reinterpret_cast<const DWORD*>(p);
  p += 4;
  WORD count = *reinterpret_cast<const WORD*>(p);
  p += 2;
  const short* pos = reinterpret_cast<const short*>(p);
  t.x = pos[0], t.y = pos[1], t.cx = pos[2], t.cy = pos[3];
  p += 8;
  w = reinterpret_cast<const WORD*>(p);
  NameOrOrdinal(w);  // menu
  NameOrOrdinal(w);  // class
  t.caption = NameOrOrdinal(w);
  if (t.style & DS_SETFONT) {
    t.pointSize = *w;
    w += 3;  // point size, weight, italic + charset
    t.face = NameOrOrdinal(w);
  }
  p = reinterpret_cast<const BYTE*>(w);
  for (WORD i = 0; i < count; ++i) {
    p = base + ((p - base + 3) & ~3);  // items start on a DWORD boundary
    Item item;
    p += 8;  // help id, extended style
    item.style = *reinterpret_cast<const DWORD*>(p);
    p += 4;
    pos = reinterpret_cast<const short*>(p);
    item.x = pos[0], item.y = pos[1], item.cx = pos[2], item.cy = pos[3];
    p += 8;
    item.id = *reinterpret_cast<const int*>(p);
    p += 4;
    w = reinterpret_cast<const WORD*>(p);
    item.cls = ClassName(NameOrOrdinal(w));
    item.caption = NameOrOrdinal(w);
    WORD extra = *w++;
    p = reinterpret_cast<const BYTE*>(w) + extra;
    t.items.push_back(item);
  }
  return true;
}

// What an item must be: its kind is checked by the style bits that make it that kind.
enum Kind {
  kText,         // static, left-aligned text
  kBlackRect,    // static, black rectangle
  kCombo,        // drop-down list with vertical scroll bar
  kGroup,        // group box
  kPush,         // push button
  kDefPush,      // default push button
  kOwnerDraw,    // owner-drawn, left-aligned button
  kCheck,        // automatic check box
  kFlatCheck,    // flat automatic check box
  kReportList,   // list view, report view with border
  kReadOnlyEdit  // read-only edit with border and automatic horizontal scroll
};

struct Expected {
  int id;
  const char* cls;
  const char* caption;
  short x, y, cx, cy;
  Kind kind;
};

const Expected kItems[31] = {
    {IDC_BTN_APPLY, "BUTTON", "应用", 356, 264, 50, 14, kDefPush},
    {IDCANCEL, "BUTTON", "退出", 485, 264, 50, 14, kPush},
    {IDC_STATIC, "STATIC", "机电符号", 22, 10, 44, 8, kText},
    {3000, "COMBOBOX", "", 23, 20, 93, 84, kCombo},
    {IDC_STATIC, "BUTTON", "预览", 19, 59, 98, 115, kGroup},
    {3001, "STATIC", "", 25, 70, 86, 96, kBlackRect},
    {IDC_STATIC, "BUTTON", "标注配置", 123, 18, 426, 156, kGroup},
    {3002, "COMBOBOX", "", 23, 41, 93, 134, kCombo},
    {3003, "BUTTON", "", 130, 31, 409, 15, kOwnerDraw},
    {3004, "SYSLISTVIEW32", "List1", 130, 48, 409, 121, kReportList},
    {IDC_STATIC, "BUTTON", "电缆标注", 200, 194, 99, 68, kGroup},
    {3006, "BUTTON", "显示电缆标注", 228, 224, 68, 10, kFlatCheck},
    {3007, "BUTTON", "显示电缆名称", 228, 250, 68, 10, kFlatCheck},
    {IDC_STATIC, "BUTTON", "电动机标注", 96, 194, 98, 68, kGroup},
    {3008, "BUTTON", "显示电机型号", 117, 231, 70, 10, kFlatCheck},
    {3009, "BUTTON", "显示电机名称", 117, 245, 70, 10, kFlatCheck},
    {3011, "BUTTON", "显示一行标注", 228, 238, 68, 10, kFlatCheck},
    {3012, "BUTTON", "配置标注", 101, 209, 57, 13, kCheck},
    {IDC_STATIC, "BUTTON", "短路点标注", 310, 194, 99, 68, kGroup},
    {3014, "BUTTON", "显示短路点名称", 332, 229, 72, 10, kFlatCheck},
    {3015, "BUTTON", "配置标注", 205, 209, 57, 13, kCheck},
    {3016, "BUTTON", "配置标注", 313, 209, 57, 13, kCheck},
    {3019, "BUTTON", "更新标注配置到当前图形", 436, 234, 107, 14, kPush},
    {IDC_STATIC, "BUTTON", "绘制图例或电缆时", 13, 194, 77, 37, kGroup},
    {3021, "BUTTON", "显示名称", 32, 211, 54, 12, kCheck},
    {IDC_STATIC, "BUTTON", "", 10, 181, 413, 101, kGroup},
    {3023, "BUTTON", "选择实体", 436, 188, 42, 14, kPush},
    {3024, "BUTTON", "更新标注配置到选择实体", 436, 213, 107, 14, kPush},
    {IDC_STATIC, "STATIC", "实体个数:", 481, 190, 37, 9, kText},
    {3025, "EDIT", "", 519, 188, 23, 14, kReadOnlyEdit},
    {3017, "BUTTON", "显示短路电流", 332, 246, 64, 10, kFlatCheck},
};

::testing::AssertionResult HasKind(DWORD style, Kind kind) {
  DWORD type = style & BS_TYPEMASK;
  bool ok = false;
  switch (kind) {
    case kText:
      ok = (style & SS_TYPEMASK) == SS_LEFT;
      break;
    case kBlackRect:
      ok = (style & SS_TYPEMASK) == SS_BLACKRECT;
      break;
    case kCombo:
      ok = (style & 3) == CBS_DROPDOWNLIST && (style & WS_VSCROLL);
      break;
    case kGroup:
      ok = type == BS_GROUPBOX;
      break;
    case kPush:
      ok = type == BS_PUSHBUTTON;
      break;
    case kDefPush:
      ok = type == BS_DEFPUSHBUTTON;
      break;
    case kOwnerDraw:
      ok = type == BS_OWNERDRAW && (style & BS_CENTER) == BS_LEFT;
      break;
    case kCheck:
      ok = type == BS_AUTOCHECKBOX && !(style & BS_FLAT);
      break;
    case kFlatCheck:
      ok = type == BS_AUTOCHECKBOX && (style & BS_FLAT);
      break;
    case kReportList:
      ok = (style & LVS_TYPEMASK) == LVS_REPORT && (style & WS_BORDER);
      break;
    case kReadOnlyEdit:
      ok = (style & ES_READONLY) && (style & WS_BORDER) && (style & ES_AUTOHSCROLL);
      break;
  }
  if (!(style & WS_VISIBLE) || !(style & WS_CHILD)) ok = false;
  if (ok) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "style 0x" << std::hex << style;
}

TEST(Template3000, TheDialogIsACaptionedPopUpOf562By287InSongTi9) {
  Template t;
  ASSERT_TRUE(ReadTemplate(t));
  EXPECT_EQ("标注配置", t.caption);
  EXPECT_EQ("宋体", t.face);
  EXPECT_EQ(9, t.pointSize);
  EXPECT_EQ(562, t.cx);
  EXPECT_EQ(287, t.cy);
  const DWORD needed = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  EXPECT_EQ(needed, t.style & needed);
  EXPECT_FALSE(t.style & WS_VISIBLE) << "the command shows the window itself";
  EXPECT_FALSE(t.style & WS_CHILD);
}

TEST(Template3000, Its31ItemsAreInTabOrderWithTheirIdsClassesCaptionsPlacesAndStyles) {
  Template t;
  ASSERT_TRUE(ReadTemplate(t));
  ASSERT_EQ(31u, t.items.size());
  for (size_t i = 0; i < 31; ++i) {
    const Expected& e = kItems[i];
    const Item& item = t.items[i];
    SCOPED_TRACE("item " + std::to_string(i + 1) + " \"" + e.caption + "\"");
    EXPECT_EQ(e.id, static_cast<short>(item.id));
    EXPECT_EQ(e.cls, item.cls);
    EXPECT_EQ(e.caption, item.caption);
    EXPECT_EQ(e.x, item.x);
    EXPECT_EQ(e.y, item.y);
    EXPECT_EQ(e.cx, item.cx);
    EXPECT_EQ(e.cy, item.cy);
    EXPECT_TRUE(HasKind(item.style, e.kind));
    bool reachable = e.kind != kText && e.kind != kGroup && e.kind != kBlackRect;
    EXPECT_EQ(reachable, (item.style & WS_TABSTOP) != 0) << "controls are tab stops, labels not";
  }
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

TEST(Template3000, TheDialogManagerBuildsTheControlsInThatOrder) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  HMODULE module = ::GetModuleHandleA(nullptr);
  HRSRC res = ::FindResourceA(module, MAKEINTRESOURCEA(IDD_PARASET), MAKEINTRESOURCEA(5));
  ASSERT_NE(nullptr, res);
  auto* tmpl = static_cast<LPCDLGTEMPLATEA>(::LockResource(::LoadResource(module, res)));
  HWND hDlg = ::CreateDialogIndirectParamA(module, tmpl, nullptr, &PlainDialogProc, 0);
  ASSERT_NE(nullptr, hDlg);
  size_t index = 0;
  for (HWND h = ::GetWindow(hDlg, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT), ++index) {
    ASSERT_LT(index, 31u);
    SCOPED_TRACE("child " + std::to_string(index + 1));
    EXPECT_EQ(kItems[index].id, static_cast<short>(::GetDlgCtrlID(h)));
    if (kItems[index].id != 3000 && kItems[index].id != 3002 && kItems[index].id != 3004) {
      char text[64] = {};
      ::GetWindowTextA(h, text, sizeof text);
      EXPECT_STREQ(kItems[index].caption, text);
    }
  }
  EXPECT_EQ(31u, index);
  char caption[32] = {};
  ::GetWindowTextA(hDlg, caption, sizeof caption);
  EXPECT_STREQ("标注配置", caption);
  // Tab from "应用" goes to "退出", the next tab stop in template order.
  HWND hApply = ::GetDlgItem(hDlg, IDC_BTN_APPLY);
  EXPECT_EQ(::GetDlgItem(hDlg, IDCANCEL), ::GetNextDlgTabItem(hDlg, hApply, FALSE));
  ::DestroyWindow(hDlg);
}

}  // namespace
