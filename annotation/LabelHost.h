// What the configuration window needs from the world around it: the entity labels in the host
// kernel, the device data of the map, the maker libraries (display settings, symbol predicates,
// the layout of a kind), the map's change notifications and its scale.  The Windows build
// implements it over the host access layer and the maker libraries (CHostLabelAccess); tests
// implement it in memory.
//
// Texts are GBK bytes.  Entities are addressed by their kernel handle, device data by entity id.
// Implementations never throw.
#pragma once

#include <string>
#include <vector>

namespace vjd::annotation {

class ILabelHost {
 public:
  virtual ~ILabelHost() = default;

  // Kernel: entity attributes and labels (label index 0 for attributes of the entity).
  // GetEntityKind is the one question that may name an entity gone from the drawing (erased
  // since the window got its lists): it answers 28 or 29 only for a device symbol still there.
  virtual int GetEntityKind(int handle) = 0;          // QK_KIND_NONE for an unknown handle
  virtual std::string GetKindName(int handle) = 0;    // ATTR_KIND_NAME, at most 31 bytes
  virtual std::string GetEntityName(int handle) = 0;  // GetEntityName, at most 31 bytes
  virtual int GetLabelCount(int handle) = 0;
  virtual void SetLabelCount(int handle, int count) = 0;
  virtual std::string GetLabelText(int handle, int label) = 0;  // at most 99 bytes
  virtual void SetLabelText(int handle, int label, const std::string& text) = 0;
  virtual int GetLabelVisible(int handle, int label) = 0;
  virtual void SetLabelVisible(int handle, int label, int visible) = 0;
  virtual void SetLabelPosition(int handle, int label, int code) = 0;

  // Device data of the map (see CDeviceDataReader for what an absent item gives).
  virtual std::string GetMotorModel(int id) = 0;
  virtual void GetCableLength(int id, std::string& runCount, std::string& length) = 0;
  virtual void GetCableType(int id, std::string& model, std::string& spec) = 0;
  virtual bool HasCableData(int id) = 0;
  virtual std::string GetShortCircuitCurrent(int id) = 0;

  // VellJDBase: the display settings, kept by the library for the process.
  virtual void SetShowMotorModel(int value) = 0;
  virtual void SetShowMotorName(int value) = 0;
  virtual void SetShowCableLabel(int value) = 0;
  virtual void SetShowCableName(int value) = 0;
  virtual void SetOneLineCableLabel(int value) = 0;
  virtual void SetShowShortPointName(int value) = 0;
  virtual void SetShowShortCurrent(int value) = 0;
  virtual void SetShowNameOnDraw(int value) = 0;

  // VellJDBase: symbol families, stored kind configurations and the layout of one entity.
  virtual bool IsMotorSymbol(int handle) = 0;
  virtual bool IsShortCircuitPoint(int handle) = 0;
  virtual bool HasKindConfiguration(const std::string& kindName) = 0;
  virtual int GetDefaultLabelVisible() = 0;
  // `texts` may be null (no texts given).  `handle` is the address of the caller's copy.
  virtual int AnnotateEntity(int mode, const std::string& kindName, int* handle,
                             const std::vector<std::string>* texts, int flag) = 0;

  // VellBase: rewrites a number text in the library's number format.
  virtual std::string FormatNumberText(const std::string& text) = 0;

  // Map: one undoable operation, the entities about to change, and which ones changed.
  virtual void BeginOperation(const std::string& name) = 0;
  virtual void RecordEntity(int handle) = 0;
  virtual void UpdateEntities(const std::vector<int>& ids) = 0;
  virtual void Refresh() = 0;
  virtual void SetChangedFlag(bool changed) = 0;
  // Map: its Scale property (1.0 without a map), by which the preview divides the offsets of the
  // middle label positions.
  virtual double GetMapScale() = 0;
};

}  // namespace vjd::annotation
