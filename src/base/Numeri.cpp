#include "Numeri.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace orvento {

namespace {
bool cifra(QChar c) { return c >= u'0' && c <= u'9'; }
bool spazio(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }
} // namespace

std::optional<double> numeroInTesto(QStringView t)
{
    qsizetype i = 0;
    const qsizetype n = t.size();
    while (i < n && spazio(t[i]))
        ++i;

    std::string s;
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        s += char(t[i++].unicode());

    bool cifre = false;
    while (i < n && cifra(t[i])) {
        s += char(t[i++].unicode());
        cifre = true;
    }
    if (i < n && t[i] == u'.') {
        s += '.';
        ++i;
        while (i < n && cifra(t[i])) {
            s += char(t[i++].unicode());
            cifre = true;
        }
    }
    if (!cifre)
        return std::nullopt;

    // An exponent counts only when at least one digit follows it.
    if (i < n && (t[i] == u'e' || t[i] == u'E' || t[i] == u'd' || t[i] == u'D')) {
        qsizetype j = i + 1;
        std::string e = "e";
        if (j < n && (t[j] == u'+' || t[j] == u'-'))
            e += char(t[j++].unicode());
        if (j < n && cifra(t[j])) {
            // Long exponents saturate anyway; keep the text short.
            int cifreExp = 0;
            while (j < n && cifra(t[j])) {
                if (cifreExp < 6)
                    e += char(t[j].unicode());
                ++cifreExp;
                ++j;
            }
            if (cifreExp >= 6)
                e = e.substr(0, e.size() - 5) + "99999";
            s += e;
        }
    }

    // from_chars reads '.' whatever the user's locale is, and reports
    // overflow instead of guessing; a leading '+' it does not take.
    const char *inizio = s.c_str();
    const char *fine = inizio + s.size();
    bool negativo = false;
    if (*inizio == '+' || *inizio == '-') {
        negativo = *inizio == '-';
        ++inizio;
    }
    double v = 0.0;
    const auto [ptr, err] = std::from_chars(inizio, fine, v);
    (void)ptr;
    if (err == std::errc::result_out_of_range) {
        const bool piccolo = s.find("e-") != std::string::npos;
        v = piccolo ? 0.0 : DBL_MAX;
    } else if (err != std::errc()) {
        v = 0.0;
    }
    return negativo ? -v : v;
}

double leggiNumero(QStringView t) { return numeroInTesto(t).value_or(0.0); }

int arrotondaPari(double x)
{
    if (std::isnan(x))
        return 0;
    if (x >= double(INT_MAX))
        return INT_MAX;
    if (x <= double(INT_MIN))
        return INT_MIN;
    return static_cast<int>(std::nearbyint(x)); // default rounding mode: ties to even
}

std::optional<std::int16_t> intero16(double x)
{
    if (std::isnan(x))
        return std::nullopt;
    const double r = std::nearbyint(x);
    if (r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

QString testoNumero(int n)
{
    return n < 0 ? QString::number(n) : QStringLiteral(" ") + QString::number(n);
}

} // namespace orvento
