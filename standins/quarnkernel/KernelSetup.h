/* Set-up functions of the kernel stand-in, for the stand-in host program and the tests: they
 * build a drawing in the entity store, load the symbol library, and read back what the kernel's
 * own interface only writes (anchor points, colours, outlines).  Same conventions as
 * quarnkernel.h; a host that loads the real kernel never calls these. */
#ifndef VJD_KERNEL_SETUP_H
#define VJD_KERNEL_SETUP_H

#include "quarnkernel.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Removes every entity (handles are not reused afterwards). */
QK_API void QK_CALL QkSetupReset(void);
/* A new entity; texts are cut to 31 bytes.  0 on failure. */
QK_API QkEntity QK_CALL QkSetupCreateEntity(int kind, const char* name, const char* kindName);
QK_API int QK_CALL QkSetupRemoveEntity(QkEntity entity);
/* Erases an entity (non-zero `erased`) or brings it back: an erased entity keeps all it has, but
 * every kernel function answers for it as for an unknown handle (GetEntityKind: QK_KIND_NONE).
 * 0 for an unknown handle. */
QK_API int QK_CALL QkSetupEraseEntity(QkEntity entity, int erased);
/* How many calls other than GetEntityKind named an erased entity since the last reset; a non-zero
 * `reset` starts counting anew. */
QK_API int QK_CALL QkSetupErasedLookups(int reset);
QK_API int QK_CALL QkSetupEntityCount(void);
/* Copies up to `capacity` handles in creation order; answers how many entities there are. */
QK_API int QK_CALL QkSetupGetEntities(QkEntity* handles, int capacity);
QK_API int QK_CALL QkSetupSetEntityName(QkEntity entity, const char* name);
QK_API int QK_CALL QkSetupSetKindName(QkEntity entity, const char* kindName);
QK_API int QK_CALL QkSetupSetEntityAngle(QkEntity entity, double degrees);
/* The polyline of a line entity (a cable): `count` x, y pairs. */
QK_API int QK_CALL QkSetupSetEntityPoints(QkEntity entity, const double* xy, int count);
/* Symbol index placed on the entity, -1 if none (or no such entity). */
QK_API int QK_CALL QkSetupGetEntitySymbol(QkEntity entity);
/* 1 and the anchor when the label has one, else 0. */
QK_API int QK_CALL QkSetupGetLabelAnchor(QkEntity entity, int label, double* xyz);
QK_API int QK_CALL QkSetupGetLabelColours(QkEntity entity, int label, unsigned* fore,
                                          unsigned* back);
/* Copies up to `capacity` outline points (x, y, z each); answers the number of points. */
QK_API int QK_CALL QkSetupGetOutline(QkEntity entity, double* xyz, int capacity);
/* The number of DrawDisplay calls since the last reset; a non-zero `reset` starts counting anew. */
QK_API int QK_CALL QkSetupDrawCalls(int reset);
/* Replaces the point-symbol library by the symbols of a library text (the file format); on
 * failure the library is kept and `error` (if given) receives the reason, cut to errorSize - 1
 * bytes. */
QK_API int QK_CALL QkSetupLoadSymbolText(const char* text, char* error, int errorSize);

#ifdef __cplusplus
}
#endif

#endif /* VJD_KERNEL_SETUP_H */
