<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AtomicFile</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>ファイルが開かれていません</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>%1 を置き換えられませんでした: %2</translation>
    </message>
    <message>
        <source>%1 is in place, but the system could not confirm that it reached the disk: %2</source>
        <translation>%1 は配置されましたが、ディスクに書き込まれたことをシステムが確認できませんでした: %2</translation>
    </message>
    <message>
        <source>The permissions of %1 could not be set: %2</source>
        <translation>%1 のアクセス権を設定できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>BookNavigation</name>
    <message>
        <source>This text has no chapters</source>
        <translation>このテキストには章がありません</translation>
    </message>
    <message>
        <source>Nothing further</source>
        <translation>これ以上ありません</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>先頭です</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>第 %1 章</translation>
    </message>
    <message>
        <source>Chapters...</source>
        <translation>章…</translation>
    </message>
    <message>
        <source>Move the reading</source>
        <translation>読み上げ位置の移動</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>次の文</translation>
    </message>
    <message>
        <source>Previous sentence</source>
        <translation>前の文</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>次の段落</translation>
    </message>
    <message>
        <source>Previous paragraph</source>
        <translation>前の段落</translation>
    </message>
    <message>
        <source>Next chapter</source>
        <translation>次の章</translation>
    </message>
    <message>
        <source>Previous chapter</source>
        <translation>前の章</translation>
    </message>
    <message>
        <source>Show the sentence being read</source>
        <translation>読み上げ中の文を表示</translation>
    </message>
</context>
<context>
    <name>ChapterList</name>
    <message>
        <source>Chapters</source>
        <translation>章</translation>
    </message>
    <message>
        <source>This text has no chapters.</source>
        <translation>このテキストには章がありません。</translation>
    </message>
    <message>
        <source>&amp;Chapters:</source>
        <translation>章(&amp;C):</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>第 %1 章</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1、レベル %2</translation>
    </message>
    <message>
        <source>  (being read)</source>
        <translation>  (読み上げ中)</translation>
    </message>
    <message>
        <source>, being read</source>
        <translation>、読み上げ中</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>移動(&amp;G)</translation>
    </message>
</context>
<context>
    <name>ChapterSplit</name>
    <message>
        <source>there is no text in it to read aloud</source>
        <translation>読み上げるテキストがありません</translation>
    </message>
    <message>
        <source>no voice is installed</source>
        <translation>音声が1つもインストールされていません</translation>
    </message>
    <message>
        <source>the MP3 encoder &quot;lame&quot; is not installed</source>
        <translation type="vanished">MP3 エンコーダー「lame」がインストールされていません</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>the folder cannot be written to</source>
        <translation>フォルダーに書き込めません</translation>
    </message>
    <message>
        <source>the converter could not be started again (%1)</source>
        <translation>変換プログラムを再起動できませんでした (%1)</translation>
    </message>
    <message>
        <source>the conversion stopped unexpectedly</source>
        <translation>変換が予期せず停止しました</translation>
    </message>
    <message>
        <source> No chapter was written.</source>
        <translation> 章は1つも書き込まれませんでした。</translation>
    </message>
    <message>
        <source> Chapters 1 to %1 of %2 were written and kept; no playlist was written.</source>
        <translation> 全 %2 章のうち第 1 章から第 %1 章までを書き込んで残しました。プレイリストは書き込まれていません。</translation>
    </message>
    <message>
        <source> The chapters were written; the playlist was not.</source>
        <translation> 章は書き込まれましたが、プレイリストは書き込まれませんでした。</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>the text is too large (the limit is %1 MB)</source>
        <translation>テキストが大きすぎます (上限は %L1 MB)</translation>
    </message>
    <message>
        <source>sayora-convert: %1: line %2: %3; the line was skipped</source>
        <translation>sayora-convert: %1: %2 行目: %3。この行は飛ばしました</translation>
    </message>
    <message>
        <source>sayora-convert: %1: not UTF-8, read as Windows-1252 (--encoding names another encoding)</source>
        <translation>sayora-convert: %1: UTF-8 ではないため Windows-1252 として読みました (別のエンコーディングは --encoding で指定)</translation>
    </message>
    <message>
        <source>sayora-convert: %1: some bytes are not %2 and were replaced</source>
        <translation>sayora-convert: %1: %2 でないバイトがあり、置き換えました</translation>
    </message>
    <message>
        <source>there is no text in it to read aloud</source>
        <translation>読み上げるテキストがありません</translation>
    </message>
    <message>
        <source>Chapter 1</source>
        <translation>第 1 章</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;</source>
        <translation>音声「%1」はありません</translation>
    </message>
    <message>
        <source>no voice is installed</source>
        <translation>音声が1つもインストールされていません</translation>
    </message>
    <message>
        <source>the pronunciation rules leave nothing to read aloud</source>
        <translation>発音ルールを適用すると読み上げるものが残りません</translation>
    </message>
    <message>
        <source>the MP3 encoder &quot;lame&quot; is not installed</source>
        <translation type="vanished">MP3 エンコーダー「lame」がインストールされていません</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>--split writes speech: --format takes mp3, wav, ogg, opus, flac or m4b, not &quot;%1&quot;</source>
        <translation>--split は音声を書き出します: --format には mp3、wav、ogg、opus、flac、m4b のいずれかを指定してください (「%1」ではなく)</translation>
    </message>
    <message>
        <source>--subtitle-format goes with --split chapters; elsewhere --subtitles names the file</source>
        <translation>--subtitle-format は --split chapters と使います。それ以外では --subtitles がファイルを指定します</translation>
    </message>
    <message>
        <source>the subtitles of a part cannot be read</source>
        <translation>部分の字幕を読めません</translation>
    </message>
    <message>
        <source>sayora-convert: %1: skipped, it is already there</source>
        <translation>sayora-convert: %1: 既にあるため飛ばしました</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the converter could not be started again (%2).</source>
        <translation>sayora-convert: %1: 変換プログラムを再起動できませんでした (%2)。</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the conversion was killed by a signal.</source>
        <translation>sayora-convert: %1: 変換がシグナルで強制終了されました。</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the conversion stopped unexpectedly.</source>
        <translation>sayora-convert: %1: 変換が予期せず停止しました。</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>--split takes &quot;chapters&quot;, not &quot;%1&quot;</source>
        <translation>--split に指定できるのは「chapters」で、「%1」ではありません</translation>
    </message>
    <message>
        <source>--split writes speech: --format takes mp3 or wav, not &quot;%1&quot;</source>
        <translation type="vanished">--split は音声を書き出します: --format には mp3 か wav を指定してください (「%1」ではなく)</translation>
    </message>
    <message>
        <source>with --split, --subtitles takes srt, lrc or vtt, not &quot;%1&quot;</source>
        <translation type="vanished">--split と併用する --subtitles には srt、lrc、vtt のいずれかを指定してください (「%1」ではなく)</translation>
    </message>
    <message>
        <source>--split chapters needs a book and a folder: INPUT DIR</source>
        <translation>--split chapters には本とフォルダーが必要です: INPUT DIR</translation>
    </message>
    <message>
        <source>--jobs goes with --output-dir, not --split</source>
        <translation>--jobs は --output-dir と併用します。--split とは併用できません</translation>
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
本を章ごとに1ファイルずつ:
       sayora-convert [オプション] --split chapters INPUT DIR
DIR に「01 タイトル.mp3」「02 タイトル.mp3」… を章ごとに書き出します
(EPUB の目次、PDF のアウトライン、DOCX・ODT・HTML の最上位の見出しに
従います。最初の章より前のテキストはその章と一緒に読みます)。章、本の
タイトルと著者、トラック番号のタグを付け、順に並べたプレイリスト
「本のタイトル.m3u8」も書き出します。--format は mp3 (既定) か wav。
--subtitles srt、lrc、vtt で「01 タイトル.srt」… を隣に書き出します。
失敗すると分割は止まります。それまでに完成した章はそのまま残り、
プレイリストは書き出されません。
</translation>
    </message>
    <message>
        <source> (see --help)</source>
        <translation> (--help を参照)</translation>
    </message>
    <message>
        <source>--list-voices shows them</source>
        <translation>--list-voices で一覧を表示できます</translation>
    </message>
    <message>
        <source>did you mean %1?</source>
        <translation>もしかして %1?</translation>
    </message>
    <message>
        <source>more than one voice goes by &quot;%1&quot;; %2</source>
        <translation>「%1」という名前の音声が複数あります。%2</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;; %2</source>
        <translation>音声「%1」はありません。%2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>--bitrate was left unused: %1 and has no bit rate to set</source>
        <translation>--bitrate は使われませんでした: %1 で、設定するビットレートがありません</translation>
    </message>
    <message>
        <source>removed %1, left in %2 by a conversion that was killed</source>
        <translation>強制終了された変換が %2 に残した %1 を削除しました</translation>
    </message>
    <message>
        <source>encoding</source>
        <translation>エンコード中</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>読み上げ中</translation>
    </message>
    <message>
        <source>interrupted; %1 was left as it was</source>
        <translation>中断しました。%1 は元のままです</translation>
    </message>
    <message>
        <source>interrupted; the chapters finished so far were kept, no playlist was written</source>
        <translation>中断しました。完成した章は残し、プレイリストは書き出していません</translation>
    </message>
    <message>
        <source>%1: the folder cannot be created.</source>
        <translation>%1: フォルダーを作成できません。</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>interrupted; the files being converted were left as they were</source>
        <translation>中断しました。変換中のファイルは元のままです</translation>
    </message>
    <message>
        <source>%1 needs a number from 0 to 100</source>
        <translation>%1 には 0 から 100 の数値が必要です</translation>
    </message>
    <message>
        <source>%1 takes a number from 0 to 100, not &quot;%2&quot;</source>
        <translation>%1 には 0 から 100 の数値を指定してください (「%2」ではなく)</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 は値を取りません</translation>
    </message>
    <message>
        <source>--voice needs a voice name (--list-voices shows them)</source>
        <translation>--voice には音声名が必要です (--list-voices で一覧を表示できます)</translation>
    </message>
    <message>
        <source>--encoding needs the name of a text encoding, such as windows-1251</source>
        <translation>--encoding には windows-1251 のようなテキストエンコーディング名が必要です</translation>
    </message>
    <message>
        <source>--encoding does not know &quot;%1&quot; (names such as UTF-8, windows-1251, Shift_JIS, ISO-8859-2, GB18030)</source>
        <translation>--encoding は「%1」を知りません (UTF-8、windows-1251、Shift_JIS、ISO-8859-2、GB18030 などの名前)</translation>
    </message>
    <message>
        <source>--rules needs a pronunciation rules file</source>
        <translation>--rules には発音ルールファイルが必要です</translation>
    </message>
    <message>
        <source>the rules file &quot;%1&quot; cannot be read</source>
        <translation>ルールファイル「%1」を読めません</translation>
    </message>
    <message>
        <source>--subtitles needs a file name ending in .srt, .lrc or .vtt</source>
        <translation>--subtitles には .srt、.lrc、.vtt で終わるファイル名が必要です</translation>
    </message>
    <message>
        <source>the subtitle file &quot;%1&quot; must end in .srt, .lrc or .vtt</source>
        <translation>字幕ファイル「%1」は .srt、.lrc、.vtt のいずれかで終わる必要があります</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 にはテキストが必要です</translation>
    </message>
    <message>
        <source>--track takes a number, or a number and the total: 3/12</source>
        <translation>--track には番号、または番号と総数を指定します: 3/12</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 1 up</source>
        <translation>%1 には 1 以上の整数を指定します</translation>
    </message>
    <message>
        <source>--bitrate takes kbit/s from 8 to 320</source>
        <translation>--bitrate には 8 から 320 の kbit/s を指定します</translation>
    </message>
    <message>
        <source>--jobs takes a number of jobs from 1 up</source>
        <translation>--jobs には 1 以上のジョブ数を指定します</translation>
    </message>
    <message>
        <source>--output-dir needs a folder</source>
        <translation>--output-dir にはフォルダーが必要です</translation>
    </message>
    <message>
        <source>--format needs mp3, wav, ogg, opus, flac, m4b or txt</source>
        <translation>--format には mp3、wav、ogg、opus、flac、m4b、txt のいずれかが必要です</translation>
    </message>
    <message>
        <source>--format takes mp3, wav, ogg, opus, flac, m4b or txt, not &quot;%1&quot;</source>
        <translation>--format には mp3、wav、ogg、opus、flac、m4b、txt のいずれかを指定してください (「%1」ではなく)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>--rules and --no-rules exclude each other</source>
        <translation>--rules と --no-rules は同時に使えません</translation>
    </message>
    <message>
        <source>--list-voices takes no files</source>
        <translation>--list-voices はファイルを取りません</translation>
    </message>
    <message>
        <source>--output-dir and --format go together</source>
        <translation>--output-dir と --format は一緒に指定します</translation>
    </message>
    <message>
        <source>no input files were given</source>
        <translation>入力ファイルが指定されていません</translation>
    </message>
    <message>
        <source>standard input converts on its own: sayora-convert - OUTPUT</source>
        <translation>標準入力は単独で変換します: sayora-convert - OUTPUT</translation>
    </message>
    <message>
        <source>--subtitles names one file: use it with a single INPUT OUTPUT</source>
        <translation>--subtitles は1つのファイルを指定します: 1組の INPUT OUTPUT と使ってください</translation>
    </message>
    <message>
        <source>--split-minutes and --split-size go with a single INPUT OUTPUT</source>
        <translation>--split-minutes と --split-size は1組の INPUT OUTPUT と使います</translation>
    </message>
    <message>
        <source>--skip-existing goes with --output-dir and --format</source>
        <translation>--skip-existing は --output-dir と --format と併用します</translation>
    </message>
    <message>
        <source>an INPUT and an OUTPUT file are needed</source>
        <translation>INPUT ファイルと OUTPUT ファイルが必要です</translation>
    </message>
    <message>
        <source>too many files: use --output-dir and --format for several</source>
        <translation>ファイルが多すぎます: 複数の場合は --output-dir と --format を使ってください</translation>
    </message>
    <message>
        <source>- as the OUTPUT writes to standard output in the format --format names</source>
        <translation>OUTPUT に - を指定すると --format の形式で標準出力に書き出します</translation>
    </message>
    <message>
        <source>standard output takes one sound file: mp3, wav, ogg or opus</source>
        <translation>標準出力に書けるのはサウンドファイル1つです: mp3、wav、ogg、opus</translation>
    </message>
    <message>
        <source>the OUTPUT &quot;%1&quot; is a folder: name the file to write</source>
        <translation>OUTPUT「%1」はフォルダーです: 書き出すファイルを指定してください</translation>
    </message>
    <message>
        <source>the OUTPUT &quot;%1&quot; must end in .mp3, .wav, .ogg, .opus, .flac, .m4b or .txt</source>
        <translation>OUTPUT「%1」は .mp3、.wav、.ogg、.opus、.flac、.m4b、.txt のいずれかで終わる必要があります</translation>
    </message>
    <message>
        <source>--split-minutes and --split-size split speech: the OUTPUT must not be a .txt</source>
        <translation>--split-minutes と --split-size は音声を分割します: OUTPUT に .txt は使えません</translation>
    </message>
    <message>
        <source>--split-size goes with .mp3 and .wav, whose sizes are known as they are made; use --split-minutes</source>
        <translation>--split-size は作成中にサイズが分かる .mp3 と .wav 用です。--split-minutes を使ってください</translation>
    </message>
    <message>
        <source>subtitles go with speech: the OUTPUT must not be a .txt</source>
        <translation>字幕は音声に付けるものです: OUTPUT に .txt は使えません</translation>
    </message>
    <message>
        <source>--chapter-marks goes with an .mp3 OUTPUT (an .m4b has its chapters anyway)</source>
        <translation>--chapter-marks は .mp3 の OUTPUT 用です (.m4b には最初から章があります)</translation>
    </message>
    <message>
        <source>chapter marks make one file: not with --split-minutes or --split-size</source>
        <translation>章マークは1つのファイルを作ります: --split-minutes や --split-size とは併用できません</translation>
    </message>
    <message>
        <source>the subtitle file &quot;%1&quot; must be a file of its own</source>
        <translation>字幕ファイル「%1」は独立したファイルにしてください</translation>
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
        <translation>使い方: sayora-convert [オプション] INPUT OUTPUT
        sayora-convert [オプション] --output-dir DIR --format FORMAT INPUT...
        sayora-convert --list-voices

Sayora の音声でテキストを読み上げてサウンドファイルにするか、プレーン
テキストにします。INPUT はテキスト、RTF、PDF、EPUB、DOCX、ODT、HTML の
ファイルで、Sayora の「開く」ボタンと同じように読み込みます。- は標準
入力です。OUTPUT の拡張子で書き出す内容が決まります (- と --format
FORMAT: その形式で標準出力へ):
  .mp3   音声、lame でエンコード
  .wav   音声、16 ビット PCM
  .ogg   音声、Ogg Vorbis      .opus  音声、Ogg Opus
  .flac  音声、FLAC (可逆圧縮)
  .m4b   オーディオブック: MP4 の AAC、本の章をマーク
  .txt   Sayora が表示するプレーンテキスト、UTF-8

オプション:
      --voice NAME        音声。--list-voices の表示どおりに指定 (名前、
                          短い名前、言語)。既定は Sayora の最初の音声、
                          それが読めないテキストではその言語の音声
      --rate N            速さ、0-100 (Sayora の速さバーと同じ)
      --pitch N           高さ、0-100 (Sayora の高さバーと同じ。flite の
                          音声のみ。espeak-ng の音声は自分の高さのまま)
      --volume N          音量、0-100 (Sayora の音量バーと同じ)
      --subtitles FILE    文ごとにタイミングを付けた字幕も書き出す:
                          .srt、.lrc、.vtt
      --rules FILE        ~/.config/sayora の自分の一覧の代わりに、FILE の
                          発音ルール (1行に1ルール: 表記 TAB 読み方
                          [TAB オプション]) どおりに単語を読む。読めない
                          行は行番号付きで警告
      --no-rules          発音ルールを一切使わない
      --no-language-switch
                          テキスト全体を1つの音声で読む。既定では、ほかの
                          言語の文 (ほかの文字体系、または言語判定できる
                          長さの文) は、その言語の最適なインストール済み
                          音声で読む
      --encoding NAME     プレーンテキスト入力のエンコーディング
                          (windows-1251、Shift_JIS、...)。既定は UTF-8。
                          UTF-8 でなければ警告して Windows-1252 で読む
  -o, --output-dir DIR    各 INPUT を同じ名前で DIR に変換
  -f, --format FORMAT     --output-dir か OUTPUT - と使う: mp3、wav、ogg、
                          opus、flac、m4b、txt
  -j, --jobs N            --output-dir では同時に行う変換の数、それ以外で
                          は1つのテキストを同時に生成する部分の数 (既定:
                          プロセッサーごとに1つ。1 で一括生成)
      --skip-existing     --output-dir と使う: 出力が既にある INPUT を飛ば
                          す (失敗後の再実行では足りない分だけを処理)
      --bitrate KBPS      MP3 (固定)、Ogg Vorbis と Opus (平均) のビット
                          レート。FLAC と WAV にはない (指定すると通知)
      --split-minutes N   OUTPUT を「NAME 01.EXT」「NAME 02.EXT」… に分け
                          る。それぞれ最大 N 分で、文の終わりで区切る
                          (長い文は節で区切り、収まらない文は通知)。
                          プレイリスト「NAME.m3u」も書き出す
      --split-size MB     同じことをサイズで (.mp3 と .wav)
      --split chapters    本を章ごとに1ファイルにして、フォルダー OUTPUT
                          へ (下記参照)
      --title TEXT, --artist TEXT, --album TEXT, --track N[/TOTAL]
                          タグ (MP3 では ID3、Ogg、Opus、FLAC では Vorbis
                          コメント)
      --chapter-marks     .mp3 の OUTPUT と使う: 本の章を ID3 タグにマーク
                          (CHAP と CTOC フレーム)。オーディオブック
                          プレーヤーが章の一覧として表示
      --progress-lines    処理中に「done FRACTION」行を標準出力に書き、
                          ほかのプログラムが進み具合を追えるようにする
      --list-voices       音声を1行に1つずつ (名前、短い名前、言語、
                          エンジン。タブ区切り) 表示して終了
  -q, --quiet             進行状況バーを出さない
  -h, --help              このヘルプを表示して終了
  -V, --version           バージョンを表示して終了

既存の出力は、新しいファイルが完成してから置き換えます。強制終了された
変換が出力の隣に残す隠し一時ファイル (.NAME.XXXXXX.wav と .mp3、長い
テキストの部分を入れるフォルダー .NAME.XXXXXX.parts) は、そのフォルダー
への次の変換が削除します。削除するのは、変換が ~/.local/state/sayora に
自分のものとして記録し、その変換が終了したものだけです。フォルダーの
空き容量に収まらない変換は、開始前に拒否します。

終了ステータス: 0 成功、1 コマンドラインの誤り、2 入力を読めない、3 不明
な音声または読み込めない音声、4 生成かエンコードに失敗し、再試行しても
失敗する、5 一時的かもしれない理由で失敗 (ディスクがいっぱいか出力には
小さすぎた、エンコーダーかワーカーがシグナルで終了した): 再試行する価値
あり。一括変換は、最初に失敗した入力のステータスで終了します。
</translation>
    </message>
    <message>
        <source>FFmpeg has no AAC encoder</source>
        <translation type="vanished">FFmpeg に AAC エンコーダーがありません</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="vanished">メモリが足りません</translation>
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
        <translation>フォルダー %1 の空きは %2 ですが、この変換には少なくとも %3 必要です</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>、残り %1</translation>
    </message>
    <message>
        <source>Ogg Vorbis reaches %1 to %2 kbit/s at this voice&apos;s sample rate, not %3; the nearest was taken</source>
        <translation>この音声のサンプリングレートでは Ogg Vorbis は %1～%2 kbit/s で、%3 にはなりません。最も近い値を使いました</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>ファイルが開かれていません</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n chapters</source>
        <translation>
            <numerusform>%1: %2/%n 章</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files</source>
        <translation>
            <numerusform>%1/%n ファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sayora-convert: %1 of %n files converted</source>
        <translation>
            <numerusform>sayora-convert: %n ファイル中 %1 ファイルを変換しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n skipped (already there)</source>
        <translation>
            <numerusform>、%n ファイルを飛ばしました (既存)</numerusform>
        </translation>
    </message>
    <message>
        <source>with --split, --subtitle-format takes srt, lrc or vtt, not &quot;%1&quot;</source>
        <translation>--split と併用する --subtitle-format には srt、lrc、vtt のいずれかを指定してください (「%1」ではなく)</translation>
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
本を章ごとに1ファイルずつ:
       sayora-convert [オプション] --split chapters INPUT DIR
DIR に「01 タイトル.mp3」「02 タイトル.mp3」… を章ごとに書き出します
(EPUB の目次、PDF のアウトライン、DOCX・ODT・HTML の最上位の見出しに
従います。最初の章より前のテキストはその章と一緒に読みます)。章、本の
タイトルと著者、トラック番号のタグを付け、順に並べたプレイリスト
「本のタイトル.m3u8」も書き出します。--format は mp3 (既定)、wav、ogg、opus、flac、m4b のいずれか。
--subtitle-format srt、lrc、vtt (または --subtitles srt、lrc、vtt) で
「01 タイトル.srt」… を隣に書き出します。
失敗すると分割は止まります。それまでに完成した章はそのまま残り、
プレイリストは書き出されません。
</translation>
    </message>
</context>
<context>
    <name>ConverterRun</name>
    <message>
        <source>The converter &quot;sayora-convert&quot; could not be started: %1</source>
        <translation>変換プログラム「sayora-convert」を起動できませんでした: %1</translation>
    </message>
    <message>
        <source>The converter stopped unexpectedly.</source>
        <translation>変換プログラムが予期せず停止しました。</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>Rich Text (*.rtf)</source>
        <translation>リッチテキスト (*.rtf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>テキスト (*.txt)</translation>
    </message>
    <message>
        <source>Documents (*.pdf *.epub *.docx *.odt *.html *.htm)</source>
        <translation>文書 (*.pdf *.epub *.docx *.odt *.html *.htm)</translation>
    </message>
    <message>
        <source>All readable files (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)</source>
        <translation>読み込めるすべてのファイル (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)</translation>
    </message>
</context>
<context>
    <name>DocumentReader</name>
    <message>
        <source>it is not a Word document (its main part is missing).</source>
        <translation>Word 文書ではありません (本体部分がありません)。</translation>
    </message>
    <message>
        <source>the file is damaged (its text cannot be read).</source>
        <translation>ファイルが壊れています (テキストを読めません)。</translation>
    </message>
    <message>
        <source>it is not a complete EPUB book (its list of contents is missing).</source>
        <translation>完全な EPUB の本ではありません (内容の一覧がありません)。</translation>
    </message>
    <message>
        <source>it is not a complete EPUB book (its package document is missing).</source>
        <translation>完全な EPUB の本ではありません (パッケージ文書がありません)。</translation>
    </message>
    <message>
        <source>the book is encrypted (protected by DRM), so its text cannot be read.</source>
        <translation>本が暗号化されている (DRM で保護されている) ため、テキストを読めません。</translation>
    </message>
    <message>
        <source>the book has no text to read.</source>
        <translation>本に読み上げるテキストがありません。</translation>
    </message>
    <message>
        <source>it is not a readable HTML page.</source>
        <translation>読み込める HTML ページではありません。</translation>
    </message>
    <message>
        <source>it is encrypted (protected with a password).</source>
        <translation>暗号化されています (パスワードで保護されています)。</translation>
    </message>
    <message>
        <source>it is not an OpenDocument text (its content is missing).</source>
        <translation>OpenDocument テキストではありません (内容がありません)。</translation>
    </message>
    <message>
        <source>the file is damaged (it is not a readable PDF).</source>
        <translation>ファイルが壊れています (読み込める PDF ではありません)。</translation>
    </message>
    <message>
        <source>the PDF has no pages.</source>
        <translation>PDF にページがありません。</translation>
    </message>
    <message>
        <source>it has no text to read: its pages are pictures only (a scan?). Text recognition (OCR) would have to turn them into text first.</source>
        <translation>読み上げるテキストがありません: ページが画像だけです (スキャン?)。先に文字認識 (OCR) でテキストにする必要があります。</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>PDF 文書</translation>
    </message>
    <message>
        <source>an EPUB book</source>
        <translation>EPUB の本</translation>
    </message>
    <message>
        <source>a Word document</source>
        <translation>Word 文書</translation>
    </message>
    <message>
        <source>an OpenDocument text</source>
        <translation>OpenDocument テキスト</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>ファイル名が指定されていません。</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>ファイルが存在しません。</translation>
    </message>
    <message>
        <source>the file cannot be read (%1).</source>
        <translation>ファイルを読めません (%1)。</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>ファイルではなくフォルダーです。</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>the file is too large (the limit is %1 MB).</source>
        <translation>ファイルが大きすぎます (上限は %L1 MB)。</translation>
    </message>
    <message>
        <source>it is an older Office document (such as a .doc), which Sayora does not read; save it as .docx or .odt.</source>
        <translation>Sayora が読めない古い Office 文書 (.doc など) です。.docx か .odt で保存してください。</translation>
    </message>
    <message>
        <source>it is an OpenDocument file of another kind (a spreadsheet or a presentation?), not a text.</source>
        <translation>テキストではなく、別の種類の OpenDocument ファイル (表計算かプレゼンテーション?) です。</translation>
    </message>
    <message>
        <source>it is named &quot;.%1&quot; but is not %2 (it is another kind of ZIP archive).</source>
        <translation>拡張子は「.%1」ですが%2ではありません (別の種類の ZIP アーカイブです)。</translation>
    </message>
    <message>
        <source>it is a ZIP archive, not a document.</source>
        <translation>文書ではなく ZIP アーカイブです。</translation>
    </message>
    <message>
        <source>it is named &quot;.%1&quot; but is not %2 (its contents are something else).</source>
        <translation>拡張子は「.%1」ですが%2ではありません (中身は別のものです)。</translation>
    </message>
    <message>
        <source>it is not a text or RTF document.</source>
        <translation>テキストや RTF の文書ではありません。</translation>
    </message>
    <message>
        <source>a part of the document is missing.</source>
        <translation>文書の一部がありません。</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB, more than any document to be read aloud.</source>
        <translation>展開すると %L1 MB を超え、読み上げる文書としては大きすぎます。</translation>
    </message>
    <message>
        <source>the file is damaged (its ZIP container cannot be read).</source>
        <translation>ファイルが壊れています (ZIP コンテナーを読めません)。</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Select A File</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>名前を付けて保存</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>太字(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>下線(&amp;U)</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>取り消し線(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Colour…</source>
        <translation>色(&amp;C)…</translation>
    </message>
    <message>
        <source>The quick brown fox jumps over the lazy dog.</source>
        <translation>いろはにほへと ちりぬるを わかよたれそ つねならむ</translation>
    </message>
    <message>
        <source>&amp;Face:</source>
        <translation>フォント名(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>サイズ(&amp;S):</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>スタイル:</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>文字の色:</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>文字の色</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>no key is set</source>
        <translation>キーが設定されていません</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>セッションバスがありません</translation>
    </message>
</context>
<context>
    <name>GrowingWaveEncoder</name>
    <message>
        <source>the rendered sound cannot be read: %1</source>
        <translation>生成された音声を読み取れません: %1</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>停止しました</translation>
    </message>
    <message>
        <source>the rendered sound cannot be read</source>
        <translation>生成された音声を読み取れません</translation>
    </message>
    <message>
        <source>the rendered sound cannot be read (it ends before its header says)</source>
        <translation>生成された音声を読み取れません（ヘッダーが示す長さより前で終わっています）</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>How does it work? </source>
        <translation>使い方 </translation>
    </message>
    <message>
        <source>How to listen to the text of a web page ?</source>
        <translation>Web ページのテキストを聞くには?</translation>
    </message>
    <message>
        <source>When you browse with Internet Explorer 5.0(or above version) ,</source>
        <translation>Internet Explorer 5.0 (以降) で閲覧しているとき、</translation>
    </message>
    <message>
        <source>use your mouse to select the text you want to listen to, right-click mouse ,</source>
        <translation>聞きたいテキストをマウスで選択して右クリックすると、</translation>
    </message>
    <message>
        <source>and a &quot;Speak by Sayora&quot; command will be on the popup drop down menu ,</source>
        <translation>ポップアップメニューに「Sayora で読み上げ」コマンドが表示されます。</translation>
    </message>
    <message>
        <source>click it ,the selected text will be spoken.</source>
        <translation>それをクリックすると、選択したテキストが読み上げられます。</translation>
    </message>
    <message>
        <source>How to listen to Microsoft WORD document ?</source>
        <translation>Microsoft WORD 文書を聞くには?</translation>
    </message>
    <message>
        <source>If you have installed Microsoft WORD, then after installing Sayora,</source>
        <translation>Microsoft WORD がインストールされていれば、Sayora のインストール後、</translation>
    </message>
    <message>
        <source>a little yellow speaker icon will appears in your Microsoft WORD tool bar.</source>
        <translation>Microsoft WORD のツールバーに小さな黄色いスピーカーのアイコンが表示されます。</translation>
    </message>
    <message>
        <source>Click on it (or push the key &quot;F12&quot;), all the text in Word document will be spoken.</source>
        <translation>それをクリックする (または「F12」キーを押す) と、Word 文書のテキスト全体が読み上げられます。</translation>
    </message>
    <message>
        <source>You can select some text in word document to be spoken.</source>
        <translation>Word 文書の一部のテキストを選択して読み上げることもできます。</translation>
    </message>
    <message>
        <source>  The macro file &quot;Speak.dot&quot; within this software is safe, please use it.</source>
        <translation>  本ソフトウェアに含まれるマクロファイル「Speak.dot」は安全です。安心してお使いください。</translation>
    </message>
    <message>
        <source>Advice:</source>
        <translation>アドバイス:</translation>
    </message>
    <message>
        <source>Install a good anti-virus software and set Macro&apos;s security of MS WORD to Low</source>
        <translation>信頼できるウイルス対策ソフトを入れ、MS WORD のマクロのセキュリティを「低」にしてください</translation>
    </message>
    <message>
        <source>If there&apos;s no Speaker on your MS WORD tool bar ,click here to add it.</source>
        <translation>MS WORD のツールバーにスピーカーがない場合は、ここをクリックして追加してください。</translation>
    </message>
    <message>
        <source>How to listen to text file(*.txt or *.rtf files) in explorer ?</source>
        <translation>エクスプローラーでテキストファイル (*.txt や *.rtf) を聞くには?</translation>
    </message>
    <message>
        <source>Right-click text file (*.txt or *.rtf files)  in explorer, select &quot;Speak by Sayora&quot; command,</source>
        <translation>エクスプローラーでテキストファイル (*.txt や *.rtf) を右クリックし、「Sayora で読み上げ」を選ぶと、</translation>
    </message>
    <message>
        <source>the text file will be spoken .</source>
        <translation>テキストファイルが読み上げられます。</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>注意:</translation>
    </message>
    <message>
        <source>After install Sayora, restart your computer to make full features take effective.</source>
        <translation>Sayora のインストール後は、すべての機能を有効にするためにコンピューターを再起動してください。</translation>
    </message>
    <message>
        <source>Read the Sayora help page</source>
        <translation>Sayora のヘルプページを読む</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>The help page %1 could not be opened: no program to show it was found.</source>
        <translation>ヘルプページ %1 を開けませんでした: 表示するプログラムが見つかりません。</translation>
    </message>
    <message>
        <source>Can not find MS WORD</source>
        <translation>MS WORD が見つかりません</translation>
    </message>
    <message>
        <source>Retrieve Microsoft Office path fail</source>
        <translation>Microsoft Office のパスを取得できませんでした</translation>
    </message>
    <message>
        <source>Copy %1 TO %2 Successfully . The speaker has been added to your MS WORD tool bar!</source>
        <translation>%1 を %2 にコピーしました。MS WORD のツールバーにスピーカーを追加しました!</translation>
    </message>
    <message>
        <source>Can not find %1 file</source>
        <translation>ファイル %1 が見つかりません</translation>
    </message>
    <message>
        <source>The file %1 is opening , please close your MS WORD</source>
        <translation>ファイル %1 が開かれています。MS WORD を閉じてください</translation>
    </message>
    <message>
        <source>Add Speaker to MS WORD Error</source>
        <translation>MS WORD へのスピーカー追加エラー</translation>
    </message>
    <message>
        <source>%1  %2 (Whould you like E-Mail this error message to me ? My email is %3)</source>
        <translation>%1  %2 (このエラーメッセージを私にメールで送りますか? 私のアドレスは %3 です)</translation>
    </message>
</context>
<context>
    <name>InstallerFile</name>
    <message>
        <source>The folder %1 cannot be opened: %2</source>
        <translation>フォルダー %1 を開けません: %2</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user or can be changed by other users, so no installer is downloaded into it. Make it yours and writable by you alone (chmod 700).</source>
        <translation>フォルダー %1 は他のユーザーの所有か、他のユーザーが変更できるため、インストーラーはダウンロードしません。自分の所有にし、自分だけが書き込めるようにしてください (chmod 700)。</translation>
    </message>
    <message>
        <source>The old installer %1 cannot be removed: %2</source>
        <translation>古いインストーラー %1 を削除できません: %2</translation>
    </message>
    <message>
        <source>The installer %1 cannot be created: %2</source>
        <translation>インストーラー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>the file was not written whole</source>
        <translation>ファイルが最後まで書き込まれませんでした</translation>
    </message>
    <message>
        <source>it could not be started</source>
        <translation>起動できませんでした</translation>
    </message>
    <message>
        <source>it is neither a program nor a script with an interpreter line (#!)</source>
        <translation>プログラムでも、インタープリター行 (#!) のあるスクリプトでもありません</translation>
    </message>
    <message>
        <source>it may not be run from this folder</source>
        <translation>このフォルダーからは実行できません</translation>
    </message>
    <message>
        <source>the interpreter its first line names is missing</source>
        <translation>1行目で指定されたインタープリターがありません</translation>
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
        <translation>「%1」はサーバーのアドレスではありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses plain http, which anyone on the way can change; only https is accepted (plain http only on this computer&apos;s own loopback address).</source>
        <translation>「%1」は途中で誰でも改ざんできる暗号化なしの http を使っています。https だけを受け付けます (暗号化なしの http はこのコンピューターのループバックアドレスのみ)。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an https nor a loopback http address.</source>
        <translation>「%1」は https のアドレスでもループバックの http アドレスでもありません。</translation>
    </message>
    <message>
        <source>The server redirected to an address that is not accepted: %1</source>
        <translation>サーバーが受け付けられないアドレスにリダイレクトしました: %1</translation>
    </message>
    <message>
        <source>The server redirected from https to plain http (&quot;%1&quot;); that is not followed.</source>
        <translation>サーバーが https から暗号化なしの http (「%1」) にリダイレクトしました。これには従いません。</translation>
    </message>
    <message>
        <source>The server redirected over plain http to another host (&quot;%1&quot;); that is not followed.</source>
        <translation>サーバーが暗号化なしの http で別のホスト (「%1」) にリダイレクトしました。これには従いません。</translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation>応答が %1 を超えています。</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n バイト</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The server did not answer for %n seconds.</source>
        <translation>
            <numerusform>サーバーが %n 秒間応答しませんでした。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeyboardAccess</name>
    <message>
        <source>Text box scroll bar</source>
        <translation>テキストボックスのスクロールバー</translation>
    </message>
    <message>
        <source>Text box horizontal scroll bar</source>
        <translation>テキストボックスの水平スクロールバー</translation>
    </message>
    <message>
        <source>Button panel</source>
        <translation>ボタンパネル</translation>
    </message>
    <message>
        <source>Voice list</source>
        <translation>音声の一覧</translation>
    </message>
    <message>
        <source>Back colour of the text box</source>
        <translation>テキストボックスの背景色</translation>
    </message>
    <message>
        <source>Text colour of the text box</source>
        <translation>テキストボックスの文字色</translation>
    </message>
    <message>
        <source>Wave rendering control</source>
        <translation>音声出力コントロール</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>読み上げ中</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Export done</source>
        <translation>エクスポート完了</translation>
    </message>
</context>
<context>
    <name>LanguageSwitchOption</name>
    <message>
        <source>Read other languages with their own voices</source>
        <translation>ほかの言語はその言語の音声で読む</translation>
    </message>
</context>
<context>
    <name>M4bWriter</name>
    <message>
        <source>Sayora&apos;s M4B writing is missing or damaged (%1)</source>
        <translation>Sayora の M4B 書き込みモジュールがないか壊れています（%1）</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>the MP3 encoder could not be started</source>
        <translation>MP3 エンコーダーを開始できませんでした</translation>
    </message>
    <message>
        <source>the MP3 encoder does not take this sound (%1 Hz at %2 kbit/s)</source>
        <translation>MP3 エンコーダーはこの音声を受け付けません（%1 Hz、%2 kbit/s）</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (error %1)</source>
        <translation>MP3 エンコーダーが失敗しました（エラー %1）</translation>
    </message>
    <message>
        <source>the MP3 encoder was not started</source>
        <translation>MP3 エンコーダーが開始されていません</translation>
    </message>
</context>
<context>
    <name>Mp3End</name>
    <message>
        <source>Convert text to</source>
        <translation>テキストの変換先</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>成功しました!</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>No program to play MP3 files was found on this desktop.</source>
        <translation>このデスクトップには MP3 ファイルを再生するプログラムが見つかりません。</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>ファイルは %1 です</translation>
    </message>
</context>
<context>
    <name>PartEncoder</name>
    <message>
        <source>the rendered sound cannot be read</source>
        <translation type="vanished">生成された音声を読み取れません</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">停止しました</translation>
    </message>
</context>
<context>
    <name>PdfReader</name>
    <message>
        <source>Sayora&apos;s PDF reading is missing or damaged (%1)</source>
        <translation>Sayora の PDF 読み込み機能がないか壊れています (%1)</translation>
    </message>
</context>
<context>
    <name>PieceConversion</name>
    <message>
        <source>the converter could not be started again (%1)</source>
        <translation>変換プログラムを再起動できませんでした (%1)</translation>
    </message>
    <message>
        <source>the conversion stopped unexpectedly</source>
        <translation>変換が予期せず停止しました</translation>
    </message>
    <message>
        <source>the parts could not be joined: %1</source>
        <translation>部分を結合できませんでした: %1</translation>
    </message>
    <message>
        <source>the MP3&apos;s tag could not be written</source>
        <translation>MP3 のタグを書き込めませんでした</translation>
    </message>
    <message>
        <source>the parts could not be joined</source>
        <translation>部分を結合できませんでした</translation>
    </message>
    <message>
        <source>the speech is longer than the 4 GB a WAV file can hold; convert it to MP3, or in parts</source>
        <translation>音声が WAV ファイルに収まる 4 GB を超えます。MP3 に変換するか、分割して変換してください</translation>
    </message>
    <message>
        <source>sayora-convert: %1 is over the limit: a sentence in it is longer than the limit and cannot be cut</source>
        <translation>sayora-convert: %1 は上限を超えています: 上限より長い文があり、分割できません</translation>
    </message>
    <message>
        <source>the subtitles of a part cannot be read</source>
        <translation type="vanished">部分の字幕を読めません</translation>
    </message>
</context>
<context>
    <name>PortalShortcut</name>
    <message>
        <source>no session bus</source>
        <translation>セッションバスがありません</translation>
    </message>
    <message>
        <source>the desktop portal offers no global shortcuts (%1)</source>
        <translation>デスクトップポータルがグローバルショートカットを提供していません (%1)</translation>
    </message>
    <message>
        <source>the desktop portal refused a shortcut session (%1)</source>
        <translation>デスクトップポータルがショートカットのセッションを拒否しました (%1)</translation>
    </message>
    <message>
        <source>the desktop portal gave no shortcut session</source>
        <translation>デスクトップポータルからショートカットのセッションが得られませんでした</translation>
    </message>
    <message>
        <source>the desktop portal refused the shortcut (%1)</source>
        <translation>デスクトップポータルがショートカットを拒否しました (%1)</translation>
    </message>
    <message>
        <source>the shortcut was declined</source>
        <translation>ショートカットは承認されませんでした</translation>
    </message>
    <message>
        <source>the desktop portal refused the shortcut</source>
        <translation>デスクトップポータルがショートカットを拒否しました</translation>
    </message>
</context>
<context>
    <name>PronunciationRules</name>
    <message>
        <source>no written text</source>
        <translation>表記がありません</translation>
    </message>
    <message>
        <source>a tab or line break inside the rule</source>
        <translation>ルールの中にタブか改行があります</translation>
    </message>
    <message>
        <source>blanks at the start or end of a field</source>
        <translation>フィールドの先頭か末尾に空白があります</translation>
    </message>
    <message>
        <source>a written text starting with &quot;#&quot; reads as a comment (write it as the regular expression &quot;\#...&quot;)</source>
        <translation>「#」で始まる表記はコメントとして扱われます (正規表現「\#...」として書いてください)</translation>
    </message>
    <message>
        <source>not a valid regular expression (%1 at character %2)</source>
        <translation>正しい正規表現ではありません (%2 文字目: %1)</translation>
    </message>
    <message>
        <source>not a valid regular expression (%1)</source>
        <translation>正しい正規表現ではありません (%1)</translation>
    </message>
    <message>
        <source>the regular expression matches empty text</source>
        <translation>正規表現が空のテキストに一致します</translation>
    </message>
    <message>
        <source>the spoken form names group %1, which the expression does not have</source>
        <translation>読み方がグループ %1 を参照していますが、正規表現にそのグループはありません</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>UTF-8 のテキストではありません</translation>
    </message>
    <message>
        <source>no tab between the written text and the spoken form</source>
        <translation>表記と読み方の間にタブがありません</translation>
    </message>
    <message>
        <source>more than three fields (written, spoken, options)</source>
        <translation>フィールドが3つ (表記、読み方、オプション) より多くあります</translation>
    </message>
</context>
<context>
    <name>PronunciationWindow</name>
    <message>
        <source>Pronunciation</source>
        <translation>発音</translation>
    </message>
    <message>
        <source>Rule list</source>
        <translation>ルールの一覧</translation>
    </message>
    <message>
        <source>All voices</source>
        <translation>すべての音声</translation>
    </message>
    <message>
        <source>Voices in %1 (%2)</source>
        <translation>%1の音声 (%2)</translation>
    </message>
    <message>
        <source>&amp;Rules for:</source>
        <translation>ルールの対象(&amp;R):</translation>
    </message>
    <message>
        <source>Pronunciation rules</source>
        <translation>発音ルール</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>表記</translation>
    </message>
    <message>
        <source>Spoken</source>
        <translation>読み方</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>単語単位</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>大文字と小文字を区別</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>正規表現</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>削除(&amp;M)</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>下へ(&amp;D)</translation>
    </message>
    <message>
        <source>Text to say</source>
        <translation>読み上げるテキスト</translation>
    </message>
    <message>
        <source>&amp;Try:</source>
        <translation>試す(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Say it</source>
        <translation>読み上げ(&amp;S)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Add a rule for this word</source>
        <translation>この単語のルールを追加</translation>
    </message>
    <message>
        <source>Pronunciation...</source>
        <translation>発音…</translation>
    </message>
    <message>
        <source>Type how &quot;%1&quot; is said, then press Enter.</source>
        <translation>「%1」の読み方を入力して Enter キーを押してください。</translation>
    </message>
    <message>
        <source>Line %1 of %2 was skipped: %3.</source>
        <translation>%2 の %1 行目を飛ばしました: %3。</translation>
    </message>
    <message>
        <source>Rule %1 is not in use: %2.</source>
        <translation>ルール %1 は使われていません: %2。</translation>
    </message>
    <message>
        <source>The rules could not be saved in %1: %2.</source>
        <translation>ルールを %1 に保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>Saying: %1</source>
        <translation>読み上げ中: %1</translation>
    </message>
</context>
<context>
    <name>SaveTypes</name>
    <message>
        <source>Rich Text File(*.rtf)</source>
        <translation>リッチテキストファイル (*.rtf)</translation>
    </message>
    <message>
        <source>Text File(*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>MP3 File (*.mp3)</source>
        <translation>MP3 ファイル (*.mp3)</translation>
    </message>
    <message>
        <source>Audiobook, a file per chapter (*)</source>
        <translation>オーディオブック、章ごとに1ファイル (*)</translation>
    </message>
    <message>
        <source>MP3 with chapter marks (*.mp3)</source>
        <translation>章マーク付き MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>M4B audiobook with chapters (*.m4b)</source>
        <translation>章付き M4B オーディオブック (*.m4b)</translation>
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
        <translation>%1 は既に存在します。上書きしますか?</translation>
    </message>
</context>
<context>
    <name>SayoraMain</name>
    <message>
        <source>An export is running. Wait until it has finished, or press Esc or click its progress number to cancel it.</source>
        <translation>エクスポート中です。完了するまで待つか、Esc キーを押すか進行状況の数字をクリックして取り消してください。</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 を保存できませんでした: %2</translation>
    </message>
    <message>
        <source>Text box</source>
        <translation>テキストボックス</translation>
    </message>
    <message>
        <source>Change backcolor of text box</source>
        <translation>テキストボックスの背景色を変更</translation>
    </message>
    <message>
        <source>Change font of text box</source>
        <translation>テキストボックスのフォントを変更</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Save as mp3, text file</source>
        <translation>MP3 やテキストファイルとして保存</translation>
    </message>
    <message>
        <source>Hide text box</source>
        <translation>テキストボックスを隠す</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>読み上げ</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>set to head</source>
        <translation>先頭に戻る</translation>
    </message>
    <message>
        <source>How does it work?</source>
        <translation>使い方</translation>
    </message>
    <message>
        <source>Click here to check new version</source>
        <translation>クリックして新しいバージョンを確認</translation>
    </message>
    <message>
        <source>Not find speech engine</source>
        <translation>音声エンジンが見つかりません</translation>
    </message>
    <message>
        <source>Change pronunciation</source>
        <translation>発音を変更</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>速さ</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>テキスト内の位置</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2</source>
        <translation>「%1」を開けませんでした: %2</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not read this text: nothing was spoken.</source>
        <translation>音声「%1」はこのテキストを読めませんでした: 何も読み上げられていません。</translation>
    </message>
    <message>
        <source>Choose a voice of the text&apos;s language in the voice list and press Speak.</source>
        <translation>音声の一覧でテキストの言語の音声を選び、「読み上げ」を押してください。</translation>
    </message>
    <message>
        <source>Show text box</source>
        <translation>テキストボックスを表示</translation>
    </message>
    <message>
        <source>Resumed at %1 % where the reading stopped; Ctrl+Home reads from the start.</source>
        <translation>読み上げが止まった %1 % から再開しました。Ctrl+Home で最初から読みます。</translation>
    </message>
</context>
<context>
    <name>SayoraSelection</name>
    <message>
        <source>Usage: sayora-selection [--clipboard]
Reads the selected text (or with --clipboard the copied text) aloud with sayora.</source>
        <translation>使い方: sayora-selection [--clipboard]
選択したテキスト (--clipboard ではコピーしたテキスト) を sayora で読み上げます。</translation>
    </message>
    <message>
        <source>unknown option %1 (try --help)</source>
        <translation>不明なオプション %1 (--help を試してください)</translation>
    </message>
    <message>
        <source>no X display to read the selection from (DISPLAY is not set)</source>
        <translation type="vanished">選択範囲を読み取る X ディスプレイがありません (DISPLAY が設定されていません)</translation>
    </message>
    <message>
        <source>the clipboard holds no text</source>
        <translation>クリップボードにテキストがありません</translation>
    </message>
    <message>
        <source>nothing is selected</source>
        <translation>何も選択されていません</translation>
    </message>
    <message>
        <source>the reader sayora was not found</source>
        <translation>読み上げプログラム sayora が見つかりません</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>%1 を起動できません: %2</translation>
    </message>
    <message>
        <source>the reader ended abnormally</source>
        <translation>読み上げプログラムが異常終了しました</translation>
    </message>
    <message>
        <source>cannot read the clipboard: %1</source>
        <translation>クリップボードを読み取れません: %1</translation>
    </message>
    <message>
        <source>cannot read the selection: %1</source>
        <translation>選択範囲を読み取れません: %1</translation>
    </message>
</context>
<context>
    <name>SelectionKey</name>
    <message>
        <source>Read the selected text aloud</source>
        <translation>選択したテキストを読み上げる</translation>
    </message>
    <message>
        <source>%1 cannot read the selection from other programs here (%2). Bind sayora-selection to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>%1 はここでは他のプログラムの選択範囲を読み取れません (%2)。代わりに、デスクトップのキーボード設定で sayora-selection をキーに割り当ててください。</translation>
    </message>
</context>
<context>
    <name>SoundFileCommit</name>
    <message>
        <source>The MP3 encoder stopped before it had finished.</source>
        <translation>MP3 エンコーダーが完了前に停止しました。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>フォルダー %1 は存在しません。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to: it is a file.</source>
        <translation>フォルダー %1 に書き込めません: ファイルです。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>フォルダー %1 に書き込めません。</translation>
    </message>
    <message>
        <source>The speech was not rendered (no sound file).</source>
        <translation>音声が生成されませんでした (サウンドファイルがありません)。</translation>
    </message>
    <message>
        <source>The speech was not rendered completely (the sound file is damaged).</source>
        <translation>音声が最後まで生成されませんでした (サウンドファイルが壊れています)。</translation>
    </message>
    <message>
        <source>The voice produced no speech for this text.</source>
        <translation>このテキストに対して音声が何も出力されませんでした。</translation>
    </message>
    <message>
        <source>The sound file could not be written: %1.</source>
        <translation>サウンドファイルを書き込めませんでした: %1。</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed.</source>
        <translation>MP3 エンコーダー「lame」がインストールされていません。</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish.</source>
        <translation>MP3 エンコーダーが完了しませんでした。</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started: %1</source>
        <translation>MP3 エンコーダー「lame」を起動できませんでした: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1).</source>
        <translation>MP3 エンコーダーが失敗しました (終了コード %1)。</translation>
    </message>
    <message>
        <source>The MP3 encoder did not write a complete MP3 file.</source>
        <translation>MP3 エンコーダーが完全な MP3 ファイルを書き出しませんでした。</translation>
    </message>
    <message>
        <source>The permissions of %1 could not be set: %2</source>
        <translation type="vanished">%1 のアクセス権を設定できませんでした: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="vanished">%1 を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation type="vanished">%1 を置き換えられませんでした: %2</translation>
    </message>
    <message>
        <source>%1 is in place, but the system could not confirm that it reached the disk: %2</source>
        <translation type="vanished">%1 は配置されましたが、ディスクに書き込まれたことをシステムが確認できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>SpFileStream</name>
    <message>
        <source>Only creating a file for writing is supported.</source>
        <translation>書き込み用のファイル作成のみに対応しています。</translation>
    </message>
</context>
<context>
    <name>SpeechExport</name>
    <message>
        <source>The sound file could not be created: %1</source>
        <translation>サウンドファイルを作成できませんでした: %1</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not be started.</source>
        <translation>音声「%1」を起動できませんでした。</translation>
    </message>
    <message>
        <source>The sound file could not be created.</source>
        <translation>サウンドファイルを作成できませんでした。</translation>
    </message>
    <message>
        <source>The voice did not accept the text.</source>
        <translation>音声がテキストを受け付けませんでした。</translation>
    </message>
    <message>
        <source>The espeak-ng voices are not available.</source>
        <translation>espeak-ng の音声が使えません。</translation>
    </message>
    <message>
        <source>The sound file could not be written: %1</source>
        <translation>サウンドファイルを書き込めませんでした: %1</translation>
    </message>
    <message numerus="yes">
        <source>The speech rendering made no progress for %n seconds.</source>
        <translation>
            <numerusform>音声の生成が %n 秒間進みませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>The sound could not be encoded: %1</source>
        <translation>音声をエンコードできませんでした: %1</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>No available information</source>
        <translation>情報はありません</translation>
    </message>
    <message>
        <source>Checking Server&apos;s IP</source>
        <translation>サーバーの IP を確認中</translation>
    </message>
    <message>
        <source>Found Server&apos;s IP Successfully</source>
        <translation>サーバーの IP が見つかりました</translation>
    </message>
    <message>
        <source>Connecting Server</source>
        <translation>サーバーに接続中</translation>
    </message>
    <message>
        <source>Connected Server</source>
        <translation>サーバーに接続しました</translation>
    </message>
    <message>
        <source>Requesting Server</source>
        <translation>サーバーに要求中</translation>
    </message>
    <message>
        <source>Requested Server</source>
        <translation>サーバーに要求しました</translation>
    </message>
    <message>
        <source>Waiting Server&apos;s Replay</source>
        <translation>サーバーの応答を待機中</translation>
    </message>
    <message>
        <source>Received Server&apos; Replay</source>
        <translation>サーバーの応答を受信しました</translation>
    </message>
    <message>
        <source>Disconnecting Server</source>
        <translation>サーバーから切断中</translation>
    </message>
    <message>
        <source>Disconnected Server</source>
        <translation>サーバーから切断しました</translation>
    </message>
    <message>
        <source>Unable to Connect to Server</source>
        <translation>サーバーに接続できません</translation>
    </message>
    <message>
        <source>Request has been handled</source>
        <translation>要求は処理されました</translation>
    </message>
    <message>
        <source>Update Online----Sayora</source>
        <translation>オンライン更新 - Sayora</translation>
    </message>
    <message>
        <source>Click&quot;Check&quot; button</source>
        <translation>「確認」ボタンをクリックしてください</translation>
    </message>
    <message>
        <source>Current version %1</source>
        <translation>現在のバージョン %1</translation>
    </message>
    <message>
        <source>Sayora will be closed when update is running</source>
        <translation>更新中は Sayora を終了します</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>確認(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Return</source>
        <translation>戻る(&amp;R)</translation>
    </message>
    <message>
        <source>Found new version %1</source>
        <translation>新しいバージョン %1 が見つかりました</translation>
    </message>
    <message>
        <source>Click&quot;Update&quot; button or</source>
        <translation>「更新」ボタンをクリックするか</translation>
    </message>
    <message>
        <source>access the following URL to update this software</source>
        <translation>次の URL にアクセスしてこのソフトウェアを更新してください</translation>
    </message>
    <message>
        <source>No new version</source>
        <translation>新しいバージョンはありません</translation>
    </message>
    <message>
        <source>Sorry, an error has occurred on the author&apos;s website, please try after a while</source>
        <translation>申し訳ありません。作者の Web サイトでエラーが発生しました。しばらくしてからもう一度お試しください</translation>
    </message>
    <message>
        <source>The installer could not be written: the disk may be full.</source>
        <translation>インストーラーを書き込めませんでした: ディスクがいっぱいかもしれません。</translation>
    </message>
    <message>
        <source>The installer was not downloaded. %1</source>
        <translation>インストーラーはダウンロードされませんでした。%1</translation>
    </message>
    <message>
        <source>The downloaded installer could not be verified, so it was not started. Please try again later.</source>
        <translation>ダウンロードしたインストーラーを検証できなかったため、起動しませんでした。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>The installer could not be started</source>
        <translation>インストーラーを起動できませんでした</translation>
    </message>
    <message>
        <source>The downloaded installer could not be started: %1. It has been deleted.</source>
        <translation>ダウンロードしたインストーラーを起動できませんでした: %1。インストーラーは削除しました。</translation>
    </message>
</context>
<context>
    <name>WindowExport</name>
    <message>
        <source>Export progress: click or press Esc to cancel the export</source>
        <translation>エクスポートの進行状況: クリックするか Esc キーでエクスポートを取り消します</translation>
    </message>
    <message>
        <source>Time the export has taken</source>
        <translation>エクスポートの経過時間</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Time the export still needs</source>
        <translation>エクスポートの残り時間</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>残り %1</translation>
    </message>
    <message>
        <source>The pronunciation rules leave nothing to read aloud.</source>
        <translation>発音ルールを適用すると読み上げるものが残りません。</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed.</source>
        <translation>MP3 エンコーダー「lame」がインストールされていません。</translation>
    </message>
    <message>
        <source>The text is too long for one MP3 export: its speech would need about %1 GB of sound on the way, more than the 4 GB a WAV file can hold. Save it as &quot;Audiobook, a file per chapter&quot;, &quot;MP3 with chapter marks&quot;, &quot;M4B audiobook&quot;, OGG Vorbis, Opus or FLAC, which have no such limit.</source>
        <translation>テキストが長すぎて1つの MP3 にエクスポートできません: 途中で約 %L1 GB の音声が必要になり、WAV ファイルに収まる 4 GB を超えます。「オーディオブック、章ごとに1ファイル」「章マーク付き MP3」「M4B オーディオブック」、OGG Vorbis、Opus、FLAC のいずれかで保存してください。これらにはこの上限がありません。</translation>
    </message>
    <message>
        <source>The converter &quot;sayora-convert&quot; is not installed.</source>
        <translation>変換プログラム「sayora-convert」がインストールされていません。</translation>
    </message>
    <message>
        <source>The text could not be handed to the converter: %1</source>
        <translation>テキストを変換プログラムに渡せませんでした: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>フォルダー %1 に書き込めません。</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>%1 を置き換えられませんでした。</translation>
    </message>
    <message>
        <source>%1 could not be created.</source>
        <translation>%1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>The export component &quot;tavo&quot; could not be loaded (error 0x%1).</source>
        <translation>エクスポート部品「tavo」を読み込めませんでした (エラー 0x%1)。</translation>
    </message>
    <message>
        <source>Another Sayora window is exporting with a flite voice. Wait until it has finished, or export with an espeak-ng voice.</source>
        <translation>別の Sayora ウィンドウが flite の音声でエクスポート中です。完了するまで待つか、espeak-ng の音声でエクスポートしてください。</translation>
    </message>
    <message>
        <source>The registry store %1 cannot be written: the flite voices report the end of their rendering through it.</source>
        <translation>レジストリストア %1 に書き込めません: flite の音声はここを通じて出力の終了を知らせます。</translation>
    </message>
    <message>
        <source>%1 could not be exported.

%2

Nothing was written to it.</source>
        <translation>%1 をエクスポートできませんでした。

%2

何も書き込まれていません。</translation>
    </message>
    <message numerus="yes">
        <source>The registry store %1 stayed locked by another program for %n seconds.</source>
        <translation>
            <numerusform>レジストリストア %1 が別のプログラムに %n 秒間ロックされたままでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The speech rendering made no progress for %n seconds.</source>
        <translation>
            <numerusform>音声の生成が %n 秒間進みませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The MP3 encoder made no progress for %n seconds.</source>
        <translation>
            <numerusform>MP3 エンコーダーが %n 秒間進みませんでした。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WordSpeakerInstaller</name>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>パスが見つかりません</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>パスまたはファイルのアクセスエラー</translation>
    </message>
</context>
<context>
    <name>X11KeyGrab</name>
    <message>
        <source>no X server</source>
        <translation>X サーバーがありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one key with its modifiers</source>
        <translation>「%1」は修飾キー付きの 1 つのキーではありません</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; cannot be grabbed</source>
        <translation>キー「%1」を確保できません</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is not on this keyboard</source>
        <translation>キー「%1」はこのキーボードにありません</translation>
    </message>
    <message>
        <source>another program holds the key &quot;%1&quot;</source>
        <translation>キー「%1」は別のプログラムが使用しています</translation>
    </message>
</context>
</TS>
