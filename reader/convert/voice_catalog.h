#pragma once

#include "speech/file_voice.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class DirectSS;
class SpObjectToken;
class SpVoice;

// The voices of both engine generations as the reader's voice list shows
// them (SAPI 4 engines first, then SAPI 5 voices), and the reader's way of
// choosing one for a text.
class VoiceCatalog
{
public:
    struct Voice
    {
        QString name;
        QString shortName;  // flite's voice ("slt") or espeak-ng's ("en-us", "en-us+f3")
        QString code;       // the language, as a lowercase tag: "en-us"
        int engine = 0;  // VoiceChoice::Sapi4 or Sapi5
        int index = 0;   // SAPI 4: the engine mode, from 1; SAPI 5: among the tokens
    };

    VoiceCatalog();
    ~VoiceCatalog();

    // The share of a conversion's time this voice spends rendering, the
    // rest going to the encoder: measured on this machine, espeak-ng and
    // flite's diphone voices render fast (lame takes about 70 %), flite's
    // clustergen voices (SLT, RMS, AWB) slowly (rendering takes about 92 %).
    static double renderShare(const Voice &voice);

    const QList<Voice> &voices() const;
    // The voice of that name, or of that short name or language code when
    // one voice alone has it (any case).
    std::optional<Voice> find(const QString &name) const;
    // For a name find() does not know: the voices it may have meant, best
    // first, at most limit: those that hold every word of it (in their
    // names, short names or languages), else the nearest in spelling.
    // ambiguous: more than one voice holds every word.
    QList<Voice> suggestions(const QString &name, int limit, bool *ambiguous = nullptr) const;
    // "flite" or "espeak-ng".
    static QString engineName(const Voice &voice);
    // The voice the window selects on a first run, unless it cannot read
    // the text's script: then the voice of the text's language the window
    // would switch to.
    std::optional<Voice> forText(const QString &text) const;
    // The best espeak-ng voice of a language ("ru", as LanguageRuns names
    // languages), as the window switches to for a sentence in it; none
    // when no voice reads it.
    std::optional<Voice> forLanguage(const QString &language) const;
    // The languages some voice reads.
    QStringList voicedLanguages() const;

    // The voice for a file, at its engine's defaults (the volume full).
    FileVoice fileVoice(const Voice &voice) const;

private:
    // espeak-ng is started only when a question needs its voices: a flite
    // voice named in full (as a converter's workers are told it) never does.
    void loadSapi5() const;

    std::unique_ptr<DirectSS> m_directSS;
    mutable bool m_sapi5Loaded = false;
    mutable std::unique_ptr<SpVoice> m_spVoice;
    mutable QList<SpObjectToken> m_tokens;
    mutable QList<Voice> m_voices;
};
