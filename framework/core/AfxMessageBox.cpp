#include "AfxMessageBox.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace fw {
namespace {

int ShowRealMessageBox(void*, void* owner, const char* text, unsigned type) {
#ifdef _WIN32
  // An empty caption: the box carries only the text.
  return MessageBoxA(static_cast<HWND>(owner), text, "", type);
#else
  (void)owner, (void)text, (void)type;
  return 1;  // no windows without Windows: report OK
#endif
}

MessageBoxHandler g_handler = &ShowRealMessageBox;
void* g_context = nullptr;

}  // namespace

int AfxMessageBox(void* owner, const char* text, unsigned type) {
  return g_handler(g_context, owner, text ? text : "", type);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler, void* context) {
  MessageBoxHandler previous = g_handler == &ShowRealMessageBox ? nullptr : g_handler;
  g_handler = handler ? handler : &ShowRealMessageBox;
  g_context = handler ? context : nullptr;
  return previous;
}

}  // namespace fw
