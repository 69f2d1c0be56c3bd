// CJDDatabase: the root of the device classes.  Its default constructor and destructor belong to
// VellJDBase, which includes this header alone.
#pragma once

#include "DeviceTypes.h"

// A record number and a table text every device has, and the four database slots.
class VJD_DEVICES_API CJDDatabase {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CJDDatabase);

  virtual int GetParaDBData(CADODatabase* db, VjdDword id) = 0;
  virtual int SetParaDBData(CADODatabase* db, int mode, VjdDword id) = 0;
  virtual int GetStockDBData(CADODatabase* db, CString key) = 0;
  virtual int SetStockDBData(CADODatabase* db, int mode, CString key) = 0;

  DeviceValue m_nDb1 = 0;
  CString m_strDb1;
};
