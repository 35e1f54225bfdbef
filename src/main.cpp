// The password book: one window, its data file beside the program.
#include <QApplication>

#include "operations/editor_operations.h"
#include "operations/login_operations.h"
#include "operations/record_list_operations.h"
#include "shell/confirm_seam.h"
#include "shell/fatal_report.h"
#include "shell/main_window.h"
#include "shell/shared_state.h"
#include "shell/text_codec.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The size the window's fixed layout was drawn for.
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
      varnelle::ReportCorruptDataFile();
      return 2;
    }
    varnelle::LoginOperations login(window);
    varnelle::RecordListOperations list(window);
    varnelle::EditorOperations editor(window);
    window.show();
    status = QApplication::exec();
    if (status == 0) status = window.ExitStatus();
  }
  // The window is gone; the shared state is released as `state` goes out of scope.
  return status;
}
