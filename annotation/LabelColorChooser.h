// The standard colour dialog as the configuration grid opens it for a label's foreground or
// background colour: no owner, no flags, starting at the cell's colour.  Tests answer it in place
// of a person through SetLabelColorHandler, so no test waits for the dialog.
#pragma once

#include <windows.h>

// TRUE and the chosen colour in *pChosen when the user pressed OK; FALSE on cancel.
BOOL ChooseLabelColor(COLORREF initial, COLORREF* pChosen);

using LabelColorHandler = BOOL (*)(void* context, COLORREF initial, COLORREF* pChosen);
// Replaces the dialog by `handler` (nullptr: the real dialog again).
void SetLabelColorHandler(LabelColorHandler handler, void* context = nullptr);
