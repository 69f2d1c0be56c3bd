// The contract between the host drawing application and this plug-in: what the host hands over
// and how texts and numbers travel across the boundary.  Only plain data crosses it.
//
// AttachPoMap(void* map) receives a pointer to a VjdHostMap that the host owns and keeps alive
// for as long as the plug-in is loaded.  The plug-in stores that pointer unchanged, never adds a
// reference to the dispatch interface in it, never releases or frees it.
//
// Members of the map and of the objects it hands out are invoked through IDispatch::Invoke by
// DISPID (see the Dispid* constants below); the plug-in never asks for names or type information.
// Argument and result conventions of every call:
//   - int: VT_I4; results are accepted in any type that VariantChangeType turns into VT_I4;
//   - BOOL arguments: VT_BOOL (VARIANT_TRUE / VARIANT_FALSE); BOOL results: any integer, 0 = false;
//   - double: VT_R8;
//   - text: VT_BSTR, converted from and to the plug-in's GBK bytes with code page 936;
//   - int* (a list of entity ids): VT_BYREF | VT_I4 pointing at the first id (may be null when
//     the count is 0); the callee reads the ids during the call only;
//   - out int: VT_BYREF | VT_I4 pointing at the caller's int;
//   - objects: VT_DISPATCH; a null object is VT_DISPATCH with a null pointer;
//   - a byte buffer: VT_BYREF | VT_UI1 pointing at the caller's buffer;
//   - POIntArray.GetData answers VT_BYREF | VT_I4 pointing at the array's own ints (valid until
//     the array is changed); an integer of pointer size carrying the address is accepted too.
// An object the map hands out is returned with one reference that belongs to the caller.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <cstddef>

// What the host hands to AttachPoMap: its map control window and the control's automation object.
struct VjdHostMap {
  HWND hWnd;             // the map control's window; the plug-in sends it window messages
  IDispatch* pDispatch;  // the map control's automation object; borrowed, never released
};
// The host lays the block out as two pointers: 8 bytes in its own 32-bit build, 16 in 64-bit.
static_assert(offsetof(VjdHostMap, hWnd) == 0 && offsetof(VjdHostMap, pDispatch) == sizeof(void*),
              "VjdHostMap is two pointers");
static_assert(sizeof(VjdHostMap) == 2 * sizeof(void*), "VjdHostMap is two pointers");
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(VjdHostMap) == 8, "the host's 32-bit block is 8 bytes");
#endif

namespace vjd::host {

// The class identifier by which the plug-in creates its integer array object.
inline constexpr const char kIntArrayProgId[] = "PelionObjects.POIntArray";

// Code page of every text that crosses the boundary.
inline constexpr UINT kHostCodePage = 936;

// PoMap (g: property get, p: property put, m: method).
enum MapDispid : DISPID {
  DispidMapSelection = 3,           // g: PoSelection
  DispidMapAction = 5,              // p: int
  DispidMapDeviceData = 7,          // g: device-data root
  DispidMapScale = 11,              // g: double
  DispidMapChangedFlag = 21,        // p: BOOL
  DispidMapCommandState = 25,       // g: PoCommandState
  DispidMapPickEnded = 26,          // p: BOOL
  DispidMapHighlighter = 27,        // g: PoHighlighter
  DispidMapGetCurrentCommand = 49,  // m: out int id, out int state
  DispidMapSetCurrentCommand = 50,  // m: int id, int state
  DispidMapBeginOperation = 52,     // m: text; int
  DispidMapUpdateEntities = 68,     // m: int* ids, int count, int 0
  DispidMapUpdateView = 69,         // m
  DispidMapBeginPick = 76,          // m: POIntArray, int, int, int, null object
  DispidMapSetPrompt = 77,          // m: text
  DispidMapRecordEntity = 93,       // m: int handle
  DispidMapEntityHandle = 99,       // indexed g: int id; int handle
  DispidMapRefresh = -550,          // m: stock repaint (DISPID_REFRESH)
};

enum SelectionDispid : DISPID {
  DispidSelectionCount = 1,   // g: int
  DispidSelectionClear = 10,  // m
  DispidSelectionItem = 11,   // m: int index; int id
};

enum CommandStateDispid : DISPID {
  DispidCommandStatePrepareCommand = 3,    // m
  DispidCommandStateIsCommandBlocked = 4,  // m: int command id; BOOL
  DispidCommandStateCanStartCommand = 5,   // m: BOOL
};

enum HighlighterDispid : DISPID {
  DispidHighlighterSetHighlight = 3,    // m: int* ids, int count, int, int
  DispidHighlighterRedrawEntities = 4,  // m: int* ids, int count
};

enum IntArrayDispid : DISPID {
  DispidIntArrayGetSize = 1,    // m: int
  DispidIntArraySetSize = 2,    // m: int size, int grow step
  DispidIntArrayRemoveAll = 3,  // m
  DispidIntArrayGetAt = 4,      // m: int index; int
  DispidIntArraySetAt = 5,      // m: int index, int value
  DispidIntArrayGetData = 9,    // m: address of the ints
};

enum DeviceDataDispid : DISPID {
  DispidDeviceDataEntityRecord = 5,  // indexed g on the root: int id; record
  DispidRecordGetTable = 14,         // m on a record: int 0; table
  DispidTableFindItem = 12,          // m on a table: int item code; row, -1 if absent
  DispidTableGetItemValue = 8,       // m on a table: row, column, 0, length, byte buffer; length
};

}  // namespace vjd::host
