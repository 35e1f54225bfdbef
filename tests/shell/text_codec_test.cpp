#include "shell/text_codec.h"

#include <gtest/gtest.h>

#include "shell/system_texts.h"

namespace varnelle::testing {
namespace {

TEST(TextCodec, KeepsGbkBytesAndCharactersOutsideGbk) {
  const struct {
    const char16_t* screen;
    std::string gbk;
  } cases[] = {
      {u"", ""},
      {u"abc", "abc"},
      {u"数据.ini", "\xCA\xFD\xBE\xDD.ini"},
      {u"保存数据完成！", "\xB1\xA3\xB4\xE6\xCA\xFD\xBE\xDD\xCD\xEA\xB3\xC9\xA3\xA1"},
      {u"密码错误!", "\xC3\xDC\xC2\xEB\xB4\xED\xCE\xF3!"},
      {u"😀", "\x94\x39\xFC\x36"},  // outside GBK: four GB18030 bytes, not "?"
      {u"€", "\xA2\xE3"},
  };
  for (const auto& c : cases) {
    const QString screen = QString::fromUtf16(c.screen);
    EXPECT_EQ(ToGbk(screen), c.gbk) << screen.toStdString();
    EXPECT_EQ(FromGbk(c.gbk), screen);
  }
}

TEST(TextCodec, LineBreaksAreCrLfInMemoryAndLfOnScreen) {
  EXPECT_EQ(FromScreen(QStringLiteral("a\nb\r\nc")), "a\r\nb\r\nc");
  EXPECT_EQ(ForScreen("a\r\nb"), QStringLiteral("a\nb"));
}

TEST(TextCodec, PathsRoundTrip) {
  const QString path = QStringLiteral("/tmp/密码本/数据.ini");
  EXPECT_EQ(FromFsPath(ToFsPath(path)), path);
  EXPECT_EQ(ToFsPath(path).filename(), std::filesystem::path(u8"数据.ini"));
}

}  // namespace
}  // namespace varnelle::testing
