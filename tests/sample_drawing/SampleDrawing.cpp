#include "SampleDrawing.h"

#include <windows.h>

#include "DrawingFile.h"
#include "KernelSetup.h"
#include "KernelViewExtras.h"
#include "quarnkernel.h"

std::string ProgramDirectory() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text(path);
  return text.substr(0, text.find_last_of('\\') + 1);
}

::testing::AssertionResult LoadSampleDrawing(const std::string& library,
                                             const std::string& drawingFile, om::PoMap*& map,
                                             std::unique_ptr<::host::HostDrawing>& drawing,
                                             std::vector<int>& handles, std::vector<int>& ids) {
  char why[200] = {};
  if (!QkLoadSymbolLibrary(library.c_str(), why, sizeof why))
    return ::testing::AssertionFailure() << library << ": " << why;
  ::host::Drawing file;
  std::string error;
  if (!::host::DrawingFile::Read(drawingFile.c_str(), file, error))
    return ::testing::AssertionFailure() << drawingFile << ": " << error;
  QkSetupReset();  // no entity of an earlier test stays
  map = om::PoMap::Create();
  drawing = std::make_unique<::host::HostDrawing>(map);
  if (!drawing->Load(file, error)) return ::testing::AssertionFailure() << error;
  handles.clear();
  ids.clear();
  for (const auto& e : drawing->Entities()) {
    const int h = drawing->HandleOf(e.id);
    const int kind = GetEntityKind(h);
    if (kind != QK_KIND_DEVICE_SYMBOL && kind != QK_KIND_DEVICE_SYMBOL_ALT) continue;
    handles.push_back(h);
    ids.push_back(e.id);
  }
  return ::testing::AssertionSuccess();
}
