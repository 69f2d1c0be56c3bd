#include "DeviceDataReader.h"

#include "NumberText.h"

namespace vjd::annotation {

std::string CDeviceDataReader::GetMotorModel(int id) {
  const int columns[] = {kColumnMotorModel};
  std::string model;
  return m_source.ReadItem(id, kItemMotor, columns, &model, 1) ? model : std::string();
}

void CDeviceDataReader::ReadPair(int id, int itemCode, int firstColumn, int secondColumn,
                                 std::string& first, std::string& second) {
  const int columns[] = {firstColumn, secondColumn};
  std::string values[2];
  if (!m_source.ReadItem(id, itemCode, columns, values, 2)) return;
  first = values[0];
  second = values[1];
}

void CDeviceDataReader::GetCableLength(int id, std::string& runCount, std::string& length) {
  ReadPair(id, kItemCableLength, kColumnLength, kColumnRunCount, length, runCount);
}

void CDeviceDataReader::GetCableType(int id, std::string& model, std::string& spec) {
  ReadPair(id, kItemCableType, kColumnCableModel, kColumnCableSpec, model, spec);
}

bool CDeviceDataReader::HasCableData(int id) {
  const int columns[] = {kColumnCableData};
  std::string value = "0";
  if (!m_source.ReadItem(id, kItemCableType, columns, &value, 1)) return false;
  return ReadReal(value.c_str(), 0.0) != 0.0;  // a value beyond the range is no value
}

std::string CDeviceDataReader::GetShortCircuitCurrent(int id) {
  const int columns[] = {kColumnCurrent};
  std::string current;
  return m_source.ReadItem(id, kItemShortCircuit, columns, &current, 1) ? current : std::string();
}

}  // namespace vjd::annotation
