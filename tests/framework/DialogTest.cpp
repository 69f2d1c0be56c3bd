// CDialog under Wine: templates from the resource context, modeless lifetime with the object
// deleting itself, the keyboard interface of a modeless dialog through the message hook, the
// close box, and modal dialogs.
#include <gtest/gtest.h>

#include <windows.h>

#include "ComboBox.h"
#include "DataExchange.h"
#include "Dialog.h"
#include "FrameworkTestIds.h"
#include "ResourceScope.h"
#include "WindowTestKit.h"

namespace {

// A modeless dialog that owns itself, as the configuration window does: cancel destroys the
// window, the last message deletes the object.
class CSelfOwnedDialog : public CDialog {
 public:
  explicit CSelfOwnedDialog(bool* pDeleted, bool bDestroyAtInit = false)
      : m_pDeleted(pDeleted), m_bDestroyAtInit(bDestroyAtInit) {}
  ~CSelfOwnedDialog() override { *m_pDeleted = true; }

  CComboBox m_combo;
  int m_nInits = 0;
  int m_nCancels = 0;
  bool m_bComboBoundAtInit = false;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FWTEST_COMBO, m_combo);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    ++m_nInits;
    m_bComboBoundAtInit = m_combo.m_hWnd != nullptr;
    if (m_bDestroyAtInit) DestroyWindow();  // this object is gone when it returns
    return TRUE;
  }
  void OnCancel() override {
    ++m_nCancels;
    DestroyWindow();  // this object is gone when it returns
  }
  void PostNcDestroy() override {
    CDialog::PostNcDestroy();
    delete this;
  }

 private:
  bool* m_pDeleted;
  bool m_bDestroyAtInit;
};

TEST(CDialogCreate, FindsItsTemplateOnlyInTheCurrentResourceContext) {
  bool deleted = false;
  auto* pDlg = new CSelfOwnedDialog(&deleted);
  HINSTANCE hExe = ::GetModuleHandleA(nullptr);
  HINSTANCE hOther = ::GetModuleHandleA("user32.dll");
  {
    CResourceScope scope(hOther);
    EXPECT_EQ(hOther, AfxGetResourceHandle());
    EXPECT_FALSE(pDlg->Create(IDD_FWTEST, nullptr)) << "user32 has no template 100";
    EXPECT_EQ(nullptr, pDlg->m_hWnd);
    {
      CResourceScope inner(hExe);
      ASSERT_TRUE(pDlg->Create(IDD_FWTEST, nullptr));
    }
    EXPECT_EQ(hOther, AfxGetResourceHandle()) << "the inner scope gave the outer context back";
  }
  EXPECT_EQ(hExe, AfxGetResourceHandle());
  EXPECT_EQ(1, pDlg->m_nInits);
  EXPECT_TRUE(pDlg->m_bComboBoundAtInit) << "the framework's initialisation binds the controls";
  EXPECT_EQ(pDlg, CWnd::FromHandlePermanent(pDlg->m_hWnd));
  pDlg->DestroyWindow();
  EXPECT_TRUE(deleted);
}

// The result of a modeless creation says whether a self-owning object still exists.
TEST(CDialogCreate, TellsAFailureBeforeAnyWindowFromAWindowThatCameAndWent) {
  using Result = CDialog::CreateResult;
  const AfxHeldObjects before = AfxGetHeldObjects();

  // No template: nothing happened.
  bool deleted = false;
  auto* pDlg = new CSelfOwnedDialog(&deleted);
  EXPECT_EQ(Result::NoWindow, pDlg->CreateModeless(IDD_FWTEST_MISSING, nullptr));
  EXPECT_FALSE(deleted);

  // The system refuses the window before its first message: no window ever ran, so nothing
  // deleted the object; it holds no window and the message hook is not held for it.
  {
    CRefuseWindows refuse;
    ASSERT_TRUE(refuse.Installed());
    EXPECT_EQ(Result::NoWindow, pDlg->CreateModeless(IDD_FWTEST, nullptr));
  }
  EXPECT_FALSE(deleted) << "the caller still owns it";
  EXPECT_EQ(nullptr, pDlg->m_hWnd);
  EXPECT_EQ(0, pDlg->m_nInits);
  AfxHeldObjects held = AfxGetHeldObjects();
  EXPECT_EQ(before.nPermanentWindows, held.nPermanentWindows);
  EXPECT_EQ(before.nMessageHooks, held.nMessageHooks);
  EXPECT_EQ(0, held.nCreationHooks);

  // The same object makes its window once the system lets it.
  ASSERT_EQ(Result::Created, pDlg->CreateModeless(IDD_FWTEST, nullptr));
  EXPECT_EQ(1, pDlg->m_nInits);
  pDlg->DestroyWindow();
  EXPECT_TRUE(deleted);

  // A window destroyed during its initialisation took its object along.
  deleted = false;
  pDlg = new CSelfOwnedDialog(&deleted, /*bDestroyAtInit=*/true);
  EXPECT_EQ(Result::WindowGone, pDlg->CreateModeless(IDD_FWTEST, nullptr));
  EXPECT_TRUE(deleted);
  held = AfxGetHeldObjects();
  EXPECT_EQ(before.nPermanentWindows, held.nPermanentWindows);
  EXPECT_EQ(before.nMessageHooks, held.nMessageHooks);
}

// Esc -> IDCANCEL -> OnCancel -> destroyed -> deleted; the close box the same way.
TEST(CDialogModeless, EscapeInTheHostsLoopAndTheCloseBoxLeaveThroughOnCancel) {
  for (bool escape : {true, false}) {
    bool deleted = false;
    auto* pDlg = new CSelfOwnedDialog(&deleted);
    ASSERT_TRUE(pDlg->Create(IDD_FWTEST, nullptr));
    pDlg->ShowWindow(SW_SHOW);
    PumpWaitingMessages();
    // A plain loop that knows nothing of the dialog, as the host's loop: the key still works.
    if (escape)
      ::PostMessageA(::GetDlgItem(pDlg->m_hWnd, IDC_FWTEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
    else
      pDlg->SendMessage(WM_CLOSE);
    PumpWaitingMessages();
    EXPECT_TRUE(deleted) << (escape ? "Esc" : "the close box");
  }
}

TEST(CDialogModeless, AnObjectDeletedWithItsWindowAliveTakesTheWindowAlong) {
  auto* pDlg = new CDialog;
  ASSERT_TRUE(pDlg->Create(IDD_FWTEST, nullptr));
  HWND hWnd = pDlg->m_hWnd;
  delete pDlg;
  EXPECT_FALSE(::IsWindow(hWnd));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

class CEndAtOnceDialog : public CDialog {
 public:
  CEndAtOnceDialog() : CDialog(IDD_FWTEST, nullptr) {}
  BOOL m_bModalSeen = FALSE;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_bModalSeen = IsModal();
    EndDialog(42);
    return TRUE;
  }
};

TEST(CDialogModal, ReturnsTheEndDialogResult) {
  CEndAtOnceDialog dlg;
  EXPECT_EQ(42, dlg.DoModal());
  EXPECT_TRUE(dlg.m_bModalSeen);
  EXPECT_FALSE(dlg.IsModal());
  EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(CDialogModal, AMissingTemplateGivesMinusOne) {
  CDialog dlg(IDD_FWTEST_MISSING, nullptr);
  EXPECT_EQ(-1, dlg.DoModal());
}

}  // namespace
