// The directory of the host's executable, where the configuration file and the symbol library
// are found: the running process's module path cut after its last backslash (never this
// library's own path).  Windows builds only.
#pragma once

#include "CString.h"

namespace vjd::annotation {

CString HostExecutableDirectory();

}  // namespace vjd::annotation
