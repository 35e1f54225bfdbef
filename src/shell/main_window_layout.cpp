// Builds the window's controls at their fixed positions and sizes.
#include <QAction>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <limits>

#include "shell/main_window.h"

namespace varnelle {

namespace {

template <typename Widget>
Widget* Place(Widget* widget, const char16_t* name, int x, int y, int width, int height) {
  widget->setObjectName(QString::fromUtf16(name));
  widget->setGeometry(x, y, width, height);
  return widget;
}

QGroupBox* MakePanel(QWidget* parent, const char16_t* name, const char16_t* caption, int x, int y,
                     int width, int height) {
  return Place(new QGroupBox(QString::fromUtf16(caption), parent), name, x, y, width, height);
}

// Single-line edit box; what is typed is always shown in clear.
QLineEdit* MakeLineEdit(QWidget* parent, const char16_t* name, int x, int y, int width,
                        int height) {
  auto* edit = Place(new QLineEdit(parent), name, x, y, width, height);
  edit->setAlignment(Qt::AlignCenter);
  edit->setEchoMode(QLineEdit::Normal);
  edit->setMaxLength(std::numeric_limits<int>::max());  // no length limit
  return edit;
}

// Multi-line edit box with word wrap and no scroll bars; Tab moves on to the next control.
QPlainTextEdit* MakeTextBox(QWidget* parent, const char16_t* name, int x, int y, int width,
                            int height) {
  auto* box = Place(new QPlainTextEdit(parent), name, x, y, width, height);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setTabChangesFocus(true);
  return box;
}

// No button is a default button, so Enter never presses one.
QPushButton* MakeButton(QWidget* parent, const char16_t* name, const char16_t* caption, int x,
                        int y, int width, int height) {
  auto* button =
      Place(new QPushButton(QString::fromUtf16(caption), parent), name, x, y, width, height);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QLabel* MakeLabel(QWidget* parent, const char16_t* name, const char16_t* caption, int x, int y,
                  int width, int height) {
  auto* label = Place(new QLabel(QString::fromUtf16(caption), parent), name, x, y, width, height);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QAction* MakeAction(QMenu* menu, const char16_t* caption) {
  QAction* action = menu->addAction(QString::fromUtf16(caption));
  action->setObjectName(QString::fromUtf16(caption));
  return action;
}

}  // namespace

void MainWindow::BuildControls() {
  分组框_设置登录密码 =
      MakePanel(this, u"分组框_设置登录密码", u"请设置登录密码", 760, 64, 208, 88);
  编辑框_设置登录密码 = MakeLineEdit(分组框_设置登录密码, u"编辑框_设置登录密码", 16, 24, 176, 24);
  按钮_确认登录密码 =
      MakeButton(分组框_设置登录密码, u"按钮_确认登录密码", u"确 定", 32, 56, 144, 24);

  分组框_登录 = MakePanel(this, u"分组框_登录", u"login", 8, 40, 232, 88);
  编辑框_登录_密码 = MakeLineEdit(分组框_登录, u"编辑框_登录_密码", 16, 24, 200, 24);
  按钮_登录 = MakeButton(分组框_登录, u"按钮_登录", u"登 录", 16, 56, 200, 24);
  标签_提醒 = MakeLabel(分组框_登录, u"标签_提醒", u"？", 208, 0, 16, 16);

  分组框_数据 = MakePanel(this, u"分组框_数据", u"数据 - time:2020.09.20", 8, 136, 440, 296);
  列表框_数据 = Place(new QListWidget(分组框_数据), u"列表框_数据", 16, 24, 416, 136);
  列表框_数据->setSelectionMode(QAbstractItemView::SingleSelection);
  列表框_数据->setSortingEnabled(false);
  列表框_数据->setUniformItemSizes(true);
  列表框_数据->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  列表框_数据->setEditTriggers(QAbstractItemView::NoEditTriggers);
  分组框1 = MakePanel(分组框_数据, u"分组框1", u"备注详情", 16, 168, 416, 88);
  编辑框_备注详情 = MakeTextBox(分组框1, u"编辑框_备注详情", 8, 16, 400, 64);
  编辑框_备注详情->setReadOnly(true);
  按钮_注销 = MakeButton(分组框_数据, u"按钮_注销", u"注 销", 16, 264, 72, 24);
  按钮_上传至FTP = MakeButton(分组框_数据, u"按钮_上传至FTP", u"同步到FTP", 184, 264, 80, 24);
  按钮_上传至FTP->setEnabled(false);
  按钮_退出 = MakeButton(分组框_数据, u"按钮_退出", u"退 出", 336, 264, 88, 24);

  分组框_增修界面 = MakePanel(this, u"分组框_增修界面", u"新增/修改", 464, 160, 352, 176);
  标签1 = MakeLabel(分组框_增修界面, u"标签1",
                    u"平台:              账号:              密码:\n\n备注:", 8, 25, 328, 104);
  // The captions are spaced out to sit between the boxes, which needs a font whose half-width
  // characters are half as wide as the Chinese ones, as the system's own dialog font is.
  QFont captions;
  captions.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                        QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("monospace")});
  captions.setStyleHint(QFont::TypeWriter);
  captions.setPixelSize(12);
  标签1->setFont(captions);
  编辑框_平台 = MakeLineEdit(分组框_增修界面, u"编辑框_平台", 40, 24, 72, 16);
  编辑框_账号 = MakeLineEdit(分组框_增修界面, u"编辑框_账号", 152, 24, 72, 16);
  编辑框_密码 = MakeLineEdit(分组框_增修界面, u"编辑框_密码", 264, 24, 72, 16);
  编辑框_备注 = MakeTextBox(分组框_增修界面, u"编辑框_备注", 40, 48, 296, 88);
  编辑框_增修索引 = MakeLineEdit(分组框_增修界面, u"编辑框_增修索引", 8, 88, 48, 24);
  编辑框_增修索引->setVisible(false);
  编辑框_增修索引->setFocusPolicy(Qt::NoFocus);
  按钮_返回 = MakeButton(分组框_增修界面, u"按钮_返回", u"返回", 40, 144, 96, 24);
  按钮_确认 = MakeButton(分组框_增修界面, u"按钮_确认", u"确认", 248, 144, 88, 24);

  // Left over from an earlier design: placed below any size the window takes, so never seen.
  分组框2 = MakePanel(this, u"分组框2", u"FTP", 272, 488, 208, 224);
  图形按钮_返回 = MakeButton(this, u"图形按钮_返回", u"", 160, 496, 20, 20);
  图形按钮_缩小 = MakeButton(this, u"图形按钮_缩小", u"", 184, 496, 20, 20);
  图形按钮_退出 = MakeButton(this, u"图形按钮_退出", u"", 208, 496, 20, 20);
  for (QPushButton* hidden : {图形按钮_返回, 图形按钮_缩小, 图形按钮_退出}) {
    hidden->setFocusPolicy(Qt::NoFocus);
  }
  透明标签1 = MakeLabel(this, u"透明标签1", u"", 24, 480, 128, 16);
  透明标签1->setAttribute(Qt::WA_TranslucentBackground);

  // Labels and group boxes take no focus; edit boxes, buttons and the list box do.
  for (QGroupBox* box : findChildren<QGroupBox*>()) box->setFocusPolicy(Qt::NoFocus);
  for (QLabel* label : findChildren<QLabel*>()) label->setFocusPolicy(Qt::NoFocus);

  BuildContextMenu();
}

void MainWindow::BuildContextMenu() {
  编辑菜单 = new QMenu(this);
  编辑菜单->setObjectName(QStringLiteral("编辑菜单"));
  菜单_新增 = MakeAction(编辑菜单, u"新增");
  菜单_修改 = MakeAction(编辑菜单, u"修改");
  菜单_删除 = MakeAction(编辑菜单, u"删除");
  菜单_复制 = 编辑菜单->addMenu(QStringLiteral("复制"));
  菜单_复制->setObjectName(QStringLiteral("复制"));
  菜单_复制->menuAction()->setObjectName(QStringLiteral("复制"));
  菜单_复制_账号 = MakeAction(菜单_复制, u"账号");
  菜单_复制_密码 = MakeAction(菜单_复制, u"密码");
  菜单_复制_账号密码 = MakeAction(菜单_复制, u"账号+密码");
  菜单_复制_所选所有 = MakeAction(菜单_复制, u"所选所有");
}

}  // namespace varnelle
