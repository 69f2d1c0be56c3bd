#include "DispatchDriver.h"

#include <utility>
#include <vector>

#include "HostContract.h"

namespace vjd::host {

CDispatchDriver::CDispatchDriver(CDispatchDriver&& other) noexcept
    : m_lpDispatch(other.m_lpDispatch), m_bAutoRelease(other.m_bAutoRelease) {
  other.m_lpDispatch = nullptr;
}

CDispatchDriver& CDispatchDriver::operator=(CDispatchDriver&& other) noexcept {
  if (this != &other) {
    ReleaseDispatch();
    m_lpDispatch = other.m_lpDispatch;
    m_bAutoRelease = other.m_bAutoRelease;
    other.m_lpDispatch = nullptr;
  }
  return *this;
}

void CDispatchDriver::AttachDispatch(IDispatch* dispatch, bool autoRelease) {
  ReleaseDispatch();
  m_lpDispatch = dispatch;
  m_bAutoRelease = autoRelease;
}

IDispatch* CDispatchDriver::DetachDispatch() {
  IDispatch* dispatch = m_lpDispatch;
  m_lpDispatch = nullptr;
  return dispatch;
}

void CDispatchDriver::ReleaseDispatch() {
  if (m_lpDispatch && m_bAutoRelease) m_lpDispatch->Release();
  m_lpDispatch = nullptr;
}

bool CDispatchDriver::CreateDispatch(const char* progId) {
  ReleaseDispatch();
  std::wstring wide = WideFromGbk(progId);
  CLSID clsid;
  if (wide.empty() || FAILED(CLSIDFromProgID(wide.c_str(), &clsid))) return false;
  IDispatch* dispatch = nullptr;
  HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  if (FAILED(hr) || !dispatch) return false;
  AttachDispatch(dispatch, true);
  return true;
}

HRESULT CDispatchDriver::Invoke(DISPID dispid, WORD flags, VARIANT* args, UINT argCount,
                                VARIANT* result) const {
  if (!m_lpDispatch) return E_POINTER;
  // IDispatch takes its arguments last first.
  std::vector<VARIANT> reversed;
  try {
    reversed.assign(args, args + argCount);
  } catch (...) {
    return E_OUTOFMEMORY;
  }
  for (UINT i = 0; i < argCount; ++i) reversed[i] = args[argCount - 1 - i];
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {argCount ? reversed.data() : nullptr, nullptr, argCount, 0};
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.rgdispidNamedArgs = &named;
    params.cNamedArgs = 1;
  }
  if (result) VariantInit(result);
  EXCEPINFO excep = {};
  UINT argErr = 0;
  HRESULT hr = m_lpDispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                                    &excep, &argErr);
  if (hr == DISP_E_EXCEPTION) {
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrHelpFile);
  }
  return hr;
}

bool CDispatchDriver::CallAs(DISPID dispid, WORD flags, VARIANT* args, UINT argCount, VARTYPE type,
                             VARIANT& out) const {
  VariantInit(&out);
  if (FAILED(Invoke(dispid, flags, args, argCount, &out))) return false;
  if (SUCCEEDED(VariantChangeType(&out, &out, 0, type))) return true;
  VariantClear(&out);
  return false;
}

bool CDispatchDriver::CallInt(DISPID dispid, WORD flags, VARIANT* args, UINT argCount,
                              int& out) const {
  VARIANT result;
  if (!CallAs(dispid, flags, args, argCount, VT_I4, result)) return false;
  out = static_cast<int>(result.lVal);
  return true;  // nothing to clear in an integer
}

int CDispatchDriver::IntOr(int fallback, DISPID dispid, WORD flags, VARIANT* args,
                           UINT argCount) const {
  int value = fallback;
  return CallInt(dispid, flags, args, argCount, value) ? value : fallback;
}

bool CDispatchDriver::CallDouble(DISPID dispid, WORD flags, VARIANT* args, UINT argCount,
                                 double& out) const {
  VARIANT result;
  if (!CallAs(dispid, flags, args, argCount, VT_R8, result)) return false;
  out = result.dblVal;
  return true;  // nothing to clear in a real
}

bool CDispatchDriver::CallDispatch(DISPID dispid, WORD flags, VARIANT* args, UINT argCount,
                                   IDispatch*& out) const {
  VARIANT result;
  if (!CallAs(dispid, flags, args, argCount, VT_DISPATCH, result)) return false;
  if (!result.pdispVal) return false;
  out = result.pdispVal;  // the result's reference goes to the caller
  return true;
}

bool CDispatchDriver::CallVoid(DISPID dispid, WORD flags, VARIANT* args, UINT argCount) const {
  VARIANT result;
  HRESULT hr = Invoke(dispid, flags, args, argCount, &result);
  VariantClear(&result);
  return SUCCEEDED(hr);
}

bool CDispatchDriver::PutProperty(DISPID dispid, VARIANT value) const {
  return SUCCEEDED(Invoke(dispid, DISPATCH_PROPERTYPUT, &value, 1, nullptr));
}

VARIANT CDispatchDriver::MakeInt(int value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

VARIANT CDispatchDriver::MakeBool(bool value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

VARIANT CDispatchDriver::MakeIntRef(int* address) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | VT_I4;
  v.plVal = reinterpret_cast<LONG*>(address);
  return v;
}

VARIANT CDispatchDriver::MakeDispatch(IDispatch* dispatch) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = dispatch;
  return v;
}

VARIANT CDispatchDriver::MakeBytesRef(unsigned char* buffer) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | VT_UI1;
  v.pbVal = buffer;
  return v;
}

VARIANT CDispatchDriver::MakeText(const char* gbk) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  std::wstring wide;
  try {
    wide = WideFromGbk(gbk ? gbk : "");
  } catch (...) {
  }
  v.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return v;
}

std::wstring WideFromGbk(const char* gbk) {
  if (!gbk || !*gbk) return std::wstring();
  int length = MultiByteToWideChar(kHostCodePage, 0, gbk, -1, nullptr, 0);
  if (length <= 1) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(kHostCodePage, 0, gbk, -1, &wide[0], length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

std::string GbkFromWide(const wchar_t* wide, int length) {
  if (!wide || length == 0) return std::string();
  int bytes = WideCharToMultiByte(kHostCodePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  std::string gbk(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(kHostCodePage, 0, wide, length, &gbk[0], bytes, nullptr, nullptr);
  if (length < 0 && !gbk.empty()) gbk.resize(gbk.size() - 1);  // drop the copied terminator
  return gbk;
}

}  // namespace vjd::host
