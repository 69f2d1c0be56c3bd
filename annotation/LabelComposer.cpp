#include "LabelComposer.h"

#include "GbkText.h"
#include "NumberText.h"

namespace vjd::annotation {

namespace {

const char kMotorPlaceholder[] = "M";
const char kTimes[] = "×";

// "KW", "kW", "kw" or a capital "I" at a character start: a power or current text.
bool HasPowerMark(const std::string& text) {
  for (size_t pos = 0; pos < text.size(); pos += gbk::CharLength(text, pos)) {
    const char c = text[pos];
    if (c == 'I') return true;
    if ((c == 'K' || c == 'k') && pos + 1 < text.size()) {
      const char next = text[pos + 1];
      if (next == 'W' || (c == 'k' && next == 'w')) return true;
    }
  }
  return false;
}

// A length text that reads as zero (within 1e-9) is left out of the one-line label; so is one
// without a number or beyond the double range.
bool IsZeroLength(const std::string& length) {
  const double x = ReadReal(length.c_str(), 0.0);
  return !(x > 1e-9 || x < -1e-9);
}

}  // namespace

std::optional<std::string> ComposeMotorLabel(const std::string& text, const std::string& name,
                                             const std::string& model, bool showName,
                                             bool showModel) {
  if (text == name) {
    if (showName) return std::nullopt;
    return std::string(kMotorPlaceholder);
  }
  if (text.empty() || text == kMotorPlaceholder) {
    if (!showName) return std::nullopt;
    return gbk::CutToFit(name);
  }
  if (model.empty()) return std::nullopt;
  size_t at = gbk::Find(text, model);
  if (at != std::string::npos) {
    if (showModel) return std::nullopt;
    return gbk::CutToFit(text.substr(0, at));
  }
  if (HasPowerMark(text) || !showModel) return std::nullopt;
  return gbk::CutToFit(text + model);
}

std::string CableModelPrefix(const std::string& model) {
  size_t dash = gbk::Find(model, "-");
  return dash == std::string::npos ? std::string() : model.substr(0, dash);
}

int RunCountOf(const std::string& runCount) {
  return ReadInt32(runCount.c_str());
}

std::string ComposeOneLineCableLabel(const std::string& name, const std::string& model,
                                     const std::string& spec, const std::string& length,
                                     const std::string& runCount, bool showName) {
  std::string text;
  if (showName) text = name + " ";
  text += CableModelPrefix(model) + "-" + spec;
  if (!IsZeroLength(length)) {
    text += "-";
    if (RunCountOf(runCount) > 1) text += runCount + kTimes;
    text += length + "m";
  }
  return gbk::CutToFit(text);
}

std::string ComposeCableNameLabel(const std::string& name, const std::string& length,
                                  const std::string& runCount) {
  std::string shown = RunCountOf(runCount) > 1 ? runCount + kTimes + length : length;
  return gbk::CutToFit(name + "(" + shown + " m)");
}

std::string CableModelLabel(const std::string& model) {
  return gbk::CutToFit(model);
}

std::string ComposeShortCircuitText(const std::string& name, const std::string& current,
                                    bool showCurrent, bool showName) {
  std::string tail = gbk::DropFirstChar(name);
  std::string text;
  if (!showCurrent) {
    text = "Id" + tail;
  } else if (showName) {
    text = "Id#-" + tail + "#+(2)#=" + current + "A";
  } else {
    text = "Id#+(2)#=" + current + "A";
  }
  return gbk::CutToFit(text);
}

bool IsMissingShortCircuitCurrent(const std::string& current) {
  return current.empty() || current == "0";
}

}  // namespace vjd::annotation
