#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <string_view>

#include "cli.h"

namespace {

// Standard error carries the program's own lines only: Qt's remarks (a missing runtime
// folder under cron, font notes) would come before the one line a refusal promises.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::cerr << message.toLocal8Bit().constData() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(QuietQt);
  // For the standard paths and text codecs; no display is needed. PDFs need fonts, which
  // the offscreen platform gives without a display.
  std::unique_ptr<QCoreApplication> app;
  if (argc > 1 && std::string_view(argv[1]) == "pdf") {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv, argv + argc);
  const int status = RunCli(args, std::cin, std::cout, std::cerr);
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "tenpo-cli: cannot write to standard output\n";
    return 1;
  }
  return status;
}
