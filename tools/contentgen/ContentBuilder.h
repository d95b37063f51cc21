#pragma once

#include <QString>
#include <functional>

#include "ContentList.h"
#include "GeneratedFiles.h"
#include "Pcm.h"

namespace lumora::contentgen {

// The untrimmed speech of an utterance.
using SpeechSource = std::function<Pcm(const Utterance& utterance)>;

// Silence kept before and after the speech, so neither the onset nor the fade is clipped.
inline constexpr double kSpeechMarginSeconds = 0.005;

// Speech as it is shipped: silence trimmed, loudness normalized, as WAV bytes; and the part of
// the speech's samples it keeps.
struct ShippedSpeech {
  QByteArray wave;
  SampleRange kept;
};
ShippedSpeech shippedSpeech(const Pcm& speech);
inline QByteArray spokenRecording(const Pcm& speech) { return shippedSpeech(speech).wave; }

// Builds the sound folder and the picture folder of the application folder from the list:
// every recording, the minute and syllable recordings, the syllable pictures, both buzzers
// and both tables. Files replaced by someone else are left alone (GeneratedFiles).
BuildReport buildContent(const ContentList& list, const QString& appFolder,
                         const SpeechSource& speak);

}  // namespace lumora::contentgen
