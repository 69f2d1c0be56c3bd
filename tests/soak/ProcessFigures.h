// What a long session could pile up in this process, read at one moment: memory (the system's
// private bytes and the bytes in use on every heap), the process's kernel handles, GUI objects (the
// system's counts, and the live GDI objects and this thread's windows counted here), the references
// held on the stand-in host's automation objects and the integer arrays alive.
#pragma once

#include <windows.h>

#include <string>

struct ProcessFigures {
  SIZE_T privateBytes = 0;  // GetProcessMemoryInfo: PrivateUsage
  SIZE_T workingSet = 0;
  SIZE_T heapBytes = 0;    // busy blocks of every heap of the process (HeapWalk)
  int handles = 0;         // kernel handles of the process, by their values (CountHandles)
  DWORD guiGdi = 0;        // GetGuiResources(GR_GDIOBJECTS)
  DWORD guiUser = 0;       // GetGuiResources(GR_USEROBJECTS)
  int gdiObjects = 0;      // live GDI objects of the process, by their handle table
  int windows = 0;         // windows of this thread, children included
  long comReferences = 0;  // references held on the stand-in's automation objects
  int intArrays = 0;       // stand-in integer arrays alive

  static ProcessFigures Now();
  // "name=value ..." of every figure.
  std::string Text() const;
};

// The GDI objects alive in the process.  Wine keeps GDI objects in one handle table and answers
// a handle given by its table index alone (upper word zero), so every index is asked for its
// object type; 0 where that does not work (then nothing at all is found).
int CountGdiObjects();

// The kernel handles of the process.  Wine answers GetProcessHandleCount with 0; its handle
// values are small multiples of four, the lowest free one taken first, so every value up to
// 0x4000 (4096 handles, far more than the process holds) is asked whether it is a handle.
int CountHandles();

// Windows of this thread, with all their descendants.
int CountThreadWindows();
