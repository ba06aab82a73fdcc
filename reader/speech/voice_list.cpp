// The voice list: SAPI 4 engines first, then SAPI 5 voices, each entry
// carrying its engine generation; choosing an entry makes it the voice and
// brings the rate and pitch scrollbars to the voice's values. Also the voice
// list's face, which opens the list. The one place outside the voice classes
// that knows the generations: the rest of the reader asks the voices, and
// the settings record's generation and index are mapped here.

#include "speech/speech_controller.h"

#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/reading_view.h"
#include "speech/sapi4_voice.h"
#include "speech/sapi5_voice.h"
#include "speech/voice_choice.h"

#include <QLocale>
#include <algorithm>
#include <limits>

void SpeechController::GetEngines4()
{
    // The answers are not used; asking keeps the engine's own choice logic
    // exercised the way the engine widget expects at start-up.
    DirectSS1->Find(QString());
    DirectSS1->Find(QStringLiteral("Mfg=Microsoft;Gender=1"));
    Sapi4Count = DirectSS1->CountEngines();
    for (int index = 1; index <= Sapi4Count; ++index)
        m_view.addVoice(DirectSS1->ModeName(index), Sapi4);
    if (Sapi4Count > 0)
        setVoiceListPosition(DirectSS1->CurrentMode() - 1);
}

bool SpeechController::createNewsVoice()
{
    auto *voice = new SpVoice(this);
    if (!voice->isValid()) {
        delete voice;
        return false;
    }
    NewsVoice1 = voice;
    m_sapi5Voice = new Sapi5Voice(voice, this);
    listen(m_sapi5Voice);
    return true;
}

void SpeechController::listen(SpeakingVoice *voice)
{
    connect(voice, &SpeakingVoice::started, this, &SpeechController::voiceStarted);
    connect(voice, &SpeakingVoice::word, this, &SpeechController::voiceWord);
    connect(voice, &SpeakingVoice::ended, this, &SpeechController::endOfSpeech);
}

SpeakingVoice *SpeechController::selectedVoice() const
{
    if (CurEngine == Sapi4)
        return m_sapi4Voice;
    if (CurEngine == Sapi5)
        return m_sapi5Voice;
    return nullptr;
}

SpeakingVoice *SpeechController::playingVoice() const
{
    return m_playing ? m_playing : selectedVoice();
}

void SpeechController::silenceAllBut(SpeakingVoice *voice)
{
    for (SpeakingVoice *other : {static_cast<SpeakingVoice *>(m_sapi4Voice), static_cast<SpeakingVoice *>(m_sapi5Voice)}) {
        if (other && other != voice)
            other->stop();
    }
}

QString SpeechController::quirksName() const
{
    // Only an espeak-ng voice has quirks to mind; they go by the name the
    // list shows.
    return CurEngine == Sapi5 ? m_view.shownVoiceName() : QString();
}

QStringList SpeechController::voiceLanguages() const
{
    // flite speaks English only.
    QStringList languages(Sapi4Count, QStringLiteral("en"));
    if (NewsVoice1) {
        for (const SpObjectToken &token : NewsVoice1->GetVoices())
            languages << token.Language();
    }
    return languages;
}

FileVoice SpeechController::fileVoice(int token) const
{
    const QList<SpObjectToken> tokens = NewsVoice1 ? NewsVoice1->GetVoices() : QList<SpObjectToken>();
    if (token >= 0 && token < tokens.size())
        return m_sapi5Voice->fileVoice(tokens.at(token), WaveVoice1);
    if (CurEngine == Sapi4)
        return m_sapi4Voice->fileVoice();
    if (CurEngine == Sapi5 && NewsVoice1)
        return m_sapi5Voice->fileVoice(tokens.value(CurVoiceIndex), WaveVoice1);
    return {};
}

SpeechController::StoredVoice SpeechController::storedVoice(int position) const
{
    StoredVoice stored;
    bool ok = false;
    stored.engine = m_view.voiceEngine(position, &ok);
    if (!ok)
        return {};
    const auto percent = [](int value, int minimum, int maximum) {
        return maximum == minimum ? 0 : VoiceChoice::roundHalfEven(double(value - minimum) / (maximum - minimum) * 100.0);
    };
    if (stored.engine == Sapi4) {
        stored.index = DirectSS1->CurrentMode();
        stored.ratePercent = percent(DirectSS1->Speed(), DirectSS1->MinSpeed(), DirectSS1->MaxSpeed());
        stored.pitchPercent = percent(DirectSS1->Pitch(), DirectSS1->MinPitch(), DirectSS1->MaxPitch());
    } else if (stored.engine == Sapi5) {
        stored.index = position - Sapi4Count;
        if (NewsVoice1)
            stored.ratePercent = int(NewsVoice1->Rate()) * 5 + 50;
    }
    return stored;
}

int SpeechController::listPosition(int engine, int index) const
{
    if (engine == Sapi4 && index >= 1 && index <= Sapi4Count)
        return index - 1;
    if (engine == Sapi5 && index >= 0 && index < Sapi5Count)
        return Sapi4Count + index;
    return -1;
}

int SpeechController::languageVoice(const QString &language) const
{
    if (!NewsVoice1)
        return -1;
    const int token = VoiceChoice::voiceForLanguage(language, NewsVoice1->GetVoices(), QLocale());
    return CurEngine == Sapi5 && token == CurVoiceIndex ? -1 : token;
}

SpeakingVoice *SpeechController::useLanguageVoice(int token, QString *language, QString *name)
{
    const QList<SpObjectToken> tokens = NewsVoice1->GetVoices();
    *language = tokens.at(token).Language();
    *name = tokens.at(token).GetDescription(0);
    NewsVoice1->setVoice(tokens.at(token));
    m_voiceSwitched = true;
    // A flite voice's bars, on espeak-ng's scales.
    if (CurEngine == Sapi4) {
        if (m_ratePosition >= 0)
            m_sapi5Voice->setRate(m_ratePosition);
        if (m_volumePosition >= 0)
            m_sapi5Voice->setVolume(m_volumePosition);
    }
    return m_sapi5Voice;
}

// The selected voice speaks again after another language's.
void SpeechController::restoreVoice()
{
    if (!m_voiceSwitched || !NewsVoice1)
        return;
    m_voiceSwitched = false;
    if (CurEngine == Sapi5) {
        const QList<SpObjectToken> tokens = NewsVoice1->GetVoices();
        if (CurVoiceIndex >= 0 && CurVoiceIndex < tokens.size())
            NewsVoice1->setVoice(tokens.at(CurVoiceIndex));
    }
}


bool SpeechController::createWaveVoice()
{
    auto *voice = new SpVoice(this);
    if (!voice->isValid()) {
        delete voice;
        return false;
    }
    WaveVoice1 = voice;
    return true;
}

bool SpeechController::GetEngines5()
{
    if (!NewsVoice1)
        return false;
    Sapi5Count = 0;
    const QList<SpObjectToken> tokens = NewsVoice1->GetVoices(QString(), QString());
    for (const SpObjectToken &token : tokens) {
        m_view.addVoice(token.GetDescription(0), Sapi5);
        ++Sapi5Count;
    }
    return true;
}

void SpeechController::setVoiceListPosition(int position)
{
    // Adding the first entry already selects it: set the position quietly
    // and run the selection once, whether or not the position changed.
    m_view.setVoicePosition(position);
    selectVoice();
}

void SpeechController::selectVoice()
{
    Disappear = false;
    const int position = m_view.voicePosition();
    if (position < 0)
        return;
    bool ok = false;
    const int engine = m_view.voiceEngine(position, &ok);
    if (!ok)
        return;
    CurEngine = engine;

    // The inverse scales can fail: equal limits, or a value that lands
    // outside the scrollbar. Like any error here, that ends the selection.
    const auto position100 = [](int value, int minimum, int maximum, int *result) {
        if (maximum == minimum)
            return false;
        const double scaled = double(value - minimum) / double(maximum - minimum) * 100.0;
        if (!(scaled >= std::numeric_limits<qint16>::min() - 0.5 && scaled < std::numeric_limits<qint16>::max() + 0.5))
            return false;
        *result = VoiceChoice::roundHalfEven(scaled);
        return *result >= 0 && *result <= 100;
    };

    if (CurEngine == Sapi4) {
        CurVoiceIndex = position + 1;
        DirectSS1->setCurrentMode(CurVoiceIndex);
        CurVoiceLanguage = QStringLiteral("en");  // flite speaks English only
        int rate = 0;
        if (!position100(DirectSS1->Speed(), DirectSS1->MinSpeed(), DirectSS1->MaxSpeed(), &rate))
            return;
        m_view.setRatePosition(rate);
        int pitch = 0;
        if (!position100(DirectSS1->Pitch(), DirectSS1->MinPitch(), DirectSS1->MaxPitch(), &pitch))
            return;
        m_view.setPitchPosition(pitch);
    }
    if (CurEngine == Sapi5) {
        CurVoiceIndex = position - Sapi4Count;
        if (!NewsVoice1)
            return;
        const QList<SpObjectToken> tokens = NewsVoice1->GetVoices(QString(), QString());
        if (CurVoiceIndex < 0 || CurVoiceIndex >= tokens.size())
            return;
        NewsVoice1->setVoice(tokens.at(CurVoiceIndex));
        CurVoiceLanguage = tokens.at(CurVoiceIndex).Language();
        const int rate = int(NewsVoice1->Rate()) * 5 + 50;
        if (rate < 0 || rate > 100)
            return;
        m_view.setRatePosition(rate);
    }
    CurVoiceName = m_view.shownVoiceName();
    m_view.showVoiceName(CurVoiceName);
}

int SpeechController::dropDownWidth(int longestNameLength)
{
    if (longestNameLength <= 28)
        return 0;
    return VoiceChoice::roundHalfEven(355.0 / 44.0 * longestNameLength);
}

void SpeechController::openVoiceList()
{
    Disappear = false;
    int longest = 0;
    for (int i = 0; i < m_view.voiceCount(); ++i)
        longest = std::max<int>(longest, int(m_view.voiceName(i).size()));
    const int width = dropDownWidth(longest);
    m_view.openVoiceList(width > 0 ? width : 0);
}

void SpeechController::selectFallbackVoice()
{
    // Without a SAPI 4 engine nothing is selected at start-up; pick the
    // SAPI 5 voice of the user's language rather than leave the reader mute.
    if (CurEngine != 0 || Sapi5Count == 0 || !NewsVoice1)
        return;
    setVoiceListPosition(Sapi4Count + VoiceChoice::fallbackVoiceIndex(NewsVoice1->GetVoices(), QLocale()));
}

bool SpeechController::chooseVoiceForText(const QString &text)
{
    if (!NewsVoice1 || Sapi5Count == 0)
        return false;
    const VoiceChoice::VoicesFor voices =
        m_languageSwitch ? VoiceChoice::VoicesFor::EachSentence : VoiceChoice::VoicesFor::WholeText;
    const int chosen = VoiceChoice::voiceForText(text, voices, NewsVoice1->GetVoices(), CurEngine, CurVoiceIndex,
                                                 QLocale());
    if (chosen < 0 || chosen >= Sapi5Count)
        return false;
    // Chosen for the user, not by the user: a command-line reading still
    // ends the program once it has been read.
    const bool disappear = Disappear;
    setVoiceListPosition(Sapi4Count + chosen);
    Disappear = disappear;
    return CurEngine == Sapi5;
}
