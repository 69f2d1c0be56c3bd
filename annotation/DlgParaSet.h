// CDlgParaSet: the annotation configuration window (template 3000, "标注配置"), modeless.
//
// Lifetime: the command constructs the object (no parent), sets m_pMap and the entity lists,
// creates the window from template 3000 and shows it.  From then on the object belongs to its
// window: leaving ("退出", Esc or the close box, all the cancel action) runs the exit step, tells
// the command that it ends (MouseStatus(19, 0, 0)), destroys the window, and the window's last
// message deletes the object.  "选择实体" asks the command for a pick (MouseStatus(19, 0, 2));
// the command hides the window, runs the pick and shows the window again with the new selection.
//
// The map and every host object belong to the host; the lists are this object's own copies.
#pragma once

#include <windows.h>

#include "CArray.h"
#include "DataExchange.h"
#include "Dialog.h"
#include "DlgParaSetIds.h"
#include "HostContract.h"

// The command's event handler: the plug-in's export MouseStatus, called by the window's buttons.
extern "C" void WINAPI MouseStatus(int code, int param1, int param2);

class CDlgParaSet : public CDialog {
 public:
  enum { IDD = IDD_PARASET };

  // MouseStatus messages the window sends to the command.
  static constexpr int kMessageFromWindow = 19;
  static constexpr int kWindowLeaves = 0;  // param2 of message 19: the command ends
  static constexpr int kWindowPicks = 2;   // param2 of message 19: start a new pick

  explicit CDlgParaSet(CWnd* pParent = nullptr);
  ~CDlgParaSet() override;

  const VjdHostMap* m_pMap;  // the host's map, not owned; set by the command before creation

  // Every device symbol of the drawing, and the selected or picked ones: kernel handles and
  // entity ids, element i of a handle list and of its id list naming the same entity.
  CArray<int, int> m_arrAllHandles;
  CArray<int, int> m_arrAllIds;
  CArray<int, int> m_arrSelHandles;
  CArray<int, int> m_arrSelIds;

  int m_nSelCount;  // number of selected entities, shown in control 3025

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnCancel() override;       // leaving: exit step, end the command, destroy the window
  void PostNcDestroy() override;  // the window is gone: the object goes too

  // Button handlers.
  void OnPickEntities();  // 3023 "选择实体"

  // What leaving does before the command is told: reads the controls into the members.
  void ExitStep();
};
