// The host access layer against the stand-in object model: what each typed driver sends (as the
// host's call log records it), what it reads back, that every object handed out is released, and
// the documented default of every driver when the host fails or is missing.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "CallLog.h"
#include "DeviceDataDriver.h"
#include "POIntArray.h"
#include "POIntArrayDriver.h"
#include "POIntArrayFactory.h"
#include "PoMap.h"
#include "PoMapDriver.h"

namespace {

using om::TheCallLog;
using vjd::host::CPoMapDriver;
using Lines = std::vector<std::string>;

class HostDrivers : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    m_map = om::PoMap::Create();
    m_host = {nullptr, m_map};
    TheCallLog().Clear();
  }
  void TearDown() override {
    m_map->Release();
    om::RevokeIntArrayClass();
    CoUninitialize();
  }
  om::Drawing& Drawing() { return m_map->GetDrawing(); }

  om::PoMap* m_map = nullptr;
  VjdHostMap m_host{};
};

TEST_F(HostDrivers, MapMembersCarryTheirArgumentsAndResults) {
  CPoMapDriver map(&m_host);
  Drawing().nCurrentCommand = 12;
  Drawing().nCommandState = 3;
  Drawing().dScale = 2.5;
  Drawing().AddEntity(40, 4000);
  int id = -1, state = -1;
  ASSERT_TRUE(map.GetCurrentCommand(id, state));
  EXPECT_EQ(12, id);
  EXPECT_EQ(3, state);
  EXPECT_TRUE(map.SetCurrentCommand(0, 0));
  EXPECT_TRUE(map.SetPrompt("退出标注配置命令"));
  EXPECT_TRUE(map.SetAction(-7));
  EXPECT_TRUE(map.SetChangedFlag(true));
  EXPECT_TRUE(map.SetPickEnded(true));
  EXPECT_DOUBLE_EQ(2.5, map.Scale());
  EXPECT_EQ(4000, map.EntityHandle(40));
  EXPECT_EQ(0, map.EntityHandle(41));
  const int ids[] = {40, 41, 42};
  EXPECT_TRUE(map.UpdateEntities(ids, 3));
  EXPECT_TRUE(map.UpdateEntities(nullptr, 0));
  EXPECT_EQ(1, map.BeginOperation("修改标注配置"));
  EXPECT_TRUE(map.RecordEntity(4000));
  EXPECT_TRUE(map.UpdateView());
  EXPECT_TRUE(map.Refresh());

  const Lines expected = {"Map.GetCurrentCommand()",
                          "Map.SetCurrentCommand(0,0)",
                          "Map.SetPrompt(\"退出标注配置命令\")",
                          "Map.Action(-7)",
                          "Map.ChangedFlag(1)",
                          "Map.PickEnded(1)",
                          "Map.Scale()",
                          "Map.EntityHandle(40)",
                          "Map.EntityHandle(41)",
                          "Map.UpdateEntities([40,41,42],3,0)",
                          "Map.UpdateEntities([],0,0)",
                          "Map.BeginOperation(\"修改标注配置\")",
                          "Map.RecordEntity(4000)",
                          "Map.UpdateView()",
                          "Map.Refresh()"};
  EXPECT_EQ(expected, TheCallLog().Lines());
  EXPECT_EQ("退出标注配置命令", Drawing().strPrompt);  // GBK in, GBK out
  EXPECT_TRUE(Drawing().bChanged);
  EXPECT_EQ(-7, Drawing().nAction);
}

TEST_F(HostDrivers, ObjectsHandedOutAreReleasedWhenTheirDriverEnds) {
  CPoMapDriver map(&m_host);
  Drawing().selection = {5, 6, 7};
  {
    vjd::host::CPoSelectionDriver selection = map.Selection();
    EXPECT_EQ(3, selection.Count());
    EXPECT_EQ(6, selection.Item(1));
    EXPECT_EQ(0, selection.Item(3)) << "out of range answers no entity";
    EXPECT_TRUE(selection.Clear());
    auto state = map.CommandState();
    EXPECT_TRUE(state.CanStartCommand());
    auto highlighter = map.Highlighter();
    const int ids[] = {5, 7};
    EXPECT_TRUE(highlighter.SetHighlight(ids, 2, 1, 1));
    EXPECT_TRUE(highlighter.RedrawEntities(ids, 2));
    EXPECT_EQ(2u, m_map->GetDrawing().highlighted.size());
    EXPECT_EQ(2u, m_map->SelectionObject()->RefCount());
  }
  EXPECT_TRUE(Drawing().selection.empty());
  for (om::AutomationObject* object : std::initializer_list<om::AutomationObject*>{
           m_map->SelectionObject(), m_map->CommandStateObject(), m_map->HighlighterObject()}) {
    EXPECT_EQ(1u, object->RefCount()) << object->LogName();
    EXPECT_EQ(object->AddRefCalls(), object->ReleaseCalls()) << object->LogName();
  }
  EXPECT_EQ(1u, m_map->RefCount()) << "the map is borrowed, never referenced";
}

TEST_F(HostDrivers, FailingMembersGiveTheDocumentedDefaults) {
  CPoMapDriver map(&m_host);
  Drawing().AddEntity(1, 100);
  Drawing().selection = {1};
  Drawing().nCurrentCommand = 9;
  for (DISPID failing : {3, 5, 7, 11, 25, 27, 49, 52, 99, -550}) m_map->FailMember(failing);
  int id = -1, state = -1;
  EXPECT_FALSE(map.GetCurrentCommand(id, state));
  EXPECT_EQ(0, id);
  EXPECT_EQ(0, state);
  EXPECT_FALSE(map.SetAction(1));
  EXPECT_DOUBLE_EQ(1.0, map.Scale());
  EXPECT_EQ(0, map.EntityHandle(1));
  EXPECT_EQ(0, map.BeginOperation("x"));
  EXPECT_FALSE(map.Refresh());
  EXPECT_FALSE(map.Selection().IsAttached());
  EXPECT_EQ(0, map.Selection().Count());
  EXPECT_FALSE(map.CommandState().CanStartCommand());
  EXPECT_TRUE(map.CommandState().IsCommandBlocked(9));
  EXPECT_FALSE(map.Highlighter().SetHighlight(nullptr, 0, 1, 1));
  EXPECT_EQ(-1, map.DeviceData().EntityRecord(1).GetTable().FindItem(1));

  m_map->ClearFailures();
  m_map->CommandStateObject()->FailMember(4);
  m_map->CommandStateObject()->FailMember(5);
  auto commandState = map.CommandState();
  EXPECT_FALSE(commandState.CanStartCommand()) << "a failing host refuses the launch";
  EXPECT_TRUE(commandState.IsCommandBlocked(9));
}

TEST_F(HostDrivers, AMissingMapIsNeverCalled) {
  CPoMapDriver none(nullptr);
  int id = -1, state = -1;
  EXPECT_FALSE(none.GetCurrentCommand(id, state));
  EXPECT_EQ(0, id);
  EXPECT_FALSE(none.SetPrompt("x"));
  EXPECT_FALSE(none.CommandState().CanStartCommand());
  EXPECT_EQ(0, none.SendToWindow(WM_SETCURSOR, 0, 0));
  VjdHostMap noDispatch = {nullptr, nullptr};
  EXPECT_FALSE(CPoMapDriver(&noDispatch).UpdateView());
  EXPECT_TRUE(TheCallLog().Lines().empty());
}

TEST_F(HostDrivers, IntegerArrayIsCreatedByItsProgIdAndWorksThroughItsDriver) {
  ASSERT_EQ(S_OK, om::RegisterIntArrayClass());
  int before = om::POIntArray::LiveCount();
  {
    vjd::host::CPOIntArrayDriver array;
    ASSERT_TRUE(array.Create());
    EXPECT_EQ(before + 1, om::POIntArray::LiveCount());
    EXPECT_TRUE(array.SetSize(3, -1));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(array.SetAt(i, 10 * (i + 1)));
    EXPECT_EQ(3, array.GetSize());
    EXPECT_EQ(20, array.GetAt(1));
    EXPECT_EQ(0, array.GetAt(3)) << "out of range";
    EXPECT_FALSE(array.SetAt(3, 1));
    int* data = array.GetData();
    ASSERT_NE(nullptr, data);
    EXPECT_EQ(10, data[0]);
    EXPECT_EQ(30, data[2]);

    CPoMapDriver map(&m_host);
    EXPECT_TRUE(map.BeginPick(array.GetDispatch(), 0, 4, 63));
    EXPECT_EQ(array.GetDispatch(), Drawing().pPickArray);
    EXPECT_EQ("Map.BeginPick(IntArray,0,4,63,null)", TheCallLog().Lines().back());
    EXPECT_TRUE(array.RemoveAll());
    EXPECT_EQ(0, array.GetSize());
    EXPECT_EQ(nullptr, array.GetData()) << "an empty array has no ints";
  }
  EXPECT_EQ(before + 1, om::POIntArray::LiveCount()) << "the armed pick still holds it";
  m_map->Release();
  m_map = om::PoMap::Create();
  EXPECT_EQ(before, om::POIntArray::LiveCount());
}

TEST_F(HostDrivers, AnArrayThatCannotBeCreatedSendsNothing) {
  ASSERT_EQ(S_OK, om::RegisterIntArrayClass());
  om::TheIntArrayFactory().SetFailing(true);
  vjd::host::CPOIntArrayDriver array;
  EXPECT_FALSE(array.Create());
  om::TheIntArrayFactory().SetFailing(false);
  EXPECT_FALSE(array.IsAttached());
  EXPECT_EQ(0, array.GetSize());
  EXPECT_FALSE(array.SetSize(2, -1));
  EXPECT_EQ(0, array.GetAt(0));
  EXPECT_EQ(nullptr, array.GetData());
  EXPECT_TRUE(TheCallLog().Lines().empty());
}

TEST_F(HostDrivers, DeviceDataValuesAreReadInTwoStepsAsText) {
  Drawing().deviceData[8] = {{1, {"MY-3x35", "600"}}, {200, {"", "2"}}};
  CPoMapDriver map(&m_host);
  auto table = map.DeviceData().EntityRecord(8).GetTable(0);
  ASSERT_TRUE(table.IsAttached());
  EXPECT_EQ(0, table.FindItem(1));
  EXPECT_EQ(1, table.FindItem(200));
  EXPECT_EQ(-1, table.FindItem(3));
  EXPECT_EQ(8, table.GetItemValue(0, 0, nullptr, 0)) << "length with the terminator";
  EXPECT_EQ("MY-3x35", table.GetItemText(0, 0));
  EXPECT_EQ("600", table.GetItemText(0, 1));
  EXPECT_EQ("", table.GetItemText(1, 0));
  EXPECT_EQ("", table.GetItemText(-1, 0)) << "an absent row reads as empty";
  EXPECT_EQ("", map.DeviceData().EntityRecord(9).GetTable().GetItemText(0, 0));
  const Lines reads = TheCallLog().Matching("DeviceTable.GetItemValue(0,1");
  EXPECT_EQ((Lines{"DeviceTable.GetItemValue(0,1,0,0)", "DeviceTable.GetItemValue(0,1,0,4)"}),
            reads);
}

// A table that answers a value length without room for the terminator and fills every byte, as
// a careless host might: the driver still yields a terminated text of exactly those bytes.
class UnterminatedTable : public om::AutomationObject {
 public:
  const char* LogName() const override { return "Unterminated"; }

 protected:
  HRESULT OnInvoke(Call& call) override {
    int length = 0;
    unsigned char* buffer = nullptr;
    if (call.dispid != 8 || !ArgInt(call, 3, length) || !ArgBytes(call, 4, buffer))
      return DISP_E_MEMBERNOTFOUND;
    if (length > 0) memset(buffer, 'A', static_cast<size_t>(length));
    ResultInt(call, 5);
    return S_OK;
  }
};

// An object whose member throws: the exception stays inside the object.
class ThrowingObject : public om::AutomationObject {
 public:
  const char* LogName() const override { return "Throwing"; }

 protected:
  HRESULT OnInvoke(Call&) override { throw std::runtime_error("host fault"); }
};

TEST_F(HostDrivers, CarelessOrFailingHostObjectsCannotCorruptTheCaller) {
  auto* unterminated = new UnterminatedTable();
  vjd::host::CDeviceTableDriver table(unterminated, true);
  EXPECT_EQ("AAAAA", table.GetItemText(0, 0));

  auto* throwing = new ThrowingObject();
  vjd::host::CDeviceTableDriver broken(throwing, true);
  EXPECT_EQ(-1, broken.FindItem(1));
  EXPECT_EQ("", broken.GetItemText(0, 0));
  VARIANT result;
  EXPECT_EQ(E_UNEXPECTED, broken.Invoke(1, DISPATCH_METHOD, nullptr, 0, &result));
}

}  // namespace
