// Turns one entity of the store into its display data (format in DisplayData.h), the one
// bridge between the entity store and the display builder that documents and drawing share.
#pragma once

#include <cstdint>
#include <vector>

#include "DisplayBuilder.h"
#include "EntityStore.h"
#include "ViewTransform.h"  // kPixelsPerUnit

namespace qk {

// The view the display builder draws: placed symbol, base point, outline, points, labels.
EntityView ViewOf(const Entity& entity);
// Display data of the entity; with `prepare` its world box is computed as well.
std::vector<uint8_t> DisplayDataOf(const Entity& entity, bool prepare);

}  // namespace qk
