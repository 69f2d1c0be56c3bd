// StdioRecordFileSystem: the real file access under the configuration file, on the C runtime's
// buffered files.  On Windows the GBK path goes to the runtime as it is (the process's code page
// is 936); elsewhere its backslashes become slashes, with the second byte of a double-byte GBK
// character never mistaken for one.  Stateless; one shared instance serves every caller.
#pragma once

#include "RecordFile.h"

namespace vjd::annotation {

class StdioRecordFileSystem : public IRecordFileSystem {
 public:
  std::unique_ptr<IRecordFile> OpenOrCreate(const CString& path) override;

  static StdioRecordFileSystem& Instance();
  // The path as the C runtime of this platform wants it.
  static CString NativePath(const CString& path);
};

}  // namespace vjd::annotation
