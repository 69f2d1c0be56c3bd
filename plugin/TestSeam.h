// The plug-in's one seam for tests: an export that no host calls, answering what the plug-in
// holds at this moment, so a test that drives the plug-in as a host does (LoadLibrary, the
// exports) can prove that a long session leaves nothing behind.  It reads counters only and
// changes nothing.  Test builds only (VJD_TEST_SEAMS): there it is exported by name, after every
// other export, so the ordinals of the others stay where they are (plugin/CMakeLists.txt).
#pragma once

#include <windows.h>

struct VjdHeldObjects {
  int cbSize;             // sizeof(VjdHeldObjects), set by the caller
  int nPermanentWindows;  // window objects in the framework's handle map
  int nTemporaryWindows;  // temporary window wrappers not deleted yet
  int nCreationHooks;     // WH_CBT hooks installed by the framework
  int nMessageHooks;      // WH_GETMESSAGE hooks installed by the framework
  int nGridEditors;       // in-place editor objects alive
  int nHostObjects;       // host automation objects the command holds (its integer array)
};

// FALSE (nothing written) when `held` is null or its cbSize is not this structure's.
extern "C" BOOL WINAPI vjd_test_seam_held_objects(VjdHeldObjects* held);
