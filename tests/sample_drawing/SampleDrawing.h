// The sample drawing set up for a test as the host program sets it up: the symbol library read
// into the kernel, the drawing file loaded into a fresh object-model map and the kernel, and its
// device symbols listed in drawing order.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "HostDrawing.h"
#include "PoMap.h"

// The folder of this program, ending with a backslash.
std::string ProgramDirectory();

// Loads `library` (a symbol library) and `drawingFile` (paths in this process's code page).
// `map` receives a new map (the caller releases it after resetting `drawing`); `handles` and
// `ids` receive the device symbols.
::testing::AssertionResult LoadSampleDrawing(const std::string& library,
                                             const std::string& drawingFile, om::PoMap*& map,
                                             std::unique_ptr<::host::HostDrawing>& drawing,
                                             std::vector<int>& handles, std::vector<int>& ids);
