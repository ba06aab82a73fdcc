#include "convert/conversion.h"

#include "convert/m4b_part_sink.h"
#include "convert/piece_conversion.h"
#include "convert/voice_catalog.h"
#include "convert/worker_pool.h"
#include "documents/document_loader.h"
#include "documents/text_decoder.h"
#include "export/export_estimate.h"
#include "export/mp3_encoder.h"
#include "export/mp3_tag.h"
#include "export/speech_export.h"
#include "files/atomic_file.h"
#include "speech/language_runs.h"
#include "speech/prepared_speech.h"
#include "speech/voice_choice.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <QThread>

#include <algorithm>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

QString sentence(QString why)
{
    if (!why.isEmpty())
        why[0] = why.at(0).toLower();
    if (!why.endsWith(u'.'))
        why += u'.';
    return why;
}

}  // namespace

Conversion::Conversion(VoiceCatalog &voices, const Convert::Options &options, QObject *parent)
    : ConvertJob(parent)
    , m_voices(voices)
    , m_options(options)
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
    return m_export ? m_export->encoded() : 0.0;
}

void Conversion::fail(Convert::ExitCode code, const QString &file, const QString &why)
{
    if (m_finished)
        return;
    cleanUp();
    m_exitCode = code;
    m_error = QStringLiteral("%1: %2").arg(file, sentence(why));
    end();
}

// Finished once the workers told to stop have ended and taken their files
// with them: whoever ends the process then leaves nothing behind.
void Conversion::end()
{
    m_finished = true;
    if (m_pieces && m_pieces->isStopping())
        connect(m_pieces, &PieceConversion::stopped, this, &Conversion::finished);
    else
        emit finished();
}

void Conversion::audioInPlace()
{
    m_rendered = 1;
    // The subtitles follow the sound they belong to, never a failed one.
    if (!m_options.subtitles.isEmpty()) {
        Subtitles::Kind kind = Subtitles::Kind::Srt;
        Subtitles::kindForName(m_options.subtitles, &kind);
        // The marks are already in the written text: subtitles show what
        // was written, not what the rules made the voice say.
        const QByteArray cues = Subtitles::write(Subtitles::cues(m_written, m_marks, m_export->waveSeconds()), kind);
        if (QString why; !AtomicFile::write(m_options.subtitles, cues, &why))
            return fail(Convert::RenderFailed, m_options.subtitles, why);
    }
    succeed();
}

void Conversion::succeed()
{
    cleanUp();
    end();
}

void Conversion::cleanUp()
{
    if (m_export) {
        m_export->disconnect(this);
        m_export->cancel();
    }
    if (m_pieces) {
        m_pieces->disconnect(this);
        m_pieces->stop();
    }
    stopReadingInput();
}

void Conversion::stop()
{
    cleanUp();
    m_finished = true;
    // Its workers end by themselves; said when they have, never waited for.
    if (m_pieces && m_pieces->isStopping())
        connect(m_pieces, &PieceConversion::stopped, this, &Conversion::stopped);
    else
        QMetaObject::invokeMethod(this, &Conversion::stopped, Qt::QueuedConnection);
}

QString Conversion::label() const
{
    return m_input == u"-" ? QCoreApplication::translate("Convert", "standard input") : QFileInfo(m_input).fileName();
}

double Conversion::fraction() const
{
    return Convert::jobFraction(m_options.format, m_rendered, encoded(), m_renderShare);
}

QString Conversion::phase() const
{
    return m_rendered >= 1.0 && m_options.format != Convert::Format::Wav ? QCoreApplication::translate("Convert", "encoding")
                                                                         : QCoreApplication::translate("Convert", "reading");
}

QByteArray Conversion::workerReport() const
{
    return Convert::progressLine(m_rendered, encoded(), m_renderShare);
}

QString Conversion::interruptedLine() const
{
    // A worker's pool says it once for all its workers.
    if (m_options.reportProgress)
        return {};
    return QCoreApplication::translate("Convert", "interrupted; %1 was left as it was").arg(m_options.output);
}

QString Conversion::inputName() const
{
    return m_input == u"-" ? tr("standard input") : m_input;
}

// Standard input is read in the event loop as it arrives, never by a read
// that waits: a writer may keep the pipe open for as long as it likes, and
// an interrupt meanwhile must still be taken at once. Its flags are left
// alone: the open file is shared with the shell and the rest of a
// pipeline, and a non-blocking one would outlive a conversion killed
// outright.
void Conversion::readStandardInput()
{
    m_inputNotifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_inputNotifier, &QSocketNotifier::activated, this, &Conversion::readInputPiece);
}

// One read per wake-up, so that signals are seen between pieces; and only
// when there is something to read, so that it returns at once.
void Conversion::readInputPiece()
{
    pollfd ready{STDIN_FILENO, POLLIN, 0};
    if (::poll(&ready, 1, 0) == 0)
        return;
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
        if (m_inputBytes.size() > DocumentLoader::MaxFileSize)
            return fail(Convert::InputUnreadable, inputName(),
                        tr("the text is too large (the limit is %1 MB)").arg(DocumentLoader::MaxFileSize / (1024 * 1024)));
        return;
    }
    const QByteArray bytes = std::exchange(m_inputBytes, QByteArray());
    stopReadingInput();
    DocumentLoader box;
    if (!box.loadBytes(bytes))
        return fail(Convert::InputUnreadable, inputName(), box.errorString());
    if (!decodeText(box, bytes))
        return;
    m_text = box.Text();
    takeChapters(box.document());
    convertText();
}

void Conversion::stopReadingInput()
{
    if (m_inputNotifier) {
        m_inputNotifier->setEnabled(false);
        m_inputNotifier->deleteLater();
        m_inputNotifier = nullptr;
    }
    m_inputBytes = QByteArray();
}

bool Conversion::checkSubtitleFolder()
{
    if (m_options.subtitles.isEmpty())
        return true;
    // Found out now, not after minutes of rendering.
    const QFileInfo info(m_options.subtitles);
    QTemporaryFile probe(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (probe.open())
        return true;
    fail(Convert::RenderFailed, m_options.subtitles, SoundFileCommit::folderProblem(info.absolutePath()));
    return false;
}

// The rules file named on the command line, else the user's own lists (as
// the reader keeps them: the voice's language, then the common list). Lines
// that cannot be read are skipped, with a warning once per file in a run.
PronunciationRules Conversion::pronunciationFor(const QString &voiceLanguage)
{
    if (m_options.noRules)
        return {};
    QStringList files;
    if (!m_options.rules.isEmpty()) {
        files << m_options.rules;
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
    DocumentLoader box;
    if (!box.LoadFile(m_input))
        return fail(Convert::InputUnreadable, inputName(), box.errorString());
    // The bytes once more, now that they are known to be a readable text.
    QFile file(m_input);
    if (!file.open(QIODevice::ReadOnly))
        return fail(Convert::InputUnreadable, inputName(), file.errorString());
    if (!decodeText(box, file.readAll()))
        return;
    m_text = box.Text();
    takeChapters(box.document());
    convertText();
}

bool Conversion::marksChapters() const
{
    return !encodesPart() && (m_options.chapterMarks || m_options.format == Convert::Format::M4b);
}

// A worker's piece of an audiobook: encoded into its part as it is
// rendered, while the other workers do the same.
bool Conversion::encodesPart() const
{
    return m_options.piece && m_options.format == Convert::Format::M4b;
}

// The chapters an audiobook file marks, and the tag it gets from the book.
void Conversion::takeChapters(const Document &document)
{
    if (!marksChapters())
        return;
    m_chapters = Chapters::marks(document);
    if (m_tags.title.isEmpty())
        m_tags.title = document.title.simplified();
    if (m_tags.artist.isEmpty())
        m_tags.artist = document.author.simplified();
}

// Plain text in the encoding the user named, or a warning when a text
// that is not UTF-8 was read as Windows-1252 (legacy Russian or Japanese
// files come out garbled that way). RTF, HTML and the book formats name
// their own encoding, and a PDF or a ZIP decoded as text would be ruined.
bool Conversion::decodeText(DocumentLoader &box, const QByteArray &bytes)
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
    if (m_options.encoding.isEmpty()) {
        if (detectTextEncoding(bytes) == TextEncoding::Windows1252)
            emit warned(tr("sayora-convert: %1: not UTF-8, read as Windows-1252 (--encoding names another encoding)")
                            .arg(inputName()));
        return true;
    }
    QStringDecoder decoder(m_options.encoding.toUtf8().constData());
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        emit warned(tr("sayora-convert: %1: some bytes are not %2 and were replaced").arg(inputName(), m_options.encoding));
    if (!box.loadBytes(text.toUtf8())) {
        fail(Convert::InputUnreadable, inputName(), box.errorString());
        return false;
    }
    return true;
}

void Conversion::convertText()
{
    // A text with nothing to read aloud is refused alike whatever it was
    // to become.
    QString spoken = ExportEstimate::exportText(m_text);
    if (spoken.isEmpty())
        return fail(Convert::InputUnreadable, inputName(), tr("there is no text in it to read aloud"));
    if (m_options.format == Convert::Format::Text) {
        QString why;
        if (!AtomicFile::write(m_options.output, m_text.toUtf8(), &why))
            return fail(Convert::RenderFailed, m_options.output, why);
        m_rendered = 1;
        return succeed();
    }

    // The chapters' starts follow the text's blanks trimmed off its start.
    const qsizetype leading = std::find_if(m_text.cbegin(), m_text.cend(), [](QChar c) { return !c.isSpace(); }) - m_text.cbegin();
    m_text = std::move(spoken);
    for (Chapters::Mark &mark : m_chapters)
        mark.start = std::clamp<qsizetype>(mark.start - leading, 0, m_text.size());
    if (marksChapters() && m_chapters.isEmpty()) {
        const QString title = !m_tags.title.isEmpty() ? m_tags.title
                              : m_input == u"-"      ? tr("Chapter 1")
                                                     : QFileInfo(m_input).completeBaseName();
        m_chapters = {{title, 0}};
    }
    std::optional<VoiceCatalog::Voice> voice =
        m_options.voice.isEmpty() ? m_voices.forText(m_text) : m_voices.find(m_options.voice);
    if (!voice) {
        if (!m_options.voice.isEmpty())
            return fail(Convert::UnknownVoice, inputName(), tr("there is no voice \"%1\"").arg(m_options.voice));
        return fail(Convert::RenderFailed, m_options.output, tr("no voice is installed"));
    }
    // Found out now, not after a long rendering.
    if (const QString why = m_voices.fileVoice(*voice).loadError(); !why.isEmpty())
        return fail(Convert::UnknownVoice, inputName(), why);
    m_written = m_text;
    m_renderShare = VoiceCatalog::renderShare(*voice);
    // A long text goes to worker processes piece by piece, and so does any
    // text for the formats made from the rendered WAV, or for standard
    // output; a worker itself (reporting its progress to its parent)
    // renders in one piece.
    const int workers = m_options.reportProgress ? 1 : m_options.jobs > 0 ? m_options.jobs : QThread::idealThreadCount();
    const bool split = m_options.splitMinutes > 0 || m_options.splitMegabytes > 0;
    if (const int pieces = split ? PieceConversion::pieceCountForSplit(m_text.size(), workers, m_options)
                                 : PieceConversion::pieceCount(m_text.size(), workers);
        pieces > 1 || split || marksChapters() || (!encodesPart() && PieceConversion::needsWorkers(m_options)))
        return convertInPieces(voice->name, pieces);
    const QList<SpeechExport::Run> runs = runsFor(*voice);
    // An engine handed no words would never report its end.
    if (runs.isEmpty())
        return fail(Convert::InputUnreadable, inputName(), tr("the pronunciation rules leave nothing to read aloud"));
    if (!checkSubtitleFolder())
        return;
    m_export = new SpeechExport(this);
    m_export->setTags(m_tags);
    m_export->setBitrate(m_options.bitrate);
    m_export->setDurable(!m_options.piece);
    connect(m_export, &SpeechExport::progressed, this, [this](double rendered) {
        m_rendered = rendered;
        emit progressed();
    });
    connect(m_export, &SpeechExport::encoderStarted, this, &Conversion::progressed);
    connect(m_export, &SpeechExport::word, this, &Conversion::wordAt);
    connect(m_export, &SpeechExport::finished, this, [this](bool ok, const QString &why) {
        if (ok)
            audioInPlace();
        else
            fail(Convert::RenderFailed, m_options.output, why);
    });
    SpeechExport::Format format = SpeechExport::Format::Wav;
    if (m_options.format == Convert::Format::Mp3) {
        format = SpeechExport::Format::Mp3;
        m_export->encodeWhileRendering([kbps = m_options.bitrate, tag = Mp3Tag::render(m_tags)](const QString &path) {
            return std::make_unique<Mp3Encoder>(path, kbps, tag);
        });
    } else if (encodesPart()) {
        format = SpeechExport::Format::Encoded;
        m_export->encodeWhileRendering([kbps = m_options.bitrate](const QString &path) {
            return std::make_unique<M4bPartSink>(path, kbps);
        });
    }
    if (!m_export->prepare(m_options.output, format))
        return fail(Convert::RenderFailed, m_options.output, m_export->errorString());
    // At the chosen voice's rate whatever the runs' voices: the parts of a
    // text cut into pieces are joined, and must agree.
    m_export->render(runs, voiceFor(*voice).sampleRate());
}

QList<SpeechExport::Run> Conversion::runsFor(const VoiceCatalog::Voice &voice)
{
    struct Part
    {
        qsizetype start;
        qsizetype length;
        VoiceCatalog::Voice voice;
    };
    QList<Part> parts;
    if (m_options.noLanguageSwitch) {
        parts.append({0, m_written.size(), voice});
    } else {
        for (const LanguageRun &run :
             LanguageRuns::split(m_written, voice.code, &LanguageGuesser::shared(), m_voices.voicedLanguages())) {
            const std::optional<VoiceCatalog::Voice> own =
                run.language.isEmpty() ? std::nullopt : m_voices.forLanguage(run.language);
            const VoiceCatalog::Voice &reader = own ? *own : voice;
            if (!parts.isEmpty() && parts.last().voice.name == reader.name)
                parts.last().length += run.length;
            else
                parts.append({run.start, run.length, reader});
        }
    }
    QHash<QString, PronunciationRules> rules;
    QList<SpeechExport::Run> runs;
    m_runMaps.clear();
    m_runVoices.clear();
    m_text.clear();
    for (const Part &part : std::as_const(parts)) {
        if (!rules.contains(part.voice.code))
            rules.insert(part.voice.code, pronunciationFor(part.voice.code));
        const PreparedSpeech form = prepareSpeech(m_written.mid(part.start, part.length), rules[part.voice.code], part.voice.name);
        // What the rules leave without a word makes no sound.
        if (form.isEmpty())
            continue;
        m_runMaps.append({m_text.size(), part.start, form.map});
        m_runVoices.append(part.voice.name);
        runs.append({m_text.size(), form.spoken, voiceFor(part.voice)});
        m_text += form.spoken;
    }
    return runs;
}

void Conversion::convertInPieces(const QString &voice, int pieces)
{
    if (!checkSubtitleFolder())
        return;
    Convert::Options options = m_options;
    options.title = m_tags.title;
    options.album = m_tags.album;
    options.artist = m_tags.artist;
    options.track = m_tags.track;
    options.total = m_tags.total;
    m_pieces = new PieceConversion(options, voice, m_written, pieces, this,
                                   marksChapters() ? m_chapters : QList<Chapters::Mark>());
    // The pieces hold the text now, and their workers the subtitles.
    m_text = m_written = QString();
    connect(m_pieces, &PieceConversion::progressed, this, [this] {
        m_rendered = m_pieces->rendered();
        emit progressed();
    });
    connect(m_pieces, &PieceConversion::warned, this, &Conversion::warned);
    connect(m_pieces, &PieceConversion::finished, this, [this] {
        if (m_pieces->exitCode() != Convert::Success)
            return fail(m_pieces->exitCode(), m_options.output, m_pieces->error());
        m_rendered = 1;
        succeed();
    });
    m_pieces->start();
}

// The catalog's voice with the options' rate, pitch and volume, on the
// engine's own scales.
FileVoice Conversion::voiceFor(const VoiceCatalog::Voice &choice) const
{
    return m_voices.fileVoice(choice).atPositions(m_options.rate, m_options.pitch, m_options.volume);
}

void Conversion::wordAt(qint64 position, double seconds)
{
    // The marks are taken back into the written text: subtitles show what
    // was written, not what the rules made the voice say.
    if (!m_options.subtitles.isEmpty() && !m_runMaps.isEmpty()) {
        const auto after = std::upper_bound(m_runMaps.cbegin(), m_runMaps.cend(), position,
                                            [](qsizetype p, const RunMap &run) { return p < run.spoken; });
        const RunMap &run = after == m_runMaps.cbegin() ? m_runMaps.first() : *(after - 1);
        m_marks.append({run.written + run.map.writtenPosition(position - run.spoken), seconds});
    }
}
