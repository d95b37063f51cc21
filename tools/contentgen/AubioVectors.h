#pragma once

#include <aubio/aubio.h>

#include <cstddef>
#include <memory>
#include <type_traits>

#include "DefaultFloatingPoint.h"
#include "Pcm.h"

// aubio's objects owned the C++ way, and the loop that feeds a sound to them.
namespace lumora::contentgen {

template <typename T, void (*Delete)(T*)>
using Owned = std::unique_ptr<T, std::integral_constant<decltype(Delete), Delete>>;
using Vector = Owned<fvec_t, del_fvec>;
using Spectrum = Owned<cvec_t, del_cvec>;

// Feeds the samples from `start` on, hop by hop, to `analyse`, which sees each hop in `in`;
// the last hop is padded with silence.
template <typename Analyse>
void forEachHop(const Pcm& sound, std::size_t start, fvec_t* in, Analyse analyse) {
  const std::size_t hop = in->length;
  for (std::size_t at = start; at < sound.samples.size(); at += hop) {
    for (std::size_t i = 0; i < hop; ++i) {
      const std::size_t index = at + i;
      in->data[i] =
          index < sound.samples.size() ? static_cast<smpl_t>(sound.samples[index] / 32768.0) : 0;
    }
    analyse();
  }
}

}  // namespace lumora::contentgen
