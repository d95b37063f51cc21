#include "EspeakSpeech.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <cstdio>
#include <cstdlib>

#include "ContentError.h"

namespace lumora::contentgen {
namespace {

// Slower than the engine's default of 175 words a minute: the listeners are learners.
constexpr int kWordsPerMinute = 140;

// The engine hands over its samples in pieces, with the phonemes that start in them; each
// speak() call passes its Speech along.
int collectSamples(short* samples, int count, espeak_EVENT* events) {
  auto* speech = static_cast<Speech*>(events->user_data);
  for (const espeak_EVENT* event = events; event->type != espeakEVENT_LIST_TERMINATED; ++event) {
    if (event->type != espeakEVENT_PHONEME) continue;
    const auto sample = static_cast<std::size_t>(event->audio_position) *
                        static_cast<std::size_t>(speech->sound.sampleRate) / 1000;
    speech->marks.push_back(
        {QString::fromUtf8(event->id.string, qstrnlen(event->id.string, 8)), sample});
  }
  auto& sound = speech->sound.samples;
  if (samples != nullptr) sound.insert(sound.end(), samples, samples + count);
  return 0;  // go on synthesizing
}

// The engine starts once per process and stops at exit: espeak-ng 1.51 hangs when it is
// stopped a second time after a restart. It reports where each phoneme starts, which only
// this older way of starting it can ask for.
class Engine {
 public:
  Engine() {
    if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                          espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_DONT_EXIT) <= 0) {
      throw ContentError(QStringLiteral("espeak-ng cannot start: is espeak-ng-data installed?"));
    }
  }
  ~Engine() { espeak_ng_Terminate(); }
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;
};

// While it lives, the engine writes the phonemes of what it speaks into memory, one line per
// clause.
class PhonemeTrace {
 public:
  PhonemeTrace() : stream_(open_memstream(&buffer_, &size_)) {
    if (stream_ == nullptr) throw ContentError(QStringLiteral("no memory for the phoneme trace"));
    espeak_SetPhonemeTrace(espeakPHONEMES_SHOW, stream_);
  }
  ~PhonemeTrace() {
    espeak_SetPhonemeTrace(0, nullptr);
    std::fclose(stream_);
    std::free(buffer_);
  }
  PhonemeTrace(const PhonemeTrace&) = delete;
  PhonemeTrace& operator=(const PhonemeTrace&) = delete;

  // The phonemes so far, the clauses separated by single spaces.
  QString text() const {
    std::fflush(stream_);
    return QString::fromUtf8(buffer_, static_cast<qsizetype>(size_)).simplified();
  }

 private:
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  FILE* stream_;
};

}  // namespace

EspeakSpeech::EspeakSpeech() {
  static const Engine engine;
  if (espeak_SetVoiceByName("ko") != EE_OK) {
    throw ContentError(QStringLiteral("espeak-ng has no Korean voice \"ko\""));
  }
  espeak_SetParameter(espeakRATE, kWordsPerMinute, 0);
  espeak_SetSynthCallback(collectSamples);
  speech_.sound.sampleRate = espeak_ng_GetSampleRate();
}

Speech EspeakSpeech::speak(const QString& korean) {
  speech_.sound.samples.clear();
  speech_.marks.clear();
  const QByteArray utf8 = korean.toUtf8();
  const espeak_ERROR result = espeak_Synth(utf8.constData(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                                           espeakCHARS_UTF8 | espeakPHONEMES, nullptr, &speech_);
  if (result != EE_OK)
    throw ContentError(QStringLiteral("espeak-ng cannot say \"%1\"").arg(korean));
  return speech_;
}

QString EspeakSpeech::phonemes(const QString& korean) {
  const PhonemeTrace trace;
  speak(korean);
  return trace.text();
}

}  // namespace lumora::contentgen
