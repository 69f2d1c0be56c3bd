// The plug-in's application object: one static instance, constructed when the library loads and
// destroyed when it unloads; the host reaches it through GetTheApp.  It passes no application
// name, does no start-up work of its own and handles no message: its message map is empty.
#pragma once

#include "WinApp.h"

struct VjdMessageMapEntry;

// The table a window or application looks up to dispatch a message.
struct VjdMessageMap {
  const VjdMessageMap* pBaseMap;
  const VjdMessageMapEntry* pEntries;  // null-terminated; null for none
};

class CVellJDParaSettingApp : public CWinApp {
 public:
  CVellJDParaSettingApp();
  ~CVellJDParaSettingApp() override;

 protected:
  virtual const VjdMessageMap* GetMessageMap() const;
};
