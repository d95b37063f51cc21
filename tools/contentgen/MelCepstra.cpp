#include "MelCepstra.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <cmath>

#include "AubioVectors.h"

namespace lumora::contentgen {
namespace {

constexpr unsigned kWindow = 512;
constexpr unsigned kMelBands = 40;

}  // namespace

std::vector<Cepstrum> melCepstra(const Pcm& sound, std::size_t start, unsigned hop) {
  const DefaultFloatingPoint environment;
  const auto rate = static_cast<uint_t>(sound.sampleRate);
  Owned<aubio_pvoc_t, del_aubio_pvoc> vocoder(new_aubio_pvoc(kWindow, hop));
  Owned<aubio_mfcc_t, del_aubio_mfcc> mfcc(
      new_aubio_mfcc(kWindow, kMelBands, kCepstralCoefficients, rate));
  const Vector in(new_fvec(hop));
  const Spectrum spectrum(new_cvec(kWindow));
  const Vector coefficients(new_fvec(kCepstralCoefficients));
  std::vector<Cepstrum> frames;
  forEachHop(sound, start, in.get(), [&] {
    aubio_pvoc_do(vocoder.get(), in.get(), spectrum.get());
    aubio_mfcc_do(mfcc.get(), spectrum.get(), coefficients.get());
    Cepstrum frame{};
    std::copy_n(coefficients->data, kCepstralCoefficients, frame.begin());
    frames.push_back(frame);
  });
  return frames;
}

Cepstrum silentCepstrum(int sampleRate) {
  const std::vector<Cepstrum> frames =
      melCepstra({sampleRate, std::vector<std::int16_t>(kWindow, 0)}, 0, kWindow / 2);
  return frames.back();
}

double cepstralDistance(const Cepstrum& a, const Cepstrum& b) {
  double sum = 0;
  for (std::size_t i = 0; i < kCepstralCoefficients; ++i) sum += (a[i] - b[i]) * (a[i] - b[i]);
  return std::sqrt(sum);
}

}  // namespace lumora::contentgen
