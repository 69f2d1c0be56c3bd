/* Kernel functions beyond the plug-in's contract, for the stand-in host program and the tests:
 * loading the point-symbol library, entity colours, highlighted drawing and display boxes.
 * Same conventions as quarnkernel.h (extern "C" __cdecl, GBK texts, non-zero = success). */
#ifndef VJD_KERNELVIEWEXTRAS_H
#define VJD_KERNELVIEWEXTRAS_H

#include "quarnkernel.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Replaces the point-symbol library by the symbols of a library file (format: SymbolLibrary.md).
 * All or nothing: on failure the library keeps its symbols and `error` (errorSize bytes, may be
 * null) receives a one-line reason with the line number. */
QK_API int QK_CALL QkLoadSymbolLibrary(const char* path, char* error, int errorSize);

/* Stroke colour of an entity (COLORREF); 0xFFFFFFFF, the default, follows the background. */
QK_API int QK_CALL QkSetEntityColour(QkEntity entity, unsigned colour);
QK_API unsigned QK_CALL QkGetEntityColour(QkEntity entity);

/* DrawDisplay with every colour replaced by `colour` (for highlighting) and pens `penWidth`
 * pixels wide; colour 0xFFFFFFFF draws the buffer's own colours. */
QK_API int QK_CALL QkDrawDisplayEx(void* dc, int a, int b, double offsetX, double offsetY,
                                   double scale, const void* buffer, unsigned background,
                                   unsigned colour, int penWidth);

/* box[4] = x1, y1, x2, y2: the world box a prepared display buffer covers; 0 when the buffer is
 * invalid or not prepared. */
QK_API int QK_CALL QkDisplayBox(const void* buffer, double* box);

#ifdef __cplusplus
}

namespace qk {
struct Entity;
struct EntityView;
// The entity as the display builder sees it, with the stroke colour set by QkSetEntityColour.
EntityView ColouredView(const Entity& entity);
}  // namespace qk
#endif

#endif /* VJD_KERNELVIEWEXTRAS_H */
