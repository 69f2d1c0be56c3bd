// The stored configuration of a kind and its layout onto one entity's labels: HasKindConfiguration
// and AnnotateEntity (see VellJDLabels.h).  Records are read with the library's own reader
// (KindRecordFile.h); the lookups of the library report nothing to the user, so a configuration
// file that cannot be used reads as "no configuration".
#define VELLJDBASE_BUILD
#include <windows.h>

#include <cmath>
#include <cstring>
#include <string>

#include "KindRecordFile.h"
#include "MapQueries.h"
#include "StandInText.h"
#include "VellJDLabels.h"
#include "quarnkernel.h"

namespace {

using jdbase::KindLabel;
using jdbase::KindRecord;

// "机电数据库\机电配置.cfg" in the directory of the running program (the host).
std::string ConfigurationPath() {
  char path[MAX_PATH * 2] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) return std::string();
  const std::string program(path, n);
  const size_t cut = standin::GbkFindLast(program, '\\');
  if (cut == std::string::npos) return std::string();
  return program.substr(0, cut + 1) + "机电数据库\\机电配置.cfg";
}

// The kind's stored record; with `orDefault` its built-in layout when none can be read.
bool LookUpKind(const char* kindName, bool orDefault, KindRecord& record) {
  const std::string path = ConfigurationPath();
  if (!path.empty() &&
      jdbase::LookUpKindRecord(path, kindName, record) == jdbase::KindLookup::kFound)
    return true;
  return orDefault && jdbase::DefaultKindRecord(kindName, record);
}

// Where a label at a middle position (codes 21 to 24) is anchored: on the vertical through the
// base point, above or below it by a share of the symbol's size divided by the map's scale (a
// scale of 0 or no finite number counts as 1).  Other codes are placed by the kernel itself.
bool MiddleAnchorY(int code, double baseY, double symbolSize, double scale, double& y) {
  if (code < 21 || code > 24) return false;
  const double f = (std::isfinite(scale) && scale != 0.0) ? scale : 1.0;
  const double divisors[] = {2.2, 4.0, 4.0, 2.2};  // codes 21 and 22 above, 23 and 24 below
  const double offset = (symbolSize / divisors[code - 21]) / f;
  y = code <= 22 ? baseY + offset : baseY - offset;
  return true;
}

void SetInt(int entity, int code, int label, int value) {
  EntityParam(entity, code, &value, label);
}

void SetDouble(int entity, int code, int label, double value) {
  EntityParam(entity, code, &value, label);
}

// The text as the kernel's label buffer holds it, cut before a character that would not fit.
void SetText(int entity, int label, const std::string& text) {
  char buffer[QK_LABEL_TEXT_SIZE] = {};
  const size_t n = standin::GbkFitLength(text, sizeof buffer - 1);
  std::memcpy(buffer, text.data(), n);
  EntityParam(entity, ATTR_LABEL_TEXT_SET, buffer, label);
}

}  // namespace

extern "C" {

int VJDLABELS_CALL HasKindConfiguration(const char* kindName) {
  if (kindName == nullptr) return 0;
  try {
    KindRecord record;
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
    KindRecord record;
    if (!LookUpKind(kindName, nFlag == VJD_ANNOTATE_OR_DEFAULT, record)) return 0;
    const int count = record.count;

    // The texts the entity already carries, read before the count changes.
    int oldCount = 0;
    EntityParam(entity, ATTR_LABEL_COUNT_GET, &oldCount, 0);
    std::string oldTexts[jdbase::kKindRecordSlots];
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
    const double scale = jdbase::MapQueries(pMap).Scale();

    SetInt(entity, ATTR_LABEL_COUNT_SET, 0, count);
    for (int i = 0; i < count; ++i) {
      const KindLabel& label = record.labels[i];
      std::string text = label.text;
      if (texts && i < texts->nCount && texts->pTexts && texts->pTexts[i]) {
        text = texts->pTexts[i];
      } else if (i < oldCount) {
        text = oldTexts[i];
      }
      SetText(entity, i, text);
      SetInt(entity, ATTR_LABEL_VISIBLE_SET, i, label.visible ? 1 : 0);
      double anchor[3] = {base[0], 0.0, 0.0};
      if (MiddleAnchorY(label.position, base[1], symbolSize, scale, anchor[1]))
        EntityParam(entity, ATTR_LABEL_ANCHOR_SET, anchor, i);
      SetInt(entity, ATTR_LABEL_POSITION_SET, i, label.position);
      SetDouble(entity, ATTR_LABEL_HEIGHT_SET, i, label.height);
      SetDouble(entity, ATTR_LABEL_WIDTH_SET, i, label.width);
      SetDouble(entity, ATTR_LABEL_ANGLE_SET, i, label.angle);
      SetInt(entity, ATTR_LABEL_FOLLOW_SET, i, label.angleFollows ? 1 : 0);
      SetInt(entity, ATTR_LABEL_FORE_SET, i, label.fore);
      SetInt(entity, ATTR_LABEL_BACK_SET, i, label.back);
    }
    return 1;
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
