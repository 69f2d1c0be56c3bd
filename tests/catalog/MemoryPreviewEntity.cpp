#include "MemoryPreviewEntity.h"

#include <cstring>

namespace {

// Size of the value behind each code, and the code a getter reads back from.
struct CodeInfo {
  int size;
  int setter;  // for getters: the code whose stored value they answer; 0 for setters
};

CodeInfo InfoOf(int code, int index) {
  switch (code) {
    case ATTR_LABEL_COUNT_GET:
      return {4, ATTR_LABEL_COUNT_SET};
    case ATTR_LABEL_TEXT_GET:
      return {QK_LABEL_TEXT_SIZE, ATTR_LABEL_TEXT_SET};
    case ATTR_LABEL_VISIBLE_GET:
      return {4, ATTR_LABEL_VISIBLE_SET};
    case ATTR_LABEL_POSITION_GET:
      return {4, ATTR_LABEL_POSITION_SET};
    case ATTR_LABEL_HEIGHT_GET:
      return {8, ATTR_LABEL_HEIGHT_SET};
    case ATTR_LABEL_WIDTH_GET:
      return {8, ATTR_LABEL_WIDTH_SET};
    case ATTR_LABEL_ANGLE_GET:
      return {8, ATTR_LABEL_ANGLE_SET};
    case ATTR_LABEL_FOLLOW_GET:
      return {4, ATTR_LABEL_FOLLOW_SET};
    case ATTR_BASE_POINT_GET:
      return {24, ATTR_BASE_POINT_SET};
    case ATTR_LABEL_TEXT_SET:
      return {QK_LABEL_TEXT_SIZE, 0};
    case ATTR_LABEL_HEIGHT_SET:
    case ATTR_LABEL_WIDTH_SET:
    case ATTR_LABEL_ANGLE_SET:
      return {8, 0};
    case ATTR_LABEL_ANCHOR_SET:
    case ATTR_BASE_POINT_SET:
      return {24, 0};
    case ATTR_OUTLINE_SET:
      return {24 * index, 0};
    default:
      return {4, 0};
  }
}

}  // namespace

MemoryPreviewEntity::MemoryPreviewEntity() : attributes(EntityAttributeBlock::Fresh()) {}

int MemoryPreviewEntity::Param(int code, void* value, int index) {
  log.push_back({code, index});
  CodeInfo info = InfoOf(code, index);
  if (info.setter) {
    auto it = m_values.find({info.setter, code == ATTR_BASE_POINT_GET ? 0 : index});
    if (it == m_values.end()) return 0;
    std::memcpy(value, it->second.data(), it->second.size());
    return 1;
  }
  const unsigned char* bytes = static_cast<const unsigned char*>(value);
  // The outline's index is its point count, not a label: keep it under label 0.
  int key = code == ATTR_OUTLINE_SET ? 0 : index;
  if (code == ATTR_LABEL_TEXT_SET) {
    m_values[{code, key}].assign(bytes, bytes + std::strlen(static_cast<const char*>(value)) + 1);
  } else {
    m_values[{code, key}].assign(bytes, bytes + info.size);
  }
  return 1;
}

int MemoryPreviewEntity::GetAttributes(EntityAttributeBlock& block) {
  block = attributes;
  return 1;
}

int MemoryPreviewEntity::SetAttributes(const EntityAttributeBlock& block) {
  attributes = block;
  return 1;
}

int MemoryPreviewEntity::SetSymbol(const QkSymbolRef& ref) {
  symbol = ref;
  ++symbolCalls;
  return 1;
}

int MemoryPreviewEntity::Int(int code, int index) const {
  int value = 0;
  auto it = m_values.find({code, index});
  if (it != m_values.end()) std::memcpy(&value, it->second.data(), sizeof value);
  return value;
}

double MemoryPreviewEntity::Double(int code, int index) const {
  double value = 0;
  auto it = m_values.find({code, index});
  if (it != m_values.end()) std::memcpy(&value, it->second.data(), sizeof value);
  return value;
}

std::string MemoryPreviewEntity::Text(int code, int index) const {
  auto it = m_values.find({code, index});
  return it == m_values.end() ? std::string()
                              : std::string(reinterpret_cast<const char*>(it->second.data()));
}

std::vector<double> MemoryPreviewEntity::Doubles(int code, int index) const {
  std::vector<double> values;
  auto it = m_values.find({code, index});
  if (it == m_values.end()) return values;
  values.resize(it->second.size() / sizeof(double));
  std::memcpy(values.data(), it->second.data(), values.size() * sizeof(double));
  return values;
}

int MemoryPreviewEntity::FirstCall(int code, int index) const {
  for (size_t k = 0; k < log.size(); ++k) {
    if (log[k].code == code && log[k].index == index) return static_cast<int>(k);
  }
  return -1;
}
