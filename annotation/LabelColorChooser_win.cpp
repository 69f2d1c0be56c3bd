#include "LabelColorChooser.h"

#include <commdlg.h>

namespace {

LabelColorHandler g_handler = nullptr;
void* g_context = nullptr;

}  // namespace

BOOL ChooseLabelColor(COLORREF initial, COLORREF* pChosen) {
  if (g_handler) return g_handler(g_context, initial, pChosen);
  static COLORREF custom[16] = {};
  CHOOSECOLORA choose = {};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = nullptr;
  choose.rgbResult = initial;
  choose.lpCustColors = custom;
  choose.Flags = 0;
  if (!::ChooseColorA(&choose)) return FALSE;
  *pChosen = choose.rgbResult;
  return TRUE;
}

void SetLabelColorHandler(LabelColorHandler handler, void* context) {
  g_handler = handler;
  g_context = handler ? context : nullptr;
}
