// The kernel's in-memory documents: ordered lists of entities of the store that a preview shows.
// A document belongs to whoever created it and lives until DestroyDocument; the kernel answers 0
// for a handle it did not hand out or has already destroyed.  An entity made by CreateEntity
// (outside the drawing) belongs to the first document it is added to and is removed from the
// store with that document, so a preview that makes one entity each time it opens leaves none
// behind; drawing entities only ever appear in documents.
#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "DisplayReader.h"
#include "EntityDisplay.h"
#include "EntityStore.h"
#include "quarnkernel.h"

namespace {

struct Document {
  std::string name;
  std::vector<QkEntity> entities;
};

std::set<Document*>& LiveDocuments() {
  static std::set<Document*> documents;
  return documents;
}

Document* Live(QkDocument handle) {
  auto& live = LiveDocuments();
  auto it = live.find(static_cast<Document*>(handle));
  return it == live.end() ? nullptr : *it;
}

int Extents(const Document& document, double* extent) {
  bool any = false;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  for (QkEntity handle : document.entities) {
    const qk::Entity* entity = qk::TheEntityStore().Find(handle);
    if (!entity) continue;
    std::vector<uint8_t> data = qk::DisplayDataOf(*entity, true);
    qk::DisplayReader reader(data.data(), data.size());
    if (data.empty() || !reader.Valid()) continue;
    double a, b, c, d;
    reader.Box(a, b, c, d);
    if (!any) {
      x1 = a, y1 = b, x2 = c, y2 = d, any = true;
    } else {
      x1 = std::min(x1, a), y1 = std::min(y1, b), x2 = std::max(x2, c), y2 = std::max(y2, d);
    }
  }
  if (!any) return 0;
  extent[0] = x1, extent[1] = y1, extent[2] = x2, extent[3] = y2;
  return 1;
}

}  // namespace

extern "C" {

QK_API QkDocument QK_CALL CreateDocument(int /*flags*/, const char* name) {
  try {
    auto document = std::make_unique<Document>();
    document->name = name ? name : "";
    LiveDocuments().insert(document.get());
    return document.release();
  } catch (...) {
    return nullptr;
  }
}

QK_API void QK_CALL DestroyDocument(QkDocument handle) {
  Document* document = Live(handle);
  if (!document) return;
  LiveDocuments().erase(document);
  for (QkEntity entity : document->entities) {
    const qk::Entity* found = qk::TheEntityStore().Find(entity);
    if (found && found->documentOwner == document) qk::TheEntityStore().Remove(entity);
  }
  delete document;
}

QK_API int QK_CALL DocumentQuery(QkDocument handle, int code, void* pointer, int index) {
  Document* document = Live(handle);
  if (!document) return 0;
  try {
    switch (code) {
      case QK_DOC_COUNT:
        return static_cast<int>(document->entities.size());
      case QK_DOC_ENTITY_AT:
        return index >= 0 && index < static_cast<int>(document->entities.size())
                   ? document->entities[static_cast<size_t>(index)]
                   : 0;
      case QK_DOC_ADD: {
        if (!pointer) return 0;
        QkEntity entity = *static_cast<const QkEntity*>(pointer);
        qk::Entity* found = qk::TheEntityStore().Find(entity);
        if (!found) return 0;
        auto& list = document->entities;
        if (std::find(list.begin(), list.end(), entity) == list.end()) list.push_back(entity);
        if (found->loose && !found->documentOwner) found->documentOwner = document;
        return 1;
      }
      case QK_DOC_EXTENTS:
        return pointer ? Extents(*document, static_cast<double*>(pointer)) : 0;
      default:
        return 0;
    }
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
