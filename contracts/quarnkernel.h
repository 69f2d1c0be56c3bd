/* The host kernel library quarnkernel: the drawing's entities (by entity handle), their labels,
 * the symbol libraries, in-memory documents and entity display.  This one header is shared by the
 * plug-in, which links against quarnkernel's import library, and by the kernel stand-in.
 *
 * Calling convention: every function is extern "C" __cdecl (QK_CALL), exported under its plain
 * name.  Types: int is 32-bit signed; an entity is its 32-bit handle (QkEntity, 0 = none); texts
 * are zero-terminated GBK; doubles are IEEE-754.  Results: functions answering success return
 * non-zero on success and 0 on failure; they never write through a pointer on failure except
 * where said.  Buffers are the caller's, of the stated sizes. */
#ifndef VJD_QUARNKERNEL_H
#define VJD_QUARNKERNEL_H

#if defined(_WIN32)
#define QK_CALL __cdecl
#if defined(QUARNKERNEL_BUILD)
#define QK_API __declspec(dllexport)
#else
#define QK_API __declspec(dllimport)
#endif
#else
#define QK_CALL
#define QK_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef int QkEntity;     /* entity handle; 0 is no entity */
typedef void* QkDocument; /* in-memory document; null is none */

/* Entity kinds.  Kinds 28 and 29 are device symbols. */
enum { QK_KIND_NONE = 0, QK_KIND_DEVICE_SYMBOL = 28, QK_KIND_DEVICE_SYMBOL_ALT = 29 };

/* Text sizes. */
enum {
  QK_NAME_SIZE = 32,       /* entity names, kind names, symbol names (31 bytes + zero) */
  QK_LABEL_TEXT_SIZE = 100 /* label texts (99 bytes + zero) */
};

/* EntityParam codes.  "entity" codes take label index 0; label codes take the label index. */
enum {
  ATTR_LABEL_COUNT_GET = 0x403c,    /* int, entity */
  ATTR_LABEL_COUNT_SET = 0x403d,    /* int, entity */
  ATTR_LABEL_TEXT_GET = 0x4012,     /* text, 100 bytes */
  ATTR_LABEL_TEXT_SET = 0x4013,     /* text, at most 99 bytes are kept */
  ATTR_LABEL_VISIBLE_GET = 0x403e,  /* int */
  ATTR_LABEL_VISIBLE_SET = 0x4014,  /* int */
  ATTR_LABEL_POSITION_GET = 0x4016, /* int */
  ATTR_LABEL_POSITION_SET = 0x4017, /* int */
  ATTR_LABEL_ANCHOR_SET = 0x4019,   /* three doubles */
  ATTR_LABEL_HEIGHT_GET = 0x401c,   /* double */
  ATTR_LABEL_HEIGHT_SET = 0x401d,   /* double */
  ATTR_LABEL_WIDTH_GET = 0x401a,    /* double */
  ATTR_LABEL_WIDTH_SET = 0x401b,    /* double */
  ATTR_LABEL_ANGLE_GET = 0x401e,    /* double */
  ATTR_LABEL_ANGLE_SET = 0x401f,    /* double */
  ATTR_LABEL_FOLLOW_GET = 0x4020,   /* int */
  ATTR_LABEL_FOLLOW_SET = 0x4021,   /* int */
  ATTR_LABEL_FORE_SET = 0x4043,     /* COLORREF (unsigned 32-bit) */
  ATTR_LABEL_BACK_SET = 0x4041,     /* COLORREF (unsigned 32-bit) */
  ATTR_KIND_NAME = 0x400d,          /* text, 32 bytes, entity (read) */
  ATTR_BASE_POINT_GET = 2,          /* three doubles, entity */
  ATTR_BASE_POINT_SET = 3,          /* three doubles, entity */
  ATTR_OUTLINE_SET = 0x4004         /* points of three doubles; the index is the point count */
};

/* The kernel keeps at most this many labels per entity; label indexes are 0 .. QK_MAX_LABELS-1. */
enum { QK_MAX_LABELS = 32 };

/* Entity attribute block (GetEntityAttributes / SetEntityAttributes): QK_ATTR_BLOCK_SIZE bytes,
 * byte offsets below; the other bytes belong to the kernel and are written back unchanged. */
enum {
  QK_ATTR_BLOCK_SIZE = 140,
  QK_ATTR_SYMBOL_SLOT = 16,   /* int32 */
  QK_ATTR_FLAGS = 20,         /* int32 flag word */
  QK_ATTR_TEXT = 24,          /* char[32], zero-terminated GBK */
  QK_ATTR_SYMBOL_SIZE = 84,   /* double: the size of the entity's symbol */
  QK_ATTR_FLAG_SYMBOL = 0x404 /* set when a symbol has been put onto the entity */
};

/* Symbol reference block (SetEntitySymbol): 36 bytes, packed on 4-byte boundaries. */
#pragma pack(push, 4)
typedef struct QkSymbolRef {
  int nLibrary;    /* 7: the point-symbol library */
  int nSubLibrary; /* 0 */
  int nIndex;      /* symbol index, 0 .. GetSymbolCount - 1 */
  double dWidth;   /* abs(x2 - x1) of the symbol's extent */
  double dHeight;  /* abs(y2 - y1) */
  double dAngle;   /* 0.0 */
} QkSymbolRef;
#pragma pack(pop)

/* DocumentQuery codes. */
enum {
  QK_DOC_COUNT = 0x2c,     /* result: number of entities */
  QK_DOC_ENTITY_AT = 0x2d, /* index: position; result: the entity handle there, 0 if none */
  QK_DOC_ADD = 0x2e,       /* pointer: address of a QkEntity to add; result: 1 added, 0 not */
  QK_DOC_EXTENTS = 0x31    /* pointer: four doubles x1, y1, x2, y2; result: 1, 0 if empty */
};

/* Entities. */
QK_API int QK_CALL GetEntityKind(QkEntity handle); /* QK_KIND_NONE for an unknown handle */
/* Copies the entity's name (at most size - 1 bytes, always terminated when size > 0). */
QK_API int QK_CALL GetEntityName(QkEntity handle, char* buffer, int size);
/* Reads or writes one parameter (codes above) at `value`; 0 for an unknown entity, code or
 * label index.  Text gets copy at most QK_LABEL_TEXT_SIZE (or QK_NAME_SIZE) bytes, terminated. */
QK_API int QK_CALL EntityParam(QkEntity entity, int code, void* value, int index);
/* Creates an entity of `kind` (28: a device symbol without a symbol yet); 0 on failure. */
QK_API QkEntity QK_CALL CreateEntity(int kind);
QK_API int QK_CALL GetEntityAttributes(QkEntity entity, void* block);       /* QK_ATTR_BLOCK_SIZE */
QK_API int QK_CALL SetEntityAttributes(QkEntity entity, const void* block); /* QK_ATTR_BLOCK_SIZE */
QK_API int QK_CALL SetEntitySymbol(QkEntity entity, const QkSymbolRef* symbol);

/* Symbol libraries: library 7, sub-library 0 holds the point symbols. */
QK_API int QK_CALL GetSymbolCount(int library, int subLibrary);
/* Copies the name of symbol `index` (at most size - 1 bytes, terminated); 0 if out of range. */
QK_API int QK_CALL GetSymbolName(int library, int subLibrary, int index, int size, char* buffer);
/* extent[4] = x1, y1, x2, y2 in drawing units; 0 if out of range. */
QK_API int QK_CALL GetSymbolExtent(int library, int subLibrary, int index, double* extent);

/* Documents: in-memory lists of entities that a preview shows. */
QK_API QkDocument QK_CALL CreateDocument(int flags, const char* name);
QK_API void QK_CALL DestroyDocument(QkDocument document);
QK_API int QK_CALL DocumentQuery(QkDocument document, int code, void* pointer, int index);

/* Display data of one entity: GetDisplaySize bytes (0 or less: nothing to show), filled by
 * BuildDisplay and made ready for drawing by PrepareDisplay. */
QK_API int QK_CALL GetDisplaySize(QkEntity entity);
QK_API int QK_CALL BuildDisplay(QkEntity entity, void* buffer);
QK_API int QK_CALL PrepareDisplay(void* buffer);

/* Drawing on a device context (an HDC): BeginDraw answers the device origin (a, b) that
 * DrawDisplay then uses.  Device y grows downwards, world y upwards:
 *   world x = (device x - origin x) / (pixels per unit * scale) - offset x,
 *   world y = -(device y - origin y) / (pixels per unit * scale) - offset y. */
QK_API int QK_CALL BeginDraw(void* dc, int* a, int* b);
QK_API int QK_CALL DrawDisplay(void* dc, int a, int b, double offsetX, double offsetY, double scale,
                               const void* buffer, unsigned background, int reserved);
QK_API int QK_CALL DeviceToWorld(int x, int y, double* worldX, double* worldY, void* dc,
                                 double offsetX, double offsetY, double scale);
QK_API double QK_CALL DeviceLengthToWorld(double length, double scale);

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
static_assert(sizeof(QkSymbolRef) == 36, "the symbol reference block is 36 bytes");
#endif

#endif /* VJD_QUARNKERNEL_H */
