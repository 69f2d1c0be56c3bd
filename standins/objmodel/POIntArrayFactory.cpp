#include "POIntArrayFactory.h"

#include <new>
#include <string>

#include "CallLog.h"
#include "POIntArray.h"

namespace om {

const CLSID CLSID_POIntArray = {
    0x7c3a9e52, 0x1b64, 0x4d8f, {0xa0, 0xe3, 0x5f, 0x29, 0xc6, 0xb1, 0xd7, 0x04}};

namespace {

DWORD g_cookie = 0;

bool SetKey(HKEY root, const std::wstring& path, const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  LONG status =
      RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

}  // namespace

HRESULT STDMETHODCALLTYPE POIntArrayFactory::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
    *object = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE POIntArrayFactory::CreateInstance(IUnknown* outer, REFIID riid,
                                                            void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  if (m_bFailing) return E_OUTOFMEMORY;
  POIntArray* array = new (std::nothrow) POIntArray();
  if (!array) return E_OUTOFMEMORY;
  if (m_bDataFailing) array->FailMember(POIntArray::kGetData);
  HRESULT hr = array->QueryInterface(riid, object);
  array->Release();  // the creation reference; the interface holds its own
  if (SUCCEEDED(hr)) {
    ++m_nCreated;
    TheCallLog().Add("IntArray.Create()");
  }
  return hr;
}

POIntArrayFactory& TheIntArrayFactory() {
  static POIntArrayFactory factory;
  return factory;
}

HRESULT RegisterIntArrayClass() {
  wchar_t clsid[64] = {};
  if (!StringFromGUID2(CLSID_POIntArray, clsid, 64)) return E_FAIL;
  std::wstring progId = kIntArrayProgIdW;
  auto write = [&](HKEY root, const std::wstring& base) {
    return SetKey(root, base + progId, progId) && SetKey(root, base + progId + L"\\CLSID", clsid) &&
           SetKey(root, base + L"CLSID\\" + clsid + L"\\ProgID", progId);
  };
  // The per-user classes are part of HKEY_CLASSES_ROOT on Windows; Wine's class lookup reads
  // only the machine's, so when the per-user keys are not seen the keys go there as well.
  if (!write(HKEY_CURRENT_USER, L"Software\\Classes\\")) return E_ACCESSDENIED;
  CLSID found;
  if (FAILED(CLSIDFromProgID(kIntArrayProgIdW, &found)) || !IsEqualCLSID(found, CLSID_POIntArray)) {
    if (!write(HKEY_CLASSES_ROOT, L"")) return E_ACCESSDENIED;
  }
  if (g_cookie) return S_OK;
  return CoRegisterClassObject(CLSID_POIntArray, &TheIntArrayFactory(),
                               CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                               &g_cookie);
}

void RevokeIntArrayClass() {
  if (!g_cookie) return;
  CoRevokeClassObject(g_cookie);
  g_cookie = 0;
}

}  // namespace om
