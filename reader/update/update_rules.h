#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// The update window's rules that need no window: reading version files,
// comparing versions, and the download's progress display.

// The largest installer the update window downloads.
constexpr qint64 installerLimit = qint64(256) << 20;

// A version as a decimal number: 1.2 is newer than 1.19, 1.10 equals 1.1.
// Read the way the user's locale writes numbers (a decimal comma where that
// is usual); a text the locale cannot read, such as the server's "1.2" under
// a decimal comma, is read with a decimal point. Group separators are never
// accepted, so "1.200" cannot become 1200. Nothing else is a number.
std::optional<double> versionNumber(const QString &text);

// The first line of a version file: up to the first CR or LF.
QString firstLine(const QByteArray &bytes);

// The installer's SHA-256 from the version file's second line (64 hex
// digits, blanks around them allowed); empty when there is none.
QByteArray installerChecksum(const QByteArray &versionFile);

// The body length a Content-Length header announces, rounded half to even;
// 0 when it is absent or not a length.
qint64 contentLength(const QString &header);

// What the download shows while it writes "tempsetup.exe": a percentage from
// a counter that starts at 1000 with the first 1024-byte chunk and grows by
// 1024 with each further chunk, whatever the chunk's real length. Computed
// in 64 bits: large downloads do not overflow. The bar keeps to its track.
class DownloadProgress
{
public:
    static constexpr int trackTwips = 4995;

    // size: the announced body length, 0 or less when unknown.
    explicit DownloadProgress(qint64 size) : m_size(size) {}

    // The first chunk has been read.
    void firstChunk(qint64 bytes);
    // One more chunk has been read.
    void nextChunk(qint64 bytes);
    // The body is written.
    void finish() { m_text = QStringLiteral("100%"); }

    QString percentText() const { return m_text; }
    int barTwips() const { return m_barTwips; }

private:
    void show(bool moveBar);

    qint64 m_size;
    qint64 m_counter = 0;
    qint64 m_received = 0;
    QString m_text;
    int m_barTwips = 0;
};
