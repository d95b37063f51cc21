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

// The engine's pitch setting (0 to 100) for each pitch; the low one starts the vowel about a
// fifth lower than the normal one.
constexpr int kNormalPitch = 50;
constexpr int kLowPitch = 25;

// The engine hands over its samples in pieces; each speak() call passes its Pcm along.
int collectSamples(short* samples, int count, espeak_EVENT* events) {
  auto* sound = static_cast<Pcm*>(events->user_data);
  if (samples != nullptr) sound->samples.insert(sound->samples.end(), samples, samples + count);
  return 0;  // go on synthesizing
}

// The engine starts once per process and stops at exit: espeak-ng 1.51 hangs when it is
// stopped a second time after a restart.
class Engine {
 public:
  Engine() {
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    if (espeak_ng_Initialize(&context) != ENS_OK) {
      espeak_ng_ClearErrorContext(&context);
      throw ContentError(QStringLiteral("espeak-ng cannot start: is espeak-ng-data installed?"));
    }
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK) {
      throw ContentError(QStringLiteral("espeak-ng cannot synthesize into memory"));
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
  sound_.sampleRate = espeak_ng_GetSampleRate();
}

Pcm EspeakSpeech::speak(const QString& korean, Pitch pitch) {
  sound_.samples.clear();
  espeak_SetParameter(espeakPITCH, pitch == Pitch::Low ? kLowPitch : kNormalPitch, 0);
  const QByteArray utf8 = korean.toUtf8();
  const espeak_ERROR result = espeak_Synth(utf8.constData(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                                           espeakCHARS_UTF8 | espeakPHONEMES, nullptr, &sound_);
  if (result != EE_OK)
    throw ContentError(QStringLiteral("espeak-ng cannot say \"%1\"").arg(korean));
  return sound_;
}

QString EspeakSpeech::phonemes(const QString& korean) {
  const PhonemeTrace trace;
  speak(korean);
  return trace.text();
}

}  // namespace lumora::contentgen
