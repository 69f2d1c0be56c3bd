// CString: the framework's text type.  A GBK byte string, reference-counted and one pointer wide:
// the object holds only a pointer to its characters, which follow a small header (reference count,
// length, capacity) in one heap block.  A copy shares the block; assignment and destruction release
// the old one; every change first makes the block the string's own (copy on write).  Empty strings
// share one static block that is never freed.  Blocks are allocated with malloc and freed with
// free, so a string made in one module of the process may be released in another.
//
// Lengths and positions are byte counts.  Comparisons are byte for byte, without case folding.
// A text longer than INT_MAX / 2 bytes, or a block that cannot be allocated, throws
// std::bad_alloc and leaves the string as it was; copying a CString, assigning one CString to
// another and destroying one never allocate and never throw.
// Pass a CString to Format or printf as (const char*)s, never as the object itself.
#pragma once

#include <cstdarg>

class CString {
 public:
  CString();
  CString(const CString& other);
  CString(const char* text);             // nullptr gives an empty string
  CString(const char* text, int count);  // the first `count` bytes (stops at none: embeds NULs)
  CString(char ch, int repeat = 1);
  ~CString();

  CString& operator=(const CString& other);
  CString& operator=(const char* text);
  CString& operator=(char ch);

  CString& operator+=(const CString& other);
  CString& operator+=(const char* text);
  CString& operator+=(char ch);

  int GetLength() const;
  bool IsEmpty() const { return GetLength() == 0; }
  void Empty();

  operator const char*() const { return m_pchData; }
  const char* GetString() const { return m_pchData; }

  char GetAt(int index) const;  // index must lie in 0 .. GetLength()-1
  char operator[](int index) const { return GetAt(index); }
  void SetAt(int index, char ch);

  // <0, 0, >0 as strcmp on unsigned bytes.
  int Compare(const char* text) const;
  // Compares ASCII letters without case; other bytes (GBK included) byte for byte.
  int CompareNoCase(const char* text) const;

  // Positions from 0; -1 when not found or `start` lies beyond the text.
  int Find(char ch, int start = 0) const;
  int Find(const char* sub, int start = 0) const;
  int ReverseFind(char ch) const;

  // Counts and positions out of range are clamped, as the framework always did.
  CString Left(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString Right(int count) const;

  // Whitespace is the ASCII set " \t\n\v\f\r"; GBK bytes are never whitespace.
  CString& TrimLeft();
  CString& TrimRight();
  CString& Trim();
  CString& TrimLeft(char target);
  CString& TrimRight(char target);

  // ASCII letters only; the second byte of a GBK character is left alone.
  CString& MakeUpper();
  CString& MakeLower();

  int Replace(const char* old_text, const char* new_text);  // returns the count replaced
  int Insert(int index, const char* text);                  // returns the new length
  int Delete(int index, int count = 1);                     // returns the new length

  // printf-style; replaces the contents.
  void Format(const char* format, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 2, 3)))
#endif
      ;
  void FormatV(const char* format, va_list args);

  // A writable buffer of at least min_length + 1 bytes holding the current text.  After writing,
  // ReleaseBuffer(new_length) sets the length (-1: up to the first NUL) and terminates the text.
  char* GetBuffer(int min_length = 0);
  char* GetBufferSetLength(int length);
  void ReleaseBuffer(int new_length = -1);

  friend CString operator+(const CString& a, const CString& b);
  friend CString operator+(const CString& a, const char* b);
  friend CString operator+(const char* a, const CString& b);
  friend CString operator+(const CString& a, char b);
  friend CString operator+(char a, const CString& b);

 private:
  struct Data;
  Data* GetData() const;
  void Release();
  void AllocBuffer(int length);  // a fresh block of its own, length set, not filled
  void AssignCopy(const char* text, int length);
  void AppendBytes(const char* text, int length);
  void CopyBeforeWrite();
  void ConcatInit(const char* a, int a_len, const char* b, int b_len);
  void MapLetters(char (*map)(char));  // every ASCII letter, never a GBK character's byte

  char* m_pchData;
};

static_assert(sizeof(CString) == sizeof(void*), "CString must stay one pointer wide");

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
bool operator!=(const char* a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator<(const CString& a, const char* b);
bool operator<(const char* a, const CString& b);
bool operator>(const CString& a, const CString& b);
bool operator>(const CString& a, const char* b);
bool operator>(const char* a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator<=(const CString& a, const char* b);
bool operator<=(const char* a, const CString& b);
bool operator>=(const CString& a, const CString& b);
bool operator>=(const CString& a, const char* b);
bool operator>=(const char* a, const CString& b);
