#include "convert/m4b_part_sink.h"

M4bPartSink::M4bPartSink(const QString &path, int kbps)
    : m_path(path)
    , m_kbps(kbps)
{
}

bool M4bPartSink::open(int sampleRate)
{
    // Made anew: the sound may begin again at another rate.
    m_writer = M4bWriter::create(m_path);
    return m_writer->isOpen() && m_writer->startEncoding(sampleRate, m_kbps);
}

bool M4bPartSink::write(const qint16 *samples, qsizetype count)
{
    return m_writer && m_writer->write(samples, count);
}

bool M4bPartSink::finish()
{
    return m_writer && m_writer->finish();
}

QString M4bPartSink::errorString() const
{
    return m_writer ? m_writer->errorString() : QString();
}
