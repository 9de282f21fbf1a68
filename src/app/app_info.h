// The program's title and version, as the splash and About windows and the main caption show them.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace pelterra::app {

inline constexpr char kProductTitle[] = "Pelterra";
inline constexpr int kVersionMajor = 0;
inline constexpr int kVersionMinor = 23;
inline constexpr int kVersionRevision = 8;
inline constexpr char kMainWindowCaption[] = "Pelterra Ver0.23.8 (LastUpDate Oct.22.1999)";

// "ﾊﾞｰｼﾞｮﾝ 0.23.8"
inline QString versionLabel() {
    return QCoreApplication::translate("AppInfo", "ﾊﾞｰｼﾞｮﾝ %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

}  // namespace pelterra::app
