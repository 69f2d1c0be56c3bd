#include "POIntArrayDriver.h"

#include <cstdint>

#include "HostContract.h"

namespace vjd::host {

bool CPOIntArrayDriver::Create() {
  return CreateDispatch(kIntArrayProgId);
}

int CPOIntArrayDriver::GetSize() const {
  int size = 0;
  return CallInt(DispidIntArrayGetSize, DISPATCH_METHOD, nullptr, 0, size) && size > 0 ? size : 0;
}

bool CPOIntArrayDriver::SetSize(int size, int growBy) const {
  VARIANT args[2] = {MakeInt(size), MakeInt(growBy)};
  return CallVoid(DispidIntArraySetSize, DISPATCH_METHOD, args, 2);
}

bool CPOIntArrayDriver::RemoveAll() const {
  return CallVoid(DispidIntArrayRemoveAll, DISPATCH_METHOD);
}

int CPOIntArrayDriver::GetAt(int index) const {
  VARIANT arg = MakeInt(index);
  return IntOr(0, DispidIntArrayGetAt, DISPATCH_METHOD, &arg, 1);
}

bool CPOIntArrayDriver::SetAt(int index, int value) const {
  VARIANT args[2] = {MakeInt(index), MakeInt(value)};
  return CallVoid(DispidIntArraySetAt, DISPATCH_METHOD, args, 2);
}

int* CPOIntArrayDriver::GetData() const {
  VARIANT result;
  if (FAILED(Invoke(DispidIntArrayGetData, DISPATCH_METHOD, nullptr, 0, &result))) return nullptr;
  int* data = nullptr;
  switch (result.vt) {
    case VT_BYREF | VT_I4:
    case VT_BYREF | VT_INT:
      data = reinterpret_cast<int*>(result.plVal);
      break;
    default:
      // An integer of pointer size carrying the address.
      if (sizeof(void*) == 8 && SUCCEEDED(VariantChangeType(&result, &result, 0, VT_I8)))
        data = reinterpret_cast<int*>(static_cast<intptr_t>(result.llVal));
      else if (sizeof(void*) == 4 && SUCCEEDED(VariantChangeType(&result, &result, 0, VT_I4)))
        data = reinterpret_cast<int*>(static_cast<intptr_t>(result.lVal));
      break;
  }
  VariantClear(&result);  // a by-reference variant owns nothing
  return data;
}

}  // namespace vjd::host
