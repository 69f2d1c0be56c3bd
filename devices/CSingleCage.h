// CSingleCage: the parameters of a single-deck cage.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CCage.h"

class VJD_DEVICES_API CSingleCage : public CCage {
 public:
  CSingleCage();
  CSingleCage(const CSingleCage& other);
  CSingleCage& operator=(const CSingleCage& other);
  ~CSingleCage();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CSingleCage", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CSingleCage", db, mode, id);
  }

  CString m_strSCage1;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CSingleCage) == 4 * (1 + 33),
              "CSingleCage: 33 members after the vtable reference");
#endif
