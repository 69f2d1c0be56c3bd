// VellJDBase's label side under Wine: the settings it keeps, the family predicates, the stored
// kind lookup and AnnotateEntity's layout of a kind onto an entity of the kernel stand-in.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "HostContract.h"
#include "KernelSetup.h"
#include "LabelConfigFile.h"
#include "SymbolLabelConfig.h"
#include "VellJDLabels.h"
#include "quarnkernel.h"

namespace {

using vjd::annotation::LabelConfigFile;
using vjd::annotation::SymbolLabelConfig;

// A map object that only answers Scale.
class ScaleMap : public IDispatch {
 public:
  explicit ScaleMap(double scale) : m_scale(scale) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = this;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    if (id != vjd::host::DispidMapScale || !result) return DISP_E_MEMBERNOTFOUND;
    result->vt = VT_R8;
    result->dblVal = m_scale;
    return S_OK;
  }

 private:
  double m_scale;
};

std::string ExeDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text(path);
  return text.substr(0, text.find_last_of('\\') + 1);
}

std::string Text(int entity, int label) {
  char buffer[QK_LABEL_TEXT_SIZE] = {};
  EntityParam(entity, ATTR_LABEL_TEXT_GET, buffer, label);
  return buffer;
}

int Int(int entity, int code, int label) {
  int value = -7;
  EntityParam(entity, code, &value, label);
  return value;
}

double Real(int entity, int code, int label) {
  double value = -7;
  EntityParam(entity, code, &value, label);
  return value;
}

class KindLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QkSetupReset();
    std::string dir = ExeDirectory() + "机电数据库";
    CreateDirectoryA(dir.c_str(), nullptr);
    DeleteFileA((dir + "\\机电配置.cfg").c_str());
    ASSERT_TRUE(
        QkSetupLoadSymbolText("VJD-SYMBOLS 1\nsymbol 测\nline 0 0 0.01 0.008\nend\n", nullptr, 0));
  }

  // A kind with three slots: "a" at 0, "b" at 22 (a middle position), "c" at 8.
  void StoreSwitchKind() {
    SymbolLabelConfig record;
    vjd::annotation::InitRecord(record);
    vjd::annotation::SetSymbolName(record, "馈电开关");
    record.nLabelCount = 3;
    const char* texts[] = {"a", "b", "c"};
    const int positions[] = {0, 22, 8};
    for (int i = 0; i < 3; ++i) {
      vjd::annotation::SetSlotText(record, i, texts[i]);
      record.bVisible[i] = i != 1;
      record.nPosition[i] = positions[i];
      record.dHeight[i] = 0.004 + i;
      record.dWidth[i] = 0.002 + i;
      record.dAngle[i] = 10.0 * i;
      record.bAngleFollows[i] = i == 0;
      record.clrFore[i] = 0x0000FF + i;
      record.clrBack[i] = 0x00FF00 + i;
    }
    ASSERT_TRUE(LabelConfigFile(ExeDirectory().c_str()).StoreRecord(record).ok());
  }

  int Switch(const char* name, int labels) {
    int e = QkSetupCreateEntity(QK_KIND_DEVICE_SYMBOL, name, "馈电开关");
    QkSymbolRef symbol = {7, 0, 0, 0.01, 0.008, 0.0};
    SetEntitySymbol(e, &symbol);
    double base[3] = {5.0, 7.0, 0.0};
    EntityParam(e, ATTR_BASE_POINT_SET, base, 0);
    EntityParam(e, ATTR_LABEL_COUNT_SET, &labels, 0);
    for (int i = 0; i < labels; ++i) {
      std::string t = "typed" + std::to_string(i);
      EntityParam(e, ATTR_LABEL_TEXT_SET, const_cast<char*>(t.c_str()), i);
    }
    return e;
  }
};

TEST(DisplaySettings, HeldForTheProcessAsZeroOrOne) {
  EXPECT_EQ(GetShowCableName(), 0);
  EXPECT_EQ(GetShowMotorModel() + GetShowMotorName() + GetShowCableLabel() +
                GetOneLineCableLabel() + GetShowShortPointName() + GetShowShortCurrent() +
                GetShowNameOnDraw(),
            7);
  SetShowCableName(5);
  SetShowMotorModel(0);
  EXPECT_EQ(GetShowCableName(), 1);
  EXPECT_EQ(GetShowMotorModel(), 0);
  EXPECT_EQ(GetShowMotorName(), 1);  // the others keep their values
  SetShowShortCurrent(0);
  SetShowNameOnDraw(0);
  EXPECT_EQ(GetShowShortCurrent() + GetShowNameOnDraw() + GetShowShortPointName(), 1);
}

TEST(SymbolFamilies, ByExactKindName) {
  QkSetupReset();
  int motor = QkSetupCreateEntity(QK_KIND_DEVICE_SYMBOL, "M1", "电动机");
  int point = QkSetupCreateEntity(QK_KIND_DEVICE_SYMBOL, "d1", "短路点");
  int blank = QkSetupCreateEntity(QK_KIND_DEVICE_SYMBOL, "M2", "电动机 ");
  EXPECT_EQ(IsMotorSymbol(motor), 1);
  EXPECT_EQ(IsShortCircuitPoint(motor), 0);
  EXPECT_EQ(IsShortCircuitPoint(point), 1);
  EXPECT_EQ(IsMotorSymbol(blank), 0);
  EXPECT_EQ(IsMotorSymbol(9999), 0);
  EXPECT_EQ(GetDefaultLabelVisible(), 1);
}

TEST_F(KindLayoutTest, StoredKindIsFound) {
  EXPECT_EQ(HasKindConfiguration("馈电开关"), 0);
  StoreSwitchKind();
  EXPECT_EQ(HasKindConfiguration("馈电开关"), 1);
  EXPECT_EQ(HasKindConfiguration("馈电开关 "), 0);
  EXPECT_EQ(HasKindConfiguration("短路点"), 0);  // a built-in default is not stored
  EXPECT_EQ(HasKindConfiguration(nullptr), 0);
}

TEST_F(KindLayoutTest, PushLaysOutSlotsAndKeepsTypedTexts) {
  StoreSwitchKind();
  int e = Switch("K1", 2);
  ScaleMap map(2.0);
  VjdHostMap host = {nullptr, &map};
  int copy = e;
  ASSERT_EQ(
      AnnotateEntity(VJD_ANNOTATE_PUSH, &host, "馈电开关", &copy, nullptr, VJD_ANNOTATE_OR_DEFAULT),
      1);
  EXPECT_EQ(Int(e, ATTR_LABEL_COUNT_GET, 0), 3);
  EXPECT_EQ(Text(e, 0), "typed0");
  EXPECT_EQ(Text(e, 1), "typed1");
  EXPECT_EQ(Text(e, 2), "c");  // a new slot takes the stored text
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Int(e, ATTR_LABEL_VISIBLE_GET, i), i != 1 ? 1 : 0) << i;
    EXPECT_EQ(Int(e, ATTR_LABEL_FOLLOW_GET, i), i == 0 ? 1 : 0) << i;
    EXPECT_DOUBLE_EQ(Real(e, ATTR_LABEL_HEIGHT_GET, i), 0.004 + i);
    EXPECT_DOUBLE_EQ(Real(e, ATTR_LABEL_WIDTH_GET, i), 0.002 + i);
    EXPECT_DOUBLE_EQ(Real(e, ATTR_LABEL_ANGLE_GET, i), 10.0 * i);
    unsigned fore = 0, back = 0;
    QkSetupGetLabelColours(e, i, &fore, &back);
    EXPECT_EQ(fore, 0x0000FFu + i);
    EXPECT_EQ(back, 0x00FF00u + i);
  }
  EXPECT_EQ(Int(e, ATTR_LABEL_POSITION_GET, 1), 22);
  double anchor[3] = {};
  ASSERT_EQ(QkSetupGetLabelAnchor(e, 1, anchor), 1);
  EXPECT_DOUBLE_EQ(anchor[0], 5.0);
  EXPECT_DOUBLE_EQ(anchor[1], 7.0 + (0.01 / 4) / 2.0);  // symbol size 0.01, map scale 2
  EXPECT_DOUBLE_EQ(anchor[2], 0.0);
  EXPECT_EQ(QkSetupGetLabelAnchor(e, 0, anchor), 0);
}

TEST_F(KindLayoutTest, FewerSlotsDropTheRest) {
  StoreSwitchKind();
  int e = Switch("K1", 5);
  ASSERT_EQ(AnnotateEntity(VJD_ANNOTATE_PUSH, nullptr, "馈电开关", &e, nullptr, 1), 1);
  EXPECT_EQ(Int(e, ATTR_LABEL_COUNT_GET, 0), 3);
  EXPECT_EQ(Text(e, 2), "typed2");
}

TEST_F(KindLayoutTest, ComposedTextsComeFirst) {
  StoreSwitchKind();
  int e = Switch("K1", 0);
  const char* given[] = {"Id3", nullptr};
  VjdTextArray texts = {2, given};
  ASSERT_EQ(AnnotateEntity(VJD_ANNOTATE_COMPOSED, nullptr, "馈电开关", &e, &texts, 0), 1);
  EXPECT_EQ(Text(e, 0), "Id3");
  EXPECT_EQ(Text(e, 1), "b");  // no text given for slot 1, the entity had none
  EXPECT_EQ(AnnotateEntity(VJD_ANNOTATE_COMPOSED, nullptr, "馈电开关", &e, nullptr, 0), 0);
}

TEST_F(KindLayoutTest, WithoutStoredRecordOnlyTheDefaultFlagLaysOut) {
  int e = QkSetupCreateEntity(QK_KIND_DEVICE_SYMBOL, "d3", "短路点");
  int one = 1;
  EntityParam(e, ATTR_LABEL_COUNT_SET, &one, 0);
  EntityParam(e, ATTR_LABEL_TEXT_SET, const_cast<char*>("old"), 0);
  EXPECT_EQ(AnnotateEntity(VJD_ANNOTATE_PUSH, nullptr, "短路点", &e, nullptr, 0), 0);
  EXPECT_EQ(Text(e, 0), "old");
  EXPECT_EQ(AnnotateEntity(VJD_ANNOTATE_PUSH, nullptr, "短路点", &e, nullptr, 1), 1);
  EXPECT_EQ(Int(e, ATTR_LABEL_COUNT_GET, 0), 1);  // the default of "短路点": one slot at 0
  EXPECT_EQ(Int(e, ATTR_LABEL_POSITION_GET, 0), 0);
  EXPECT_EQ(AnnotateEntity(VJD_ANNOTATE_PUSH, nullptr, "无此种类", &e, nullptr, 1), 0);
  int none = 0;
  EXPECT_EQ(AnnotateEntity(VJD_ANNOTATE_PUSH, nullptr, "短路点", &none, nullptr, 1), 0);
  EXPECT_EQ(AnnotateEntity(VJD_ANNOTATE_PUSH, nullptr, "短路点", nullptr, nullptr, 1), 0);
}

TEST_F(KindLayoutTest, UnreadableFileIsNoConfigurationAndNoMessage) {
  std::string dir = ExeDirectory() + "机电数据库";
  RemoveDirectoryA(dir.c_str());  // empty after SetUp's delete
  // A file where the folder should be: the configuration cannot be opened or created.
  HANDLE blocker = CreateFileA(dir.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(blocker, INVALID_HANDLE_VALUE);
  CloseHandle(blocker);
  EXPECT_EQ(HasKindConfiguration("馈电开关"), 0);  // a message box would hang here
  DeleteFileA(dir.c_str());
}

}  // namespace
