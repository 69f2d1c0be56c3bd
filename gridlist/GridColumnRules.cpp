#include "GridColumnRules.h"

namespace {

// Sets flags[column], growing the array with cleared flags as needed; false for a negative column.
bool SetFlag(CByteArray& flags, int column, bool on) {
  if (column < 0) return false;
  const int size = static_cast<int>(flags.GetSize());
  if (size < column + 1) {
    flags.SetSize(column + 1);
    for (int i = size; i < column + 1; ++i) flags[i] = 0;
  }
  flags[column] = on ? 1 : 0;
  return true;
}

bool FlagOf(const CByteArray& flags, int column) {
  return column >= 0 && column < flags.GetSize() && flags[column] != 0;
}

}  // namespace

bool CGridColumnRules::IsReadOnly(int column) const {
  return FlagOf(m_arrReadOnly, column);
}

int CGridColumnRules::SetReadOnlyColumnCount(int count) {
  if (count < 0) return -1;
  const int before = static_cast<int>(m_arrReadOnly.GetSize());
  m_arrReadOnly.SetSize(count);
  for (int i = 0; i < count; ++i) m_arrReadOnly[i] = 1;
  return before;
}

bool CGridColumnRules::SetColumnReadOnly(int column, bool readOnly) {
  return SetFlag(m_arrReadOnly, column, readOnly);
}

bool CGridColumnRules::IsChoice(int column) const {
  return FlagOf(m_arrChoice, column);
}

bool CGridColumnRules::SetColumnChoice(int column, bool choice) {
  return SetFlag(m_arrChoice, column, choice);
}

bool CGridColumnRules::SetColumnEditor(int column, int kind, int columnCount) {
  if (column < 0 || column >= columnCount) return false;
  const int size = static_cast<int>(m_arrEditorKinds.GetSize());
  m_arrEditorKinds.SetSize(columnCount);
  for (int i = size; i < columnCount; ++i) m_arrEditorKinds[i] = EditorEditBox;
  m_arrEditorKinds[column] = kind;
  return true;
}

int CGridColumnRules::GetColumnEditor(int column, int columnCount) {
  if (column < 0 || column >= columnCount) return EditorEditBox;
  const int size = static_cast<int>(m_arrEditorKinds.GetSize());
  if (size < columnCount) {
    m_arrEditorKinds.SetSize(columnCount);
    for (int i = size; i < columnCount; ++i) m_arrEditorKinds[i] = EditorEditBox;
  }
  return m_arrEditorKinds[column];
}

int CGridColumnRules::EditorFor(int row, int column, int rowCount, int columnCount) {
  if (IsReadOnly(column) || row < 0 || row >= rowCount || column < 0 || column >= columnCount)
    return EditorNone;
  return GetColumnEditor(column, columnCount);
}

void CGridColumnRules::SetColumnOptions(const CStringArray& options) {
  m_arrOptions.RemoveAll();
  for (int i = 0; i < options.GetSize(); ++i) m_arrOptions.Add(options[i]);
}

void CGridColumnRules::GetColumnOptions(const CStringArray& flat, int column, CStringArray& out) {
  if (column < 0) return;
  int separators = 0;
  for (int i = 0; i < flat.GetSize(); ++i) {
    if (flat[i].IsEmpty()) {
      if (++separators > column) return;
    } else if (separators == column) {
      out.Add(flat[i]);
    }
  }
}
