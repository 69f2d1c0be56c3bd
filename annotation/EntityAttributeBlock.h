// The kernel's attribute block of an entity, as GetEntityAttributes fills it and
// SetEntityAttributes takes it back: 140 bytes, of which the plug-in touches only the symbol
// slot, the flag word, the entity text and the symbol size.  The rest belongs to the kernel and
// travels back unchanged.  Laid out with 4-byte packing so that the double at byte 84 sits where
// the kernel expects it in both the 32-bit and the 64-bit build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "quarnkernel.h"

#pragma pack(push, 4)
struct EntityAttributeBlock {
  int32_t nHead;           // 0: -1 in a fresh block
  int32_t nField4;         // 4
  int32_t nField8;         // 8
  int32_t nField12;        // 12
  int32_t nSymbolSlot;     // 16: -1 in a fresh block, 0 before writing a symbol back
  int32_t nFlags;          // 20: kFlagSymbol once a symbol is on the entity
  char szText[32];         // 24: the entity's text, zero-terminated GBK
  int32_t nField56;        // 56
  int32_t nField60;        // 60
  uint8_t reserved64[20];  // 64 .. 83, the kernel's
  double dSymbolSize;      // 84: the size of the entity's symbol
  uint8_t reserved92[40];  // 92 .. 131, the kernel's
  int32_t nField132;       // 132
  int32_t nField136;       // 136

  static constexpr int32_t kFlagSymbol = 0x404;

  // A block as the plug-in prepares it before the kernel fills it: -1, 0, 0, 0, -1, 0 flags,
  // an empty text and zeros everywhere else.
  static EntityAttributeBlock Fresh() {
    EntityAttributeBlock block;
    std::memset(&block, 0, sizeof block);
    block.nHead = -1;
    block.nSymbolSlot = -1;
    return block;
  }
};
#pragma pack(pop)

static_assert(sizeof(EntityAttributeBlock) == QK_ATTR_BLOCK_SIZE, "attribute block size");
static_assert(offsetof(EntityAttributeBlock, nSymbolSlot) == QK_ATTR_SYMBOL_SLOT, "symbol slot");
static_assert(offsetof(EntityAttributeBlock, nFlags) == QK_ATTR_FLAGS, "flag word");
static_assert(offsetof(EntityAttributeBlock, szText) == QK_ATTR_TEXT, "entity text");
static_assert(offsetof(EntityAttributeBlock, nField56) == 56, "field at 56");
static_assert(offsetof(EntityAttributeBlock, nField60) == 60, "field at 60");
static_assert(offsetof(EntityAttributeBlock, dSymbolSize) == QK_ATTR_SYMBOL_SIZE, "symbol size");
static_assert(offsetof(EntityAttributeBlock, nField132) == 132, "field at 132");
static_assert(offsetof(EntityAttributeBlock, nField136) == 136, "field at 136");
static_assert(EntityAttributeBlock::kFlagSymbol == QK_ATTR_FLAG_SYMBOL, "symbol flag");

// The symbol reference block handed to SetEntitySymbol: 36 bytes with the doubles at 12, 20, 28.
static_assert(sizeof(QkSymbolRef) == 36, "symbol reference block size");
static_assert(offsetof(QkSymbolRef, nLibrary) == 0, "library number");
static_assert(offsetof(QkSymbolRef, nSubLibrary) == 4, "sub-library");
static_assert(offsetof(QkSymbolRef, nIndex) == 8, "symbol index");
static_assert(offsetof(QkSymbolRef, dWidth) == 12, "symbol width");
static_assert(offsetof(QkSymbolRef, dHeight) == 20, "symbol height");
static_assert(offsetof(QkSymbolRef, dAngle) == 28, "angle");
