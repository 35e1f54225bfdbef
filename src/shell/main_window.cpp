#include "shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <system_error>

#include "shell/save_feedback.h"
#include "shell/system_texts.h"
#include "shell/text_codec.h"
#include "shell/window_mover.h"
#include "store/data_file.h"

namespace varnelle {

namespace {

// The list line of a record: the password is shown in clear, the note is not part of it.
Text ListLine(const AccountRecord& record) {
  return ToGbk(texts::kListPlatformLabel) + record.platform + ToGbk(texts::kListAccountLabel) +
         record.account + ToGbk(texts::kListPasswordLabel) + record.password;
}

}  // namespace

MainWindow::MainWindow(SharedState& state, Prompter& prompter, std::filesystem::path program_dir)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      state_(state),
      prompter_(prompter),
      program_dir_(std::move(program_dir)),
      notice_(std::make_unique<BalloonNotice>()) {
  setObjectName(QStringLiteral("窗口_启动窗口"));

  // Centred on the primary screen for the design size; later sizes keep the top-left corner.
  SetOuterSize(QSize(kDesignWidth, kDesignHeight));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - kDesignWidth) / 2,
         area.y() + (area.height() - kDesignHeight) / 2);
  }

  BuildControls();

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  connect(按钮_退出, &QPushButton::clicked, this, &QWidget::close);

  auto* mover = new WindowMover(this);  // owned by the window
  mover->Watch(this);
  for (QGroupBox* box : findChildren<QGroupBox*>()) mover->Watch(box);
  for (QLabel* label : findChildren<QLabel*>()) mover->Watch(label);

  PrepareMainWindow();
}

MainWindow::~MainWindow() = default;

void MainWindow::PrepareMainWindow() {
  setWindowTitle(ScreenText(texts::kWindowCaption));
  state_.data_file_path = program_dir_ / DataFileName();

  // Only asks whether an entry of that name is there, file or folder alike. When the answer
  // is unknown (the folder cannot be searched), the file is assumed present, so that the
  // set-password panel never leads to replacing a file that could not be looked at.
  std::error_code error;
  const auto type = std::filesystem::symlink_status(state_.data_file_path, error).type();
  const bool exists = type != std::filesystem::file_type::not_found;

  if (exists) {
    LoadData();
    if (LoadWasFatal()) return;
    ShowPanel(ToGbk(texts::kPanelLogin));
  } else {
    ShowPanel(ToGbk(texts::kPanelSetPassword));
  }
}

void MainWindow::LoadData() {
  const LoadResult result = LoadDataFile(state_.data_file_path, state_.settings, state_.records);
  if (result.negative_count || result.unreadable) {
    fatal_load_ = result.negative_count ? FatalLoad::kNegativeCount : FatalLoad::kUnreadable;
    return;
  }
  state_.keep_copy_before_next_save = result.damaged;
}

void MainWindow::StopForCorruptFile() {
  ReportFatalLoad(fatal_load_);
  exit_status_ = 2;
  hide();  // not close(): closing would save
  QCoreApplication::exit(exit_status_);
}

SaveResult MainWindow::SaveData() {
  const SaveResult result = SaveDataFile(state_.data_file_path, state_.settings, state_.records,
                                         state_.keep_copy_before_next_save);
  if (!result.backup.empty()) state_.keep_copy_before_next_save = false;
  for (const Text& notice : SaveNotices(result)) ShowNotice(notice);
  return result;
}

void MainWindow::ShowPanel(const Text& key) {
  for (QGroupBox* panel : {分组框_登录, 分组框_数据, 分组框_增修界面, 分组框_设置登录密码}) {
    panel->setVisible(false);
  }
  if (key == ToGbk(texts::kPanelLogin)) {
    FitWindowToPanel(分组框_登录);
  } else if (key == ToGbk(texts::kPanelData)) {
    FitWindowToPanel(分组框_数据);
    FillRecordList();
  } else if (key == ToGbk(texts::kPanelEditor)) {
    // Sized and placed by the editor's fill, which follows.
    分组框_增修界面->setVisible(true);
  } else if (key == ToGbk(texts::kPanelSetPassword)) {
    FitWindowToPanel(分组框_设置登录密码);
  }
}

void MainWindow::FitWindowToPanel(QGroupBox* panel) {
  panel->setVisible(true);
  SetOuterSize(QSize(panel->width() + kExtraWidth, panel->height() + kExtraHeight));
  panel->move(5, 0);
}

void MainWindow::FillRecordList() {
  列表框_数据->clear();
  编辑框_备注详情->setPlainText(QString());
  const std::int32_t count = state_.settings.count;
  const int line_height = 列表框_数据->fontMetrics().height() + 1;
  for (std::int32_t i = 1; i <= count; ++i) {
    const AccountRecord& record = state_.records.at(static_cast<std::size_t>(i - 1));
    auto* line = new QListWidgetItem(ForScreen(ListLine(record)), 列表框_数据);
    line->setData(Qt::UserRole, i);
    line->setSizeHint(QSize(0, line_height));
  }
  列表框_数据->setCurrentRow(-1);
  列表框_数据->clearSelection();
}

void MainWindow::ShowNotice(const Text& text) {
  const QString shown = FromGbk(text);
  emit noticeRequested(shown);
  notice_->Request(shown, QCursor::pos());
}

QSize MainWindow::FrameExtra() const {
  // Known only once the platform has framed the shown window; zero where there is no frame.
  return frameGeometry().size() - geometry().size();
}

void MainWindow::SetOuterSize(QSize outer) {
  outer_size_ = outer;
  applied_frame_ = FrameExtra();
  setFixedSize(outer - applied_frame_);
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  // The frame becomes known (or changes) after the window is shown: keep the outer size.
  if ((event->type() == QEvent::Show || event->type() == QEvent::Move) && outer_size_.isValid() &&
      FrameExtra() != applied_frame_) {
    SetOuterSize(outer_size_);
  }
  return handled;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (saved_on_close_ || LoadWasFatal()) return;
  saved_on_close_ = true;
  SaveOnClose();
}

void MainWindow::SaveOnClose() {
  const SaveResult result = SaveData();
  if (result.ok() && result.backup.empty()) return;
  // A failed save, or the copy of a damaged file, must be seen: the program stays until its
  // notices have faded. A failed save ends it with a failure status.
  exit_status_ = result.ok() ? 0 : 1;
  QApplication::setQuitOnLastWindowClosed(false);
  if (notice_->IsIdle()) {
    QCoreApplication::exit(exit_status_);
  } else {
    connect(notice_.get(), &BalloonNotice::becameIdle, qApp,
            [status = exit_status_] { QCoreApplication::exit(status); });
  }
}

}  // namespace varnelle
