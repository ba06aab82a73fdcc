#pragma once

#include "convert/chapter_split.h"
#include "convert/convert_job.h"
#include "convert/convert_options.h"
#include "convert/subtitles.h"
#include "convert/voice_catalog.h"
#include "export/speech_export.h"
#include "speech/pronunciation_rules.h"

#include <QObject>
#include <QString>
#include <memory>

class DocumentLoader;
class PieceConversion;
class QSocketNotifier;

// One input converted into one output, with no window: the text read as the
// Open button reads it, the voice chosen, the pronunciation rules applied,
// and the export (SpeechExport) run with them; subtitles from its word
// marks, written once the sound is in place. Runs in the event loop and
// raises finished() once, whatever the outcome.
class Conversion : public ConvertJob
{
    Q_OBJECT
public:
    // Converts options.inputs.first() ("-": standard input) into
    // options.output, with the options' voice, parameters and subtitles.
    Conversion(VoiceCatalog &voices, const Convert::Options &options, QObject *parent = nullptr);
    ~Conversion() override;

    void start() override;
    // Before start(): reads this text instead of the input (named still by
    // the input in messages), and tags the MP3 so.
    void setText(const QString &text);
    void setTags(const SoundFileCommit::Tags &tags) { m_tags = tags; }
    // Stops at once, for an interrupt: the engine and the encoder end and
    // every temporary file is removed, those of the workers once they have
    // ended, all told at once: stopped() follows then (finished() does
    // not).
    void stop();
    void interrupt(int) override { stop(); }

    bool isFinished() const override { return m_finished; }
    Convert::ExitCode exitCode() const override { return m_exitCode; }
    // One line naming the file and the reason; empty on success.
    QString error() const override { return m_error; }
    QString label() const override;
    double fraction() const override;
    QString phase() const override;
    // "progress RENDERED ENCODED SHARE" for the pool whose worker this is.
    QByteArray workerReport() const override;
    QString interruptedLine() const override;
    // 0 … 1 of the text rendered, and of the MP3 encoded.
    double rendered() const { return m_rendered; }
    double encoded() const;
    // The share of the time the chosen voice spends rendering, the rest
    // being the encoding.
    double renderShare() const { return m_renderShare; }
    // The voices that read the text, by name, one for each run of it in
    // order (one when the text is in one language): known once the
    // rendering has started.
    QStringList runVoices() const { return m_runVoices; }

private:
    QString inputName() const;
    void readStandardInput();
    void readInputPiece();
    void stopReadingInput();
    void end();
    void convertText();
    bool decodeText(DocumentLoader &box, const QByteArray &bytes);
    void takeChapters(const Document &document);
    bool marksChapters() const;
    bool encodesPart() const;
    bool checkSubtitleFolder();
    PronunciationRules pronunciationFor(const QString &voiceLanguage);
    void convertInPieces(const QString &voice, int pieces);
    FileVoice voiceFor(const VoiceCatalog::Voice &choice) const;
    // The text cut where its language changes, each part with the voice
    // of its language (the chosen voice where none reads it) and in the
    // spoken form of that voice's rules; one part when switching is off.
    QList<SpeechExport::Run> runsFor(const VoiceCatalog::Voice &voice);
    void wordAt(qint64 position, double seconds);
    void audioInPlace();
    void succeed();
    void fail(Convert::ExitCode code, const QString &file, const QString &why);
    void cleanUp();

    VoiceCatalog &m_voices;
    Convert::Options m_options;
    QString m_input;
    QString m_text;  // as rendered: the spoken form
    QString m_written;  // as read, before the pronunciation rules
    // From the spoken runs back to m_written: where each run starts in
    // both, and its rules' map.
    struct RunMap
    {
        qsizetype spoken = 0;
        qsizetype written = 0;
        PositionMap map;
    };
    QList<RunMap> m_runMaps;
    QStringList m_runVoices;
    bool m_textGiven = false;
    QList<Chapters::Mark> m_chapters;  // in m_text, for an output that marks them
    SoundFileCommit::Tags m_tags;
    // Standard input, read as it arrives.
    QSocketNotifier *m_inputNotifier = nullptr;
    QByteArray m_inputBytes;
    SpeechExport *m_export = nullptr;
    PieceConversion *m_pieces = nullptr;
    QList<Subtitles::Mark> m_marks;  // only for subtitles
    double m_rendered = 0;
    double m_renderShare = Convert::defaultRenderShare;
    bool m_finished = false;
    Convert::ExitCode m_exitCode = Convert::Success;
    QString m_error;
};
