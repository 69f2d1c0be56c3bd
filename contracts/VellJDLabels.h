/* The label side of the maker library VellJDBase: the eight display settings that the drawing
 * commands and the annotation configuration window share, the motor and short-circuit
 * predicates, and the layout of one entity's labels from the stored configuration of its kind.
 *
 * Conventions: extern "C" __cdecl, exported under the plain names; int results are 0 or 1
 * unless said; texts are zero-terminated GBK; an entity is its kernel handle (quarnkernel.h).
 * Nothing here throws across the boundary.
 *
 * Display settings live in the library, one value per process, from the library's load to its
 * unload; they are not written to any file.  A setter stores 1 for any non-zero value.  The
 * values when the library is loaded: motor model 1, motor name 1, cable label 1, cable name 0,
 * one-line cable label 1, short-point name 1, short current 1, name on draw 1. */
#ifndef VJD_VELLJDLABELS_H
#define VJD_VELLJDLABELS_H

#if defined(VELLJDBASE_BUILD)
#define VJDLABELS_API __declspec(dllexport)
#else
#define VJDLABELS_API __declspec(dllimport)
#endif
#define VJDLABELS_CALL __cdecl

#ifdef __cplusplus
extern "C" {
#endif

struct VjdHostMap;

/* The eight display settings, each with a getter (0 or 1) and a setter (any non-zero is 1):
 * Get<Name>(void) and Set<Name>(int value). */
#define VJDLABELS_SETTING(Name)                     \
  VJDLABELS_API int VJDLABELS_CALL Get##Name(void); \
  VJDLABELS_API void VJDLABELS_CALL Set##Name(int value);
VJDLABELS_SETTING(ShowMotorModel)
VJDLABELS_SETTING(ShowMotorName)
VJDLABELS_SETTING(ShowCableLabel)
VJDLABELS_SETTING(ShowCableName)
VJDLABELS_SETTING(OneLineCableLabel)
VJDLABELS_SETTING(ShowShortPointName)
VJDLABELS_SETTING(ShowShortCurrent)
VJDLABELS_SETTING(ShowNameOnDraw)
#undef VJDLABELS_SETTING

/* A motor: the entity's kind name (ATTR_KIND_NAME) is "电动机".  0 for an unknown handle. */
VJDLABELS_API int VJDLABELS_CALL IsMotorSymbol(int handle);
/* A short-circuit point: the entity's kind name is "短路点". */
VJDLABELS_API int VJDLABELS_CALL IsShortCircuitPoint(int handle);

/* 1 when the configuration file ("机电数据库\机电配置.cfg" under the host's directory) holds a
 * record for the kind (its format: annotation/LabelConfigFile.md).  0 when it holds none, when
 * kindName is null, or when the file cannot be opened. */
VJDLABELS_API int VJDLABELS_CALL HasKindConfiguration(const char* kindName);

/* The visibility a label gets when it is written without a stored configuration: 1 (shown). */
VJDLABELS_API int VJDLABELS_CALL GetDefaultLabelVisible(void);

/* Texts handed to AnnotateEntity: nCount texts, pTexts[i] for label slot i (null: no text
 * given for that slot). */
typedef struct VjdTextArray {
  int nCount;
  const char* const* pTexts;
} VjdTextArray;

/* AnnotateEntity modes (first argument). */
enum {
  VJD_ANNOTATE_COMPOSED = 0, /* the caller composed label texts: `texts` is required */
  VJD_ANNOTATE_PUSH = 1      /* a kind's layout pushed onto an entity: `texts` is optional */
};
/* AnnotateEntity flags (last argument). */
enum {
  VJD_ANNOTATE_STORED_ONLY = 0, /* only a record stored in the file is laid out */
  VJD_ANNOTATE_OR_DEFAULT = 1   /* without a stored record, the kind's built-in default
                                   (what the configuration window shows for it) is used */
};

/* Lays the label slots of the kind's configuration onto the entity *pHandle: the label count
 * becomes the configuration's count; every slot gets its visibility, position code (the four
 * middle positions 21 to 24 with their anchor point above or below the base point, by the
 * symbol size divided by the map's Scale), height, width, angle, angle-follows flag and
 * colours.  Slot i's text is texts->pTexts[i] where one is given; otherwise the entity's own
 * text when it already had label i (a push changes the layout, never the texts a draftsman
 * typed), otherwise the configuration's text.  pMap (may be null: scale 1) is only read.
 * Answers 1 when the labels were laid out, 0 with the entity unchanged when the handle or kind
 * name is missing, no configuration applies (see the flags), or the mode needs texts and none
 * were given. */
VJDLABELS_API int VJDLABELS_CALL AnnotateEntity(int nMode, const struct VjdHostMap* pMap,
                                                const char* kindName, int* pHandle,
                                                const VjdTextArray* texts, int nFlag);

#ifdef __cplusplus
}
#endif

#endif /* VJD_VELLJDLABELS_H */
