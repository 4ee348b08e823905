#pragma once
#include <QLocale>
#include <QString>

namespace tw {

// The value of a field the program itself wrote: either plain number text ("1234.5",
// read with NumberValue so that "." is always the decimal point) or a display form
// in the user's locale ("1,234.50" after the currency symbol is stripped, "3,1" in
// German). Reading the display form by NumberValue alone would turn "1,234.50" into
// 1 and "3,1" into 3 the second time the result fields are tidied.
double ShownValue(const QString& text, const QLocale& locale);

// True for plain number text: optional sign, digits, an optional "." part and an
// optional exponent, nothing else.
bool IsPlainNumberText(const QString& text);

// The decimal number a single-precision volume stands for (1250.0f - 488.8f gives
// 761.2, not 761.200012207031), so that volumes written to fields read as typed.
double FloatDecimal(float value);

}  // namespace tw
