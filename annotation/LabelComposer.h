// Composition of the label texts that Apply writes from device data: the motor label rules, the
// two forms of the cable label and the short-circuit text.  Pure functions of their inputs; the
// caller reads the inputs from the host and writes the results back.  Every text returned fits
// the kernel's label buffer (cut at a character boundary to at most 99 bytes).
#pragma once

#include <optional>
#include <string>

namespace vjd::annotation {

// The new text of one motor label `text`, or nothing when the label stays as it is.  The first
// rule whose condition on the text holds decides (comparisons byte for byte, case-sensitive):
//   the text equals the motor's name  -> "M" when names are off;
//   the text is "" or "M"             -> the name when names are on;
//   the text contains the model       -> the part before the model when models are off;
//   the text lacks the model and has none of "KW", "kW", "kw", "I"
//                                     -> the text followed by the model when models are on.
// A motor without a model (empty text) takes part in neither of the two model rules.
std::optional<std::string> ComposeMotorLabel(const std::string& text, const std::string& name,
                                             const std::string& model, bool showName,
                                             bool showModel);

// The part of a cable model before its first "-"; a model without "-" gives "".
std::string CableModelPrefix(const std::string& model);

// The run count read as an integer (ReadInt32), as the cable texts use it ("2" -> 2, "" -> 0).
int RunCountOf(const std::string& runCount);

// The one-line cable label from already formatted length and specification:
// [name " "] prefix "-" spec, then "-" [runCount "×"] length "m" unless the length reads as zero.
std::string ComposeOneLineCableLabel(const std::string& name, const std::string& model,
                                     const std::string& spec, const std::string& length,
                                     const std::string& runCount, bool showName);

// The first of the two cable labels: name "(" [runCount "×"] length " m)".  The second label
// is the whole model (CableModelLabel).
std::string ComposeCableNameLabel(const std::string& name, const std::string& length,
                                  const std::string& runCount);
std::string CableModelLabel(const std::string& model);

// The short-circuit label text.  `name` is the point's own name; its first character (the
// letter of the point, e.g. the "d" of "d3") is left out.  The "#-", "#+", "#=" sequences are
// markup the host renders (subscript, superscript, back to the base line).
std::string ComposeShortCircuitText(const std::string& name, const std::string& current,
                                    bool showCurrent, bool showName);
// The same text written into `text`, whose room is reused (Apply composes one for every point).
void ComposeShortCircuitText(const std::string& name, const std::string& current, bool showCurrent,
                             bool showName, std::string& text);

// True for a current that leaves the point's label alone: "" or "0".
bool IsMissingShortCircuitCurrent(const std::string& current);

}  // namespace vjd::annotation
