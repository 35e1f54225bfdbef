#include "shell/text_codec.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace varnelle {

namespace {
constexpr const char* kCodecName = "GB18030";
}

QString FromGbk(std::string_view gbk) {
  QStringDecoder decoder(kCodecName);
  return decoder(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
}

Text ToGbk(const QString& text) {
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
