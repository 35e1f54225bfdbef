#include "shell/text_codec.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace varnelle {

namespace {

constexpr const char* kCodecName = "GB18030";

bool QtHasCodec() {
  static const bool available = QStringEncoder(kCodecName).isValid();
  return available;
}

#ifdef _WIN32
// Qt builds without ICU have no GB18030 converter; Windows itself has it as code page 54936.
constexpr UINT kGb18030CodePage = 54936;

QString FromGbkWithWindows(std::string_view gbk) {
  if (gbk.empty()) return QString();
  const int size = static_cast<int>(gbk.size());
  const int length = ::MultiByteToWideChar(kGb18030CodePage, 0, gbk.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(kGb18030CodePage, 0, gbk.data(), size, wide.data(), length);
  return QString::fromStdWString(wide);
}

Text ToGbkWithWindows(const QString& text) {
  if (text.isEmpty()) return Text();
  const std::wstring wide = text.toStdWString();
  const int size = static_cast<int>(wide.size());
  const int length =
      ::WideCharToMultiByte(kGb18030CodePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  Text bytes(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(kGb18030CodePage, 0, wide.data(), size, bytes.data(), length, nullptr,
                        nullptr);
  return bytes;
}
#endif

}  // namespace

bool TextCodecAvailable() {
#ifdef _WIN32
  return QtHasCodec() || ::IsValidCodePage(kGb18030CodePage);
#else
  return QtHasCodec();
#endif
}

QString FromGbk(std::string_view gbk) {
#ifdef _WIN32
  if (!QtHasCodec()) return FromGbkWithWindows(gbk);
#endif
  QStringDecoder decoder(kCodecName);
  return decoder(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
}

Text ToGbk(const QString& text) {
#ifdef _WIN32
  if (!QtHasCodec()) return ToGbkWithWindows(text);
#endif
  QStringEncoder encoder(kCodecName);
  const QByteArray bytes = encoder(text);
  return Text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

Text ToGbk(std::u16string_view text) {
  return ToGbk(ScreenText(text));
}

QString ScreenText(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString ForScreen(std::string_view gbk) {
  QString text = FromGbk(gbk);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

Text FromScreen(const QString& text) {
  QString windows = text;
  windows.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  windows.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return ToGbk(windows);
}

std::filesystem::path ToFsPath(const QString& path) {
#ifdef _WIN32
  return std::filesystem::path(path.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString FromFsPath(const std::filesystem::path& path) {
#ifdef _WIN32
  return QString::fromStdWString(path.native());
#else
  return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

}  // namespace varnelle
