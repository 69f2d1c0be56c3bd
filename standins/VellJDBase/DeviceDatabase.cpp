// The database side of the device classes' virtual operations (see VellJDBase.h).
#define VELLJDBASE_DEVICES_BUILD
#include <cstdio>

#include "VellJDBase.h"

namespace {

char g_last[96] = "";

int Note(const char* class_name, const char* operation) {
  std::snprintf(g_last, sizeof g_last, "%s::%s", class_name ? class_name : "", operation);
  return 0;  // no database behind the stand-in
}

}  // namespace

int JDBaseGetParaDBData(CJDDatabase*, const char* class_name, CADODatabase*, VjdDword) {
  return Note(class_name, "GetParaDBData");
}

int JDBaseSetParaDBData(CJDDatabase*, const char* class_name, CADODatabase*, int, VjdDword) {
  return Note(class_name, "SetParaDBData");
}

int JDBaseGetStockDBData(CJDDatabase*, const char* class_name, CADODatabase*, const CString&) {
  return Note(class_name, "GetStockDBData");
}

int JDBaseSetStockDBData(CJDDatabase*, const char* class_name, CADODatabase*, int, const CString&) {
  return Note(class_name, "SetStockDBData");
}

const char* JDBaseLastOperation() {
  return g_last;
}
