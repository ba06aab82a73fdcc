#include "convert/conversion.h"

#include "com/component_runtime.h"
#include "com/ref_count.h"
#include "convert/piece_conversion.h"
#include "convert/voice_catalog.h"
#include "documents/document_saver.h"
#include "documents/mp3_export.h"
#include "documents/rich_text_box.h"
#include "documents/text_decoder.h"
#include "sapi4/audio_dest_file.h"
#include "sapi4/direct_ss.h"
#include "sapi4/tts_interfaces.h"
#include "sapi5/sp_voice.h"
#include "speech/voice_choice.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSet>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <QThread>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Hears the engine about the one text it renders, on this thread.
class BufferSink final : public ITTSBufNotifySinkA
{
public:
    std::function<void(QWORD stamp, quint32 byteOffset)> onWord;
    std::function<void()> onDone;

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid != IID_IUnknown && iid != IID_ITTSBufNotifySinkA) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<ITTSBufNotifySinkA *>(this);
        AddRef();
        return S_OK;
    }
    quint32 AddRef() override { return m_refs.addRef(); }
    quint32 Release() override { return m_refs.release(this); }

    HRESULT TextDataDone(QWORD, quint32) override
    {
        if (onDone)
            onDone();
        return S_OK;
    }
    HRESULT TextDataStarted(QWORD) override { return S_OK; }
    HRESULT BookMark(QWORD, quint32) override { return S_OK; }
    HRESULT WordPosition(QWORD stamp, quint32 byteOffset) override
    {
        if (onWord)
            onWord(stamp, byteOffset);
        return S_OK;
    }

private:
    RefCount m_refs;
};

QString sentence(QString why)
{
    if (!why.isEmpty())
        why[0] = why.at(0).toLower();
    if (!why.endsWith(u'.'))
        why += u'.';
    return why;
}

}  // namespace

// A SAPI 4 engine rendering into the temporary WAV, and what turns its
// byte offsets (into the UTF-8 it was handed) back into text positions.
struct Sapi4Rendering
{
    // Creating the engine objects needs a hold on the component runtime.
    Sapi4Rendering() { ComponentRuntime::initialize(); }

    ComPtr<ITTSCentralA> engine;
    ComPtr<IAudioFile> destination;
    ComPtr<BufferSink> sink;
    // Words come in text order: a cursor walks the text once.
    qsizetype utf16At = 0;
    qint64 utf8At = 0;

    qint64 position(const QString &text, qint64 byteOffset)
    {
        if (byteOffset < utf8At)
            utf16At = utf8At = 0;
        while (utf8At < byteOffset && utf16At < text.size()) {
            const char16_t c = text.at(utf16At).unicode();
            const bool pair = QChar::isHighSurrogate(c) && utf16At + 1 < text.size() && text.at(utf16At + 1).isLowSurrogate();
            utf8At += pair ? 4 : c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
            utf16At += pair ? 2 : 1;
        }
        return utf16At;
    }

    ~Sapi4Rendering()
    {
        if (engine)
            engine->AudioReset();
        engine.reset();
        destination.reset();
        ComponentRuntime::uninitialize();
    }
};

Conversion::Conversion(VoiceCatalog &voices, const Convert::Options &options, QObject *parent)
    : QObject(parent)
    , m_voices(voices)
    , m_job(options)
    , m_input(options.inputs.value(0))
    , m_tags{options.title, options.album, options.artist, options.track, options.total}
{
}

Conversion::~Conversion()
{
    cleanUp();
}

double Conversion::encoded() const
{
    if (m_pieces)
        return m_pieces->encoded();
    return m_export ? m_export->encodedFraction() : 0.0;
}

void Conversion::fail(Convert::ExitCode code, const QString &file, const QString &why)
{
    if (m_finished)
        return;
    cleanUp();
    m_exitCode = code;
    m_error = QStringLiteral("%1: %2").arg(file, sentence(why));
    m_finished = true;
    emit finished();
}

void Conversion::audioInPlace()
{
    // The subtitles follow the sound they belong to, never a failed one.
    if (!m_job.subtitles.isEmpty()) {
        Subtitles::Kind kind = Subtitles::Kind::Srt;
        Subtitles::kindForName(m_job.subtitles, &kind);
        // The marks are already in the written text: subtitles show what
        // was written, not what the rules made the voice say.
        const QByteArray cues = Subtitles::write(Subtitles::cues(m_written, m_marks, m_export->waveSeconds()), kind);
        if (QString why; !DocumentSaver::writeFile(m_job.subtitles, cues, &why))
            return fail(Convert::RenderFailed, m_job.subtitles, why);
    }
    succeed();
}

void Conversion::succeed()
{
    cleanUp();
    m_finished = true;
    emit finished();
}

void Conversion::cleanUp()
{
    if (m_voices.spVoice() && m_stream) {
        m_voices.spVoice()->disconnect(this);
        m_voices.spVoice()->Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak);
        m_voices.spVoice()->setAudioOutputStream(nullptr);
    }
    m_stream.reset();
    m_sapi4.reset();
    if (m_pieces)
        m_pieces->stop();
    if (m_export)
        m_export->cancel();
    stopReadingInput();
}

void Conversion::abort()
{
    cleanUp();
}

QString Conversion::inputName() const
{
    return m_input == u"-" ? tr("standard input") : m_input;
}

// Standard input is read in the event loop as it arrives, never by a read
// that waits: a writer may keep the pipe open for as long as it likes, and
// an interrupt meanwhile must still be taken at once.
void Conversion::readStandardInput()
{
    m_inputFlags = ::fcntl(STDIN_FILENO, F_GETFL);
    if (m_inputFlags < 0 || ::fcntl(STDIN_FILENO, F_SETFL, m_inputFlags | O_NONBLOCK) < 0) {
        const int error = errno;
        m_inputFlags = -1;
        return fail(Convert::InputUnreadable, inputName(), QString::fromLocal8Bit(std::strerror(error)));
    }
    m_inputNotifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_inputNotifier, &QSocketNotifier::activated, this, &Conversion::readInputPiece);
}

// One read per wake-up, so that signals are seen between pieces.
void Conversion::readInputPiece()
{
    char piece[1 << 16];
    const ssize_t n = ::read(STDIN_FILENO, piece, sizeof piece);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        return;
    if (n < 0) {
        const int error = errno;
        return fail(Convert::InputUnreadable, inputName(), QString::fromLocal8Bit(std::strerror(error)));
    }
    if (n > 0) {
        m_inputBytes.append(piece, qsizetype(n));
        if (m_inputBytes.size() > RichTextBox::MaxFileSize)
            return fail(Convert::InputUnreadable, inputName(),
                        tr("the text is too large (the limit is %1 MB)").arg(RichTextBox::MaxFileSize / (1024 * 1024)));
        return;
    }
    const QByteArray bytes = std::exchange(m_inputBytes, QByteArray());
    stopReadingInput();
    RichTextBox box;
    if (!box.loadBytes(bytes))
        return fail(Convert::InputUnreadable, inputName(), box.errorString());
    if (!decodeText(box, bytes))
        return;
    m_text = box.Text();
    convertText();
}

// Gives standard input back as it was found: a terminal is shared with the
// shell, which expects blocking reads.
void Conversion::stopReadingInput()
{
    if (m_inputNotifier) {
        m_inputNotifier->setEnabled(false);
        m_inputNotifier->deleteLater();
        m_inputNotifier = nullptr;
    }
    if (m_inputFlags >= 0) {
        ::fcntl(STDIN_FILENO, F_SETFL, m_inputFlags);
        m_inputFlags = -1;
    }
    m_inputBytes = QByteArray();
}

bool Conversion::checkSubtitleFolder()
{
    if (m_job.subtitles.isEmpty())
        return true;
    // Found out now, not after minutes of rendering.
    const QFileInfo info(m_job.subtitles);
    QTemporaryFile probe(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (probe.open())
        return true;
    fail(Convert::RenderFailed, m_job.subtitles, tr("the folder %1 cannot be written to").arg(info.absolutePath()));
    return false;
}

// The rules file named on the command line, else the user's own lists (as
// the reader keeps them: the voice's language, then the common list). Lines
// that cannot be read are skipped, with a warning once per file in a run.
PronunciationRules Conversion::pronunciationFor(const QString &voiceLanguage)
{
    if (m_job.noRules)
        return {};
    QStringList files;
    if (!m_job.rules.isEmpty()) {
        files << m_job.rules;
    } else {
        const QString folder =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/sayora/");
        if (!PronunciationLists::languageKey(voiceLanguage).isEmpty())
            files << folder + QFileInfo(PronunciationLists::languageFile(voiceLanguage)).fileName();
        files << folder + QFileInfo(PronunciationLists::commonFile()).fileName();
    }
    static QSet<QString> warnedAbout;
    QList<PronunciationRule> rules;
    for (const QString &file : std::as_const(files)) {
        QList<RuleProblem> problems;
        rules += PronunciationLists::load(file, &problems);
        if (warnedAbout.contains(file))
            continue;
        warnedAbout.insert(file);
        for (const RuleProblem &problem : std::as_const(problems))
            emit warned(tr("sayora-convert: %1: line %2: %3; the line was skipped")
                            .arg(file).arg(problem.line).arg(problem.message));
    }
    return PronunciationRules(rules);
}

void Conversion::setText(const QString &text)
{
    m_text = text;
    m_textGiven = true;
}

void Conversion::start()
{
    if (m_textGiven)
        return convertText();
    if (m_input == u"-")
        return readStandardInput();
    RichTextBox box;
    if (!box.LoadFile(m_input))
        return fail(Convert::InputUnreadable, inputName(), box.errorString());
    // The bytes once more, now that they are known to be a readable text.
    QFile file(m_input);
    if (!file.open(QIODevice::ReadOnly))
        return fail(Convert::InputUnreadable, inputName(), file.errorString());
    if (!decodeText(box, file.readAll()))
        return;
    m_text = box.Text();
    convertText();
}

// Plain text in the encoding the user named, or a warning when a text
// that is not UTF-8 was read as Windows-1252 (legacy Russian or Japanese
// files come out garbled that way). RTF, HTML and the book formats name
// their own encoding, and a PDF or a ZIP decoded as text would be ruined.
bool Conversion::decodeText(RichTextBox &box, const QByteArray &bytes)
{
    if (!box.document().plainText)
        return true;
    QByteArrayView start(bytes);
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.sliced(3);
    while (!start.isEmpty() && QChar::isSpace(uchar(start.front())))
        start = start.sliced(1);
    if (start.startsWith("{\\rtf"))
        return true;
    if (m_job.encoding.isEmpty()) {
        if (detectTextEncoding(bytes) == TextEncoding::Windows1252)
            emit warned(tr("sayora-convert: %1: not UTF-8, read as Windows-1252 (--encoding names another encoding)")
                            .arg(inputName()));
        return true;
    }
    QStringDecoder decoder(m_job.encoding.toUtf8().constData());
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        emit warned(tr("sayora-convert: %1: some bytes are not %2 and were replaced").arg(inputName(), m_job.encoding));
    if (!box.loadBytes(text.toUtf8())) {
        fail(Convert::InputUnreadable, inputName(), box.errorString());
        return false;
    }
    return true;
}

void Conversion::convertText()
{
    if (m_job.format == Convert::Format::Text) {
        QString why;
        if (!DocumentSaver::writeFile(m_job.output, m_text.toUtf8(), &why))
            return fail(Convert::RenderFailed, m_job.output, why);
        m_rendered = 1;
        return succeed();
    }

    m_text = DocumentSaver::exportText(m_text);
    if (m_text.isEmpty())
        return fail(Convert::InputUnreadable, inputName(), tr("there is no text in it to read aloud"));
    std::optional<VoiceCatalog::Voice> voice =
        m_job.voice.isEmpty() ? m_voices.forText(m_text) : m_voices.find(m_job.voice);
    if (!voice) {
        if (!m_job.voice.isEmpty())
            return fail(Convert::UnknownVoice, inputName(), tr("there is no voice \"%1\"").arg(m_job.voice));
        return fail(Convert::RenderFailed, m_job.output, tr("no voice is installed"));
    }
    m_written = m_text;
    // A long text goes to worker processes piece by piece, and so does any
    // text for the formats made from the rendered WAV; a worker itself
    // (reporting its progress to its parent) renders in one piece.
    const int workers = m_job.reportProgress ? 1 : m_job.jobs > 0 ? m_job.jobs : QThread::idealThreadCount();
    const bool split = m_job.splitMinutes > 0 || m_job.splitMegabytes > 0;
    if (const int pieces = split ? PieceConversion::pieceCountForSplit(m_text.size(), workers, m_job)
                                 : PieceConversion::pieceCount(m_text.size(), workers);
        pieces > 1 || split || PieceConversion::needsWorkers(m_job))
        return convertInPieces(voice->name, pieces);
    if (const PronunciationRules rules = pronunciationFor(voice->code); !rules.isEmpty()) {
        SpokenForm form = rules.apply(m_text);
        m_text = std::move(form.text);
        m_spokenMap = std::move(form.map);
        // An engine handed no words would never report its end.
        if (m_text.trimmed().isEmpty())
            return fail(Convert::InputUnreadable, inputName(),
                        tr("the pronunciation rules leave nothing to read aloud"));
    }
    if (m_job.format == Convert::Format::Mp3 && Mp3Export::encoderPath().isEmpty())
        return fail(Convert::RenderFailed, m_job.output, tr("the MP3 encoder \"lame\" is not installed"));
    if (!checkSubtitleFolder())
        return;
    m_export = new Mp3Export(this);
    m_export->setTags(m_tags);
    m_export->setBitrate(m_job.bitrate);
    connect(m_export, &Mp3Export::encoderFinished, this, [this] {
        if (m_export->finish())
            audioInPlace();
        else
            fail(Convert::RenderFailed, m_job.output, m_export->errorString());
    });
    if (!m_export->prepare(m_job.output, m_job.format == Convert::Format::Mp3))
        return fail(Convert::RenderFailed, m_job.output, m_export->errorString());
    if (voice->engine == VoiceChoice::Sapi4)
        renderWithSapi4(voice->index);
    else
        renderWithSapi5(voice->index);
}

void Conversion::convertInPieces(const QString &voice, int pieces)
{
    if (m_job.format == Convert::Format::Mp3 && Mp3Export::encoderPath().isEmpty())
        return fail(Convert::RenderFailed, m_job.output, tr("the MP3 encoder \"lame\" is not installed"));
    if (!checkSubtitleFolder())
        return;
    Convert::Options options = m_job;
    options.title = m_tags.title;
    options.album = m_tags.album;
    options.artist = m_tags.artist;
    options.track = m_tags.track;
    options.total = m_tags.total;
    m_pieces = new PieceConversion(options, voice, m_written, pieces, this);
    connect(m_pieces, &PieceConversion::progressed, this, [this] {
        m_rendered = m_pieces->rendered();
        emit progressed();
    });
    connect(m_pieces, &PieceConversion::warned, this, &Conversion::warned);
    connect(m_pieces, &PieceConversion::finished, this, [this] {
        if (m_pieces->exitCode() != Convert::Success)
            return fail(m_pieces->exitCode(), m_job.output, m_pieces->error());
        m_rendered = 1;
        succeed();
    });
    m_pieces->start();
}

void Conversion::renderWithSapi4(int mode)
{
    DirectSS &dss = m_voices.directSS();
    dss.setCurrentMode(mode);
    const int speed = m_job.rate >= 0 ? VoiceChoice::sapi4Scaled(m_job.rate, dss.MinSpeed(), dss.MaxSpeed()) : dss.Speed();
    const int pitch = m_job.pitch >= 0 ? VoiceChoice::sapi4Scaled(m_job.pitch, dss.MinPitch(), dss.MaxPitch()) : dss.Pitch();
    const quint32 level = quint32(VoiceChoice::sapi4Volume(m_job.volume >= 0 ? m_job.volume : 100));

    m_sapi4 = std::make_unique<Sapi4Rendering>();
    Sapi4Rendering &r = *m_sapi4;
    m_bytesPerSecond = 2.0 * dss.sampleRate();
    Sapi4Objects::registerClassObjects();
    TTSMODEINFOA criteria{};
    criteria.szModeName = dss.ModeName(mode).toUtf8();
    TTSMODEINFOA found{};
    ComPtr<ITTSFindA> enumerator;
    if (failed(ComponentRuntime::createInstance(CLSID_TTSEnumerator, nullptr, IID_ITTSFindA, enumerator.put()))
        || failed(enumerator->Find(&criteria, nullptr, &found))
        || failed(ComponentRuntime::createInstance(CLSID_AudioDestFile, nullptr, IID_IAudioFile, r.destination.put()))
        || failed(enumerator->Select(found.gModeID, reinterpret_cast<ITTSCentralA **>(r.engine.put()), r.destination.get())))
        return fail(Convert::RenderFailed, m_job.output, tr("the voice \"%1\" could not be started").arg(dss.ModeName(mode)));
    if (const auto attributes = r.engine.as<ITTSAttributesA>(IID_ITTSAttributesA)) {
        attributes->SpeedSet(quint32(speed));
        attributes->PitchSet(quint16(pitch));
        attributes->VolumeSet(level | (level << 16));
    }
    if (failed(r.destination->Set(m_export->tmpWav(), AUDIOFILE_CREATE)))
        return fail(Convert::RenderFailed, m_job.output, tr("the sound file could not be created"));

    r.sink = ComPtr<BufferSink>::adopt(new BufferSink);
    QPointer<Conversion> self(this);
    r.sink->onWord = [self](QWORD stamp, quint32 offset) {
        if (self && self->m_sapi4)
            self->wordAt(self->m_sapi4->position(self->m_text, offset), qint64(stamp));
    };
    r.sink->onDone = [self] {
        if (self && self->m_sapi4)
            self->renderingDone();
    };
    QByteArray data = m_text.toUtf8();
    data.append('\0');
    const SDATA sdata{data.constData(), quint64(data.size())};
    if (failed(r.engine->TextData(CHARSET_TEXT, 0, sdata, r.sink.get(), IID_ITTSBufNotifySinkA)))
        fail(Convert::RenderFailed, m_job.output, tr("the voice did not accept the text"));
}

void Conversion::renderWithSapi5(int tokenIndex)
{
    SpVoice *voice = m_voices.spVoice();
    voice->setVoice(m_voices.token(tokenIndex));
    if (m_job.rate >= 0)
        voice->setRate(VoiceChoice::sapi5Rate(m_job.rate));
    voice->setVolume(m_job.volume >= 0 ? m_job.volume : 100);
    m_bytesPerSecond = 2.0 * voice->sampleRate();
    m_stream = std::make_unique<SpFileStream>();
    if (!m_stream->Open(m_export->tmpWav(), SpFileStream::SSFMCreateForWrite, false))
        return fail(Convert::RenderFailed, m_job.output, m_stream->errorString());
    voice->setAudioOutputStream(m_stream.get());
    connect(voice, &SpVoice::Word, this, [this](long, const QVariant &streamPosition, qint64 position, qint64) {
        wordAt(position, streamPosition.toLongLong());
    });
    connect(voice, &SpVoice::EndStream, this, &Conversion::renderingDone);
    voice->Speak(m_text, SpVoice::SVSFlagsAsync);
}

void Conversion::wordAt(qint64 position, qint64 audioBytes)
{
    if (!m_job.subtitles.isEmpty())
        m_marks.append({m_spokenMap.writtenPosition(position), double(audioBytes) / m_bytesPerSecond});
    const double rendered = m_text.isEmpty() ? 0.0 : double(position) / double(m_text.size());
    if (rendered > m_rendered) {
        m_rendered = rendered;
        emit progressed();
    }
}

void Conversion::renderingDone()
{
    // The audio is complete: close the WAV before anyone reads it.
    bool written = true;
    QString why;
    if (m_sapi4) {
        written = succeeded(m_sapi4->destination->Flush());
        if (const auto sink = m_sapi4->destination.as<IWaveSink>(IID_IWaveSink))
            why = sink->WaveError();
        m_sapi4.reset();
    }
    if (m_stream) {
        m_voices.spVoice()->disconnect(this);
        m_voices.spVoice()->setAudioOutputStream(nullptr);
        written = m_stream->Close();
        why = m_stream->errorString();
        m_stream.reset();
    }
    if (!written)
        return fail(Convert::RenderFailed, m_job.output, tr("the sound could not be written: %1").arg(why));
    m_rendered = 1;
    emit progressed();

    if (m_job.format == Convert::Format::Wav) {
        if (!m_export->keepWave())
            return fail(Convert::RenderFailed, m_job.output, m_export->errorString());
        return audioInPlace();
    }
    if (!m_export->startEncoder())
        fail(Convert::RenderFailed, m_job.output, m_export->errorString());
    else
        emit progressed();
}
