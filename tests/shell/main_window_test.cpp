#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "shell/system_texts.h"
#include "shell/text_codec.h"
#include "window_fixture.h"

namespace varnelle::testing {
namespace {

QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::vector<QGroupBox*> Panels(MainWindow& w) {
  return {w.分组框_设置登录密码, w.分组框_登录, w.分组框_数据, w.分组框_增修界面};
}

std::vector<QGroupBox*> VisiblePanels(MainWindow& w) {
  std::vector<QGroupBox*> visible;
  for (QGroupBox* panel : Panels(w)) {
    if (panel->isVisibleTo(&w)) visible.push_back(panel);
  }
  return visible;
}

TEST_F(WindowTest, WithoutDataFileOpensOnSetPassword) {
  MainWindow& w = Open();
  w.show();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Varnelle v0.9"));
  EXPECT_EQ(VisiblePanels(w), std::vector<QGroupBox*>{w.分组框_设置登录密码});
  EXPECT_EQ(w.分组框_设置登录密码->pos(), QPoint(5, 0));
  EXPECT_EQ(w.OuterSize(), QSize(223, 123));
  EXPECT_EQ(w.frameGeometry().size(), QSize(223, 123));  // no frame offscreen
  EXPECT_EQ(state.data_file_path, DataFile());
  EXPECT_EQ(state.settings.count, 0);
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

TEST_F(WindowTest, WithDataFileLoadsItAndOpensOnLogin) {
  WriteDataFile({{"p", "a", "b", "n"}}, "secret");
  MainWindow& w = Open();
  w.show();
  EXPECT_EQ(VisiblePanels(w), std::vector<QGroupBox*>{w.分组框_登录});
  EXPECT_EQ(w.OuterSize(), QSize(247, 123));
  EXPECT_EQ(state.settings.count, 1);
  EXPECT_EQ(state.settings.login_password, "secret");
  EXPECT_EQ(state.records.at(0), (AccountRecord{"p", "a", "b", "n"}));
}

TEST_F(WindowTest, ShowPanelShowsOnePanelAndSizesTheWindow) {
  MainWindow& w = Open();
  w.show();
  const QPoint corner = w.pos();
  const struct {
    std::u16string_view key;
    QGroupBox* MainWindow::*panel;
    QSize outer;
  } cases[] = {
      {texts::kPanelLogin, &MainWindow::分组框_登录, {247, 123}},
      {texts::kPanelData, &MainWindow::分组框_数据, {455, 331}},
      {texts::kPanelSetPassword, &MainWindow::分组框_设置登录密码, {223, 123}},
  };
  for (const auto& c : cases) {
    w.ShowPanel(ToGbk(c.key));
    EXPECT_EQ(VisiblePanels(w), std::vector<QGroupBox*>{w.*c.panel}) << Q(c.key).toStdString();
    EXPECT_EQ(w.OuterSize(), c.outer);
    EXPECT_EQ(w.frameGeometry().size(), c.outer);
    EXPECT_EQ((w.*c.panel)->pos(), QPoint(5, 0));
    EXPECT_EQ(w.pos(), corner) << "the top-left corner stays";
  }

  // The editor is only made visible here; its fill sizes the window.
  w.ShowPanel(ToGbk(texts::kPanelEditor));
  EXPECT_EQ(VisiblePanels(w), std::vector<QGroupBox*>{w.分组框_增修界面});
  EXPECT_EQ(w.OuterSize(), QSize(223, 123));

  w.ShowPanel(ToGbk(u"没有这个面板"));
  EXPECT_TRUE(VisiblePanels(w).empty());
  EXPECT_EQ(w.OuterSize(), QSize(223, 123));
  w.ShowPanel(ToGbk(texts::kPanelLogin) + " ");  // keys compare byte for byte
  EXPECT_TRUE(VisiblePanels(w).empty());
}

TEST_F(WindowTest, FitWindowToPanelGivesTheEditorItsSize) {
  MainWindow& w = Open();
  w.FitWindowToPanel(w.分组框_增修界面);
  EXPECT_EQ(w.OuterSize(), QSize(367, 211));
  EXPECT_EQ(w.分组框_增修界面->pos(), QPoint(5, 0));
}

TEST_F(WindowTest, FillRecordListShowsOneLinePerRecordWithItsNumber) {
  WriteDataFile({{"QQ", "alice", "pw", "note"}, {"", "", "", ""}, {"QQ", "alice", "pw", "x"}}, "");
  MainWindow& w = Open();
  w.编辑框_备注详情->setPlainText(QStringLiteral("stale"));
  w.ShowPanel(ToGbk(texts::kPanelData));

  QListWidget* list = w.列表框_数据;
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("平台：QQ  账号：alice  密码：pw"));
  EXPECT_EQ(list->item(1)->text(), QStringLiteral("平台：  账号：  密码："));
  EXPECT_EQ(list->item(2)->text(), list->item(0)->text());
  for (int row = 0; row < 3; ++row) EXPECT_EQ(list->item(row)->data(Qt::UserRole).toInt(), row + 1);
  EXPECT_TRUE(list->selectedItems().isEmpty());
  EXPECT_EQ(list->currentRow(), -1);
  EXPECT_TRUE(w.编辑框_备注详情->toPlainText().isEmpty());

  // Shown again after a change: rebuilt, not appended to.
  state.records.pop_back();
  state.settings.count = 2;
  w.ShowPanel(ToGbk(texts::kPanelData));
  EXPECT_EQ(list->count(), 2);
}

TEST_F(WindowTest, ControlsHaveTheirNamesCaptionsAndPlaces) {
  MainWindow& w = Open();
  const struct {
    const char16_t* name;
    const char16_t* caption;  // nullptr: not checked
    QRect geometry;
  } cases[] = {
      {u"编辑框_设置登录密码", nullptr, {16, 24, 176, 24}},
      {u"按钮_确认登录密码", u"确 定", {32, 56, 144, 24}},
      {u"编辑框_登录_密码", nullptr, {16, 24, 200, 24}},
      {u"按钮_登录", u"登 录", {16, 56, 200, 24}},
      {u"标签_提醒", u"？", {208, 0, 16, 16}},
      {u"列表框_数据", nullptr, {16, 24, 416, 136}},
      {u"分组框1", u"备注详情", {16, 168, 416, 88}},
      {u"编辑框_备注详情", nullptr, {8, 16, 400, 64}},
      {u"按钮_注销", u"注 销", {16, 264, 72, 24}},
      {u"按钮_上传至FTP", u"同步到FTP", {184, 264, 80, 24}},
      {u"按钮_退出", u"退 出", {336, 264, 88, 24}},
      {u"标签1", u"平台:              账号:              密码:\n\n备注:", {8, 25, 328, 104}},
      {u"编辑框_平台", nullptr, {40, 24, 72, 16}},
      {u"编辑框_账号", nullptr, {152, 24, 72, 16}},
      {u"编辑框_密码", nullptr, {264, 24, 72, 16}},
      {u"编辑框_备注", nullptr, {40, 48, 296, 88}},
      {u"编辑框_增修索引", nullptr, {8, 88, 48, 24}},
      {u"按钮_返回", u"返回", {40, 144, 96, 24}},
      {u"按钮_确认", u"确认", {248, 144, 88, 24}},
      {u"分组框2", u"FTP", {272, 488, 208, 224}},
      {u"图形按钮_返回", nullptr, {160, 496, 20, 20}},
      {u"图形按钮_缩小", nullptr, {184, 496, 20, 20}},
      {u"图形按钮_退出", nullptr, {208, 496, 20, 20}},
      {u"透明标签1", nullptr, {24, 480, 128, 16}},
  };
  for (const auto& c : cases) {
    const QString name = QString::fromUtf16(c.name);
    auto* widget = w.findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr) << name.toStdString();
    EXPECT_EQ(widget->geometry(), c.geometry) << name.toStdString();
    if (c.caption == nullptr) continue;
    QString caption;
    if (auto* button = qobject_cast<QPushButton*>(widget)) caption = button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) caption = label->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget)) caption = box->title();
    EXPECT_EQ(caption, QString::fromUtf16(c.caption)) << name.toStdString();
  }
  EXPECT_EQ(w.分组框_数据->title(), QStringLiteral("数据 - time:2020.09.20"));
  EXPECT_EQ(w.分组框_登录->title(), QStringLiteral("login"));
  EXPECT_EQ(w.分组框_增修界面->title(), QStringLiteral("新增/修改"));
  EXPECT_FALSE(w.按钮_上传至FTP->isEnabled());
  EXPECT_FALSE(w.编辑框_增修索引->isVisibleTo(&w));
  EXPECT_EQ(w.编辑框_登录_密码->echoMode(), QLineEdit::Normal);
  EXPECT_TRUE(w.编辑框_备注详情->isReadOnly());
  for (auto* button : w.findChildren<QPushButton*>()) EXPECT_FALSE(button->autoDefault());
}

TEST_F(WindowTest, ContextMenuHasItsTree) {
  MainWindow& w = Open();
  QStringList top;
  for (QAction* action : w.编辑菜单->actions()) top << action->text();
  EXPECT_EQ(top, (QStringList{"新增", "修改", "删除", "复制"}));
  QStringList copy;
  for (QAction* action : w.菜单_复制->actions()) copy << action->text();
  EXPECT_EQ(copy, (QStringList{"账号", "密码", "账号+密码", "所选所有"}));
  EXPECT_EQ(w.编辑菜单->actions().at(3)->menu(), w.菜单_复制);
  for (QAction* action : w.编辑菜单->actions() + w.菜单_复制->actions()) {
    EXPECT_TRUE(action->isEnabled());
    EXPECT_TRUE(action->shortcut().isEmpty());
  }
}

// Each way of closing saves once; the file it leaves loads back to the same state.
TEST_F(WindowTest, EveryWayOfClosingSavesExactlyOnce) {
  const struct {
    const char* how;
    void (*close)(MainWindow&);
  } cases[] = {
      {"close box", [](MainWindow& w) { w.close(); }},
      {"Esc in an edit box",
       [](MainWindow& w) { QTest::keyClick(w.编辑框_登录_密码, Qt::Key_Escape); }},
      {"Esc in the list",
       [](MainWindow& w) {
         w.ShowPanel(ToGbk(texts::kPanelData));
         QTest::keyClick(w.列表框_数据, Qt::Key_Escape);
       }},
      {"exit button",
       [](MainWindow& w) {
         w.ShowPanel(ToGbk(texts::kPanelData));
         QTest::mouseClick(w.按钮_退出, Qt::LeftButton);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    std::filesystem::remove(DataFile());
    WriteDataFile({{"p", "a", "b", "n"}}, "pw");
    const std::string before = ReadBytes(DataFile());
    state = SharedState{};
    MainWindow& w = Open();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QApplication::setActiveWindow(&w);
    std::filesystem::remove(DataFile());

    c.close(w);
    w.close();  // a second request saves nothing more
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Notices().count(Q(texts::kSaveDone)), 1);
    EXPECT_EQ(ReadBytes(DataFile()), before);
  }
}

TEST_F(WindowTest, ClosingOnSetPasswordPanelStillWritesAnEmptyFile) {
  MainWindow& w = Open();
  w.close();
  ASSERT_TRUE(std::filesystem::exists(DataFile()));
  EXPECT_EQ(ReadBytes(DataFile()), RenderDataFile(AppSettings{}, RecordTable{}));
  EXPECT_EQ(w.ExitStatus(), 0);
}

TEST_F(WindowTest, FolderInPlaceOfTheFileOpensLoginAndTheSaveSaysItFailed) {
  std::filesystem::create_directory(DataFile());
  MainWindow& w = Open();
  EXPECT_EQ(VisiblePanels(w), std::vector<QGroupBox*>{w.分组框_登录});
  EXPECT_EQ(state.settings.count, 0);
  w.close();
  EXPECT_TRUE(std::filesystem::is_directory(DataFile()));
  ASSERT_EQ(Notices().size(), 1);
  EXPECT_TRUE(Notices().front().startsWith(Q(texts::kSaveFailed) + "\r\n"));
  EXPECT_FALSE(Notices().contains(Q(texts::kSaveDone)));
  EXPECT_EQ(w.ExitStatus(), 1);
}

TEST_F(WindowTest, DamagedFileIsCopiedBeforeTheFirstSaveReplacesIt) {
  // A count that is present but does not unseal.
  const std::string damaged = ToGbk(u"[配置]\r\n项目数=0123456789ABCDEF\r\nlogin=\r\n");
  WriteBytes(DataFile(), damaged);
  MainWindow& w = Open();
  EXPECT_TRUE(state.keep_copy_before_next_save);
  ASSERT_TRUE(w.SaveData().ok());
  ASSERT_EQ(Notices().size(), 2);
  EXPECT_TRUE(Notices().at(0).startsWith(Q(texts::kDamagedFileKept)));
  EXPECT_EQ(Notices().at(1), Q(texts::kSaveDone));

  // The notice names the copy, and the copy holds the damaged file byte for byte.
  const QString copy = Notices().at(0).mid(static_cast<qsizetype>(texts::kDamagedFileKept.size()));
  EXPECT_EQ(ReadBytes(ToFsPath(copy)), damaged);
  EXPECT_EQ(ToFsPath(copy).parent_path(), dir.path());

  // Only the first save keeps a copy.
  ASSERT_TRUE(w.SaveData().ok());
  EXPECT_EQ(Notices().size(), 3);
}

}  // namespace
}  // namespace varnelle::testing
