// The password book: one window, its data file beside the program.
#include <QApplication>
#include <QMessageBox>

#include "shell/confirm_seam.h"
#include "shell/main_window.h"
#include "shell/shared_state.h"
#include "shell/system_texts.h"
#include "shell/text_codec.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QFont font = QApplication::font();
  font.setPointSize(9);
  QApplication::setFont(font);

  varnelle::SharedState state;
  varnelle::MessageBoxPrompter prompter;
  int status = 0;
  {
    varnelle::MainWindow window(state, prompter,
                                varnelle::ToFsPath(QCoreApplication::applicationDirPath()));
    if (window.LoadWasFatal()) {
      // A negative record count: the file is corrupt. Say so and stop without writing anything.
      QMessageBox box(QMessageBox::Critical, varnelle::FromGbk(varnelle::ToGbk(varnelle::texts::kFatalCaption)),
                      varnelle::ForScreen(varnelle::ToGbk(varnelle::texts::kFatalNegativeCount)),
                      QMessageBox::Ok);
      box.exec();
      return 2;
    }
    window.show();
    status = QApplication::exec();
    if (status == 0) status = window.ExitStatus();
  }
  return status;
}
