#include "CString.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

// The block in front of the characters.  nRefs < 0 marks the static empty block.
struct CString::Data {
  int nRefs;
  int nDataLength;
  int nAllocLength;
  char* chars() { return reinterpret_cast<char*>(this + 1); }
};

namespace {

// The shared empty string: a header with a negative count followed by one zero byte.
struct NilBlock {
  int header[3];
  char text[4];
};
NilBlock g_nil = {{-1, 0, 0}, {0, 0, 0, 0}};

char* NilChars() {
  return g_nil.text;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The longest text a string holds: its block (header, text, terminator) stays far below the
// size_t range also in 32-bit builds, and lengths added together stay below INT_MAX.
constexpr int kMaxLength = INT_MAX / 2;

int SafeLength(const char* text) {
  if (text == nullptr) return 0;
  size_t n = std::strlen(text);
  if (n > static_cast<size_t>(kMaxLength)) throw std::bad_alloc();
  return static_cast<int>(n);
}

char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// A GBK lead byte starts a two-byte character (0x81..0xFE).
bool IsLeadByte(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u >= 0x81 && u <= 0xFE;
}

}  // namespace

CString::Data* CString::GetData() const {
  return reinterpret_cast<Data*>(m_pchData) - 1;
}

void CString::AllocBuffer(int length) {
  if (length <= 0) {
    m_pchData = NilChars();
    return;
  }
  if (length > kMaxLength) throw std::bad_alloc();
  Data* d = static_cast<Data*>(std::malloc(sizeof(Data) + static_cast<size_t>(length) + 1));
  if (d == nullptr) throw std::bad_alloc();
  d->nRefs = 1;
  d->nDataLength = length;
  d->nAllocLength = length;
  d->chars()[length] = '\0';
  m_pchData = d->chars();
}

void CString::Release() {
  Data* d = GetData();
  if (d->nRefs >= 0 && __atomic_sub_fetch(&d->nRefs, 1, __ATOMIC_ACQ_REL) == 0) std::free(d);
  m_pchData = NilChars();
}

void CString::AssignCopy(const char* text, int length) {
  // `text` may point into our own block, so the new block is filled before the old one goes.
  CString fresh(text, length);
  *this = fresh;
}

void CString::CopyBeforeWrite() {
  Data* d = GetData();
  if (d->nRefs > 1) {
    int len = d->nDataLength;
    const char* old = m_pchData;
    AllocBuffer(len);
    std::memcpy(m_pchData, old, static_cast<size_t>(len));
    if (__atomic_sub_fetch(&d->nRefs, 1, __ATOMIC_ACQ_REL) == 0) std::free(d);
  }
}

void CString::ConcatInit(const char* a, int a_len, const char* b, int b_len) {
  if (a_len > kMaxLength - b_len) throw std::bad_alloc();
  AllocBuffer(a_len + b_len);
  if (a_len + b_len == 0) return;
  std::memcpy(m_pchData, a, static_cast<size_t>(a_len));
  std::memcpy(m_pchData + a_len, b, static_cast<size_t>(b_len));
}

void CString::AppendBytes(const char* text, int length) {
  if (length <= 0) return;
  Data* d = GetData();
  int old_len = d->nDataLength;
  if (length > kMaxLength - old_len) throw std::bad_alloc();
  if (d->nRefs == 1 && old_len + length <= d->nAllocLength &&
      (text < m_pchData || text > m_pchData + d->nAllocLength)) {
    std::memcpy(m_pchData + old_len, text, static_cast<size_t>(length));
    d->nDataLength = old_len + length;
    m_pchData[old_len + length] = '\0';
    return;
  }
  // A new block, grown by half again so that repeated appends stay linear.
  int want = old_len + length;
  int cap = want + want / 2;
  if (cap > kMaxLength) cap = want;
  CString grown;
  grown.AllocBuffer(cap);
  std::memcpy(grown.m_pchData, m_pchData, static_cast<size_t>(old_len));
  std::memcpy(grown.m_pchData + old_len, text, static_cast<size_t>(length));
  grown.GetData()->nDataLength = want;
  grown.m_pchData[want] = '\0';
  *this = grown;
}

CString::CString() : m_pchData(NilChars()) {}

CString::CString(const CString& other) : m_pchData(NilChars()) {
  Data* d = other.GetData();
  if (d->nRefs >= 0) {
    __atomic_add_fetch(&d->nRefs, 1, __ATOMIC_RELAXED);
    m_pchData = other.m_pchData;
  }
}

CString::CString(const char* text) : m_pchData(NilChars()) {
  int len = SafeLength(text);
  AllocBuffer(len);
  if (len > 0) std::memcpy(m_pchData, text, static_cast<size_t>(len));
}

CString::CString(const char* text, int count) : m_pchData(NilChars()) {
  if (text == nullptr || count <= 0) return;
  AllocBuffer(count);
  std::memcpy(m_pchData, text, static_cast<size_t>(count));
}

CString::CString(char ch, int repeat) : m_pchData(NilChars()) {
  if (repeat <= 0) return;
  AllocBuffer(repeat);
  std::memset(m_pchData, static_cast<unsigned char>(ch), static_cast<size_t>(repeat));
}

CString::~CString() {
  Release();
}

CString& CString::operator=(const CString& other) {
  if (m_pchData == other.m_pchData) return *this;
  Data* d = other.GetData();
  if (d->nRefs < 0) {  // an empty string, maybe another module's: use our own
    Release();
    return *this;
  }
  __atomic_add_fetch(&d->nRefs, 1, __ATOMIC_RELAXED);
  Release();
  m_pchData = other.m_pchData;
  return *this;
}

CString& CString::operator=(const char* text) {
  AssignCopy(text, SafeLength(text));
  return *this;
}

CString& CString::operator=(char ch) {
  AssignCopy(&ch, 1);
  return *this;
}

CString& CString::operator+=(const CString& other) {
  CString keep(other);  // `other` may be *this
  AppendBytes(keep.m_pchData, keep.GetLength());
  return *this;
}

CString& CString::operator+=(const char* text) {
  AppendBytes(text, SafeLength(text));
  return *this;
}

CString& CString::operator+=(char ch) {
  AppendBytes(&ch, 1);
  return *this;
}

int CString::GetLength() const {
  return GetData()->nDataLength;
}

void CString::Empty() {
  Release();
}

char CString::GetAt(int index) const {
  if (index < 0 || index >= GetLength()) return '\0';
  return m_pchData[index];
}

void CString::SetAt(int index, char ch) {
  if (index < 0 || index >= GetLength()) return;
  CopyBeforeWrite();
  m_pchData[index] = ch;
}

int CString::Compare(const char* text) const {
  return std::strcmp(m_pchData, text ? text : "");
}

int CString::CompareNoCase(const char* text) const {
  const unsigned char* a = reinterpret_cast<const unsigned char*>(m_pchData);
  const unsigned char* b = reinterpret_cast<const unsigned char*>(text ? text : "");
  for (;; ++a, ++b) {
    unsigned char ca = static_cast<unsigned char>(AsciiLower(static_cast<char>(*a)));
    unsigned char cb = static_cast<unsigned char>(AsciiLower(static_cast<char>(*b)));
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
}

int CString::Find(char ch, int start) const {
  int len = GetLength();
  if (start < 0) start = 0;
  if (start >= len) return -1;
  const void* p = std::memchr(m_pchData + start, static_cast<unsigned char>(ch),
                              static_cast<size_t>(len - start));
  return p ? static_cast<int>(static_cast<const char*>(p) - m_pchData) : -1;
}

int CString::Find(const char* sub, int start) const {
  int len = GetLength();
  if (start < 0) start = 0;
  if (start > len) return -1;
  const char* p = std::strstr(m_pchData + start, sub ? sub : "");
  return p ? static_cast<int>(p - m_pchData) : -1;
}

int CString::ReverseFind(char ch) const {
  for (int i = GetLength() - 1; i >= 0; --i)
    if (m_pchData[i] == ch) return i;
  return -1;
}

CString CString::Left(int count) const {
  if (count < 0) count = 0;
  if (count >= GetLength()) return *this;
  return CString(m_pchData, count);
}

CString CString::Mid(int first) const {
  return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
  int len = GetLength();
  if (first < 0) first = 0;
  if (count < 0) count = 0;
  if (first > len) first = len;
  if (count > len - first) count = len - first;
  if (first == 0 && count == len) return *this;
  return CString(m_pchData + first, count);
}

CString CString::Right(int count) const {
  int len = GetLength();
  if (count < 0) count = 0;
  if (count >= len) return *this;
  return CString(m_pchData + len - count, count);
}

CString& CString::TrimLeft() {
  int len = GetLength();
  int i = 0;
  while (i < len && IsSpace(m_pchData[i])) ++i;
  if (i > 0) AssignCopy(m_pchData + i, len - i);
  return *this;
}

CString& CString::TrimRight() {
  int len = GetLength();
  int n = len;
  while (n > 0 && IsSpace(m_pchData[n - 1])) --n;
  if (n < len) AssignCopy(m_pchData, n);
  return *this;
}

CString& CString::Trim() {
  return TrimRight().TrimLeft();
}

CString& CString::TrimLeft(char target) {
  int len = GetLength();
  int i = 0;
  while (i < len && m_pchData[i] == target) ++i;
  if (i > 0) AssignCopy(m_pchData + i, len - i);
  return *this;
}

CString& CString::TrimRight(char target) {
  int len = GetLength();
  int n = len;
  while (n > 0 && m_pchData[n - 1] == target) --n;
  if (n < len) AssignCopy(m_pchData, n);
  return *this;
}

CString& CString::MakeUpper() {
  MapLetters(&AsciiUpper);
  return *this;
}

CString& CString::MakeLower() {
  MapLetters(&AsciiLower);
  return *this;
}

void CString::MapLetters(char (*map)(char)) {
  CopyBeforeWrite();
  int len = GetLength();
  for (int i = 0; i < len; ++i) {
    if (IsLeadByte(m_pchData[i]) && i + 1 < len) {
      ++i;  // the second byte of a GBK character is no letter
      continue;
    }
    m_pchData[i] = map(m_pchData[i]);
  }
}

int CString::Replace(const char* old_text, const char* new_text) {
  int old_len = SafeLength(old_text);
  if (old_len == 0) return 0;
  int new_len = SafeLength(new_text);
  CString result;
  int count = 0;
  int pos = 0;
  int len = GetLength();
  for (;;) {
    int hit = Find(old_text, pos);
    if (hit < 0) break;
    result.AppendBytes(m_pchData + pos, hit - pos);
    result.AppendBytes(new_text, new_len);
    pos = hit + old_len;
    ++count;
  }
  if (count == 0) return 0;
  result.AppendBytes(m_pchData + pos, len - pos);
  *this = result;
  return count;
}

int CString::Insert(int index, const char* text) {
  int len = GetLength();
  if (index < 0) index = 0;
  if (index > len) index = len;
  CString result(m_pchData, index);
  result += text;
  result.AppendBytes(m_pchData + index, len - index);
  *this = result;
  return GetLength();
}

int CString::Delete(int index, int count) {
  int len = GetLength();
  if (index < 0) index = 0;
  if (index >= len || count <= 0) return len;
  if (count > len - index) count = len - index;
  CString result(m_pchData, index);
  result.AppendBytes(m_pchData + index + count, len - index - count);
  *this = result;
  return GetLength();
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
  va_list probe;
  va_copy(probe, args);
  int need = std::vsnprintf(nullptr, 0, format ? format : "", probe);
  va_end(probe);
  if (need <= 0) {
    Empty();
    return;
  }
  CString result;
  result.AllocBuffer(need);
  std::vsnprintf(result.m_pchData, static_cast<size_t>(need) + 1, format, args);
  *this = result;
}

char* CString::GetBuffer(int min_length) {
  Data* d = GetData();
  if (min_length < 0) min_length = 0;
  if (d->nRefs != 1 || min_length > d->nAllocLength) {
    int len = d->nDataLength;
    int cap = min_length > len ? min_length : len;
    if (cap == 0)
      cap = 1;  // a block of our own even for an empty text, so writes never hit the nil
    CString fresh;
    fresh.AllocBuffer(cap);
    std::memcpy(fresh.m_pchData, m_pchData, static_cast<size_t>(len) + 1);
    fresh.GetData()->nDataLength = len;
    *this = fresh;
  }
  return m_pchData;
}

char* CString::GetBufferSetLength(int length) {
  GetBuffer(length);
  ReleaseBuffer(length < 0 ? 0 : length);
  return m_pchData;
}

void CString::ReleaseBuffer(int new_length) {
  Data* d = GetData();
  if (d->nRefs < 0) return;  // nothing was handed out
  CopyBeforeWrite();
  d = GetData();
  if (new_length < 0)
    new_length = static_cast<int>(strnlen(m_pchData, static_cast<size_t>(d->nAllocLength)));
  if (new_length > d->nAllocLength) new_length = d->nAllocLength;
  d->nDataLength = new_length;
  m_pchData[new_length] = '\0';
}

CString operator+(const CString& a, const CString& b) {
  CString r;
  r.ConcatInit(a.m_pchData, a.GetLength(), b.m_pchData, b.GetLength());
  return r;
}

CString operator+(const CString& a, const char* b) {
  CString r;
  r.ConcatInit(a.m_pchData, a.GetLength(), b ? b : "", SafeLength(b));
  return r;
}

CString operator+(const char* a, const CString& b) {
  CString r;
  r.ConcatInit(a ? a : "", SafeLength(a), b.m_pchData, b.GetLength());
  return r;
}

CString operator+(const CString& a, char b) {
  CString r;
  r.ConcatInit(a.m_pchData, a.GetLength(), &b, 1);
  return r;
}

CString operator+(char a, const CString& b) {
  CString r;
  r.ConcatInit(&a, 1, b.m_pchData, b.GetLength());
  return r;
}

bool operator==(const CString& a, const CString& b) {
  return a.Compare(b) == 0;
}
bool operator==(const CString& a, const char* b) {
  return a.Compare(b) == 0;
}
bool operator==(const char* a, const CString& b) {
  return b.Compare(a) == 0;
}
bool operator!=(const CString& a, const CString& b) {
  return a.Compare(b) != 0;
}
bool operator!=(const CString& a, const char* b) {
  return a.Compare(b) != 0;
}
bool operator!=(const char* a, const CString& b) {
  return b.Compare(a) != 0;
}
bool operator<(const CString& a, const CString& b) {
  return a.Compare(b) < 0;
}
bool operator<(const CString& a, const char* b) {
  return a.Compare(b) < 0;
}
bool operator<(const char* a, const CString& b) {
  return b.Compare(a) > 0;
}
bool operator>(const CString& a, const CString& b) {
  return a.Compare(b) > 0;
}
bool operator>(const CString& a, const char* b) {
  return a.Compare(b) > 0;
}
bool operator>(const char* a, const CString& b) {
  return b.Compare(a) < 0;
}
bool operator<=(const CString& a, const CString& b) {
  return a.Compare(b) <= 0;
}
bool operator<=(const CString& a, const char* b) {
  return a.Compare(b) <= 0;
}
bool operator<=(const char* a, const CString& b) {
  return b.Compare(a) >= 0;
}
bool operator>=(const CString& a, const CString& b) {
  return a.Compare(b) >= 0;
}
bool operator>=(const CString& a, const char* b) {
  return a.Compare(b) >= 0;
}
bool operator>=(const char* a, const CString& b) {
  return b.Compare(a) <= 0;
}
