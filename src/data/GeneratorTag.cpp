#include "data/GeneratorTag.h"

#include <QCryptographicHash>
#include <QtEndian>

namespace lumora {
namespace {

void appendU32(QByteArray& bytes, quint32 value) {
  const quint32 stored = qToLittleEndian(value);
  bytes.append(reinterpret_cast<const char*>(&stored), sizeof stored);
}

// The chunk that marks `head`, the bytes before it. Its size is the same for any head.
QByteArray tagChunk(QByteArrayView head) {
  QByteArray text = "lumora-contentgen " +
                    QCryptographicHash::hash(head, QCryptographicHash::Sha256).toHex() + '\0';
  QByteArray info = "INFOISFT";
  appendU32(info, static_cast<quint32>(text.size()));
  info += text;
  if (text.size() % 2 != 0) info += '\0';  // chunks are padded to an even size
  QByteArray chunk = "LIST";
  appendU32(chunk, static_cast<quint32>(info.size()));
  return chunk + info;
}

const qsizetype kTagSize = tagChunk({}).size();

}  // namespace

QByteArray withGeneratorTag(QByteArray wave) {
  qToLittleEndian(static_cast<quint32>(wave.size() + kTagSize - 8), wave.data() + 4);
  return wave + tagChunk(wave);
}

bool hasGeneratorTag(const QByteArray& bytes) {
  if (bytes.size() <= kTagSize) return false;
  // Views, not copies: a recording may be megabytes long.
  const QByteArrayView whole(bytes);
  const QByteArrayView head = whole.first(bytes.size() - kTagSize);
  return whole.sliced(head.size()) == tagChunk(head);
}

}  // namespace lumora
