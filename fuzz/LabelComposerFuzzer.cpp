// libFuzzer target: the label texts Apply composes from device data.  The inputs are made well
// formed (no double-byte character cut), as the host's texts are.  Checked: every text fits the
// kernel's label buffer (99 bytes) and is itself well formed, so no cut or search split a
// character; a motor label either stays or becomes one of the texts its rules name.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzChecks.h"
#include "GbkText.h"
#include "LabelComposer.h"

using fuzzcheck::Require;
using namespace vjd::annotation;

namespace {

void RequireLabelText(const std::string& text) {
  Require(text.size() <= gbk::kMaxLabelTextBytes);
  Require(fuzzcheck::WellFormedGbk(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzcheck::Fields fields(data, size);
  const int flags = fields.Small(4);
  const bool first = (flags & 1) != 0, second = (flags & 2) != 0;
  const std::string text = fuzzcheck::MadeWellFormed(fields.Next());
  const std::string name = fuzzcheck::MadeWellFormed(fields.Next());
  const std::string model = fuzzcheck::MadeWellFormed(fields.Next());
  const std::string spec = fuzzcheck::MadeWellFormed(fields.Next());
  const std::string length = fuzzcheck::MadeWellFormed(fields.Next());
  const std::string runs = fuzzcheck::MadeWellFormed(fields.Next());

  std::optional<std::string> motor = ComposeMotorLabel(text, name, model, first, second);
  if (motor) {
    RequireLabelText(*motor);
    const bool known = *motor == "M" || *motor == gbk::CutToFit(name) ||
                       *motor == gbk::CutToFit(text + model) ||
                       (gbk::Find(text, model) != std::string::npos &&
                        *motor == text.substr(0, gbk::Find(text, model)));
    Require(known);
  }
  const std::string prefix = CableModelPrefix(model);
  Require(model.compare(0, prefix.size(), prefix) == 0 && fuzzcheck::WellFormedGbk(prefix));
  (void)RunCountOf(runs);
  RequireLabelText(ComposeOneLineCableLabel(name, model, spec, length, runs, first));
  RequireLabelText(ComposeCableNameLabel(name, length, runs));
  RequireLabelText(CableModelLabel(model));
  RequireLabelText(ComposeShortCircuitText(name, spec, first, second));
  (void)IsMissingShortCircuitCurrent(spec);
  return 0;
}
