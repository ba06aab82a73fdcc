#include "convert/convert_options.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

namespace Convert {

bool formatForName(const QString &name, Format *format)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == u"mp3")
        *format = Format::Mp3;
    else if (suffix == u"wav")
        *format = Format::Wav;
    else if (suffix == u"txt")
        *format = Format::Text;
    else if (suffix == u"ogg" || suffix == u"oga")
        *format = Format::Ogg;
    else if (suffix == u"opus")
        *format = Format::Opus;
    else if (suffix == u"flac")
        *format = Format::Flac;
    else if (suffix == u"m4b")
        *format = Format::M4b;
    else
        return false;
    return true;
}

QString extension(Format format)
{
    switch (format) {
    case Format::Mp3:
        return QStringLiteral("mp3");
    case Format::Wav:
        return QStringLiteral("wav");
    case Format::Ogg:
        return QStringLiteral("ogg");
    case Format::Opus:
        return QStringLiteral("opus");
    case Format::Flac:
        return QStringLiteral("flac");
    case Format::M4b:
        return QStringLiteral("m4b");
    case Format::Text:
        break;
    }
    return QStringLiteral("txt");
}

namespace {

Options failed(Options options, const QString &why)
{
    options.error = why;
    return options;
}

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

// What the command line says, as its options are read one by one.
struct Reading
{
    Options o;
    bool listVoices = false;
    bool split = false;
    QString formatName;
    bool formatGiven = false;
    // --subtitles: a file, or with --split chapters a kind; told apart once
    // every option is read.
    QString subtitles;
};

// An option sets what it says from its value (null when none was given:
// the option was last), or gives the reason it cannot.
using Apply = QString (*)(Reading &r, const QString &name, const QString *value);

struct Option
{
    const char *name;
    const char *shortName;  // nullptr: none
    bool takesValue;
    Apply apply;
};

template<bool Options::*field>
QString setFlag(Reading &r, const QString &, const QString *)
{
    r.o.*field = true;
    return {};
}

template<int Options::*field>
QString setPercent(Reading &r, const QString &name, const QString *value)
{
    if (!value)
        return QCoreApplication::translate("Convert", "%1 needs a number from 0 to 100").arg(name);
    bool ok = false;
    const int number = value->toInt(&ok);
    if (!ok || number < 0 || number > 100)
        return QCoreApplication::translate("Convert", "%1 takes a number from 0 to 100, not \"%2\"").arg(name, *value);
    r.o.*field = number;
    return {};
}

template<QString Options::*field>
QString setTagText(Reading &r, const QString &name, const QString *value)
{
    if (!value || value->trimmed().isEmpty())
        return QCoreApplication::translate("Convert", "%1 needs a text").arg(name);
    r.o.*field = *value;
    return {};
}

template<int Options::*field>
QString setSplitLimit(Reading &r, const QString &name, const QString *value)
{
    bool ok = false;
    if (!value || (r.o.*field = value->toInt(&ok), !ok) || r.o.*field < 1)
        return QCoreApplication::translate("Convert", "%1 takes a whole number from 1 up").arg(name);
    return {};
}

const Option options[] = {
    {"--help", "-h", false, [](Reading &r, const QString &, const QString *) {
         r.o.mode = Options::Mode::Help;
         return QString();
     }},
    {"--version", "-V", false, [](Reading &r, const QString &, const QString *) {
         r.o.mode = Options::Mode::Version;
         return QString();
     }},
    {"--list-voices", nullptr, false, [](Reading &r, const QString &, const QString *) {
         r.listVoices = true;
         return QString();
     }},
    {"--serve", nullptr, false, [](Reading &r, const QString &, const QString *) {
         r.o.mode = Options::Mode::Serve;
         return QString();
     }},
    {"--quiet", "-q", false, setFlag<&Options::quiet>},
    {"--report-progress", nullptr, false, setFlag<&Options::reportProgress>},
    {"--piece", nullptr, false, setFlag<&Options::piece>},
    {"--chapter-marks", nullptr, false, setFlag<&Options::chapterMarks>},
    {"--progress-lines", nullptr, false, setFlag<&Options::progressLines>},
    {"--skip-existing", nullptr, false, setFlag<&Options::skipExisting>},
    {"--no-rules", nullptr, false, setFlag<&Options::noRules>},
    {"--no-language-switch", nullptr, false, setFlag<&Options::noLanguageSwitch>},
    {"--voice", nullptr, true, [](Reading &r, const QString &, const QString *value) {
         if (!value || value->isEmpty())
             return QCoreApplication::translate("Convert", "--voice needs a voice name (--list-voices shows them)");
         r.o.voice = *value;
         return QString();
     }},
    {"--rate", nullptr, true, setPercent<&Options::rate>},
    {"--pitch", nullptr, true, setPercent<&Options::pitch>},
    {"--volume", nullptr, true, setPercent<&Options::volume>},
    {"--encoding", nullptr, true, [](Reading &r, const QString &, const QString *value) {
         if (!value || value->isEmpty())
             return QCoreApplication::translate("Convert", "--encoding needs the name of a text encoding, such as windows-1251");
         if (!QStringDecoder(value->toUtf8().constData()).isValid())
             return QCoreApplication::translate("Convert", "--encoding does not know \"%1\" (names such as UTF-8, windows-1251, "
                       "Shift_JIS, ISO-8859-2, GB18030)").arg(*value);
         r.o.encoding = *value;
         return QString();
     }},
    {"--rules", nullptr, true, [](Reading &r, const QString &, const QString *value) {
         if (!value || value->isEmpty())
             return QCoreApplication::translate("Convert", "--rules needs a pronunciation rules file");
         if (const QFileInfo info(*value); !info.isFile() || !info.isReadable())
             return QCoreApplication::translate("Convert", "the rules file \"%1\" cannot be read").arg(*value);
         r.o.rules = *value;
         return QString();
     }},
    {"--subtitles", nullptr, true, [](Reading &r, const QString &, const QString *value) {
         if (!value || value->isEmpty())
             return QCoreApplication::translate("Convert", "--subtitles needs a file name ending in .srt, .lrc or .vtt");
         r.subtitles = *value;
         return QString();
     }},
    {"--subtitle-format", nullptr, true, [](Reading &r, const QString &name, const QString *value) {
         if (!value)
             return QCoreApplication::translate("Convert", "%1 needs a value").arg(name);
         r.o.subtitleFormat = *value;
         return QString();
     }},
    {"--title", nullptr, true, setTagText<&Options::title>},
    {"--artist", nullptr, true, setTagText<&Options::artist>},
    {"--album", nullptr, true, setTagText<&Options::album>},
    {"--track", nullptr, true, [](Reading &r, const QString &, const QString *value) {
         const QStringList parts = value ? value->split(u'/') : QStringList();
         bool ok = parts.size() == 1 || parts.size() == 2;
         for (qsizetype i = 0; ok && i < parts.size(); ++i)
             *(i == 0 ? &r.o.track : &r.o.total) = parts.at(i).toInt(&ok);
         if (!ok || r.o.track < 1 || (parts.size() == 2 && r.o.total < r.o.track))
             return QCoreApplication::translate("Convert", "--track takes a number, or a number and the total: 3/12");
         return QString();
     }},
    {"--split-minutes", nullptr, true, setSplitLimit<&Options::splitMinutes>},
    {"--split-size", nullptr, true, setSplitLimit<&Options::splitMegabytes>},
    {"--split", nullptr, true, [](Reading &r, const QString &name, const QString *value) {
         if (!value)
             return QCoreApplication::translate("Convert", "%1 needs a value").arg(name);
         if (*value != u"chapters")
             return QCoreApplication::translate("Convert", "--split takes \"chapters\", not \"%1\"").arg(*value);
         r.split = true;
         return QString();
     }},
    {"--bitrate", nullptr, true, [](Reading &r, const QString &, const QString *value) {
         bool ok = false;
         if (!value || (r.o.bitrate = value->toInt(&ok), !ok) || r.o.bitrate < 8 || r.o.bitrate > 320)
             return QCoreApplication::translate("Convert", "--bitrate takes kbit/s from 8 to 320");
         return QString();
     }},
    {"--jobs", "-j", true, [](Reading &r, const QString &, const QString *value) {
         bool ok = false;
         if (!value || (r.o.jobs = value->toInt(&ok), !ok) || r.o.jobs < 1)
             return QCoreApplication::translate("Convert", "--jobs takes a number of jobs from 1 up");
         return QString();
     }},
    {"--output-dir", "-o", true, [](Reading &r, const QString &, const QString *value) {
         if (!value || value->isEmpty())
             return QCoreApplication::translate("Convert", "--output-dir needs a folder");
         r.o.outputDir = *value;
         return QString();
     }},
    {"--format", "-f", true, [](Reading &r, const QString &, const QString *value) {
         if (!value)
             return QCoreApplication::translate("Convert", "--format needs mp3, wav, ogg, opus, flac, m4b or txt");
         r.formatName = *value;
         r.formatGiven = true;
         if (!formatForName(QStringLiteral("x.") + *value, &r.o.format) || *value != value->toLower())
             return QCoreApplication::translate("Convert", "--format takes mp3, wav, ogg, opus, flac, m4b or txt, not \"%1\"").arg(*value);
         return QString();
     }},
};

const Option *find(const QString &argument)
{
    for (const Option &option : options) {
        if (argument == QLatin1String(option.name) || (option.shortName && argument == QLatin1String(option.shortName)))
            return &option;
    }
    return nullptr;
}

// A book and the folder its chapters go to, with the options of a batch.
Options splitChapters(Reading r, const QStringList &positional)
{
    Options &o = r.o;
    o.mode = Options::Mode::SplitChapters;
    if (!r.formatGiven)
        o.format = Format::Mp3;
    else if (o.format == Format::Text)
        return failed(o, QCoreApplication::translate("Convert", "--split writes speech: --format takes mp3, wav, ogg, opus, flac or m4b, not \"%1\"").arg(r.formatName));
    // A kind of subtitles for every chapter, where elsewhere --subtitles
    // names a file: its own spelling, the old one still taken.
    if (o.subtitleFormat.isEmpty())
        o.subtitleFormat = r.subtitles;
    if (!o.subtitleFormat.isEmpty() && o.subtitleFormat != u"srt" && o.subtitleFormat != u"lrc" && o.subtitleFormat != u"vtt")
        return failed(o, QCoreApplication::translate("Convert", "with --split, --subtitle-format takes srt, lrc or vtt, not \"%1\"").arg(o.subtitleFormat));
    if (positional.isEmpty())
        return failed(o, QCoreApplication::translate("Convert", "no input files were given"));
    if (positional.contains(QStringLiteral("-")))
        return failed(o, QCoreApplication::translate("Convert", "standard input converts on its own: sayora-convert - OUTPUT"));
    if (o.splitMinutes > 0 || o.splitMegabytes > 0)
        return failed(o, QCoreApplication::translate("Convert", "--split-minutes and --split-size go with a single INPUT OUTPUT"));
    if (positional.size() != 2)
        return failed(o, QCoreApplication::translate("Convert", "--split chapters needs a book and a folder: INPUT DIR"));
    if (o.jobs > 0)
        return failed(o, QCoreApplication::translate("Convert", "--jobs goes with --output-dir, not --split"));
    o.inputs = {positional.at(0)};
    o.outputDir = positional.at(1);
    return o;
}

}  // namespace

Options parseOptions(const QStringList &arguments)
{
    Reading r;
    Options &o = r.o;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString argument = arguments.at(i);
        if (argument == u"--") {
            positional += arguments.mid(i + 1);
            break;
        }
        if (!argument.startsWith(u'-') || argument == u"-") {
            positional << argument;
            continue;
        }
        // "--name=value" and "--name value" alike.
        QString value;
        bool inlineValue = false;
        if (const qsizetype eq = argument.indexOf(u'='); argument.startsWith(u"--") && eq > 0) {
            value = argument.mid(eq + 1);
            argument.truncate(eq);
            inlineValue = true;
        }
        const Option *option = find(argument);
        if (!option)
            return failed(o, QCoreApplication::translate("Convert", "unknown option %1").arg(argument));
        if (!option->takesValue && inlineValue)
            return failed(o, QCoreApplication::translate("Convert", "%1 takes no value").arg(argument));
        const bool hasValue = option->takesValue && (inlineValue || i + 1 < arguments.size());
        if (hasValue && !inlineValue)
            value = arguments.at(++i);
        if (const QString why = option->apply(r, argument, hasValue ? &value : nullptr); !why.isEmpty())
            return failed(o, why);
        if (o.mode == Options::Mode::Help || o.mode == Options::Mode::Version)
            return o;
    }
    if (o.mode == Options::Mode::Serve) {
        if (arguments.size() != 1)
            return failed(o, QCoreApplication::translate("Convert", "--serve takes no other options or files"));
        return o;
    }

    if (o.noRules && !o.rules.isEmpty())
        return failed(o, QCoreApplication::translate("Convert", "--rules and --no-rules exclude each other"));
    if (r.listVoices) {
        o.mode = Options::Mode::ListVoices;
        if (!positional.isEmpty())
            return failed(o, QCoreApplication::translate("Convert", "--list-voices takes no files"));
        return o;
    }
    if (r.split)
        return splitChapters(r, positional);
    if (!o.subtitleFormat.isEmpty())
        return failed(o, QCoreApplication::translate("Convert", "--subtitle-format goes with --split chapters; elsewhere --subtitles names the file"));
    if (!r.subtitles.isEmpty()) {
        const QString suffix = QFileInfo(r.subtitles).suffix().toLower();
        if (suffix != u"srt" && suffix != u"lrc" && suffix != u"vtt")
            return failed(o, QCoreApplication::translate("Convert", "the subtitle file \"%1\" must end in .srt, .lrc or .vtt").arg(r.subtitles));
        o.subtitles = r.subtitles;
    }
    const bool formatGiven = r.formatGiven;
    // "- " as the OUTPUT: standard output, in the format --format names.
    const bool toStandardOutput = o.outputDir.isEmpty() && formatGiven && positional.size() == 2 && positional.at(1) == u"-";
    if (!toStandardOutput && (!o.outputDir.isEmpty() || formatGiven)) {
        o.mode = Options::Mode::Batch;
        if (o.outputDir.isEmpty() || !formatGiven)
            return failed(o, QCoreApplication::translate("Convert", "--output-dir and --format go together"));
        if (positional.isEmpty())
            return failed(o, QCoreApplication::translate("Convert", "no input files were given"));
        if (positional.contains(QStringLiteral("-")))
            return failed(o, QCoreApplication::translate("Convert", "standard input converts on its own: sayora-convert - OUTPUT"));
        if (!o.subtitles.isEmpty())
            return failed(o, QCoreApplication::translate("Convert", "--subtitles names one file: use it with a single INPUT OUTPUT"));
        if (o.splitMinutes > 0 || o.splitMegabytes > 0)
            return failed(o, QCoreApplication::translate("Convert", "--split-minutes and --split-size go with a single INPUT OUTPUT"));
        o.inputs = positional;
        return o;
    }
    if (o.skipExisting)
        return failed(o, QCoreApplication::translate("Convert", "--skip-existing goes with --output-dir and --format"));
    if (positional.size() != 2)
        return failed(o, positional.size() < 2 ? QCoreApplication::translate("Convert", "an INPUT and an OUTPUT file are needed")
                                               : QCoreApplication::translate("Convert", "too many files: use --output-dir and --format for several"));
    o.inputs = {positional.at(0)};
    o.output = positional.at(1);
    if (o.output == u"-" && !toStandardOutput)
        return failed(o, QCoreApplication::translate("Convert", "- as the OUTPUT writes to standard output in the format --format names"));
    if (o.output == u"-" && (o.splitMinutes > 0 || o.splitMegabytes > 0 || o.format == Format::Text || o.format == Format::M4b))
        return failed(o, QCoreApplication::translate("Convert", "standard output takes one sound file: mp3, wav, ogg or opus"));
    // Found now, not after the whole conversion.
    if (QFileInfo(o.output).isDir())
        return failed(o, QCoreApplication::translate("Convert", "the OUTPUT \"%1\" is a folder: name the file to write").arg(o.output));
    if (o.output != u"-" && !formatForName(o.output, &o.format))
        return failed(o, QCoreApplication::translate("Convert", "the OUTPUT \"%1\" must end in .mp3, .wav, .ogg, .opus, .flac, .m4b or .txt").arg(o.output));
    if ((o.splitMinutes > 0 || o.splitMegabytes > 0) && o.format == Format::Text)
        return failed(o, QCoreApplication::translate("Convert", "--split-minutes and --split-size split speech: the OUTPUT must not be a .txt"));
    if (o.splitMegabytes > 0 && o.format != Format::Mp3 && o.format != Format::Wav)
        return failed(o, QCoreApplication::translate("Convert", "--split-size goes with .mp3 and .wav, whose sizes are known as they are made; "
                                        "use --split-minutes"));
    if (!o.subtitles.isEmpty() && o.format == Format::Text)
        return failed(o, QCoreApplication::translate("Convert", "subtitles go with speech: the OUTPUT must not be a .txt"));
    if (o.chapterMarks && o.format != Format::Mp3)
        return failed(o, QCoreApplication::translate("Convert", "--chapter-marks goes with an .mp3 OUTPUT (an .m4b has its chapters anyway)"));
    if ((o.chapterMarks || o.format == Format::M4b) && (o.splitMinutes > 0 || o.splitMegabytes > 0))
        return failed(o, QCoreApplication::translate("Convert", "chapter marks make one file: not with --split-minutes or --split-size"));
    if (o.inputs.first() != u"-" && o.output != u"-" && sameFile(o.inputs.first(), o.output))
        return failed(o, QStringLiteral("\"%1\" would be written over its own input").arg(o.output));
    if (!o.subtitles.isEmpty() && (sameFile(o.subtitles, o.output) || sameFile(o.subtitles, o.inputs.first())))
        return failed(o, QCoreApplication::translate("Convert", "the subtitle file \"%1\" must be a file of its own").arg(o.subtitles));
    return o;
}

QString batchOutput(const QString &input, const QString &outputDir, Format format)
{
    return QDir(outputDir).filePath(QFileInfo(input).completeBaseName() + u'.' + extension(format));
}

QString checkBatch(const Options &options)
{
    QHash<QString, QString> taken;  // output → input
    for (const QString &input : options.inputs) {
        const QString output = batchOutput(input, options.outputDir, options.format);
        const QString key = QDir::cleanPath(QFileInfo(output).absoluteFilePath());
        if (const auto it = taken.constFind(key); it != taken.cend())
            return QStringLiteral("\"%1\" and \"%2\" would both be written to \"%3\"").arg(*it, input, output);
        taken.insert(key, input);
        if (sameFile(input, output))
            return QStringLiteral("\"%1\" would be written over its own input").arg(output);
        if (QFileInfo(output).isDir())
            return QStringLiteral("\"%1\" is a folder, where the output of \"%2\" would go").arg(output, input);
    }
    return {};
}

QStringList workerArguments(const Options &options)
{
    QStringList arguments;
    const auto text = [&arguments](const char *name, const QString &value) {
        if (!value.isEmpty())
            arguments << QString::fromLatin1(name) << value;
    };
    text("--voice", options.voice);
    text("--encoding", options.encoding);
    text("--rules", options.rules.isEmpty() ? QString() : QFileInfo(options.rules).absoluteFilePath());
    if (options.noRules)
        arguments << QStringLiteral("--no-rules");
    if (options.noLanguageSwitch)
        arguments << QStringLiteral("--no-language-switch");
    if (options.chapterMarks)
        arguments << QStringLiteral("--chapter-marks");
    const std::pair<const char *, int> numbers[] = {{"--rate", options.rate}, {"--pitch", options.pitch}, {"--volume", options.volume}};
    for (const auto &[name, value] : numbers) {
        if (value >= 0)
            arguments << QString::fromLatin1(name) << QString::number(value);
    }
    text("--title", options.title);
    text("--artist", options.artist);
    text("--album", options.album);
    if (options.bitrate > 0)
        arguments << QStringLiteral("--bitrate") << QString::number(options.bitrate);
    if (options.track > 0)
        text("--track", options.total > 0 ? QStringLiteral("%1/%2").arg(options.track).arg(options.total)
                                          : QString::number(options.track));
    return arguments << QStringLiteral("--report-progress");
}

QString helpText()
{
    return QCoreApplication::translate("Convert", R"(Usage: sayora-convert [OPTIONS] INPUT OUTPUT
       sayora-convert [OPTIONS] --output-dir DIR --format FORMAT INPUT...
       sayora-convert --list-voices

Reads a text aloud into a sound file with Sayora's voices, or turns it into
plain text. INPUT is a text, RTF, PDF, EPUB, DOCX, ODT or HTML file, read as
Sayora's Open button reads it, or - for standard input. OUTPUT's extension
picks what is written (- and --format FORMAT: standard output, in that
format):
  .mp3   speech, encoded by lame
  .wav   speech, 16-bit PCM
  .ogg   speech, Ogg Vorbis      .opus  speech, Ogg Opus
  .flac  speech, FLAC (lossless)
  .m4b   an audiobook: AAC in MP4, with the book's chapters marked
  .txt   the plain text Sayora shows, in UTF-8

Options:
      --voice NAME        the voice, named as --list-voices shows it (its
                          name, short name or language); by default
                          Sayora's first voice, or a voice of the text's
                          language when that one cannot read it
      --rate N            speed, 0-100 as on Sayora's rate bar
      --pitch N           pitch, 0-100 as on Sayora's pitch bar (the flite
                          voices; espeak-ng voices keep their own)
      --volume N          loudness, 0-100 as on Sayora's volume bar
      --subtitles FILE    also write subtitles timed by sentence: .srt,
                          .lrc or .vtt
      --rules FILE        say words as the pronunciation rules in FILE
                          say them (one rule a line: written TAB spoken
                          [TAB options]) instead of by your own lists in
                          ~/.config/sayora; a line that cannot be read is
                          a warning with its number
      --no-rules          no pronunciation rules at all
      --no-language-switch
                          read the whole text with the one voice; by
                          default a sentence in another language (another
                          script, or a long enough sentence the language
                          guesser tells) is read by the best installed
                          voice of its language
      --encoding NAME     the encoding of plain-text inputs (windows-1251,
                          Shift_JIS, ...); by default UTF-8, or Windows-1252
                          with a warning when the bytes are not UTF-8
  -o, --output-dir DIR    convert every INPUT into DIR, named after it
  -f, --format FORMAT     with --output-dir or OUTPUT -: mp3, wav, ogg,
                          opus, flac, m4b or txt
  -j, --jobs N            conversions at once with --output-dir, else pieces
                          of the one text rendered at once (default: one
                          per processor; 1 renders a text in one piece)
      --skip-existing     with --output-dir: leave out every INPUT whose
                          output is already there (a rerun after a failure
                          does only what is missing)
      --bitrate KBPS      of MP3 (constant), Ogg Vorbis and Opus (average);
                          FLAC and WAV have none (said when asked)
      --split-minutes N   OUTPUT as "NAME 01.EXT", "NAME 02.EXT", ... of at
                          most N minutes each, cut at a sentence's end (a
                          longer sentence at a clause; one that cannot fit
                          is said), and the playlist "NAME.m3u"
      --split-size MB     the same by size (.mp3 and .wav)
      --split chapters    a book as one file per chapter into OUTPUT, a
                          folder (see below)
      --title TEXT, --artist TEXT, --album TEXT, --track N[/TOTAL]
                          the tag (ID3 in MP3, Vorbis comments in Ogg,
                          Opus and FLAC)
      --chapter-marks     with an .mp3 OUTPUT: mark the book's chapters in
                          its ID3 tag (CHAP and CTOC frames), which
                          audiobook players show as a chapter list
      --progress-lines    print "done FRACTION" lines on standard output
                          as the work goes on, for a program to follow
      --list-voices       print the voices, one per line (name, short name,
                          language, engine; tab-separated), and exit
  -q, --quiet             no progress bar
  -h, --help              print this help and exit
  -V, --version           print the version and exit

An existing output is replaced only once the new file is complete. The
hidden temporaries a conversion killed outright leaves beside its output
(.NAME.XXXXXX.wav and .mp3, and the folder of a long text's parts,
.NAME.XXXXXX.parts) are removed by the next conversion into that folder:
only those a conversion recorded as its own in ~/.local/state/sayora, once
it has ended. A conversion that would not fit in its folder's free room is
refused before it starts.

Exit status: 0 success, 1 wrong command line, 2 an input cannot be read,
3 unknown voice or one that cannot be loaded, 4 rendering or encoding
failed and would fail again, 5 failed for a reason that may pass (the disk
was full or too small for the output, the encoder or a worker was killed
by a signal): worth trying again. A batch ends with the status of the
first input that failed.
)");
}

}  // namespace Convert
