#include "VellJDParaSettingApp.h"

namespace {
const VjdMessageMap kAppMessageMap = {nullptr, nullptr};
}

CVellJDParaSettingApp::CVellJDParaSettingApp() : CWinApp(nullptr) {}

CVellJDParaSettingApp::~CVellJDParaSettingApp() = default;

const VjdMessageMap* CVellJDParaSettingApp::GetMessageMap() const {
  return &kAppMessageMap;
}
