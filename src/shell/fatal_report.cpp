#include "shell/fatal_report.h"

#include <QMessageBox>

#include "shell/system_texts.h"
#include "shell/text_codec.h"

namespace varnelle {

void ReportCorruptDataFile() {
  QMessageBox box(QMessageBox::Critical, ScreenText(texts::kFatalCaption),
                  ForScreen(ToGbk(texts::kFatalNegativeCount)), QMessageBox::Ok);
  box.setObjectName(QStringLiteral("数据文件损坏"));
  box.exec();
}

}  // namespace varnelle
