// Base of every typed driver over a host automation object: holds one IDispatch pointer and
// invokes its members by DISPID.  Nothing here throws; every call reports success as a bool or
// HRESULT, and the typed drivers on top turn failures into their documented defaults.
//
// Ownership: a driver either owns one reference (released by ReleaseDispatch and the destructor)
// or borrows the pointer (AttachDispatch(p, false)), as the map is borrowed from the host.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <string>

namespace vjd::host {

class CDispatchDriver {
 public:
  CDispatchDriver() = default;
  CDispatchDriver(IDispatch* dispatch, bool autoRelease)
      : m_lpDispatch(dispatch), m_bAutoRelease(autoRelease) {}
  ~CDispatchDriver() { ReleaseDispatch(); }
  CDispatchDriver(const CDispatchDriver&) = delete;
  CDispatchDriver& operator=(const CDispatchDriver&) = delete;
  CDispatchDriver(CDispatchDriver&& other) noexcept;
  CDispatchDriver& operator=(CDispatchDriver&& other) noexcept;

  // Takes `dispatch` (releasing what was held before); with autoRelease the driver owns one
  // reference of it, which the caller hands over.
  void AttachDispatch(IDispatch* dispatch, bool autoRelease = true);
  IDispatch* DetachDispatch();
  void ReleaseDispatch();
  // Creates an in-process or local object by its programmatic identifier (GBK text).
  bool CreateDispatch(const char* progId);

  IDispatch* GetDispatch() const { return m_lpDispatch; }
  bool IsAttached() const { return m_lpDispatch != nullptr; }

  // One IDispatch::Invoke.  `args` are in natural order (first argument first); `result` may be
  // null.  Returns E_POINTER without a call when no object is held.  A property put passes its
  // value as the last argument.
  HRESULT Invoke(DISPID dispid, WORD flags, VARIANT* args, UINT argCount, VARIANT* result) const;

  // Typed shortcuts; each returns false (leaving `out` untouched) when the call or the
  // conversion fails.
  bool CallInt(DISPID dispid, WORD flags, VARIANT* args, UINT argCount, int& out) const;
  bool CallDouble(DISPID dispid, WORD flags, VARIANT* args, UINT argCount, double& out) const;
  // The integer result of a call, or `fallback` when the call or the conversion fails.
  int IntOr(int fallback, DISPID dispid, WORD flags, VARIANT* args = nullptr,
            UINT argCount = 0) const;
  // On success the returned object carries one reference that belongs to the caller.
  bool CallDispatch(DISPID dispid, WORD flags, VARIANT* args, UINT argCount, IDispatch*& out) const;
  bool CallVoid(DISPID dispid, WORD flags, VARIANT* args = nullptr, UINT argCount = 0) const;
  bool PutProperty(DISPID dispid, VARIANT value) const;

  // Argument builders (VARIANTs that own nothing except MakeText's BSTR; see VariantClear).
  static VARIANT MakeInt(int value);
  static VARIANT MakeBool(bool value);
  static VARIANT MakeIntRef(int* address);
  static VARIANT MakeDispatch(IDispatch* dispatch);
  static VARIANT MakeBytesRef(unsigned char* buffer);
  // GBK text to a BSTR variant; the caller clears it.  A null text is sent as an empty one.
  static VARIANT MakeText(const char* gbk);

 private:
  // Invokes and converts the result to `type` in `out` (which then holds what the caller must
  // clear); false, with `out` empty, when the call or the conversion fails.
  bool CallAs(DISPID dispid, WORD flags, VARIANT* args, UINT argCount, VARTYPE type,
              VARIANT& out) const;

  IDispatch* m_lpDispatch = nullptr;
  bool m_bAutoRelease = true;
};

// GBK <-> UTF-16 with the host's code page; invalid input gives an empty result.
std::wstring WideFromGbk(const char* gbk);
std::string GbkFromWide(const wchar_t* wide, int length = -1);

}  // namespace vjd::host
