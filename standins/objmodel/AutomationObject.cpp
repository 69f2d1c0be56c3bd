#include "AutomationObject.h"

#include <new>

#include "CallLog.h"

namespace om {

namespace {
long g_liveReferences = 0;
}  // namespace

AutomationObject::AutomationObject() {
  ++g_liveReferences;  // the creator's reference
}

long AutomationObject::LiveReferences() {
  return g_liveReferences;
}

HRESULT STDMETHODCALLTYPE AutomationObject::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE AutomationObject::AddRef() {
  ++m_addRefCalls;
  ++g_liveReferences;
  return static_cast<ULONG>(++m_refs);
}

ULONG STDMETHODCALLTYPE AutomationObject::Release() {
  ++m_releaseCalls;
  --g_liveReferences;
  LONG refs = --m_refs;
  if (refs == 0) delete this;
  return static_cast<ULONG>(refs);
}

HRESULT STDMETHODCALLTYPE AutomationObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE AutomationObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE AutomationObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT names, LCID,
                                                          DISPID* ids) {
  for (UINT i = 0; ids && i < names; ++i) ids[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE AutomationObject::Invoke(DISPID dispid, REFIID, LCID, WORD flags,
                                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                                   UINT*) {
  auto failure = m_failures.find(dispid);
  if (failure != m_failures.end()) return failure->second;
  try {
    VARIANT scratch;
    VariantInit(&scratch);
    Call call{dispid, flags, {}, result ? result : &scratch};
    if (result) VariantInit(result);
    UINT count = params ? params->cArgs : 0;
    if (count && !params->rgvarg) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) call.args.push_back(&params->rgvarg[count - 1 - i]);
    HRESULT hr = OnInvoke(call);
    VariantClear(&scratch);
    return hr;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

namespace {

// A copy of the argument with references resolved, converted to `type`.
bool Converted(const VARIANT* arg, VARTYPE type, VARIANT& out) {
  VariantInit(&out);
  if (FAILED(VariantCopyInd(&out, const_cast<VARIANT*>(arg)))) return false;
  if (FAILED(VariantChangeType(&out, &out, 0, type))) {
    VariantClear(&out);
    return false;
  }
  return true;
}

}  // namespace

bool AutomationObject::ArgInt(const Call& call, size_t index, int& out) {
  if (index >= call.args.size()) return false;
  VARIANT v;
  if (!Converted(call.args[index], VT_I4, v)) return false;
  out = static_cast<int>(v.lVal);
  return true;
}

bool AutomationObject::ArgDouble(const Call& call, size_t index, double& out) {
  if (index >= call.args.size()) return false;
  VARIANT v;
  if (!Converted(call.args[index], VT_R8, v)) return false;
  out = v.dblVal;
  return true;
}

bool AutomationObject::ArgText(const Call& call, size_t index, std::string& gbk) {
  if (index >= call.args.size()) return false;
  VARIANT v;
  if (!Converted(call.args[index], VT_BSTR, v)) return false;
  gbk = GbkOf(v.bstrVal);
  VariantClear(&v);
  return true;
}

bool AutomationObject::ArgIntList(const Call& call, size_t index, int count,
                                  std::vector<int>& out) {
  if (index >= call.args.size() || count < 0) return false;
  const VARIANT* arg = call.args[index];
  if (arg->vt != (VT_BYREF | VT_I4) && arg->vt != (VT_BYREF | VT_INT)) return false;
  if (count > 0 && !arg->plVal) return false;
  out.assign(arg->plVal, arg->plVal + count);
  return true;
}

bool AutomationObject::ArgDispatch(const Call& call, size_t index, IDispatch*& out) {
  if (index >= call.args.size()) return false;
  const VARIANT* arg = call.args[index];
  if (arg->vt == VT_DISPATCH) {
    out = arg->pdispVal;
    return true;
  }
  if (arg->vt == (VT_BYREF | VT_DISPATCH) && arg->ppdispVal) {
    out = *arg->ppdispVal;
    return true;
  }
  if (arg->vt == VT_EMPTY || arg->vt == VT_NULL) {
    out = nullptr;
    return true;
  }
  return false;
}

bool AutomationObject::ArgOutInt(const Call& call, size_t index, LONG*& out) {
  if (index >= call.args.size()) return false;
  const VARIANT* arg = call.args[index];
  if ((arg->vt != (VT_BYREF | VT_I4) && arg->vt != (VT_BYREF | VT_INT)) || !arg->plVal)
    return false;
  out = arg->plVal;
  return true;
}

bool AutomationObject::ArgBytes(const Call& call, size_t index, unsigned char*& out) {
  if (index >= call.args.size()) return false;
  const VARIANT* arg = call.args[index];
  if (arg->vt != (VT_BYREF | VT_UI1)) return false;
  out = arg->pbVal;
  return true;
}

void AutomationObject::ResultInt(Call& call, int value) {
  call.result->vt = VT_I4;
  call.result->lVal = value;
}

void AutomationObject::ResultDouble(Call& call, double value) {
  call.result->vt = VT_R8;
  call.result->dblVal = value;
}

void AutomationObject::ResultDispatch(Call& call, IDispatch* object) {
  if (object) object->AddRef();
  call.result->vt = VT_DISPATCH;
  call.result->pdispVal = object;
}

void AutomationObject::Log(const std::string& member, const std::string& args) const {
  TheCallLog().Add(LogName(), member, args);
}

std::string GbkOf(BSTR text) {
  if (!text) return std::string();
  int length = static_cast<int>(SysStringLen(text));
  if (length == 0) return std::string();
  int bytes = WideCharToMultiByte(936, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string gbk(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0) WideCharToMultiByte(936, 0, text, length, &gbk[0], bytes, nullptr, nullptr);
  return gbk;
}

BSTR BstrOf(const std::string& gbk) {
  int length = gbk.empty() ? 0
                           : MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()),
                                                 nullptr, 0);
  BSTR text = SysAllocStringLen(nullptr, static_cast<UINT>(length > 0 ? length : 0));
  if (text && length > 0)
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), text, length);
  return text;
}

}  // namespace om
