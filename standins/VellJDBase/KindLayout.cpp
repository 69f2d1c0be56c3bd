// The stored configuration of a kind and its layout onto one entity's labels: HasKindConfiguration
// and AnnotateEntity (see VellJDLabels.h).  Records are read with the plug-in's own record code
// (LabelConfigFile); the lookups of the library report nothing to the user, so a configuration
// file that cannot be used reads as "no configuration".
#define VELLJDBASE_BUILD
#include <windows.h>

#include <cstring>
#include <string>

#include "GbkText.h"
#include "HostContract.h"
#include "HostDirectory.h"
#include "LabelConfigFile.h"
#include "LabelLayout.h"
#include "PoMapDriver.h"
#include "SymbolLabelConfig.h"
#include "VellJDLabels.h"
#include "quarnkernel.h"

namespace {

using vjd::annotation::LabelConfigFile;
using vjd::annotation::SymbolLabelConfig;

// The kind's stored record; with `orDefault` its built-in default when none is stored.
bool LookUpKind(const char* kindName, bool orDefault, SymbolLabelConfig& record) {
  const LabelConfigFile file(vjd::annotation::HostExecutableDirectory());
  if (file.FindRecord(kindName, record).ok()) return true;
  return orDefault && vjd::annotation::MakeDefaultConfig(kindName, record) > 0;
}

void SetInt(int entity, int code, int label, int value) {
  EntityParam(entity, code, &value, label);
}

void SetDouble(int entity, int code, int label, double value) {
  EntityParam(entity, code, &value, label);
}

// The text as the kernel's label buffer holds it, cut before a character that would not fit.
void SetText(int entity, int label, const char* text) {
  char buffer[QK_LABEL_TEXT_SIZE];
  vjd::annotation::gbk::CopyToBuffer(buffer, sizeof buffer, text);
  EntityParam(entity, ATTR_LABEL_TEXT_SET, buffer, label);
}

}  // namespace

extern "C" {

int VJDLABELS_CALL HasKindConfiguration(const char* kindName) {
  if (kindName == nullptr) return 0;
  try {
    SymbolLabelConfig record;
    return LookUpKind(kindName, false, record) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

int VJDLABELS_CALL AnnotateEntity(int nMode, const VjdHostMap* pMap, const char* kindName,
                                  int* pHandle, const VjdTextArray* texts, int nFlag) {
  if (kindName == nullptr || pHandle == nullptr || *pHandle == 0) return 0;
  if (nMode == VJD_ANNOTATE_COMPOSED && texts == nullptr) return 0;
  try {
    const int entity = *pHandle;
    if (GetEntityKind(entity) == QK_KIND_NONE) return 0;
    SymbolLabelConfig record;
    if (!LookUpKind(kindName, nFlag == VJD_ANNOTATE_OR_DEFAULT, record)) return 0;
    const int count = vjd::annotation::LabelCount(record);

    // The texts the entity already carries, read before the count changes.
    int oldCount = 0;
    EntityParam(entity, ATTR_LABEL_COUNT_GET, &oldCount, 0);
    std::string oldTexts[vjd::annotation::kMaxLabelSlots];
    for (int i = 0; i < count && i < oldCount; ++i) {
      char buffer[QK_LABEL_TEXT_SIZE] = {};
      if (EntityParam(entity, ATTR_LABEL_TEXT_GET, buffer, i)) {
        buffer[QK_LABEL_TEXT_SIZE - 1] = '\0';
        oldTexts[i] = buffer;
      }
    }

    // What the middle positions are measured from: base point, symbol size and map scale.
    double base[3] = {0, 0, 0};
    EntityParam(entity, ATTR_BASE_POINT_GET, base, 0);
    unsigned char block[QK_ATTR_BLOCK_SIZE] = {};
    double symbolSize = 0.0;
    if (GetEntityAttributes(entity, block))
      std::memcpy(&symbolSize, block + QK_ATTR_SYMBOL_SIZE, sizeof symbolSize);
    const double scale = vjd::host::CPoMapDriver(pMap).Scale();

    SetInt(entity, ATTR_LABEL_COUNT_SET, 0, count);
    for (int i = 0; i < count; ++i) {
      const char* text = record.szText[i];
      if (texts && i < texts->nCount && texts->pTexts && texts->pTexts[i]) {
        text = texts->pTexts[i];
      } else if (i < oldCount) {
        text = oldTexts[i].c_str();
      }
      SetText(entity, i, text);
      SetInt(entity, ATTR_LABEL_VISIBLE_SET, i, record.bVisible[i] ? 1 : 0);
      const int position = record.nPosition[i];
      if (vjd::annotation::IsMiddlePosition(position)) {
        double anchor[3] = {base[0],
                            LabelLayout::LoadedAnchorY(position, base[1], symbolSize, scale), 0.0};
        EntityParam(entity, ATTR_LABEL_ANCHOR_SET, anchor, i);
      }
      SetInt(entity, ATTR_LABEL_POSITION_SET, i, position);
      SetDouble(entity, ATTR_LABEL_HEIGHT_SET, i, record.dHeight[i]);
      SetDouble(entity, ATTR_LABEL_WIDTH_SET, i, record.dWidth[i]);
      SetDouble(entity, ATTR_LABEL_ANGLE_SET, i, record.dAngle[i]);
      SetInt(entity, ATTR_LABEL_FOLLOW_SET, i, record.bAngleFollows[i] ? 1 : 0);
      SetInt(entity, ATTR_LABEL_FORE_SET, i, record.clrFore[i]);
      SetInt(entity, ATTR_LABEL_BACK_SET, i, record.clrBack[i]);
    }
    return 1;
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
