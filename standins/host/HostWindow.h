// The stand-in host's main window and the controller of a session: it owns the map object and
// the drawing, the map view, the prompt line and the command line, loads the plug-in and offers
// its command in the menu (under the plug-in's group text) and on the command line, and plays
// the host's part of the plug-in's contract: the current command, BeginPick with the clicked ids
// appended, MouseStatus events (0 per pick step, 3 at the pick's end, 7 for keys), highlighting,
// UpdateEntities / UpdateView / Refresh, the changed flag in the title and one level of undo of
// the last operation: the labels it recorded, or the symbols an erase took out.  Every host-side
// event goes to the log, and so does each lookup of an erased entity in the kernel (by whoever
// made it: the host itself never looks one up).
//
// The command line accepts the plug-in's command under the forms of its translate name and the
// host's own commands "save" (保存), "undo" (u), "erase" (删除: the selected entities), "zoom" (z)
// and "quit".
//
// Ownership: the window owns the session; the plug-in borrows the map (VjdHostMap) for as long as
// the window lives; the map object is released after the window is gone.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "CommandKeywords.h"
#include "HostContract.h"
#include "HostDrawing.h"
#include "HostLog.h"
#include "HostOptions.h"
#include "LabelJournal.h"
#include "MapView.h"
#include "PluginLoader.h"

namespace om {
class PoMap;
}

namespace host {

class HostWindow : public MapViewEvents {
 public:
  // The ids the host hands the plug-in.
  static constexpr int kCommandId = 1001;
  static constexpr int kUserCommandId = 2001;
  static constexpr int kAction = 1;

  HostWindow(const HostOptions& options, HostLog& log);
  ~HostWindow() override;

  // Creates the window, loads the symbol library, the drawing named on the command line and the
  // plug-in.  A failure is shown to the user (and logged) and the window stays usable.
  bool Create(int show);
  HWND Hwnd() const { return m_hWnd; }
  // The message loop's keyboard shortcuts (Ctrl+O, Ctrl+S, Ctrl+Z) for this window.
  bool TranslateShortcut(MSG& msg);

  // What the menu, the command line and the options do.
  bool OpenDrawing(const std::wstring& path);
  bool SaveDrawing(const std::wstring& path);
  int Launch();
  void Undo();
  void Erase();
  void RunCommandLine(const std::string& typed);

  // MapViewEvents
  void OnMapClick(int id, bool control) override;
  void OnMapRightButton() override;
  void OnMapKey(int virtualKey) override;
  bool IsPicking() const override;

 private:
  static LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CommandLineProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id);
  void Layout();
  void BuildMenu();
  void UpdateTitle();
  void ShowError(const std::string& gbk);
  void OnMapCall(const std::string& line);
  void SendMouseStatus(int code, int p1, int p2);
  void LogErasedLookups();
  void EndPick();
  void LogEntityPositions();
  void LogPluginWindows();
  void AfterLaunch();
  bool CommandIsCurrent() const;

  const HostOptions& m_options;
  HostLog& m_log;
  om::PoMap* m_pMap = nullptr;
  VjdHostMap m_hostMap{nullptr, nullptr};
  HostDrawing m_drawing;
  LabelJournal m_journal;
  HostDrawing::Erased m_erased;  // the last erase, while it is the operation undo takes back
  int m_erasedLookups = 0;       // as last logged
  PluginLoader m_plugin;
  std::unique_ptr<CommandKeywords> m_keywords;
  std::unique_ptr<MapView> m_view;
  HWND m_hWnd = nullptr, m_hPrompt = nullptr, m_hCommandLabel = nullptr, m_hCommandLine = nullptr;
  WNDPROC m_editProc = nullptr;
  HFONT m_font = nullptr;
  std::wstring m_path;
  std::vector<int> m_lastHighlight;
  bool m_screenshotDone = false;
};

// Host directory: the running program's path cut after its last backslash.
std::wstring ProgramDirectory();
std::wstring WideFromGbk(const std::string& gbk);
std::string GbkFromWide(const std::wstring& wide);

}  // namespace host
