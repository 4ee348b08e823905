#include "calc/NumberText.h"

#include <charconv>
#include <cmath>

namespace tw {

namespace {

// Whether the digits after the ones kept could be exactly "5000…": written with
// two more digits they then read "50". Anything else rounds the same both ways.
bool MayBeTie(const char* begin, const char* end) {
    return end - begin >= 2 && end[-2] == '5' && end[-1] == '0';
}

// Qt writes a zero, and a negative value that rounds to zero, in its own way.
bool SignedZero(const char* begin, const char* end) {
    if (begin == end || *begin != '-') return false;
    for (const char* c = begin + 1; c < end && *c != 'e'; ++c)
        if (*c >= '1' && *c <= '9') return false;
    return true;
}

}  // namespace

QString GeneralDigits(double value, int precision) {
    char text[64], wider[64];
    if (!std::isfinite(value) || precision < 1 || precision > 17)
        return QString::number(value, 'g', precision);
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::general, precision);
    // The significant digits two places further, with the exponent cut off.
    const auto [wideEnd, wideError] =
        std::to_chars(wider, wider + sizeof wider, value, std::chars_format::scientific, precision + 1);
    if (error != std::errc() || wideError != std::errc()) return QString::number(value, 'g', precision);
    const char* mantissaEnd = wider;
    while (mantissaEnd < wideEnd && *mantissaEnd != 'e') ++mantissaEnd;
    if (MayBeTie(wider, mantissaEnd) || value == 0) return QString::number(value, 'g', precision);
    return QString::fromLatin1(text, end - text);
}

QString FixedDigits(double value, int decimals) {
    char text[400], wider[400];
    if (!std::isfinite(value) || decimals < 0 || decimals > 30 || std::fabs(value) >= 1e300)
        return QString::number(value, 'f', decimals);
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    const auto [wideEnd, wideError] =
        std::to_chars(wider, wider + sizeof wider, value, std::chars_format::fixed, decimals + 2);
    if (error != std::errc() || wideError != std::errc() || MayBeTie(wider, wideEnd) || SignedZero(text, end))
        return QString::number(value, 'f', decimals);
    return QString::fromLatin1(text, end - text);
}

}  // namespace tw
