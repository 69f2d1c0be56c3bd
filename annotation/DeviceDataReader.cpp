#include "DeviceDataReader.h"

#include "NumberText.h"

namespace vjd::annotation {

std::string CDeviceDataReader::GetMotorModel(int id) {
  const int columns[] = {kColumnMotorModel};
  std::string model;
  return m_source.ReadItem(id, kItemMotor, columns, &model, 1) ? model : std::string();
}

void CDeviceDataReader::GetCableLength(int id, std::string& runCount, std::string& length) {
  const int columns[] = {kColumnLength, kColumnRunCount};
  std::string values[2];
  if (!m_source.ReadItem(id, kItemCableLength, columns, values, 2)) return;
  length = values[0];
  runCount = values[1];
}

void CDeviceDataReader::GetCableType(int id, std::string& model, std::string& spec) {
  const int columns[] = {kColumnCableModel, kColumnCableSpec};
  std::string values[2];
  if (!m_source.ReadItem(id, kItemCableType, columns, values, 2)) return;
  model = values[0];
  spec = values[1];
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
