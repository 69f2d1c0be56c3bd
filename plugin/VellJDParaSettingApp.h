// The plug-in's application object: one static instance, constructed when the library loads and
// destroyed when it unloads; the host reaches it through GetTheApp.  It passes no application
// name (so it is named after its module, "VellJDParaSetting"), does no start-up work of its own
// and handles no message.
#pragma once

#include "WinApp.h"

class CVellJDParaSettingApp : public CWinApp {
 public:
  CVellJDParaSettingApp();
  ~CVellJDParaSettingApp() override;
};
