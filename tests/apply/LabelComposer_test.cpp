// Label texts as Apply composes them, with the examples the draftsmen know, and the GBK cuts.
#include "LabelComposer.h"

#include <gtest/gtest.h>

#include "GbkText.h"

namespace vjd::annotation {
namespace {

std::string Motor(const std::string& t, bool showName, bool showModel,
                  const std::string& name = "M1", const std::string& model = "Y2-4") {
  return ComposeMotorLabel(t, name, model, showName, showModel).value_or("<unchanged>");
}

TEST(MotorLabel, NameTurnsIntoPlaceholderAndBack) {
  EXPECT_EQ(Motor("M1", false, false), "M");
  EXPECT_EQ(Motor("M1", true, false), "<unchanged>");
  EXPECT_EQ(Motor("M", true, false), "M1");
  EXPECT_EQ(Motor("", true, false), "M1");
  EXPECT_EQ(Motor("M", false, true), "<unchanged>");  // names off: "M" is not a model text
}

TEST(MotorLabel, ModelIsAppendedWithoutSeparatorAndCutAgain) {
  EXPECT_EQ(Motor("AB", false, true), "ABY2-4");
  EXPECT_EQ(Motor("ABY2-4", false, true), "<unchanged>");
  EXPECT_EQ(Motor("ABY2-4", false, false), "AB");
  EXPECT_EQ(Motor("ABY2-4xyzY2-4", false, false), "AB");  // before the first occurrence
  EXPECT_EQ(Motor("AB", false, false), "<unchanged>");
}

TEST(MotorLabel, PowerAndCurrentTextsAreLeftAlone) {
  for (const char* t : {"55KW", "55kW", "55kw", "I=100"})
    EXPECT_EQ(Motor(t, true, true), "<unchanged>") << t;
  EXPECT_EQ(Motor("55Kw", false, true), "55KwY2-4");  // only the three spellings count
  EXPECT_EQ(Motor("i", false, true), "iY2-4");        // and only the capital I
}

TEST(MotorLabel, EmptyModelTakesPartInNoModelRule) {
  EXPECT_EQ(Motor("AB", false, false, "M1", ""), "<unchanged>");
  EXPECT_EQ(Motor("AB", false, true, "M1", ""), "<unchanged>");
  EXPECT_EQ(Motor("M1", false, false, "M1", ""), "M");  // the name rule still works
}

TEST(MotorLabel, TrailByteIsNoLetter) {
  // "\x81I" is one double-byte character whose second byte is the byte of "I".
  EXPECT_EQ(Motor("\x81I", false, true), "\x81IY2-4");
  // A model found only across a character boundary is not in the text.
  EXPECT_EQ(Motor("\x81Y2-4", false, false, "M1", "Y2-4"), "<unchanged>");
}

TEST(MotorLabel, AppendedModelIsCutAtCharacterBoundary) {
  std::string text(97, 'a');
  std::string r = Motor(text, false, true, "M1", "电机");
  EXPECT_EQ(r, text + "电");  // 97 + 2 = 99; the second character does not fit
  r = Motor(std::string(98, 'a'), false, true, "M1", "电机");
  EXPECT_EQ(r.size(), 98u);  // no half character at the end
}

TEST(MotorLabel, ThePartBeforeTheModelFitsTheLabelBuffer) {
  std::string text;
  for (int i = 0; i < 55; ++i) text += "电";  // 110 bytes, longer than the kernel ever gives
  const std::string r = Motor(text + "Y2-4", false, false);
  EXPECT_EQ(r, text.substr(0, 98));
}

TEST(CableLabel, OneLineForms) {
  EXPECT_EQ(ComposeOneLineCableLabel("C1", "AB-1", "3×50", "200", "1", false), "AB-3×50-200m");
  EXPECT_EQ(ComposeOneLineCableLabel("C1", "AB-1", "3×50", "200", "2", false), "AB-3×50-2×200m");
  EXPECT_EQ(ComposeOneLineCableLabel("C1", "AB-1", "3×50", "0", "2", false), "AB-3×50");
  EXPECT_EQ(ComposeOneLineCableLabel("C1", "AB-1", "3×50", "", "1", false), "AB-3×50");
  EXPECT_EQ(ComposeOneLineCableLabel("C1", "AB-1", "3×50", "200", "1", true), "C1 AB-3×50-200m");
  EXPECT_EQ(ComposeOneLineCableLabel("C1", "MYP", "3×50", "200", "1", false), "-3×50-200m");
  EXPECT_EQ(ComposeOneLineCableLabel("C1", "AB-1", "3×50", "0.0000000001", "1", false), "AB-3×50");
  // A length is a decimal number: one beyond the double range, "inf", "nan" or a hexadecimal
  // form reads as no length and is left out.
  for (const char* none : {"1e400", "inf", "nan", "0x10"})
    EXPECT_EQ(ComposeOneLineCableLabel("C1", "AB-1", "3×50", none, "1", false), "AB-3×50") << none;
  EXPECT_EQ(ComposeOneLineCableLabel("C1", "AB-1", "3×50", "200", "99999999999", false),
            "AB-3×50-99999999999×200m");  // a huge run count is still more than one
}

TEST(CableLabel, TwoLabelForm) {
  EXPECT_EQ(ComposeCableNameLabel("C1", "200", "2"), "C1(2×200 m)");
  EXPECT_EQ(ComposeCableNameLabel("C1", "0", "1"), "C1(0 m)");  // a zero length still shows
  EXPECT_EQ(CableModelLabel("MYP-0.66/1.14"), "MYP-0.66/1.14");
}

TEST(ShortCircuitText, ThreeForms) {
  EXPECT_EQ(ComposeShortCircuitText("d3", "980", true, true), "Id#-3#+(2)#=980A");
  EXPECT_EQ(ComposeShortCircuitText("d3", "980", true, false), "Id#+(2)#=980A");
  EXPECT_EQ(ComposeShortCircuitText("d3", "980", false, true), "Id3");
  EXPECT_TRUE(IsMissingShortCircuitCurrent(""));
  EXPECT_TRUE(IsMissingShortCircuitCurrent("0"));
  EXPECT_FALSE(IsMissingShortCircuitCurrent("0.0"));
}

TEST(ShortCircuitText, ComposedIntoAUsedTextReplacesIt) {
  // Apply composes every point's text into the same string.
  std::string text = "an earlier text, longer than the next one";
  ComposeShortCircuitText("d3", "980", true, true, text);
  EXPECT_EQ(text, "Id#-3#+(2)#=980A");
  ComposeShortCircuitText("d12", "7", false, true, text);
  EXPECT_EQ(text, "Id12");
  ComposeShortCircuitText("d4", std::string(120, '9'), true, false, text);
  EXPECT_EQ(text, "Id#+(2)#=" + std::string(90, '9'));  // cut to the label's 99 bytes
}

TEST(ShortCircuitText, DoubleByteFirstCharacterIsDroppedWhole) {
  EXPECT_EQ(ComposeShortCircuitText("短3", "1", false, true), "Id3");
  EXPECT_EQ(ComposeShortCircuitText("", "1", false, true), "Id");
}

}  // namespace
}  // namespace vjd::annotation
