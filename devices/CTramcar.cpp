#include "CTramcar.h"

CTramcar::CTramcar() = default;
CTramcar::CTramcar(const CTramcar&) = default;
CTramcar& CTramcar::operator=(const CTramcar&) = default;
CTramcar::~CTramcar() = default;
