#include "PraatPitch.h"

#include <QProcess>
#include <QTemporaryDir>

#include "ContentError.h"
#include "GeneratedFiles.h"
#include "WaveFile.h"

namespace lumora::contentgen {
namespace {

// Praat's text form of a pitch tier: its time span, then time and pitch of each point.
QByteArray pitchTier(const Pcm& sound, const Melody& melody) {
  const double seconds = double(sound.samples.size()) / sound.sampleRate;
  QByteArray text = "File type = \"ooTextFile\"\nObject class = \"PitchTier\"\n\n0\n" +
                    QByteArray::number(seconds, 'f', 6) + '\n' +
                    QByteArray::number(qsizetype(melody.size())) + '\n';
  for (const PitchPoint& point : melody) {
    text += QByteArray::number(point.seconds, 'f', 6) + '\n' +
            QByteArray::number(point.hz, 'f', 3) + '\n';
  }
  return text;
}

// Runs the melody script over the sounds named in the folder.
void runMelodyScript(const QString& folder, const QStringList& names) {
  writeWholeFile(folder + QStringLiteral("/list.txt"), names.join(u'\n').toUtf8() + '\n');
  QProcess praat;
  praat.start(QStringLiteral(LUMORA_PRAAT),
              {QStringLiteral("--run"), QStringLiteral(LUMORA_MELODY_SCRIPT), folder});
  if (!praat.waitForFinished(-1) || praat.exitStatus() != QProcess::NormalExit ||
      praat.exitCode() != 0) {
    throw ContentError(QStringLiteral("Praat could not give the recordings their melody: %1")
                           .arg(QString::fromUtf8(praat.readAllStandardError())));
  }
}

}  // namespace

std::vector<Pcm> withMelodies(const std::vector<Pcm>& sounds, const std::vector<Melody>& melodies) {
  const QTemporaryDir folder;
  if (!folder.isValid()) throw ContentError(QStringLiteral("no temporary folder for Praat"));
  const auto file = [&](std::size_t i, const char* ending) {
    return folder.filePath(QString::number(i) + QLatin1String(ending));
  };
  QStringList shaped;
  for (std::size_t i = 0; i < sounds.size(); ++i) {
    if (melodies[i].empty()) continue;
    writeWholeFile(file(i, ".wav"), encodeWave(sounds[i]));
    writeWholeFile(file(i, ".PitchTier"), pitchTier(sounds[i], melodies[i]));
    shaped.append(QString::number(i));
  }
  if (!shaped.isEmpty()) runMelodyScript(folder.path(), shaped);
  std::vector<Pcm> result;
  for (std::size_t i = 0; i < sounds.size(); ++i) {
    if (melodies[i].empty()) {
      result.push_back(sounds[i]);
      continue;
    }
    const std::optional<Pcm> sound = readRecording(file(i, ".out.wav"));
    if (!sound) throw ContentError(QStringLiteral("Praat wrote no sound for recording %1").arg(i));
    result.push_back(*sound);
  }
  return result;
}

}  // namespace lumora::contentgen
