<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AtomicFile</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>файл не открыт</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>Не удалось заменить %1: %2</translation>
    </message>
    <message>
        <source>%1 is in place, but the system could not confirm that it reached the disk: %2</source>
        <translation>%1 на месте, но система не смогла подтвердить, что он записан на диск: %2</translation>
    </message>
    <message>
        <source>The permissions of %1 could not be set: %2</source>
        <translation>Не удалось задать права доступа %1: %2</translation>
    </message>
</context>
<context>
    <name>BookNavigation</name>
    <message>
        <source>This text has no chapters</source>
        <translation>В этом тексте нет глав</translation>
    </message>
    <message>
        <source>Nothing further</source>
        <translation>Дальше ничего нет</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>В начале</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Глава %1</translation>
    </message>
    <message>
        <source>Chapters...</source>
        <translation>Главы…</translation>
    </message>
    <message>
        <source>Move the reading</source>
        <translation>Переместить чтение</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>Следующее предложение</translation>
    </message>
    <message>
        <source>Previous sentence</source>
        <translation>Предыдущее предложение</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>Следующий абзац</translation>
    </message>
    <message>
        <source>Previous paragraph</source>
        <translation>Предыдущий абзац</translation>
    </message>
    <message>
        <source>Next chapter</source>
        <translation>Следующая глава</translation>
    </message>
    <message>
        <source>Previous chapter</source>
        <translation>Предыдущая глава</translation>
    </message>
    <message>
        <source>Show the sentence being read</source>
        <translation>Показать читаемое предложение</translation>
    </message>
</context>
<context>
    <name>ChapterList</name>
    <message>
        <source>Chapters</source>
        <translation>Главы</translation>
    </message>
    <message>
        <source>This text has no chapters.</source>
        <translation>В этом тексте нет глав.</translation>
    </message>
    <message>
        <source>&amp;Chapters:</source>
        <translation>&amp;Главы:</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Глава %1</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1, уровень %2</translation>
    </message>
    <message>
        <source>  (being read)</source>
        <translation>  (читается)</translation>
    </message>
    <message>
        <source>, being read</source>
        <translation>, читается</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Перейти</translation>
    </message>
</context>
<context>
    <name>ChapterSplit</name>
    <message>
        <source>there is no text in it to read aloud</source>
        <translation>в нём нет текста для чтения вслух</translation>
    </message>
    <message>
        <source>no voice is installed</source>
        <translation>не установлено ни одного голоса</translation>
    </message>
    <message>
        <source>the MP3 encoder &quot;lame&quot; is not installed</source>
        <translation type="vanished">кодировщик MP3 «lame» не установлен</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>не удаётся создать папку</translation>
    </message>
    <message>
        <source>the folder cannot be written to</source>
        <translation>в папку нельзя записать</translation>
    </message>
    <message>
        <source>the converter could not be started again (%1)</source>
        <translation>не удалось снова запустить конвертер (%1)</translation>
    </message>
    <message>
        <source>the conversion stopped unexpectedly</source>
        <translation>преобразование неожиданно прервалось</translation>
    </message>
    <message>
        <source> No chapter was written.</source>
        <translation> Ни одна глава не записана.</translation>
    </message>
    <message>
        <source> Chapters 1 to %1 of %2 were written and kept; no playlist was written.</source>
        <translation> Главы с 1 по %1 из %2 записаны и сохранены; список воспроизведения не записан.</translation>
    </message>
    <message>
        <source> The chapters were written; the playlist was not.</source>
        <translation> Главы записаны, а список воспроизведения — нет.</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>standard input</source>
        <translation>стандартный ввод</translation>
    </message>
    <message>
        <source>the text is too large (the limit is %1 MB)</source>
        <translation>текст слишком велик (предел — %L1 МБ)</translation>
    </message>
    <message>
        <source>sayora-convert: %1: line %2: %3; the line was skipped</source>
        <translation>sayora-convert: %1: строка %2: %3; строка пропущена</translation>
    </message>
    <message>
        <source>sayora-convert: %1: not UTF-8, read as Windows-1252 (--encoding names another encoding)</source>
        <translation>sayora-convert: %1: не UTF-8, прочитано как Windows-1252 (другую кодировку задаёт --encoding)</translation>
    </message>
    <message>
        <source>sayora-convert: %1: some bytes are not %2 and were replaced</source>
        <translation>sayora-convert: %1: некоторые байты не в кодировке %2 и заменены</translation>
    </message>
    <message>
        <source>there is no text in it to read aloud</source>
        <translation>в нём нет текста для чтения вслух</translation>
    </message>
    <message>
        <source>Chapter 1</source>
        <translation>Глава 1</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;</source>
        <translation>голоса «%1» нет</translation>
    </message>
    <message>
        <source>no voice is installed</source>
        <translation>не установлено ни одного голоса</translation>
    </message>
    <message>
        <source>the pronunciation rules leave nothing to read aloud</source>
        <translation>после правил произношения читать вслух нечего</translation>
    </message>
    <message>
        <source>the MP3 encoder &quot;lame&quot; is not installed</source>
        <translation type="vanished">кодировщик MP3 «lame» не установлен</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>--split writes speech: --format takes mp3, wav, ogg, opus, flac or m4b, not &quot;%1&quot;</source>
        <translation>--split записывает речь: --format принимает mp3, wav, ogg, opus, flac или m4b, а не «%1»</translation>
    </message>
    <message>
        <source>--subtitle-format goes with --split chapters; elsewhere --subtitles names the file</source>
        <translation>--subtitle-format используется с --split chapters; в остальных случаях --subtitles называет файл</translation>
    </message>
    <message>
        <source>the subtitles of a part cannot be read</source>
        <translation>не удаётся прочитать субтитры части</translation>
    </message>
    <message>
        <source>sayora-convert: %1: skipped, it is already there</source>
        <translation>sayora-convert: %1: пропущено, файл уже есть</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the converter could not be started again (%2).</source>
        <translation>sayora-convert: %1: не удалось снова запустить конвертер (%2).</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the conversion was killed by a signal.</source>
        <translation>sayora-convert: %1: преобразование прервано сигналом.</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the conversion stopped unexpectedly.</source>
        <translation>sayora-convert: %1: преобразование неожиданно прервалось.</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 требует значения</translation>
    </message>
    <message>
        <source>--split takes &quot;chapters&quot;, not &quot;%1&quot;</source>
        <translation>--split принимает «chapters», а не «%1»</translation>
    </message>
    <message>
        <source>--split writes speech: --format takes mp3 or wav, not &quot;%1&quot;</source>
        <translation type="vanished">--split записывает речь: --format принимает mp3 или wav, а не «%1»</translation>
    </message>
    <message>
        <source>with --split, --subtitles takes srt, lrc or vtt, not &quot;%1&quot;</source>
        <translation type="vanished">с --split параметр --subtitles принимает srt, lrc или vtt, а не «%1»</translation>
    </message>
    <message>
        <source>--split chapters needs a book and a folder: INPUT DIR</source>
        <translation>--split chapters требует книгу и папку: INPUT DIR</translation>
    </message>
    <message>
        <source>--jobs goes with --output-dir, not --split</source>
        <translation>--jobs используется с --output-dir, а не с --split</translation>
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
Книга, по файлу на главу:
       sayora-convert [ПАРАМЕТРЫ] --split chapters INPUT DIR
Записывает «01 Название.mp3», «02 Название.mp3»… в DIR, по одному на главу
(оглавление EPUB, структура PDF, заголовки верхнего уровня DOCX, ODT или
HTML; текст перед первой главой читается вместе с ней), с тегами главы,
названия и автора книги и номера дорожки, и список воспроизведения
«НАЗВАНИЕ КНИГИ.m3u8» по порядку. --format mp3 (по умолчанию) или wav;
--subtitles srt, lrc или vtt записывает рядом «01 Название.srt»… Ошибка
останавливает разбиение: главы, готовые до неё, сохраняются целиком, а
список воспроизведения не записывается.
</translation>
    </message>
    <message>
        <source> (see --help)</source>
        <translation> (см. --help)</translation>
    </message>
    <message>
        <source>--list-voices shows them</source>
        <translation>их показывает --list-voices</translation>
    </message>
    <message>
        <source>did you mean %1?</source>
        <translation>может быть, %1?</translation>
    </message>
    <message>
        <source>more than one voice goes by &quot;%1&quot;; %2</source>
        <translation>имя «%1» носят несколько голосов; %2</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;; %2</source>
        <translation>голоса «%1» нет; %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>стандартный ввод</translation>
    </message>
    <message>
        <source>--bitrate was left unused: %1 and has no bit rate to set</source>
        <translation>--bitrate не использован: %1, и битрейт задать нельзя</translation>
    </message>
    <message>
        <source>removed %1, left in %2 by a conversion that was killed</source>
        <translation>удалён %1, оставленный в %2 прерванным преобразованием</translation>
    </message>
    <message>
        <source>encoding</source>
        <translation>кодирование</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>чтение</translation>
    </message>
    <message>
        <source>interrupted; %1 was left as it was</source>
        <translation>прервано; %1 оставлен как был</translation>
    </message>
    <message>
        <source>interrupted; the chapters finished so far were kept, no playlist was written</source>
        <translation>прервано; готовые главы сохранены, список воспроизведения не записан</translation>
    </message>
    <message>
        <source>%1: the folder cannot be created.</source>
        <translation>%1: не удаётся создать папку.</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>преобразование</translation>
    </message>
    <message>
        <source>interrupted; the files being converted were left as they were</source>
        <translation>прервано; преобразуемые файлы оставлены как были</translation>
    </message>
    <message>
        <source>%1 needs a number from 0 to 100</source>
        <translation>%1 требует число от 0 до 100</translation>
    </message>
    <message>
        <source>%1 takes a number from 0 to 100, not &quot;%2&quot;</source>
        <translation>%1 принимает число от 0 до 100, а не «%2»</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 не принимает значения</translation>
    </message>
    <message>
        <source>--voice needs a voice name (--list-voices shows them)</source>
        <translation>--voice требует имя голоса (их показывает --list-voices)</translation>
    </message>
    <message>
        <source>--encoding needs the name of a text encoding, such as windows-1251</source>
        <translation>--encoding требует имя кодировки текста, например windows-1251</translation>
    </message>
    <message>
        <source>--encoding does not know &quot;%1&quot; (names such as UTF-8, windows-1251, Shift_JIS, ISO-8859-2, GB18030)</source>
        <translation>--encoding не знает «%1» (имена вроде UTF-8, windows-1251, Shift_JIS, ISO-8859-2, GB18030)</translation>
    </message>
    <message>
        <source>--rules needs a pronunciation rules file</source>
        <translation>--rules требует файл правил произношения</translation>
    </message>
    <message>
        <source>the rules file &quot;%1&quot; cannot be read</source>
        <translation>файл правил «%1» не удаётся прочитать</translation>
    </message>
    <message>
        <source>--subtitles needs a file name ending in .srt, .lrc or .vtt</source>
        <translation>--subtitles требует имя файла с окончанием .srt, .lrc или .vtt</translation>
    </message>
    <message>
        <source>the subtitle file &quot;%1&quot; must end in .srt, .lrc or .vtt</source>
        <translation>файл субтитров «%1» должен оканчиваться на .srt, .lrc или .vtt</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 требует текст</translation>
    </message>
    <message>
        <source>--track takes a number, or a number and the total: 3/12</source>
        <translation>--track принимает номер или номер и общее число: 3/12</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 1 up</source>
        <translation>%1 принимает целое число от 1</translation>
    </message>
    <message>
        <source>--bitrate takes kbit/s from 8 to 320</source>
        <translation>--bitrate принимает кбит/с от 8 до 320</translation>
    </message>
    <message>
        <source>--jobs takes a number of jobs from 1 up</source>
        <translation>--jobs принимает число заданий от 1</translation>
    </message>
    <message>
        <source>--output-dir needs a folder</source>
        <translation>--output-dir требует папку</translation>
    </message>
    <message>
        <source>--format needs mp3, wav, ogg, opus, flac, m4b or txt</source>
        <translation>--format требует mp3, wav, ogg, opus, flac, m4b или txt</translation>
    </message>
    <message>
        <source>--format takes mp3, wav, ogg, opus, flac, m4b or txt, not &quot;%1&quot;</source>
        <translation>--format принимает mp3, wav, ogg, opus, flac, m4b или txt, а не «%1»</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>--rules and --no-rules exclude each other</source>
        <translation>--rules и --no-rules исключают друг друга</translation>
    </message>
    <message>
        <source>--list-voices takes no files</source>
        <translation>--list-voices не принимает файлов</translation>
    </message>
    <message>
        <source>--output-dir and --format go together</source>
        <translation>--output-dir и --format используются вместе</translation>
    </message>
    <message>
        <source>no input files were given</source>
        <translation>не указаны входные файлы</translation>
    </message>
    <message>
        <source>standard input converts on its own: sayora-convert - OUTPUT</source>
        <translation>стандартный ввод преобразуется отдельно: sayora-convert - OUTPUT</translation>
    </message>
    <message>
        <source>--subtitles names one file: use it with a single INPUT OUTPUT</source>
        <translation>--subtitles называет один файл: используйте с одной парой INPUT OUTPUT</translation>
    </message>
    <message>
        <source>--split-minutes and --split-size go with a single INPUT OUTPUT</source>
        <translation>--split-minutes и --split-size используются с одной парой INPUT OUTPUT</translation>
    </message>
    <message>
        <source>--skip-existing goes with --output-dir and --format</source>
        <translation>--skip-existing используется с --output-dir и --format</translation>
    </message>
    <message>
        <source>an INPUT and an OUTPUT file are needed</source>
        <translation>нужны файлы INPUT и OUTPUT</translation>
    </message>
    <message>
        <source>too many files: use --output-dir and --format for several</source>
        <translation>слишком много файлов: для нескольких используйте --output-dir и --format</translation>
    </message>
    <message>
        <source>- as the OUTPUT writes to standard output in the format --format names</source>
        <translation>- в качестве OUTPUT пишет в стандартный вывод в формате, заданном --format</translation>
    </message>
    <message>
        <source>standard output takes one sound file: mp3, wav, ogg or opus</source>
        <translation>в стандартный вывод пишется один звуковой файл: mp3, wav, ogg или opus</translation>
    </message>
    <message>
        <source>the OUTPUT &quot;%1&quot; is a folder: name the file to write</source>
        <translation>OUTPUT «%1» — папка: укажите файл для записи</translation>
    </message>
    <message>
        <source>the OUTPUT &quot;%1&quot; must end in .mp3, .wav, .ogg, .opus, .flac, .m4b or .txt</source>
        <translation>OUTPUT «%1» должен оканчиваться на .mp3, .wav, .ogg, .opus, .flac, .m4b или .txt</translation>
    </message>
    <message>
        <source>--split-minutes and --split-size split speech: the OUTPUT must not be a .txt</source>
        <translation>--split-minutes и --split-size делят речь: OUTPUT не должен быть .txt</translation>
    </message>
    <message>
        <source>--split-size goes with .mp3 and .wav, whose sizes are known as they are made; use --split-minutes</source>
        <translation>--split-size работает с .mp3 и .wav, размер которых известен по ходу записи; используйте --split-minutes</translation>
    </message>
    <message>
        <source>subtitles go with speech: the OUTPUT must not be a .txt</source>
        <translation>субтитры прилагаются к речи: OUTPUT не должен быть .txt</translation>
    </message>
    <message>
        <source>--chapter-marks goes with an .mp3 OUTPUT (an .m4b has its chapters anyway)</source>
        <translation>--chapter-marks используется с OUTPUT .mp3 (в .m4b главы есть и так)</translation>
    </message>
    <message>
        <source>chapter marks make one file: not with --split-minutes or --split-size</source>
        <translation>метки глав дают один файл: не вместе с --split-minutes или --split-size</translation>
    </message>
    <message>
        <source>the subtitle file &quot;%1&quot; must be a file of its own</source>
        <translation>файл субтитров «%1» должен быть отдельным файлом</translation>
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
        <translation>Использование: sayora-convert [ПАРАМЕТРЫ] INPUT OUTPUT
               sayora-convert [ПАРАМЕТРЫ] --output-dir DIR --format FORMAT INPUT...
               sayora-convert --list-voices

Читает текст вслух в звуковой файл голосами Sayora или превращает его в
простой текст. INPUT — файл текста, RTF, PDF, EPUB, DOCX, ODT или HTML,
прочитанный так же, как его читает кнопка «Открыть» в Sayora, или - для
стандартного ввода. Расширение OUTPUT определяет, что записывается (- и
--format FORMAT: стандартный вывод в этом формате):
  .mp3   речь, закодированная lame
  .wav   речь, 16-битный PCM
  .ogg   речь, Ogg Vorbis      .opus  речь, Ogg Opus
  .flac  речь, FLAC (без потерь)
  .m4b   аудиокнига: AAC в MP4 с отмеченными главами книги
  .txt   простой текст, который показывает Sayora, в UTF-8

Параметры:
      --voice NAME        голос под именем, которое показывает
                          --list-voices (имя, краткое имя или язык); по
                          умолчанию первый голос Sayora или голос языка
                          текста, если первый не может его прочитать
      --rate N            темп, 0-100, как на полосе темпа Sayora
      --pitch N           высота, 0-100, как на полосе высоты (голоса flite;
                          голоса espeak-ng сохраняют свою)
      --volume N          громкость, 0-100, как на полосе громкости
      --subtitles FILE    также записать субтитры с разметкой по
                          предложениям: .srt, .lrc или .vtt
      --rules FILE        произносить слова по правилам произношения из FILE
                          (одно правило в строке: написание TAB произношение
                          [TAB параметры]) вместо ваших собственных списков в
                          ~/.config/sayora; нечитаемая строка даёт
                          предупреждение с её номером
      --no-rules          никаких правил произношения
      --no-language-switch
                          читать весь текст одним голосом; по умолчанию
                          предложение на другом языке (в другой письменности
                          или достаточно длинное, чтобы его распознал
                          определитель языка) читает лучший установленный
                          голос этого языка
      --encoding NAME     кодировка входных файлов простого текста
                          (windows-1251, Shift_JIS, ...); по умолчанию UTF-8
                          или Windows-1252 с предупреждением, если байты не в
                          UTF-8
  -o, --output-dir DIR    преобразовать каждый INPUT в DIR под его именем
  -f, --format FORMAT     с --output-dir или OUTPUT -: mp3, wav, ogg, opus,
                          flac, m4b или txt
  -j, --jobs N            одновременные преобразования с --output-dir, иначе
                          одновременно создаваемые части одного текста (по
                          умолчанию по одному на процессор; 1 создаёт текст
                          целиком)
      --skip-existing     с --output-dir: пропускать каждый INPUT, результат
                          которого уже есть (повторный запуск после ошибки
                          делает только недостающее)
      --bitrate KBPS      для MP3 (постоянный), Ogg Vorbis и Opus (средний);
                          у FLAC и WAV его нет (об этом сообщается)
      --split-minutes N   OUTPUT в виде «NAME 01.EXT», «NAME 02.EXT»… не
                          длиннее N минут каждый, с разрезом в конце
                          предложения (более длинное — на границе части
                          предложения; о не поместившемся сообщается), и
                          список воспроизведения «NAME.m3u»
      --split-size MB     то же по размеру (.mp3 и .wav)
      --split chapters    книга по файлу на главу в OUTPUT, папку (см. ниже)
      --title TEXT, --artist TEXT, --album TEXT, --track N[/TOTAL]
                          теги (ID3 в MP3, комментарии Vorbis в Ogg, Opus и
                          FLAC)
      --chapter-marks     с OUTPUT .mp3: отметить главы книги в её теге ID3
                          (кадры CHAP и CTOC), которые проигрыватели
                          аудиокниг показывают списком глав
      --progress-lines    выводить строки «done FRACTION» в стандартный
                          вывод по ходу работы, чтобы за ней следила
                          программа
      --list-voices       вывести голоса, по одному в строке (имя, краткое
                          имя, язык, движок; через табуляцию), и выйти
  -q, --quiet             без индикатора хода
  -h, --help              вывести эту справку и выйти
  -V, --version           вывести версию и выйти

Существующий результат заменяется только после того, как новый файл готов
целиком. Скрытые временные файлы, которые резко прерванное преобразование
оставляет рядом со своим результатом (.NAME.XXXXXX.wav и .mp3, а также папка
частей длинного текста, .NAME.XXXXXX.parts), удаляет следующее
преобразование в этой папке: только те, что преобразование записало как свои
в ~/.local/state/sayora, после его окончания. Преобразование, которое не
поместится в свободное место своей папки, отклоняется до начала.

Код завершения: 0 успех, 1 неверная командная строка, 2 вход не читается,
3 неизвестный голос или голос, который не загружается, 4 создание или
кодирование не удалось и не удастся снова, 5 не удалось по причине, которая
может пройти (диск был заполнен или мал для результата, кодировщик или
рабочий процесс завершён сигналом): стоит попробовать снова. Пакет
завершается с кодом первого входа, который не удалось преобразовать.
</translation>
    </message>
    <message>
        <source>FFmpeg has no AAC encoder</source>
        <translation type="vanished">в FFmpeg нет кодировщика AAC</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="vanished">недостаточно памяти</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%L1 ГБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%L1 МБ</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%L1 КБ</translation>
    </message>
    <message>
        <source>the folder %1 has %2 free, and this conversion needs at least %3</source>
        <translation>в папке %1 свободно %2, а этому преобразованию нужно не менее %3</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, осталось %1</translation>
    </message>
    <message>
        <source>Ogg Vorbis reaches %1 to %2 kbit/s at this voice&apos;s sample rate, not %3; the nearest was taken</source>
        <translation>Ogg Vorbis при частоте дискретизации этого голоса даёт от %1 до %2 кбит/с, а не %3; взято ближайшее значение</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>файл не открыт</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n chapters</source>
        <translation>
            <numerusform>%1: %2 из %n главы</numerusform>
            <numerusform>%1: %2 из %n глав</numerusform>
            <numerusform>%1: %2 из %n глав</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files</source>
        <translation>
            <numerusform>%1 из %n файла</numerusform>
            <numerusform>%1 из %n файлов</numerusform>
            <numerusform>%1 из %n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sayora-convert: %1 of %n files converted</source>
        <translation>
            <numerusform>sayora-convert: преобразовано %1 из %n файла</numerusform>
            <numerusform>sayora-convert: преобразовано %1 из %n файлов</numerusform>
            <numerusform>sayora-convert: преобразовано %1 из %n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n skipped (already there)</source>
        <translation>
            <numerusform>, %n пропущен (уже есть)</numerusform>
            <numerusform>, %n пропущено (уже есть)</numerusform>
            <numerusform>, %n пропущено (уже есть)</numerusform>
        </translation>
    </message>
    <message>
        <source>with --split, --subtitle-format takes srt, lrc or vtt, not &quot;%1&quot;</source>
        <translation>с --split параметр --subtitle-format принимает srt, lrc или vtt, а не «%1»</translation>
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
Книга, по файлу на главу:
       sayora-convert [ПАРАМЕТРЫ] --split chapters INPUT DIR
Записывает «01 Название.mp3», «02 Название.mp3»… в DIR, по одному на главу
(оглавление EPUB, структура PDF, заголовки верхнего уровня DOCX, ODT или
HTML; текст перед первой главой читается вместе с ней), с тегами главы,
названия и автора книги и номера дорожки, и список воспроизведения
«НАЗВАНИЕ КНИГИ.m3u8» по порядку. --format mp3 (по умолчанию), wav, ogg, opus, flac или m4b;
--subtitle-format srt, lrc или vtt (или --subtitles srt, lrc или vtt)
записывает рядом «01 Название.srt»… Ошибка останавливает разбиение: главы,
готовые до неё, сохраняются целиком, а список воспроизведения не
записывается.
</translation>
    </message>
</context>
<context>
    <name>ConverterRun</name>
    <message>
        <source>The converter &quot;sayora-convert&quot; could not be started: %1</source>
        <translation>Не удалось запустить конвертер «sayora-convert»: %1</translation>
    </message>
    <message>
        <source>The converter stopped unexpectedly.</source>
        <translation>Конвертер неожиданно остановился.</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>Rich Text (*.rtf)</source>
        <translation>Форматированный текст (*.rtf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Текст (*.txt)</translation>
    </message>
    <message>
        <source>Documents (*.pdf *.epub *.docx *.odt *.html *.htm)</source>
        <translation>Документы (*.pdf *.epub *.docx *.odt *.html *.htm)</translation>
    </message>
    <message>
        <source>All readable files (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)</source>
        <translation>Все читаемые файлы (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)</translation>
    </message>
</context>
<context>
    <name>DocumentReader</name>
    <message>
        <source>it is not a Word document (its main part is missing).</source>
        <translation>это не документ Word (нет его основной части).</translation>
    </message>
    <message>
        <source>the file is damaged (its text cannot be read).</source>
        <translation>файл повреждён (его текст не читается).</translation>
    </message>
    <message>
        <source>it is not a complete EPUB book (its list of contents is missing).</source>
        <translation>это неполная книга EPUB (нет списка содержимого).</translation>
    </message>
    <message>
        <source>it is not a complete EPUB book (its package document is missing).</source>
        <translation>это неполная книга EPUB (нет документа пакета).</translation>
    </message>
    <message>
        <source>the book is encrypted (protected by DRM), so its text cannot be read.</source>
        <translation>книга зашифрована (защищена DRM), поэтому её текст не читается.</translation>
    </message>
    <message>
        <source>the book has no text to read.</source>
        <translation>в книге нет текста для чтения.</translation>
    </message>
    <message>
        <source>it is not a readable HTML page.</source>
        <translation>это не читаемая страница HTML.</translation>
    </message>
    <message>
        <source>it is encrypted (protected with a password).</source>
        <translation>он зашифрован (защищён паролем).</translation>
    </message>
    <message>
        <source>it is not an OpenDocument text (its content is missing).</source>
        <translation>это не текст OpenDocument (нет его содержимого).</translation>
    </message>
    <message>
        <source>the file is damaged (it is not a readable PDF).</source>
        <translation>файл повреждён (это не читаемый PDF).</translation>
    </message>
    <message>
        <source>the PDF has no pages.</source>
        <translation>в PDF нет страниц.</translation>
    </message>
    <message>
        <source>it has no text to read: its pages are pictures only (a scan?). Text recognition (OCR) would have to turn them into text first.</source>
        <translation>в нём нет текста для чтения: страницы состоят только из изображений (скан?). Сначала их нужно превратить в текст распознаванием (OCR).</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>документом PDF</translation>
    </message>
    <message>
        <source>an EPUB book</source>
        <translation>книгой EPUB</translation>
    </message>
    <message>
        <source>a Word document</source>
        <translation>документом Word</translation>
    </message>
    <message>
        <source>an OpenDocument text</source>
        <translation>текстом OpenDocument</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>имя файла не указано.</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>файл не существует.</translation>
    </message>
    <message>
        <source>the file cannot be read (%1).</source>
        <translation>файл не удаётся прочитать (%1).</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>это папка, а не файл.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>это не обычный файл.</translation>
    </message>
    <message>
        <source>the file is too large (the limit is %1 MB).</source>
        <translation>файл слишком велик (предел — %L1 МБ).</translation>
    </message>
    <message>
        <source>it is an older Office document (such as a .doc), which Sayora does not read; save it as .docx or .odt.</source>
        <translation>это старый документ Office (например, .doc), который Sayora не читает; сохраните его как .docx или .odt.</translation>
    </message>
    <message>
        <source>it is an OpenDocument file of another kind (a spreadsheet or a presentation?), not a text.</source>
        <translation>это файл OpenDocument другого вида (таблица или презентация?), а не текст.</translation>
    </message>
    <message>
        <source>it is named &quot;.%1&quot; but is not %2 (it is another kind of ZIP archive).</source>
        <translation>он называется «.%1», но не является %2 (это другой вид архива ZIP).</translation>
    </message>
    <message>
        <source>it is a ZIP archive, not a document.</source>
        <translation>это архив ZIP, а не документ.</translation>
    </message>
    <message>
        <source>it is named &quot;.%1&quot; but is not %2 (its contents are something else).</source>
        <translation>он называется «.%1», но не является %2 (его содержимое — что-то другое).</translation>
    </message>
    <message>
        <source>it is not a text or RTF document.</source>
        <translation>это не текстовый документ и не RTF.</translation>
    </message>
    <message>
        <source>a part of the document is missing.</source>
        <translation>часть документа отсутствует.</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB, more than any document to be read aloud.</source>
        <translation>он распаковывается в более чем %L1 МБ — больше любого документа для чтения вслух.</translation>
    </message>
    <message>
        <source>the file is damaged (its ZIP container cannot be read).</source>
        <translation>файл повреждён (его контейнер ZIP не читается).</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Select A File</source>
        <translation>Выбор файла</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> пт</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Полужирный</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Курсив</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>П&amp;одчёркнутый</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Зачёркнутый</translation>
    </message>
    <message>
        <source>&amp;Colour…</source>
        <translation>&amp;Цвет…</translation>
    </message>
    <message>
        <source>The quick brown fox jumps over the lazy dog.</source>
        <translation>Съешь же ещё этих мягких французских булок, да выпей чаю.</translation>
    </message>
    <message>
        <source>&amp;Face:</source>
        <translation>&amp;Гарнитура:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Размер:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Начертание:</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>Цвет текста:</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Цвет текста</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>no key is set</source>
        <translation>клавиша не задана</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>нет сеансовой шины</translation>
    </message>
</context>
<context>
    <name>GrowingWaveEncoder</name>
    <message>
        <source>the rendered sound cannot be read: %1</source>
        <translation>не удаётся прочитать созданный звук: %1</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>остановлено</translation>
    </message>
    <message>
        <source>the rendered sound cannot be read</source>
        <translation>не удаётся прочитать созданный звук</translation>
    </message>
    <message>
        <source>the rendered sound cannot be read (it ends before its header says)</source>
        <translation>не удаётся прочитать созданный звук (он обрывается раньше, чем указано в заголовке)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>How does it work? </source>
        <translation>Как это работает? </translation>
    </message>
    <message>
        <source>How to listen to the text of a web page ?</source>
        <translation>Как прослушать текст веб-страницы?</translation>
    </message>
    <message>
        <source>When you browse with Internet Explorer 5.0(or above version) ,</source>
        <translation>Когда вы просматриваете страницы в Internet Explorer 5.0 (или новее),</translation>
    </message>
    <message>
        <source>use your mouse to select the text you want to listen to, right-click mouse ,</source>
        <translation>выделите мышью текст, который хотите прослушать, щёлкните правой кнопкой,</translation>
    </message>
    <message>
        <source>and a &quot;Speak by Sayora&quot; command will be on the popup drop down menu ,</source>
        <translation>и в контекстном меню появится команда «Прочитать в Sayora»;</translation>
    </message>
    <message>
        <source>click it ,the selected text will be spoken.</source>
        <translation>выберите её, и выделенный текст будет прочитан.</translation>
    </message>
    <message>
        <source>How to listen to Microsoft WORD document ?</source>
        <translation>Как прослушать документ Microsoft WORD?</translation>
    </message>
    <message>
        <source>If you have installed Microsoft WORD, then after installing Sayora,</source>
        <translation>Если у вас установлен Microsoft WORD, то после установки Sayora</translation>
    </message>
    <message>
        <source>a little yellow speaker icon will appears in your Microsoft WORD tool bar.</source>
        <translation>на панели инструментов Microsoft WORD появится маленький жёлтый значок динамика.</translation>
    </message>
    <message>
        <source>Click on it (or push the key &quot;F12&quot;), all the text in Word document will be spoken.</source>
        <translation>Щёлкните его (или нажмите «F12»), и весь текст документа Word будет прочитан.</translation>
    </message>
    <message>
        <source>You can select some text in word document to be spoken.</source>
        <translation>Можно выделить в документе Word часть текста для чтения.</translation>
    </message>
    <message>
        <source>  The macro file &quot;Speak.dot&quot; within this software is safe, please use it.</source>
        <translation>  Файл макросов «Speak.dot» из этой программы безопасен, пользуйтесь им.</translation>
    </message>
    <message>
        <source>Advice:</source>
        <translation>Совет:</translation>
    </message>
    <message>
        <source>Install a good anti-virus software and set Macro&apos;s security of MS WORD to Low</source>
        <translation>Установите хороший антивирус и задайте в MS WORD низкий уровень безопасности макросов</translation>
    </message>
    <message>
        <source>If there&apos;s no Speaker on your MS WORD tool bar ,click here to add it.</source>
        <translation>Если на панели инструментов MS WORD нет динамика, щёлкните здесь, чтобы добавить его.</translation>
    </message>
    <message>
        <source>How to listen to text file(*.txt or *.rtf files) in explorer ?</source>
        <translation>Как прослушать текстовый файл (*.txt или *.rtf) в проводнике?</translation>
    </message>
    <message>
        <source>Right-click text file (*.txt or *.rtf files)  in explorer, select &quot;Speak by Sayora&quot; command,</source>
        <translation>Щёлкните правой кнопкой текстовый файл (*.txt или *.rtf) в проводнике, выберите «Прочитать в Sayora»,</translation>
    </message>
    <message>
        <source>the text file will be spoken .</source>
        <translation>и текстовый файл будет прочитан.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Примечания:</translation>
    </message>
    <message>
        <source>After install Sayora, restart your computer to make full features take effective.</source>
        <translation>После установки Sayora перезагрузите компьютер, чтобы заработали все возможности.</translation>
    </message>
    <message>
        <source>Read the Sayora help page</source>
        <translation>Открыть справку Sayora</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>The help page %1 could not be opened: no program to show it was found.</source>
        <translation>Не удалось открыть страницу справки %1: не найдена программа для её показа.</translation>
    </message>
    <message>
        <source>Can not find MS WORD</source>
        <translation>MS WORD не найден</translation>
    </message>
    <message>
        <source>Retrieve Microsoft Office path fail</source>
        <translation>Не удалось определить путь к Microsoft Office</translation>
    </message>
    <message>
        <source>Copy %1 TO %2 Successfully . The speaker has been added to your MS WORD tool bar!</source>
        <translation>%1 успешно скопирован в %2. Динамик добавлен на панель инструментов MS WORD!</translation>
    </message>
    <message>
        <source>Can not find %1 file</source>
        <translation>Файл %1 не найден</translation>
    </message>
    <message>
        <source>The file %1 is opening , please close your MS WORD</source>
        <translation>Файл %1 открыт, закройте MS WORD</translation>
    </message>
    <message>
        <source>Add Speaker to MS WORD Error</source>
        <translation>Ошибка добавления динамика в MS WORD</translation>
    </message>
    <message>
        <source>%1  %2 (Whould you like E-Mail this error message to me ? My email is %3)</source>
        <translation>%1  %2 (Отправить мне это сообщение об ошибке по электронной почте? Мой адрес: %3)</translation>
    </message>
</context>
<context>
    <name>InstallerFile</name>
    <message>
        <source>The folder %1 cannot be opened: %2</source>
        <translation>Не удаётся открыть папку %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user or can be changed by other users, so no installer is downloaded into it. Make it yours and writable by you alone (chmod 700).</source>
        <translation>Папка %1 принадлежит другому пользователю или может изменяться другими пользователями, поэтому установщик в неё не загружается. Сделайте её своей и доступной для записи только вам (chmod 700).</translation>
    </message>
    <message>
        <source>The old installer %1 cannot be removed: %2</source>
        <translation>Не удаётся удалить старый установщик %1: %2</translation>
    </message>
    <message>
        <source>The installer %1 cannot be created: %2</source>
        <translation>Не удаётся создать установщик %1: %2</translation>
    </message>
    <message>
        <source>the file was not written whole</source>
        <translation>файл записан не полностью</translation>
    </message>
    <message>
        <source>it could not be started</source>
        <translation>его не удалось запустить</translation>
    </message>
    <message>
        <source>it is neither a program nor a script with an interpreter line (#!)</source>
        <translation>это не программа и не сценарий со строкой интерпретатора (#!)</translation>
    </message>
    <message>
        <source>it may not be run from this folder</source>
        <translation>его нельзя запускать из этой папки</translation>
    </message>
    <message>
        <source>the interpreter its first line names is missing</source>
        <translation>интерпретатор, указанный в его первой строке, отсутствует</translation>
    </message>
</context>
<context>
    <name>InternetTransfer</name>
    <message>
        <source>%1 MiB</source>
        <translation>%L1 МиБ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address.</source>
        <translation>«%1» — не адрес сервера.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses plain http, which anyone on the way can change; only https is accepted (plain http only on this computer&apos;s own loopback address).</source>
        <translation>«%1» использует незашифрованный http, который может изменить любой на пути; принимается только https (незашифрованный http — только на адресе обратной петли этого компьютера).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an https nor a loopback http address.</source>
        <translation>«%1» — не адрес https и не адрес http обратной петли.</translation>
    </message>
    <message>
        <source>The server redirected to an address that is not accepted: %1</source>
        <translation>Сервер перенаправил на недопустимый адрес: %1</translation>
    </message>
    <message>
        <source>The server redirected from https to plain http (&quot;%1&quot;); that is not followed.</source>
        <translation>Сервер перенаправил с https на незашифрованный http («%1»); переход не выполняется.</translation>
    </message>
    <message>
        <source>The server redirected over plain http to another host (&quot;%1&quot;); that is not followed.</source>
        <translation>Сервер перенаправил по незашифрованному http на другой узел («%1»); переход не выполняется.</translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation>Ответ больше %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The server did not answer for %n seconds.</source>
        <translation>
            <numerusform>Сервер не отвечал %n секунду.</numerusform>
            <numerusform>Сервер не отвечал %n секунды.</numerusform>
            <numerusform>Сервер не отвечал %n секунд.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeyboardAccess</name>
    <message>
        <source>Text box scroll bar</source>
        <translation>Полоса прокрутки текстового поля</translation>
    </message>
    <message>
        <source>Text box horizontal scroll bar</source>
        <translation>Горизонтальная полоса прокрутки текстового поля</translation>
    </message>
    <message>
        <source>Button panel</source>
        <translation>Панель кнопок</translation>
    </message>
    <message>
        <source>Voice list</source>
        <translation>Список голосов</translation>
    </message>
    <message>
        <source>Back colour of the text box</source>
        <translation>Цвет фона текстового поля</translation>
    </message>
    <message>
        <source>Text colour of the text box</source>
        <translation>Цвет текста текстового поля</translation>
    </message>
    <message>
        <source>Wave rendering control</source>
        <translation>Элемент вывода звука</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Export done</source>
        <translation>Экспорт завершён</translation>
    </message>
</context>
<context>
    <name>LanguageSwitchOption</name>
    <message>
        <source>Read other languages with their own voices</source>
        <translation>Читать другие языки их собственными голосами</translation>
    </message>
</context>
<context>
    <name>M4bWriter</name>
    <message>
        <source>Sayora&apos;s M4B writing is missing or damaged (%1)</source>
        <translation>модуль записи M4B программы Sayora отсутствует или повреждён (%1)</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>the MP3 encoder could not be started</source>
        <translation>не удалось запустить кодировщик MP3</translation>
    </message>
    <message>
        <source>the MP3 encoder does not take this sound (%1 Hz at %2 kbit/s)</source>
        <translation>кодировщик MP3 не принимает этот звук (%1 Гц при %2 кбит/с)</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (error %1)</source>
        <translation>сбой кодировщика MP3 (ошибка %1)</translation>
    </message>
    <message>
        <source>the MP3 encoder was not started</source>
        <translation>кодировщик MP3 не был запущен</translation>
    </message>
</context>
<context>
    <name>Mp3End</name>
    <message>
        <source>Convert text to</source>
        <translation>Текст преобразован в</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>Успешно!</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Воспроизвести</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>No program to play MP3 files was found on this desktop.</source>
        <translation>На этом рабочем столе не найдена программа для воспроизведения файлов MP3.</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>Файл: %1</translation>
    </message>
</context>
<context>
    <name>PartEncoder</name>
    <message>
        <source>the rendered sound cannot be read</source>
        <translation type="vanished">не удаётся прочитать созданный звук</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">остановлено</translation>
    </message>
</context>
<context>
    <name>PdfReader</name>
    <message>
        <source>Sayora&apos;s PDF reading is missing or damaged (%1)</source>
        <translation>Модуль чтения PDF в Sayora отсутствует или повреждён (%1)</translation>
    </message>
</context>
<context>
    <name>PieceConversion</name>
    <message>
        <source>the converter could not be started again (%1)</source>
        <translation>не удалось снова запустить конвертер (%1)</translation>
    </message>
    <message>
        <source>the conversion stopped unexpectedly</source>
        <translation>преобразование неожиданно прервалось</translation>
    </message>
    <message>
        <source>the parts could not be joined: %1</source>
        <translation>не удалось соединить части: %1</translation>
    </message>
    <message>
        <source>the MP3&apos;s tag could not be written</source>
        <translation>не удалось записать тег MP3</translation>
    </message>
    <message>
        <source>the parts could not be joined</source>
        <translation>не удалось соединить части</translation>
    </message>
    <message>
        <source>the speech is longer than the 4 GB a WAV file can hold; convert it to MP3, or in parts</source>
        <translation>речь длиннее 4 ГБ, которые вмещает файл WAV; преобразуйте её в MP3 или по частям</translation>
    </message>
    <message>
        <source>sayora-convert: %1 is over the limit: a sentence in it is longer than the limit and cannot be cut</source>
        <translation>sayora-convert: %1 превышает предел: предложение в нём длиннее предела и не может быть разрезано</translation>
    </message>
    <message>
        <source>the subtitles of a part cannot be read</source>
        <translation type="vanished">не удаётся прочитать субтитры части</translation>
    </message>
</context>
<context>
    <name>PortalShortcut</name>
    <message>
        <source>no session bus</source>
        <translation>нет сеансовой шины</translation>
    </message>
    <message>
        <source>the desktop portal offers no global shortcuts (%1)</source>
        <translation>портал рабочего стола не предоставляет глобальных сочетаний клавиш (%1)</translation>
    </message>
    <message>
        <source>the desktop portal refused a shortcut session (%1)</source>
        <translation>портал рабочего стола отказал в сеансе сочетаний клавиш (%1)</translation>
    </message>
    <message>
        <source>the desktop portal gave no shortcut session</source>
        <translation>портал рабочего стола не предоставил сеанс сочетаний клавиш</translation>
    </message>
    <message>
        <source>the desktop portal refused the shortcut (%1)</source>
        <translation>портал рабочего стола отклонил сочетание клавиш (%1)</translation>
    </message>
    <message>
        <source>the shortcut was declined</source>
        <translation>сочетание клавиш не было принято</translation>
    </message>
    <message>
        <source>the desktop portal refused the shortcut</source>
        <translation>портал рабочего стола отклонил сочетание клавиш</translation>
    </message>
</context>
<context>
    <name>PronunciationRules</name>
    <message>
        <source>no written text</source>
        <translation>нет написанного текста</translation>
    </message>
    <message>
        <source>a tab or line break inside the rule</source>
        <translation>табуляция или перевод строки внутри правила</translation>
    </message>
    <message>
        <source>blanks at the start or end of a field</source>
        <translation>пробелы в начале или конце поля</translation>
    </message>
    <message>
        <source>a written text starting with &quot;#&quot; reads as a comment (write it as the regular expression &quot;\#...&quot;)</source>
        <translation>написанный текст, начинающийся с «#», считается комментарием (запишите его как регулярное выражение «\#...»)</translation>
    </message>
    <message>
        <source>not a valid regular expression (%1 at character %2)</source>
        <translation>недопустимое регулярное выражение (%1 в символе %2)</translation>
    </message>
    <message>
        <source>not a valid regular expression (%1)</source>
        <translation>недопустимое регулярное выражение (%1)</translation>
    </message>
    <message>
        <source>the regular expression matches empty text</source>
        <translation>регулярное выражение совпадает с пустым текстом</translation>
    </message>
    <message>
        <source>the spoken form names group %1, which the expression does not have</source>
        <translation>произносимая форма ссылается на группу %1, которой нет в выражении</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>текст не в UTF-8</translation>
    </message>
    <message>
        <source>no tab between the written text and the spoken form</source>
        <translation>нет табуляции между написанным текстом и произносимой формой</translation>
    </message>
    <message>
        <source>more than three fields (written, spoken, options)</source>
        <translation>больше трёх полей (написание, произношение, параметры)</translation>
    </message>
</context>
<context>
    <name>PronunciationWindow</name>
    <message>
        <source>Pronunciation</source>
        <translation>Произношение</translation>
    </message>
    <message>
        <source>Rule list</source>
        <translation>Список правил</translation>
    </message>
    <message>
        <source>All voices</source>
        <translation>Все голоса</translation>
    </message>
    <message>
        <source>Voices in %1 (%2)</source>
        <translation>Голоса: %1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Rules for:</source>
        <translation>Правил&amp;а для:</translation>
    </message>
    <message>
        <source>Pronunciation rules</source>
        <translation>Правила произношения</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Написание</translation>
    </message>
    <message>
        <source>Spoken</source>
        <translation>Произношение</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Целые слова</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Учитывать регистр</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Регулярное выражение</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Выше</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Ниже</translation>
    </message>
    <message>
        <source>Text to say</source>
        <translation>Текст для произнесения</translation>
    </message>
    <message>
        <source>&amp;Try:</source>
        <translation>&amp;Проба:</translation>
    </message>
    <message>
        <source>&amp;Say it</source>
        <translation>П&amp;роизнести</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Add a rule for this word</source>
        <translation>Добавить правило для этого слова</translation>
    </message>
    <message>
        <source>Pronunciation...</source>
        <translation>Произношение…</translation>
    </message>
    <message>
        <source>Type how &quot;%1&quot; is said, then press Enter.</source>
        <translation>Введите, как произносится «%1», и нажмите Enter.</translation>
    </message>
    <message>
        <source>Line %1 of %2 was skipped: %3.</source>
        <translation>Строка %1 файла %2 пропущена: %3.</translation>
    </message>
    <message>
        <source>Rule %1 is not in use: %2.</source>
        <translation>Правило %1 не используется: %2.</translation>
    </message>
    <message>
        <source>The rules could not be saved in %1: %2.</source>
        <translation>Не удалось сохранить правила в %1: %2.</translation>
    </message>
    <message>
        <source>Saying: %1</source>
        <translation>Произносится: %1</translation>
    </message>
</context>
<context>
    <name>SaveTypes</name>
    <message>
        <source>Rich Text File(*.rtf)</source>
        <translation>Файл форматированного текста (*.rtf)</translation>
    </message>
    <message>
        <source>Text File(*.txt)</source>
        <translation>Текстовый файл (*.txt)</translation>
    </message>
    <message>
        <source>MP3 File (*.mp3)</source>
        <translation>Файл MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>Audiobook, a file per chapter (*)</source>
        <translation>Аудиокнига, по файлу на главу (*)</translation>
    </message>
    <message>
        <source>MP3 with chapter marks (*.mp3)</source>
        <translation>MP3 с метками глав (*.mp3)</translation>
    </message>
    <message>
        <source>M4B audiobook with chapters (*.m4b)</source>
        <translation>Аудиокнига M4B с главами (*.m4b)</translation>
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
        <translation>%1 уже существует. Заменить его?</translation>
    </message>
</context>
<context>
    <name>SayoraMain</name>
    <message>
        <source>An export is running. Wait until it has finished, or press Esc or click its progress number to cancel it.</source>
        <translation>Идёт экспорт. Дождитесь его окончания или, чтобы отменить его, нажмите Esc или щёлкните по числу прогресса.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>Не удалось сохранить %1: %2</translation>
    </message>
    <message>
        <source>Text box</source>
        <translation>Текстовое поле</translation>
    </message>
    <message>
        <source>Change backcolor of text box</source>
        <translation>Изменить цвет фона текстового поля</translation>
    </message>
    <message>
        <source>Change font of text box</source>
        <translation>Изменить шрифт текстового поля</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Save as mp3, text file</source>
        <translation>Сохранить как MP3 или текстовый файл</translation>
    </message>
    <message>
        <source>Hide text box</source>
        <translation>Скрыть текстовое поле</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>Читать</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>set to head</source>
        <translation>в начало</translation>
    </message>
    <message>
        <source>How does it work?</source>
        <translation>Как это работает?</translation>
    </message>
    <message>
        <source>Click here to check new version</source>
        <translation>Щёлкните, чтобы проверить наличие новой версии</translation>
    </message>
    <message>
        <source>Not find speech engine</source>
        <translation>Речевой движок не найден</translation>
    </message>
    <message>
        <source>Change pronunciation</source>
        <translation>Изменить произношение</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Темп</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>Позиция в тексте</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2</source>
        <translation>Не удалось открыть «%1»: %2</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not read this text: nothing was spoken.</source>
        <translation>Голос «%1» не смог прочитать этот текст: ничего не произнесено.</translation>
    </message>
    <message>
        <source>Choose a voice of the text&apos;s language in the voice list and press Speak.</source>
        <translation>Выберите в списке голос на языке текста и нажмите «Читать».</translation>
    </message>
    <message>
        <source>Show text box</source>
        <translation>Показать текстовое поле</translation>
    </message>
    <message>
        <source>Resumed at %1 % where the reading stopped; Ctrl+Home reads from the start.</source>
        <translation>Продолжено с %1 %, где остановилось чтение; Ctrl+Home читает с начала.</translation>
    </message>
</context>
<context>
    <name>SayoraSelection</name>
    <message>
        <source>Usage: sayora-selection [--clipboard]
Reads the selected text (or with --clipboard the copied text) aloud with sayora.</source>
        <translation>Использование: sayora-selection [--clipboard]
Читает вслух с помощью sayora выделенный текст (или с --clipboard скопированный текст).</translation>
    </message>
    <message>
        <source>unknown option %1 (try --help)</source>
        <translation>неизвестный параметр %1 (попробуйте --help)</translation>
    </message>
    <message>
        <source>no X display to read the selection from (DISPLAY is not set)</source>
        <translation type="vanished">нет дисплея X, с которого можно прочитать выделение (DISPLAY не задан)</translation>
    </message>
    <message>
        <source>the clipboard holds no text</source>
        <translation>в буфере обмена нет текста</translation>
    </message>
    <message>
        <source>nothing is selected</source>
        <translation>ничего не выделено</translation>
    </message>
    <message>
        <source>the reader sayora was not found</source>
        <translation>программа чтения sayora не найдена</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>не удаётся запустить %1: %2</translation>
    </message>
    <message>
        <source>the reader ended abnormally</source>
        <translation>программа чтения завершилась аварийно</translation>
    </message>
    <message>
        <source>cannot read the clipboard: %1</source>
        <translation>не удаётся прочитать буфер обмена: %1</translation>
    </message>
    <message>
        <source>cannot read the selection: %1</source>
        <translation>не удаётся прочитать выделение: %1</translation>
    </message>
</context>
<context>
    <name>SelectionKey</name>
    <message>
        <source>Read the selected text aloud</source>
        <translation>Прочитать вслух выделенный текст</translation>
    </message>
    <message>
        <source>%1 cannot read the selection from other programs here (%2). Bind sayora-selection to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>%1 не может здесь прочитать выделение из других программ (%2). Вместо этого назначьте sayora-selection клавишу в настройках клавиатуры рабочего стола.</translation>
    </message>
</context>
<context>
    <name>SoundFileCommit</name>
    <message>
        <source>The MP3 encoder stopped before it had finished.</source>
        <translation>Кодировщик MP3 остановился, не закончив работу.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Папка %1 не существует.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to: it is a file.</source>
        <translation>В папку %1 нельзя записать: это файл.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>В папку %1 нельзя записать.</translation>
    </message>
    <message>
        <source>The speech was not rendered (no sound file).</source>
        <translation>Речь не создана (нет звукового файла).</translation>
    </message>
    <message>
        <source>The speech was not rendered completely (the sound file is damaged).</source>
        <translation>Речь создана не полностью (звуковой файл повреждён).</translation>
    </message>
    <message>
        <source>The voice produced no speech for this text.</source>
        <translation>Голос не произнёс этот текст.</translation>
    </message>
    <message>
        <source>The sound file could not be written: %1.</source>
        <translation>Не удалось записать звуковой файл: %1.</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed.</source>
        <translation>Кодировщик MP3 «lame» не установлен.</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish.</source>
        <translation>Кодировщик MP3 не завершил работу.</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started: %1</source>
        <translation>Не удалось запустить кодировщик MP3 «lame»: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1).</source>
        <translation>Ошибка кодировщика MP3 (код завершения %1).</translation>
    </message>
    <message>
        <source>The MP3 encoder did not write a complete MP3 file.</source>
        <translation>Кодировщик MP3 не записал полный файл MP3.</translation>
    </message>
    <message>
        <source>The permissions of %1 could not be set: %2</source>
        <translation type="vanished">Не удалось задать права доступа %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="vanished">Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation type="vanished">Не удалось заменить %1: %2</translation>
    </message>
    <message>
        <source>%1 is in place, but the system could not confirm that it reached the disk: %2</source>
        <translation type="vanished">%1 на месте, но система не смогла подтвердить, что он записан на диск: %2</translation>
    </message>
</context>
<context>
    <name>SpFileStream</name>
    <message>
        <source>Only creating a file for writing is supported.</source>
        <translation>Поддерживается только создание файла для записи.</translation>
    </message>
</context>
<context>
    <name>SpeechExport</name>
    <message>
        <source>The sound file could not be created: %1</source>
        <translation>Не удалось создать звуковой файл: %1</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not be started.</source>
        <translation>Не удалось запустить голос «%1».</translation>
    </message>
    <message>
        <source>The sound file could not be created.</source>
        <translation>Не удалось создать звуковой файл.</translation>
    </message>
    <message>
        <source>The voice did not accept the text.</source>
        <translation>Голос не принял текст.</translation>
    </message>
    <message>
        <source>The espeak-ng voices are not available.</source>
        <translation>Голоса espeak-ng недоступны.</translation>
    </message>
    <message>
        <source>The sound file could not be written: %1</source>
        <translation>Не удалось записать звуковой файл: %1</translation>
    </message>
    <message numerus="yes">
        <source>The speech rendering made no progress for %n seconds.</source>
        <translation>
            <numerusform>Создание речи не продвигалось %n секунду.</numerusform>
            <numerusform>Создание речи не продвигалось %n секунды.</numerusform>
            <numerusform>Создание речи не продвигалось %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>The sound could not be encoded: %1</source>
        <translation>Не удалось закодировать звук: %1</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>No available information</source>
        <translation>Нет сведений</translation>
    </message>
    <message>
        <source>Checking Server&apos;s IP</source>
        <translation>Определение IP-адреса сервера</translation>
    </message>
    <message>
        <source>Found Server&apos;s IP Successfully</source>
        <translation>IP-адрес сервера найден</translation>
    </message>
    <message>
        <source>Connecting Server</source>
        <translation>Подключение к серверу</translation>
    </message>
    <message>
        <source>Connected Server</source>
        <translation>Подключено к серверу</translation>
    </message>
    <message>
        <source>Requesting Server</source>
        <translation>Отправка запроса серверу</translation>
    </message>
    <message>
        <source>Requested Server</source>
        <translation>Запрос серверу отправлен</translation>
    </message>
    <message>
        <source>Waiting Server&apos;s Replay</source>
        <translation>Ожидание ответа сервера</translation>
    </message>
    <message>
        <source>Received Server&apos; Replay</source>
        <translation>Ответ сервера получен</translation>
    </message>
    <message>
        <source>Disconnecting Server</source>
        <translation>Отключение от сервера</translation>
    </message>
    <message>
        <source>Disconnected Server</source>
        <translation>Отключено от сервера</translation>
    </message>
    <message>
        <source>Unable to Connect to Server</source>
        <translation>Не удаётся подключиться к серверу</translation>
    </message>
    <message>
        <source>Request has been handled</source>
        <translation>Запрос обработан</translation>
    </message>
    <message>
        <source>Update Online----Sayora</source>
        <translation>Обновление через интернет — Sayora</translation>
    </message>
    <message>
        <source>Click&quot;Check&quot; button</source>
        <translation>Нажмите «Проверить»</translation>
    </message>
    <message>
        <source>Current version %1</source>
        <translation>Текущая версия %1</translation>
    </message>
    <message>
        <source>Sayora will be closed when update is running</source>
        <translation>Во время обновления Sayora будет закрыта</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Проверить</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Обновить</translation>
    </message>
    <message>
        <source>&amp;Return</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>Found new version %1</source>
        <translation>Найдена новая версия %1</translation>
    </message>
    <message>
        <source>Click&quot;Update&quot; button or</source>
        <translation>Нажмите «Обновить» или</translation>
    </message>
    <message>
        <source>access the following URL to update this software</source>
        <translation>откройте следующий адрес, чтобы обновить программу</translation>
    </message>
    <message>
        <source>No new version</source>
        <translation>Новой версии нет</translation>
    </message>
    <message>
        <source>Sorry, an error has occurred on the author&apos;s website, please try after a while</source>
        <translation>К сожалению, на сайте автора произошла ошибка, повторите попытку позже</translation>
    </message>
    <message>
        <source>The installer could not be written: the disk may be full.</source>
        <translation>Не удалось записать установщик: возможно, диск заполнен.</translation>
    </message>
    <message>
        <source>The installer was not downloaded. %1</source>
        <translation>Установщик не загружен. %1</translation>
    </message>
    <message>
        <source>The downloaded installer could not be verified, so it was not started. Please try again later.</source>
        <translation>Не удалось проверить загруженный установщик, поэтому он не запущен. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>The installer could not be started</source>
        <translation>Не удалось запустить установщик</translation>
    </message>
    <message>
        <source>The downloaded installer could not be started: %1. It has been deleted.</source>
        <translation>Не удалось запустить загруженный установщик: %1. Он удалён.</translation>
    </message>
</context>
<context>
    <name>WindowExport</name>
    <message>
        <source>Export progress: click or press Esc to cancel the export</source>
        <translation>Ход экспорта: щёлкните или нажмите Esc, чтобы отменить экспорт</translation>
    </message>
    <message>
        <source>Time the export has taken</source>
        <translation>Время, затраченное на экспорт</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Time the export still needs</source>
        <translation>Время до окончания экспорта</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>осталось %1</translation>
    </message>
    <message>
        <source>The pronunciation rules leave nothing to read aloud.</source>
        <translation>После правил произношения читать вслух нечего.</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed.</source>
        <translation>Кодировщик MP3 «lame» не установлен.</translation>
    </message>
    <message>
        <source>The text is too long for one MP3 export: its speech would need about %1 GB of sound on the way, more than the 4 GB a WAV file can hold. Save it as &quot;Audiobook, a file per chapter&quot;, &quot;MP3 with chapter marks&quot;, &quot;M4B audiobook&quot;, OGG Vorbis, Opus or FLAC, which have no such limit.</source>
        <translation>Текст слишком длинный для одного экспорта в MP3: по пути его речи понадобилось бы около %L1 ГБ звука — больше 4 ГБ, которые вмещает файл WAV. Сохраните его как «Аудиокнига, по файлу на главу», «MP3 с метками глав», «Аудиокнига M4B», OGG Vorbis, Opus или FLAC — у них такого предела нет.</translation>
    </message>
    <message>
        <source>The converter &quot;sayora-convert&quot; is not installed.</source>
        <translation>Конвертер «sayora-convert» не установлен.</translation>
    </message>
    <message>
        <source>The text could not be handed to the converter: %1</source>
        <translation>Не удалось передать текст конвертеру: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>В папку %1 нельзя записать.</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>Не удалось заменить %1.</translation>
    </message>
    <message>
        <source>%1 could not be created.</source>
        <translation>Не удалось создать %1.</translation>
    </message>
    <message>
        <source>The export component &quot;tavo&quot; could not be loaded (error 0x%1).</source>
        <translation>Не удалось загрузить компонент экспорта «tavo» (ошибка 0x%1).</translation>
    </message>
    <message>
        <source>Another Sayora window is exporting with a flite voice. Wait until it has finished, or export with an espeak-ng voice.</source>
        <translation>Другое окно Sayora выполняет экспорт голосом flite. Дождитесь окончания или экспортируйте голосом espeak-ng.</translation>
    </message>
    <message>
        <source>The registry store %1 cannot be written: the flite voices report the end of their rendering through it.</source>
        <translation>Не удаётся записать хранилище реестра %1: через него голоса flite сообщают об окончании вывода.</translation>
    </message>
    <message>
        <source>%1 could not be exported.

%2

Nothing was written to it.</source>
        <translation>Не удалось экспортировать %1.

%2

В него ничего не записано.</translation>
    </message>
    <message numerus="yes">
        <source>The registry store %1 stayed locked by another program for %n seconds.</source>
        <translation>
            <numerusform>Хранилище реестра %1 было заблокировано другой программой %n секунду.</numerusform>
            <numerusform>Хранилище реестра %1 было заблокировано другой программой %n секунды.</numerusform>
            <numerusform>Хранилище реестра %1 было заблокировано другой программой %n секунд.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The speech rendering made no progress for %n seconds.</source>
        <translation>
            <numerusform>Создание речи не продвигалось %n секунду.</numerusform>
            <numerusform>Создание речи не продвигалось %n секунды.</numerusform>
            <numerusform>Создание речи не продвигалось %n секунд.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The MP3 encoder made no progress for %n seconds.</source>
        <translation>
            <numerusform>Кодировщик MP3 не продвигался %n секунду.</numerusform>
            <numerusform>Кодировщик MP3 не продвигался %n секунды.</numerusform>
            <numerusform>Кодировщик MP3 не продвигался %n секунд.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WordSpeakerInstaller</name>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Путь не найден</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Ошибка доступа к пути или файлу</translation>
    </message>
</context>
<context>
    <name>X11KeyGrab</name>
    <message>
        <source>no X server</source>
        <translation>нет X-сервера</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one key with its modifiers</source>
        <translation>«%1» — не одна клавиша с модификаторами</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; cannot be grabbed</source>
        <translation>не удаётся перехватить клавишу «%1»</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is not on this keyboard</source>
        <translation>клавиши «%1» нет на этой клавиатуре</translation>
    </message>
    <message>
        <source>another program holds the key &quot;%1&quot;</source>
        <translation>клавиша «%1» занята другой программой</translation>
    </message>
</context>
</TS>
