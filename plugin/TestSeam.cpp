#include "TestSeam.h"

#include "GridEditorHeap.h"
#include "VellJDParaSetting.h"
#include "Wnd.h"

extern "C" BOOL WINAPI vjd_test_seam_held_objects(VjdHeldObjects* held) {
  if (!held || held->cbSize != static_cast<int>(sizeof(VjdHeldObjects))) return FALSE;
  const AfxHeldObjects framework = AfxGetHeldObjects();
  held->nPermanentWindows = framework.nPermanentWindows;
  held->nTemporaryWindows = framework.nTemporaryWindows;
  held->nCreationHooks = framework.nCreationHooks;
  held->nMessageHooks = framework.nMessageHooks;
  held->nGridEditors = CGridEditorHeap::LiveCount();
  held->nHostObjects = vjd::CommandHostObjectsHeld();
  return TRUE;
}
