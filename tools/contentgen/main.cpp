// lumora-contentgen CONTENT_LIST APP_FOLDER
//   Builds Lumora's sound folder and picture folder inside APP_FOLDER from the content list
//   and prints the figures of the hard-to-hear rows and the acoustic check.
// lumora-contentgen --phonemes CONTENT_LIST
//   Prints the list of the phonemes the voice speaks for every recording.
// lumora-contentgen --check CONTENT_LIST APP_FOLDER
//   Prints the acoustic check of the recordings in APP_FOLDER's sound folder, whoever made
//   them, without building anything.

#include <QGuiApplication>
#include <QHash>
#include <QTextStream>

#include "AcousticCheck.h"
#include "ContentBuilder.h"
#include "ContentError.h"
#include "EspeakSpeech.h"
#include "PhonemeList.h"
#include "RowFigures.h"
#include "VoiceShaping.h"
#include "data/RecordingNames.h"

namespace {

using namespace lumora::contentgen;

QString soundFolderOf(const QString& appFolder) {
  return appFolder + u'/' + lumora::names::kSoundFolder;
}

// The voice's own rendering of every spoken file, in list order.
std::vector<Speech> voiceRenderings(const ContentList& list, EspeakSpeech& speech) {
  std::vector<Speech> renderings;
  for (const Utterance& utterance : utterances(list))
    renderings.push_back(speech.speak(utterance.spoken));
  return renderings;
}

void printCheck(const ContentList& list, const QString& appFolder,
                const std::vector<Speech>& renderings, QTextStream& out) {
  out << formatAcousticCheck(checkRecordings(list, soundFolderOf(appFolder), renderings));
}

void check(const QString& listPath, const QString& appFolder, QTextStream& out) {
  const ContentList list = readContentList(listPath);
  EspeakSpeech speech;
  printCheck(list, appFolder, voiceRenderings(list, speech), out);
}

void build(const QString& listPath, const QString& appFolder, QTextStream& out) {
  const ContentList list = readContentList(listPath);
  EspeakSpeech speech;
  const std::vector<Speech> renderings = voiceRenderings(list, speech);
  const std::vector<Utterance> all = utterances(list);
  const std::vector<Pcm> voiced = shapedVoice(list, renderings);
  QHash<QString, std::size_t> indexOf;
  for (std::size_t i = 0; i < all.size(); ++i) indexOf.insert(all[i].fileName, i);
  const BuildReport report = buildContent(list, appFolder, [&](const Utterance& utterance) {
    return voiced[indexOf.value(utterance.fileName)];
  });
  out << "content: " << report.written << " written, " << report.unchanged << " unchanged, "
      << report.removed << " removed, " << report.kept.size() << " replaced files kept\n";
  for (const QString& path : report.kept) out << "  kept: " << path << '\n';
  out << formatRowFigures(measureConfusableRows(list, soundFolderOf(appFolder)));
  printCheck(list, appFolder, renderings, out);
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
  const bool checkOnly = args.size() == 4 && args[1] == u"--check";
  if (args.size() != 3 && !checkOnly) {
    err << "usage: lumora-contentgen CONTENT_LIST APP_FOLDER\n"
           "       lumora-contentgen --phonemes CONTENT_LIST\n"
           "       lumora-contentgen --check CONTENT_LIST APP_FOLDER\n";
    return 2;
  }
  try {
    if (phonemes) {
      printPhonemes(args[2], out);
    } else if (checkOnly) {
      check(args[2], args[3], out);
    } else {
      build(args[1], args[2], out);
    }
  } catch (const ContentError& error) {
    err << "lumora-contentgen: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
