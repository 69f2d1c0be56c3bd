// CJDDatabase: the root of the device classes: a record number and a table text every device
// has, and the four database operations every device class answers.
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

  DeviceValue m_nDb1 = 0;
  CString m_strDb1;
};
