#pragma once

#include <QString>
#include <QtGlobal>

// What an export of a text will render and how large its sound will be,
// known before any rendering: the window's size check and the converter's
// free-space check.
namespace ExportEstimate {

// The text an export renders: surrounding blanks removed.
QString exportText(const QString &boxText);
// The length the WAV estimate uses: of the export text with every pair of
// adjacent blanks removed (left to right, so three blanks leave one).
qint64 estimateTextLength(const QString &exportText);
// The sample rate of the speech the WAV estimate's constants describe
// (16-bit mono).
constexpr int estimateSampleRate = 22050;
// One fiftieth of the expected WAV size: 24844076 bytes for 10,000
// characters at rate 29, inversely proportional to the rate shown (a rate
// below 1 counts as 1), and proportional to the voice's sample rate.
double estimateWaveSize(qint64 textLength, int rate, int sampleRate = estimateSampleRate);
// The most WAV bytes (16-bit mono at sampleRate) the speech of textLength
// characters may need from a voice speaking wordsPerMinute: counted at five
// characters a word, short for prose, so that the estimate errs long. It
// decides before rendering whether the speech fits one WAV file.
double longestWaveBytes(qint64 textLength, int wordsPerMinute, int sampleRate);
// The most sound data one WAV file holds: its RIFF sizes are 32-bit.
constexpr qint64 maxWaveDataBytes = 0xFFFFFFFFLL - 36;
// One fiftieth of the expected MP3 size: 2253740 bytes per 24844076 of WAV.
double estimateMp3Size(qint64 waveBytes);

} // namespace ExportEstimate
