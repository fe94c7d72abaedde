#pragma once
// The screens name the classic desktop typefaces; on this platform they map to
// installed metric-compatible ones, so every text fits its place.

#include <QFont>
#include <QStringList>

namespace orvento {

inline void registraCaratteri()
{
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               QStringList{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

} // namespace orvento
