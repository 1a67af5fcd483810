// The JSON tree against nlohmann-json itself: the same values for every text it accepts, and the
// same message for every text it refuses, whichever way the tree was read.
#include <gtest/gtest.h>

#include <charconv>
#include <nlohmann/json.hpp>
#include <random>
#include <string>

#include "host/document/DocumentJson.h"
#include "host/document/JsonFields.h"
#include "host/document/JsonTree.h"

namespace host {
namespace {

std::string Number(double value) {
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// One canonical text for both trees: objects sorted by name, numbers exactly.
void Print(const JsonValue& value, std::string& out) {
  switch (value.type()) {
    case JsonValue::Type::kNull:
      out += "null";
      break;
    case JsonValue::Type::kBoolean:
      out += value.Boolean() ? "true" : "false";
      break;
    case JsonValue::Type::kNumber:
      out += Number(value.Number());
      break;
    case JsonValue::Type::kString:
      out.append("'").append(value.Text()).append("'");
      break;
    case JsonValue::Type::kArray:
    case JsonValue::Type::kObject:
      out += value.IsObject() ? "{" : "[";
      for (const JsonValue& item : value) {
        if (value.IsObject()) out.append("'").append(item.key()).append("':");
        Print(item, out);
        out += ",";
      }
      out += value.IsObject() ? "}" : "]";
      break;
  }
}

void Print(const nlohmann::json& value, std::string& out) {
  if (value.is_null()) {
    out += "null";
  } else if (value.is_boolean()) {
    out += value.get<bool>() ? "true" : "false";
  } else if (value.is_number()) {
    out += Number(value.get<double>());
  } else if (value.is_string()) {
    out.append("'").append(value.get_ref<const std::string&>()).append("'");
  } else {
    out += value.is_object() ? "{" : "[";
    for (const auto& [key, item] : value.items()) {
      if (value.is_object()) out.append("'").append(key).append("':");
      Print(item, out);
      out += ",";
    }
    out += value.is_object() ? "}" : "]";
  }
}

std::string FromTree(const std::string& text) {
  try {
    const JsonTree tree(text);
    std::string out;
    Print(tree.root(), out);
    return out;
  } catch (const DocumentFileError& error) {
    return std::string("refused: ") + error.what();
  }
}

std::string FromLibrary(const std::string& text) {
  try {
    std::string out;
    Print(nlohmann::json::parse(text), out);
    return out;
  } catch (const nlohmann::json::exception& error) {
    const std::string what = error.what();
    return "refused: malformed JSON: " + what.substr(what.find("] ") + 2);
  }
}

TEST(JsonTree, ReadsWhatTheLibraryReadsAndRefusesWithItsMessages) {
  const char* texts[] = {"{}",
                         "[]",
                         " [ ] ",
                         "0",
                         "-0",
                         "-0.0",
                         "1.5e3",
                         "1E+2",
                         "2e-3",
                         "123456789012345678901234",
                         "18446744073709551615",
                         "18446744073709551616",
                         "-9223372036854775808",
                         "-9223372036854775809",
                         "9007199254740993",
                         "0.1",
                         "1e400",
                         "-1e400",
                         "1e-400",
                         "4.9e-324",
                         "01",
                         "1.",
                         ".5",
                         "-",
                         "+1",
                         "1e",
                         "1e+",
                         "0x10",
                         "NaN",
                         "true",
                         "false",
                         "null",
                         "tru",
                         "nul",
                         "truex",
                         "\"plain\"",
                         "\"tab\\tand \\\"quote\\\" \\u00e9 \\ud83d\\ude00\"",
                         "\"\\ud83d\"",
                         "\"\\ude00\"",
                         "\"\\x\"",
                         "\"\xe9\xa6\x99\"",
                         "\"\xff\"",
                         "\"\xc0\xaf\"",
                         "\"\x01\"",
                         "\"unterminated",
                         "\"ends in \\",
                         "\xef\xbb\xbf{\"a\": 1}",
                         "{\"a\": 1,}",
                         "[1,]",
                         "[1 2]",
                         "{\"a\" 1}",
                         "{\"a\": }",
                         "{1: 2}",
                         "{\"b\": 1, \"a\": 2, \"b\": 3}",
                         "{\"z\": [1, {\"y\": null, \"x\": [true, false]}], \"\": \"\", \"a\": {}}",
                         "[[[[[]]]]]",
                         "[[[[[]]]]",
                         "{\"a\": 1}}",
                         "{\"a\": 1} x",
                         "",
                         "   ",
                         "[1]\n",
                         "[\"\\u0000\"]",
                         "{\"\\u0062\": 1, \"a\": 2, \"b\": 3}",
                         "[1.0, -2.50, 3e0, 1E-0]"};
  for (const char* text : texts) EXPECT_EQ(FromTree(text), FromLibrary(text)) << text;
}

TEST(JsonTree, ObjectsKeepTheLastMemberOfANameAndFindByLongNames) {
  const std::string longName(70000, 'k');
  const JsonTree tree("{\"" + longName + "\": 1, \"b\": [2], \"a\": 3, \"b\": 4, \"" + longName +
                      "\": 5}");
  ASSERT_EQ(tree.root().size(), 3u);
  EXPECT_EQ(tree.root().Find("b")->Number(), 4);
  ASSERT_NE(tree.root().Find(longName), nullptr);
  EXPECT_EQ(tree.root().Find(longName)->Number(), 5);
  EXPECT_EQ(tree.root()[2].key(), longName);
  EXPECT_EQ(tree.root().Find("c"), nullptr);
}

TEST(JsonTree, DamagedDocumentsReadAsTheLibraryReadsThem) {
  const std::string sample =
      json_fields::ReadFileText(LANEWORKS_SOURCE_DIR "/examples/sample-map.json");
  const char bytes[] = "{}[],:\"\\ -+.0123456789eEtfnu\xe9\x80\xff\t\n";
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::string text = sample;
    for (int edit = 1 + static_cast<int>(random() % 3); edit > 0; --edit) {
      const std::size_t at = random() % text.size();
      const char byte = bytes[random() % (sizeof bytes - 1)];
      switch (random() % 3) {
        case 0:
          text[at] = byte;
          break;
        case 1:
          text.insert(at, 1, byte);
          break;
        default:
          text.erase(at, 1);
          break;
      }
    }
    ASSERT_EQ(FromTree(text), FromLibrary(text)) << "round " << round;
  }
}

}  // namespace
}  // namespace host
