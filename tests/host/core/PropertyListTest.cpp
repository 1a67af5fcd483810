#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/PropertyList.h"
#include "hostapi/PropertyListFormat.h"

namespace {

class PropertyListBuilder {
 public:
  PropertyListBuilder& Number(std::uint32_t key, std::uint32_t value) {
    Property(key, {Bytes(value)});
    return *this;
  }
  PropertyListBuilder& Text(std::uint32_t key, const std::string& text, std::size_t length) {
    std::vector<unsigned char> data(text.begin(), text.end());
    data.resize(length, 0);
    Property(key, data);
    return *this;
  }
  std::vector<unsigned char> Build(std::uint32_t version = 0) const {
    std::vector<unsigned char> out = Bytes(version);
    auto count = Bytes(count_);
    out.insert(out.end(), count.begin(), count.end());
    out.insert(out.end(), body_.begin(), body_.end());
    return out;
  }

 private:
  static std::vector<unsigned char> Bytes(std::uint32_t v) {
    return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
            static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
  }
  void Property(std::uint32_t key, const std::vector<unsigned char>& data) {
    for (std::uint32_t word :
         {std::uint32_t{kPropertyVendorHost}, key, 0u, static_cast<std::uint32_t>(data.size())}) {
      auto b = Bytes(word);
      body_.insert(body_.end(), b.begin(), b.end());
    }
    body_.insert(body_.end(), data.begin(), data.end());
    while (body_.size() % 4 != 0) body_.push_back(0);
    ++count_;
  }
  std::vector<unsigned char> body_;
  std::uint32_t count_ = 0;
};

PropertyListBuilder Valid() {
  PropertyListBuilder builder;
  builder.Number(kPropertyKind, kPropertyKindSPEA)
      .Number(kPropertyInterfaceVersion, 2)
      .Text(kPropertyWin64Code, "PluginMain", 12)
      .Text(kPropertyPluginName, "名前", 8);
  return builder;
}

TEST(PropertyList, ReadsKindVersionEntryAndName) {
  const auto bytes = Valid().Build();
  host::PluginProperties properties;
  std::string error;
  ASSERT_TRUE(host::ParsePropertyList(bytes.data(), bytes.size(), &properties, &error)) << error;
  EXPECT_EQ(properties.entryName, "PluginMain");
  EXPECT_EQ(properties.pluginName, "名前");
  EXPECT_EQ(properties.interfaceVersion, 2);
}

TEST(PropertyList, RejectsMalformedLists) {
  struct Case {
    const char* what;
    std::vector<unsigned char> bytes;
    const char* message;
  };
  auto truncated = Valid().Build();
  truncated.resize(truncated.size() - 6);
  PropertyListBuilder wrongKind;
  wrongKind.Number(kPropertyKind, 0x41424344)
      .Number(kPropertyInterfaceVersion, 2)
      .Text(kPropertyWin64Code, "PluginMain", 12);
  PropertyListBuilder oldInterface;
  oldInterface.Number(kPropertyKind, kPropertyKindSPEA)
      .Number(kPropertyInterfaceVersion, 1)
      .Text(kPropertyWin64Code, "PluginMain", 12);
  PropertyListBuilder noEntry;
  noEntry.Number(kPropertyKind, kPropertyKindSPEA).Number(kPropertyInterfaceVersion, 2);
  PropertyListBuilder unterminated;
  unterminated.Number(kPropertyKind, kPropertyKindSPEA)
      .Number(kPropertyInterfaceVersion, 2)
      .Text(kPropertyWin64Code, "PluginMain", 10);
  const Case cases[] = {
      {"empty", {}, "truncated"},
      {"truncated", truncated, "property 3 of the property list is truncated"},
      {"wrong version", Valid().Build(1), "version 1"},
      {"wrong kind", wrongKind.Build(), "not a host plug-in"},
      {"old interface", oldInterface.Build(), "interface version 1"},
      {"no entry", noEntry.Build(), "no 64-bit Windows entry point"},
      {"unterminated", unterminated.Build(), "not a NUL-terminated text"},
  };
  for (const Case& c : cases) {
    host::PluginProperties properties;
    std::string error;
    EXPECT_FALSE(host::ParsePropertyList(c.bytes.data(), c.bytes.size(), &properties, &error))
        << c.what;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
  }
}

}  // namespace
