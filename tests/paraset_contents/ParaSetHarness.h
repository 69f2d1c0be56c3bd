// A configuration window opened as the command opens it, over a host directory of its own (a
// catalogue, a configuration folder), the kernel stand-in with a small symbol library, and the
// object model's map.  The harness answers every modal window: message boxes are recorded, the
// position window answers what the test set.  It drives the window with the messages its
// controls send.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "DlgParaSet.h"
#include "HostContract.h"
#include "LabelConfigFile.h"
#include "ParaSetRecords.h"
#include "PoMap.h"
#include "quarnkernel.h"

using paraset_test::ThreeSlotMotor;

class ParaSetTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens the window; the object deletes itself when its window goes.
  void Open();
  // The window object Open makes.
  virtual CDlgParaSet* NewWindow() { return new CDlgParaSet; }

  // What the controls send.
  void Tick(int id, BOOL ticked);
  // An in-place edit that ended with `text`: the grid stores it and reports the change.
  void EditCell(int row, int column, const char* text);
  void Leave();

  // What the window shows.
  std::vector<std::string> Items(int comboId) const;
  std::string Caption() const;
  std::vector<std::string> Row(int row) const;
  int Rows() const;
  BOOL Enabled(int id) const;
  BOOL Checked(int id) const;

  // The preview entity's labels.
  std::string LabelText(int label) const;
  int LabelInt(int code, int label) const { return LabelValue(code, label, -12345); }
  double LabelDouble(int code, int label) const { return LabelValue(code, label, -12345.0); }
  template <typename T>
  T LabelValue(int code, int label, T value) const {  // `value` when the kernel answers nothing
    ::EntityParam(m_pDlg->m_pPreviewEntity, code, &value, label);
    return value;
  }
  bool Anchor(int label, double xyz[3]) const;
  double SymbolSize() const;

  // The configuration file.
  std::string ConfigPath() const;
  long long ConfigBytes() const;  // -1 when there is no file
  bool Find(const char* name, vjd::annotation::SymbolLabelConfig& record) const;
  void Store(const vjd::annotation::SymbolLabelConfig& record) const;

  std::string m_dir;  // the host directory, ending with a backslash
  om::PoMap* m_pMapObject = nullptr;
  VjdHostMap m_map{};
  CDlgParaSet* m_pDlg = nullptr;
  HWND m_hDlg = nullptr;

  std::vector<std::string> m_messages;  // texts of the message boxes shown
  int m_positionAnswer = -1;            // the position window's choice; -2: cancel
  int m_positionPreset = -100;          // what the position window was opened with
  int m_positionRuns = 0;               // how often the position window was opened
};
