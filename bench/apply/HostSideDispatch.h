// An IDispatch that passes every call on to a host object inside a HostSide scope, so that what
// the object model allocates (it is linked into the benchmark) is counted as the host's heap, not
// the plug-in's.  The objects its calls hand out are wrapped the same way.  Takes over one
// reference to the object it wraps.
#pragma once

#include <windows.h>

#include <oaidl.h>

namespace vjd::bench {

class CHostSideDispatch final : public IDispatch {
 public:
  explicit CHostSideDispatch(IDispatch* inner) : m_inner(inner) {}
  CHostSideDispatch(const CHostSideDispatch&) = delete;
  CHostSideDispatch& operator=(const CHostSideDispatch&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID riid, LCID lcid, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argError) override;

 private:
  ~CHostSideDispatch();
  IDispatch* m_inner;
  ULONG m_refs = 1;
};

}  // namespace vjd::bench
