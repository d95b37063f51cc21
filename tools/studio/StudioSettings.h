#pragma once

#include <QString>
#include <QUrl>

// What the studio keeps between sittings (QSettings: ~/.config/Lumora/lumora-studio.conf).
namespace lumora::studio::settings {

inline const QString kAppFolder = QStringLiteral("appFolder");  // the folder used last
inline const QString kDevice = QStringLiteral("device");        // the microphone chosen
inline const QString kPlayOnAccept = QStringLiteral("playOnAccept");
inline const QString kAutoStop = QStringLiteral("autoStop");
inline const QString kSyntheticOnly = QStringLiteral("syntheticOnly");

// The file the teacher had reached in an application folder: kept for each folder, so that
// a teacher recording into two copies goes on in each where they stopped.
inline QString positionKey(const QString& appFolder) {
  return QStringLiteral("position/") + QString::fromLatin1(QUrl::toPercentEncoding(appFolder));
}

}  // namespace lumora::studio::settings
