// The layout VellJDBase compiles against, checked member by member when this file compiles: one
// row per class, transcribed from the class tree: the class, its base, then its own members in
// order, S for a string and V for a value.  Each member must be of the listed kind and start
// where the one before it ends (the first where the base's members end; the root's after the
// virtual table reference), and the class must end with its last member.  On the 32-bit host
// every member is 4 bytes wide, so member n of a class lies at 4 * (1 + n); the 64-bit builds
// check the same order with their own widths.  A failed check names the class, and the note
// under it the number of its members (counted from 0) found where they belong.
#include <cstddef>
#include <iterator>
#include <type_traits>

#include "DeviceClasses.h"

// offsetof on classes with a virtual table: GCC computes it, as for any single-inheritance class.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace {

struct Member {
  std::size_t offset;
  std::size_t size;
  std::size_t align;
  bool listed_kind;
};

constexpr std::size_t AlignUp(std::size_t at, std::size_t align) {
  return (at + align - 1) / align * align;
}

// How many of a class's own members, starting at `at` (where its base ends), are of the listed
// kind and lie at the next boundary their alignment allows.
template <std::size_t N>
constexpr std::size_t InPlace(const Member (&members)[N], std::size_t at) {
  for (std::size_t i = 0; i < N; ++i) {
    at = AlignUp(at, members[i].align);
    if (!members[i].listed_kind || members[i].offset != at) return i;
    at += members[i].size;
  }
  return N;
}

// Where the last member ends: a derived class's members follow from there.
template <std::size_t N>
constexpr std::size_t EndOf(const Member (&members)[N], std::size_t at) {
  for (const Member& m : members) at = AlignUp(at, m.align) + m.size;
  return at;
}

struct None {};  // the root's base: the virtual table reference comes first
template <class Class>
struct Row;
template <>
struct Row<None> {
  static constexpr std::size_t kEnd = sizeof(void*);
};

// A listed member: where the compiler put it, its width and alignment, and whether it is of the
// kind its row gives.
template <class Kind, class Type>
constexpr Member Listed(std::size_t offset) {
  return {offset, sizeof(Type), alignof(Type), std::is_same_v<Kind, Type>};
}
#define S(m) Listed<CString, decltype(K::m)>(offsetof(K, m))
#define V(m) Listed<DeviceValue, decltype(K::m)>(offsetof(K, m))
#define VJD_LAYOUT(Class, Base, ...)                                                               \
  template <>                                                                                      \
  struct Row<Class> {                                                                              \
    using K = Class;                                                                               \
    static constexpr Member kMembers[] = {__VA_ARGS__};                                            \
    static constexpr std::size_t kEnd = EndOf(kMembers, Row<Base>::kEnd);                          \
  };                                                                                               \
  static_assert(std::is_same_v<Base, None> || std::is_base_of_v<Base, Class>,                      \
                #Class " derives from " #Base);                                                    \
  static_assert(InPlace(Row<Class>::kMembers, Row<Base>::kEnd) == std::size(Row<Class>::kMembers), \
                #Class ": a member is not where its row puts it, or not of its kind");             \
  static_assert(sizeof(Class) == AlignUp(Row<Class>::kEnd, alignof(Class)),                        \
                #Class ": more members than its row lists")

VJD_LAYOUT(CJDDatabase, None, V(m_nDb1), S(m_strDb1));
VJD_LAYOUT(CElectricCable, CJDDatabase, S(m_strCable1), V(m_nCable1), V(m_nCable2), V(m_nCable3),
           V(m_nCable4), V(m_nCable5), V(m_nCable6), V(m_nCable7), S(m_strCable2), S(m_strCable3),
           S(m_strCable4), S(m_strCable5), S(m_strCable6), S(m_strCable7), S(m_strCable8));
VJD_LAYOUT(CDevice, CJDDatabase, S(m_strDev1), S(m_strDev2), S(m_strDev3), S(m_strDev4),
           S(m_strDev5), S(m_strDev6), S(m_strDev7), S(m_strDev8), S(m_strDev9), S(m_strDev10),
           S(m_strDev11), S(m_strDev12), S(m_strDev13), V(m_nDev1), V(m_nDev2));
VJD_LAYOUT(CTransformer, CDevice, S(m_strTrans1), V(m_nTrans1), V(m_nTrans2), V(m_nTrans3),
           V(m_nTrans4), V(m_nTrans5), V(m_nTrans6), V(m_nTrans7), V(m_nTrans8), V(m_nTrans9),
           V(m_nTrans10), V(m_nTrans11), V(m_nTrans12), V(m_nTrans13), V(m_nTrans14), V(m_nTrans15),
           V(m_nTrans16), V(m_nTrans17), V(m_nTrans18), V(m_nTrans19), V(m_nTrans20),
           S(m_strTrans2));
VJD_LAYOUT(CElectricMotor, CDevice, S(m_strMotor1), V(m_nMotor1), V(m_nMotor2), V(m_nMotor3),
           V(m_nMotor4), V(m_nMotor5), V(m_nMotor6), V(m_nMotor7), V(m_nMotor8), V(m_nMotor9),
           V(m_nMotor10), V(m_nMotor11), V(m_nMotor12), S(m_strMotor2), S(m_strMotor3),
           V(m_nMotor13), S(m_strMotor4), V(m_nMotor14), V(m_nMotor15));
VJD_LAYOUT(CAutomaticSwitch, CDevice, V(m_nAutoSw1), V(m_nAutoSw2), V(m_nAutoSw3), V(m_nAutoSw4),
           V(m_nAutoSw5), S(m_strAutoSw1), V(m_nAutoSw6), V(m_nAutoSw7), V(m_nAutoSw8),
           S(m_strAutoSw2), S(m_strAutoSw3), V(m_nAutoSw9), V(m_nAutoSw10));
VJD_LAYOUT(CMagneticSwitch, CDevice, V(m_nMagSw1), V(m_nMagSw2), V(m_nMagSw3), V(m_nMagSw4),
           V(m_nMagSw5), S(m_strMagSw1), S(m_strMagSw2), V(m_nMagSw6), S(m_strMagSw3),
           S(m_strMagSw4), V(m_nMagSw7), S(m_strMagSw5), S(m_strMagSw6));
VJD_LAYOUT(CHighVoltageSwitch, CDevice, V(m_nHvSw1), V(m_nHvSw2), V(m_nHvSw3), V(m_nHvSw4),
           V(m_nHvSw5), V(m_nHvSw6), V(m_nHvSw7), V(m_nHvSw8), V(m_nHvSw9), V(m_nHvSw10),
           V(m_nHvSw11), V(m_nHvSw12), V(m_nHvSw13), V(m_nHvSw14), V(m_nHvSw15), V(m_nHvSw16),
           V(m_nHvSw17), V(m_nHvSw18), S(m_strHvSw1), S(m_strHvSw2));
VJD_LAYOUT(CColligateProtect, CDevice, S(m_strProtect1), S(m_strProtect2), V(m_nProtect1),
           V(m_nProtect2), V(m_nProtect3), V(m_nProtect4), V(m_nProtect5), V(m_nProtect6),
           V(m_nProtect7), V(m_nProtect8), V(m_nProtect9), V(m_nProtect10), V(m_nProtect11),
           V(m_nProtect12), V(m_nProtect13), V(m_nProtect14), S(m_strProtect3));
VJD_LAYOUT(CCombineSwitch, CDevice, S(m_strCombSw1), S(m_strCombSw2), V(m_nCombSw1), V(m_nCombSw2),
           V(m_nCombSw3), V(m_nCombSw4), S(m_strCombSw3), S(m_strCombSw4), S(m_strCombSw5));
VJD_LAYOUT(CJiakongLine, CDevice, S(m_strLine1), V(m_nLine1), V(m_nLine2), V(m_nLine3), V(m_nLine4),
           V(m_nLine5));
VJD_LAYOUT(CSmallUpgradeWinch, CDevice, V(m_nSWinch1), V(m_nSWinch2), S(m_strSWinch1),
           V(m_nSWinch3), V(m_nSWinch4), V(m_nSWinch5), V(m_nSWinch6), V(m_nSWinch7),
           S(m_strSWinch2), V(m_nSWinch8), V(m_nSWinch9), V(m_nSWinch10), S(m_strSWinch3),
           V(m_nSWinch11), V(m_nSWinch12), S(m_strSWinch4), S(m_strSWinch5));
VJD_LAYOUT(CUpgradeWinch, CDevice, V(m_nWinch1), V(m_nWinch2), V(m_nWinch3), V(m_nWinch4),
           V(m_nWinch5), V(m_nWinch6), V(m_nWinch7), V(m_nWinch8), V(m_nWinch9), V(m_nWinch10),
           V(m_nWinch11), V(m_nWinch12), V(m_nWinch13), V(m_nWinch14), S(m_strWinch1),
           V(m_nWinch15), V(m_nWinch16), S(m_strWinch2), V(m_nWinch17), S(m_strWinch3),
           V(m_nWinch18), V(m_nWinch19), S(m_strWinch4));
VJD_LAYOUT(CWireRope, CDevice, V(m_nRope1), V(m_nRope2), V(m_nRope3), V(m_nRope4), V(m_nRope5),
           V(m_nRope6), V(m_nRope7), V(m_nRope8), V(m_nRope9), V(m_nRope10), V(m_nRope11),
           S(m_strRope1));
VJD_LAYOUT(CPump, CDevice, V(m_nPump1), V(m_nPump2), V(m_nPump3), V(m_nPump4), V(m_nPump5),
           V(m_nPump6), V(m_nPump7), V(m_nPump8), V(m_nPump9), V(m_nPump10), V(m_nPump11),
           V(m_nPump12), V(m_nPump13), V(m_nPump14), V(m_nPump15), V(m_nPump16), V(m_nPump17),
           V(m_nPump18), V(m_nPump19), V(m_nPump20), V(m_nPump21), V(m_nPump22), S(m_strPump1),
           V(m_nPump23), V(m_nPump24), V(m_nPump25), V(m_nPump26), V(m_nPump27), V(m_nPump28),
           V(m_nPump29), V(m_nPump30), V(m_nPump31), V(m_nPump32), V(m_nPump33));
VJD_LAYOUT(CElectricLocomotive, CDevice, V(m_nLoco1), V(m_nLoco2), V(m_nLoco3), V(m_nLoco4),
           V(m_nLoco5), V(m_nLoco6), V(m_nLoco7), V(m_nLoco8), V(m_nLoco9), V(m_nLoco10),
           V(m_nLoco11), V(m_nLoco12), V(m_nLoco13), V(m_nLoco14), V(m_nLoco15), V(m_nLoco16),
           V(m_nLoco17), V(m_nLoco18), S(m_strLoco1), S(m_strLoco2), S(m_strLoco3), S(m_strLoco4),
           S(m_strLoco5));
VJD_LAYOUT(CTramcar, CDevice, S(m_strTram1), V(m_nTram1), V(m_nTram2), V(m_nTram3), V(m_nTram4),
           V(m_nTram5), V(m_nTram6), V(m_nTram7), V(m_nTram8), S(m_strTram2), S(m_strTram3),
           S(m_strTram4));
VJD_LAYOUT(CFannerCurve, CDevice, V(m_nFan1), V(m_nFan2), V(m_nFan3), V(m_nFan4), V(m_nFan5),
           V(m_nFan6), V(m_nFan7), V(m_nFan8), V(m_nFan9), V(m_nFan10), V(m_nFan11), V(m_nFan12),
           V(m_nFan13), S(m_strFan1), S(m_strFan2), S(m_strFan3), S(m_strFan4));
VJD_LAYOUT(CCage, CDevice, S(m_strCage1), S(m_strCage2), S(m_strCage3), V(m_nCage1), V(m_nCage2),
           V(m_nCage3), V(m_nCage4), V(m_nCage5), S(m_strCage4), V(m_nCage6), V(m_nCage7),
           V(m_nCage8), V(m_nCage9), V(m_nCage10), V(m_nCage11));
VJD_LAYOUT(CSingleCage, CCage, S(m_strSCage1));
VJD_LAYOUT(CMultiCage, CCage, V(m_nMCage1), V(m_nMCage2), S(m_strMCage1), V(m_nMCage3),
           S(m_strMCage2), V(m_nMCage4), V(m_nMCage5), S(m_strMCage3), V(m_nMCage6),
           S(m_strMCage4));
VJD_LAYOUT(CSkipBucket, CDevice, S(m_strSkip1), S(m_strSkip2), S(m_strSkip3), V(m_nSkip1),
           V(m_nSkip2), V(m_nSkip3), V(m_nSkip4), V(m_nSkip5), V(m_nSkip6), V(m_nSkip7),
           V(m_nSkip8), V(m_nSkip9));
VJD_LAYOUT(CSingleSkipBucket, CSkipBucket, V(m_nSSkip1));
VJD_LAYOUT(CMultiSkipBucket, CSkipBucket, S(m_strMSkip1), S(m_strMSkip2), V(m_nMSkip1),
           V(m_nMSkip2), S(m_strMSkip3), V(m_nMSkip3), S(m_strMSkip4), V(m_nMSkip4));
VJD_LAYOUT(CSlantingSkipBucket, CSkipBucket, V(m_nSlSkip1), V(m_nSlSkip2), V(m_nSlSkip3),
           V(m_nSlSkip4), V(m_nSlSkip5), V(m_nSlSkip6), V(m_nSlSkip7), V(m_nSlSkip8));
VJD_LAYOUT(CElevator, CDevice, S(m_strElev1), V(m_nElev1), V(m_nElev2), V(m_nElev3), V(m_nElev4),
           V(m_nElev5), V(m_nElev6), S(m_strElev2), V(m_nElev7), V(m_nElev8), V(m_nElev9),
           V(m_nElev10), V(m_nElev11), V(m_nElev12));
VJD_LAYOUT(CSingleRopeElevator, CElevator, V(m_nSrElev1), V(m_nSrElev2), V(m_nSrElev3),
           V(m_nSrElev4), V(m_nSrElev5), V(m_nSrElev6), V(m_nSrElev7), S(m_strSrElev1),
           S(m_strSrElev2), S(m_strSrElev3), V(m_nSrElev8), V(m_nSrElev9), S(m_strSrElev4),
           V(m_nSrElev10), V(m_nSrElev11));
VJD_LAYOUT(CMultiRopeElevator, CElevator, V(m_nMrElev1), V(m_nMrElev2), V(m_nMrElev3),
           V(m_nMrElev4), V(m_nMrElev5), V(m_nMrElev6), V(m_nMrElev7), V(m_nMrElev8), V(m_nMrElev9),
           V(m_nMrElev10), V(m_nMrElev11), V(m_nMrElev12), V(m_nMrElev13), V(m_nMrElev14),
           V(m_nMrElev15), V(m_nMrElev16), V(m_nMrElev17), V(m_nMrElev18), V(m_nMrElev19),
           V(m_nMrElev20), V(m_nMrElev21), S(m_strMrElev1));
VJD_LAYOUT(CPullWheel, CDevice, S(m_strWheel1), V(m_nWheel1), V(m_nWheel2), V(m_nWheel3),
           S(m_strWheel2), V(m_nWheel4), V(m_nWheel5), V(m_nWheel6), V(m_nWheel7), V(m_nWheel8),
           V(m_nWheel9));
VJD_LAYOUT(CRetarder, CDevice, S(m_strRetard1), V(m_nRetard1), V(m_nRetard2), S(m_strRetard2),
           V(m_nRetard3), V(m_nRetard4), V(m_nRetard5), V(m_nRetard6), V(m_nRetard7));
VJD_LAYOUT(CEletromotor, CDevice, S(m_strEmotor1), S(m_strEmotor2), V(m_nEmotor1), V(m_nEmotor2),
           V(m_nEmotor3), V(m_nEmotor4), V(m_nEmotor5), V(m_nEmotor6), V(m_nEmotor7), V(m_nEmotor8),
           V(m_nEmotor9), V(m_nEmotor10), V(m_nEmotor11), V(m_nEmotor12));
VJD_LAYOUT(CAirCompressor, CDevice, S(m_strComp1), S(m_strComp2), V(m_nComp1), V(m_nComp2),
           V(m_nComp3), V(m_nComp4), V(m_nComp5), V(m_nComp6), S(m_strComp3), V(m_nComp7),
           V(m_nComp8), S(m_strComp4));

#undef VJD_LAYOUT
#undef V
#undef S

#if defined(_WIN32) && !defined(_WIN64)  // the host's own ABI
static_assert(sizeof(void*) == 4 && sizeof(CString) == 4, "the host's members are 4 bytes wide");
static_assert(sizeof(CMultiRopeElevator) == 4 * (1 + 53), "CMultiRopeElevator: 53 members");
#endif

}  // namespace
