#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

// A class or interface identifier, written in the registry's form
// "{4E81060C-A251-48CC-B81C-299CE7556342}".
struct Guid
{
    quint32 data1 = 0;
    quint16 data2 = 0;
    quint16 data3 = 0;
    std::array<quint8, 8> data4{};

    // Accepts the braced registry form, any case; nothing on anything else.
    static std::optional<Guid> parse(QStringView text);
    // Upper-case braced form, as the registry stores it.
    QString toString() const;
    bool isNull() const { return *this == Guid{}; }

    friend bool operator==(const Guid &, const Guid &) = default;
};

// For literals: "{…}"_guid would need a parser at compile time; this builds
// a Guid from its fields in the order the text shows them.
constexpr Guid makeGuid(quint32 d1, quint16 d2, quint16 d3, quint8 a, quint8 b, quint8 c, quint8 d,
                        quint8 e, quint8 f, quint8 g, quint8 h)
{
    return Guid{d1, d2, d3, {a, b, c, d, e, f, g, h}};
}

size_t qHash(const Guid &guid, size_t seed = 0) noexcept;
