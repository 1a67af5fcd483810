// Malformed numbers typed into the stroke-width dialog: whatever is typed, the readers answer a
// finite value, and a width that OK would take lies within the mode's range.
#include <cmath>
#include <sstream>

#include "host/core/Utf.h"
#include "tests/frame/HostSuites.h"
#include "tests/fuzz/FuzzLoop.h"
#include "tools/WidthModifierInput.h"
#include "tools/WidthModifierSettings.h"

namespace {

const std::vector<std::string> kTyped = {
    "1", "0.25", "-1 pt", "2 mm", "110",  " 1.5 ",    "1.2.3", "５", "50%",     "abc",
    "",  ".5",   "+50",   "1e3",  "9999", "0.003 in", "12 Q",  "3p", "-9999 pt"};
const std::vector<std::string> kNumberWords = {"pt", "in", "mm", "cm", "p",  "q", "%", "e",
                                               "-",  "+",  ".",  " ",  "\t", "0", "9"};

// An input: "strokeUnits type stored" on the first line, then the text typed, then the text the
// edit showed at start-up (the typed text itself half of the time).
struct Typed {
  std::int32_t strokeUnits = 2;
  std::int32_t type = kAddWidth;
  double stored = 0;
  std::string text;
  std::string shown;
};

std::string MakeInput(const fuzz::Mutator& mutator, fuzz::Random& random) {
  const std::int32_t units = static_cast<std::int32_t>(fuzz::Below(random, 9)) - 1;
  const std::int32_t type = static_cast<std::int32_t>(fuzz::Below(random, 3));
  const double stored = fuzz::OneIn(random, 3)
                            ? fuzz::UnusualNumber(random)
                            : (static_cast<double>(fuzz::Below(random, 40000)) - 20000) / 4;
  const std::string text = mutator.Next(random);
  const std::string shown = fuzz::OneIn(random, 2) ? text : mutator.Next(random);
  std::ostringstream input;
  input.precision(17);
  input << units << ' ' << type << ' ' << stored << '\n' << text << '\n' << shown;
  return input.str();
}

// What the dialog would hand over for bytes that are not UTF-8: it converts its edits' UTF-16,
// any of it, to UTF-8, so the bytes are taken as UTF-16 code units.
std::string AsDialogText(const std::string& bytes) {
  if (host::Utf8ToUtf16(bytes)) return bytes;
  std::u16string units;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) << 8 |
                                   static_cast<unsigned char>(bytes[i + 1]));
  }
  return host::Utf16ToUtf8(units);
}

Typed ReadInput(const std::string& input) {
  Typed typed;
  const std::size_t first = input.find('\n');
  const std::size_t second = input.find('\n', first + 1);
  std::istringstream header(input.substr(0, first));
  std::string stored;
  header >> typed.strokeUnits >> typed.type >> stored;
  typed.stored = std::strtod(stored.c_str(), nullptr);
  typed.text = AsDialogText(input.substr(first + 1, second - first - 1));
  typed.shown = AsDialogText(second == std::string::npos ? "" : input.substr(second + 1));
  return typed;
}

// A width OK would take: null or within the mode's range.
std::string CheckWidth(const std::optional<double>& width, std::int32_t type, const char* what) {
  if (!width) return "";
  const AIExpressionOptions range = AddingWidthCheckOptions(type);
  if (!std::isfinite(*width) || *width < range.minValue || *width > range.maxValue) {
    return std::string(what) + " took " + std::to_string(*width) + ", outside its range";
  }
  return "";
}

std::string Check(const Typed& typed) {
  const double leading = LeadingDecimalNumber(typed.text);
  if (!std::isfinite(leading)) return "LeadingDecimalNumber not finite";
  if (IsBareNumber(typed.text) && leading < 0) return "a bare number read as negative";
  std::string problem =
      CheckWidth(CheckAddingWidth(typed.text, typed.type), typed.type, "CheckAddingWidth");
  if (problem.empty()) {
    problem = CheckWidth(ConfirmedAddingWidth(typed.text, typed.shown, typed.stored, typed.type),
                         typed.type, "ConfirmedAddingWidth");
  }
  if (!problem.empty()) return problem;
  if (std::isfinite(typed.stored) &&
      !std::isfinite(ConfirmedScale(typed.text, typed.shown, typed.stored))) {
    return "ConfirmedScale not finite";
  }
  return "";
}

class WidthInputFuzz : public HostSuitesTest {};

TEST_F(WidthInputFuzz, DialogNumbers) {
  const fuzz::Mutator mutator(kTyped, kNumberWords);
  fuzz::Run({"DialogNumbers", 800, [&](fuzz::Random& random) { return MakeInput(mutator, random); },
             [&](const std::string& input) {
               const Typed typed = ReadInput(input);
               SetStrokeUnits(typed.strokeUnits);
               const int violations = host_.transcript().ViolationCount();
               const std::string problem = Check(typed);
               if (problem.empty() && host_.transcript().ViolationCount() != violations) {
                 return "the host saw a violation: " + host_.transcript().Lines().back();
               }
               return problem;
             }});
  EXPECT_EQ(host_.strings().LiveCount(), 0u);
}

}  // namespace
