#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QString>
#include <QTest>
#include <memory>

#include "scripted_prompter.h"
#include "shell/main_window.h"
#include "shell/shared_state.h"
#include "store/data_file.h"
#include "support/temp_folder.h"

namespace varnelle::testing {

// The real main window, offscreen, with its program folder in a temporary folder.
class WindowTest : public ::testing::Test {
 protected:
  std::filesystem::path DataFile() const { return dir.path() / DataFileName(); }

  // Writes a data file holding these records and this login password.
  void WriteDataFile(const RecordTable& records, const Text& login) {
    AppSettings settings;
    settings.count = static_cast<std::int32_t>(records.size());
    settings.login_password = login;
    ASSERT_TRUE(SaveDataFile(DataFile(), settings, records, false).ok());
  }

  MainWindow& Open() {
    window = std::make_unique<MainWindow>(state, prompter, dir.path());
    notices = std::make_unique<QSignalSpy>(window.get(), &MainWindow::noticeRequested);
    return *window;
  }

  // The notices asked for so far, in order.
  QStringList Notices() const {
    QStringList texts;
    for (const QList<QVariant>& call : *notices) texts << call.at(0).toString();
    return texts;
  }

  // Types as a person would: keys for ASCII (Enter for a line break), an input method's commit
  // for runs of other characters.
  template <typename Box>
  void TypeInto(Box* box, const QString& text) {
    box->clear();
    box->setFocus();
    QString composed;
    const auto commit = [&] {
      if (composed.isEmpty()) return;
      QInputMethodEvent event;
      event.setCommitString(composed);
      QApplication::sendEvent(box, &event);
      composed.clear();
    };
    for (const QChar c : text) {
      if (c.unicode() >= 0x80) {
        composed += c;
        continue;
      }
      commit();
      if (c == u'\n') {
        QTest::keyClick(box, Qt::Key_Return);
      } else {
        QTest::keyClicks(box, QString(c));
      }
    }
    commit();
  }

  TempFolder dir;
  SharedState state;
  ScriptedPrompter prompter;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<QSignalSpy> notices;
};

}  // namespace varnelle::testing
