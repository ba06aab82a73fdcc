#pragma once

#include "flite_voices.h"

#include <QList>
#include <QPair>
#include <QString>

// Chooses an engine for a SAPI 4 attribute text such as
// "Mfg=Microsoft;Gender=1". Keys are case-insensitive: Mfg, Product,
// ModeName, Speaker, Gender (1 female, 2 male), Age, Style, Language.
// Unknown keys and values match nothing.
class ModeFinder
{
public:
    using Pair = QPair<QString, QString>;

    // "key=value" pairs separated by ';', trimmed; pairs without a key or
    // without '=' are dropped.
    static QList<Pair> parse(const QString &attributes);
    static bool matches(const FliteVoice &voice, const Pair &pair);
    // 0-based index of the voice matching the most pairs, the lowest on a
    // tie; current when the text holds no pair; -1 without voices.
    static int best(const QList<FliteVoice> &voices, const QString &attributes, int current);
};
