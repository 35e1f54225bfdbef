#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/account_record.h"

// The one place where texts cross between the screen (QString) and the GBK bytes the program
// keeps. GB18030 is a superset of GBK that gives every GBK character its GBK bytes and also
// encodes every other character, so nothing typed is lost or turned into "?".
namespace varnelle {

// Whether GB18030 conversion is available (Qt's converter, or the system's code page 54936 on
// Windows). Without it no text could be shown or kept correctly.
bool TextCodecAvailable();

QString FromGbk(std::string_view gbk);
Text ToGbk(const QString& text);
Text ToGbk(std::u16string_view text);
// One of the program's own texts (system_texts.h) for a widget.
QString ScreenText(std::u16string_view text);

// Edit boxes and the clipboard hold line breaks as "\n"; the program's texts hold CR LF.
QString ForScreen(std::string_view gbk);  // FromGbk, CR LF -> LF
Text FromScreen(const QString& text);     // LF -> CR LF (a CR LF stays one), then ToGbk

// A path the file system understands, from a path Qt gives (the program's folder).
std::filesystem::path ToFsPath(const QString& path);
QString FromFsPath(const std::filesystem::path& path);

}  // namespace varnelle
