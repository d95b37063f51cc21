// lumora-contentgen CONTENT_LIST APP_FOLDER
// Builds Lumora's sound folder and picture folder inside APP_FOLDER from the content list.

#include <QGuiApplication>
#include <QTextStream>

#include "ContentBuilder.h"
#include "ContentError.h"
#include "EspeakSpeech.h"

int main(int argc, char** argv) {
  using namespace lumora::contentgen;
  // Pictures are drawn without a screen, so the build works on any machine.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream err(stderr);
  const QStringList args = app.arguments();
  if (args.size() != 3) {
    err << "usage: lumora-contentgen CONTENT_LIST APP_FOLDER\n";
    return 2;
  }
  try {
    const ContentList list = readContentList(args[1]);
    EspeakSpeech speech;
    const BuildReport report =
        buildContent(list, args[2], [&](const QString& korean) { return speech.speak(korean); });
    QTextStream out(stdout);
    out << "content: " << report.written << " written, " << report.unchanged << " unchanged, "
        << report.removed << " removed, " << report.kept.size() << " replaced files kept\n";
    for (const QString& path : report.kept) out << "  kept: " << path << '\n';
  } catch (const ContentError& error) {
    err << "lumora-contentgen: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
