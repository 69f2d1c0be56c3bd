// The readers of single device-data values that Apply uses: motor model, cable length and run
// count, cable model and specification, whether a cable has data, short-circuit current.  They
// sit on an IDeviceItemSource, which the Windows build implements over the map's device-data
// objects (CHostDeviceItems) and tests implement in memory.  The reader borrows its source.
//
// An absent item (the table has no row for its code) gives: model "", length and type outputs
// untouched, no cable data, current "" - so Apply leaves such an entity alone.
#pragma once

#include <string>

namespace vjd::annotation {

// Item codes and columns of the entity device data.
inline constexpr int kItemMotor = 164;
inline constexpr int kColumnMotorModel = 1;
inline constexpr int kItemCableLength = 155;
inline constexpr int kColumnLength = 0;
inline constexpr int kColumnRunCount = 7;
inline constexpr int kItemCableType = 167;
inline constexpr int kColumnCableData = 0;
inline constexpr int kColumnCableModel = 1;
inline constexpr int kColumnCableSpec = 4;
inline constexpr int kItemShortCircuit = 161;
inline constexpr int kColumnCurrent = 1;

class IDeviceItemSource {
 public:
  virtual ~IDeviceItemSource() = default;
  // Reads `count` columns of the item `itemCode` of entity `id` into `values` (GBK texts, each
  // complete and terminated within its length).  False, with `values` untouched, when the
  // entity has no such item.
  virtual bool ReadItem(int id, int itemCode, const int* columns, std::string* values,
                        int count) = 0;
};

class CDeviceDataReader {
 public:
  explicit CDeviceDataReader(IDeviceItemSource& source) : m_source(source) {}

  std::string GetMotorModel(int id);
  void GetCableLength(int id, std::string& runCount, std::string& length);
  void GetCableType(int id, std::string& model, std::string& spec);
  // Column 0 of the cable type item, read as a number (ReadReal), is not zero.
  bool HasCableData(int id);
  std::string GetShortCircuitCurrent(int id);

 private:
  // Two columns of one item; both strings stay as they are when the entity has no such item.
  void ReadPair(int id, int itemCode, int firstColumn, int secondColumn, std::string& first,
                std::string& second);

  IDeviceItemSource& m_source;
};

}  // namespace vjd::annotation
