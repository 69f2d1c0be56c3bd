#include "DeviceClasses.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <type_traits>
#include <typeinfo>

namespace {

#include "DeviceMembers.inc"

const void* VtableOf(const void* object) {
  const void* vptr;
  std::memcpy(&vptr, object, sizeof vptr);
  return vptr;
}

const char* Ptr(const CString& s) {
  return static_cast<const char*>(s);
}

// Gives every member of the common bases a distinct value; `seed` keeps two objects apart.
void FillBases(CDevice& d, int seed) {
  d.m_nDb1 = seed;
  d.m_strDb1.Format("db%d", seed);
  int i = 0;
  for (auto m : kDevStrings) (d.*m).Format("dev%d-%d", seed, i++);
  for (auto m : kDevValues) d.*m = seed * 100 + i++;
}

void FillMultiRope(CMultiRopeElevator& e, int seed) {
  FillBases(e, seed);
  int i = 0;
  for (auto m : kElevStrings) (e.*m).Format("elev%d-%d", seed, i++);
  for (auto m : kElevValues) e.*m = seed * 1000 + i++;
  for (auto m : kMrElevStrings) (e.*m).Format("mr%d-%d", seed, i++);
  for (auto m : kMrElevValues) e.*m = seed * 10000 + i++;
}

void ExpectSameBases(const CDevice& a, const CDevice& b) {
  EXPECT_EQ(a.m_nDb1, b.m_nDb1);
  EXPECT_EQ(a.m_strDb1, b.m_strDb1);
  for (auto m : kDevStrings) EXPECT_EQ(a.*m, b.*m);
  for (auto m : kDevValues) EXPECT_EQ(a.*m, b.*m);
}

TEST(DeviceCopy, MultiRopeElevatorCopiesEveryMemberAndKeepsItsOwnSlots) {
  CMultiRopeElevator source;
  FillMultiRope(source, 7);
  CMultiRopeElevator copy(source);
  ExpectSameBases(copy, source);
  for (auto m : kElevStrings) EXPECT_EQ(copy.*m, source.*m);
  for (auto m : kElevValues) EXPECT_EQ(copy.*m, source.*m);
  for (auto m : kMrElevValues) EXPECT_EQ(copy.*m, source.*m);
  EXPECT_STREQ(Ptr(copy.m_strMrElev1), "mr7-14");
  EXPECT_EQ(copy.m_nMrElev21, 70000 + 35);
  // Strings are shared, not duplicated.
  EXPECT_EQ(Ptr(copy.m_strDev13), Ptr(source.m_strDev13));
  EXPECT_EQ(Ptr(copy.m_strDb1), Ptr(source.m_strDb1));

  CMultiRopeElevator fresh;
  EXPECT_EQ(VtableOf(&copy), VtableOf(&fresh));
  CJDDatabase& base = copy;
  EXPECT_EQ(typeid(base), typeid(CMultiRopeElevator));
  EXPECT_EQ(base.GetParaDBData(nullptr, 1), 0);
  EXPECT_STREQ(JDBaseLastOperation(), "CMultiRopeElevator::GetParaDBData");
  EXPECT_EQ(base.SetParaDBData(nullptr, 0, 1), 0);
  EXPECT_STREQ(JDBaseLastOperation(), "CMultiRopeElevator::SetParaDBData");
  EXPECT_EQ(base.GetStockDBData(nullptr, CString("型号")), 0);
  EXPECT_STREQ(JDBaseLastOperation(), "CDevice::GetStockDBData");
  EXPECT_EQ(base.SetStockDBData(nullptr, 2, CString()), 0);
  EXPECT_STREQ(JDBaseLastOperation(), "CDevice::SetStockDBData");
}

TEST(DeviceCopy, ChangingTheCopyLeavesTheSourceAlone) {
  CMultiRopeElevator source;
  FillMultiRope(source, 3);
  CMultiRopeElevator copy(source);
  copy.m_strDev1 += "x";
  copy.m_nMrElev5 = -1;
  copy.m_strDb1.Empty();
  EXPECT_STREQ(Ptr(source.m_strDev1), "dev3-0");
  EXPECT_EQ(source.m_nMrElev5, 30000 + 19);
  EXPECT_STREQ(Ptr(source.m_strDb1), "db3");
}

TEST(DeviceAssignment, TransformerAssignmentCopiesMembersAndLeavesTheSourceUnchanged) {
  CTransformer source, target;
  FillBases(source, 1);
  int i = 0;
  for (auto m : kTransStrings) (source.*m).Format("t%d", i++);
  for (auto m : kTransValues) source.*m = 500 + i++;
  FillBases(target, 2);

  CTransformer& result = (target = source);
  EXPECT_EQ(&result, &target);
  ExpectSameBases(target, source);
  for (auto m : kTransStrings) EXPECT_EQ(target.*m, source.*m);
  for (auto m : kTransValues) EXPECT_EQ(target.*m, source.*m);
  // Strings are assigned by the string's own copy: shared, not duplicated.
  EXPECT_EQ(Ptr(target.m_strTrans2), Ptr(source.m_strTrans2));
  EXPECT_EQ(Ptr(target.m_strDb1), Ptr(source.m_strDb1));
  EXPECT_STREQ(Ptr(source.m_strTrans2), "t1");
  EXPECT_EQ(source.m_nTrans20, 521);
  EXPECT_STREQ(Ptr(source.m_strDev1), "dev1-0");

  target = target;  // self-assignment keeps everything
  EXPECT_STREQ(Ptr(target.m_strTrans1), "t0");
}

TEST(DeviceAssignment, AssigningThroughABaseAssignsTheWholeBasePartAndNothingElse) {
  CCage cage;
  FillBases(cage, 4);
  cage.m_strCage4 = "罐笼";
  cage.m_nCage11 = 11;
  CSingleCage single;
  FillBases(single, 5);
  single.m_strSCage1 = "own";
  static_cast<CCage&>(single) = cage;
  ExpectSameBases(single, cage);  // CCage's assignment goes through CDevice's and CJDDatabase's
  EXPECT_STREQ(Ptr(single.m_strCage4), "罐笼");
  EXPECT_EQ(single.m_nCage11, 11);
  EXPECT_STREQ(Ptr(single.m_strSCage1), "own");  // the derived part is not the base's to assign
}

TEST(DeviceStubs, IntermediateKindsReturnZeroWithoutTouchingVellJDBase) {
  CCage cage;
  CSkipBucket skip;
  CFannerCurve fan;
  CElevator elevator;
  JDBaseGetParaDBData(nullptr, "marker", nullptr, 0);
  EXPECT_EQ(cage.GetParaDBData(nullptr, 0), 0);
  EXPECT_EQ(cage.CCage::GetParaDBData(nullptr, 0xFFFFFFFFu), 0);
  EXPECT_EQ(skip.SetParaDBData(nullptr, -1, 12), 0);
  EXPECT_EQ(skip.CSkipBucket::SetParaDBData(nullptr, 0, 0), 0);
  EXPECT_EQ(fan.GetParaDBData(nullptr, 3), 0);
  EXPECT_EQ(fan.SetParaDBData(nullptr, 1, 3), 0);
  EXPECT_EQ(elevator.GetParaDBData(nullptr, 3), 0);
  EXPECT_EQ(elevator.SetParaDBData(nullptr, 1, 3), 0);
  EXPECT_STREQ(JDBaseLastOperation(), "marker::GetParaDBData");
  // The CMultiCage subclass replaces the stub with VellJDBase's operation.
  CMultiCage multi;
  static_cast<CCage&>(multi).GetParaDBData(nullptr, 0);
  EXPECT_STREQ(JDBaseLastOperation(), "CMultiCage::GetParaDBData");
}

bool IsStubKind(const std::string& name) {
  return name == "CCage" || name == "CSkipBucket" || name == "CFannerCurve" || name == "CElevator";
}

template <class T>
void CheckKind(const char* name) {
  SCOPED_TRACE(name);
  T object;
  EXPECT_TRUE(object.m_strDb1.IsEmpty());
  if constexpr (std::is_base_of_v<CDevice, T>) {
    for (auto m : kDevStrings) EXPECT_TRUE((object.*m).IsEmpty());
  }
  T copy(object);
  T assigned;
  assigned = copy;
  EXPECT_EQ(VtableOf(&copy), VtableOf(&object));
  EXPECT_EQ(typeid(static_cast<CJDDatabase&>(copy)), typeid(T));
  CJDDatabase& base = assigned;
  JDBaseGetParaDBData(nullptr, "marker", nullptr, 0);
  EXPECT_EQ(base.GetParaDBData(nullptr, 0), 0);
  std::string expected =
      IsStubKind(name) ? "marker::GetParaDBData" : std::string(name) + "::GetParaDBData";
  EXPECT_EQ(JDBaseLastOperation(), expected);
  base.SetParaDBData(nullptr, 0, 0);
  if (!IsStubKind(name)) {
    EXPECT_EQ(JDBaseLastOperation(), std::string(name) + "::SetParaDBData");
  }
  base.GetStockDBData(nullptr, CString("k"));
  std::string stock = std::string(std::is_same_v<T, CElectricCable> ? "CElectricCable" : "CDevice");
  EXPECT_EQ(JDBaseLastOperation(), stock + "::GetStockDBData");
}

TEST(DeviceKinds, EveryKindStartsEmptyCopiesAndReachesItsOwnSlots) {
#define VJD_CHECK_KIND(T) CheckKind<T>(#T);
  VJD_FOR_EACH_CONCRETE_DEVICE(VJD_CHECK_KIND)
#undef VJD_CHECK_KIND
}

TEST(DeviceKinds, CableStringsStartEmpty) {
  CElectricCable cable;
  EXPECT_TRUE(cable.m_strCable1.IsEmpty());
  EXPECT_TRUE(cable.m_strCable8.IsEmpty());
  cable.m_strCable8 = "MY-3x70";
  CElectricCable copy(cable);
  EXPECT_EQ(Ptr(copy.m_strCable8), Ptr(cable.m_strCable8));
}

}  // namespace
