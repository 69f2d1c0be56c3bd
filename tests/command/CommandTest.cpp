// The command message by message, with the call log of the stand-in host: what each MouseStatus
// message does to the map, the selection, the integer array, the highlight and the window object
// the command fills.  The command's sources are part of this program, so the window object is
// reachable through its window.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "CommandHarness.h"
#include "DlgParaSet.h"
#include "POIntArrayFactory.h"
#include "VellJDParaSetting.h"
#include "quarnkernel.h"

namespace {

PluginCalls BuiltInCalls() {
  PluginCalls calls;
  calls.AttachPoMap = &AttachPoMap;
  calls.SetPoStatus = &SetPoStatus;
  calls.SetPoAction = &SetPoAction;
  calls.LaunchCommand = &LaunchCommand;
  calls.MouseStatus = &MouseStatus;
  return calls;
}

std::vector<int> Items(const CArray<int, int>& list) {
  return std::vector<int>(list.GetData(), list.GetData() + list.GetSize());
}

std::string CountText(const CDlgParaSet* pDlg) {
  char text[16] = {};
  ::GetDlgItemTextA(pDlg->m_hWnd, IDC_EDIT_SEL_COUNT, text, sizeof text);
  return text;
}

class CommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = new StandInHost(BuiltInCalls());
    hMotor = host->AddEntity(101, QK_KIND_DEVICE_SYMBOL);
    hSwitch = host->AddEntity(102, QK_KIND_DEVICE_SYMBOL_ALT);
    hLine = host->AddEntity(103, 5);  // a line: no device symbol
    host->Drawing().nCurrentCommand = StandInHost::kCommandId;
  }
  void TearDown() override { delete host; }

  // The newest configuration window's object, if one is open.
  CDlgParaSet* Window() const {
    HWND hWnd = StandInHost::FindConfigWindow();
    return hWnd ? static_cast<CDlgParaSet*>(CWnd::FromHandlePermanent(hWnd)) : nullptr;
  }
  // Starts the command with the given pre-selection and forgets the log of the start.
  CDlgParaSet* Start(const std::vector<int>& selection) {
    host->Select(selection);
    MouseStatus(18, 0, 0);
    host->ClearLog();
    return Window();
  }

  StandInHost* host = nullptr;
  int hMotor = 0, hSwitch = 0, hLine = 0;
};

// Whatever ran before: nothing reaches the host but the current-command test, and no integer
// array comes into being.
TEST_F(CommandTest, WhileAnotherCommandIsCurrentNoMessageDoesAnything) {
  host->Drawing().nCurrentCommand = StandInHost::kOtherCommandId;
  host->Select({101, 102});
  const int before = host->LiveIntArrays();
  const int created = om::TheIntArrayFactory().Created();
  const int messages[][3] = {{18, 0, 0}, {0, 0, 0},  {3, 0, 0},  {7, 27, 0},
                             {11, 0, 0}, {19, 0, 0}, {19, 0, 2}, {21, 0, 0}};
  for (const auto& m : messages) MouseStatus(m[0], m[1], m[2]);
  EXPECT_EQ(std::vector<std::string>{}, host->LogBeyondCommandTest());
  EXPECT_EQ(8, host->Count("Map.GetCurrentCommand()"));
  EXPECT_EQ(created, om::TheIntArrayFactory().Created());
  EXPECT_EQ(before, host->LiveIntArrays());
  EXPECT_EQ(nullptr, Window());
  EXPECT_EQ((std::vector<int>{101, 102}), host->Drawing().selection);
  EXPECT_EQ(StandInHost::kOtherCommandId, host->Drawing().nCurrentCommand);
}

TEST_F(CommandTest, StartMovesTheSelectionIntoTheArrayAndOpensTheWindowWithTheDeviceSymbols) {
  host->Select({101, 103, 102});
  MouseStatus(18, 0, 0);
  EXPECT_TRUE(
      host->InOrder({"IntArray.SetSize(3,-1)", "IntArray.SetAt(0,101)", "IntArray.SetAt(1,103)",
                     "IntArray.SetAt(2,102)", "Selection.Clear()", "IntArray.GetSize()"}));
  EXPECT_EQ(5, host->Count("Selection.Count()")) << "the count is asked again before each step";
  EXPECT_TRUE(host->Drawing().selection.empty());
  CDlgParaSet* pDlg = Window();
  ASSERT_NE(nullptr, pDlg);
  EXPECT_TRUE(::IsWindowVisible(pDlg->m_hWnd));
  EXPECT_EQ(nullptr, ::GetParent(pDlg->m_hWnd));
  EXPECT_EQ((std::vector<int>{101, 102}), Items(pDlg->SelIds()));
  EXPECT_EQ((std::vector<int>{hMotor, hSwitch}), Items(pDlg->SelHandles()));
  EXPECT_EQ((std::vector<int>{101, 102}), Items(pDlg->AllIds()));
  EXPECT_EQ((std::vector<int>{hMotor, hSwitch}), Items(pDlg->AllHandles()));
  EXPECT_EQ(2, pDlg->SelCount());
  EXPECT_EQ("2", CountText(pDlg));
}

TEST_F(CommandTest, StartWithAnEmptySelectionStillHandsOverTheDrawingsDeviceSymbols) {
  CDlgParaSet* pDlg = Start({});
  ASSERT_NE(nullptr, pDlg);
  EXPECT_TRUE(pDlg->SelIds().IsEmpty());
  EXPECT_TRUE(pDlg->SelHandles().IsEmpty());
  EXPECT_EQ((std::vector<int>{101, 102}), Items(pDlg->AllIds()));
  EXPECT_EQ("0", CountText(pDlg));
}

TEST_F(CommandTest, AnEmptySelectionLeavesTheArrayAsItWas) {
  CDlgParaSet* pFirst = Start({101});
  // Started again without a selection while the array still holds 101: the window gets it.
  host->Select({});
  MouseStatus(18, 0, 0);
  EXPECT_EQ(0, host->Count("Selection.Clear()"));
  EXPECT_EQ(0, host->Count("IntArray.SetSize(0,-1)"));
  ASSERT_NE(nullptr, Window());
  EXPECT_NE(pFirst, Window());
  EXPECT_EQ((std::vector<int>{101}), Items(Window()->SelIds()));
  // After an end the array is a new one, which holds nothing.
  MouseStatus(11, 0, 0);
  host->Drawing().nCurrentCommand = StandInHost::kCommandId;
  MouseStatus(18, 0, 0);
  ASSERT_NE(nullptr, Window());
  EXPECT_TRUE(Window()->SelIds().IsEmpty()) << "a fresh array holds nothing";
}

TEST_F(CommandTest, ASelectionWithoutDeviceSymbolsIsEmptiedAndHandsOverNothing) {
  CDlgParaSet* pDlg = Start({103});
  ASSERT_NE(nullptr, pDlg);
  EXPECT_TRUE(host->Drawing().selection.empty());
  EXPECT_TRUE(pDlg->SelIds().IsEmpty());
  EXPECT_EQ("0", CountText(pDlg));
}

TEST_F(CommandTest, EachStartMakesANewWindowAndTheMessagesUseTheNewest) {
  CDlgParaSet* pFirst = Start({101});
  host->Drawing().nCurrentCommand = StandInHost::kCommandId;
  CDlgParaSet* pSecond = Start({102});
  ASSERT_NE(nullptr, pSecond);
  EXPECT_NE(pFirst->m_hWnd, pSecond->m_hWnd);
  EXPECT_EQ((std::vector<int>{102}), Items(pSecond->SelIds()));
  ::DestroyWindow(pFirst->m_hWnd);
}

TEST_F(CommandTest, ANewPickHidesTheWindowEmptiesTheArrayAndArmsThePick) {
  CDlgParaSet* pDlg = Start({101, 102});
  ASSERT_NE(nullptr, pDlg);
  ::SendMessageA(::GetDlgItem(pDlg->m_hWnd, IDC_BTN_PICK), BM_CLICK, 0, 0);
  EXPECT_TRUE(host->InOrder({"Selection.Clear()", "Highlighter.SetHighlight([101,102],2,0,0)",
                             "Highlighter.RedrawEntities([101,102],2)", "Map.UpdateView()",
                             "Map.Refresh()", "IntArray.RemoveAll()", "Map.SetPrompt(\"\")",
                             "Map.BeginPick(IntArray,0,4,63,null)"}));
  EXPECT_FALSE(::IsWindowVisible(pDlg->m_hWnd));
  EXPECT_EQ(1, host->SetCursorCount());
  EXPECT_NE(nullptr, host->Drawing().pPickArray);
}

TEST_F(CommandTest, PickStepsHighlightEverythingPickedSoFarAndReArm) {
  CDlgParaSet* pDlg = Start({});
  MouseStatus(19, 0, 2);
  host->ClearLog();
  ASSERT_TRUE(host->Pick(102));
  MouseStatus(0, 0, 0);
  ASSERT_TRUE(host->Pick(103));
  MouseStatus(0, 0, 0);
  EXPECT_TRUE(
      host->InOrder({"Highlighter.SetHighlight([102],1,1,1)", "Highlighter.RedrawEntities([102],1)",
                     "Map.BeginPick(IntArray,0,4,63,null)", "Map.UpdateView()",
                     "Highlighter.SetHighlight([102,103],2,1,1)",
                     "Map.BeginPick(IntArray,0,4,63,null)", "Map.UpdateView()"}));
  EXPECT_EQ((std::set<int>{102, 103}), host->Drawing().highlighted);
  EXPECT_FALSE(::IsWindowVisible(pDlg->m_hWnd));
}

TEST_F(CommandTest, WithoutTheArraysAddressTheHighlightNamesNoEntity) {
  MouseStatus(11, 0, 0);  // an array still held goes: the start below creates the next one
  host->Drawing().nCurrentCommand = StandInHost::kCommandId;
  om::TheIntArrayFactory().SetDataFailing(true);
  Start({});
  om::TheIntArrayFactory().SetDataFailing(false);
  MouseStatus(19, 0, 2);
  ASSERT_TRUE(host->Pick(102));
  host->ClearLog();
  MouseStatus(0, 0, 0);  // highlight what was picked: the host gave no address of the ids
  EXPECT_TRUE(
      host->InOrder({"Highlighter.SetHighlight([],0,1,1)", "Highlighter.RedrawEntities([],0)",
                     "Map.BeginPick(IntArray,0,4,63,null)"}));
  MouseStatus(11, 0, 0);
  EXPECT_TRUE(host->InOrder({"Highlighter.SetHighlight([],0,0,0)",
                             "Highlighter.RedrawEntities([],0)", "Map.SetCurrentCommand(0,0)"}));
  EXPECT_TRUE(host->Drawing().highlighted.empty());
}

TEST_F(CommandTest, ThePickEndShowsTheWindowWithThePickedDeviceSymbols) {
  CDlgParaSet* pDlg = Start({101});
  MouseStatus(19, 0, 2);
  host->Pick(102);
  host->Pick(103);
  host->ClearLog();
  MouseStatus(3, 0, 0);
  EXPECT_TRUE(::IsWindowVisible(pDlg->m_hWnd));
  EXPECT_EQ((std::vector<int>{102}), Items(pDlg->SelIds()));
  EXPECT_EQ((std::vector<int>{hSwitch}), Items(pDlg->SelHandles()));
  EXPECT_EQ(1, pDlg->SelCount());
  EXPECT_EQ("1", CountText(pDlg));
  EXPECT_TRUE(host->Drawing().bPickEnded);
  EXPECT_EQ("Map.PickEnded(1)", host->Log().back());
}

TEST_F(CommandTest, APickWithoutDeviceSymbolsShowsZeroAndKeepsTheLists) {
  CDlgParaSet* pDlg = Start({101, 102});
  MouseStatus(19, 0, 2);
  host->Pick(103);
  MouseStatus(3, 0, 0);
  EXPECT_EQ("0", CountText(pDlg));
  EXPECT_EQ(0, pDlg->SelCount());
  EXPECT_EQ((std::vector<int>{101, 102}), Items(pDlg->SelIds()));
  EXPECT_EQ((std::vector<int>{hMotor, hSwitch}), Items(pDlg->SelHandles()));
}

TEST_F(CommandTest, PickMessagesOutsideState0DoNothing) {
  CDlgParaSet* pDlg = Start({101});
  MouseStatus(19, 0, 2);
  host->Pick(102);
  host->Drawing().nCommandState = 1;
  host->ClearLog();
  MouseStatus(0, 0, 0);
  MouseStatus(3, 0, 0);
  EXPECT_EQ(std::vector<std::string>{}, host->LogBeyondCommandTest());
  EXPECT_FALSE(::IsWindowVisible(pDlg->m_hWnd));
  EXPECT_EQ((std::vector<int>{101}), Items(pDlg->SelIds()));
}

TEST_F(CommandTest, EscapeEndsTheCommandOtherKeysDoNot) {
  CDlgParaSet* pDlg = Start({101});
  for (int key : {13, 65, 26, 28, 0}) MouseStatus(7, key, 0);
  EXPECT_EQ(std::vector<std::string>{}, host->LogBeyondCommandTest());
  MouseStatus(7, 27, 0);
  EXPECT_TRUE(host->InOrder({"Highlighter.SetHighlight([101],1,0,0)", "IntArray.RemoveAll()",
                             "Selection.Clear()", "Map.SetCurrentCommand(0,0)",
                             "Map.SetPrompt(\"退出标注配置命令\")", "Map.UpdateView()"}));
  EXPECT_EQ(0, host->Drawing().nCurrentCommand);
  EXPECT_TRUE(::IsWindowVisible(pDlg->m_hWnd)) << "the end leaves the window as it is";
  host->ClearLog();
  ::SendMessageA(::GetDlgItem(pDlg->m_hWnd, IDC_BTN_PICK), BM_CLICK, 0, 0);
  EXPECT_EQ(std::vector<std::string>{}, host->LogBeyondCommandTest())
      << "the window's pick button does nothing once the command is no longer current";
}

TEST_F(CommandTest, Message19WithAnyOtherValueAndUnknownCodesDoNothing) {
  CDlgParaSet* pDlg = Start({101});
  for (int p2 : {1, 3, -1, 19}) MouseStatus(19, 0, p2);
  for (int code : {1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 15, 16, 17, 20, 21, 22, 100, -1})
    MouseStatus(code, 0, 0);
  EXPECT_EQ(std::vector<std::string>{}, host->LogBeyondCommandTest());
  EXPECT_TRUE(::IsWindowVisible(pDlg->m_hWnd));
  EXPECT_EQ(StandInHost::kCommandId, host->Drawing().nCurrentCommand);
}

TEST_F(CommandTest, TheEndReleasesTheArrayAndTheNextStartMakesANewOne) {
  const int before = host->LiveIntArrays();
  Start({101});
  EXPECT_EQ(before + 1, host->LiveIntArrays());
  MouseStatus(11, 0, 0);
  EXPECT_EQ(before, host->LiveIntArrays()) << "the array object was released";
  const int created = om::TheIntArrayFactory().Created();
  host->Drawing().nCurrentCommand = StandInHost::kCommandId;
  Start({});
  EXPECT_EQ(created + 1, om::TheIntArrayFactory().Created());
}

TEST_F(CommandTest, AnEndWithoutAnArraySkipsTheHighlightButStillEndsEverything) {
  Start({101});
  MouseStatus(11, 0, 0);
  host->Drawing().nCurrentCommand = StandInHost::kCommandId;
  host->Select({102});
  host->ClearLog();
  const int cursors = host->SetCursorCount();
  MouseStatus(11, 0, 0);
  std::vector<std::string> expected = {"Map.Selection()", "Selection.Clear()",
                                       "Map.SetCurrentCommand(0,0)",
                                       "Map.SetPrompt(\"退出标注配置命令\")", "Map.UpdateView()"};
  EXPECT_EQ(expected, host->LogBeyondCommandTest());
  EXPECT_EQ(cursors + 1, host->SetCursorCount());
  EXPECT_TRUE(host->Drawing().selection.empty());
}

TEST_F(CommandTest, WithoutAnArrayObjectNoArrayOperationRunsAndTheSelectionStays) {
  om::TheIntArrayFactory().SetFailing(true);
  host->Select({101, 102});
  MouseStatus(18, 0, 0);
  for (const std::string& line : host->Log()) EXPECT_NE(0u, line.rfind("IntArray.", 0)) << line;
  EXPECT_EQ((std::vector<int>{101, 102}), host->Drawing().selection)
      << "nothing to move the selection into: it stays the user's";
  CDlgParaSet* pDlg = Window();
  ASSERT_NE(nullptr, pDlg);
  EXPECT_EQ("0", CountText(pDlg));
  EXPECT_EQ((std::vector<int>{101, 102}), Items(pDlg->AllIds()));
  host->ClearLog();
  MouseStatus(19, 0, 2);
  MouseStatus(0, 0, 0);
  MouseStatus(3, 0, 0);
  for (const std::string& line : host->Log()) {
    EXPECT_NE(0u, line.rfind("IntArray.", 0)) << line;
    EXPECT_NE(0u, line.rfind("Map.BeginPick(", 0)) << "no pick into a missing array";
  }
  EXPECT_TRUE(::IsWindowVisible(pDlg->m_hWnd)) << "no pick can end, so the window stays";
  MouseStatus(11, 0, 0);
  EXPECT_EQ(0, host->Drawing().nCurrentCommand);
}

TEST_F(CommandTest, LeavingTheWindowEndsTheCommandOnceAndDestroysIt) {
  CDlgParaSet* pDlg = Start({101, 102});
  HWND hDlg = pDlg->m_hWnd;
  ::SendMessageA(::GetDlgItem(hDlg, IDCANCEL), BM_CLICK, 0, 0);
  EXPECT_EQ(1, host->Count("Map.SetCurrentCommand(0,0)"));
  EXPECT_EQ(1, host->Count("Map.SetPrompt(\"退出标注配置命令\")"));
  EXPECT_FALSE(::IsWindow(hDlg));
  EXPECT_EQ(nullptr, Window()) << "the command does not use a window that is gone";
  host->ClearLog();
  MouseStatus(11, 0, 0);
  EXPECT_EQ(std::vector<std::string>{}, host->LogBeyondCommandTest()) << "the command is over";
}

}  // namespace
