// Runs the GUI tests against the real widgets on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The offscreen platform warns about every window feature it lacks (opacity, raise); those
// warnings would bury the test output.
void QuietPlatformWarnings(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietPlatformWarnings);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
