#include "store/profile_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace varnelle {
namespace {

std::optional<std::string> Lookup(const ProfileFile& file, std::string_view section,
                                  std::string_view key) {
  const ProfileSection* const found = file.FindSection(section);
  if (found == nullptr) return std::nullopt;
  const std::string* const value = found->Find(key);
  if (value == nullptr) return std::nullopt;
  return *value;
}

TEST(ProfileFileTest, FindsSectionsAndKeysTheWayTheyAreMatched) {
  const std::string long_value(30000, 'A');
  const std::string bytes =
      "orphan=before any section\r\n"
      "[Config]\r\n"
      "Key=value\r\n"
      "  spaced key  =\t spaced value  \r\n"
      "dup=first\r\n"
      "DUP=second\r\n"
      "lf=only\n"
      "\r\n"
      "no equals sign\r\n"
      "empty=\r\n"
      "eq=a=b\r\n"
      "long=" +
      long_value +
      "\r\n"
      "[config]\r\n"
      "late=from a second section of the same name\r\n"
      "[\x81\x41]\r\n"
      "k=GBK name whose second byte is 'A'\r\n"
      "[\x81]x]\r\n"
      "k=GBK name whose second byte is ']'\r\n"
      "  [ \xC5\xE4\xD6\xC3 ]  \n"
      "\xCF\xEE\xC4\xBF\xCA\xFD=gbk key";
  const ProfileFile file = ProfileFile::Parse(bytes);

  const struct {
    std::string_view section;
    std::string_view key;
    std::optional<std::string> value;
  } cases[] = {
      {"Config", "Key", "value"},
      {"CONFIG", "key", "value"},
      {" config\t", " KEY ", "value"},
      {"config", "spaced key", "spaced value"},
      {"config", "dup", "first"},
      {"config", "lf", "only"},
      {"config", "no equals sign", ""},
      {"config", "empty", ""},
      {"config", "eq", "a=b"},
      {"config", "long", long_value},
      {"config", "late", std::nullopt},
      {"config", "orphan", std::nullopt},
      {"config", "missing", std::nullopt},
      {"missing", "key", std::nullopt},
      {"\x81\x41", "k", "GBK name whose second byte is 'A'"},
      {"\x81\x61", "k", std::nullopt},
      {"\x81]x", "k", "GBK name whose second byte is ']'"},
      {"\xC5\xE4\xD6\xC3", "\xCF\xEE\xC4\xBF\xCA\xFD", "gbk key"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Lookup(file, c.section, c.key), c.value) << c.section << " / " << c.key;
  }
  EXPECT_EQ(file.Read("config", "key"), "value");
  EXPECT_EQ(file.Read("missing", "key"), "");
  EXPECT_EQ(file.line_count(), 20u);
}

TEST(ProfileFileTest, EmptyInputHasNothing) {
  const ProfileFile file = ProfileFile::Parse("");
  EXPECT_EQ(file.FindSection(""), nullptr);
  EXPECT_EQ(file.line_count(), 0u);
}

TEST(ProfileFileTest, KeysListsFirstOccurrencesFoldedInOrder) {
  const ProfileFile file = ProfileFile::Parse("[s]\r\nB=1\r\na=2\r\nb=3\r\n 7 =4\r\n");
  const ProfileSection* const section = file.FindSection("S");
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(section->keys(), (std::vector<std::string>{"b", "a", "7"}));
}

}  // namespace
}  // namespace varnelle
