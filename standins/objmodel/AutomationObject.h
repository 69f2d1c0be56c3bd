// Base of the host's automation objects: IDispatch written by hand.  Members are reached by
// DISPID only (GetIDsOfNames knows no names, there is no type information).  A derived object
// answers its members in OnInvoke; the base counts references, logs nothing itself, turns any
// C++ exception into E_UNEXPECTED so none crosses the COM boundary, and lets tests make chosen
// members fail (FailMember).
//
// Lifetime: objects are created with one reference owned by the creator and delete themselves
// when the last reference is released.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "CallLog.h"

namespace om {

class AutomationObject : public IDispatch {
 public:
  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID riid, LCID lcid, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                                   UINT* argErr) override;

  // The current reference count and the numbers of AddRef and Release calls so far.
  ULONG RefCount() const { return m_refs; }
  int AddRefCalls() const { return m_addRefCalls; }
  int ReleaseCalls() const { return m_releaseCalls; }
  // The references held on every automation object alive in the process, added up (each
  // object's creator reference included): what a guest that took and gave back as many as it
  // was handed leaves unchanged.
  static long LiveReferences();

  // From now on `dispid` answers `hr` without running (and without a log line).
  void FailMember(DISPID dispid, HRESULT hr = E_FAIL) { m_failures[dispid] = hr; }
  void ClearFailures() { m_failures.clear(); }

  // The class name used in the call log ("Map", "Selection", ...).
  virtual const char* LogName() const = 0;

 protected:
  AutomationObject();
  virtual ~AutomationObject() = default;

  // One call, with the arguments in natural order (args[0] is the first).
  struct Call {
    DISPID dispid;
    WORD flags;
    std::vector<VARIANT*> args;
    VARIANT* result;  // never null
    bool IsGet() const { return (flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) != 0; }
    bool IsPut() const { return (flags & DISPATCH_PROPERTYPUT) != 0; }
  };
  virtual HRESULT OnInvoke(Call& call) = 0;

  // Argument readers: each returns false (the caller answers DISP_E_TYPEMISMATCH) when the
  // argument is missing or of a type that does not convert.
  static bool ArgInt(const Call& call, size_t index, int& out);
  static bool ArgDouble(const Call& call, size_t index, double& out);
  static bool ArgText(const Call& call, size_t index, std::string& gbk);
  // An id list: VT_BYREF|VT_I4 pointing at `count` ints (null allowed for count 0).
  static bool ArgIntList(const Call& call, size_t index, int count, std::vector<int>& out);
  // An object or null.
  static bool ArgDispatch(const Call& call, size_t index, IDispatch*& out);
  // An out int: VT_BYREF|VT_I4.
  static bool ArgOutInt(const Call& call, size_t index, LONG*& out);
  // A byte buffer: VT_BYREF|VT_UI1 (its pointer may be null).
  static bool ArgBytes(const Call& call, size_t index, unsigned char*& out);

  static void ResultInt(Call& call, int value);
  static void ResultDouble(Call& call, double value);
  // Hands one new reference of `object` (may be null) to the caller.
  static void ResultDispatch(Call& call, IDispatch* object);

  // Log line helpers.
  void Log(const std::string& member, const std::string& args = std::string()) const;
  static std::string Quote(const std::string& gbk) { return "\"" + gbk + "\""; }
  static std::string List(const std::vector<int>& ids) { return CallLog::List(ids); }

 private:
  LONG m_refs = 1;
  int m_addRefCalls = 0;
  int m_releaseCalls = 0;
  std::map<DISPID, HRESULT> m_failures;
};

// GBK text of a BSTR (code page 936) and back.
std::string GbkOf(BSTR text);
BSTR BstrOf(const std::string& gbk);

}  // namespace om
