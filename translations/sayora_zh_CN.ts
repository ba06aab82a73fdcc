<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AtomicFile</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>文件未打开</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>无法替换 %1：%2</translation>
    </message>
    <message>
        <source>%1 is in place, but the system could not confirm that it reached the disk: %2</source>
        <translation>%1 已就位，但系统无法确认它已写入磁盘：%2</translation>
    </message>
    <message>
        <source>The permissions of %1 could not be set: %2</source>
        <translation>无法设置 %1 的权限：%2</translation>
    </message>
</context>
<context>
    <name>BookNavigation</name>
    <message>
        <source>This text has no chapters</source>
        <translation>此文本没有章节</translation>
    </message>
    <message>
        <source>Nothing further</source>
        <translation>后面没有了</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>已在开头</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>第 %1 章</translation>
    </message>
    <message>
        <source>Chapters...</source>
        <translation>章节…</translation>
    </message>
    <message>
        <source>Move the reading</source>
        <translation>移动朗读位置</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>下一句</translation>
    </message>
    <message>
        <source>Previous sentence</source>
        <translation>上一句</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>下一段</translation>
    </message>
    <message>
        <source>Previous paragraph</source>
        <translation>上一段</translation>
    </message>
    <message>
        <source>Next chapter</source>
        <translation>下一章</translation>
    </message>
    <message>
        <source>Previous chapter</source>
        <translation>上一章</translation>
    </message>
    <message>
        <source>Show the sentence being read</source>
        <translation>显示正在朗读的句子</translation>
    </message>
</context>
<context>
    <name>ChapterList</name>
    <message>
        <source>Chapters</source>
        <translation>章节</translation>
    </message>
    <message>
        <source>This text has no chapters.</source>
        <translation>此文本没有章节。</translation>
    </message>
    <message>
        <source>&amp;Chapters:</source>
        <translation>章节(&amp;C)：</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>第 %1 章</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1，第 %2 级</translation>
    </message>
    <message>
        <source>  (being read)</source>
        <translation>  （正在朗读）</translation>
    </message>
    <message>
        <source>, being read</source>
        <translation>，正在朗读</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>转到(&amp;G)</translation>
    </message>
</context>
<context>
    <name>ChapterSplit</name>
    <message>
        <source>there is no text in it to read aloud</source>
        <translation>其中没有可朗读的文本</translation>
    </message>
    <message>
        <source>no voice is installed</source>
        <translation>没有安装任何语音</translation>
    </message>
    <message>
        <source>the MP3 encoder &quot;lame&quot; is not installed</source>
        <translation type="vanished">未安装 MP3 编码器“lame”</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>无法创建文件夹</translation>
    </message>
    <message>
        <source>the folder cannot be written to</source>
        <translation>无法写入文件夹</translation>
    </message>
    <message>
        <source>the converter could not be started again (%1)</source>
        <translation>无法再次启动转换程序（%1）</translation>
    </message>
    <message>
        <source>the conversion stopped unexpectedly</source>
        <translation>转换意外中止</translation>
    </message>
    <message>
        <source> No chapter was written.</source>
        <translation> 没有写入任何章节。</translation>
    </message>
    <message>
        <source> Chapters 1 to %1 of %2 were written and kept; no playlist was written.</source>
        <translation> 共 %2 章中的第 1 至 %1 章已写入并保留；未写入播放列表。</translation>
    </message>
    <message>
        <source> The chapters were written; the playlist was not.</source>
        <translation> 章节已写入，播放列表未写入。</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <source>the text is too large (the limit is %1 MB)</source>
        <translation>文本太大（上限为 %L1 MB）</translation>
    </message>
    <message>
        <source>sayora-convert: %1: line %2: %3; the line was skipped</source>
        <translation>sayora-convert: %1：第 %2 行：%3；已跳过该行</translation>
    </message>
    <message>
        <source>sayora-convert: %1: not UTF-8, read as Windows-1252 (--encoding names another encoding)</source>
        <translation>sayora-convert: %1：不是 UTF-8，已按 Windows-1252 读取（可用 --encoding 指定其他编码）</translation>
    </message>
    <message>
        <source>sayora-convert: %1: some bytes are not %2 and were replaced</source>
        <translation>sayora-convert: %1：部分字节不是 %2，已被替换</translation>
    </message>
    <message>
        <source>there is no text in it to read aloud</source>
        <translation>其中没有可朗读的文本</translation>
    </message>
    <message>
        <source>Chapter 1</source>
        <translation>第 1 章</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;</source>
        <translation>没有语音“%1”</translation>
    </message>
    <message>
        <source>no voice is installed</source>
        <translation>没有安装任何语音</translation>
    </message>
    <message>
        <source>the pronunciation rules leave nothing to read aloud</source>
        <translation>应用发音规则后没有可朗读的内容</translation>
    </message>
    <message>
        <source>the MP3 encoder &quot;lame&quot; is not installed</source>
        <translation type="vanished">未安装 MP3 编码器“lame”</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>--split writes speech: --format takes mp3, wav, ogg, opus, flac or m4b, not &quot;%1&quot;</source>
        <translation>--split 写出语音：--format 只接受 mp3、wav、ogg、opus、flac 或 m4b，而不是“%1”</translation>
    </message>
    <message>
        <source>--subtitle-format goes with --split chapters; elsewhere --subtitles names the file</source>
        <translation>--subtitle-format 与 --split chapters 一起使用；其他情况下由 --subtitles 指定文件</translation>
    </message>
    <message>
        <source>the subtitles of a part cannot be read</source>
        <translation>无法读取某一部分的字幕</translation>
    </message>
    <message>
        <source>sayora-convert: %1: skipped, it is already there</source>
        <translation>sayora-convert: %1：已跳过，文件已存在</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the converter could not be started again (%2).</source>
        <translation>sayora-convert: %1：无法再次启动转换程序（%2）。</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the conversion was killed by a signal.</source>
        <translation>sayora-convert: %1：转换被信号终止。</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the conversion stopped unexpectedly.</source>
        <translation>sayora-convert: %1：转换意外中止。</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>--split takes &quot;chapters&quot;, not &quot;%1&quot;</source>
        <translation>--split 只接受“chapters”，而不是“%1”</translation>
    </message>
    <message>
        <source>--split writes speech: --format takes mp3 or wav, not &quot;%1&quot;</source>
        <translation type="vanished">--split 写出语音：--format 只接受 mp3 或 wav，而不是“%1”</translation>
    </message>
    <message>
        <source>with --split, --subtitles takes srt, lrc or vtt, not &quot;%1&quot;</source>
        <translation type="vanished">与 --split 同用时，--subtitles 只接受 srt、lrc 或 vtt，而不是“%1”</translation>
    </message>
    <message>
        <source>--split chapters needs a book and a folder: INPUT DIR</source>
        <translation>--split chapters 需要一本书和一个文件夹：INPUT DIR</translation>
    </message>
    <message>
        <source>--jobs goes with --output-dir, not --split</source>
        <translation>--jobs 与 --output-dir 同用，不能与 --split 同用</translation>
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
一本书，每章一个文件：
       sayora-convert [选项] --split chapters INPUT DIR
在 DIR 中按章写出“01 标题.mp3”、“02 标题.mp3”……（依据 EPUB 的目录、PDF 的
大纲、DOCX、ODT 或 HTML 文件的顶级标题；第一章之前的文本与第一章一起朗读），
并写入章节、书名、作者和音轨号标签，以及按顺序排列的播放列表
“书名.m3u8”。--format 为 mp3（默认）或 wav；--subtitles srt、lrc 或 vtt
会在旁边写出“01 标题.srt”……。出错时拆分停止：之前完成的章节完整保留，
不写入播放列表。
</translation>
    </message>
    <message>
        <source> (see --help)</source>
        <translation>（参见 --help）</translation>
    </message>
    <message>
        <source>--list-voices shows them</source>
        <translation>可用 --list-voices 查看</translation>
    </message>
    <message>
        <source>did you mean %1?</source>
        <translation>您是否想用 %1？</translation>
    </message>
    <message>
        <source>more than one voice goes by &quot;%1&quot;; %2</source>
        <translation>有多个语音名为“%1”；%2</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;; %2</source>
        <translation>没有语音“%1”；%2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <source>--bitrate was left unused: %1 and has no bit rate to set</source>
        <translation>--bitrate 未被使用：%1，没有可设置的比特率</translation>
    </message>
    <message>
        <source>removed %1, left in %2 by a conversion that was killed</source>
        <translation>已删除 %1，它是被终止的转换留在 %2 中的</translation>
    </message>
    <message>
        <source>encoding</source>
        <translation>编码中</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>朗读中</translation>
    </message>
    <message>
        <source>interrupted; %1 was left as it was</source>
        <translation>已中断；%1 保持原样</translation>
    </message>
    <message>
        <source>interrupted; the chapters finished so far were kept, no playlist was written</source>
        <translation>已中断；已完成的章节予以保留，未写入播放列表</translation>
    </message>
    <message>
        <source>%1: the folder cannot be created.</source>
        <translation>%1：无法创建文件夹。</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>转换中</translation>
    </message>
    <message>
        <source>interrupted; the files being converted were left as they were</source>
        <translation>已中断；正在转换的文件保持原样</translation>
    </message>
    <message>
        <source>%1 needs a number from 0 to 100</source>
        <translation>%1 需要 0 到 100 之间的数字</translation>
    </message>
    <message>
        <source>%1 takes a number from 0 to 100, not &quot;%2&quot;</source>
        <translation>%1 只接受 0 到 100 之间的数字，而不是“%2”</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <source>--voice needs a voice name (--list-voices shows them)</source>
        <translation>--voice 需要语音名称（可用 --list-voices 查看）</translation>
    </message>
    <message>
        <source>--encoding needs the name of a text encoding, such as windows-1251</source>
        <translation>--encoding 需要文本编码名称，例如 windows-1251</translation>
    </message>
    <message>
        <source>--encoding does not know &quot;%1&quot; (names such as UTF-8, windows-1251, Shift_JIS, ISO-8859-2, GB18030)</source>
        <translation>--encoding 不认识“%1”（可用名称如 UTF-8、windows-1251、Shift_JIS、ISO-8859-2、GB18030）</translation>
    </message>
    <message>
        <source>--rules needs a pronunciation rules file</source>
        <translation>--rules 需要发音规则文件</translation>
    </message>
    <message>
        <source>the rules file &quot;%1&quot; cannot be read</source>
        <translation>无法读取规则文件“%1”</translation>
    </message>
    <message>
        <source>--subtitles needs a file name ending in .srt, .lrc or .vtt</source>
        <translation>--subtitles 需要以 .srt、.lrc 或 .vtt 结尾的文件名</translation>
    </message>
    <message>
        <source>the subtitle file &quot;%1&quot; must end in .srt, .lrc or .vtt</source>
        <translation>字幕文件“%1”必须以 .srt、.lrc 或 .vtt 结尾</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 需要文本</translation>
    </message>
    <message>
        <source>--track takes a number, or a number and the total: 3/12</source>
        <translation>--track 接受一个编号，或编号加总数：3/12</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 1 up</source>
        <translation>%1 接受不小于 1 的整数</translation>
    </message>
    <message>
        <source>--bitrate takes kbit/s from 8 to 320</source>
        <translation>--bitrate 接受 8 到 320 kbit/s</translation>
    </message>
    <message>
        <source>--jobs takes a number of jobs from 1 up</source>
        <translation>--jobs 接受不小于 1 的任务数</translation>
    </message>
    <message>
        <source>--output-dir needs a folder</source>
        <translation>--output-dir 需要一个文件夹</translation>
    </message>
    <message>
        <source>--format needs mp3, wav, ogg, opus, flac, m4b or txt</source>
        <translation>--format 需要 mp3、wav、ogg、opus、flac、m4b 或 txt</translation>
    </message>
    <message>
        <source>--format takes mp3, wav, ogg, opus, flac, m4b or txt, not &quot;%1&quot;</source>
        <translation>--format 只接受 mp3、wav、ogg、opus、flac、m4b 或 txt，而不是“%1”</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>--rules and --no-rules exclude each other</source>
        <translation>--rules 与 --no-rules 互相排斥</translation>
    </message>
    <message>
        <source>--list-voices takes no files</source>
        <translation>--list-voices 不接受文件</translation>
    </message>
    <message>
        <source>--output-dir and --format go together</source>
        <translation>--output-dir 与 --format 须同时使用</translation>
    </message>
    <message>
        <source>no input files were given</source>
        <translation>未指定输入文件</translation>
    </message>
    <message>
        <source>standard input converts on its own: sayora-convert - OUTPUT</source>
        <translation>标准输入需单独转换：sayora-convert - OUTPUT</translation>
    </message>
    <message>
        <source>--subtitles names one file: use it with a single INPUT OUTPUT</source>
        <translation>--subtitles 只指定一个文件：请与单个 INPUT OUTPUT 一起使用</translation>
    </message>
    <message>
        <source>--split-minutes and --split-size go with a single INPUT OUTPUT</source>
        <translation>--split-minutes 和 --split-size 须与单个 INPUT OUTPUT 一起使用</translation>
    </message>
    <message>
        <source>--skip-existing goes with --output-dir and --format</source>
        <translation>--skip-existing 须与 --output-dir 和 --format 一起使用</translation>
    </message>
    <message>
        <source>an INPUT and an OUTPUT file are needed</source>
        <translation>需要一个 INPUT 文件和一个 OUTPUT 文件</translation>
    </message>
    <message>
        <source>too many files: use --output-dir and --format for several</source>
        <translation>文件太多：多个文件请使用 --output-dir 和 --format</translation>
    </message>
    <message>
        <source>- as the OUTPUT writes to standard output in the format --format names</source>
        <translation>OUTPUT 为 - 时，按 --format 指定的格式写到标准输出</translation>
    </message>
    <message>
        <source>standard output takes one sound file: mp3, wav, ogg or opus</source>
        <translation>标准输出只接受一个声音文件：mp3、wav、ogg 或 opus</translation>
    </message>
    <message>
        <source>the OUTPUT &quot;%1&quot; is a folder: name the file to write</source>
        <translation>OUTPUT“%1”是文件夹：请指定要写入的文件</translation>
    </message>
    <message>
        <source>the OUTPUT &quot;%1&quot; must end in .mp3, .wav, .ogg, .opus, .flac, .m4b or .txt</source>
        <translation>OUTPUT“%1”必须以 .mp3、.wav、.ogg、.opus、.flac、.m4b 或 .txt 结尾</translation>
    </message>
    <message>
        <source>--split-minutes and --split-size split speech: the OUTPUT must not be a .txt</source>
        <translation>--split-minutes 和 --split-size 拆分语音：OUTPUT 不能是 .txt</translation>
    </message>
    <message>
        <source>--split-size goes with .mp3 and .wav, whose sizes are known as they are made; use --split-minutes</source>
        <translation>--split-size 只用于 .mp3 和 .wav，它们的大小在生成时即可知；请使用 --split-minutes</translation>
    </message>
    <message>
        <source>subtitles go with speech: the OUTPUT must not be a .txt</source>
        <translation>字幕需配合语音：OUTPUT 不能是 .txt</translation>
    </message>
    <message>
        <source>--chapter-marks goes with an .mp3 OUTPUT (an .m4b has its chapters anyway)</source>
        <translation>--chapter-marks 用于 .mp3 的 OUTPUT（.m4b 本身就带章节）</translation>
    </message>
    <message>
        <source>chapter marks make one file: not with --split-minutes or --split-size</source>
        <translation>章节标记只生成一个文件：不能与 --split-minutes 或 --split-size 同用</translation>
    </message>
    <message>
        <source>the subtitle file &quot;%1&quot; must be a file of its own</source>
        <translation>字幕文件“%1”必须是独立的文件</translation>
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
        <translation>用法：sayora-convert [选项] INPUT OUTPUT
      sayora-convert [选项] --output-dir DIR --format FORMAT INPUT...
      sayora-convert --list-voices

用 Sayora 的语音把文本朗读成声音文件，或将其转为纯文本。INPUT 是文本、
RTF、PDF、EPUB、DOCX、ODT 或 HTML 文件，读取方式与 Sayora 的“打开”按钮
相同；也可以是 -，表示标准输入。OUTPUT 的扩展名决定写出什么（- 加
--format FORMAT：按该格式写到标准输出）：
  .mp3   语音，由 lame 编码
  .wav   语音，16 位 PCM
  .ogg   语音，Ogg Vorbis      .opus  语音，Ogg Opus
  .flac  语音，FLAC（无损）
  .m4b   有声书：MP4 中的 AAC，并标记书的章节
  .txt   Sayora 显示的纯文本，UTF-8 编码

选项：
      --voice NAME        语音，按 --list-voices 显示的名称指定（名称、
                          简称或语言）；默认为 Sayora 的第一个语音，
                          若它无法朗读该文本，则用文本语言的语音
      --rate N            语速，0-100，同 Sayora 的语速条
      --pitch N           音调，0-100，同 Sayora 的音调条（flite 语音；
                          espeak-ng 语音保持自己的音调）
      --volume N          音量，0-100，同 Sayora 的音量条
      --subtitles FILE    同时写出按句计时的字幕：.srt、.lrc 或 .vtt
      --rules FILE        按 FILE 中的发音规则读词（每行一条规则：
                          书写 TAB 读法 [TAB 选项]），而不用您在
                          ~/.config/sayora 中的列表；无法读取的行
                          会给出带行号的警告
      --no-rules          完全不用发音规则
      --no-language-switch
                          用同一个语音朗读全文；默认情况下，其他语言
                          的句子（其他文字，或足够长、语言识别器能判断
                          的句子）由该语言已安装的最佳语音朗读
      --encoding NAME     纯文本输入的编码（windows-1251、Shift_JIS、
                          ...）；默认为 UTF-8，若字节不是 UTF-8，则按
                          Windows-1252 读取并给出警告
  -o, --output-dir DIR    将每个 INPUT 转换到 DIR 中，以其名称命名
  -f, --format FORMAT     与 --output-dir 或 OUTPUT - 同用：mp3、wav、
                          ogg、opus、flac、m4b 或 txt
  -j, --jobs N            与 --output-dir 同用时为同时进行的转换数，
                          否则为同一文本同时生成的分段数（默认：每个
                          处理器一个；1 表示整段生成）
      --skip-existing     与 --output-dir 同用：跳过输出已存在的每个
                          INPUT（失败后重新运行只做缺少的部分）
      --bitrate KBPS      MP3（固定）、Ogg Vorbis 和 Opus（平均）的
                          比特率；FLAC 和 WAV 没有比特率（指定时会提示）
      --split-minutes N   将 OUTPUT 分为“NAME 01.EXT”、“NAME 02.EXT”
                          ……，每个至多 N 分钟，在句末切分（更长的句子
                          在分句处切分；放不下的会提示），并写出播放
                          列表“NAME.m3u”
      --split-size MB     同上，按大小切分（.mp3 和 .wav）
      --split chapters    将书按章写成多个文件，放入文件夹 OUTPUT
                          （见下文）
      --title TEXT, --artist TEXT, --album TEXT, --track N[/TOTAL]
                          标签（MP3 中的 ID3，Ogg、Opus 和 FLAC 中的
                          Vorbis 注释）
      --chapter-marks     与 .mp3 的 OUTPUT 同用：在 ID3 标签中标记书的
                          章节（CHAP 和 CTOC 帧），有声书播放器会将其
                          显示为章节列表
      --progress-lines    工作过程中在标准输出打印“done FRACTION”行，
                          供其他程序跟踪
      --list-voices       列出语音，每行一个（名称、简称、语言、引擎；
                          以制表符分隔），然后退出
  -q, --quiet             不显示进度条
  -h, --help              显示此帮助并退出
  -V, --version           显示版本并退出

已有的输出只有在新文件完整后才会被替换。被强行终止的转换在输出旁留下的
隐藏临时文件（.NAME.XXXXXX.wav 和 .mp3，以及长文本分段的文件夹
.NAME.XXXXXX.parts），会由下一次向该文件夹的转换删除：仅删除某次转换在
~/.local/state/sayora 中记为己有、且该转换已结束的文件。若转换所需空间
超过文件夹的可用空间，开始前即被拒绝。

退出状态：0 成功，1 命令行错误，2 无法读取输入，3 未知语音或无法加载的
语音，4 生成或编码失败且重试仍会失败，5 因可能消失的原因而失败（磁盘已满
或对输出而言太小，编码器或工作进程被信号终止）：值得重试。批量转换以第一
个失败输入的状态结束。
</translation>
    </message>
    <message>
        <source>FFmpeg has no AAC encoder</source>
        <translation type="vanished">FFmpeg 没有 AAC 编码器</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="vanished">内存不足</translation>
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
        <translation>文件夹 %1 有 %2 可用空间，而此次转换至少需要 %3</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>，剩余 %1</translation>
    </message>
    <message>
        <source>Ogg Vorbis reaches %1 to %2 kbit/s at this voice&apos;s sample rate, not %3; the nearest was taken</source>
        <translation>在此语音的采样率下，Ogg Vorbis 可达 %1 至 %2 kbit/s，而不是 %3；已采用最接近的值</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>文件未打开</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n chapters</source>
        <translation>
            <numerusform>%1：%2/%n 章</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files</source>
        <translation>
            <numerusform>%1/%n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sayora-convert: %1 of %n files converted</source>
        <translation>
            <numerusform>sayora-convert: 已转换 %1/%n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n skipped (already there)</source>
        <translation>
            <numerusform>，跳过 %n 个（已存在）</numerusform>
        </translation>
    </message>
    <message>
        <source>with --split, --subtitle-format takes srt, lrc or vtt, not &quot;%1&quot;</source>
        <translation>与 --split 同用时，--subtitle-format 只接受 srt、lrc 或 vtt，而不是“%1”</translation>
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
一本书，每章一个文件：
       sayora-convert [选项] --split chapters INPUT DIR
在 DIR 中按章写出“01 标题.mp3”、“02 标题.mp3”……（依据 EPUB 的目录、PDF 的
大纲、DOCX、ODT 或 HTML 文件的顶级标题；第一章之前的文本与第一章一起朗读），
并写入章节、书名、作者和音轨号标签，以及按顺序排列的播放列表
“书名.m3u8”。--format 为 mp3（默认）、wav、ogg、opus、flac 或 m4b；--subtitle-format srt、lrc 或 vtt
（或 --subtitles srt、lrc 或 vtt）会在旁边写出“01 标题.srt”……。出错时拆分停止：
之前完成的章节完整保留，不写入播放列表。
</translation>
    </message>
</context>
<context>
    <name>ConverterRun</name>
    <message>
        <source>The converter &quot;sayora-convert&quot; could not be started: %1</source>
        <translation>无法启动转换程序“sayora-convert”：%1</translation>
    </message>
    <message>
        <source>The converter stopped unexpectedly.</source>
        <translation>转换程序意外中止。</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>Rich Text (*.rtf)</source>
        <translation>RTF 格式文本 (*.rtf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>文本 (*.txt)</translation>
    </message>
    <message>
        <source>Documents (*.pdf *.epub *.docx *.odt *.html *.htm)</source>
        <translation>文档 (*.pdf *.epub *.docx *.odt *.html *.htm)</translation>
    </message>
    <message>
        <source>All readable files (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)</source>
        <translation>所有可读文件 (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)</translation>
    </message>
</context>
<context>
    <name>DocumentReader</name>
    <message>
        <source>it is not a Word document (its main part is missing).</source>
        <translation>它不是 Word 文档（缺少主体部分）。</translation>
    </message>
    <message>
        <source>the file is damaged (its text cannot be read).</source>
        <translation>文件已损坏（无法读取其文本）。</translation>
    </message>
    <message>
        <source>it is not a complete EPUB book (its list of contents is missing).</source>
        <translation>它不是完整的 EPUB 书（缺少内容清单）。</translation>
    </message>
    <message>
        <source>it is not a complete EPUB book (its package document is missing).</source>
        <translation>它不是完整的 EPUB 书（缺少包文档）。</translation>
    </message>
    <message>
        <source>the book is encrypted (protected by DRM), so its text cannot be read.</source>
        <translation>此书已加密（受 DRM 保护），无法读取其文本。</translation>
    </message>
    <message>
        <source>the book has no text to read.</source>
        <translation>此书没有可朗读的文本。</translation>
    </message>
    <message>
        <source>it is not a readable HTML page.</source>
        <translation>它不是可读的 HTML 页面。</translation>
    </message>
    <message>
        <source>it is encrypted (protected with a password).</source>
        <translation>它已加密（受密码保护）。</translation>
    </message>
    <message>
        <source>it is not an OpenDocument text (its content is missing).</source>
        <translation>它不是 OpenDocument 文本（缺少内容）。</translation>
    </message>
    <message>
        <source>the file is damaged (it is not a readable PDF).</source>
        <translation>文件已损坏（不是可读的 PDF）。</translation>
    </message>
    <message>
        <source>the PDF has no pages.</source>
        <translation>此 PDF 没有页面。</translation>
    </message>
    <message>
        <source>it has no text to read: its pages are pictures only (a scan?). Text recognition (OCR) would have to turn them into text first.</source>
        <translation>它没有可朗读的文本：页面全是图片（扫描件？）。需要先用文字识别（OCR）将其转为文本。</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>PDF 文档</translation>
    </message>
    <message>
        <source>an EPUB book</source>
        <translation>EPUB 书</translation>
    </message>
    <message>
        <source>a Word document</source>
        <translation>Word 文档</translation>
    </message>
    <message>
        <source>an OpenDocument text</source>
        <translation>OpenDocument 文本</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>未指定文件名。</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>the file cannot be read (%1).</source>
        <translation>无法读取文件（%1）。</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>它是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>它不是普通文件。</translation>
    </message>
    <message>
        <source>the file is too large (the limit is %1 MB).</source>
        <translation>文件太大（上限为 %L1 MB）。</translation>
    </message>
    <message>
        <source>it is an older Office document (such as a .doc), which Sayora does not read; save it as .docx or .odt.</source>
        <translation>它是旧版 Office 文档（如 .doc），Sayora 无法读取；请另存为 .docx 或 .odt。</translation>
    </message>
    <message>
        <source>it is an OpenDocument file of another kind (a spreadsheet or a presentation?), not a text.</source>
        <translation>它是其他类型的 OpenDocument 文件（电子表格或演示文稿？），不是文本。</translation>
    </message>
    <message>
        <source>it is named &quot;.%1&quot; but is not %2 (it is another kind of ZIP archive).</source>
        <translation>它的扩展名是“.%1”，但不是%2（而是另一种 ZIP 压缩包）。</translation>
    </message>
    <message>
        <source>it is a ZIP archive, not a document.</source>
        <translation>它是 ZIP 压缩包，不是文档。</translation>
    </message>
    <message>
        <source>it is named &quot;.%1&quot; but is not %2 (its contents are something else).</source>
        <translation>它的扩展名是“.%1”，但不是%2（内容是别的东西）。</translation>
    </message>
    <message>
        <source>it is not a text or RTF document.</source>
        <translation>它不是文本或 RTF 文档。</translation>
    </message>
    <message>
        <source>a part of the document is missing.</source>
        <translation>文档缺少一部分。</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB, more than any document to be read aloud.</source>
        <translation>它解压后超过 %L1 MB，超出任何待朗读文档的大小。</translation>
    </message>
    <message>
        <source>the file is damaged (its ZIP container cannot be read).</source>
        <translation>文件已损坏（无法读取其 ZIP 容器）。</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Select A File</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> 磅</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>粗体(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>下划线(&amp;U)</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>删除线(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Colour…</source>
        <translation>颜色(&amp;C)…</translation>
    </message>
    <message>
        <source>The quick brown fox jumps over the lazy dog.</source>
        <translation>我能吞下玻璃而不伤身体。</translation>
    </message>
    <message>
        <source>&amp;Face:</source>
        <translation>字体(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>大小(&amp;S)：</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>样式：</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>文字颜色：</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>文字颜色</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>no key is set</source>
        <translation>未设置按键</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>没有会话总线</translation>
    </message>
</context>
<context>
    <name>GrowingWaveEncoder</name>
    <message>
        <source>the rendered sound cannot be read: %1</source>
        <translation>无法读取生成的声音：%1</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>the rendered sound cannot be read</source>
        <translation>无法读取生成的声音</translation>
    </message>
    <message>
        <source>the rendered sound cannot be read (it ends before its header says)</source>
        <translation>无法读取生成的声音（它在文件头标明的长度之前就结束了）</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>How does it work? </source>
        <translation>如何使用？ </translation>
    </message>
    <message>
        <source>How to listen to the text of a web page ?</source>
        <translation>如何收听网页上的文字？</translation>
    </message>
    <message>
        <source>When you browse with Internet Explorer 5.0(or above version) ,</source>
        <translation>使用 Internet Explorer 5.0（或更高版本）浏览时，</translation>
    </message>
    <message>
        <source>use your mouse to select the text you want to listen to, right-click mouse ,</source>
        <translation>用鼠标选中要收听的文字，单击鼠标右键，</translation>
    </message>
    <message>
        <source>and a &quot;Speak by Sayora&quot; command will be on the popup drop down menu ,</source>
        <translation>弹出菜单中会出现“用 Sayora 朗读”命令，</translation>
    </message>
    <message>
        <source>click it ,the selected text will be spoken.</source>
        <translation>单击它，选中的文字就会被朗读。</translation>
    </message>
    <message>
        <source>How to listen to Microsoft WORD document ?</source>
        <translation>如何收听 Microsoft WORD 文档？</translation>
    </message>
    <message>
        <source>If you have installed Microsoft WORD, then after installing Sayora,</source>
        <translation>如果已安装 Microsoft WORD，安装 Sayora 后，</translation>
    </message>
    <message>
        <source>a little yellow speaker icon will appears in your Microsoft WORD tool bar.</source>
        <translation>Microsoft WORD 工具栏上会出现一个黄色的小喇叭图标。</translation>
    </message>
    <message>
        <source>Click on it (or push the key &quot;F12&quot;), all the text in Word document will be spoken.</source>
        <translation>单击它（或按“F12”键），Word 文档中的全部文字都会被朗读。</translation>
    </message>
    <message>
        <source>You can select some text in word document to be spoken.</source>
        <translation>也可以在 Word 文档中选中部分文字来朗读。</translation>
    </message>
    <message>
        <source>  The macro file &quot;Speak.dot&quot; within this software is safe, please use it.</source>
        <translation>  本软件附带的宏文件“Speak.dot”是安全的，请放心使用。</translation>
    </message>
    <message>
        <source>Advice:</source>
        <translation>建议：</translation>
    </message>
    <message>
        <source>Install a good anti-virus software and set Macro&apos;s security of MS WORD to Low</source>
        <translation>安装可靠的杀毒软件，并将 MS WORD 的宏安全级别设为“低”</translation>
    </message>
    <message>
        <source>If there&apos;s no Speaker on your MS WORD tool bar ,click here to add it.</source>
        <translation>如果 MS WORD 工具栏上没有喇叭，请单击此处添加。</translation>
    </message>
    <message>
        <source>How to listen to text file(*.txt or *.rtf files) in explorer ?</source>
        <translation>如何在资源管理器中收听文本文件（*.txt 或 *.rtf）？</translation>
    </message>
    <message>
        <source>Right-click text file (*.txt or *.rtf files)  in explorer, select &quot;Speak by Sayora&quot; command,</source>
        <translation>在资源管理器中右键单击文本文件（*.txt 或 *.rtf），选择“用 Sayora 朗读”命令，</translation>
    </message>
    <message>
        <source>the text file will be spoken .</source>
        <translation>该文本文件就会被朗读。</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>注意：</translation>
    </message>
    <message>
        <source>After install Sayora, restart your computer to make full features take effective.</source>
        <translation>安装 Sayora 后，请重新启动计算机，使全部功能生效。</translation>
    </message>
    <message>
        <source>Read the Sayora help page</source>
        <translation>阅读 Sayora 帮助页面</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>The help page %1 could not be opened: no program to show it was found.</source>
        <translation>无法打开帮助页面 %1：找不到可显示它的程序。</translation>
    </message>
    <message>
        <source>Can not find MS WORD</source>
        <translation>找不到 MS WORD</translation>
    </message>
    <message>
        <source>Retrieve Microsoft Office path fail</source>
        <translation>无法获取 Microsoft Office 路径</translation>
    </message>
    <message>
        <source>Copy %1 TO %2 Successfully . The speaker has been added to your MS WORD tool bar!</source>
        <translation>已成功将 %1 复制到 %2。喇叭已添加到 MS WORD 工具栏！</translation>
    </message>
    <message>
        <source>Can not find %1 file</source>
        <translation>找不到文件 %1</translation>
    </message>
    <message>
        <source>The file %1 is opening , please close your MS WORD</source>
        <translation>文件 %1 已打开，请关闭 MS WORD</translation>
    </message>
    <message>
        <source>Add Speaker to MS WORD Error</source>
        <translation>向 MS WORD 添加喇叭时出错</translation>
    </message>
    <message>
        <source>%1  %2 (Whould you like E-Mail this error message to me ? My email is %3)</source>
        <translation>%1  %2（要将此错误信息通过电子邮件发给我吗？我的邮箱是 %3）</translation>
    </message>
</context>
<context>
    <name>InstallerFile</name>
    <message>
        <source>The folder %1 cannot be opened: %2</source>
        <translation>无法打开文件夹 %1：%2</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user or can be changed by other users, so no installer is downloaded into it. Make it yours and writable by you alone (chmod 700).</source>
        <translation>文件夹 %1 属于其他用户或可被其他用户修改，因此不会将安装程序下载到其中。请将其设为您自己的、仅您可写的文件夹（chmod 700）。</translation>
    </message>
    <message>
        <source>The old installer %1 cannot be removed: %2</source>
        <translation>无法删除旧的安装程序 %1：%2</translation>
    </message>
    <message>
        <source>The installer %1 cannot be created: %2</source>
        <translation>无法创建安装程序 %1：%2</translation>
    </message>
    <message>
        <source>the file was not written whole</source>
        <translation>文件未完整写入</translation>
    </message>
    <message>
        <source>it could not be started</source>
        <translation>无法启动它</translation>
    </message>
    <message>
        <source>it is neither a program nor a script with an interpreter line (#!)</source>
        <translation>它既不是程序，也不是带解释器行（#!）的脚本</translation>
    </message>
    <message>
        <source>it may not be run from this folder</source>
        <translation>不允许从此文件夹运行它</translation>
    </message>
    <message>
        <source>the interpreter its first line names is missing</source>
        <translation>其第一行指定的解释器不存在</translation>
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
        <translation>“%1”不是服务器地址。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses plain http, which anyone on the way can change; only https is accepted (plain http only on this computer&apos;s own loopback address).</source>
        <translation>“%1”使用未加密的 http，途中任何人都能篡改；只接受 https（未加密的 http 仅限本机回环地址）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an https nor a loopback http address.</source>
        <translation>“%1”既不是 https 地址，也不是回环 http 地址。</translation>
    </message>
    <message>
        <source>The server redirected to an address that is not accepted: %1</source>
        <translation>服务器重定向到不被接受的地址：%1</translation>
    </message>
    <message>
        <source>The server redirected from https to plain http (&quot;%1&quot;); that is not followed.</source>
        <translation>服务器从 https 重定向到未加密的 http（“%1”）；不予跟随。</translation>
    </message>
    <message>
        <source>The server redirected over plain http to another host (&quot;%1&quot;); that is not followed.</source>
        <translation>服务器通过未加密的 http 重定向到另一主机（“%1”）；不予跟随。</translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation>应答大于 %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The server did not answer for %n seconds.</source>
        <translation>
            <numerusform>服务器 %n 秒内没有应答。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeyboardAccess</name>
    <message>
        <source>Text box scroll bar</source>
        <translation>文本框滚动条</translation>
    </message>
    <message>
        <source>Text box horizontal scroll bar</source>
        <translation>文本框水平滚动条</translation>
    </message>
    <message>
        <source>Button panel</source>
        <translation>按钮面板</translation>
    </message>
    <message>
        <source>Voice list</source>
        <translation>语音列表</translation>
    </message>
    <message>
        <source>Back colour of the text box</source>
        <translation>文本框背景色</translation>
    </message>
    <message>
        <source>Text colour of the text box</source>
        <translation>文本框文字颜色</translation>
    </message>
    <message>
        <source>Wave rendering control</source>
        <translation>音频生成控件</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>正在朗读</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Export done</source>
        <translation>导出完成</translation>
    </message>
</context>
<context>
    <name>LanguageSwitchOption</name>
    <message>
        <source>Read other languages with their own voices</source>
        <translation>用各自的语音朗读其他语言</translation>
    </message>
</context>
<context>
    <name>M4bWriter</name>
    <message>
        <source>Sayora&apos;s M4B writing is missing or damaged (%1)</source>
        <translation>Sayora 的 M4B 写入模块缺失或已损坏（%1）</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>the MP3 encoder could not be started</source>
        <translation>无法启动 MP3 编码器</translation>
    </message>
    <message>
        <source>the MP3 encoder does not take this sound (%1 Hz at %2 kbit/s)</source>
        <translation>MP3 编码器不接受这种声音（%1 Hz，%2 kbit/s）</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (error %1)</source>
        <translation>MP3 编码器出错（错误 %1）</translation>
    </message>
    <message>
        <source>the MP3 encoder was not started</source>
        <translation>MP3 编码器未启动</translation>
    </message>
</context>
<context>
    <name>Mp3End</name>
    <message>
        <source>Convert text to</source>
        <translation>文本已转换为</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>成功！</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>No program to play MP3 files was found on this desktop.</source>
        <translation>此桌面上找不到可播放 MP3 文件的程序。</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>文件为 %1</translation>
    </message>
</context>
<context>
    <name>PartEncoder</name>
    <message>
        <source>the rendered sound cannot be read</source>
        <translation type="vanished">无法读取生成的声音</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">已停止</translation>
    </message>
</context>
<context>
    <name>PdfReader</name>
    <message>
        <source>Sayora&apos;s PDF reading is missing or damaged (%1)</source>
        <translation>Sayora 的 PDF 读取组件缺失或已损坏（%1）</translation>
    </message>
</context>
<context>
    <name>PieceConversion</name>
    <message>
        <source>the converter could not be started again (%1)</source>
        <translation>无法再次启动转换程序（%1）</translation>
    </message>
    <message>
        <source>the conversion stopped unexpectedly</source>
        <translation>转换意外中止</translation>
    </message>
    <message>
        <source>the parts could not be joined: %1</source>
        <translation>无法合并各部分：%1</translation>
    </message>
    <message>
        <source>the MP3&apos;s tag could not be written</source>
        <translation>无法写入 MP3 的标签</translation>
    </message>
    <message>
        <source>the parts could not be joined</source>
        <translation>无法合并各部分</translation>
    </message>
    <message>
        <source>the speech is longer than the 4 GB a WAV file can hold; convert it to MP3, or in parts</source>
        <translation>语音超过了 WAV 文件可容纳的 4 GB；请转换为 MP3，或分段转换</translation>
    </message>
    <message>
        <source>sayora-convert: %1 is over the limit: a sentence in it is longer than the limit and cannot be cut</source>
        <translation>sayora-convert: %1 超出上限：其中有一句比上限还长，无法切分</translation>
    </message>
    <message>
        <source>the subtitles of a part cannot be read</source>
        <translation type="vanished">无法读取某一部分的字幕</translation>
    </message>
</context>
<context>
    <name>PortalShortcut</name>
    <message>
        <source>no session bus</source>
        <translation>没有会话总线</translation>
    </message>
    <message>
        <source>the desktop portal offers no global shortcuts (%1)</source>
        <translation>桌面门户不提供全局快捷键（%1）</translation>
    </message>
    <message>
        <source>the desktop portal refused a shortcut session (%1)</source>
        <translation>桌面门户拒绝了快捷键会话（%1）</translation>
    </message>
    <message>
        <source>the desktop portal gave no shortcut session</source>
        <translation>桌面门户没有提供快捷键会话</translation>
    </message>
    <message>
        <source>the desktop portal refused the shortcut (%1)</source>
        <translation>桌面门户拒绝了该快捷键（%1）</translation>
    </message>
    <message>
        <source>the shortcut was declined</source>
        <translation>快捷键未被接受</translation>
    </message>
    <message>
        <source>the desktop portal refused the shortcut</source>
        <translation>桌面门户拒绝了该快捷键</translation>
    </message>
</context>
<context>
    <name>PronunciationRules</name>
    <message>
        <source>no written text</source>
        <translation>没有书写文本</translation>
    </message>
    <message>
        <source>a tab or line break inside the rule</source>
        <translation>规则中含有制表符或换行符</translation>
    </message>
    <message>
        <source>blanks at the start or end of a field</source>
        <translation>字段开头或结尾有空白</translation>
    </message>
    <message>
        <source>a written text starting with &quot;#&quot; reads as a comment (write it as the regular expression &quot;\#...&quot;)</source>
        <translation>以“#”开头的书写文本会被当作注释（请写成正则表达式“\#...”）</translation>
    </message>
    <message>
        <source>not a valid regular expression (%1 at character %2)</source>
        <translation>不是有效的正则表达式（第 %2 个字符处：%1）</translation>
    </message>
    <message>
        <source>not a valid regular expression (%1)</source>
        <translation>不是有效的正则表达式（%1）</translation>
    </message>
    <message>
        <source>the regular expression matches empty text</source>
        <translation>正则表达式会匹配空文本</translation>
    </message>
    <message>
        <source>the spoken form names group %1, which the expression does not have</source>
        <translation>读法引用了第 %1 组，但表达式中没有该组</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>no tab between the written text and the spoken form</source>
        <translation>书写文本与读法之间没有制表符</translation>
    </message>
    <message>
        <source>more than three fields (written, spoken, options)</source>
        <translation>字段多于三个（书写、读法、选项）</translation>
    </message>
</context>
<context>
    <name>PronunciationWindow</name>
    <message>
        <source>Pronunciation</source>
        <translation>发音</translation>
    </message>
    <message>
        <source>Rule list</source>
        <translation>规则列表</translation>
    </message>
    <message>
        <source>All voices</source>
        <translation>所有语音</translation>
    </message>
    <message>
        <source>Voices in %1 (%2)</source>
        <translation>%1语音（%2）</translation>
    </message>
    <message>
        <source>&amp;Rules for:</source>
        <translation>规则适用于(&amp;R)：</translation>
    </message>
    <message>
        <source>Pronunciation rules</source>
        <translation>发音规则</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>书写</translation>
    </message>
    <message>
        <source>Spoken</source>
        <translation>读法</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>全词匹配</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>区分大小写</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>正则表达式</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>删除(&amp;M)</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>下移(&amp;D)</translation>
    </message>
    <message>
        <source>Text to say</source>
        <translation>要朗读的文本</translation>
    </message>
    <message>
        <source>&amp;Try:</source>
        <translation>试听(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Say it</source>
        <translation>朗读(&amp;S)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Add a rule for this word</source>
        <translation>为此词添加规则</translation>
    </message>
    <message>
        <source>Pronunciation...</source>
        <translation>发音…</translation>
    </message>
    <message>
        <source>Type how &quot;%1&quot; is said, then press Enter.</source>
        <translation>输入“%1”的读法，然后按回车键。</translation>
    </message>
    <message>
        <source>Line %1 of %2 was skipped: %3.</source>
        <translation>%2 的第 %1 行已跳过：%3。</translation>
    </message>
    <message>
        <source>Rule %1 is not in use: %2.</source>
        <translation>规则 %1 未被使用：%2。</translation>
    </message>
    <message>
        <source>The rules could not be saved in %1: %2.</source>
        <translation>无法将规则保存到 %1：%2。</translation>
    </message>
    <message>
        <source>Saying: %1</source>
        <translation>正在朗读：%1</translation>
    </message>
</context>
<context>
    <name>SaveTypes</name>
    <message>
        <source>Rich Text File(*.rtf)</source>
        <translation>RTF 文件 (*.rtf)</translation>
    </message>
    <message>
        <source>Text File(*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>MP3 File (*.mp3)</source>
        <translation>MP3 文件 (*.mp3)</translation>
    </message>
    <message>
        <source>Audiobook, a file per chapter (*)</source>
        <translation>有声书，每章一个文件 (*)</translation>
    </message>
    <message>
        <source>MP3 with chapter marks (*.mp3)</source>
        <translation>带章节标记的 MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>M4B audiobook with chapters (*.m4b)</source>
        <translation>带章节的 M4B 有声书 (*.m4b)</translation>
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
        <translation>%1 已存在，要覆盖吗？</translation>
    </message>
</context>
<context>
    <name>SayoraMain</name>
    <message>
        <source>An export is running. Wait until it has finished, or press Esc or click its progress number to cancel it.</source>
        <translation>正在导出。请等待完成，或按 Esc 键或单击进度数字取消导出。</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message>
        <source>Text box</source>
        <translation>文本框</translation>
    </message>
    <message>
        <source>Change backcolor of text box</source>
        <translation>更改文本框背景色</translation>
    </message>
    <message>
        <source>Change font of text box</source>
        <translation>更改文本框字体</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Save as mp3, text file</source>
        <translation>另存为 MP3 或文本文件</translation>
    </message>
    <message>
        <source>Hide text box</source>
        <translation>隐藏文本框</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>朗读</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>set to head</source>
        <translation>回到开头</translation>
    </message>
    <message>
        <source>How does it work?</source>
        <translation>如何使用？</translation>
    </message>
    <message>
        <source>Click here to check new version</source>
        <translation>单击此处检查新版本</translation>
    </message>
    <message>
        <source>Not find speech engine</source>
        <translation>找不到语音引擎</translation>
    </message>
    <message>
        <source>Change pronunciation</source>
        <translation>更改发音</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>语速</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>音调</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>文本中的位置</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2</source>
        <translation>无法打开“%1”：%2</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not read this text: nothing was spoken.</source>
        <translation>语音“%1”无法朗读此文本：没有读出任何内容。</translation>
    </message>
    <message>
        <source>Choose a voice of the text&apos;s language in the voice list and press Speak.</source>
        <translation>请在语音列表中选择与文本语言相同的语音，然后按“朗读”。</translation>
    </message>
    <message>
        <source>Show text box</source>
        <translation>显示文本框</translation>
    </message>
    <message>
        <source>Resumed at %1 % where the reading stopped; Ctrl+Home reads from the start.</source>
        <translation>已从上次停止处 %1 % 继续；按 Ctrl+Home 从头朗读。</translation>
    </message>
</context>
<context>
    <name>SayoraSelection</name>
    <message>
        <source>Usage: sayora-selection [--clipboard]
Reads the selected text (or with --clipboard the copied text) aloud with sayora.</source>
        <translation>用法：sayora-selection [--clipboard]
用 sayora 朗读选中的文本（使用 --clipboard 时朗读复制的文本）。</translation>
    </message>
    <message>
        <source>unknown option %1 (try --help)</source>
        <translation>未知选项 %1（请尝试 --help）</translation>
    </message>
    <message>
        <source>no X display to read the selection from (DISPLAY is not set)</source>
        <translation type="vanished">没有可读取选区的 X 显示（未设置 DISPLAY）</translation>
    </message>
    <message>
        <source>the clipboard holds no text</source>
        <translation>剪贴板中没有文本</translation>
    </message>
    <message>
        <source>nothing is selected</source>
        <translation>没有选中任何内容</translation>
    </message>
    <message>
        <source>the reader sayora was not found</source>
        <translation>找不到朗读程序 sayora</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>无法启动 %1：%2</translation>
    </message>
    <message>
        <source>the reader ended abnormally</source>
        <translation>朗读程序异常结束</translation>
    </message>
    <message>
        <source>cannot read the clipboard: %1</source>
        <translation>无法读取剪贴板：%1</translation>
    </message>
    <message>
        <source>cannot read the selection: %1</source>
        <translation>无法读取选区：%1</translation>
    </message>
</context>
<context>
    <name>SelectionKey</name>
    <message>
        <source>Read the selected text aloud</source>
        <translation>朗读选中的文本</translation>
    </message>
    <message>
        <source>%1 cannot read the selection from other programs here (%2). Bind sayora-selection to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>%1 在此无法读取其他程序中的选区（%2）。请改为在桌面的键盘设置中将 sayora-selection 绑定到某个按键。</translation>
    </message>
</context>
<context>
    <name>SoundFileCommit</name>
    <message>
        <source>The MP3 encoder stopped before it had finished.</source>
        <translation>MP3 编码器未完成就停止了。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to: it is a file.</source>
        <translation>无法写入文件夹 %1：它是一个文件。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>无法写入文件夹 %1。</translation>
    </message>
    <message>
        <source>The speech was not rendered (no sound file).</source>
        <translation>语音未生成（没有声音文件）。</translation>
    </message>
    <message>
        <source>The speech was not rendered completely (the sound file is damaged).</source>
        <translation>语音未完整生成（声音文件已损坏）。</translation>
    </message>
    <message>
        <source>The voice produced no speech for this text.</source>
        <translation>该语音没有为此文本生成任何语音。</translation>
    </message>
    <message>
        <source>The sound file could not be written: %1.</source>
        <translation>无法写入声音文件：%1。</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed.</source>
        <translation>未安装 MP3 编码器“lame”。</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish.</source>
        <translation>MP3 编码器未完成。</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started: %1</source>
        <translation>无法启动 MP3 编码器“lame”：%1</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1).</source>
        <translation>MP3 编码器失败（退出码 %1）。</translation>
    </message>
    <message>
        <source>The MP3 encoder did not write a complete MP3 file.</source>
        <translation>MP3 编码器没有写出完整的 MP3 文件。</translation>
    </message>
    <message>
        <source>The permissions of %1 could not be set: %2</source>
        <translation type="vanished">无法设置 %1 的权限：%2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="vanished">无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation type="vanished">无法替换 %1：%2</translation>
    </message>
    <message>
        <source>%1 is in place, but the system could not confirm that it reached the disk: %2</source>
        <translation type="vanished">%1 已就位，但系统无法确认它已写入磁盘：%2</translation>
    </message>
</context>
<context>
    <name>SpFileStream</name>
    <message>
        <source>Only creating a file for writing is supported.</source>
        <translation>仅支持创建用于写入的文件。</translation>
    </message>
</context>
<context>
    <name>SpeechExport</name>
    <message>
        <source>The sound file could not be created: %1</source>
        <translation>无法创建声音文件：%1</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not be started.</source>
        <translation>无法启动语音“%1”。</translation>
    </message>
    <message>
        <source>The sound file could not be created.</source>
        <translation>无法创建声音文件。</translation>
    </message>
    <message>
        <source>The voice did not accept the text.</source>
        <translation>该语音不接受此文本。</translation>
    </message>
    <message>
        <source>The espeak-ng voices are not available.</source>
        <translation>espeak-ng 语音不可用。</translation>
    </message>
    <message>
        <source>The sound file could not be written: %1</source>
        <translation>无法写入声音文件：%1</translation>
    </message>
    <message numerus="yes">
        <source>The speech rendering made no progress for %n seconds.</source>
        <translation>
            <numerusform>语音生成已 %n 秒没有进展。</numerusform>
        </translation>
    </message>
    <message>
        <source>The sound could not be encoded: %1</source>
        <translation>无法编码声音：%1</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>No available information</source>
        <translation>无可用信息</translation>
    </message>
    <message>
        <source>Checking Server&apos;s IP</source>
        <translation>正在查找服务器 IP</translation>
    </message>
    <message>
        <source>Found Server&apos;s IP Successfully</source>
        <translation>已找到服务器 IP</translation>
    </message>
    <message>
        <source>Connecting Server</source>
        <translation>正在连接服务器</translation>
    </message>
    <message>
        <source>Connected Server</source>
        <translation>已连接服务器</translation>
    </message>
    <message>
        <source>Requesting Server</source>
        <translation>正在向服务器发送请求</translation>
    </message>
    <message>
        <source>Requested Server</source>
        <translation>已向服务器发送请求</translation>
    </message>
    <message>
        <source>Waiting Server&apos;s Replay</source>
        <translation>正在等待服务器应答</translation>
    </message>
    <message>
        <source>Received Server&apos; Replay</source>
        <translation>已收到服务器应答</translation>
    </message>
    <message>
        <source>Disconnecting Server</source>
        <translation>正在断开服务器</translation>
    </message>
    <message>
        <source>Disconnected Server</source>
        <translation>已断开服务器</translation>
    </message>
    <message>
        <source>Unable to Connect to Server</source>
        <translation>无法连接服务器</translation>
    </message>
    <message>
        <source>Request has been handled</source>
        <translation>请求已处理</translation>
    </message>
    <message>
        <source>Update Online----Sayora</source>
        <translation>在线更新 —— Sayora</translation>
    </message>
    <message>
        <source>Click&quot;Check&quot; button</source>
        <translation>请单击“检查”按钮</translation>
    </message>
    <message>
        <source>Current version %1</source>
        <translation>当前版本 %1</translation>
    </message>
    <message>
        <source>Sayora will be closed when update is running</source>
        <translation>更新期间 Sayora 将关闭</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>检查(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Return</source>
        <translation>返回(&amp;R)</translation>
    </message>
    <message>
        <source>Found new version %1</source>
        <translation>发现新版本 %1</translation>
    </message>
    <message>
        <source>Click&quot;Update&quot; button or</source>
        <translation>请单击“更新”按钮，或</translation>
    </message>
    <message>
        <source>access the following URL to update this software</source>
        <translation>访问以下网址更新本软件</translation>
    </message>
    <message>
        <source>No new version</source>
        <translation>没有新版本</translation>
    </message>
    <message>
        <source>Sorry, an error has occurred on the author&apos;s website, please try after a while</source>
        <translation>抱歉，作者网站出错，请稍后再试</translation>
    </message>
    <message>
        <source>The installer could not be written: the disk may be full.</source>
        <translation>无法写入安装程序：磁盘可能已满。</translation>
    </message>
    <message>
        <source>The installer was not downloaded. %1</source>
        <translation>安装程序未下载。%1</translation>
    </message>
    <message>
        <source>The downloaded installer could not be verified, so it was not started. Please try again later.</source>
        <translation>无法验证下载的安装程序，因此未启动它。请稍后再试。</translation>
    </message>
    <message>
        <source>The installer could not be started</source>
        <translation>无法启动安装程序</translation>
    </message>
    <message>
        <source>The downloaded installer could not be started: %1. It has been deleted.</source>
        <translation>无法启动下载的安装程序：%1。它已被删除。</translation>
    </message>
</context>
<context>
    <name>WindowExport</name>
    <message>
        <source>Export progress: click or press Esc to cancel the export</source>
        <translation>导出进度：单击或按 Esc 键取消导出</translation>
    </message>
    <message>
        <source>Time the export has taken</source>
        <translation>导出已用时间</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Time the export still needs</source>
        <translation>导出剩余时间</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>剩余 %1</translation>
    </message>
    <message>
        <source>The pronunciation rules leave nothing to read aloud.</source>
        <translation>应用发音规则后没有可朗读的内容。</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed.</source>
        <translation>未安装 MP3 编码器“lame”。</translation>
    </message>
    <message>
        <source>The text is too long for one MP3 export: its speech would need about %1 GB of sound on the way, more than the 4 GB a WAV file can hold. Save it as &quot;Audiobook, a file per chapter&quot;, &quot;MP3 with chapter marks&quot;, &quot;M4B audiobook&quot;, OGG Vorbis, Opus or FLAC, which have no such limit.</source>
        <translation>文本太长，无法导出为单个 MP3：其语音在中间过程中约需 %L1 GB 声音数据，超过了 WAV 文件可容纳的 4 GB。请另存为“有声书，每章一个文件”、“带章节标记的 MP3”、“M4B 有声书”、OGG Vorbis、Opus 或 FLAC，它们没有此限制。</translation>
    </message>
    <message>
        <source>The converter &quot;sayora-convert&quot; is not installed.</source>
        <translation>未安装转换程序“sayora-convert”。</translation>
    </message>
    <message>
        <source>The text could not be handed to the converter: %1</source>
        <translation>无法将文本交给转换程序：%1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>无法写入文件夹 %1。</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>无法替换 %1。</translation>
    </message>
    <message>
        <source>%1 could not be created.</source>
        <translation>无法创建 %1。</translation>
    </message>
    <message>
        <source>The export component &quot;tavo&quot; could not be loaded (error 0x%1).</source>
        <translation>无法加载导出组件“tavo”（错误 0x%1）。</translation>
    </message>
    <message>
        <source>Another Sayora window is exporting with a flite voice. Wait until it has finished, or export with an espeak-ng voice.</source>
        <translation>另一个 Sayora 窗口正在用 flite 语音导出。请等待其完成，或改用 espeak-ng 语音导出。</translation>
    </message>
    <message>
        <source>The registry store %1 cannot be written: the flite voices report the end of their rendering through it.</source>
        <translation>无法写入注册表存储 %1：flite 语音通过它报告生成结束。</translation>
    </message>
    <message>
        <source>%1 could not be exported.

%2

Nothing was written to it.</source>
        <translation>无法导出 %1。

%2

没有向其写入任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>The registry store %1 stayed locked by another program for %n seconds.</source>
        <translation>
            <numerusform>注册表存储 %1 被其他程序锁定了 %n 秒。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The speech rendering made no progress for %n seconds.</source>
        <translation>
            <numerusform>语音生成已 %n 秒没有进展。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The MP3 encoder made no progress for %n seconds.</source>
        <translation>
            <numerusform>MP3 编码器已 %n 秒没有进展。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WordSpeakerInstaller</name>
    <message>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>找不到路径</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>路径或文件访问错误</translation>
    </message>
</context>
<context>
    <name>X11KeyGrab</name>
    <message>
        <source>no X server</source>
        <translation>没有 X 服务器</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one key with its modifiers</source>
        <translation>“%1”不是带修饰键的单个按键</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; cannot be grabbed</source>
        <translation>无法捕获按键“%1”</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is not on this keyboard</source>
        <translation>此键盘上没有按键“%1”</translation>
    </message>
    <message>
        <source>another program holds the key &quot;%1&quot;</source>
        <translation>另一个程序占用了按键“%1”</translation>
    </message>
</context>
</TS>
