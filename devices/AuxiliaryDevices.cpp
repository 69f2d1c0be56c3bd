#include "AuxiliaryDevices.h"

VJD_DEFAULT_SPECIAL_MEMBERS(CPump);
VJD_DEFAULT_SPECIAL_MEMBERS(CFannerCurve);
VJD_DEFAULT_SPECIAL_MEMBERS(CAirCompressor);
VJD_DEFAULT_SPECIAL_MEMBERS(CElectricLocomotive);
VJD_DEFAULT_SPECIAL_MEMBERS(CTramcar);

// Nothing of their own to read or write.
VJD_DEFINE_EMPTY_PARA_SLOTS(CFannerCurve)
