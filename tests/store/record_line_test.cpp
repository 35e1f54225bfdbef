#include "store/record_line.h"

#include <gtest/gtest.h>

#include <string_view>

namespace varnelle {
namespace {

TEST(RecordLineTest, EscapesOnlyADashThatIsACharacterOfItsOwn) {
  const struct {
    std::string_view field;
    std::string_view escaped;
  } cases[] = {
      {"", ""},
      {"plain text", "plain text"},
      {"-", "\x80-"},
      {"a-b--c", "a\x80-b\x80-\x80-c"},
      {"\xC5\xE4-\xD6\xC3", "\xC5\xE4\x80-\xD6\xC3"},
      // The second byte of a two-byte character is never escaped, whatever its value.
      {"\x81-", "\x81-"},
      {"\x81--", "\x81-\x80-"},
      // A four-byte GB18030 character followed by a dash.
      {"\x90\x30\x81\x30-", "\x90\x30\x81\x30\x80-"},
      // A lone lead byte at the end is copied.
      {"-\xC5", "\x80-\xC5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EscapeField(c.field), c.escaped) << c.field;
    EXPECT_EQ(UnescapeField(c.escaped), c.field) << c.field;
  }
}

TEST(RecordLineTest, LinesWithoutDashesKeepThePlainLayout) {
  const struct {
    AccountRecord record;
    std::string_view line;
  } cases[] = {
      {{"site", "user", "secret", "note"}, "site-user-secret-note"},
      {{"site", "user", "secret", ""}, "site-user-secret-"},
      {{"", "", "", ""}, "---"},
      {{"site", "", "secret", "n"}, "site--secret-n"},
      {{"\xC5\xE4\xD6\xC3", "\x90\x30\x81\x30", "=\r\n", "\xBC\xC7"},
       "\xC5\xE4\xD6\xC3-\x90\x30\x81\x30-=\r\n-\xBC\xC7"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MakeRecordLine(c.record), c.line) << c.line;
    EXPECT_EQ(ParseRecordLine(c.line), c.record) << c.line;
  }
}

TEST(RecordLineTest, FieldsWithDashesComeBackUnchanged) {
  const AccountRecord records[] = {
      {"-", "-", "-", "-"},
      {"a-b", "--", "x-\xC5\xE4-y", "-\r\n-"},
      {"", "-", "", "-"},
      {"\x90\x30\x81\x30-", "\x81-", "end-", "-start"},
  };
  for (const AccountRecord& record : records) {
    EXPECT_EQ(ParseRecordLine(MakeRecordLine(record)), record) << MakeRecordLine(record);
  }
}

TEST(RecordLineTest, MissingPiecesAreEmptyAndExtraPiecesIgnored) {
  const struct {
    std::string_view line;
    AccountRecord record;
  } cases[] = {
      {"", {"", "", "", ""}},
      {"only", {"only", "", "", ""}},
      {"a-b", {"a", "b", "", ""}},
      {"a-b-c-d-e-f", {"a", "b", "c", "d"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseRecordLine(c.line), c.record) << c.line;
}

}  // namespace
}  // namespace varnelle
