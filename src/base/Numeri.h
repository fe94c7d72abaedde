#pragma once
// The numeric conversions the game relies on, in one place. Every number that
// arrives as text (a deck card, a move, a tag) is read with `leggiNumero`, and
// every "nearest whole number" of the game rounds halves to the even neighbour.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace orvento {

// Reads the number at the start of a text: leading blanks are skipped, an
// optional sign, digits, a decimal point and an exponent are taken, and reading
// stops at the first character that cannot continue the number. A text with no
// digits gives 0. Never fails: huge values saturate at the largest double.
double leggiNumero(QStringView testo);
// The same reading, telling apart a text with no digits at all.
std::optional<double> numeroInTesto(QStringView testo);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4),
// saturated to the range of int.
int arrotondaPari(double x);

// The same rounding into a 16-bit integer; nothing when the value does not fit
// (the caller decides what an out-of-range number from outside means).
std::optional<std::int16_t> intero16(double x);

// A non-negative number as the wire and the tool-tips write it: one leading
// blank where a sign would go (" 7", " 0"); a negative number keeps its "-".
QString testoNumero(int n);

} // namespace orvento
