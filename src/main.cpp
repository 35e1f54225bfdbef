// The password book: one window, its data file beside the program.
#include <QApplication>
#include <QMessageBox>

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

  if (!varnelle::TextCodecAvailable()) {
    // Without GB18030 no text could be shown or saved correctly; stop before touching the file.
    QMessageBox::critical(nullptr, QStringLiteral("Varnelle v0.9"),
                          QStringLiteral("缺少 GB18030 文字编码支持，程序无法运行。\n"
                                         "GB18030 text conversion is not available."));
    return 3;
  }

  varnelle::SharedState state;
  varnelle::MessageBoxPrompter prompter;
  int status = 0;
  {
    varnelle::MainWindow window(state, prompter,
                                varnelle::ToFsPath(QCoreApplication::applicationDirPath()));
    if (window.LoadWasFatal()) {
      varnelle::ReportFatalLoad(window.FatalLoadReason());
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
