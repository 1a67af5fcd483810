#include "host/document/JsonFields.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

#include "host/document/DocumentJson.h"

namespace host::json_fields {
namespace {

std::string TypeName(const Json& value) {
  return value.TypeName();
}

std::string Number(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

}  // namespace

std::string Where::Text() const {
  if (!parent_) return {};
  std::string text = parent_->Text();
  if (key_.empty()) return text + "[" + std::to_string(index_) + "]";
  return text.empty() ? std::string(key_) : text + "." + std::string(key_);
}

void Fail(const Where& where, const std::string& what) {
  const std::string place = where.Text();
  throw DocumentFileError((place.empty() ? "document" : place) + ": " + what);
}

std::string ReadFileText(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  std::string text;
  if (stream) text.assign(std::istreambuf_iterator<char>(stream), {});
  if (!stream.is_open() || stream.bad()) throw DocumentFileError("cannot read " + file.string());
  return text;
}

double ReadNumber(const Json& value, const Where& where, double min, double max) {
  if (!value.IsNumber()) Fail(where, "expected a number, found " + TypeName(value));
  const double number = value.Number();
  if (!std::isfinite(number) || number < min || number > max) {
    Fail(where, Number(number) + " is out of range (" + Number(min) + " to " + Number(max) + ")");
  }
  return number;
}

std::string ReadString(const Json& value, const Where& where) {
  if (!value.IsString()) Fail(where, "expected a string, found " + TypeName(value));
  return std::string(value.Text());
}

const Json& ReadArray(const Json& value, const Where& where) {
  if (!value.IsArray()) Fail(where, "expected an array, found " + TypeName(value));
  return value;
}

AIRealPoint ReadPoint(const Json& value, const Where& where, double limit) {
  if (!value.IsArray() || value.size() != 2) Fail(where, "expected a point [h, v]");
  return AIRealPoint{ReadNumber(value[0], where.Element(0), -limit, limit),
                     ReadNumber(value[1], where.Element(1), -limit, limit)};
}

ObjectReader::ObjectReader(const Json& value, const Where& where) : value_(value), where_(where) {
  if (!value.IsObject()) Fail(where_, "expected an object, found " + TypeName(value));
}

const Json* ObjectReader::Find(std::string_view key) {
  const Json* found = value_.Find(key);
  if (!found) return nullptr;
  const auto end = read_.begin() + static_cast<std::ptrdiff_t>(readCount_);
  if (std::find(read_.begin(), end, key) == end && readCount_ < kMaxMembers) {
    read_[readCount_++] = key;
  }
  return found;
}

const Json& ObjectReader::Get(std::string_view key) {
  const Json* member = Find(key);
  if (!member) Fail(PathOf(key), "missing");
  return *member;
}

double ObjectReader::Number(std::string_view key, double min, double max) {
  return ReadNumber(Get(key), PathOf(key), min, max);
}

double ObjectReader::Number(std::string_view key, double min, double max, double fallback) {
  const Json* member = Find(key);
  return member ? ReadNumber(*member, PathOf(key), min, max) : fallback;
}

bool ObjectReader::Bool(std::string_view key, bool fallback) {
  const Json* member = Find(key);
  if (!member) return fallback;
  if (!member->IsBoolean()) {
    Fail(PathOf(key), "expected true or false, found " + TypeName(*member));
  }
  return member->Boolean();
}

std::string ObjectReader::String(std::string_view key) {
  return ReadString(Get(key), PathOf(key));
}

std::string ObjectReader::String(std::string_view key, const std::string& fallback) {
  const Json* member = Find(key);
  return member ? ReadString(*member, PathOf(key)) : fallback;
}

AIRealPoint ObjectReader::Point(std::string_view key, double limit) {
  return ReadPoint(Get(key), PathOf(key), limit);
}

void ObjectReader::RejectUnknown() const {
  if (readCount_ == value_.size()) return;
  const auto end = read_.begin() + static_cast<std::ptrdiff_t>(readCount_);
  for (const Json& member : value_) {
    if (std::find(read_.begin(), end, member.key()) == end) {
      Fail(PathOf(member.key()), "unknown member");
    }
  }
}

}  // namespace host::json_fields
