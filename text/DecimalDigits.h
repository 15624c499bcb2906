#pragma once
// Decimal digits of a double, correctly rounded from its exact binary value
// (ties to even). No point and no sign are written: the value is
// 0.d1d2d3... x 10^DecimalPoint.

constexpr int kMaxDecimalDigits = 351;

struct DecimalDigits {
    char Digits[kMaxDecimalDigits + 1];  // '0'..'9'
    int Count;
    int DecimalPoint;
    bool Negative;  // the sign bit, so -0.0 is negative
};

// Rounded to `places` digits after the point. A value that rounds to zero
// gives no digits and DecimalPoint = -places. Returns 0 when the digit string
// would be longer than kMaxDecimalDigits. `value` must be finite.
int FixedDigits(double value, int places, DecimalDigits& out);

// Exactly `count` significant digits (1..kMaxDecimalDigits); zero gives
// `count` zeros with DecimalPoint 1. `value` must be finite.
int SignificantDigits(double value, int count, DecimalDigits& out);
