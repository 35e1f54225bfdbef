#pragma once

#include <QGroupBox>
#include <QWidget>
#include <filesystem>
#include <memory>

#include "common/account_record.h"
#include "shell/balloon_notice.h"
#include "shell/confirm_seam.h"
#include "shell/fatal_report.h"
#include "shell/shared_state.h"
#include "store/data_file.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QPlainTextEdit;
class QPushButton;

namespace varnelle {

// The one window: four panels (set password, login, entry list, entry editor), of which one is
// shown at a time, the context menu of the entry list and the notice at the pointer. Creating it
// loads the data file if there is one; closing it, in any way, saves the data file once.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Outer size of the window before any panel is shown, used to centre it on the screen.
  static constexpr int kDesignWidth = 318;
  static constexpr int kDesignHeight = 243;
  // A panel's window is this much larger than the panel (frame, title bar, margins).
  static constexpr int kExtraWidth = 15;
  static constexpr int kExtraHeight = 35;

  MainWindow(SharedState& state, Prompter& prompter, std::filesystem::path program_dir);
  ~MainWindow() override;

  // The load met a negative record count or could not read the file: the caller reports it and
  // ends the program without showing the window; nothing is saved.
  bool LoadWasFatal() const { return fatal_load_ != FatalLoad::kNone; }
  FatalLoad FatalLoadReason() const { return fatal_load_; }

  void ShowPanel(const Text& key);
  void FitWindowToPanel(QGroupBox* panel);
  void FillRecordList();
  void ShowNotice(const Text& text);

  // Rebuilds the records, count and login password from the data file. Afterwards check
  // LoadWasFatal().
  void LoadData();
  // After a fatal load while the window is open: reports it and ends the program with a failure
  // status, saving nothing.
  void StopForCorruptFile();
  // Replaces the data file with what is in memory and says how it went in a notice.
  SaveResult SaveData();

  // Outer size the window was last given (frame included where the platform has one).
  QSize OuterSize() const { return outer_size_; }
  // The program's exit status once the window has closed: non-zero when the save failed.
  int ExitStatus() const { return exit_status_; }

  SharedState& State() { return state_; }
  Prompter& Prompts() { return prompter_; }
  BalloonNotice& Notice() { return *notice_; }

  // The controls, named as the panels and their handlers know them.
  QGroupBox* 分组框_设置登录密码 = nullptr;
  QLineEdit* 编辑框_设置登录密码 = nullptr;
  QPushButton* 按钮_确认登录密码 = nullptr;

  QGroupBox* 分组框_登录 = nullptr;
  QLineEdit* 编辑框_登录_密码 = nullptr;
  QPushButton* 按钮_登录 = nullptr;
  QLabel* 标签_提醒 = nullptr;

  QGroupBox* 分组框_数据 = nullptr;
  QListWidget* 列表框_数据 = nullptr;
  QGroupBox* 分组框1 = nullptr;
  QPlainTextEdit* 编辑框_备注详情 = nullptr;
  QPushButton* 按钮_注销 = nullptr;
  QPushButton* 按钮_上传至FTP = nullptr;
  QPushButton* 按钮_退出 = nullptr;

  QGroupBox* 分组框_增修界面 = nullptr;
  QLabel* 标签1 = nullptr;
  QLineEdit* 编辑框_平台 = nullptr;
  QLineEdit* 编辑框_账号 = nullptr;
  QLineEdit* 编辑框_密码 = nullptr;
  QPlainTextEdit* 编辑框_备注 = nullptr;
  QLineEdit* 编辑框_增修索引 = nullptr;
  QPushButton* 按钮_返回 = nullptr;
  QPushButton* 按钮_确认 = nullptr;

  QGroupBox* 分组框2 = nullptr;
  QPushButton* 图形按钮_返回 = nullptr;
  QPushButton* 图形按钮_缩小 = nullptr;
  QPushButton* 图形按钮_退出 = nullptr;
  QLabel* 透明标签1 = nullptr;

  QMenu* 编辑菜单 = nullptr;
  QAction* 菜单_新增 = nullptr;
  QAction* 菜单_修改 = nullptr;
  QAction* 菜单_删除 = nullptr;
  QMenu* 菜单_复制 = nullptr;
  QAction* 菜单_复制_账号 = nullptr;
  QAction* 菜单_复制_密码 = nullptr;
  QAction* 菜单_复制_账号密码 = nullptr;
  QAction* 菜单_复制_所选所有 = nullptr;

 signals:
  // Every notice asked for, in order, whether or not it has been shown yet.
  void noticeRequested(const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void BuildControls();
  void BuildContextMenu();
  void PrepareMainWindow();
  void SaveOnClose();
  void SetOuterSize(QSize outer);
  QSize FrameExtra() const;

  SharedState& state_;
  Prompter& prompter_;
  std::filesystem::path program_dir_;
  std::unique_ptr<BalloonNotice> notice_;
  QSize outer_size_;
  QSize applied_frame_;
  FatalLoad fatal_load_ = FatalLoad::kNone;
  bool saved_on_close_ = false;
  int exit_status_ = 0;
};

}  // namespace varnelle
