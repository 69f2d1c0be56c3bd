// The command's configuration windows (CommandHost.h) as CDlgParaSet windows: each made from
// template 3000 with no parent, handed the map, the sink of its requests and the two lists,
// and shown.  A window object belongs to its window (it deletes itself with its last message);
// CConfigWindow keeps its pointer and its window's handle, and reaches the object only while the
// framework still maps that window to it.  The map and the sinks are borrowed.
#pragma once

#include <windows.h>

#include "CommandHost.h"
#include "CommandSink.h"
#include "HostContract.h"

class CDlgParaSet;

class CConfigWindow : public vjd::command::IConfigWindow {
 public:
  CConfigWindow(CDlgParaSet* pDlg, HWND hDlg) : m_pDlg(pDlg), m_hDlg(hDlg) {}

  // The window object while its window exists, else nullptr.
  CDlgParaSet* Window() const;

  bool IsAlive() const override { return Window() != nullptr; }
  void Show(bool visible) override;
  void ShowPickResult(int count, const vjd::command::SymbolLists& picked) override;
  void BringToFront() override;
  void Destroy() override;

 private:
  CDlgParaSet* m_pDlg;
  HWND m_hDlg;
};

class CConfigWindows : public vjd::command::IConfigWindows {
 public:
  // `map`: where the library keeps the attached map, read at each Open.
  explicit CConfigWindows(const VjdHostMap* const& map) : m_map(map) {}

  std::unique_ptr<vjd::command::IResourceScope> OwnResources() override;
  std::unique_ptr<vjd::command::IConfigWindow> Open(const vjd::command::SymbolLists& selected,
                                                    const vjd::command::SymbolLists& all,
                                                    vjd::command::ICommandSink& requests) override;

 private:
  const VjdHostMap* const& m_map;
};
