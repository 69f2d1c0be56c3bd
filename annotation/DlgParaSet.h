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
#include "ComboBox.h"
#include "DataExchange.h"
#include "Dialog.h"
#include "DlgParaSetIds.h"
#include "GridButtonBar.h"
#include "Gridlistctrl.h"
#include "HostContract.h"
#include "PreviewWnd.h"
#include "SymbolCatalog.h"
#include "SymbolLabelConfig.h"

class PreviewLabels;
namespace vjd::annotation {
class FileStatus;
class LabelConfigFile;
}  // namespace vjd::annotation

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

  // ---- The window's contents (DlgParaSet_contents_win.cpp, DlgParaSet_grid_win.cpp) -------
  CString m_strHostDir;  // where the catalogue and the configuration file are found
  CArray<CatalogEntry, const CatalogEntry&> m_arrCatalog;  // the catalogue's symbol lines
  CArray<int, int> m_arrComboSymbols;  // symbol index of each item of the symbol list 3002
  CString m_strCategory;               // the category chosen in 3000
  QkEntity m_pPreviewEntity;  // shows the chosen symbol and its labels; the preview's document's
  CGridButtonBar m_wndButtonBar;  // takes over 3003 above the grid; its text is the caption
  // The five display settings when the window opened.
  BOOL m_bOldShowMotorName, m_bOldShowMotorModel, m_bOldShowCableName, m_bOldShowCableLabel,
      m_bOldOneLine;
  CGridListCtrl m_grid;      // 3004: one row per label slot of the shown symbol kind
  CPreviewWnd m_wndPreview;  // 3001
  CComboBox m_cbSymbol;      // 3002
  CComboBox m_cbCategory;    // 3000
  // The check boxes (all 0 at construction but m_bShowNameOnDraw and m_bShowShortCurrent).
  BOOL m_bShowMotorName, m_bShowMotorModel, m_bConfigMotor, m_bShowCableName, m_bShowCableLabel,
      m_bOneLine, m_bConfigCable, m_bShowShortName, m_bConfigShort, m_bShowNameOnDraw,
      m_bShowShortCurrent;
  CString m_strPrevSymbol, m_strCurSymbol;  // the symbol shown before and after the last change
  BOOL m_bDirty;                            // the grid holds changes that are not stored yet

  // Stores the grid as the record of `strSymbol` when a symbol is selected and the grid has rows
  // and changes.  FALSE when the store failed (the user was told).  m_bDirty stays as it is.
  BOOL SaveGridConfig(const CString& strSymbol);
  // Fills grid and preview labels from the kind's record or its built-in default; leaves both as
  // they are when the file cannot be used (the user was told).
  void LoadGridConfig(const CString& strSymbol, QkEntity entity);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnCancel() override;       // leaving: exit step, end the command, destroy the window
  void PostNcDestroy() override;  // the window is gone: the object goes too

  // Button handlers.
  void OnPickEntities();  // 3023 "选择实体"

  // What leaving does before the command is told: reads the controls into the members and
  // stores the grid of the selected symbol.
  void ExitStep();

  // ---- Contents: opening, lists, check boxes ----
  void ExchangeContents(CDataExchange* pDX);
  void InitGridColumns();
  // Opening steps from the grid to the display settings; FALSE when the kernel gives no
  // preview entity (the opening stops there).
  BOOL InitContents();
  void ReadDisplaySettings();
  // The three groups start disabled; nothing is changed yet.
  void StartContents();
  void LoadCatalog();
  void FillSymbolList();
  void PrepareSymbolEntity(int nSymbol);
  void OnCategoryChanged();
  void OnSymbolChanged();
  void EnableControl(int nID, BOOL bEnable);
  void OnConfigMotor();       // 3012
  void OnConfigCable();       // 3015
  void OnConfigShort();       // 3016
  void OnOneLine();           // 3011
  void OnShowShortCurrent();  // 3017
  void OnShowNameOnDraw();    // 3021
  BOOL OnContentsCommand(WPARAM wParam, LPARAM lParam);
  // Right button and wheel over the preview go to the preview.  TRUE when forwarded.
  BOOL ForwardToPreview(MSG* pMsg);
  // The map's Scale (1.0 without a map).
  double GetMapScale() const;

  // ---- Contents: the grid ----
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  LRESULT OnGridClick(const NMITEMACTIVATE* pInfo);
  void OnGridDispInfo(const NMLVDISPINFOA* pInfo);
  void ShiftPreviewLabel(int nLabel);
  void NumberRows();  // column 0 shows each row's number
  vjd::annotation::LabelConfigFile ConfigFile() const;
  void ReadGrid(const CString& strSymbol, vjd::annotation::SymbolLabelConfig& record) const;
  void ShowSlotRow(int i, const vjd::annotation::SymbolLabelConfig& record, PreviewLabels& labels);
  // Shows "文件没找到！" when the configuration file could not be used; TRUE when it could.
  BOOL CheckConfigFile(const vjd::annotation::FileStatus& status);

  // ---- Labels in the drawing (DlgParaSet_apply_win.cpp) ----
 public:
  // "应用": stores the display settings and rewrites motor, cable and short-circuit labels of
  // every device symbol of the drawing; the five compared settings' snapshot follows the store.
  void ApplyOptions();
  // Pushes the selected kind's configuration onto the entities of that kind among the `nCount`
  // given (pHandles[i] and pIds[i] naming one entity); FALSE when the list is empty, no kind is
  // selected, the grid could not be stored or has no rows.
  BOOL UpdateKindLabels(int nCount, const int* pHandles, const int* pIds);

 protected:
  BOOL OnApplyCommand(WPARAM wParam, LPARAM lParam);
  void OnUpdateAll();                   // 3019 "更新标注配置到当前图形"
  void OnUpdateSelected();              // 3024 "更新标注配置到选择实体"
  void ReportKindUpdate(BOOL bResult);  // "更新标注成功！" or "更新标注失败！"
};
