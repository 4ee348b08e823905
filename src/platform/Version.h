#pragma once
#include <QString>

namespace tw {

inline constexpr int kMajorVersion = 3;
inline constexpr int kMinorVersion = 0;
inline constexpr const char* kProgramName = "Tankwise";

// "3.0": shown in the logs, the configuration file and the windows.
inline QString VersionText() {
    return QString::number(kMajorVersion) + "." + QString::number(kMinorVersion);
}

// The maker's web site; every page the program opens lies below it.
inline constexpr const char* kSiteBase = "https://tankwise.example/";

}  // namespace tw
