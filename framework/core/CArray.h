// CArray<TYPE, ARG_TYPE>: the framework's growable array.  The array owns its elements; they live
// in one heap block that grows by `grow_by` elements (or by a size-dependent step when that is 0).
// Indices are 0-based ints.  An index outside the array is a programming error: it is caught by an
// assertion in debug builds, and GetAt/SetAt/InsertAt/RemoveAt never touch memory outside the
// block in release builds (GetAt then returns a default element).  Copying an array copies its
// elements.  The plain element arrays CDWordArray, CUIntArray, CWordArray, CByteArray and
// CPtrArray are defined at the end.
//
// Sizes are checked before any arithmetic: an array never holds more than MaxSize() elements
// (an int count whose bytes fit the address space, on 32-bit builds too), and a growth step never
// reserves more than the array's size again (at least 1024 elements).  An operation that would
// need a longer array, or whose block cannot be allocated, throws std::bad_alloc and leaves the
// array as it was; every export, window procedure and COM entry point catches it.
#pragma once

#include <cassert>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
 public:
  CArray() = default;
  CArray(const CArray& other) { Copy(other); }
  CArray& operator=(const CArray& other) {
    if (this != &other) Copy(other);
    return *this;
  }
  ~CArray() { Clear(); }

  int GetSize() const { return m_nSize; }
  int GetCount() const { return m_nSize; }
  bool IsEmpty() const { return m_nSize == 0; }
  int GetUpperBound() const { return m_nSize - 1; }

  // The most elements an array of TYPE can hold.
  static constexpr int MaxSize() {
    return SIZE_MAX / sizeof(TYPE) < static_cast<size_t>(INT_MAX)
               ? static_cast<int>(SIZE_MAX / sizeof(TYPE))
               : INT_MAX;
  }

  // Makes the array `new_size` elements long (new elements default-constructed; a negative size
  // is 0); grow_by >= 0 also sets the growth step.
  void SetSize(int new_size, int grow_by = -1);
  void FreeExtra();
  void RemoveAll() { SetSize(0, -1); }

  const TYPE& GetAt(int index) const {
    assert(index >= 0 && index < m_nSize);
    if (index < 0 || index >= m_nSize) return Fallback();
    return m_pData[index];
  }
  void SetAt(int index, ARG_TYPE element) {
    assert(index >= 0 && index < m_nSize);
    if (index >= 0 && index < m_nSize) m_pData[index] = element;
  }
  TYPE& ElementAt(int index) {
    assert(index >= 0 && index < m_nSize);
    return m_pData[index];
  }
  const TYPE& ElementAt(int index) const {
    assert(index >= 0 && index < m_nSize);
    return m_pData[index];
  }
  TYPE& operator[](int index) { return ElementAt(index); }
  const TYPE& operator[](int index) const { return GetAt(index); }

  const TYPE* GetData() const { return m_pData; }
  TYPE* GetData() { return m_pData; }

  // Sets the element, growing the array when `index` lies past its end.
  void SetAtGrow(int index, ARG_TYPE element);
  int Add(ARG_TYPE element) {
    int index = m_nSize;
    SetAtGrow(index, element);
    return index;
  }
  int Append(const CArray& other);  // returns the index of the first appended element
  void Copy(const CArray& other);

  // Inserts `count` copies of `element` before `index` (past the end: the array grows).
  void InsertAt(int index, ARG_TYPE element, int count = 1);
  void InsertAt(int start_index, const CArray* other);
  void RemoveAt(int index, int count = 1);

 private:
  static const TYPE& Fallback() {
    static const TYPE fallback{};
    return fallback;
  }
  void Clear() {
    for (int i = 0; i < m_nSize; ++i) m_pData[i].~TYPE();
    std::free(m_pData);
    m_pData = nullptr;
    m_nSize = m_nMaxSize = 0;
  }
  void Reserve(int capacity);
  // Throws std::bad_alloc unless `count` more elements after the first `base` ones fit.
  static void CheckRoom(int base, int count) {
    if (count > MaxSize() - base) throw std::bad_alloc();
  }

  TYPE* m_pData = nullptr;
  int m_nSize = 0;
  int m_nMaxSize = 0;
  int m_nGrowBy = 0;
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reserve(int capacity) {
  if (capacity <= m_nMaxSize) return;
  TYPE* block = static_cast<TYPE*>(std::malloc(sizeof(TYPE) * static_cast<size_t>(capacity)));
  if (block == nullptr) throw std::bad_alloc();  // the array stays as it was
  for (int i = 0; i < m_nSize; ++i) {
    new (&block[i]) TYPE(std::move(m_pData[i]));
    m_pData[i].~TYPE();
  }
  std::free(m_pData);
  m_pData = block;
  m_nMaxSize = capacity;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(int new_size, int grow_by) {
  if (grow_by >= 0) m_nGrowBy = grow_by;
  if (new_size < 0) new_size = 0;
  if (new_size == 0) {
    Clear();
    return;
  }
  CheckRoom(0, new_size);
  if (new_size > m_nMaxSize) {
    long long step = m_nGrowBy;
    if (step == 0) {
      step = m_nSize / 8;
      step = step < 4 ? 4 : (step > 1024 ? 1024 : step);
    }
    const long long most = new_size > 1024 ? new_size : 1024;  // a step is a hint, not a demand
    if (step > most) step = most;
    long long capacity = new_size;
    if (m_pData != nullptr && new_size < m_nMaxSize + step) capacity = m_nMaxSize + step;
    if (capacity > MaxSize()) capacity = MaxSize();
    Reserve(static_cast<int>(capacity));
  }
  for (int i = m_nSize; i < new_size; ++i) new (&m_pData[i]) TYPE();
  for (int i = new_size; i < m_nSize; ++i) m_pData[i].~TYPE();
  m_nSize = new_size;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra() {
  if (m_nSize == m_nMaxSize) return;
  if (m_nSize == 0) {
    Clear();
    return;
  }
  TYPE* block = static_cast<TYPE*>(std::malloc(sizeof(TYPE) * static_cast<size_t>(m_nSize)));
  if (block == nullptr) return;
  for (int i = 0; i < m_nSize; ++i) {
    new (&block[i]) TYPE(std::move(m_pData[i]));
    m_pData[i].~TYPE();
  }
  std::free(m_pData);
  m_pData = block;
  m_nMaxSize = m_nSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(int index, ARG_TYPE element) {
  assert(index >= 0);
  if (index < 0) return;
  if (index >= m_nSize) {
    CheckRoom(index, 1);
    TYPE keep(element);  // `element` may refer into this array's block
    SetSize(index + 1, -1);
    m_pData[index] = std::move(keep);
    return;
  }
  m_pData[index] = element;
}

template <class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::Append(const CArray& other) {
  int first = m_nSize;
  if (&other == this) {
    CArray copy(other);
    return Append(copy);
  }
  CheckRoom(m_nSize, other.m_nSize);
  SetSize(m_nSize + other.m_nSize, -1);
  for (int i = 0; i < other.m_nSize; ++i) m_pData[first + i] = other.m_pData[i];
  return first;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& other) {
  if (&other == this) return;
  SetSize(other.m_nSize, -1);
  for (int i = 0; i < other.m_nSize; ++i) m_pData[i] = other.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int index, ARG_TYPE element, int count) {
  assert(index >= 0 && count >= 0);
  if (index < 0 || count <= 0) return;
  CheckRoom(index > m_nSize ? index : m_nSize, count);
  TYPE keep(element);
  if (index >= m_nSize) {
    SetSize(index + count, -1);
  } else {
    int old_size = m_nSize;
    SetSize(m_nSize + count, -1);
    for (int i = old_size - 1; i >= index; --i) m_pData[i + count] = std::move(m_pData[i]);
  }
  for (int i = 0; i < count; ++i) m_pData[index + i] = keep;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int start_index, const CArray* other) {
  assert(other != nullptr && start_index >= 0);
  if (other == nullptr || start_index < 0 || other->m_nSize == 0) return;
  CArray copy(*other);  // `other` may be this array
  InsertAt(start_index, copy.m_pData[0], copy.m_nSize);
  for (int i = 0; i < copy.m_nSize; ++i) m_pData[start_index + i] = copy.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(int index, int count) {
  assert(index >= 0 && count >= 0 && index + count <= m_nSize);
  if (index < 0 || count <= 0 || index >= m_nSize) return;
  if (count > m_nSize - index) count = m_nSize - index;
  for (int i = index; i + count < m_nSize; ++i) m_pData[i] = std::move(m_pData[i + count]);
  for (int i = m_nSize - count; i < m_nSize; ++i) m_pData[i].~TYPE();
  m_nSize -= count;
}

// The plain element arrays.  A DWORD is the Windows 32-bit unsigned type, `unsigned long` there.
#if defined(_WIN32)
using VjdDword = unsigned long;
#else
using VjdDword = std::uint32_t;
#endif

class CDWordArray : public CArray<VjdDword, VjdDword> {};
class CUIntArray : public CArray<unsigned int, unsigned int> {};
class CWordArray : public CArray<unsigned short, unsigned short> {};
class CByteArray : public CArray<unsigned char, unsigned char> {};
class CPtrArray : public CArray<void*, void*> {};
