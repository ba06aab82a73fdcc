<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AtomicFile</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>%1 konnte nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>%1 is in place, but the system could not confirm that it reached the disk: %2</source>
        <translation>%1 ist an seinem Platz, aber das System konnte nicht bestätigen, dass die Datei auf dem Datenträger angekommen ist: %2</translation>
    </message>
    <message>
        <source>The permissions of %1 could not be set: %2</source>
        <translation>Die Zugriffsrechte von %1 konnten nicht gesetzt werden: %2</translation>
    </message>
</context>
<context>
    <name>BookNavigation</name>
    <message>
        <source>This text has no chapters</source>
        <translation>Dieser Text hat keine Kapitel</translation>
    </message>
    <message>
        <source>Nothing further</source>
        <translation>Nichts weiter</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>Am Anfang</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Kapitel %1</translation>
    </message>
    <message>
        <source>Chapters...</source>
        <translation>Kapitel …</translation>
    </message>
    <message>
        <source>Move the reading</source>
        <translation>Lesestelle versetzen</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>Nächster Satz</translation>
    </message>
    <message>
        <source>Previous sentence</source>
        <translation>Vorheriger Satz</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>Nächster Absatz</translation>
    </message>
    <message>
        <source>Previous paragraph</source>
        <translation>Vorheriger Absatz</translation>
    </message>
    <message>
        <source>Next chapter</source>
        <translation>Nächstes Kapitel</translation>
    </message>
    <message>
        <source>Previous chapter</source>
        <translation>Vorheriges Kapitel</translation>
    </message>
    <message>
        <source>Show the sentence being read</source>
        <translation>Den gelesenen Satz zeigen</translation>
    </message>
</context>
<context>
    <name>ChapterList</name>
    <message>
        <source>Chapters</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>This text has no chapters.</source>
        <translation>Dieser Text hat keine Kapitel.</translation>
    </message>
    <message>
        <source>&amp;Chapters:</source>
        <translation>&amp;Kapitel:</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Kapitel %1</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1, Ebene %2</translation>
    </message>
    <message>
        <source>  (being read)</source>
        <translation>  (wird gelesen)</translation>
    </message>
    <message>
        <source>, being read</source>
        <translation>, wird gelesen</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Gehe zu</translation>
    </message>
</context>
<context>
    <name>ChapterSplit</name>
    <message>
        <source>there is no text in it to read aloud</source>
        <translation>sie enthält keinen Text zum Vorlesen</translation>
    </message>
    <message>
        <source>no voice is installed</source>
        <translation>keine Stimme ist installiert</translation>
    </message>
    <message>
        <source>the MP3 encoder &quot;lame&quot; is not installed</source>
        <translation type="vanished">der MP3-Encoder „lame“ ist nicht installiert</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder cannot be written to</source>
        <translation>in den Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the converter could not be started again (%1)</source>
        <translation>der Konverter konnte nicht erneut gestartet werden (%1)</translation>
    </message>
    <message>
        <source>the conversion stopped unexpectedly</source>
        <translation>die Umwandlung brach unerwartet ab</translation>
    </message>
    <message>
        <source> No chapter was written.</source>
        <translation> Kein Kapitel wurde geschrieben.</translation>
    </message>
    <message>
        <source> Chapters 1 to %1 of %2 were written and kept; no playlist was written.</source>
        <translation> Die Kapitel 1 bis %1 von %2 wurden geschrieben und behalten; keine Wiedergabeliste wurde geschrieben.</translation>
    </message>
    <message>
        <source> The chapters were written; the playlist was not.</source>
        <translation> Die Kapitel wurden geschrieben, die Wiedergabeliste nicht.</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>the text is too large (the limit is %1 MB)</source>
        <translation>der Text ist zu groß (die Grenze liegt bei %L1 MB)</translation>
    </message>
    <message>
        <source>sayora-convert: %1: line %2: %3; the line was skipped</source>
        <translation>sayora-convert: %1: Zeile %2: %3; die Zeile wurde übersprungen</translation>
    </message>
    <message>
        <source>sayora-convert: %1: not UTF-8, read as Windows-1252 (--encoding names another encoding)</source>
        <translation>sayora-convert: %1: kein UTF-8, als Windows-1252 gelesen (--encoding nennt eine andere Kodierung)</translation>
    </message>
    <message>
        <source>sayora-convert: %1: some bytes are not %2 and were replaced</source>
        <translation>sayora-convert: %1: einige Bytes sind kein %2 und wurden ersetzt</translation>
    </message>
    <message>
        <source>there is no text in it to read aloud</source>
        <translation>sie enthält keinen Text zum Vorlesen</translation>
    </message>
    <message>
        <source>Chapter 1</source>
        <translation>Kapitel 1</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;</source>
        <translation>es gibt keine Stimme „%1“</translation>
    </message>
    <message>
        <source>no voice is installed</source>
        <translation>keine Stimme ist installiert</translation>
    </message>
    <message>
        <source>the pronunciation rules leave nothing to read aloud</source>
        <translation>die Ausspracheregeln lassen nichts zum Vorlesen übrig</translation>
    </message>
    <message>
        <source>the MP3 encoder &quot;lame&quot; is not installed</source>
        <translation type="vanished">der MP3-Encoder „lame“ ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>--split writes speech: --format takes mp3, wav, ogg, opus, flac or m4b, not &quot;%1&quot;</source>
        <translation>--split schreibt Sprache: --format nimmt mp3, wav, ogg, opus, flac oder m4b, nicht „%1“</translation>
    </message>
    <message>
        <source>--subtitle-format goes with --split chapters; elsewhere --subtitles names the file</source>
        <translation>--subtitle-format gehört zu --split chapters; sonst nennt --subtitles die Datei</translation>
    </message>
    <message>
        <source>the subtitles of a part cannot be read</source>
        <translation>die Untertitel eines Teils können nicht gelesen werden</translation>
    </message>
    <message>
        <source>sayora-convert: %1: skipped, it is already there</source>
        <translation>sayora-convert: %1: übersprungen, die Datei ist schon vorhanden</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the converter could not be started again (%2).</source>
        <translation>sayora-convert: %1: der Konverter konnte nicht erneut gestartet werden (%2).</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the conversion was killed by a signal.</source>
        <translation>sayora-convert: %1: die Umwandlung wurde durch ein Signal beendet.</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the conversion stopped unexpectedly.</source>
        <translation>sayora-convert: %1: die Umwandlung brach unerwartet ab.</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--split takes &quot;chapters&quot;, not &quot;%1&quot;</source>
        <translation>--split nimmt „chapters“, nicht „%1“</translation>
    </message>
    <message>
        <source>--split writes speech: --format takes mp3 or wav, not &quot;%1&quot;</source>
        <translation type="vanished">--split schreibt Sprache: --format nimmt mp3 oder wav, nicht „%1“</translation>
    </message>
    <message>
        <source>with --split, --subtitles takes srt, lrc or vtt, not &quot;%1&quot;</source>
        <translation type="vanished">mit --split nimmt --subtitles srt, lrc oder vtt, nicht „%1“</translation>
    </message>
    <message>
        <source>--split chapters needs a book and a folder: INPUT DIR</source>
        <translation>--split chapters braucht ein Buch und einen Ordner: INPUT DIR</translation>
    </message>
    <message>
        <source>--jobs goes with --output-dir, not --split</source>
        <translation>--jobs gehört zu --output-dir, nicht zu --split</translation>
    </message>
    <message>
        <source>
A book, one file per chapter:
       sayora-convert [OPTIONS] --split chapters INPUT DIR
Writes &quot;01 Title.mp3&quot;, &quot;02 Title.mp3&quot;, ... into DIR, one per chapter (the
table of contents of an EPUB, the outline of a PDF, the top headings of a
DOCX, ODT or HTML file; a text before the first chapter is read with it),
tagged with the chapter, the book&apos;s title and author and the track number,
and a playlist &quot;BOOK TITLE.m3u8&quot; in order. --format mp3 (the default) or
wav; --subtitles srt, lrc or vtt writes &quot;01 Title.srt&quot; ... beside them. A
failure stops the split: the chapters finished before it are kept, whole,
and no playlist is written.
</source>
        <translation type="vanished">
Ein Buch, eine Datei pro Kapitel:
       sayora-convert [OPTIONEN] --split chapters INPUT DIR
Schreibt „01 Titel.mp3“, „02 Titel.mp3“, … nach DIR, eine pro Kapitel (das
Inhaltsverzeichnis eines EPUB, die Gliederung eines PDF, die obersten
Überschriften einer DOCX-, ODT- oder HTML-Datei; ein Text vor dem ersten
Kapitel wird mit diesem gelesen), mit Kapitel, Titel und Autor des Buchs
und der Titelnummer getaggt, dazu eine Wiedergabeliste „BUCHTITEL.m3u8“ in
Reihenfolge. --format mp3 (Standard) oder wav; --subtitles srt, lrc oder vtt
schreibt „01 Titel.srt“ … daneben. Ein Fehler beendet die Aufteilung: die
vorher fertigen Kapitel bleiben vollständig erhalten, und keine
Wiedergabeliste wird geschrieben.
</translation>
    </message>
    <message>
        <source> (see --help)</source>
        <translation> (siehe --help)</translation>
    </message>
    <message>
        <source>--list-voices shows them</source>
        <translation>--list-voices zeigt sie</translation>
    </message>
    <message>
        <source>did you mean %1?</source>
        <translation>meinten Sie %1?</translation>
    </message>
    <message>
        <source>more than one voice goes by &quot;%1&quot;; %2</source>
        <translation>mehr als eine Stimme heißt „%1“; %2</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;; %2</source>
        <translation>es gibt keine Stimme „%1“; %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>--bitrate was left unused: %1 and has no bit rate to set</source>
        <translation>--bitrate blieb ungenutzt: %1 und hat keine einstellbare Bitrate</translation>
    </message>
    <message>
        <source>removed %1, left in %2 by a conversion that was killed</source>
        <translation>%1 entfernt, in %2 zurückgelassen von einer abgebrochenen Umwandlung</translation>
    </message>
    <message>
        <source>encoding</source>
        <translation>kodiere</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>lese</translation>
    </message>
    <message>
        <source>interrupted; %1 was left as it was</source>
        <translation>unterbrochen; %1 blieb, wie es war</translation>
    </message>
    <message>
        <source>interrupted; the chapters finished so far were kept, no playlist was written</source>
        <translation>unterbrochen; die bisher fertigen Kapitel wurden behalten, keine Wiedergabeliste wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: the folder cannot be created.</source>
        <translation>%1: der Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>wandle um</translation>
    </message>
    <message>
        <source>interrupted; the files being converted were left as they were</source>
        <translation>unterbrochen; die Dateien in Umwandlung blieben, wie sie waren</translation>
    </message>
    <message>
        <source>%1 needs a number from 0 to 100</source>
        <translation>%1 braucht eine Zahl von 0 bis 100</translation>
    </message>
    <message>
        <source>%1 takes a number from 0 to 100, not &quot;%2&quot;</source>
        <translation>%1 nimmt eine Zahl von 0 bis 100, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>--voice needs a voice name (--list-voices shows them)</source>
        <translation>--voice braucht einen Stimmennamen (--list-voices zeigt sie)</translation>
    </message>
    <message>
        <source>--encoding needs the name of a text encoding, such as windows-1251</source>
        <translation>--encoding braucht den Namen einer Textkodierung, etwa windows-1251</translation>
    </message>
    <message>
        <source>--encoding does not know &quot;%1&quot; (names such as UTF-8, windows-1251, Shift_JIS, ISO-8859-2, GB18030)</source>
        <translation>--encoding kennt „%1“ nicht (Namen wie UTF-8, windows-1251, Shift_JIS, ISO-8859-2, GB18030)</translation>
    </message>
    <message>
        <source>--rules needs a pronunciation rules file</source>
        <translation>--rules braucht eine Datei mit Ausspracheregeln</translation>
    </message>
    <message>
        <source>the rules file &quot;%1&quot; cannot be read</source>
        <translation>die Regeldatei „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>--subtitles needs a file name ending in .srt, .lrc or .vtt</source>
        <translation>--subtitles braucht einen Dateinamen auf .srt, .lrc oder .vtt</translation>
    </message>
    <message>
        <source>the subtitle file &quot;%1&quot; must end in .srt, .lrc or .vtt</source>
        <translation>die Untertiteldatei „%1“ muss auf .srt, .lrc oder .vtt enden</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 braucht einen Text</translation>
    </message>
    <message>
        <source>--track takes a number, or a number and the total: 3/12</source>
        <translation>--track nimmt eine Nummer oder eine Nummer und die Gesamtzahl: 3/12</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 1 up</source>
        <translation>%1 nimmt eine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>--bitrate takes kbit/s from 8 to 320</source>
        <translation>--bitrate nimmt kbit/s von 8 bis 320</translation>
    </message>
    <message>
        <source>--jobs takes a number of jobs from 1 up</source>
        <translation>--jobs nimmt eine Anzahl von Aufträgen ab 1</translation>
    </message>
    <message>
        <source>--output-dir needs a folder</source>
        <translation>--output-dir braucht einen Ordner</translation>
    </message>
    <message>
        <source>--format needs mp3, wav, ogg, opus, flac, m4b or txt</source>
        <translation>--format braucht mp3, wav, ogg, opus, flac, m4b oder txt</translation>
    </message>
    <message>
        <source>--format takes mp3, wav, ogg, opus, flac, m4b or txt, not &quot;%1&quot;</source>
        <translation>--format nimmt mp3, wav, ogg, opus, flac, m4b oder txt, nicht „%1“</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--rules and --no-rules exclude each other</source>
        <translation>--rules und --no-rules schließen einander aus</translation>
    </message>
    <message>
        <source>--list-voices takes no files</source>
        <translation>--list-voices nimmt keine Dateien</translation>
    </message>
    <message>
        <source>--output-dir and --format go together</source>
        <translation>--output-dir und --format gehören zusammen</translation>
    </message>
    <message>
        <source>no input files were given</source>
        <translation>keine Eingabedateien angegeben</translation>
    </message>
    <message>
        <source>standard input converts on its own: sayora-convert - OUTPUT</source>
        <translation>die Standardeingabe wird für sich umgewandelt: sayora-convert - OUTPUT</translation>
    </message>
    <message>
        <source>--subtitles names one file: use it with a single INPUT OUTPUT</source>
        <translation>--subtitles nennt eine Datei: mit einem einzelnen INPUT OUTPUT verwenden</translation>
    </message>
    <message>
        <source>--split-minutes and --split-size go with a single INPUT OUTPUT</source>
        <translation>--split-minutes und --split-size gehören zu einem einzelnen INPUT OUTPUT</translation>
    </message>
    <message>
        <source>--skip-existing goes with --output-dir and --format</source>
        <translation>--skip-existing gehört zu --output-dir und --format</translation>
    </message>
    <message>
        <source>an INPUT and an OUTPUT file are needed</source>
        <translation>eine INPUT- und eine OUTPUT-Datei werden gebraucht</translation>
    </message>
    <message>
        <source>too many files: use --output-dir and --format for several</source>
        <translation>zu viele Dateien: für mehrere --output-dir und --format verwenden</translation>
    </message>
    <message>
        <source>- as the OUTPUT writes to standard output in the format --format names</source>
        <translation>- als OUTPUT schreibt auf die Standardausgabe im Format, das --format nennt</translation>
    </message>
    <message>
        <source>standard output takes one sound file: mp3, wav, ogg or opus</source>
        <translation>die Standardausgabe nimmt eine Tondatei: mp3, wav, ogg oder opus</translation>
    </message>
    <message>
        <source>the OUTPUT &quot;%1&quot; is a folder: name the file to write</source>
        <translation>OUTPUT „%1“ ist ein Ordner: nennen Sie die zu schreibende Datei</translation>
    </message>
    <message>
        <source>the OUTPUT &quot;%1&quot; must end in .mp3, .wav, .ogg, .opus, .flac, .m4b or .txt</source>
        <translation>OUTPUT „%1“ muss auf .mp3, .wav, .ogg, .opus, .flac, .m4b oder .txt enden</translation>
    </message>
    <message>
        <source>--split-minutes and --split-size split speech: the OUTPUT must not be a .txt</source>
        <translation>--split-minutes und --split-size teilen Sprache: OUTPUT darf keine .txt sein</translation>
    </message>
    <message>
        <source>--split-size goes with .mp3 and .wav, whose sizes are known as they are made; use --split-minutes</source>
        <translation>--split-size gehört zu .mp3 und .wav, deren Größe beim Schreiben bekannt ist; verwenden Sie --split-minutes</translation>
    </message>
    <message>
        <source>subtitles go with speech: the OUTPUT must not be a .txt</source>
        <translation>Untertitel gehören zu Sprache: OUTPUT darf keine .txt sein</translation>
    </message>
    <message>
        <source>--chapter-marks goes with an .mp3 OUTPUT (an .m4b has its chapters anyway)</source>
        <translation>--chapter-marks gehört zu einem .mp3-OUTPUT (eine .m4b hat ihre Kapitel ohnehin)</translation>
    </message>
    <message>
        <source>chapter marks make one file: not with --split-minutes or --split-size</source>
        <translation>Kapitelmarken ergeben eine Datei: nicht mit --split-minutes oder --split-size</translation>
    </message>
    <message>
        <source>the subtitle file &quot;%1&quot; must be a file of its own</source>
        <translation>die Untertiteldatei „%1“ muss eine eigene Datei sein</translation>
    </message>
    <message>
        <source>Usage: sayora-convert [OPTIONS] INPUT OUTPUT
       sayora-convert [OPTIONS] --output-dir DIR --format FORMAT INPUT...
       sayora-convert --list-voices

Reads a text aloud into a sound file with Sayora&apos;s voices, or turns it into
plain text. INPUT is a text, RTF, PDF, EPUB, DOCX, ODT or HTML file, read as
Sayora&apos;s Open button reads it, or - for standard input. OUTPUT&apos;s extension
picks what is written (- and --format FORMAT: standard output, in that
format):
  .mp3   speech, encoded by lame
  .wav   speech, 16-bit PCM
  .ogg   speech, Ogg Vorbis      .opus  speech, Ogg Opus
  .flac  speech, FLAC (lossless)
  .m4b   an audiobook: AAC in MP4, with the book&apos;s chapters marked
  .txt   the plain text Sayora shows, in UTF-8

Options:
      --voice NAME        the voice, named as --list-voices shows it (its
                          name, short name or language); by default
                          Sayora&apos;s first voice, or a voice of the text&apos;s
                          language when that one cannot read it
      --rate N            speed, 0-100 as on Sayora&apos;s rate bar
      --pitch N           pitch, 0-100 as on Sayora&apos;s pitch bar (the flite
                          voices; espeak-ng voices keep their own)
      --volume N          loudness, 0-100 as on Sayora&apos;s volume bar
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
      --split-minutes N   OUTPUT as &quot;NAME 01.EXT&quot;, &quot;NAME 02.EXT&quot;, ... of at
                          most N minutes each, cut at a sentence&apos;s end (a
                          longer sentence at a clause; one that cannot fit
                          is said), and the playlist &quot;NAME.m3u&quot;
      --split-size MB     the same by size (.mp3 and .wav)
      --split chapters    a book as one file per chapter into OUTPUT, a
                          folder (see below)
      --title TEXT, --artist TEXT, --album TEXT, --track N[/TOTAL]
                          the tag (ID3 in MP3, Vorbis comments in Ogg,
                          Opus and FLAC)
      --chapter-marks     with an .mp3 OUTPUT: mark the book&apos;s chapters in
                          its ID3 tag (CHAP and CTOC frames), which
                          audiobook players show as a chapter list
      --progress-lines    print &quot;done FRACTION&quot; lines on standard output
                          as the work goes on, for a program to follow
      --list-voices       print the voices, one per line (name, short name,
                          language, engine; tab-separated), and exit
  -q, --quiet             no progress bar
  -h, --help              print this help and exit
  -V, --version           print the version and exit

An existing output is replaced only once the new file is complete. The
hidden temporaries a conversion killed outright leaves beside its output
(.NAME.XXXXXX.wav and .mp3, and the folder of a long text&apos;s parts,
.NAME.XXXXXX.parts) are removed by the next conversion into that folder:
only those a conversion recorded as its own in ~/.local/state/sayora, once
it has ended. A conversion that would not fit in its folder&apos;s free room is
refused before it starts.

Exit status: 0 success, 1 wrong command line, 2 an input cannot be read,
3 unknown voice or one that cannot be loaded, 4 rendering or encoding
failed and would fail again, 5 failed for a reason that may pass (the disk
was full or too small for the output, the encoder or a worker was killed
by a signal): worth trying again. A batch ends with the status of the
first input that failed.
</source>
        <translation>Aufruf: sayora-convert [OPTIONEN] INPUT OUTPUT
        sayora-convert [OPTIONEN] --output-dir DIR --format FORMAT INPUT...
        sayora-convert --list-voices

Liest einen Text mit den Stimmen von Sayora in eine Tondatei vor oder macht
daraus reinen Text. INPUT ist eine Text-, RTF-, PDF-, EPUB-, DOCX-, ODT- oder
HTML-Datei, gelesen wie mit der Öffnen-Schaltfläche von Sayora, oder - für die
Standardeingabe. Die Endung von OUTPUT bestimmt, was geschrieben wird (- und
--format FORMAT: Standardausgabe in diesem Format):
  .mp3   Sprache, kodiert von lame
  .wav   Sprache, 16-Bit-PCM
  .ogg   Sprache, Ogg Vorbis      .opus  Sprache, Ogg Opus
  .flac  Sprache, FLAC (verlustfrei)
  .m4b   ein Hörbuch: AAC in MP4, mit markierten Kapiteln des Buchs
  .txt   der reine Text, den Sayora zeigt, in UTF-8

Optionen:
      --voice NAME        die Stimme, benannt wie bei --list-voices (ihr
                          Name, Kurzname oder ihre Sprache); standardmäßig
                          die erste Stimme von Sayora oder eine Stimme in
                          der Sprache des Textes, wenn jene ihn nicht lesen
                          kann
      --rate N            Tempo, 0-100 wie auf dem Tempo-Regler von Sayora
      --pitch N           Tonhöhe, 0-100 wie auf dem Tonhöhen-Regler (die
                          flite-Stimmen; espeak-ng-Stimmen behalten ihre
                          eigene)
      --volume N          Lautstärke, 0-100 wie auf dem Lautstärke-Regler
      --subtitles FILE    auch Untertitel schreiben, satzweise getaktet:
                          .srt, .lrc oder .vtt
      --rules FILE        Wörter so sprechen, wie es die Ausspracheregeln
                          in FILE sagen (eine Regel pro Zeile: geschrieben
                          TAB gesprochen [TAB Optionen]) statt nach Ihren
                          eigenen Listen in ~/.config/sayora; eine nicht
                          lesbare Zeile ergibt eine Warnung mit ihrer
                          Nummer
      --no-rules          gar keine Ausspracheregeln
      --no-language-switch
                          den ganzen Text mit der einen Stimme lesen;
                          standardmäßig wird ein Satz in einer anderen
                          Sprache (einer anderen Schrift, oder ein Satz, der
                          lang genug ist, dass die Spracherkennung ihn
                          bestimmt) von der besten installierten Stimme
                          seiner Sprache gelesen
      --encoding NAME     die Kodierung reiner Texteingaben (windows-1251,
                          Shift_JIS, ...); standardmäßig UTF-8, oder
                          Windows-1252 mit einer Warnung, wenn die Bytes
                          kein UTF-8 sind
  -o, --output-dir DIR    jede INPUT-Datei nach DIR umwandeln, nach ihr
                          benannt
  -f, --format FORMAT     mit --output-dir oder OUTPUT -: mp3, wav, ogg,
                          opus, flac, m4b oder txt
  -j, --jobs N            gleichzeitige Umwandlungen mit --output-dir, sonst
                          gleichzeitig erzeugte Teile des einen Textes
                          (Standard: einer pro Prozessor; 1 erzeugt einen
                          Text in einem Stück)
      --skip-existing     mit --output-dir: jede INPUT-Datei auslassen, deren
                          Ausgabe schon da ist (ein neuer Lauf nach einem
                          Fehler erledigt nur, was fehlt)
      --bitrate KBPS      von MP3 (konstant), Ogg Vorbis und Opus
                          (durchschnittlich); FLAC und WAV haben keine
                          (wird gesagt, wenn verlangt)
      --split-minutes N   OUTPUT als „NAME 01.EXT“, „NAME 02.EXT“, ... von
                          höchstens N Minuten, geteilt am Satzende (ein
                          längerer Satz an einem Teilsatz; einer, der nicht
                          passt, wird gemeldet), und die Wiedergabeliste
                          „NAME.m3u“
      --split-size MB     dasselbe nach Größe (.mp3 und .wav)
      --split chapters    ein Buch als eine Datei pro Kapitel in OUTPUT,
                          einen Ordner (siehe unten)
      --title TEXT, --artist TEXT, --album TEXT, --track N[/TOTAL]
                          das Tag (ID3 in MP3, Vorbis-Kommentare in Ogg,
                          Opus und FLAC)
      --chapter-marks     mit einem .mp3-OUTPUT: die Kapitel des Buchs in
                          seinem ID3-Tag markieren (CHAP- und CTOC-Frames),
                          die Hörbuch-Player als Kapitelliste zeigen
      --progress-lines    Zeilen „done FRACTION“ auf der Standardausgabe
                          ausgeben, während die Arbeit läuft, damit ein
                          Programm ihr folgen kann
      --list-voices       die Stimmen ausgeben, eine pro Zeile (Name,
                          Kurzname, Sprache, Engine; durch Tabulatoren
                          getrennt), und beenden
  -q, --quiet             kein Fortschrittsbalken
  -h, --help              diese Hilfe ausgeben und beenden
  -V, --version           die Version ausgeben und beenden

Eine vorhandene Ausgabe wird erst ersetzt, wenn die neue Datei vollständig
ist. Die versteckten Zwischendateien, die eine hart abgebrochene Umwandlung
neben ihrer Ausgabe hinterlässt (.NAME.XXXXXX.wav und .mp3 sowie der Ordner
mit den Teilen eines langen Textes, .NAME.XXXXXX.parts), entfernt die
nächste Umwandlung in diesen Ordner: nur jene, die eine Umwandlung in
~/.local/state/sayora als ihre eigenen vermerkt hat, sobald sie beendet ist.
Eine Umwandlung, die nicht in den freien Platz ihres Ordners passt, wird vor
dem Start abgelehnt.

Rückgabewert: 0 Erfolg, 1 falsche Befehlszeile, 2 eine Eingabe kann nicht
gelesen werden, 3 unbekannte Stimme oder eine, die nicht geladen werden kann,
4 Erzeugen oder Kodieren ist fehlgeschlagen und würde wieder fehlschlagen,
5 aus einem Grund fehlgeschlagen, der vorübergehen kann (der Datenträger war
voll oder zu klein für die Ausgabe, der Encoder oder ein Hilfsprozess wurde
durch ein Signal beendet): ein neuer Versuch lohnt sich. Ein Stapel endet mit
dem Status der ersten Eingabe, die fehlschlug.
</translation>
    </message>
    <message>
        <source>FFmpeg has no AAC encoder</source>
        <translation type="vanished">FFmpeg hat keinen AAC-Encoder</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="vanished">kein Speicher mehr</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%L1 GB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%L1 MB</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%L1 kB</translation>
    </message>
    <message>
        <source>the folder %1 has %2 free, and this conversion needs at least %3</source>
        <translation>der Ordner %1 hat %2 frei, und diese Umwandlung braucht mindestens %3</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, noch %1</translation>
    </message>
    <message>
        <source>Ogg Vorbis reaches %1 to %2 kbit/s at this voice&apos;s sample rate, not %3; the nearest was taken</source>
        <translation>Ogg Vorbis erreicht bei der Abtastrate dieser Stimme %1 bis %2 kbit/s, nicht %3; der nächste Wert wurde genommen</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>die Datei ist nicht geöffnet</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n chapters</source>
        <translation>
            <numerusform>%1: %2 von %n Kapitel</numerusform>
            <numerusform>%1: %2 von %n Kapiteln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files</source>
        <translation>
            <numerusform>%1 von %n Datei</numerusform>
            <numerusform>%1 von %n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sayora-convert: %1 of %n files converted</source>
        <translation>
            <numerusform>sayora-convert: %1 von %n Datei umgewandelt</numerusform>
            <numerusform>sayora-convert: %1 von %n Dateien umgewandelt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n skipped (already there)</source>
        <translation>
            <numerusform>, %n übersprungen (schon vorhanden)</numerusform>
            <numerusform>, %n übersprungen (schon vorhanden)</numerusform>
        </translation>
    </message>
    <message>
        <source>with --split, --subtitle-format takes srt, lrc or vtt, not &quot;%1&quot;</source>
        <translation>mit --split nimmt --subtitle-format srt, lrc oder vtt, nicht „%1“</translation>
    </message>
    <message>
        <source>
A book, one file per chapter:
       sayora-convert [OPTIONS] --split chapters INPUT DIR
Writes &quot;01 Title.mp3&quot;, &quot;02 Title.mp3&quot;, ... into DIR, one per chapter (the
table of contents of an EPUB, the outline of a PDF, the top headings of a
DOCX, ODT or HTML file; a text before the first chapter is read with it),
tagged with the chapter, the book&apos;s title and author and the track number,
and a playlist &quot;BOOK TITLE.m3u8&quot; in order. --format mp3 (the default),
wav, ogg, opus, flac or m4b; --subtitle-format srt, lrc or vtt (or
--subtitles srt, lrc or vtt) writes &quot;01 Title.srt&quot; ... beside them. A
failure stops the split: the chapters finished before it are kept, whole,
and no playlist is written.
</source>
        <translation>
Ein Buch, eine Datei pro Kapitel:
       sayora-convert [OPTIONEN] --split chapters INPUT DIR
Schreibt „01 Titel.mp3“, „02 Titel.mp3“, … nach DIR, eine pro Kapitel (das
Inhaltsverzeichnis eines EPUB, die Gliederung eines PDF, die obersten
Überschriften einer DOCX-, ODT- oder HTML-Datei; ein Text vor dem ersten
Kapitel wird mit diesem gelesen), mit Kapitel, Titel und Autor des Buchs
und der Titelnummer getaggt, dazu eine Wiedergabeliste „BUCHTITEL.m3u8“ in
Reihenfolge. --format mp3 (Standard), wav, ogg, opus, flac oder m4b; --subtitle-format srt, lrc
oder vtt (oder --subtitles srt, lrc oder vtt) schreibt „01 Titel.srt“ …
daneben. Ein Fehler beendet die Aufteilung: die vorher fertigen Kapitel
bleiben vollständig erhalten, und keine Wiedergabeliste wird geschrieben.
</translation>
    </message>
</context>
<context>
    <name>ConverterRun</name>
    <message>
        <source>The converter &quot;sayora-convert&quot; could not be started: %1</source>
        <translation>Der Konverter „sayora-convert“ konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The converter stopped unexpectedly.</source>
        <translation>Der Konverter brach unerwartet ab.</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>Rich Text (*.rtf)</source>
        <translation>Rich Text (*.rtf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>Documents (*.pdf *.epub *.docx *.odt *.html *.htm)</source>
        <translation>Dokumente (*.pdf *.epub *.docx *.odt *.html *.htm)</translation>
    </message>
    <message>
        <source>All readable files (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)</source>
        <translation>Alle lesbaren Dateien (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)</translation>
    </message>
</context>
<context>
    <name>DocumentReader</name>
    <message>
        <source>it is not a Word document (its main part is missing).</source>
        <translation>sie ist kein Word-Dokument (ihr Hauptteil fehlt).</translation>
    </message>
    <message>
        <source>the file is damaged (its text cannot be read).</source>
        <translation>die Datei ist beschädigt (ihr Text kann nicht gelesen werden).</translation>
    </message>
    <message>
        <source>it is not a complete EPUB book (its list of contents is missing).</source>
        <translation>sie ist kein vollständiges EPUB-Buch (das Inhaltsverzeichnis fehlt).</translation>
    </message>
    <message>
        <source>it is not a complete EPUB book (its package document is missing).</source>
        <translation>sie ist kein vollständiges EPUB-Buch (das Paketdokument fehlt).</translation>
    </message>
    <message>
        <source>the book is encrypted (protected by DRM), so its text cannot be read.</source>
        <translation>das Buch ist verschlüsselt (durch DRM geschützt), daher kann sein Text nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the book has no text to read.</source>
        <translation>das Buch hat keinen Text zum Lesen.</translation>
    </message>
    <message>
        <source>it is not a readable HTML page.</source>
        <translation>sie ist keine lesbare HTML-Seite.</translation>
    </message>
    <message>
        <source>it is encrypted (protected with a password).</source>
        <translation>sie ist verschlüsselt (mit einem Passwort geschützt).</translation>
    </message>
    <message>
        <source>it is not an OpenDocument text (its content is missing).</source>
        <translation>sie ist kein OpenDocument-Text (ihr Inhalt fehlt).</translation>
    </message>
    <message>
        <source>the file is damaged (it is not a readable PDF).</source>
        <translation>die Datei ist beschädigt (sie ist kein lesbares PDF).</translation>
    </message>
    <message>
        <source>the PDF has no pages.</source>
        <translation>das PDF hat keine Seiten.</translation>
    </message>
    <message>
        <source>it has no text to read: its pages are pictures only (a scan?). Text recognition (OCR) would have to turn them into text first.</source>
        <translation>sie hat keinen Text zum Lesen: ihre Seiten sind nur Bilder (ein Scan?). Eine Texterkennung (OCR) müsste sie erst in Text umwandeln.</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>ein PDF-Dokument</translation>
    </message>
    <message>
        <source>an EPUB book</source>
        <translation>ein EPUB-Buch</translation>
    </message>
    <message>
        <source>a Word document</source>
        <translation>ein Word-Dokument</translation>
    </message>
    <message>
        <source>an OpenDocument text</source>
        <translation>ein OpenDocument-Text</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>kein Dateiname wurde angegeben.</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>the file cannot be read (%1).</source>
        <translation>die Datei kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>the file is too large (the limit is %1 MB).</source>
        <translation>die Datei ist zu groß (die Grenze liegt bei %L1 MB).</translation>
    </message>
    <message>
        <source>it is an older Office document (such as a .doc), which Sayora does not read; save it as .docx or .odt.</source>
        <translation>sie ist ein älteres Office-Dokument (etwa .doc), das Sayora nicht liest; speichern Sie es als .docx oder .odt.</translation>
    </message>
    <message>
        <source>it is an OpenDocument file of another kind (a spreadsheet or a presentation?), not a text.</source>
        <translation>sie ist eine OpenDocument-Datei anderer Art (eine Tabelle oder Präsentation?), kein Text.</translation>
    </message>
    <message>
        <source>it is named &quot;.%1&quot; but is not %2 (it is another kind of ZIP archive).</source>
        <translation>sie endet auf „.%1“, ist aber nicht %2 (sondern eine andere Art ZIP-Archiv).</translation>
    </message>
    <message>
        <source>it is a ZIP archive, not a document.</source>
        <translation>sie ist ein ZIP-Archiv, kein Dokument.</translation>
    </message>
    <message>
        <source>it is named &quot;.%1&quot; but is not %2 (its contents are something else).</source>
        <translation>sie endet auf „.%1“, ist aber nicht %2 (ihr Inhalt ist etwas anderes).</translation>
    </message>
    <message>
        <source>it is not a text or RTF document.</source>
        <translation>sie ist kein Text- oder RTF-Dokument.</translation>
    </message>
    <message>
        <source>a part of the document is missing.</source>
        <translation>ein Teil des Dokuments fehlt.</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB, more than any document to be read aloud.</source>
        <translation>sie entpackt sich zu mehr als %L1 MB, mehr als jedes Dokument zum Vorlesen.</translation>
    </message>
    <message>
        <source>the file is damaged (its ZIP container cannot be read).</source>
        <translation>die Datei ist beschädigt (ihr ZIP-Container kann nicht gelesen werden).</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Select A File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>Durchgestri&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Colour…</source>
        <translation>Fa&amp;rbe …</translation>
    </message>
    <message>
        <source>The quick brown fox jumps over the lazy dog.</source>
        <translation>Franz jagt im komplett verwahrlosten Taxi quer durch Bayern.</translation>
    </message>
    <message>
        <source>&amp;Face:</source>
        <translation>Schrift&amp;art:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>Textfarbe:</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>no key is set</source>
        <translation>keine Taste festgelegt</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>kein Sitzungsbus</translation>
    </message>
</context>
<context>
    <name>GrowingWaveEncoder</name>
    <message>
        <source>the rendered sound cannot be read: %1</source>
        <translation>der erzeugte Ton kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>the rendered sound cannot be read</source>
        <translation>der erzeugte Ton kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the rendered sound cannot be read (it ends before its header says)</source>
        <translation>der erzeugte Ton kann nicht gelesen werden (er endet vor der Länge, die sein Kopf angibt)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>How does it work? </source>
        <translation>Wie funktioniert es? </translation>
    </message>
    <message>
        <source>How to listen to the text of a web page ?</source>
        <translation>Wie höre ich mir den Text einer Webseite an?</translation>
    </message>
    <message>
        <source>When you browse with Internet Explorer 5.0(or above version) ,</source>
        <translation>Wenn Sie mit dem Internet Explorer 5.0 (oder neuer) surfen,</translation>
    </message>
    <message>
        <source>use your mouse to select the text you want to listen to, right-click mouse ,</source>
        <translation>markieren Sie mit der Maus den Text, den Sie hören möchten, klicken Sie mit der rechten Maustaste,</translation>
    </message>
    <message>
        <source>and a &quot;Speak by Sayora&quot; command will be on the popup drop down menu ,</source>
        <translation>und im Kontextmenü erscheint der Befehl „Mit Sayora sprechen“;</translation>
    </message>
    <message>
        <source>click it ,the selected text will be spoken.</source>
        <translation>klicken Sie darauf, und der markierte Text wird gesprochen.</translation>
    </message>
    <message>
        <source>How to listen to Microsoft WORD document ?</source>
        <translation>Wie höre ich mir ein Microsoft-WORD-Dokument an?</translation>
    </message>
    <message>
        <source>If you have installed Microsoft WORD, then after installing Sayora,</source>
        <translation>Wenn Microsoft WORD installiert ist, erscheint nach der Installation von Sayora</translation>
    </message>
    <message>
        <source>a little yellow speaker icon will appears in your Microsoft WORD tool bar.</source>
        <translation>ein kleines gelbes Lautsprechersymbol in der Symbolleiste von Microsoft WORD.</translation>
    </message>
    <message>
        <source>Click on it (or push the key &quot;F12&quot;), all the text in Word document will be spoken.</source>
        <translation>Klicken Sie darauf (oder drücken Sie „F12“), und der ganze Text des Word-Dokuments wird gesprochen.</translation>
    </message>
    <message>
        <source>You can select some text in word document to be spoken.</source>
        <translation>Sie können auch einen Teil des Textes im Word-Dokument zum Sprechen markieren.</translation>
    </message>
    <message>
        <source>  The macro file &quot;Speak.dot&quot; within this software is safe, please use it.</source>
        <translation>  Die Makrodatei „Speak.dot“ dieses Programms ist sicher, verwenden Sie sie ruhig.</translation>
    </message>
    <message>
        <source>Advice:</source>
        <translation>Tipp:</translation>
    </message>
    <message>
        <source>Install a good anti-virus software and set Macro&apos;s security of MS WORD to Low</source>
        <translation>Installieren Sie ein gutes Virenschutzprogramm und stellen Sie die Makrosicherheit von MS WORD auf „Niedrig“</translation>
    </message>
    <message>
        <source>If there&apos;s no Speaker on your MS WORD tool bar ,click here to add it.</source>
        <translation>Fehlt der Lautsprecher in der Symbolleiste von MS WORD, klicken Sie hier, um ihn hinzuzufügen.</translation>
    </message>
    <message>
        <source>How to listen to text file(*.txt or *.rtf files) in explorer ?</source>
        <translation>Wie höre ich mir eine Textdatei (*.txt oder *.rtf) im Explorer an?</translation>
    </message>
    <message>
        <source>Right-click text file (*.txt or *.rtf files)  in explorer, select &quot;Speak by Sayora&quot; command,</source>
        <translation>Klicken Sie im Explorer mit rechts auf die Textdatei (*.txt oder *.rtf), wählen Sie „Mit Sayora sprechen“,</translation>
    </message>
    <message>
        <source>the text file will be spoken .</source>
        <translation>und die Textdatei wird gesprochen.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>After install Sayora, restart your computer to make full features take effective.</source>
        <translation>Starten Sie nach der Installation von Sayora den Computer neu, damit alle Funktionen wirksam werden.</translation>
    </message>
    <message>
        <source>Read the Sayora help page</source>
        <translation>Die Hilfeseite von Sayora lesen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The help page %1 could not be opened: no program to show it was found.</source>
        <translation>Die Hilfeseite %1 konnte nicht geöffnet werden: Es wurde kein Programm gefunden, das sie anzeigt.</translation>
    </message>
    <message>
        <source>Can not find MS WORD</source>
        <translation>MS WORD wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Retrieve Microsoft Office path fail</source>
        <translation>Der Pfad von Microsoft Office konnte nicht ermittelt werden</translation>
    </message>
    <message>
        <source>Copy %1 TO %2 Successfully . The speaker has been added to your MS WORD tool bar!</source>
        <translation>%1 wurde erfolgreich nach %2 kopiert. Der Lautsprecher ist jetzt in der Symbolleiste von MS WORD!</translation>
    </message>
    <message>
        <source>Can not find %1 file</source>
        <translation>Die Datei %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The file %1 is opening , please close your MS WORD</source>
        <translation>Die Datei %1 ist geöffnet, bitte schließen Sie MS WORD</translation>
    </message>
    <message>
        <source>Add Speaker to MS WORD Error</source>
        <translation>Fehler beim Hinzufügen des Lautsprechers zu MS WORD</translation>
    </message>
    <message>
        <source>%1  %2 (Whould you like E-Mail this error message to me ? My email is %3)</source>
        <translation>%1  %2 (Möchten Sie mir diese Fehlermeldung per E-Mail senden? Meine Adresse ist %3)</translation>
    </message>
</context>
<context>
    <name>InstallerFile</name>
    <message>
        <source>The folder %1 cannot be opened: %2</source>
        <translation>Der Ordner %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user or can be changed by other users, so no installer is downloaded into it. Make it yours and writable by you alone (chmod 700).</source>
        <translation>Der Ordner %1 gehört einem anderen Benutzer oder kann von anderen Benutzern geändert werden, daher wird kein Installationsprogramm hineingeladen. Machen Sie ihn zu Ihrem eigenen und nur für Sie beschreibbar (chmod 700).</translation>
    </message>
    <message>
        <source>The old installer %1 cannot be removed: %2</source>
        <translation>Das alte Installationsprogramm %1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>The installer %1 cannot be created: %2</source>
        <translation>Das Installationsprogramm %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>the file was not written whole</source>
        <translation>die Datei wurde nicht vollständig geschrieben</translation>
    </message>
    <message>
        <source>it could not be started</source>
        <translation>es konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>it is neither a program nor a script with an interpreter line (#!)</source>
        <translation>es ist weder ein Programm noch ein Skript mit Interpreterzeile (#!)</translation>
    </message>
    <message>
        <source>it may not be run from this folder</source>
        <translation>es darf aus diesem Ordner nicht ausgeführt werden</translation>
    </message>
    <message>
        <source>the interpreter its first line names is missing</source>
        <translation>der in seiner ersten Zeile genannte Interpreter fehlt</translation>
    </message>
</context>
<context>
    <name>InternetTransfer</name>
    <message>
        <source>%1 MiB</source>
        <translation>%L1 MiB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address.</source>
        <translation>„%1“ ist keine Serveradresse.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses plain http, which anyone on the way can change; only https is accepted (plain http only on this computer&apos;s own loopback address).</source>
        <translation>„%1“ verwendet unverschlüsseltes http, das jeder auf dem Weg verändern kann; nur https wird angenommen (unverschlüsseltes http nur an der Loopback-Adresse dieses Computers).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an https nor a loopback http address.</source>
        <translation>„%1“ ist weder eine https- noch eine Loopback-http-Adresse.</translation>
    </message>
    <message>
        <source>The server redirected to an address that is not accepted: %1</source>
        <translation>Der Server hat auf eine nicht angenommene Adresse umgeleitet: %1</translation>
    </message>
    <message>
        <source>The server redirected from https to plain http (&quot;%1&quot;); that is not followed.</source>
        <translation>Der Server hat von https auf unverschlüsseltes http umgeleitet („%1“); dem wird nicht gefolgt.</translation>
    </message>
    <message>
        <source>The server redirected over plain http to another host (&quot;%1&quot;); that is not followed.</source>
        <translation>Der Server hat über unverschlüsseltes http auf einen anderen Host umgeleitet („%1“); dem wird nicht gefolgt.</translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation>Die Antwort ist größer als %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The server did not answer for %n seconds.</source>
        <translation>
            <numerusform>Der Server hat %n Sekunde lang nicht geantwortet.</numerusform>
            <numerusform>Der Server hat %n Sekunden lang nicht geantwortet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeyboardAccess</name>
    <message>
        <source>Text box scroll bar</source>
        <translation>Bildlaufleiste des Textfelds</translation>
    </message>
    <message>
        <source>Text box horizontal scroll bar</source>
        <translation>Horizontale Bildlaufleiste des Textfelds</translation>
    </message>
    <message>
        <source>Button panel</source>
        <translation>Schaltflächenleiste</translation>
    </message>
    <message>
        <source>Voice list</source>
        <translation>Stimmenliste</translation>
    </message>
    <message>
        <source>Back colour of the text box</source>
        <translation>Hintergrundfarbe des Textfelds</translation>
    </message>
    <message>
        <source>Text colour of the text box</source>
        <translation>Textfarbe des Textfelds</translation>
    </message>
    <message>
        <source>Wave rendering control</source>
        <translation>Steuerelement für die Wave-Ausgabe</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Spricht</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Export done</source>
        <translation>Export fertig</translation>
    </message>
</context>
<context>
    <name>LanguageSwitchOption</name>
    <message>
        <source>Read other languages with their own voices</source>
        <translation>Andere Sprachen mit eigenen Stimmen lesen</translation>
    </message>
</context>
<context>
    <name>M4bWriter</name>
    <message>
        <source>Sayora&apos;s M4B writing is missing or damaged (%1)</source>
        <translation>Sayoras M4B-Modul fehlt oder ist beschädigt (%1)</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>the MP3 encoder could not be started</source>
        <translation>der MP3-Encoder konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the MP3 encoder does not take this sound (%1 Hz at %2 kbit/s)</source>
        <translation>der MP3-Encoder nimmt diesen Ton nicht an (%1 Hz bei %2 kbit/s)</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (error %1)</source>
        <translation>der MP3-Encoder ist fehlgeschlagen (Fehler %1)</translation>
    </message>
    <message>
        <source>the MP3 encoder was not started</source>
        <translation>der MP3-Encoder wurde nicht gestartet</translation>
    </message>
</context>
<context>
    <name>Mp3End</name>
    <message>
        <source>Convert text to</source>
        <translation>Text umgewandelt in</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>No program to play MP3 files was found on this desktop.</source>
        <translation>Auf diesem Desktop wurde kein Programm zum Abspielen von MP3-Dateien gefunden.</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>Die Datei ist %1</translation>
    </message>
</context>
<context>
    <name>PartEncoder</name>
    <message>
        <source>the rendered sound cannot be read</source>
        <translation type="vanished">der erzeugte Ton kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">angehalten</translation>
    </message>
</context>
<context>
    <name>PdfReader</name>
    <message>
        <source>Sayora&apos;s PDF reading is missing or damaged (%1)</source>
        <translation>Das PDF-Lesemodul von Sayora fehlt oder ist beschädigt (%1)</translation>
    </message>
</context>
<context>
    <name>PieceConversion</name>
    <message>
        <source>the converter could not be started again (%1)</source>
        <translation>der Konverter konnte nicht erneut gestartet werden (%1)</translation>
    </message>
    <message>
        <source>the conversion stopped unexpectedly</source>
        <translation>die Umwandlung brach unerwartet ab</translation>
    </message>
    <message>
        <source>the parts could not be joined: %1</source>
        <translation>die Teile konnten nicht zusammengefügt werden: %1</translation>
    </message>
    <message>
        <source>the MP3&apos;s tag could not be written</source>
        <translation>das Tag der MP3-Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the parts could not be joined</source>
        <translation>die Teile konnten nicht zusammengefügt werden</translation>
    </message>
    <message>
        <source>the speech is longer than the 4 GB a WAV file can hold; convert it to MP3, or in parts</source>
        <translation>die Sprache ist länger als die 4 GB, die eine WAV-Datei fassen kann; wandeln Sie sie in MP3 oder in Teilen um</translation>
    </message>
    <message>
        <source>sayora-convert: %1 is over the limit: a sentence in it is longer than the limit and cannot be cut</source>
        <translation>sayora-convert: %1 ist über der Grenze: ein Satz darin ist länger als die Grenze und kann nicht geteilt werden</translation>
    </message>
    <message>
        <source>the subtitles of a part cannot be read</source>
        <translation type="vanished">die Untertitel eines Teils können nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>PortalShortcut</name>
    <message>
        <source>no session bus</source>
        <translation>kein Sitzungsbus</translation>
    </message>
    <message>
        <source>the desktop portal offers no global shortcuts (%1)</source>
        <translation>das Desktop-Portal bietet keine globalen Tastenkürzel an (%1)</translation>
    </message>
    <message>
        <source>the desktop portal refused a shortcut session (%1)</source>
        <translation>das Desktop-Portal hat eine Tastenkürzel-Sitzung abgelehnt (%1)</translation>
    </message>
    <message>
        <source>the desktop portal gave no shortcut session</source>
        <translation>das Desktop-Portal hat keine Tastenkürzel-Sitzung geliefert</translation>
    </message>
    <message>
        <source>the desktop portal refused the shortcut (%1)</source>
        <translation>das Desktop-Portal hat das Tastenkürzel abgelehnt (%1)</translation>
    </message>
    <message>
        <source>the shortcut was declined</source>
        <translation>das Tastenkürzel wurde nicht angenommen</translation>
    </message>
    <message>
        <source>the desktop portal refused the shortcut</source>
        <translation>das Desktop-Portal hat das Tastenkürzel abgelehnt</translation>
    </message>
</context>
<context>
    <name>PronunciationRules</name>
    <message>
        <source>no written text</source>
        <translation>kein geschriebener Text</translation>
    </message>
    <message>
        <source>a tab or line break inside the rule</source>
        <translation>ein Tabulator oder Zeilenumbruch in der Regel</translation>
    </message>
    <message>
        <source>blanks at the start or end of a field</source>
        <translation>Leerzeichen am Anfang oder Ende eines Felds</translation>
    </message>
    <message>
        <source>a written text starting with &quot;#&quot; reads as a comment (write it as the regular expression &quot;\#...&quot;)</source>
        <translation>ein geschriebener Text, der mit „#“ beginnt, gilt als Kommentar (schreiben Sie ihn als regulären Ausdruck „\#...“)</translation>
    </message>
    <message>
        <source>not a valid regular expression (%1 at character %2)</source>
        <translation>kein gültiger regulärer Ausdruck (%1 bei Zeichen %2)</translation>
    </message>
    <message>
        <source>not a valid regular expression (%1)</source>
        <translation>kein gültiger regulärer Ausdruck (%1)</translation>
    </message>
    <message>
        <source>the regular expression matches empty text</source>
        <translation>der reguläre Ausdruck passt auf leeren Text</translation>
    </message>
    <message>
        <source>the spoken form names group %1, which the expression does not have</source>
        <translation>die gesprochene Form nennt Gruppe %1, die der Ausdruck nicht hat</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>kein UTF-8-Text</translation>
    </message>
    <message>
        <source>no tab between the written text and the spoken form</source>
        <translation>kein Tabulator zwischen geschriebenem Text und gesprochener Form</translation>
    </message>
    <message>
        <source>more than three fields (written, spoken, options)</source>
        <translation>mehr als drei Felder (geschrieben, gesprochen, Optionen)</translation>
    </message>
</context>
<context>
    <name>PronunciationWindow</name>
    <message>
        <source>Pronunciation</source>
        <translation>Aussprache</translation>
    </message>
    <message>
        <source>Rule list</source>
        <translation>Regelliste</translation>
    </message>
    <message>
        <source>All voices</source>
        <translation>Alle Stimmen</translation>
    </message>
    <message>
        <source>Voices in %1 (%2)</source>
        <translation>Stimmen auf %1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Rules for:</source>
        <translation>&amp;Regeln für:</translation>
    </message>
    <message>
        <source>Pronunciation rules</source>
        <translation>Ausspracheregeln</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Spoken</source>
        <translation>Gesprochen</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Ganze Wörter</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Text to say</source>
        <translation>Zu sprechender Text</translation>
    </message>
    <message>
        <source>&amp;Try:</source>
        <translation>&amp;Probe:</translation>
    </message>
    <message>
        <source>&amp;Say it</source>
        <translation>&amp;Sprechen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Add a rule for this word</source>
        <translation>Regel für dieses Wort hinzufügen</translation>
    </message>
    <message>
        <source>Pronunciation...</source>
        <translation>Aussprache …</translation>
    </message>
    <message>
        <source>Type how &quot;%1&quot; is said, then press Enter.</source>
        <translation>Geben Sie ein, wie „%1“ gesprochen wird, und drücken Sie die Eingabetaste.</translation>
    </message>
    <message>
        <source>Line %1 of %2 was skipped: %3.</source>
        <translation>Zeile %1 von %2 wurde übersprungen: %3.</translation>
    </message>
    <message>
        <source>Rule %1 is not in use: %2.</source>
        <translation>Regel %1 wird nicht verwendet: %2.</translation>
    </message>
    <message>
        <source>The rules could not be saved in %1: %2.</source>
        <translation>Die Regeln konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Saying: %1</source>
        <translation>Spreche: %1</translation>
    </message>
</context>
<context>
    <name>SaveTypes</name>
    <message>
        <source>Rich Text File(*.rtf)</source>
        <translation>Rich-Text-Datei (*.rtf)</translation>
    </message>
    <message>
        <source>Text File(*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>MP3 File (*.mp3)</source>
        <translation>MP3-Datei (*.mp3)</translation>
    </message>
    <message>
        <source>Audiobook, a file per chapter (*)</source>
        <translation>Hörbuch, eine Datei pro Kapitel (*)</translation>
    </message>
    <message>
        <source>MP3 with chapter marks (*.mp3)</source>
        <translation>MP3 mit Kapitelmarken (*.mp3)</translation>
    </message>
    <message>
        <source>M4B audiobook with chapters (*.m4b)</source>
        <translation>M4B-Hörbuch mit Kapiteln (*.m4b)</translation>
    </message>
    <message>
        <source>OGG Vorbis (*.ogg)</source>
        <translation>OGG Vorbis (*.ogg)</translation>
    </message>
    <message>
        <source>Opus (*.opus)</source>
        <translation>Opus (*.opus)</translation>
    </message>
    <message>
        <source>FLAC (*.flac)</source>
        <translation>FLAC (*.flac)</translation>
    </message>
    <message>
        <source>%1 is already exist,do you want to overwrite it ?</source>
        <translation>%1 ist bereits vorhanden. Möchten Sie die Datei überschreiben?</translation>
    </message>
</context>
<context>
    <name>SayoraMain</name>
    <message>
        <source>An export is running. Wait until it has finished, or press Esc or click its progress number to cancel it.</source>
        <translation>Ein Export läuft. Warten Sie, bis er fertig ist, oder drücken Sie Esc oder klicken Sie auf seine Fortschrittszahl, um ihn abzubrechen.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Text box</source>
        <translation>Textfeld</translation>
    </message>
    <message>
        <source>Change backcolor of text box</source>
        <translation>Hintergrundfarbe des Textfelds ändern</translation>
    </message>
    <message>
        <source>Change font of text box</source>
        <translation>Schrift des Textfelds ändern</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save as mp3, text file</source>
        <translation>Als MP3 oder Textdatei speichern</translation>
    </message>
    <message>
        <source>Hide text box</source>
        <translation>Textfeld ausblenden</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>Sprechen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>set to head</source>
        <translation>zum Anfang</translation>
    </message>
    <message>
        <source>How does it work?</source>
        <translation>Wie funktioniert es?</translation>
    </message>
    <message>
        <source>Click here to check new version</source>
        <translation>Hier klicken, um nach einer neuen Version zu suchen</translation>
    </message>
    <message>
        <source>Not find speech engine</source>
        <translation>Keine Sprachausgabe gefunden</translation>
    </message>
    <message>
        <source>Change pronunciation</source>
        <translation>Aussprache ändern</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>Position im Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2</source>
        <translation>„%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not read this text: nothing was spoken.</source>
        <translation>Die Stimme „%1“ konnte diesen Text nicht lesen: Es wurde nichts gesprochen.</translation>
    </message>
    <message>
        <source>Choose a voice of the text&apos;s language in the voice list and press Speak.</source>
        <translation>Wählen Sie in der Stimmenliste eine Stimme in der Sprache des Textes und drücken Sie „Sprechen“.</translation>
    </message>
    <message>
        <source>Show text box</source>
        <translation>Textfeld einblenden</translation>
    </message>
    <message>
        <source>Resumed at %1 % where the reading stopped; Ctrl+Home reads from the start.</source>
        <translation>Fortgesetzt bei %1 %, wo das Lesen aufhörte; Strg+Pos1 liest von vorn.</translation>
    </message>
</context>
<context>
    <name>SayoraSelection</name>
    <message>
        <source>Usage: sayora-selection [--clipboard]
Reads the selected text (or with --clipboard the copied text) aloud with sayora.</source>
        <translation>Aufruf: sayora-selection [--clipboard]
Liest den markierten Text (oder mit --clipboard den kopierten Text) mit sayora vor.</translation>
    </message>
    <message>
        <source>unknown option %1 (try --help)</source>
        <translation>unbekannte Option %1 (versuchen Sie --help)</translation>
    </message>
    <message>
        <source>no X display to read the selection from (DISPLAY is not set)</source>
        <translation type="vanished">keine X-Anzeige, aus der die Auswahl gelesen werden kann (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>the clipboard holds no text</source>
        <translation>die Zwischenablage enthält keinen Text</translation>
    </message>
    <message>
        <source>nothing is selected</source>
        <translation>nichts ist markiert</translation>
    </message>
    <message>
        <source>the reader sayora was not found</source>
        <translation>das Leseprogramm sayora wurde nicht gefunden</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>the reader ended abnormally</source>
        <translation>das Leseprogramm endete unerwartet</translation>
    </message>
    <message>
        <source>cannot read the clipboard: %1</source>
        <translation>die Zwischenablage kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>cannot read the selection: %1</source>
        <translation>die Auswahl kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>SelectionKey</name>
    <message>
        <source>Read the selected text aloud</source>
        <translation>Markierten Text vorlesen</translation>
    </message>
    <message>
        <source>%1 cannot read the selection from other programs here (%2). Bind sayora-selection to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>%1 kann die Auswahl anderer Programme hier nicht lesen (%2). Legen Sie sayora-selection stattdessen in den Tastatureinstellungen des Desktops auf eine Taste.</translation>
    </message>
</context>
<context>
    <name>SoundFileCommit</name>
    <message>
        <source>The MP3 encoder stopped before it had finished.</source>
        <translation>Der MP3-Encoder hielt an, bevor er fertig war.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to: it is a file.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: Er ist eine Datei.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The speech was not rendered (no sound file).</source>
        <translation>Die Sprache wurde nicht erzeugt (keine Tondatei).</translation>
    </message>
    <message>
        <source>The speech was not rendered completely (the sound file is damaged).</source>
        <translation>Die Sprache wurde nicht vollständig erzeugt (die Tondatei ist beschädigt).</translation>
    </message>
    <message>
        <source>The voice produced no speech for this text.</source>
        <translation>Die Stimme hat für diesen Text keine Sprache erzeugt.</translation>
    </message>
    <message>
        <source>The sound file could not be written: %1.</source>
        <translation>Die Tondatei konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed.</source>
        <translation>Der MP3-Encoder „lame“ ist nicht installiert.</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish.</source>
        <translation>Der MP3-Encoder wurde nicht fertig.</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started: %1</source>
        <translation>Der MP3-Encoder „lame“ konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1).</source>
        <translation>Der MP3-Encoder ist fehlgeschlagen (Exit-Code %1).</translation>
    </message>
    <message>
        <source>The MP3 encoder did not write a complete MP3 file.</source>
        <translation>Der MP3-Encoder hat keine vollständige MP3-Datei geschrieben.</translation>
    </message>
    <message>
        <source>The permissions of %1 could not be set: %2</source>
        <translation type="vanished">Die Zugriffsrechte von %1 konnten nicht gesetzt werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="vanished">%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation type="vanished">%1 konnte nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>%1 is in place, but the system could not confirm that it reached the disk: %2</source>
        <translation type="vanished">%1 ist an seinem Platz, aber das System konnte nicht bestätigen, dass die Datei auf dem Datenträger angekommen ist: %2</translation>
    </message>
</context>
<context>
    <name>SpFileStream</name>
    <message>
        <source>Only creating a file for writing is supported.</source>
        <translation>Nur das Anlegen einer Datei zum Schreiben wird unterstützt.</translation>
    </message>
</context>
<context>
    <name>SpeechExport</name>
    <message>
        <source>The sound file could not be created: %1</source>
        <translation>Die Tondatei konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not be started.</source>
        <translation>Die Stimme „%1“ konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The sound file could not be created.</source>
        <translation>Die Tondatei konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The voice did not accept the text.</source>
        <translation>Die Stimme hat den Text nicht angenommen.</translation>
    </message>
    <message>
        <source>The espeak-ng voices are not available.</source>
        <translation>Die espeak-ng-Stimmen sind nicht verfügbar.</translation>
    </message>
    <message>
        <source>The sound file could not be written: %1</source>
        <translation>Die Tondatei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>The speech rendering made no progress for %n seconds.</source>
        <translation>
            <numerusform>Die Spracherzeugung kam %n Sekunde lang nicht voran.</numerusform>
            <numerusform>Die Spracherzeugung kam %n Sekunden lang nicht voran.</numerusform>
        </translation>
    </message>
    <message>
        <source>The sound could not be encoded: %1</source>
        <translation>Der Ton konnte nicht kodiert werden: %1</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>No available information</source>
        <translation>Keine Informationen verfügbar</translation>
    </message>
    <message>
        <source>Checking Server&apos;s IP</source>
        <translation>Suche IP-Adresse des Servers</translation>
    </message>
    <message>
        <source>Found Server&apos;s IP Successfully</source>
        <translation>IP-Adresse des Servers gefunden</translation>
    </message>
    <message>
        <source>Connecting Server</source>
        <translation>Verbinde mit dem Server</translation>
    </message>
    <message>
        <source>Connected Server</source>
        <translation>Mit dem Server verbunden</translation>
    </message>
    <message>
        <source>Requesting Server</source>
        <translation>Sende Anfrage an den Server</translation>
    </message>
    <message>
        <source>Requested Server</source>
        <translation>Anfrage an den Server gesendet</translation>
    </message>
    <message>
        <source>Waiting Server&apos;s Replay</source>
        <translation>Warte auf Antwort des Servers</translation>
    </message>
    <message>
        <source>Received Server&apos; Replay</source>
        <translation>Antwort des Servers erhalten</translation>
    </message>
    <message>
        <source>Disconnecting Server</source>
        <translation>Trenne vom Server</translation>
    </message>
    <message>
        <source>Disconnected Server</source>
        <translation>Vom Server getrennt</translation>
    </message>
    <message>
        <source>Unable to Connect to Server</source>
        <translation>Keine Verbindung zum Server möglich</translation>
    </message>
    <message>
        <source>Request has been handled</source>
        <translation>Anfrage wurde bearbeitet</translation>
    </message>
    <message>
        <source>Update Online----Sayora</source>
        <translation>Online-Aktualisierung – Sayora</translation>
    </message>
    <message>
        <source>Click&quot;Check&quot; button</source>
        <translation>Klicken Sie auf „Prüfen“</translation>
    </message>
    <message>
        <source>Current version %1</source>
        <translation>Aktuelle Version %1</translation>
    </message>
    <message>
        <source>Sayora will be closed when update is running</source>
        <translation>Sayora wird während der Aktualisierung geschlossen</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Return</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Found new version %1</source>
        <translation>Neue Version %1 gefunden</translation>
    </message>
    <message>
        <source>Click&quot;Update&quot; button or</source>
        <translation>Klicken Sie auf „Aktualisieren“ oder</translation>
    </message>
    <message>
        <source>access the following URL to update this software</source>
        <translation>öffnen Sie diese Adresse, um das Programm zu aktualisieren</translation>
    </message>
    <message>
        <source>No new version</source>
        <translation>Keine neue Version</translation>
    </message>
    <message>
        <source>Sorry, an error has occurred on the author&apos;s website, please try after a while</source>
        <translation>Leider ist auf der Website des Autors ein Fehler aufgetreten, bitte versuchen Sie es später noch einmal</translation>
    </message>
    <message>
        <source>The installer could not be written: the disk may be full.</source>
        <translation>Das Installationsprogramm konnte nicht geschrieben werden: Der Datenträger ist vielleicht voll.</translation>
    </message>
    <message>
        <source>The installer was not downloaded. %1</source>
        <translation>Das Installationsprogramm wurde nicht heruntergeladen. %1</translation>
    </message>
    <message>
        <source>The downloaded installer could not be verified, so it was not started. Please try again later.</source>
        <translation>Das heruntergeladene Installationsprogramm konnte nicht überprüft werden und wurde daher nicht gestartet. Bitte versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>The installer could not be started</source>
        <translation>Das Installationsprogramm konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The downloaded installer could not be started: %1. It has been deleted.</source>
        <translation>Das heruntergeladene Installationsprogramm konnte nicht gestartet werden: %1. Es wurde gelöscht.</translation>
    </message>
</context>
<context>
    <name>WindowExport</name>
    <message>
        <source>Export progress: click or press Esc to cancel the export</source>
        <translation>Exportfortschritt: Klicken oder Esc drücken, um den Export abzubrechen</translation>
    </message>
    <message>
        <source>Time the export has taken</source>
        <translation>Bisherige Dauer des Exports</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Warte</translation>
    </message>
    <message>
        <source>Time the export still needs</source>
        <translation>Verbleibende Dauer des Exports</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>The pronunciation rules leave nothing to read aloud.</source>
        <translation>Die Ausspracheregeln lassen nichts zum Vorlesen übrig.</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed.</source>
        <translation>Der MP3-Encoder „lame“ ist nicht installiert.</translation>
    </message>
    <message>
        <source>The text is too long for one MP3 export: its speech would need about %1 GB of sound on the way, more than the 4 GB a WAV file can hold. Save it as &quot;Audiobook, a file per chapter&quot;, &quot;MP3 with chapter marks&quot;, &quot;M4B audiobook&quot;, OGG Vorbis, Opus or FLAC, which have no such limit.</source>
        <translation>Der Text ist zu lang für einen MP3-Export: Seine Sprache bräuchte unterwegs etwa %L1 GB Ton, mehr als die 4 GB, die eine WAV-Datei fassen kann. Speichern Sie ihn als „Hörbuch, eine Datei pro Kapitel“, „MP3 mit Kapitelmarken“, „M4B-Hörbuch“, OGG Vorbis, Opus oder FLAC, die keine solche Grenze haben.</translation>
    </message>
    <message>
        <source>The converter &quot;sayora-convert&quot; is not installed.</source>
        <translation>Der Konverter „sayora-convert“ ist nicht installiert.</translation>
    </message>
    <message>
        <source>The text could not be handed to the converter: %1</source>
        <translation>Der Text konnte nicht an den Konverter übergeben werden: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>%1 konnte nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>%1 could not be created.</source>
        <translation>%1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The export component &quot;tavo&quot; could not be loaded (error 0x%1).</source>
        <translation>Die Exportkomponente „tavo“ konnte nicht geladen werden (Fehler 0x%1).</translation>
    </message>
    <message>
        <source>Another Sayora window is exporting with a flite voice. Wait until it has finished, or export with an espeak-ng voice.</source>
        <translation>Ein anderes Sayora-Fenster exportiert mit einer flite-Stimme. Warten Sie, bis es fertig ist, oder exportieren Sie mit einer espeak-ng-Stimme.</translation>
    </message>
    <message>
        <source>The registry store %1 cannot be written: the flite voices report the end of their rendering through it.</source>
        <translation>Der Registrierungsspeicher %1 kann nicht geschrieben werden: Über ihn melden die flite-Stimmen das Ende ihrer Ausgabe.</translation>
    </message>
    <message>
        <source>%1 could not be exported.

%2

Nothing was written to it.</source>
        <translation>%1 konnte nicht exportiert werden.

%2

Es wurde nichts hineingeschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>The registry store %1 stayed locked by another program for %n seconds.</source>
        <translation>
            <numerusform>Der Registrierungsspeicher %1 blieb %n Sekunde lang von einem anderen Programm gesperrt.</numerusform>
            <numerusform>Der Registrierungsspeicher %1 blieb %n Sekunden lang von einem anderen Programm gesperrt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The speech rendering made no progress for %n seconds.</source>
        <translation>
            <numerusform>Die Spracherzeugung kam %n Sekunde lang nicht voran.</numerusform>
            <numerusform>Die Spracherzeugung kam %n Sekunden lang nicht voran.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The MP3 encoder made no progress for %n seconds.</source>
        <translation>
            <numerusform>Der MP3-Encoder kam %n Sekunde lang nicht voran.</numerusform>
            <numerusform>Der MP3-Encoder kam %n Sekunden lang nicht voran.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WordSpeakerInstaller</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad oder Datei</translation>
    </message>
</context>
<context>
    <name>X11KeyGrab</name>
    <message>
        <source>no X server</source>
        <translation>kein X-Server</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one key with its modifiers</source>
        <translation>„%1“ ist nicht eine einzelne Taste mit ihren Zusatztasten</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; cannot be grabbed</source>
        <translation>die Taste „%1“ kann nicht belegt werden</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is not on this keyboard</source>
        <translation>die Taste „%1“ gibt es auf dieser Tastatur nicht</translation>
    </message>
    <message>
        <source>another program holds the key &quot;%1&quot;</source>
        <translation>ein anderes Programm belegt die Taste „%1“</translation>
    </message>
</context>
</TS>
