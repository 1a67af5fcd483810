#include "tests/fuzz/Mutator.h"

#include <array>
#include <limits>

namespace fuzz {
namespace {

const std::array<std::string, 30> kNumberTexts = {"NaN",
                                                  "nan",
                                                  "-nan",
                                                  "Infinity",
                                                  "-Infinity",
                                                  "inf",
                                                  "1e999",
                                                  "-1e999",
                                                  "1e308",
                                                  "-1.8e308",
                                                  "4.9e-324",
                                                  "-0",
                                                  "0",
                                                  "-1",
                                                  "0.5",
                                                  "32767",
                                                  "32768",
                                                  "-32769",
                                                  "65536",
                                                  "2147483648",
                                                  "-2147483649",
                                                  "4294967296",
                                                  "9223372036854775808",
                                                  "18446744073709551616",
                                                  "1e7",
                                                  "10000000.000001",
                                                  "1e-7",
                                                  "\"1\"",
                                                  "true",
                                                  "null"};

// Byte sequences that are not well-formed UTF-8: stray continuation bytes, overlong forms,
// surrogates, code points past U+10FFFF, a sequence cut short, bytes UTF-8 never uses.
const std::array<std::string, 8> kInvalidUtf8 = {"\x80",         "\xc0\xaf",         "\xe0\x80\xaf",
                                                 "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe3\x81",
                                                 "\xff",         "\xfe\xfe"};

const std::array<char, 12> kStructureBytes = {'"', '\\', '{', '}',  '[',  ']',
                                              ',', ':',  ' ', '\n', '\0', '#'};

bool IsNumberByte(char c) {
  return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

}  // namespace

std::size_t Below(Random& random, std::size_t bound) {
  return static_cast<std::size_t>(random() % bound);
}

bool OneIn(Random& random, std::size_t n) {
  return Below(random, n) == 0;
}

const std::string& UnusualNumberText(Random& random) {
  return kNumberTexts[Below(random, kNumberTexts.size())];
}

double UnusualNumber(Random& random) {
  using limits = std::numeric_limits<double>;
  const std::array<double, 14> values = {limits::quiet_NaN(),
                                         -limits::quiet_NaN(),
                                         limits::infinity(),
                                         -limits::infinity(),
                                         limits::max(),
                                         -limits::max(),
                                         limits::denorm_min(),
                                         -0.0,
                                         1e300,
                                         -1e300,
                                         1e7,
                                         -1e7,
                                         1e7 + 1e-9,
                                         32768};
  return values[Below(random, values.size())];
}

Mutator::Mutator(std::vector<std::string> corpus, std::vector<std::string> dictionary)
    : corpus_(std::move(corpus)), dictionary_(std::move(dictionary)) {}

std::string Mutator::Next(Random& random) const {
  return Mutate(corpus_[Below(random, corpus_.size())], random);
}

std::string Mutator::Mutate(std::string input, Random& random) const {
  const std::size_t rounds = 1 + Below(random, 4);
  for (std::size_t i = 0; i < rounds; ++i) MutateOnce(input, random);
  return input;
}

void Mutator::MutateOnce(std::string& text, Random& random) const {
  const std::size_t at = Below(random, text.size() + 1);
  const std::size_t length = std::min(text.size() - at, 1 + Below(random, 64));
  switch (Below(random, 11)) {
    case 0:  // a flipped bit
      if (at < text.size()) text[at] = static_cast<char>(text[at] ^ (1 << Below(random, 8)));
      break;
    case 1:  // a random or structural byte inserted
      text.insert(at, 1,
                  OneIn(random, 2) ? static_cast<char>(Below(random, 256))
                                   : kStructureBytes[Below(random, kStructureBytes.size())]);
      break;
    case 2:  // bytes deleted
      text.erase(at, length);
      break;
    case 3:  // cut short
      text.resize(at);
      break;
    case 4: {  // a chunk repeated
      const std::string chunk = text.substr(at, length);
      text.insert(Below(random, text.size() + 1), chunk);
      break;
    }
    case 5: {  // a chunk of another corpus entry spliced in, replacing bytes or not
      const std::string& other = corpus_[Below(random, corpus_.size())];
      const std::size_t from = Below(random, other.size() + 1);
      const std::string chunk = other.substr(from, 1 + Below(random, 256));
      text.replace(at, OneIn(random, 2) ? length : 0, chunk);
      break;
    }
    case 6: {  // a number replaced by an unusual one
      std::size_t start = at;
      while (start < text.size() && !IsNumberByte(text[start])) ++start;
      std::size_t end = start;
      while (end < text.size() && IsNumberByte(text[end])) ++end;
      text.replace(start, end - start, UnusualNumberText(random));
      break;
    }
    case 7: {  // deep nesting
      const std::size_t depth = 1 + Below(random, OneIn(random, 4) ? 100000 : 300);
      const bool objects = OneIn(random, 2);
      std::string nest;
      for (std::size_t i = 0; i < depth; ++i) nest += objects ? "{\"a\":" : "[";
      for (std::size_t i = 0; i < depth; ++i) nest += objects ? "}" : "]";
      text.insert(at, nest);
      break;
    }
    case 8:  // invalid UTF-8
      text.insert(at, kInvalidUtf8[Below(random, kInvalidUtf8.size())]);
      break;
    case 9:  // a word of the target's
      if (!dictionary_.empty()) {
        text.replace(at, OneIn(random, 2) ? length : 0,
                     dictionary_[Below(random, dictionary_.size())]);
      }
      break;
    default:  // a quoted word swapped for another word of the target's
      if (!dictionary_.empty()) {
        const std::size_t open = text.find('"', at);
        const std::size_t close = open == std::string::npos ? open : text.find('"', open + 1);
        if (close != std::string::npos) {
          text.replace(open + 1, close - open - 1, dictionary_[Below(random, dictionary_.size())]);
        }
      }
      break;
  }
}

}  // namespace fuzz
