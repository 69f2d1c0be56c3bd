#include "TestSeams.h"

#include <cstdlib>
#include <new>

namespace fw {
namespace {

template <typename Handler>
struct Seam {
  Handler handler = nullptr;
  void* context = nullptr;

  Handler Set(Handler newHandler, void* newContext) {
    Handler previous = handler;
    handler = newHandler;
    context = newHandler ? newContext : nullptr;
    return previous;
  }
};

Seam<MessageBoxHandler> g_messageBox;
Seam<ModalDialogHandler> g_modalDialog;
Seam<ColorDialogHandler> g_colorDialog;
const WatchedHeap* g_heap = nullptr;

}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler, void* context) {
  return g_messageBox.Set(handler, context);
}

ModalDialogHandler SetModalDialogHandler(ModalDialogHandler handler, void* context) {
  return g_modalDialog.Set(handler, context);
}

ColorDialogHandler SetColorDialogHandler(ColorDialogHandler handler, void* context) {
  return g_colorDialog.Set(handler, context);
}

void SetWatchedHeap(const WatchedHeap* heap) {
  g_heap = heap;
}

namespace seam {

int MessageBox(void* owner, const char* text, unsigned type, const char* caption) {
  if (g_messageBox.handler) return g_messageBox.handler(g_messageBox.context, owner, text, type);
  return ::MessageBoxA(static_cast<HWND>(owner), text, caption, type);
}

bool AnswerModal(CDialog& dlg, INT_PTR& result) {
  if (!g_modalDialog.handler) return false;
  result = g_modalDialog.handler(g_modalDialog.context, dlg);
  return true;
}

bool AnswerColor(COLORREF initial, COLORREF* pChosen, BOOL& result) {
  if (!g_colorDialog.handler) return false;
  result = g_colorDialog.handler(g_colorDialog.context, initial, pChosen);
  return true;
}

void* Allocate(std::size_t size) {
  void* block = g_heap ? g_heap->allocate(size) : std::malloc(size);
  if (!block) throw std::bad_alloc();
  return block;
}

void Free(void* block) {
  if (!block) return;
  if (g_heap)
    g_heap->free(block);
  else
    std::free(block);
}

}  // namespace seam
}  // namespace fw
