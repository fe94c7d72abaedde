#include "CodificaLan.h"

#include <array>

namespace orvento {

namespace {
// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves unused
// map to the C1 control of the same value, as Windows itself does, so that
// any byte read comes back out unchanged.
constexpr std::array<char16_t, 32> kAlti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char byteDi(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < kAlti.size(); ++i)
        if (kAlti[i] == c)
            return char(0x80 + i);
    return '?';
}
} // namespace

QByteArray codificaLan(QStringView testo)
{
    QByteArray dati;
    dati.reserve(testo.size());
    // Walk whole code points, so a character outside the basic plane (two
    // UTF-16 units) still becomes a single '?'.
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo.at(i);
        if (c.isHighSurrogate() && i + 1 < testo.size() && testo.at(i + 1).isLowSurrogate()) {
            dati.append('?');
            ++i;
        } else if (c.isSurrogate()) {
            dati.append('?');
        } else {
            dati.append(byteDi(c.unicode()));
        }
    }
    return dati;
}

QString decodificaLan(QByteArrayView dati)
{
    QString testo;
    testo.reserve(dati.size());
    for (const char b : dati) {
        const auto u = static_cast<unsigned char>(b);
        testo.append(u >= 0x80 && u < 0xA0 ? QChar(kAlti[u - 0x80]) : QChar(u));
    }
    return testo;
}

QString comeSulFilo(QStringView testo) { return decodificaLan(codificaLan(testo)); }

} // namespace orvento
