// The plug-in's application object: one static instance, constructed when the library loads and
// destroyed when it unloads; the host reaches it through GetTheApp.  It does no start-up work of
// its own, passes no application name and handles no message: its message map is empty.
//
// The framework's application class does not exist yet in framework/win/; until it does, the
// object stands on its own with the same two overridable members.
#pragma once

struct VjdMessageMapEntry;

// An empty message map: the table a window or application looks up to dispatch a message.
struct VjdMessageMap {
  const VjdMessageMap* pBaseMap;
  const VjdMessageMapEntry* pEntries;  // null-terminated; null for none
};

class CVellJDParaSettingApp {
 public:
  CVellJDParaSettingApp();
  virtual ~CVellJDParaSettingApp();
  CVellJDParaSettingApp(const CVellJDParaSettingApp&) = delete;
  CVellJDParaSettingApp& operator=(const CVellJDParaSettingApp&) = delete;

  // The application's name as passed to the constructor: none.
  const char* AppName() const { return m_pszAppName; }

 protected:
  virtual const VjdMessageMap* GetMessageMap() const;

 private:
  const char* m_pszAppName = nullptr;
};
