#pragma once
#include <QString>

namespace tw {

// QString::number(value, 'g', precision) and QString::number(value, 'f', decimals),
// digit for digit, at the speed of std::to_chars: the logs and the exports write
// hundreds of thousands of numbers. The two round an exact tie differently (Qt
// away from zero, to_chars to even), so a value that may sit on one is left to Qt.
QString GeneralDigits(double value, int precision);
QString FixedDigits(double value, int decimals);
// FixedDigits into `out` (room for 48 characters), for writers that append many
// numbers to one text: the count written, or -1 for a value only Qt writes as Qt does.
int WriteFixedDigits(double value, int decimals, char* out);

// How many significant digits the shortest text that reads back as `value` has.
int ShortestDigitCount(double value);

}  // namespace tw
