// CJDDatabase: the root of the device classes: a record number and a table text shared by every
// device, and the four database operations every device class answers. One of the exported device
// classes: the layout (members in order, 4 bytes each on the 32-bit host, after the virtual table
// reference) is what VellJDBase compiles against.  The object owns its strings; values are plain
// 4-byte slots that this code only copies.
#pragma once

#include "DeviceTypes.h"

class VJD_DEVICES_API CJDDatabase {
 public:
  CJDDatabase();  // in VellJDBase
  CJDDatabase(const CJDDatabase& other);
  CJDDatabase& operator=(const CJDDatabase& other);
  ~CJDDatabase();  // in VellJDBase; not virtual

  virtual int GetParaDBData(CADODatabase* db, VjdDword id) = 0;
  virtual int SetParaDBData(CADODatabase* db, int mode, VjdDword id) = 0;
  virtual int GetStockDBData(CADODatabase* db, CString key) = 0;
  virtual int SetStockDBData(CADODatabase* db, int mode, CString key) = 0;

  DeviceValue m_nDb1;
  CString m_strDb1;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CJDDatabase) == 4 * (1 + 2),
              "CJDDatabase: 2 members after the vtable reference");
#endif
