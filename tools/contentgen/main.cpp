// lumora-contentgen CONTENT_LIST APP_FOLDER
//   Builds Lumora's sound folder and picture folder inside APP_FOLDER from the content list
//   and prints the figures of the hard-to-hear rows.
// lumora-contentgen --phonemes CONTENT_LIST
//   Prints the list of the phonemes the voice speaks for every recording.

#include <QGuiApplication>
#include <QTextStream>

#include "ContentBuilder.h"
#include "ContentError.h"
#include "EspeakSpeech.h"
#include "PhonemeList.h"
#include "RowFigures.h"
#include "data/RecordingNames.h"

namespace {

using namespace lumora::contentgen;

void build(const QString& listPath, const QString& appFolder, QTextStream& out) {
  const ContentList list = readContentList(listPath);
  EspeakSpeech speech;
  const BuildReport report = buildContent(list, appFolder, [&](const QString& spoken, Pitch pitch) {
    return speech.speak(spoken, pitch);
  });
  out << "content: " << report.written << " written, " << report.unchanged << " unchanged, "
      << report.removed << " removed, " << report.kept.size() << " replaced files kept\n";
  for (const QString& path : report.kept) out << "  kept: " << path << '\n';
  out << formatRowFigures(
      measureConfusableRows(list, appFolder + u'/' + lumora::names::kSoundFolder));
}

void printPhonemes(const QString& listPath, QTextStream& out) {
  const ContentList list = readContentList(listPath);
  EspeakSpeech speech;
  out << phonemeList(list, [&](const QString& spoken) { return speech.phonemes(spoken); });
}

}  // namespace

int main(int argc, char** argv) {
  // Pictures are drawn without a screen, so the build works on any machine.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  const QStringList args = app.arguments();
  const bool phonemes = args.size() == 3 && args[1] == u"--phonemes";
  if (args.size() != 3) {
    err << "usage: lumora-contentgen CONTENT_LIST APP_FOLDER\n"
           "       lumora-contentgen --phonemes CONTENT_LIST\n";
    return 2;
  }
  try {
    if (phonemes) {
      printPhonemes(args[2], out);
    } else {
      build(args[1], args[2], out);
    }
  } catch (const ContentError& error) {
    err << "lumora-contentgen: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
