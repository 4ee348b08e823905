#include "calc/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace tw {

namespace {

// Whether the digits after the ones kept could be exactly "5000…": written with
// two more digits they then read "50". Anything else rounds the same both ways.
bool MayBeTie(const char* begin, const char* end) {
    return end - begin >= 2 && end[-2] == '5' && end[-1] == '0';
}

// %g with `precision` digits from to_chars, where it rounds as Qt does.
QString RoundedGeneral(double value, int precision) {
    char text[64], wider[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::general, precision);
    // The significant digits two places further, with the exponent cut off.
    const auto [wideEnd, wideError] =
        std::to_chars(wider, wider + sizeof wider, value, std::chars_format::scientific, precision + 1);
    if (error != std::errc() || wideError != std::errc()) return QString::number(value, 'g', precision);
    const char* mantissaEnd = wider;
    while (mantissaEnd < wideEnd && *mantissaEnd != 'e') ++mantissaEnd;
    if (MayBeTie(wider, mantissaEnd)) return QString::number(value, 'g', precision);
    return QString::fromLatin1(text, end - text);
}

}  // namespace

QString GeneralDigits(double value, int precision) {
    if (!std::isnormal(value) || precision < 1 || precision > 17)
        return QString::number(value, 'g', precision);
    // The shortest digits that read back as the value. Up to 15 digits, a normal double
    // lies nearer to them than to any other 15-digit number, so they are its
    // rounding to `precision` digits too, written as %g would.
    char shortest[40];
    const auto [end, error] = std::to_chars(shortest, shortest + sizeof shortest, value, std::chars_format::scientific);
    if (error != std::errc() || precision > 15) return RoundedGeneral(value, precision);
    std::string digits;
    const char* c = shortest;
    const bool negative = *c == '-';
    if (negative) ++c;
    for (; c < end && *c != 'e'; ++c)
        if (*c != '.') digits += *c;
    if (int(digits.size()) > precision || c == end) return RoundedGeneral(value, precision);
    int exponent = 0;
    std::from_chars(c + 1 + (c[1] == '+'), end, exponent);

    std::string text = negative ? "-" : "";
    if (exponent < -4 || exponent >= precision) {
        text += digits[0];
        if (digits.size() > 1) text += '.' + digits.substr(1);
        text += exponent < 0 ? "e-" : "e+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += "0." + std::string(size_t(-exponent - 1), '0') + digits;
    } else {
        const size_t whole = size_t(exponent) + 1;
        if (digits.size() <= whole) {
            text += digits + std::string(whole - digits.size(), '0');
        } else {
            text += digits.substr(0, whole) + '.' + digits.substr(whole);
        }
    }
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

int ShortestDigitCount(double value) {
    char shortest[40];
    const auto [end, error] = std::to_chars(shortest, shortest + sizeof shortest, value, std::chars_format::scientific);
    int count = 0;
    for (const char* c = shortest; c < end && *c != 'e'; ++c) count += *c >= '0' && *c <= '9';
    return error == std::errc() ? count : 17;
}

int WriteFixedDigits(double value, int decimals, char* out) {
    if (!std::isfinite(value) || decimals < 0 || decimals > 6) return -1;
    // The exact value is m * 2^e; times 10^decimals it is a whole number of 2^e,
    // rounded half away from zero as Qt rounds, all in 128-bit integers.
    int e = 0;
    const double fraction = std::frexp(std::fabs(value), &e);
    const auto mantissa = std::uint64_t(std::ldexp(fraction, 53));
    const int shift = 53 - e;  // value = mantissa / 2^shift
    if (shift <= 0 || shift > 120) return -1;
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const unsigned __int128 scaled = static_cast<unsigned __int128>(mantissa) * scale;
    unsigned __int128 rounded = scaled >> shift;
    if ((scaled >> (shift - 1)) & 1) ++rounded;  // the first bit cut off is a half or more
    if (rounded == 0 && std::signbit(value)) return -1;
    if (rounded > std::numeric_limits<std::uint64_t>::max() / 10) return -1;

    char digits[24];
    const auto [digitsEnd, digitsError] = std::to_chars(digits, digits + sizeof digits, std::uint64_t(rounded));
    (void)digitsError;  // twenty digits always fit
    const int count = int(digitsEnd - digits);
    int at = 0;
    if (std::signbit(value)) out[at++] = '-';
    const int whole = count - decimals;
    if (whole <= 0) {
        out[at++] = '0';
    } else {
        for (int i = 0; i < whole; ++i) out[at++] = digits[i];
    }
    if (decimals > 0) {
        out[at++] = '.';
        for (int i = whole; i < count; ++i) out[at++] = i < 0 ? '0' : digits[i];
    }
    return at;
}

QString FixedDigits(double value, int decimals) {
    char text[48];
    const int count = WriteFixedDigits(value, decimals, text);
    return count < 0 ? QString::number(value, 'f', decimals) : QString::fromLatin1(text, count);
}

}  // namespace tw
