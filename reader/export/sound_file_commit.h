#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// A sound file put in its target's place only once it is complete, with no
// widget in it: unique temporaries beside the target (the rendered WAV, and
// the encoded file: an MP3 from the encoder `lame`, or an OGG, Opus, FLAC
// or M4B made by others), their checks, the atomic replacement of the
// target, and the removal of the temporaries on every outcome.
// SpeechExport, which renders the WAV, drives it:
//
//   prepare() → render into tmpWav() → startEncoder() → encoderFinished() →
//   finish()                                    (an MP3)
//   prepare() → render into tmpWav() → keepWave()          (a WAV)
//   prepare() → write tmpEncoded() → keepMp3() or keepEncoded()
//   prepare() → render into tmpWav() while encoding into tmpEncoded()
//             → checkRendering() → keepMp3() or keepEncoded()
//
// Until finish() succeeds the target is untouched; destroying the object or
// cancel() removes the temporaries and stops the encoder.
class SoundFileCommit : public QObject
{
    Q_OBJECT
public:
    explicit SoundFileCommit(QObject *parent = nullptr);
    ~SoundFileCommit() override;

    // Creates the temporary files beside target (the WAV alone unless
    // encode). False, with a reason, when the target's folder cannot take
    // them. A target that is a symbolic link is written through: the file
    // it names is replaced, beside which the temporaries are made.
    bool prepare(const QString &target, bool encode = true);
    // Why a file cannot be made in folder: it does not exist, is no
    // folder, or cannot be written to.
    static QString folderProblem(const QString &folder);
    QString target() const { return m_target; }
    QString tmpWav() const { return m_tmpWav; }
    QString tmpEncoded() const { return m_tmpEncoded; }

    // What the encoder writes into the MP3's ID3v2 tag; empty fields are
    // left out, and a tag with no field at all is not written.
    struct Tags
    {
        QString title;
        QString album;
        QString artist;
        int track = 0;  // 1 …; 0: none
        int total = 0;  // with track: of how many
    };
    void setTags(const Tags &tags) { m_tags = tags; }
    // A constant bit rate in kbit/s; 0: the encoder's default.
    void setBitrate(int kbps) { m_bitrate = kbps; }
    // Whether the target is flushed to the disk before it replaces the old
    // one (the default). A converter's part, worthless after a crash, is not.
    void setDurable(bool durable) { m_durable = durable; }
    // The encoder's arguments that write them.
    static QStringList tagArguments(const Tags &tags);

    // Checks the rendered WAV, then starts the encoder on it. False with a
    // reason when the WAV is unusable or the encoder cannot be started.
    bool startEncoder();
    // Checks the rendered WAV as startEncoder() does, for sound encoded by
    // other means (see waveSeconds()). False with a reason; unlike the
    // others it removes nothing, for the encoder still writing the
    // temporaries to be stopped first.
    bool checkRendering();
    bool encoderRunning() const;
    QProcess *encoder() const { return m_encoder; }

    // After encoderFinished: checks that the encoder succeeded and the MP3
    // holds the whole WAV, then puts it in the target's place. False with a
    // reason otherwise; the target is kept then.
    bool finish();
    // Without encoding: checks the rendered WAV and puts it in the target's
    // place. False with a reason otherwise; the target is kept then.
    bool keepWave();
    // An MP3 made in tmpEncoded() by other means (parts joined): checks that it
    // holds at least `seconds` of sound and puts it in the target's place.
    bool keepMp3(double seconds);
    // Another format encoded into tmpEncoded() and checked by its maker: puts
    // it in the target's place.
    bool keepEncoded();
    // How much of the MP3 the running encoder has written, 0 … 1.
    double encodedFraction() const;
    // The duration of the rendered WAV, once startEncoder() or keepWave()
    // has checked it.
    double waveSeconds() const { return m_waveSeconds; }
    // Stops whatever runs and removes the temporaries.
    void cancel();

    QString errorString() const { return m_error; }
    // After a success: what the user should still know, else empty. The new
    // file is in the target's place, but the system could not confirm that
    // the change of its folder reached the disk.
    QString notice() const { return m_notice; }

    // lame from the program folder if one is there, else from PATH; empty
    // when there is none.
    static QString encoderPath();

    // A PCM WAV whose header agrees with its size, and its duration. When
    // it is not, why says so: that the disk is full, when it is.
    static bool checkWave(const QString &path, double *seconds, QString *why);
    // The reason a file being written at path failed when its file system
    // has (next to) no room left, else empty.
    static QString diskFull(const QString &path);
    // The MPEG audio frames of an MP3 (after an ID3v2 tag), walked from the
    // first to the last; false unless they run unbroken to the end (a few
    // trailing bytes of a tag aside) and there is at least one.
    static bool checkMp3(const QByteArray &bytes, double *seconds);

signals:
    void encoderStarted();
    void encoderFinished();

private:
    bool fail(const QString &why);
    bool replaceTarget(const QString &finished);
    void removeTemporaries();

    QString m_target;
    QString m_file;  // the file the target names, links followed
    QString m_tmpWav;
    QString m_tmpEncoded;
    // Where each temporary is written down, for the sweep of leftovers.
    QString m_wavRecord;
    QString m_encodedRecord;
    QProcess *m_encoder = nullptr;
    double m_waveSeconds = 0;
    Tags m_tags;
    int m_bitrate = 0;
    bool m_durable = true;
    mutable int m_kbps = 0;  // of the encoder's frames, once the first is written
    QString m_error;
    QString m_notice;
};
