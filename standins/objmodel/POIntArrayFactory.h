// The class object that creates POIntArray objects, and the registration that makes
// CLSIDFromProgID("PelionObjects.POIntArray") + CoCreateInstance find it inside this process:
// RegisterIntArrayClass writes HKCU\Software\Classes\PelionObjects.POIntArray\CLSID (and the
// CLSID's ProgID key; also under HKEY_CLASSES_ROOT itself where the per-user keys are not part
// of the class lookup, as under Wine) and registers the class object with CoRegisterClassObject for
// the calling apartment; RevokeIntArrayClass undoes the class-object registration (the registry
// keys stay, harmless without a registered object).  Call both on a thread with COM initialised.
#pragma once

#include <unknwn.h>
#include <windows.h>

namespace om {

// {7C3A9E52-1B64-4D8F-A0E3-5F29C6B1D704}
extern const CLSID CLSID_POIntArray;
inline constexpr const wchar_t kIntArrayProgIdW[] = L"PelionObjects.POIntArray";

class POIntArrayFactory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // a static object
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

  // How many objects this factory has created.
  int Created() const { return m_nCreated; }
  // While set, CreateInstance fails with E_OUTOFMEMORY (a host that cannot create the array).
  void SetFailing(bool failing) { m_bFailing = failing; }
  // While set, the arrays created answer GetData with E_FAIL (a host that gives no address).
  void SetDataFailing(bool failing) { m_bDataFailing = failing; }

 private:
  int m_nCreated = 0;
  bool m_bFailing = false;
  bool m_bDataFailing = false;
};

POIntArrayFactory& TheIntArrayFactory();

// S_OK when the class can be created by its ProgID afterwards.
HRESULT RegisterIntArrayClass();
void RevokeIntArrayClass();

}  // namespace om
