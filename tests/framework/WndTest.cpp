// CWnd under Wine: subclassing, creation routing and notification reflection (from a hand-made
// notification and from a real list view's custom draw).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "ListCtrl.h"
#include "WindowTestKit.h"
#include "Wnd.h"

namespace {

HWND MakeTopLevel() {
  return ::CreateWindowExA(0, "STATIC", "top", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                           ::GetModuleHandleA(nullptr), nullptr);
}

// Counts what reaches it; takes WM_USER + 1 itself and lets everything else through.
class CCountingWnd : public CWnd {
 public:
  int m_nTaken = 0;
  int m_nCreates = 0;
  int m_nPostNcDestroy = 0;
  bool m_bSawNcCreate = false;

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    switch (message) {
      case WM_NCCREATE:
        m_bSawNcCreate = true;
        break;
      case WM_CREATE:
        ++m_nCreates;
        break;
      case WM_USER + 1:
        ++m_nTaken;
        *pResult = 77;
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
  }
  void PostNcDestroy() override { ++m_nPostNcDestroy; }
};

// An edit control in a top-level window, both gone after the test.
class CWndSubclass : public ::testing::Test {
 protected:
  void TearDown() override { ::DestroyWindow(hTop); }
  HWND hTop = MakeTopLevel();
  HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 100, 20, hTop, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
};

TEST_F(CWndSubclass, RoutesMessagesAndLeavesTheRestToTheControl) {
  WNDPROC original = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hEdit, GWLP_WNDPROC));
  CCountingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(hEdit));
  EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hEdit));
  EXPECT_EQ(77, ::SendMessageA(hEdit, WM_USER + 1, 0, 0));
  EXPECT_EQ(1, wnd.m_nTaken);
  wnd.SetWindowText("abc");  // the edit's own procedure still keeps its text
  CString text;
  wnd.GetWindowText(text);
  EXPECT_STREQ("abc", text);

  CCountingWnd second;
  EXPECT_FALSE(second.SubclassWindow(hEdit)) << "one object per window";

  EXPECT_EQ(hEdit, wnd.UnsubclassWindow());
  EXPECT_EQ(original, reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hEdit, GWLP_WNDPROC)));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
  ::SendMessageA(hEdit, WM_USER + 1, 0, 0);
  EXPECT_EQ(1, wnd.m_nTaken);
}

TEST_F(CWndSubclass, TheLastMessageDetachesAndCallsPostNcDestroy) {
  CCountingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(hEdit));
  ::DestroyWindow(hTop);  // the child goes with its parent
  EXPECT_EQ(1, wnd.m_nPostNcDestroy);
  EXPECT_EQ(nullptr, wnd.m_hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
}

WNDPROC g_nextProc = nullptr;
LRESULT CALLBACK PassOnProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  return ::CallWindowProcA(g_nextProc, h, m, w, l);
}

TEST_F(CWndSubclass, ALaterSubclasserKeepsTheChainWorking) {
  CCountingWnd first;
  ASSERT_TRUE(first.SubclassWindow(hEdit));
  // Somebody else subclasses on top of us, then we let go: our procedure stays in the chain and
  // must pass everything on to the edit's own procedure.
  g_nextProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PassOnProc)));
  first.UnsubclassWindow();
  ::SetWindowTextA(hEdit, "still an edit");
  char buffer[32] = {};
  ::GetWindowTextA(hEdit, buffer, sizeof buffer);
  EXPECT_STREQ("still an edit", buffer);
}

TEST(CWndCreate, TheObjectSeesTheWindowsFirstMessages) {
  HWND hTop = MakeTopLevel();
  CCountingWnd wnd;
  RECT rect = {0, 0, 50, 20};
  ASSERT_TRUE(wnd.Create("STATIC", "x", WS_VISIBLE, rect, CWnd::FromHandle(hTop), 55));
  EXPECT_TRUE(wnd.m_bSawNcCreate);
  EXPECT_EQ(1, wnd.m_nCreates);
  EXPECT_EQ(55, wnd.GetDlgCtrlID());
  EXPECT_EQ(hTop, ::GetParent(wnd.m_hWnd));
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_EQ(1, wnd.m_nPostNcDestroy);
  ::DestroyWindow(hTop);
}

TEST(CWndCreate, AWindowRefusedBeforeItsFirstMessageLeavesTheObjectAsItWas) {
  HWND hTop = MakeTopLevel();
  const AfxHeldObjects before = AfxGetHeldObjects();
  CCountingWnd wnd;
  RECT rect = {0, 0, 50, 20};
  {
    CRefuseWindows refuse;
    ASSERT_TRUE(refuse.Installed());
    EXPECT_FALSE(wnd.Create("STATIC", "x", WS_VISIBLE, rect, CWnd::FromHandle(hTop), 55));
  }
  EXPECT_EQ(nullptr, wnd.m_hWnd);
  EXPECT_FALSE(wnd.m_bSawNcCreate);
  EXPECT_EQ(0, wnd.m_nPostNcDestroy);
  const AfxHeldObjects after = AfxGetHeldObjects();
  EXPECT_EQ(before.nPermanentWindows, after.nPermanentWindows) << "no dead handle in the map";
  EXPECT_EQ(0, after.nCreationHooks);
  // The same object makes its window once the system lets it.
  ASSERT_TRUE(wnd.Create("STATIC", "x", WS_VISIBLE, rect, CWnd::FromHandle(hTop), 55));
  EXPECT_EQ(wnd.m_hWnd, ::GetDlgItem(hTop, 55));
  ::DestroyWindow(hTop);
}

// Asks for a wrapper of another window while it handles WM_USER + 2, as a handler asking for a
// control does, and reports what the framework held at that moment.
class CAskingWnd : public CWnd {
 public:
  HWND m_hAsked = nullptr;
  CWnd* m_pAnswer = nullptr;
  int m_nTemporaryWhileHandling = -1;

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message == WM_USER + 2) {
      m_pAnswer = CWnd::FromHandle(m_hAsked);
      m_nTemporaryWhileHandling = AfxGetHeldObjects().nTemporaryWindows;
      *pResult = m_pAnswer && m_pAnswer->m_hWnd == m_hAsked;
      return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
  }
};

TEST(CWndTemporary, AWrapperMadeWhileAMessageIsHandledGoesWhenTheOutermostCallReturns) {
  HWND hTop = MakeTopLevel();
  CAskingWnd asking;
  ASSERT_TRUE(asking.SubclassWindow(hTop));
  const int before = AfxGetHeldObjects().nTemporaryWindows;
  for (int i = 0; i < 3; ++i) {  // one wrapper at a time, however often the message comes
    asking.m_hAsked = MakeTopLevel();
    EXPECT_EQ(1, asking.SendMessage(WM_USER + 2));
    EXPECT_EQ(before + 1, asking.m_nTemporaryWhileHandling);
    EXPECT_EQ(before, AfxGetHeldObjects().nTemporaryWindows) << "message " << i;
    ::DestroyWindow(asking.m_hAsked);
  }

  // A call that holds the lock around several messages keeps their wrappers until it returns.
  asking.m_hAsked = MakeTopLevel();
  {
    CTempMapLock call;
    EXPECT_EQ(1, asking.SendMessage(WM_USER + 2));
    CWnd* pFirst = asking.m_pAnswer;
    EXPECT_EQ(1, asking.SendMessage(WM_USER + 2));
    EXPECT_EQ(pFirst, asking.m_pAnswer) << "the same wrapper, still alive";
    EXPECT_EQ(before + 1, AfxGetHeldObjects().nTemporaryWindows);
  }
  EXPECT_EQ(before, AfxGetHeldObjects().nTemporaryWindows);

  // A wrapper asked for outside every call (a test driving a window itself) stays valid, even
  // across messages that ask for it too.
  CWnd* pKept = CWnd::FromHandle(asking.m_hAsked);
  EXPECT_EQ(1, asking.SendMessage(WM_USER + 2));
  EXPECT_EQ(pKept, asking.m_pAnswer);
  EXPECT_EQ(asking.m_hAsked, pKept->m_hWnd);
  EXPECT_EQ(before + 1, AfxGetHeldObjects().nTemporaryWindows);

  // A window's own object is never a temporary wrapper.
  EXPECT_EQ(&asking, CWnd::FromHandle(hTop));
  ::DestroyWindow(asking.m_hAsked);
  ::DestroyWindow(hTop);
}

// A parent that records which notifications reached its own handlers.
class CRecordingParent : public CWnd {
 public:
  std::vector<UINT> m_commands;
  std::vector<UINT> m_notifies;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM) override {
    m_commands.push_back(LOWORD(wParam));
    return TRUE;
  }
  BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override {
    m_notifies.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
    *pResult = 5;
    return TRUE;
  }
};

// A child that takes back the notifications whose code it was told to take.
class CReflectingChild : public CWnd {
 public:
  UINT m_nTakeCode = 0;
  std::vector<UINT> m_seen;

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    UINT code = message == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lParam)->code : HIWORD(wParam);
    m_seen.push_back(code);
    if (code != m_nTakeCode) return FALSE;
    *pResult = 9;
    return TRUE;
  }
};

struct ReflectionFixture : ::testing::Test {
  CRecordingParent parent;
  CReflectingChild child;
  void SetUp() override {
    ASSERT_TRUE(parent.SubclassWindow(MakeTopLevel()));
    HWND hChild =
        ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd,
                          reinterpret_cast<HMENU>(7), ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(child.SubclassWindow(hChild));
  }
  void TearDown() override { parent.DestroyWindow(); }
  LRESULT Notify(HWND from, UINT code) {
    NMHDR hdr = {from, 7, code};
    return parent.SendMessage(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&hdr));
  }
};

TEST_F(ReflectionFixture, TheChildIsAskedFirstAndThePartnerSeesOnlyWhatItDeclines) {
  child.m_nTakeCode = 42;
  EXPECT_EQ(9, Notify(child.m_hWnd, 42));
  EXPECT_TRUE(parent.m_notifies.empty());
  EXPECT_EQ(5, Notify(child.m_hWnd, 43));
  ASSERT_EQ(1u, parent.m_notifies.size());
  EXPECT_EQ(43u, parent.m_notifies[0]);
  EXPECT_EQ((std::vector<UINT>{42, 43}), child.m_seen);
}

TEST_F(ReflectionFixture, CommandsFromControlsAreReflectedMenusAreNot) {
  child.m_nTakeCode = EN_CHANGE;
  parent.SendMessage(WM_COMMAND, MAKEWPARAM(7, EN_CHANGE), reinterpret_cast<LPARAM>(child.m_hWnd));
  EXPECT_TRUE(parent.m_commands.empty());
  parent.SendMessage(WM_COMMAND, MAKEWPARAM(7, EN_KILLFOCUS),
                     reinterpret_cast<LPARAM>(child.m_hWnd));
  parent.SendMessage(WM_COMMAND, MAKEWPARAM(300, 0), 0);  // a menu: no control to offer it to
  EXPECT_EQ((std::vector<UINT>{7, 300}), parent.m_commands);
  EXPECT_EQ((std::vector<UINT>{EN_CHANGE, EN_KILLFOCUS}), child.m_seen);
}

TEST_F(ReflectionFixture, OnlyDirectChildrenAreOffered) {
  HWND hGrandChild = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, child.m_hWnd, nullptr,
                                       ::GetModuleHandleA(nullptr), nullptr);
  CReflectingChild grandChild;
  grandChild.m_nTakeCode = 42;
  ASSERT_TRUE(grandChild.SubclassWindow(hGrandChild));
  EXPECT_EQ(5, Notify(hGrandChild, 42));
  EXPECT_TRUE(grandChild.m_seen.empty());
  EXPECT_EQ(1u, parent.m_notifies.size());
}

// A list view that paints through custom draw, as the grid does: the parent receives
// NM_CUSTOMDRAW, the framework hands it back to the list, the list's answer drives the stages.
class CCustomDrawList : public CListCtrl {
 public:
  std::vector<DWORD> m_stages;

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == NM_CUSTOMDRAW) {
      auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
      m_stages.push_back(cd->nmcd.dwDrawStage);
      *pResult = cd->nmcd.dwDrawStage == CDDS_PREPAINT ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
      return TRUE;
    }
    return CListCtrl::OnChildNotify(message, wParam, lParam, pResult);
  }
};

TEST(CWndReflection, ARealListViewsCustomDrawReachesTheListObject) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&icc);
  CRecordingParent parent;
  ASSERT_TRUE(parent.SubclassWindow(MakeTopLevel()));
  HWND hList = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 200,
                                 100, parent.m_hWnd, reinterpret_cast<HMENU>(9),
                                 ::GetModuleHandleA(nullptr), nullptr);
  CCustomDrawList list;
  ASSERT_TRUE(list.SubclassWindow(hList));
  list.InsertColumn(0, "列", LVCFMT_LEFT, 80);
  list.InsertItem(0, "行");
  EXPECT_STREQ("行", list.GetItemText(0, 0));
  parent.ShowWindow(SW_SHOWNA);
  list.RedrawWindow();
  PumpWaitingMessages();
  ASSERT_FALSE(list.m_stages.empty());
  EXPECT_EQ(static_cast<DWORD>(CDDS_PREPAINT), list.m_stages.front());
  EXPECT_NE(list.m_stages.end(), std::find(list.m_stages.begin(), list.m_stages.end(),
                                           static_cast<DWORD>(CDDS_ITEMPREPAINT)))
      << "the list's answer to the first stage asked for the item stage";
  for (UINT code : parent.m_notifies) EXPECT_NE(static_cast<UINT>(NM_CUSTOMDRAW), code);
  parent.DestroyWindow();
}

}  // namespace
