// CDlgParaSet: the annotation configuration window (template 3000, "标注配置"), modeless.
//
// Lifetime: the command constructs the object (no parent), hands it the map, its command sink and
// the entity lists, creates the window from template 3000 and shows it.  From then on the object
// belongs to its window: leaving ("退出", Esc or the close box, all the cancel action) stores the
// grid, tells the command that it ends, destroys the window, and the window's last message
// deletes the object.  While one of its message boxes or choices is open the window is disabled
// (it owns them); a leave asked for meanwhile ends that one first and happens once it has returned
// (CParaSetWindowSink).  "选择实体" asks the command for a pick; the command hides the window, runs
// the pick and shows the window again with the new selection (ShowPickResult).
//
// The window is humble: its model (ParaSetModel) decides, each handler reads the controls, calls
// the model and writes back.  The model reaches the window through CParaSetWindowSink and the
// grid through CGridListView.  The map, the command and every host object belong to others; the
// lists are this object's own copies.
#pragma once

#include <windows.h>

#include <memory>

#include "CArray.h"
#include "ComboBox.h"
#include "CommandSink.h"
#include "DataExchange.h"
#include "Dialog.h"
#include "DlgParaSetIds.h"
#include "GridButtonBar.h"
#include "GridListView_win.h"
#include "Gridlistctrl.h"
#include "HostContract.h"
#include "KernelPreviewEntity.h"
#include "ParaSetModel.h"
#include "ParaSetWindowSink_win.h"
#include "PreviewWnd.h"

class CDlgParaSet : public CDialog {
 public:
  enum { IDD = IDD_PARASET };

  explicit CDlgParaSet(CWnd* pParent = nullptr);
  ~CDlgParaSet() override;

  // ---- What the command (or a test) hands over, before the window exists and after a pick ----
  void SetMap(const VjdHostMap* pMap) { m_pMap = pMap; }  // the host's, not owned
  void SetCommandSink(vjd::command::ICommandSink* pCommand) { m_sink.SetCommand(pCommand); }
  // Where the catalogue and the configuration file are found (ends with a backslash).
  void SetHostDirectory(const CString& strDir) { m_strHostDir = strDir; }
  // Each replaces its two lists with `count` handles and ids; element i of each names one entity.
  void SetAllSymbols(const int* pHandles, const int* pIds, int nCount);
  void SetSelectedSymbols(const int* pHandles, const int* pIds, int nCount);
  // A pick ended with `nCount` device symbols: the count is shown in 3025 and they become the
  // selected lists, also when there are none (a push to the picked symbols then acts on what the
  // count shows, not on an earlier pick).
  void ShowPickResult(int nCount, const int* pHandles, const int* pIds);

  const CArray<int, int>& SelHandles() const { return m_arrSelHandles; }
  const CArray<int, int>& SelIds() const { return m_arrSelIds; }
  int SelCount() const { return m_nSelCount; }
  // The model, once the window was initialised; nullptr before.
  const vjd::annotation::ParaSetModel* Model() const { return m_pModel.get(); }

  // ---- The window's parts ----
  CGridButtonBar m_wndButtonBar;  // takes over 3003 above the grid; its text is the caption
  CGridListCtrl m_grid;           // 3004: one row per label slot of the shown symbol kind
  CPreviewWnd m_wndPreview;       // 3001
  CComboBox m_cbSymbol;           // 3002
  CComboBox m_cbCategory;         // 3000
  QkEntity m_pPreviewEntity;      // the chosen symbol with its labels; the preview's document's

  // "应用": stores the display settings and rewrites the device labels of the drawing.
  void ApplyOptions();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  void OnCancel() override;       // leaving: store, end the command, destroy the window (or
                                  // later, when a modal window of it is open)
  void PostNcDestroy() override;  // the window is gone: the object goes too

  // The symbol list's selected entry, or none.
  vjd::annotation::SelectedKind SymbolListSelection() const;

  // ---- Contents (DlgParaSet_contents_win.cpp): opening, lists, check boxes ----
  void InitGridColumns();
  void ReadDisplaySettings();
  void LoadCatalog();
  // Fills the symbol list with the chosen category's symbols, nothing selected.
  void ListSymbols();
  // ListSymbols, then the first symbol (or none, for an empty list) is chosen.
  void FillSymbolList();
  // The model kept the kind shown, whose rows it could not store: the lists show it again.
  void PutChoiceBack();
  // As the list of `box` drops: as wide as its widest name, so that a long name shows whole.
  void FitDroppedWidth(CComboBox& box);
  void OnCategoryChanged();
  void OnSymbolChanged();
  void ExchangeOptionBoxes(CDataExchange* pDX);  // the eleven check boxes <-> m_options
  void OnCheckBox(int nID);                      // 3011, 3012, 3015, 3016, 3017, 3021
  // Writes the boxes back when the rule changed one, then enables or disables the boxes it names.
  void ShowBoxReaction(const vjd::annotation::BoxReaction& reaction);
  // Right button and wheel over the preview go to the preview.  TRUE when forwarded.
  BOOL ForwardToPreview(MSG* pMsg);

  // ---- The grid's notifications (DlgParaSet_grid_win.cpp) ----
  LRESULT OnGridClick(const NMITEMACTIVATE* pInfo);
  void OnGridDispInfo(const NMLVDISPINFOA* pInfo);  // one handler per kind of change below
  void OnGridCellChanged(const NMLVDISPINFOA* pInfo);
  void OnGridRowInserted(const NMLVDISPINFOA* pInfo);
  void OnGridRowDeleted(const NMLVDISPINFOA* pInfo);
  void OnGridRowMoved(const NMLVDISPINFOA* pInfo);

 private:
  const VjdHostMap* m_pMap;
  CString m_strHostDir;
  // Every device symbol of the drawing, and the selected or picked ones: kernel handles and
  // entity ids, element i of a handle list and of its id list naming the same entity.
  CArray<int, int> m_arrAllHandles, m_arrAllIds, m_arrSelHandles, m_arrSelIds;
  int m_nSelCount;  // number of selected entities, shown in control 3025

  CArray<int, int> m_arrComboSymbols;  // symbol index of each item of the symbol list 3002
  CString m_strCategory;               // the category chosen in 3000
  // Where the lists stood for the kind the grid shows (no symbol: -1), to go back to.
  int m_nShownCategory = 0, m_nShownSymbol = -1;
  // The eleven check boxes, as the model takes them ("显示名称" and "显示短路电流" start ticked).
  vjd::annotation::DisplayOptions m_options;

  // What the model works through, made when the window initialises.
  std::unique_ptr<vjd::annotation::ILabelHost> m_pHost;
  KernelPreviewEntity m_previewEntity;
  KernelSymbolLibrary m_symbols;
  CGridListView m_gridView;
  CParaSetWindowSink m_sink;
  std::unique_ptr<vjd::annotation::ParaSetModel> m_pModel;
};
