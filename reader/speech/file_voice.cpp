#include "speech/file_voice.h"

#include <QCoreApplication>

namespace {

class NoRendering final : public FileVoice::Rendering
{
public:
    bool start(const QString &, const QString &, QString *why) override
    {
        *why = QCoreApplication::translate("SpeechExport", "The voice did not accept the text.");
        return false;
    }
    bool finish(QString *) override { return false; }
};

}  // namespace

FileVoice::Rendering::~Rendering() = default;
FileVoice::Engine::~Engine() = default;

FileVoice::FileVoice(std::shared_ptr<const Engine> engine)
    : m_engine(std::move(engine))
{
}

QString FileVoice::name() const
{
    return m_engine ? m_engine->name() : QString();
}

int FileVoice::sampleRate() const
{
    return m_engine ? m_engine->sampleRate() : 0;
}

int FileVoice::wordsPerMinute() const
{
    return m_engine ? m_engine->wordsPerMinute() : 0;
}

QString FileVoice::loadError() const
{
    return m_engine ? m_engine->loadError() : QString();
}

std::optional<FileVoice::ControlVoice> FileVoice::controlVoice() const
{
    return m_engine ? m_engine->controlVoice() : std::nullopt;
}

FileVoice FileVoice::atPositions(int rate, int pitch, int volume) const
{
    return m_engine ? FileVoice(m_engine->atPositions(rate, pitch, volume)) : FileVoice();
}

std::unique_ptr<FileVoice::Rendering> FileVoice::rendering(const Events &events) const
{
    if (!m_engine)
        return std::make_unique<NoRendering>();
    return m_engine->rendering(events);
}
