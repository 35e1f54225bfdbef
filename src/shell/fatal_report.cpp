#include "shell/fatal_report.h"

#include <QMessageBox>

#include "shell/system_texts.h"
#include "shell/text_codec.h"

namespace varnelle {

void ReportFatalLoad(FatalLoad why) {
  const bool unreadable = why == FatalLoad::kUnreadable;
  const QString caption =
      ScreenText(unreadable ? texts::kFatalUnreadableCaption : texts::kFatalCaption);
  QMessageBox box(
      QMessageBox::Critical, caption,
      ForScreen(ToGbk(unreadable ? texts::kFatalUnreadable : texts::kFatalNegativeCount)),
      QMessageBox::Ok);
  box.setObjectName(caption);
  box.exec();
}

}  // namespace varnelle
