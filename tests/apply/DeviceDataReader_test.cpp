// The device-data readers over an in-memory item source.
#include "DeviceDataReader.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace vjd::annotation {
namespace {

class FakeItems : public IDeviceItemSource {
 public:
  std::map<std::tuple<int, int, int>, std::string> values;  // (id, code, column)
  std::map<std::pair<int, int>, bool> present;              // (id, code)

  void Put(int id, int code, int column, const std::string& value) {
    present[{id, code}] = true;
    values[{id, code, column}] = value;
  }
  bool ReadItem(int id, int code, const int* columns, std::string* out, int count) override {
    if (!present.count({id, code})) return false;
    for (int i = 0; i < count; ++i) out[i] = values[{id, code, columns[i]}];
    return true;
  }
};

TEST(DeviceDataReader, ReadsTheAgreedItemsAndColumns) {
  FakeItems items;
  items.Put(7, 164, 1, "Y2-4");
  items.Put(7, 155, 0, "200");
  items.Put(7, 155, 7, "2");
  items.Put(7, 167, 0, "1");
  items.Put(7, 167, 1, "MYP-1");
  items.Put(7, 167, 4, "3×50");
  items.Put(7, 161, 1, "980");
  CDeviceDataReader reader(items);
  EXPECT_EQ(reader.GetMotorModel(7), "Y2-4");
  std::string run, length, model, spec;
  reader.GetCableLength(7, run, length);
  EXPECT_EQ(run, "2");
  EXPECT_EQ(length, "200");
  reader.GetCableType(7, model, spec);
  EXPECT_EQ(model, "MYP-1");
  EXPECT_EQ(spec, "3×50");
  EXPECT_TRUE(reader.HasCableData(7));
  EXPECT_EQ(reader.GetShortCircuitCurrent(7), "980");
}

TEST(DeviceDataReader, AbsentItemsReadAsNothing) {
  FakeItems items;
  CDeviceDataReader reader(items);
  EXPECT_EQ(reader.GetMotorModel(1), "");
  EXPECT_FALSE(reader.HasCableData(1));
  EXPECT_EQ(reader.GetShortCircuitCurrent(1), "");
  std::string run = "keep", length = "keep", model = "keep", spec = "keep";
  reader.GetCableLength(1, run, length);
  reader.GetCableType(1, model, spec);
  EXPECT_EQ(run + length + model + spec, "keepkeepkeepkeep");
}

TEST(DeviceDataReader, CableDataIsANumber) {
  FakeItems items;
  CDeviceDataReader reader(items);
  // Decimal numbers only; beyond the double range is no number either.
  const char* zeros[] = {"0", "", "0.0", "abc", "nan", "inf", "0x1", "1e400"};
  for (const char* value : zeros) {
    items.Put(2, 167, 0, value);
    EXPECT_FALSE(reader.HasCableData(2)) << value;
  }
  items.Put(2, 167, 0, "0.5");
  EXPECT_TRUE(reader.HasCableData(2));
}

}  // namespace
}  // namespace vjd::annotation
