#include "LabelComposer.h"

#include <algorithm>
#include <cstring>

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

// The length of the part of a cable model before its first "-" (0 without one).
size_t PrefixLength(const std::string& model) {
  for (size_t pos = 0; pos < model.size(); pos += gbk::CharLength(model, pos)) {
    if (model[pos] == '-') return pos;
  }
  return 0;
}

// A label text being composed.  It keeps one byte more than a label holds: enough to tell where
// the text must be cut, as that depends only on the characters that start within the label's
// room.  So the parts are copied once, and the text costs one allocation at most (none when it
// is short), whatever its parts.
class LabelText {
 public:
  LabelText& Add(const char* bytes, size_t length) {
    if (length > kRoom - m_size) length = kRoom - m_size;
    std::memcpy(m_bytes + m_size, bytes, length);
    m_size += length;
    return *this;
  }
  LabelText& Add(const std::string& text, size_t from = 0, size_t length = std::string::npos) {
    return Add(text.data() + from, std::min(length, text.size() - from));
  }
  template <size_t N>
  LabelText& Add(const char (&literal)[N]) {
    return Add(literal, N - 1);
  }
  // The text cut at a character boundary to what a label holds.
  std::string Fitted() const { return std::string(m_bytes, FittedSize()); }
  void FitInto(std::string& text) const {
    text.clear();  // then append: the room is kept, and no general replace runs
    text.append(m_bytes, FittedSize());
  }

 private:
  size_t FittedSize() const { return gbk::FitLength(m_bytes, m_size, gbk::kMaxLabelTextBytes); }
  static constexpr size_t kRoom = gbk::kMaxLabelTextBytes + 1;
  char m_bytes[kRoom];
  size_t m_size = 0;
};

}  // namespace

std::optional<std::string> ComposeMotorLabel(const std::string& text, const std::string& name,
                                             const std::string& model, bool showName,
                                             bool showModel) {
  if (text == name) {
    if (showName) return std::nullopt;
    return std::string(kMotorPlaceholder);
  }
  if (text.empty() || (text.size() == 1 && text[0] == kMotorPlaceholder[0])) {
    if (!showName) return std::nullopt;
    return gbk::CutToFit(name);
  }
  if (model.empty()) return std::nullopt;
  size_t at = gbk::Find(text, model);
  if (at != std::string::npos) {
    if (showModel) return std::nullopt;
    return std::string(text, 0, gbk::FitLength(text.data(), at, gbk::kMaxLabelTextBytes));
  }
  if (HasPowerMark(text) || !showModel) return std::nullopt;
  return LabelText().Add(text).Add(model).Fitted();
}

std::string CableModelPrefix(const std::string& model) {
  return std::string(model, 0, PrefixLength(model));
}

int RunCountOf(const std::string& runCount) {
  return ReadInt32(runCount.c_str());
}

std::string ComposeOneLineCableLabel(const std::string& name, const std::string& model,
                                     const std::string& spec, const std::string& length,
                                     const std::string& runCount, bool showName) {
  LabelText text;
  if (showName) text.Add(name).Add(" ");
  text.Add(model, 0, PrefixLength(model)).Add("-").Add(spec);
  if (!IsZeroLength(length)) {
    text.Add("-");
    if (RunCountOf(runCount) > 1) text.Add(runCount).Add(kTimes);
    text.Add(length).Add("m");
  }
  return text.Fitted();
}

std::string ComposeCableNameLabel(const std::string& name, const std::string& length,
                                  const std::string& runCount) {
  LabelText text;
  text.Add(name).Add("(");
  if (RunCountOf(runCount) > 1) text.Add(runCount).Add(kTimes);
  return text.Add(length).Add(" m)").Fitted();
}

std::string CableModelLabel(const std::string& model) {
  return gbk::CutToFit(model);
}

std::string ComposeShortCircuitText(const std::string& name, const std::string& current,
                                    bool showCurrent, bool showName) {
  std::string text;
  ComposeShortCircuitText(name, current, showCurrent, showName, text);
  return text;
}

void ComposeShortCircuitText(const std::string& name, const std::string& current, bool showCurrent,
                             bool showName, std::string& text) {
  // The tail: the name without its first character.
  const size_t tail = name.empty() ? 0 : gbk::CharLength(name, 0);
  LabelText composed;
  composed.Add("Id");
  if (!showCurrent) {
    composed.Add(name, tail);
  } else {
    if (showName) composed.Add("#-").Add(name, tail);
    composed.Add("#+(2)#=").Add(current).Add("A");
  }
  composed.FitInto(text);
}

bool IsMissingShortCircuitCurrent(const std::string& current) {
  return current.empty() || current == "0";
}

}  // namespace vjd::annotation
