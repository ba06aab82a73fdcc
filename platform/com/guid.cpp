#include "com/guid.h"

#include <QHashFunctions>

std::optional<Guid> Guid::parse(QStringView text)
{
    // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
    static constexpr int groups[] = {8, 4, 4, 4, 12};
    if (text.size() != 38 || text.front() != u'{' || text.back() != u'}')
        return std::nullopt;
    QStringView body = text.mid(1, 36);
    quint64 values[5] = {};
    qsizetype at = 0;
    for (int g = 0; g < 5; ++g) {
        if (g > 0) {
            if (body.at(at) != u'-')
                return std::nullopt;
            ++at;
        }
        for (int i = 0; i < groups[g]; ++i, ++at) {
            const char16_t c = body.at(at).unicode();
            int digit = -1;
            if (c >= u'0' && c <= u'9')
                digit = c - u'0';
            else if (c >= u'a' && c <= u'f')
                digit = c - u'a' + 10;
            else if (c >= u'A' && c <= u'F')
                digit = c - u'A' + 10;
            if (digit < 0)
                return std::nullopt;
            values[g] = (values[g] << 4) | quint64(digit);
        }
    }
    Guid guid;
    guid.data1 = quint32(values[0]);
    guid.data2 = quint16(values[1]);
    guid.data3 = quint16(values[2]);
    guid.data4[0] = quint8(values[3] >> 8);
    guid.data4[1] = quint8(values[3]);
    for (int i = 0; i < 6; ++i)
        guid.data4[2 + i] = quint8(values[4] >> (8 * (5 - i)));
    return guid;
}

QString Guid::toString() const
{
    QString out = QStringLiteral("{%1-%2-%3-").arg(data1, 8, 16, QLatin1Char('0'))
                      .arg(data2, 4, 16, QLatin1Char('0'))
                      .arg(data3, 4, 16, QLatin1Char('0'));
    for (int i = 0; i < 8; ++i) {
        if (i == 2)
            out += QLatin1Char('-');
        out += QStringLiteral("%1").arg(data4[i], 2, 16, QLatin1Char('0'));
    }
    out += QLatin1Char('}');
    return out.toUpper();
}

size_t qHash(const Guid &guid, size_t seed) noexcept
{
    return qHashMulti(seed, guid.data1, guid.data2, guid.data3,
                      QByteArrayView(reinterpret_cast<const char *>(guid.data4.data()), 8));
}
