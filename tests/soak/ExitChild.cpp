// soak_exit_child.exe: a host whose process ends while the command still holds the integer array
// it made (the window was closed under it, so the command never reached its end).  The array's
// class is this program's own: once the program's static objects are gone (the host is gone), a
// Release of the array ends the process with exit code 3.  Exit codes: 0 nothing of the host was
// called after it was gone, 1 the plug-in or an export is missing, 2 the command held no array
// when the process began to end (nothing was proved), 3 the plug-in released the host's object
// while the process ended.
#include <objbase.h>
#include <windows.h>

#include <cstdlib>

#include "CommandHarness.h"
#include "POIntArray.h"
#include "POIntArrayFactory.h"
#include "TestSeam.h"
#include "quarnkernel.h"

namespace {

bool g_hostGone = false;

class WatchedArray : public om::POIntArray {
 public:
  ULONG STDMETHODCALLTYPE Release() override {
    if (g_hostGone) ::TerminateProcess(::GetCurrentProcess(), 3);
    return POIntArray::Release();
  }
};

class WatchedArrayFactory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
      *object = this;
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* array = new WatchedArray;
    HRESULT hr = array->QueryInterface(riid, object);
    array->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

WatchedArrayFactory g_factory;

}  // namespace

int main() {
  HMODULE module = ::LoadLibraryA("VellJDParaSetting.dll");
  if (!module) return 1;
  PluginCalls calls;
  auto held = PluginExport<BOOL(WINAPI*)(VjdHeldObjects*)>(module, "vjd_test_seam_held_objects");
  if (!BindPluginCalls(module, calls) || !held) return 1;

  // The host lives until the process ends: it is never destroyed (its destructor would end the
  // command and so release the array the normal way).
  auto* host = new StandInHost(calls);
  om::RevokeIntArrayClass();  // this program's arrays instead of the stand-in's
  DWORD cookie = 0;
  if (FAILED(::CoRegisterClassObject(om::CLSID_POIntArray, &g_factory, CLSCTX_INPROC_SERVER,
                                     REGCLS_MULTIPLEUSE, &cookie)))
    return 1;
  host->AddEntity(101, QK_KIND_DEVICE_SYMBOL);
  host->Select({101});
  if (calls.LaunchCommand() != 1) return 1;
  PumpMessages();
  while (HWND hDlg = StandInHost::FindConfigWindow()) ::DestroyWindow(hDlg);
  PumpMessages();

  VjdHeldObjects now = {};
  now.cbSize = sizeof now;
  if (!held(&now) || now.nHostObjects != 1) return 2;
  std::atexit([] { g_hostGone = true; });  // runs once this program's own objects are going
  return 0;
}
