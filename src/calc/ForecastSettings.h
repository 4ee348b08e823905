#pragma once
#include <QString>
#include <QStringList>

namespace tw {

// Which monthly profile the forecast uses.
enum class ProfileChoice {
    Auto,    // follows the locale's country
    Uk,
    German,
    File,    // Data/DegreeDays.csv, the default profile when it cannot be read
};

// The forecast's settings, kept in Data/Forecast.ini beside the main configuration.
struct ForecastSettings {
    double reservePercent = 15;  // of the tanks' capacity
    int leadDays = 10;           // from ordering to delivery
    ProfileChoice profile = ProfileChoice::Auto;
    bool operator==(const ForecastSettings&) const = default;
};

inline constexpr double kMaxReservePercent = 90;
inline constexpr int kMaxLeadDays = 90;

struct ForecastSettingsRead {
    ForecastSettings settings;
    QStringList problems;  // one line per value that was not usable (its default kept)
};

// Reads the file's text ("Key=value" lines; sections, comments and unknown keys are
// passed over). Missing or out-of-range values keep their defaults; numbers use a
// period in every locale.
ForecastSettingsRead ReadForecastSettings(const QString& text);

// The file's text, CR LF line ends, that the reader reads back unchanged.
QString ComposeForecastSettings(const ForecastSettings& settings);

}  // namespace tw
