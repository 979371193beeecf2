#pragma once
// Engineering numbers: how every value is shown to the user and read back.
// Values are written with a prefix letter (a f p n µ m k M G T P E) and a
// decimal comma, with as many digits as a resolution needs. The comma is used
// whatever the host locale; nothing here depends on the C or Qt locale.
//
// Non-finite input never loops and never throws from the formatting side:
// FormatEng writes "NaN", "+Inf" or "-Inf"; Decade, PowerOfTen, AutoStep and
// Resolution treat NaN and infinities like zero (0, 1, 1 and 1).
#include <QString>

// Decimal exponent of x: floor(log10 |x|), except that a negative whole
// logarithm gives one less (Decade(0.01) is -3). Decade(0) is 0.
int Decade(double x);

// 10 raised to Decade(x) as the nearest double; 1 for x = 0. Never 0: below
// the smallest representable double it gives that smallest double.
double PowerOfTen(double x);

// The double nearest 10^k; 0 below and infinity above the double range.
double Pow10(int k);

// 1-2-5 graduation step for a span of values: 7.3 -> 1, 4.2 -> 0.5, 2 -> 0.2.
// Always > 0.
double AutoStep(double range);

// The finest power of ten needed to write x (relative tolerance 1e-10):
// 0.25 -> 0.01, 300 -> 100, 1.5 -> 0.1, 0 -> 1. Always > 0.
double Resolution(double x);

// value written to the given resolution: FormatEng(1234.5, 0.1) is "1,2345k".
// A resolution that is zero, not finite, coarser than the value (beyond a
// relative 1e-10) or finer than a millionth of a millionth of it becomes a
// hundredth of the value. The prefix is chosen for the value rounded to the
// resolution: FormatEng(999.96, 0.1) is "1,0000k". Prefix exponents outside
// -18..18 are written "e21", "e-24".
QString FormatEng(double value, double resolution);

// A typed value: optional sign, digits with a decimal comma (the first "."
// counts as a comma), optional exponent, optional final prefix letter ("u" is
// accepted for "µ"). Surrounding blanks are ignored. Throws EConvertError for
// anything else, including values beyond the double range.
double ParseEng(const QString &text);

// True when ParseEng(text) succeeds.
bool IsEngNumber(const QString &text);
