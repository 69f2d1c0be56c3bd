#include "HostSideDispatch.h"

#include "HeapCount.h"

namespace vjd::bench {

CHostSideDispatch::~CHostSideDispatch() {
  HostSide host;
  m_inner->Release();
}

HRESULT CHostSideDispatch::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG CHostSideDispatch::Release() {
  const ULONG refs = --m_refs;
  if (refs == 0) delete this;
  return refs;
}

HRESULT CHostSideDispatch::GetTypeInfoCount(UINT* count) {
  HostSide host;
  return m_inner->GetTypeInfoCount(count);
}

HRESULT CHostSideDispatch::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) {
  HostSide host;
  return m_inner->GetTypeInfo(index, lcid, info);
}

HRESULT CHostSideDispatch::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                         DISPID* ids) {
  HostSide host;
  return m_inner->GetIDsOfNames(riid, names, count, lcid, ids);
}

HRESULT CHostSideDispatch::Invoke(DISPID dispid, REFIID riid, LCID lcid, WORD flags,
                                  DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                  UINT* argError) {
  HostSide host;
  const HRESULT hr =
      m_inner->Invoke(dispid, riid, lcid, flags, params, result, exception, argError);
  if (SUCCEEDED(hr) && result && V_VT(result) == VT_DISPATCH && V_DISPATCH(result))
    V_DISPATCH(result) = new CHostSideDispatch(V_DISPATCH(result));
  return hr;
}

}  // namespace vjd::bench
