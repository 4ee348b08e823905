#pragma once
#include <QString>

namespace tw {

// QString::number(value, 'g', precision) and QString::number(value, 'f', decimals),
// digit for digit, at the speed of std::to_chars: the logs and the exports write
// hundreds of thousands of numbers. The two round an exact tie differently (Qt
// away from zero, to_chars to even), so a value that may sit on one is left to Qt.
QString GeneralDigits(double value, int precision);
QString FixedDigits(double value, int decimals);

// How many significant digits the shortest text that reads back as `value` has.
int ShortestDigitCount(double value);

}  // namespace tw
