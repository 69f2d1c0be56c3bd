#include "VellJDParaSettingApp.h"

CVellJDParaSettingApp::CVellJDParaSettingApp() : CWinApp(nullptr) {}

CVellJDParaSettingApp::~CVellJDParaSettingApp() = default;
