// VellJDBase, the maker's device database library, as this system uses it: the database work
// behind the device classes' virtual operations, and CJDDatabase's construction and destruction.
// (The drawing's device symbols, the display switches and the label layout have their own
// headers beside this one.)
//
// The stand-in has no database behind it: every operation reports failure (0), touches neither
// the database handle nor the object, and notes which operation of which class was asked last,
// so callers can see that a virtual slot reached the right class.
#pragma once

#include "DeviceTypes.h"

#if defined(_WIN32) && defined(VELLJDBASE_DEVICES_BUILD)
#define VJDBASE_DEVICES_API __declspec(dllexport)
#else
#define VJDBASE_DEVICES_API
#endif

// Slot 0 and 1 of the concrete device classes and of the cable: reads or writes the object's
// parameters; `id` names the record, `mode` how to write it.  Non-zero on success.
VJDBASE_DEVICES_API int JDBaseGetParaDBData(CJDDatabase* device, const char* class_name,
                                            CADODatabase* db, VjdDword id);
VJDBASE_DEVICES_API int JDBaseSetParaDBData(CJDDatabase* device, const char* class_name,
                                            CADODatabase* db, int mode, VjdDword id);
// Slots 2 and 3 (CDevice's and the cable's): the stock table, by key.
VJDBASE_DEVICES_API int JDBaseGetStockDBData(CJDDatabase* device, const char* class_name,
                                             CADODatabase* db, const CString& key);
VJDBASE_DEVICES_API int JDBaseSetStockDBData(CJDDatabase* device, const char* class_name,
                                             CADODatabase* db, int mode, const CString& key);

// "Class::Operation" of the last operation asked, "" before the first.
VJDBASE_DEVICES_API const char* JDBaseLastOperation();
