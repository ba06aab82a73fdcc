<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AtomicFile</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>el archivo no está abierto</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>No se pudo reemplazar %1: %2</translation>
    </message>
    <message>
        <source>%1 is in place, but the system could not confirm that it reached the disk: %2</source>
        <translation>%1 está en su sitio, pero el sistema no pudo confirmar que llegó al disco: %2</translation>
    </message>
    <message>
        <source>The permissions of %1 could not be set: %2</source>
        <translation>No se pudieron establecer los permisos de %1: %2</translation>
    </message>
</context>
<context>
    <name>BookNavigation</name>
    <message>
        <source>This text has no chapters</source>
        <translation>Este texto no tiene capítulos</translation>
    </message>
    <message>
        <source>Nothing further</source>
        <translation>No hay nada más</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>Al principio</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>Chapters...</source>
        <translation>Capítulos…</translation>
    </message>
    <message>
        <source>Move the reading</source>
        <translation>Mover la lectura</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>Frase siguiente</translation>
    </message>
    <message>
        <source>Previous sentence</source>
        <translation>Frase anterior</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>Párrafo siguiente</translation>
    </message>
    <message>
        <source>Previous paragraph</source>
        <translation>Párrafo anterior</translation>
    </message>
    <message>
        <source>Next chapter</source>
        <translation>Capítulo siguiente</translation>
    </message>
    <message>
        <source>Previous chapter</source>
        <translation>Capítulo anterior</translation>
    </message>
    <message>
        <source>Show the sentence being read</source>
        <translation>Mostrar la frase que se lee</translation>
    </message>
</context>
<context>
    <name>ChapterList</name>
    <message>
        <source>Chapters</source>
        <translation>Capítulos</translation>
    </message>
    <message>
        <source>This text has no chapters.</source>
        <translation>Este texto no tiene capítulos.</translation>
    </message>
    <message>
        <source>&amp;Chapters:</source>
        <translation>&amp;Capítulos:</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1, nivel %2</translation>
    </message>
    <message>
        <source>  (being read)</source>
        <translation>  (leyéndose)</translation>
    </message>
    <message>
        <source>, being read</source>
        <translation>, leyéndose</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Ir a</translation>
    </message>
</context>
<context>
    <name>ChapterSplit</name>
    <message>
        <source>there is no text in it to read aloud</source>
        <translation>no contiene texto que leer en voz alta</translation>
    </message>
    <message>
        <source>no voice is installed</source>
        <translation>no hay ninguna voz instalada</translation>
    </message>
    <message>
        <source>the MP3 encoder &quot;lame&quot; is not installed</source>
        <translation type="vanished">el codificador MP3 «lame» no está instalado</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>the folder cannot be written to</source>
        <translation>no se puede escribir en la carpeta</translation>
    </message>
    <message>
        <source>the converter could not be started again (%1)</source>
        <translation>no se pudo volver a iniciar el conversor (%1)</translation>
    </message>
    <message>
        <source>the conversion stopped unexpectedly</source>
        <translation>la conversión se detuvo inesperadamente</translation>
    </message>
    <message>
        <source> No chapter was written.</source>
        <translation> No se escribió ningún capítulo.</translation>
    </message>
    <message>
        <source> Chapters 1 to %1 of %2 were written and kept; no playlist was written.</source>
        <translation> Los capítulos 1 a %1 de %2 se escribieron y se conservan; no se escribió ninguna lista de reproducción.</translation>
    </message>
    <message>
        <source> The chapters were written; the playlist was not.</source>
        <translation> Los capítulos se escribieron; la lista de reproducción, no.</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>the text is too large (the limit is %1 MB)</source>
        <translation>el texto es demasiado grande (el límite es %L1 MB)</translation>
    </message>
    <message>
        <source>sayora-convert: %1: line %2: %3; the line was skipped</source>
        <translation>sayora-convert: %1: línea %2: %3; se omitió la línea</translation>
    </message>
    <message>
        <source>sayora-convert: %1: not UTF-8, read as Windows-1252 (--encoding names another encoding)</source>
        <translation>sayora-convert: %1: no es UTF-8, se leyó como Windows-1252 (--encoding indica otra codificación)</translation>
    </message>
    <message>
        <source>sayora-convert: %1: some bytes are not %2 and were replaced</source>
        <translation>sayora-convert: %1: algunos bytes no son %2 y se sustituyeron</translation>
    </message>
    <message>
        <source>there is no text in it to read aloud</source>
        <translation>no contiene texto que leer en voz alta</translation>
    </message>
    <message>
        <source>Chapter 1</source>
        <translation>Capítulo 1</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;</source>
        <translation>no hay ninguna voz «%1»</translation>
    </message>
    <message>
        <source>no voice is installed</source>
        <translation>no hay ninguna voz instalada</translation>
    </message>
    <message>
        <source>the pronunciation rules leave nothing to read aloud</source>
        <translation>las reglas de pronunciación no dejan nada que leer en voz alta</translation>
    </message>
    <message>
        <source>the MP3 encoder &quot;lame&quot; is not installed</source>
        <translation type="vanished">el codificador MP3 «lame» no está instalado</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>--split writes speech: --format takes mp3, wav, ogg, opus, flac or m4b, not &quot;%1&quot;</source>
        <translation>--split escribe voz: --format admite mp3, wav, ogg, opus, flac o m4b, no «%1»</translation>
    </message>
    <message>
        <source>--subtitle-format goes with --split chapters; elsewhere --subtitles names the file</source>
        <translation>--subtitle-format va con --split chapters; en otro caso --subtitles nombra el archivo</translation>
    </message>
    <message>
        <source>the subtitles of a part cannot be read</source>
        <translation>no se pueden leer los subtítulos de una parte</translation>
    </message>
    <message>
        <source>sayora-convert: %1: skipped, it is already there</source>
        <translation>sayora-convert: %1: omitido, ya existe</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the converter could not be started again (%2).</source>
        <translation>sayora-convert: %1: no se pudo volver a iniciar el conversor (%2).</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the conversion was killed by a signal.</source>
        <translation>sayora-convert: %1: una señal terminó la conversión.</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the conversion stopped unexpectedly.</source>
        <translation>sayora-convert: %1: la conversión se detuvo inesperadamente.</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>--split takes &quot;chapters&quot;, not &quot;%1&quot;</source>
        <translation>--split admite «chapters», no «%1»</translation>
    </message>
    <message>
        <source>--split writes speech: --format takes mp3 or wav, not &quot;%1&quot;</source>
        <translation type="vanished">--split escribe voz: --format admite mp3 o wav, no «%1»</translation>
    </message>
    <message>
        <source>with --split, --subtitles takes srt, lrc or vtt, not &quot;%1&quot;</source>
        <translation type="vanished">con --split, --subtitles admite srt, lrc o vtt, no «%1»</translation>
    </message>
    <message>
        <source>--split chapters needs a book and a folder: INPUT DIR</source>
        <translation>--split chapters necesita un libro y una carpeta: INPUT DIR</translation>
    </message>
    <message>
        <source>--jobs goes with --output-dir, not --split</source>
        <translation>--jobs va con --output-dir, no con --split</translation>
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
Un libro, un archivo por capítulo:
       sayora-convert [OPCIONES] --split chapters INPUT DIR
Escribe «01 Título.mp3», «02 Título.mp3»… en DIR, uno por capítulo (el
índice de un EPUB, el esquema de un PDF, los títulos principales de un
archivo DOCX, ODT o HTML; un texto anterior al primer capítulo se lee con
él), etiquetados con el capítulo, el título y el autor del libro y el número
de pista, y una lista de reproducción «TÍTULO DEL LIBRO.m3u8» en orden.
--format mp3 (predeterminado) o wav; --subtitles srt, lrc o vtt escribe
«01 Título.srt»… a su lado. Un fallo detiene la división: los capítulos
terminados antes se conservan enteros y no se escribe la lista.
</translation>
    </message>
    <message>
        <source> (see --help)</source>
        <translation> (véase --help)</translation>
    </message>
    <message>
        <source>--list-voices shows them</source>
        <translation>--list-voices las muestra</translation>
    </message>
    <message>
        <source>did you mean %1?</source>
        <translation>¿quiso decir %1?</translation>
    </message>
    <message>
        <source>more than one voice goes by &quot;%1&quot;; %2</source>
        <translation>hay más de una voz llamada «%1»; %2</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;; %2</source>
        <translation>no hay ninguna voz «%1»; %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>--bitrate was left unused: %1 and has no bit rate to set</source>
        <translation>--bitrate no se usó: %1 y no tiene tasa de bits que ajustar</translation>
    </message>
    <message>
        <source>removed %1, left in %2 by a conversion that was killed</source>
        <translation>se eliminó %1, que dejó en %2 una conversión interrumpida</translation>
    </message>
    <message>
        <source>encoding</source>
        <translation>codificando</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>leyendo</translation>
    </message>
    <message>
        <source>interrupted; %1 was left as it was</source>
        <translation>interrumpido; %1 quedó como estaba</translation>
    </message>
    <message>
        <source>interrupted; the chapters finished so far were kept, no playlist was written</source>
        <translation>interrumpido; se conservaron los capítulos terminados, no se escribió ninguna lista de reproducción</translation>
    </message>
    <message>
        <source>%1: the folder cannot be created.</source>
        <translation>%1: no se puede crear la carpeta.</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>convirtiendo</translation>
    </message>
    <message>
        <source>interrupted; the files being converted were left as they were</source>
        <translation>interrumpido; los archivos en conversión quedaron como estaban</translation>
    </message>
    <message>
        <source>%1 needs a number from 0 to 100</source>
        <translation>%1 necesita un número de 0 a 100</translation>
    </message>
    <message>
        <source>%1 takes a number from 0 to 100, not &quot;%2&quot;</source>
        <translation>%1 admite un número de 0 a 100, no «%2»</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>--voice needs a voice name (--list-voices shows them)</source>
        <translation>--voice necesita un nombre de voz (--list-voices las muestra)</translation>
    </message>
    <message>
        <source>--encoding needs the name of a text encoding, such as windows-1251</source>
        <translation>--encoding necesita el nombre de una codificación de texto, como windows-1251</translation>
    </message>
    <message>
        <source>--encoding does not know &quot;%1&quot; (names such as UTF-8, windows-1251, Shift_JIS, ISO-8859-2, GB18030)</source>
        <translation>--encoding no conoce «%1» (nombres como UTF-8, windows-1251, Shift_JIS, ISO-8859-2, GB18030)</translation>
    </message>
    <message>
        <source>--rules needs a pronunciation rules file</source>
        <translation>--rules necesita un archivo de reglas de pronunciación</translation>
    </message>
    <message>
        <source>the rules file &quot;%1&quot; cannot be read</source>
        <translation>no se puede leer el archivo de reglas «%1»</translation>
    </message>
    <message>
        <source>--subtitles needs a file name ending in .srt, .lrc or .vtt</source>
        <translation>--subtitles necesita un nombre de archivo terminado en .srt, .lrc o .vtt</translation>
    </message>
    <message>
        <source>the subtitle file &quot;%1&quot; must end in .srt, .lrc or .vtt</source>
        <translation>el archivo de subtítulos «%1» debe terminar en .srt, .lrc o .vtt</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 necesita un texto</translation>
    </message>
    <message>
        <source>--track takes a number, or a number and the total: 3/12</source>
        <translation>--track admite un número, o un número y el total: 3/12</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 1 up</source>
        <translation>%1 admite un número entero a partir de 1</translation>
    </message>
    <message>
        <source>--bitrate takes kbit/s from 8 to 320</source>
        <translation>--bitrate admite kbit/s de 8 a 320</translation>
    </message>
    <message>
        <source>--jobs takes a number of jobs from 1 up</source>
        <translation>--jobs admite un número de tareas a partir de 1</translation>
    </message>
    <message>
        <source>--output-dir needs a folder</source>
        <translation>--output-dir necesita una carpeta</translation>
    </message>
    <message>
        <source>--format needs mp3, wav, ogg, opus, flac, m4b or txt</source>
        <translation>--format necesita mp3, wav, ogg, opus, flac, m4b o txt</translation>
    </message>
    <message>
        <source>--format takes mp3, wav, ogg, opus, flac, m4b or txt, not &quot;%1&quot;</source>
        <translation>--format admite mp3, wav, ogg, opus, flac, m4b o txt, no «%1»</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>--rules and --no-rules exclude each other</source>
        <translation>--rules y --no-rules se excluyen mutuamente</translation>
    </message>
    <message>
        <source>--list-voices takes no files</source>
        <translation>--list-voices no admite archivos</translation>
    </message>
    <message>
        <source>--output-dir and --format go together</source>
        <translation>--output-dir y --format van juntos</translation>
    </message>
    <message>
        <source>no input files were given</source>
        <translation>no se indicó ningún archivo de entrada</translation>
    </message>
    <message>
        <source>standard input converts on its own: sayora-convert - OUTPUT</source>
        <translation>la entrada estándar se convierte sola: sayora-convert - OUTPUT</translation>
    </message>
    <message>
        <source>--subtitles names one file: use it with a single INPUT OUTPUT</source>
        <translation>--subtitles nombra un solo archivo: úselo con un único INPUT OUTPUT</translation>
    </message>
    <message>
        <source>--split-minutes and --split-size go with a single INPUT OUTPUT</source>
        <translation>--split-minutes y --split-size van con un único INPUT OUTPUT</translation>
    </message>
    <message>
        <source>--skip-existing goes with --output-dir and --format</source>
        <translation>--skip-existing va con --output-dir y --format</translation>
    </message>
    <message>
        <source>an INPUT and an OUTPUT file are needed</source>
        <translation>se necesitan un archivo INPUT y un archivo OUTPUT</translation>
    </message>
    <message>
        <source>too many files: use --output-dir and --format for several</source>
        <translation>demasiados archivos: use --output-dir y --format para varios</translation>
    </message>
    <message>
        <source>- as the OUTPUT writes to standard output in the format --format names</source>
        <translation>- como OUTPUT escribe en la salida estándar en el formato que indica --format</translation>
    </message>
    <message>
        <source>standard output takes one sound file: mp3, wav, ogg or opus</source>
        <translation>la salida estándar admite un solo archivo de sonido: mp3, wav, ogg u opus</translation>
    </message>
    <message>
        <source>the OUTPUT &quot;%1&quot; is a folder: name the file to write</source>
        <translation>OUTPUT «%1» es una carpeta: indique el archivo que escribir</translation>
    </message>
    <message>
        <source>the OUTPUT &quot;%1&quot; must end in .mp3, .wav, .ogg, .opus, .flac, .m4b or .txt</source>
        <translation>OUTPUT «%1» debe terminar en .mp3, .wav, .ogg, .opus, .flac, .m4b o .txt</translation>
    </message>
    <message>
        <source>--split-minutes and --split-size split speech: the OUTPUT must not be a .txt</source>
        <translation>--split-minutes y --split-size dividen voz: OUTPUT no debe ser un .txt</translation>
    </message>
    <message>
        <source>--split-size goes with .mp3 and .wav, whose sizes are known as they are made; use --split-minutes</source>
        <translation>--split-size va con .mp3 y .wav, cuyo tamaño se conoce mientras se crean; use --split-minutes</translation>
    </message>
    <message>
        <source>subtitles go with speech: the OUTPUT must not be a .txt</source>
        <translation>los subtítulos van con voz: OUTPUT no debe ser un .txt</translation>
    </message>
    <message>
        <source>--chapter-marks goes with an .mp3 OUTPUT (an .m4b has its chapters anyway)</source>
        <translation>--chapter-marks va con un OUTPUT .mp3 (un .m4b ya tiene sus capítulos)</translation>
    </message>
    <message>
        <source>chapter marks make one file: not with --split-minutes or --split-size</source>
        <translation>las marcas de capítulo producen un solo archivo: no con --split-minutes ni --split-size</translation>
    </message>
    <message>
        <source>the subtitle file &quot;%1&quot; must be a file of its own</source>
        <translation>el archivo de subtítulos «%1» debe ser un archivo propio</translation>
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
        <translation>Uso: sayora-convert [OPCIONES] INPUT OUTPUT
     sayora-convert [OPCIONES] --output-dir DIR --format FORMAT INPUT...
     sayora-convert --list-voices

Lee en voz alta un texto a un archivo de sonido con las voces de Sayora, o lo
convierte en texto sin formato. INPUT es un archivo de texto, RTF, PDF, EPUB,
DOCX, ODT o HTML, leído como lo lee el botón Abrir de Sayora, o - para la
entrada estándar. La extensión de OUTPUT decide qué se escribe (- y --format
FORMAT: la salida estándar, en ese formato):
  .mp3   voz, codificada por lame
  .wav   voz, PCM de 16 bits
  .ogg   voz, Ogg Vorbis      .opus  voz, Ogg Opus
  .flac  voz, FLAC (sin pérdida)
  .m4b   un audiolibro: AAC en MP4, con los capítulos del libro marcados
  .txt   el texto sin formato que muestra Sayora, en UTF-8

Opciones:
      --voice NAME        la voz, nombrada como la muestra --list-voices (su
                          nombre, nombre corto o idioma); por omisión la
                          primera voz de Sayora, o una voz del idioma del
                          texto cuando aquella no puede leerlo
      --rate N            velocidad, 0-100 como en la barra de velocidad
      --pitch N           tono, 0-100 como en la barra de tono (las voces de
                          flite; las de espeak-ng conservan el suyo)
      --volume N          volumen, 0-100 como en la barra de volumen
      --subtitles FILE    escribir también subtítulos sincronizados por
                          frase: .srt, .lrc o .vtt
      --rules FILE        decir las palabras como indican las reglas de
                          pronunciación de FILE (una regla por línea: escrito
                          TAB hablado [TAB opciones]) en lugar de sus propias
                          listas en ~/.config/sayora; una línea ilegible da
                          un aviso con su número
      --no-rules          ninguna regla de pronunciación
      --no-language-switch
                          leer todo el texto con una sola voz; por omisión
                          una frase en otro idioma (otra escritura, o una
                          frase bastante larga para que el detector de idioma
                          la reconozca) la lee la mejor voz instalada de su
                          idioma
      --encoding NAME     la codificación de las entradas de texto sin
                          formato (windows-1251, Shift_JIS, ...); por omisión
                          UTF-8, o Windows-1252 con un aviso cuando los bytes
                          no son UTF-8
  -o, --output-dir DIR    convertir cada INPUT en DIR, con su mismo nombre
  -f, --format FORMAT     con --output-dir u OUTPUT -: mp3, wav, ogg, opus,
                          flac, m4b o txt
  -j, --jobs N            conversiones a la vez con --output-dir; si no,
                          partes del texto generadas a la vez (por omisión:
                          una por procesador; 1 genera el texto de una pieza)
      --skip-existing     con --output-dir: omitir cada INPUT cuya salida ya
                          existe (repetir tras un fallo hace solo lo que
                          falta)
      --bitrate KBPS      de MP3 (constante), Ogg Vorbis y Opus (media); FLAC
                          y WAV no tienen (se avisa si se pide)
      --split-minutes N   OUTPUT como «NAME 01.EXT», «NAME 02.EXT»… de como
                          mucho N minutos cada uno, cortados al final de una
                          frase (una frase más larga en una oración; la que
                          no cabe se avisa), y la lista «NAME.m3u»
      --split-size MB     lo mismo por tamaño (.mp3 y .wav)
      --split chapters    un libro como un archivo por capítulo en OUTPUT,
                          una carpeta (véase abajo)
      --title TEXT, --artist TEXT, --album TEXT, --track N[/TOTAL]
                          la etiqueta (ID3 en MP3, comentarios Vorbis en Ogg,
                          Opus y FLAC)
      --chapter-marks     con un OUTPUT .mp3: marcar los capítulos del libro
                          en su etiqueta ID3 (marcos CHAP y CTOC), que los
                          reproductores de audiolibros muestran como lista
      --progress-lines    escribir líneas «done FRACTION» en la salida
                          estándar durante el trabajo, para que un programa
                          lo siga
      --list-voices       mostrar las voces, una por línea (nombre, nombre
                          corto, idioma, motor; separados por tabuladores),
                          y salir
  -q, --quiet             sin barra de progreso
  -h, --help              mostrar esta ayuda y salir
  -V, --version           mostrar la versión y salir

Una salida existente solo se reemplaza cuando el archivo nuevo está completo.
Los temporales ocultos que una conversión terminada de golpe deja junto a su
salida (.NAME.XXXXXX.wav y .mp3, y la carpeta de partes de un texto largo,
.NAME.XXXXXX.parts) los elimina la siguiente conversión en esa carpeta: solo
los que una conversión anotó como suyos en ~/.local/state/sayora, una vez
terminada. Una conversión que no cabría en el espacio libre de su carpeta se
rechaza antes de empezar.

Estado de salida: 0 éxito, 1 línea de órdenes errónea, 2 no se puede leer una
entrada, 3 voz desconocida o que no se puede cargar, 4 la generación o la
codificación falló y volvería a fallar, 5 falló por un motivo que puede pasar
(el disco estaba lleno o era demasiado pequeño para la salida, una señal
terminó el codificador o un proceso de trabajo): vale la pena reintentarlo.
Un lote termina con el estado de la primera entrada que falló.
</translation>
    </message>
    <message>
        <source>FFmpeg has no AAC encoder</source>
        <translation type="vanished">FFmpeg no tiene codificador AAC</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="vanished">memoria agotada</translation>
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
        <translation>la carpeta %1 tiene %2 libres y esta conversión necesita al menos %3</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, quedan %1</translation>
    </message>
    <message>
        <source>Ogg Vorbis reaches %1 to %2 kbit/s at this voice&apos;s sample rate, not %3; the nearest was taken</source>
        <translation>Ogg Vorbis alcanza de %1 a %2 kbit/s con la frecuencia de muestreo de esta voz, no %3; se tomó el valor más cercano</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>el archivo no está abierto</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n chapters</source>
        <translation>
            <numerusform>%1: %2 de %n capítulo</numerusform>
            <numerusform>%1: %2 de %n capítulos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files</source>
        <translation>
            <numerusform>%1 de %n archivo</numerusform>
            <numerusform>%1 de %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sayora-convert: %1 of %n files converted</source>
        <translation>
            <numerusform>sayora-convert: %1 de %n archivo convertido</numerusform>
            <numerusform>sayora-convert: %1 de %n archivos convertidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n skipped (already there)</source>
        <translation>
            <numerusform>, %n omitido (ya existía)</numerusform>
            <numerusform>, %n omitidos (ya existían)</numerusform>
        </translation>
    </message>
    <message>
        <source>with --split, --subtitle-format takes srt, lrc or vtt, not &quot;%1&quot;</source>
        <translation>con --split, --subtitle-format admite srt, lrc o vtt, no «%1»</translation>
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
Un libro, un archivo por capítulo:
       sayora-convert [OPCIONES] --split chapters INPUT DIR
Escribe «01 Título.mp3», «02 Título.mp3»… en DIR, uno por capítulo (el
índice de un EPUB, el esquema de un PDF, los títulos principales de un
archivo DOCX, ODT o HTML; un texto anterior al primer capítulo se lee con
él), etiquetados con el capítulo, el título y el autor del libro y el número
de pista, y una lista de reproducción «TÍTULO DEL LIBRO.m3u8» en orden.
--format mp3 (predeterminado), wav, ogg, opus, flac o m4b; --subtitle-format srt, lrc o vtt (o
--subtitles srt, lrc o vtt) escribe «01 Título.srt»… a su lado. Un fallo
detiene la división: los capítulos terminados antes se conservan enteros y
no se escribe la lista.
</translation>
    </message>
</context>
<context>
    <name>ConverterRun</name>
    <message>
        <source>The converter &quot;sayora-convert&quot; could not be started: %1</source>
        <translation>No se pudo iniciar el conversor «sayora-convert»: %1</translation>
    </message>
    <message>
        <source>The converter stopped unexpectedly.</source>
        <translation>El conversor se detuvo inesperadamente.</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>Rich Text (*.rtf)</source>
        <translation>Texto enriquecido (*.rtf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texto (*.txt)</translation>
    </message>
    <message>
        <source>Documents (*.pdf *.epub *.docx *.odt *.html *.htm)</source>
        <translation>Documentos (*.pdf *.epub *.docx *.odt *.html *.htm)</translation>
    </message>
    <message>
        <source>All readable files (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)</source>
        <translation>Todos los archivos legibles (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)</translation>
    </message>
</context>
<context>
    <name>DocumentReader</name>
    <message>
        <source>it is not a Word document (its main part is missing).</source>
        <translation>no es un documento de Word (falta su parte principal).</translation>
    </message>
    <message>
        <source>the file is damaged (its text cannot be read).</source>
        <translation>el archivo está dañado (no se puede leer su texto).</translation>
    </message>
    <message>
        <source>it is not a complete EPUB book (its list of contents is missing).</source>
        <translation>no es un libro EPUB completo (falta su lista de contenido).</translation>
    </message>
    <message>
        <source>it is not a complete EPUB book (its package document is missing).</source>
        <translation>no es un libro EPUB completo (falta su documento de paquete).</translation>
    </message>
    <message>
        <source>the book is encrypted (protected by DRM), so its text cannot be read.</source>
        <translation>el libro está cifrado (protegido con DRM), así que no se puede leer su texto.</translation>
    </message>
    <message>
        <source>the book has no text to read.</source>
        <translation>el libro no tiene texto que leer.</translation>
    </message>
    <message>
        <source>it is not a readable HTML page.</source>
        <translation>no es una página HTML legible.</translation>
    </message>
    <message>
        <source>it is encrypted (protected with a password).</source>
        <translation>está cifrado (protegido con contraseña).</translation>
    </message>
    <message>
        <source>it is not an OpenDocument text (its content is missing).</source>
        <translation>no es un texto OpenDocument (falta su contenido).</translation>
    </message>
    <message>
        <source>the file is damaged (it is not a readable PDF).</source>
        <translation>el archivo está dañado (no es un PDF legible).</translation>
    </message>
    <message>
        <source>the PDF has no pages.</source>
        <translation>el PDF no tiene páginas.</translation>
    </message>
    <message>
        <source>it has no text to read: its pages are pictures only (a scan?). Text recognition (OCR) would have to turn them into text first.</source>
        <translation>no tiene texto que leer: sus páginas son solo imágenes (¿un escaneo?). Un reconocimiento de texto (OCR) tendría que convertirlas antes en texto.</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un documento PDF</translation>
    </message>
    <message>
        <source>an EPUB book</source>
        <translation>un libro EPUB</translation>
    </message>
    <message>
        <source>a Word document</source>
        <translation>un documento de Word</translation>
    </message>
    <message>
        <source>an OpenDocument text</source>
        <translation>un texto OpenDocument</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>no se indicó ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>el archivo no existe.</translation>
    </message>
    <message>
        <source>the file cannot be read (%1).</source>
        <translation>no se puede leer el archivo (%1).</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>the file is too large (the limit is %1 MB).</source>
        <translation>el archivo es demasiado grande (el límite es %L1 MB).</translation>
    </message>
    <message>
        <source>it is an older Office document (such as a .doc), which Sayora does not read; save it as .docx or .odt.</source>
        <translation>es un documento de Office antiguo (como un .doc), que Sayora no lee; guárdelo como .docx u .odt.</translation>
    </message>
    <message>
        <source>it is an OpenDocument file of another kind (a spreadsheet or a presentation?), not a text.</source>
        <translation>es un archivo OpenDocument de otro tipo (¿una hoja de cálculo o una presentación?), no un texto.</translation>
    </message>
    <message>
        <source>it is named &quot;.%1&quot; but is not %2 (it is another kind of ZIP archive).</source>
        <translation>se llama «.%1» pero no es %2 (es otro tipo de archivo ZIP).</translation>
    </message>
    <message>
        <source>it is a ZIP archive, not a document.</source>
        <translation>es un archivo ZIP, no un documento.</translation>
    </message>
    <message>
        <source>it is named &quot;.%1&quot; but is not %2 (its contents are something else).</source>
        <translation>se llama «.%1» pero no es %2 (su contenido es otra cosa).</translation>
    </message>
    <message>
        <source>it is not a text or RTF document.</source>
        <translation>no es un documento de texto ni RTF.</translation>
    </message>
    <message>
        <source>a part of the document is missing.</source>
        <translation>falta una parte del documento.</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB, more than any document to be read aloud.</source>
        <translation>se descomprime en más de %L1 MB, más que cualquier documento para leer en voz alta.</translation>
    </message>
    <message>
        <source>the file is damaged (its ZIP container cannot be read).</source>
        <translation>el archivo está dañado (no se puede leer su contenedor ZIP).</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Select A File</source>
        <translation>Seleccionar un archivo</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Tachado</translation>
    </message>
    <message>
        <source>&amp;Colour…</source>
        <translation>C&amp;olor…</translation>
    </message>
    <message>
        <source>The quick brown fox jumps over the lazy dog.</source>
        <translation>El veloz murciélago hindú comía feliz cardillo y kiwi.</translation>
    </message>
    <message>
        <source>&amp;Face:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>Ta&amp;maño:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>Color del texto:</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Color del texto</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>no key is set</source>
        <translation>no hay ninguna tecla definida</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>no hay bus de sesión</translation>
    </message>
</context>
<context>
    <name>GrowingWaveEncoder</name>
    <message>
        <source>the rendered sound cannot be read: %1</source>
        <translation>no se puede leer el sonido generado: %1</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>the rendered sound cannot be read</source>
        <translation>no se puede leer el sonido generado</translation>
    </message>
    <message>
        <source>the rendered sound cannot be read (it ends before its header says)</source>
        <translation>no se puede leer el sonido generado (termina antes de lo que indica su cabecera)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>How does it work? </source>
        <translation>¿Cómo funciona? </translation>
    </message>
    <message>
        <source>How to listen to the text of a web page ?</source>
        <translation>¿Cómo escuchar el texto de una página web?</translation>
    </message>
    <message>
        <source>When you browse with Internet Explorer 5.0(or above version) ,</source>
        <translation>Cuando navegue con Internet Explorer 5.0 (o una versión posterior),</translation>
    </message>
    <message>
        <source>use your mouse to select the text you want to listen to, right-click mouse ,</source>
        <translation>seleccione con el ratón el texto que quiere escuchar, haga clic con el botón derecho,</translation>
    </message>
    <message>
        <source>and a &quot;Speak by Sayora&quot; command will be on the popup drop down menu ,</source>
        <translation>y en el menú emergente aparecerá la orden «Leer con Sayora»;</translation>
    </message>
    <message>
        <source>click it ,the selected text will be spoken.</source>
        <translation>haga clic en ella y se leerá el texto seleccionado.</translation>
    </message>
    <message>
        <source>How to listen to Microsoft WORD document ?</source>
        <translation>¿Cómo escuchar un documento de Microsoft WORD?</translation>
    </message>
    <message>
        <source>If you have installed Microsoft WORD, then after installing Sayora,</source>
        <translation>Si tiene instalado Microsoft WORD, después de instalar Sayora</translation>
    </message>
    <message>
        <source>a little yellow speaker icon will appears in your Microsoft WORD tool bar.</source>
        <translation>aparecerá un pequeño icono de altavoz amarillo en la barra de herramientas de Microsoft WORD.</translation>
    </message>
    <message>
        <source>Click on it (or push the key &quot;F12&quot;), all the text in Word document will be spoken.</source>
        <translation>Haga clic en él (o pulse la tecla «F12») y se leerá todo el texto del documento de Word.</translation>
    </message>
    <message>
        <source>You can select some text in word document to be spoken.</source>
        <translation>Puede seleccionar parte del texto del documento de Word para que se lea.</translation>
    </message>
    <message>
        <source>  The macro file &quot;Speak.dot&quot; within this software is safe, please use it.</source>
        <translation>  El archivo de macros «Speak.dot» de este programa es seguro; utilícelo.</translation>
    </message>
    <message>
        <source>Advice:</source>
        <translation>Consejo:</translation>
    </message>
    <message>
        <source>Install a good anti-virus software and set Macro&apos;s security of MS WORD to Low</source>
        <translation>Instale un buen antivirus y ponga la seguridad de macros de MS WORD en «Baja»</translation>
    </message>
    <message>
        <source>If there&apos;s no Speaker on your MS WORD tool bar ,click here to add it.</source>
        <translation>Si no hay altavoz en la barra de herramientas de MS WORD, haga clic aquí para añadirlo.</translation>
    </message>
    <message>
        <source>How to listen to text file(*.txt or *.rtf files) in explorer ?</source>
        <translation>¿Cómo escuchar un archivo de texto (*.txt o *.rtf) en el explorador?</translation>
    </message>
    <message>
        <source>Right-click text file (*.txt or *.rtf files)  in explorer, select &quot;Speak by Sayora&quot; command,</source>
        <translation>Haga clic derecho en el archivo de texto (*.txt o *.rtf) en el explorador, elija «Leer con Sayora»</translation>
    </message>
    <message>
        <source>the text file will be spoken .</source>
        <translation>y se leerá el archivo de texto.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>After install Sayora, restart your computer to make full features take effective.</source>
        <translation>Después de instalar Sayora, reinicie el equipo para que todas las funciones surtan efecto.</translation>
    </message>
    <message>
        <source>Read the Sayora help page</source>
        <translation>Leer la página de ayuda de Sayora</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The help page %1 could not be opened: no program to show it was found.</source>
        <translation>No se pudo abrir la página de ayuda %1: no se encontró ningún programa para mostrarla.</translation>
    </message>
    <message>
        <source>Can not find MS WORD</source>
        <translation>No se encuentra MS WORD</translation>
    </message>
    <message>
        <source>Retrieve Microsoft Office path fail</source>
        <translation>No se pudo obtener la ruta de Microsoft Office</translation>
    </message>
    <message>
        <source>Copy %1 TO %2 Successfully . The speaker has been added to your MS WORD tool bar!</source>
        <translation>%1 se copió correctamente en %2. ¡El altavoz se ha añadido a la barra de herramientas de MS WORD!</translation>
    </message>
    <message>
        <source>Can not find %1 file</source>
        <translation>No se encuentra el archivo %1</translation>
    </message>
    <message>
        <source>The file %1 is opening , please close your MS WORD</source>
        <translation>El archivo %1 está abierto; cierre MS WORD</translation>
    </message>
    <message>
        <source>Add Speaker to MS WORD Error</source>
        <translation>Error al añadir el altavoz a MS WORD</translation>
    </message>
    <message>
        <source>%1  %2 (Whould you like E-Mail this error message to me ? My email is %3)</source>
        <translation>%1  %2 (¿Quiere enviarme este mensaje de error por correo electrónico? Mi dirección es %3)</translation>
    </message>
</context>
<context>
    <name>InstallerFile</name>
    <message>
        <source>The folder %1 cannot be opened: %2</source>
        <translation>No se puede abrir la carpeta %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user or can be changed by other users, so no installer is downloaded into it. Make it yours and writable by you alone (chmod 700).</source>
        <translation>La carpeta %1 pertenece a otro usuario o la pueden modificar otros usuarios, así que no se descarga ningún instalador en ella. Hágala suya y modificable solo por usted (chmod 700).</translation>
    </message>
    <message>
        <source>The old installer %1 cannot be removed: %2</source>
        <translation>No se puede eliminar el instalador antiguo %1: %2</translation>
    </message>
    <message>
        <source>The installer %1 cannot be created: %2</source>
        <translation>No se puede crear el instalador %1: %2</translation>
    </message>
    <message>
        <source>the file was not written whole</source>
        <translation>el archivo no se escribió completo</translation>
    </message>
    <message>
        <source>it could not be started</source>
        <translation>no se pudo iniciar</translation>
    </message>
    <message>
        <source>it is neither a program nor a script with an interpreter line (#!)</source>
        <translation>no es ni un programa ni un script con línea de intérprete (#!)</translation>
    </message>
    <message>
        <source>it may not be run from this folder</source>
        <translation>no se permite ejecutarlo desde esta carpeta</translation>
    </message>
    <message>
        <source>the interpreter its first line names is missing</source>
        <translation>falta el intérprete que nombra su primera línea</translation>
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
        <translation>«%1» no es una dirección de servidor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses plain http, which anyone on the way can change; only https is accepted (plain http only on this computer&apos;s own loopback address).</source>
        <translation>«%1» usa http sin cifrar, que cualquiera en el camino puede modificar; solo se acepta https (http sin cifrar solo en la dirección de bucle local de este equipo).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an https nor a loopback http address.</source>
        <translation>«%1» no es ni una dirección https ni una dirección http de bucle local.</translation>
    </message>
    <message>
        <source>The server redirected to an address that is not accepted: %1</source>
        <translation>El servidor redirigió a una dirección no aceptada: %1</translation>
    </message>
    <message>
        <source>The server redirected from https to plain http (&quot;%1&quot;); that is not followed.</source>
        <translation>El servidor redirigió de https a http sin cifrar («%1»); no se sigue.</translation>
    </message>
    <message>
        <source>The server redirected over plain http to another host (&quot;%1&quot;); that is not followed.</source>
        <translation>El servidor redirigió por http sin cifrar a otro host («%1»); no se sigue.</translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation>La respuesta supera %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The server did not answer for %n seconds.</source>
        <translation>
            <numerusform>El servidor no respondió durante %n segundo.</numerusform>
            <numerusform>El servidor no respondió durante %n segundos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeyboardAccess</name>
    <message>
        <source>Text box scroll bar</source>
        <translation>Barra de desplazamiento del cuadro de texto</translation>
    </message>
    <message>
        <source>Text box horizontal scroll bar</source>
        <translation>Barra de desplazamiento horizontal del cuadro de texto</translation>
    </message>
    <message>
        <source>Button panel</source>
        <translation>Panel de botones</translation>
    </message>
    <message>
        <source>Voice list</source>
        <translation>Lista de voces</translation>
    </message>
    <message>
        <source>Back colour of the text box</source>
        <translation>Color de fondo del cuadro de texto</translation>
    </message>
    <message>
        <source>Text colour of the text box</source>
        <translation>Color del texto del cuadro de texto</translation>
    </message>
    <message>
        <source>Wave rendering control</source>
        <translation>Control de generación de audio</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Hablando</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Export done</source>
        <translation>Exportación terminada</translation>
    </message>
</context>
<context>
    <name>LanguageSwitchOption</name>
    <message>
        <source>Read other languages with their own voices</source>
        <translation>Leer otros idiomas con sus propias voces</translation>
    </message>
</context>
<context>
    <name>M4bWriter</name>
    <message>
        <source>Sayora&apos;s M4B writing is missing or damaged (%1)</source>
        <translation>la escritura M4B de Sayora falta o está dañada (%1)</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>the MP3 encoder could not be started</source>
        <translation>no se pudo iniciar el codificador MP3</translation>
    </message>
    <message>
        <source>the MP3 encoder does not take this sound (%1 Hz at %2 kbit/s)</source>
        <translation>el codificador MP3 no acepta este sonido (%1 Hz a %2 kbit/s)</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (error %1)</source>
        <translation>el codificador MP3 falló (error %1)</translation>
    </message>
    <message>
        <source>the MP3 encoder was not started</source>
        <translation>el codificador MP3 no se inició</translation>
    </message>
</context>
<context>
    <name>Mp3End</name>
    <message>
        <source>Convert text to</source>
        <translation>Texto convertido a</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>¡Correctamente!</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>No program to play MP3 files was found on this desktop.</source>
        <translation>No se encontró en este escritorio ningún programa para reproducir archivos MP3.</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>El archivo es %1</translation>
    </message>
</context>
<context>
    <name>PartEncoder</name>
    <message>
        <source>the rendered sound cannot be read</source>
        <translation type="vanished">no se puede leer el sonido generado</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">detenido</translation>
    </message>
</context>
<context>
    <name>PdfReader</name>
    <message>
        <source>Sayora&apos;s PDF reading is missing or damaged (%1)</source>
        <translation>La lectura de PDF de Sayora falta o está dañada (%1)</translation>
    </message>
</context>
<context>
    <name>PieceConversion</name>
    <message>
        <source>the converter could not be started again (%1)</source>
        <translation>no se pudo volver a iniciar el conversor (%1)</translation>
    </message>
    <message>
        <source>the conversion stopped unexpectedly</source>
        <translation>la conversión se detuvo inesperadamente</translation>
    </message>
    <message>
        <source>the parts could not be joined: %1</source>
        <translation>no se pudieron unir las partes: %1</translation>
    </message>
    <message>
        <source>the MP3&apos;s tag could not be written</source>
        <translation>no se pudo escribir la etiqueta del MP3</translation>
    </message>
    <message>
        <source>the parts could not be joined</source>
        <translation>no se pudieron unir las partes</translation>
    </message>
    <message>
        <source>the speech is longer than the 4 GB a WAV file can hold; convert it to MP3, or in parts</source>
        <translation>la voz supera los 4 GB que admite un archivo WAV; conviértala a MP3 o por partes</translation>
    </message>
    <message>
        <source>sayora-convert: %1 is over the limit: a sentence in it is longer than the limit and cannot be cut</source>
        <translation>sayora-convert: %1 supera el límite: una frase suya es más larga que el límite y no se puede cortar</translation>
    </message>
    <message>
        <source>the subtitles of a part cannot be read</source>
        <translation type="vanished">no se pueden leer los subtítulos de una parte</translation>
    </message>
</context>
<context>
    <name>PortalShortcut</name>
    <message>
        <source>no session bus</source>
        <translation>no hay bus de sesión</translation>
    </message>
    <message>
        <source>the desktop portal offers no global shortcuts (%1)</source>
        <translation>el portal de escritorio no ofrece atajos globales (%1)</translation>
    </message>
    <message>
        <source>the desktop portal refused a shortcut session (%1)</source>
        <translation>el portal de escritorio rechazó una sesión de atajos (%1)</translation>
    </message>
    <message>
        <source>the desktop portal gave no shortcut session</source>
        <translation>el portal de escritorio no proporcionó ninguna sesión de atajos</translation>
    </message>
    <message>
        <source>the desktop portal refused the shortcut (%1)</source>
        <translation>el portal de escritorio rechazó el atajo (%1)</translation>
    </message>
    <message>
        <source>the shortcut was declined</source>
        <translation>el atajo no fue aceptado</translation>
    </message>
    <message>
        <source>the desktop portal refused the shortcut</source>
        <translation>el portal de escritorio rechazó el atajo</translation>
    </message>
</context>
<context>
    <name>PronunciationRules</name>
    <message>
        <source>no written text</source>
        <translation>no hay texto escrito</translation>
    </message>
    <message>
        <source>a tab or line break inside the rule</source>
        <translation>un tabulador o salto de línea dentro de la regla</translation>
    </message>
    <message>
        <source>blanks at the start or end of a field</source>
        <translation>espacios al principio o al final de un campo</translation>
    </message>
    <message>
        <source>a written text starting with &quot;#&quot; reads as a comment (write it as the regular expression &quot;\#...&quot;)</source>
        <translation>un texto escrito que empieza por «#» se lee como comentario (escríbalo como la expresión regular «\#...»)</translation>
    </message>
    <message>
        <source>not a valid regular expression (%1 at character %2)</source>
        <translation>no es una expresión regular válida (%1 en el carácter %2)</translation>
    </message>
    <message>
        <source>not a valid regular expression (%1)</source>
        <translation>no es una expresión regular válida (%1)</translation>
    </message>
    <message>
        <source>the regular expression matches empty text</source>
        <translation>la expresión regular coincide con texto vacío</translation>
    </message>
    <message>
        <source>the spoken form names group %1, which the expression does not have</source>
        <translation>la forma hablada nombra el grupo %1, que la expresión no tiene</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>no tab between the written text and the spoken form</source>
        <translation>no hay tabulador entre el texto escrito y la forma hablada</translation>
    </message>
    <message>
        <source>more than three fields (written, spoken, options)</source>
        <translation>más de tres campos (escrito, hablado, opciones)</translation>
    </message>
</context>
<context>
    <name>PronunciationWindow</name>
    <message>
        <source>Pronunciation</source>
        <translation>Pronunciación</translation>
    </message>
    <message>
        <source>Rule list</source>
        <translation>Lista de reglas</translation>
    </message>
    <message>
        <source>All voices</source>
        <translation>Todas las voces</translation>
    </message>
    <message>
        <source>Voices in %1 (%2)</source>
        <translation>Voces en %1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Rules for:</source>
        <translation>&amp;Reglas para:</translation>
    </message>
    <message>
        <source>Pronunciation rules</source>
        <translation>Reglas de pronunciación</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Escrito</translation>
    </message>
    <message>
        <source>Spoken</source>
        <translation>Hablado</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Palabras completas</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expresión regular</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Text to say</source>
        <translation>Texto que decir</translation>
    </message>
    <message>
        <source>&amp;Try:</source>
        <translation>&amp;Probar:</translation>
    </message>
    <message>
        <source>&amp;Say it</source>
        <translation>&amp;Decirlo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Add a rule for this word</source>
        <translation>Añadir una regla para esta palabra</translation>
    </message>
    <message>
        <source>Pronunciation...</source>
        <translation>Pronunciación…</translation>
    </message>
    <message>
        <source>Type how &quot;%1&quot; is said, then press Enter.</source>
        <translation>Escriba cómo se dice «%1» y pulse Intro.</translation>
    </message>
    <message>
        <source>Line %1 of %2 was skipped: %3.</source>
        <translation>Se omitió la línea %1 de %2: %3.</translation>
    </message>
    <message>
        <source>Rule %1 is not in use: %2.</source>
        <translation>La regla %1 no se usa: %2.</translation>
    </message>
    <message>
        <source>The rules could not be saved in %1: %2.</source>
        <translation>No se pudieron guardar las reglas en %1: %2.</translation>
    </message>
    <message>
        <source>Saying: %1</source>
        <translation>Diciendo: %1</translation>
    </message>
</context>
<context>
    <name>SaveTypes</name>
    <message>
        <source>Rich Text File(*.rtf)</source>
        <translation>Archivo de texto enriquecido (*.rtf)</translation>
    </message>
    <message>
        <source>Text File(*.txt)</source>
        <translation>Archivo de texto (*.txt)</translation>
    </message>
    <message>
        <source>MP3 File (*.mp3)</source>
        <translation>Archivo MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>Audiobook, a file per chapter (*)</source>
        <translation>Audiolibro, un archivo por capítulo (*)</translation>
    </message>
    <message>
        <source>MP3 with chapter marks (*.mp3)</source>
        <translation>MP3 con marcas de capítulo (*.mp3)</translation>
    </message>
    <message>
        <source>M4B audiobook with chapters (*.m4b)</source>
        <translation>Audiolibro M4B con capítulos (*.m4b)</translation>
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
        <translation>%1 ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
</context>
<context>
    <name>SayoraMain</name>
    <message>
        <source>An export is running. Wait until it has finished, or press Esc or click its progress number to cancel it.</source>
        <translation>Hay una exportación en curso. Espere a que termine, o pulse Esc o haga clic en su porcentaje para cancelarla.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>Text box</source>
        <translation>Cuadro de texto</translation>
    </message>
    <message>
        <source>Change backcolor of text box</source>
        <translation>Cambiar el color de fondo del cuadro de texto</translation>
    </message>
    <message>
        <source>Change font of text box</source>
        <translation>Cambiar la fuente del cuadro de texto</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Save as mp3, text file</source>
        <translation>Guardar como MP3 o archivo de texto</translation>
    </message>
    <message>
        <source>Hide text box</source>
        <translation>Ocultar el cuadro de texto</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>set to head</source>
        <translation>ir al principio</translation>
    </message>
    <message>
        <source>How does it work?</source>
        <translation>¿Cómo funciona?</translation>
    </message>
    <message>
        <source>Click here to check new version</source>
        <translation>Haga clic aquí para buscar una versión nueva</translation>
    </message>
    <message>
        <source>Not find speech engine</source>
        <translation>No se encontró ningún motor de voz</translation>
    </message>
    <message>
        <source>Change pronunciation</source>
        <translation>Cambiar la pronunciación</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>Posición en el texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2</source>
        <translation>No se pudo abrir «%1»: %2</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not read this text: nothing was spoken.</source>
        <translation>La voz «%1» no pudo leer este texto: no se dijo nada.</translation>
    </message>
    <message>
        <source>Choose a voice of the text&apos;s language in the voice list and press Speak.</source>
        <translation>Elija en la lista de voces una voz del idioma del texto y pulse Leer.</translation>
    </message>
    <message>
        <source>Show text box</source>
        <translation>Mostrar el cuadro de texto</translation>
    </message>
    <message>
        <source>Resumed at %1 % where the reading stopped; Ctrl+Home reads from the start.</source>
        <translation>Reanudado en el %1 %, donde se detuvo la lectura; Ctrl+Inicio lee desde el principio.</translation>
    </message>
</context>
<context>
    <name>SayoraSelection</name>
    <message>
        <source>Usage: sayora-selection [--clipboard]
Reads the selected text (or with --clipboard the copied text) aloud with sayora.</source>
        <translation>Uso: sayora-selection [--clipboard]
Lee en voz alta con sayora el texto seleccionado (o, con --clipboard, el texto copiado).</translation>
    </message>
    <message>
        <source>unknown option %1 (try --help)</source>
        <translation>opción desconocida %1 (pruebe --help)</translation>
    </message>
    <message>
        <source>no X display to read the selection from (DISPLAY is not set)</source>
        <translation type="vanished">no hay pantalla X de la que leer la selección (DISPLAY no está definida)</translation>
    </message>
    <message>
        <source>the clipboard holds no text</source>
        <translation>el portapapeles no contiene texto</translation>
    </message>
    <message>
        <source>nothing is selected</source>
        <translation>no hay nada seleccionado</translation>
    </message>
    <message>
        <source>the reader sayora was not found</source>
        <translation>no se encontró el lector sayora</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>no se puede iniciar %1: %2</translation>
    </message>
    <message>
        <source>the reader ended abnormally</source>
        <translation>el lector terminó de forma anómala</translation>
    </message>
    <message>
        <source>cannot read the clipboard: %1</source>
        <translation>no se puede leer el portapapeles: %1</translation>
    </message>
    <message>
        <source>cannot read the selection: %1</source>
        <translation>no se puede leer la selección: %1</translation>
    </message>
</context>
<context>
    <name>SelectionKey</name>
    <message>
        <source>Read the selected text aloud</source>
        <translation>Leer en voz alta el texto seleccionado</translation>
    </message>
    <message>
        <source>%1 cannot read the selection from other programs here (%2). Bind sayora-selection to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>%1 no puede leer aquí la selección de otros programas (%2). En su lugar, asigne sayora-selection a una tecla en la configuración de teclado del escritorio.</translation>
    </message>
</context>
<context>
    <name>SoundFileCommit</name>
    <message>
        <source>The MP3 encoder stopped before it had finished.</source>
        <translation>El codificador MP3 se detuvo antes de terminar.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to: it is a file.</source>
        <translation>No se puede escribir en la carpeta %1: es un archivo.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>No se puede escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>The speech was not rendered (no sound file).</source>
        <translation>No se generó la voz (no hay archivo de sonido).</translation>
    </message>
    <message>
        <source>The speech was not rendered completely (the sound file is damaged).</source>
        <translation>La voz no se generó por completo (el archivo de sonido está dañado).</translation>
    </message>
    <message>
        <source>The voice produced no speech for this text.</source>
        <translation>La voz no produjo habla para este texto.</translation>
    </message>
    <message>
        <source>The sound file could not be written: %1.</source>
        <translation>No se pudo escribir el archivo de sonido: %1.</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed.</source>
        <translation>El codificador MP3 «lame» no está instalado.</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish.</source>
        <translation>El codificador MP3 no terminó.</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started: %1</source>
        <translation>No se pudo iniciar el codificador MP3 «lame»: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1).</source>
        <translation>El codificador MP3 falló (código de salida %1).</translation>
    </message>
    <message>
        <source>The MP3 encoder did not write a complete MP3 file.</source>
        <translation>El codificador MP3 no escribió un archivo MP3 completo.</translation>
    </message>
    <message>
        <source>The permissions of %1 could not be set: %2</source>
        <translation type="vanished">No se pudieron establecer los permisos de %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="vanished">No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation type="vanished">No se pudo reemplazar %1: %2</translation>
    </message>
    <message>
        <source>%1 is in place, but the system could not confirm that it reached the disk: %2</source>
        <translation type="vanished">%1 está en su sitio, pero el sistema no pudo confirmar que llegó al disco: %2</translation>
    </message>
</context>
<context>
    <name>SpFileStream</name>
    <message>
        <source>Only creating a file for writing is supported.</source>
        <translation>Solo se admite crear un archivo para escritura.</translation>
    </message>
</context>
<context>
    <name>SpeechExport</name>
    <message>
        <source>The sound file could not be created: %1</source>
        <translation>No se pudo crear el archivo de sonido: %1</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not be started.</source>
        <translation>No se pudo iniciar la voz «%1».</translation>
    </message>
    <message>
        <source>The sound file could not be created.</source>
        <translation>No se pudo crear el archivo de sonido.</translation>
    </message>
    <message>
        <source>The voice did not accept the text.</source>
        <translation>La voz no aceptó el texto.</translation>
    </message>
    <message>
        <source>The espeak-ng voices are not available.</source>
        <translation>Las voces de espeak-ng no están disponibles.</translation>
    </message>
    <message>
        <source>The sound file could not be written: %1</source>
        <translation>No se pudo escribir el archivo de sonido: %1</translation>
    </message>
    <message numerus="yes">
        <source>The speech rendering made no progress for %n seconds.</source>
        <translation>
            <numerusform>La generación de voz no avanzó durante %n segundo.</numerusform>
            <numerusform>La generación de voz no avanzó durante %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The sound could not be encoded: %1</source>
        <translation>No se pudo codificar el sonido: %1</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>No available information</source>
        <translation>No hay información disponible</translation>
    </message>
    <message>
        <source>Checking Server&apos;s IP</source>
        <translation>Buscando la IP del servidor</translation>
    </message>
    <message>
        <source>Found Server&apos;s IP Successfully</source>
        <translation>IP del servidor encontrada</translation>
    </message>
    <message>
        <source>Connecting Server</source>
        <translation>Conectando con el servidor</translation>
    </message>
    <message>
        <source>Connected Server</source>
        <translation>Conectado con el servidor</translation>
    </message>
    <message>
        <source>Requesting Server</source>
        <translation>Enviando la petición al servidor</translation>
    </message>
    <message>
        <source>Requested Server</source>
        <translation>Petición enviada al servidor</translation>
    </message>
    <message>
        <source>Waiting Server&apos;s Replay</source>
        <translation>Esperando la respuesta del servidor</translation>
    </message>
    <message>
        <source>Received Server&apos; Replay</source>
        <translation>Respuesta del servidor recibida</translation>
    </message>
    <message>
        <source>Disconnecting Server</source>
        <translation>Desconectando del servidor</translation>
    </message>
    <message>
        <source>Disconnected Server</source>
        <translation>Desconectado del servidor</translation>
    </message>
    <message>
        <source>Unable to Connect to Server</source>
        <translation>No se puede conectar con el servidor</translation>
    </message>
    <message>
        <source>Request has been handled</source>
        <translation>La petición se ha atendido</translation>
    </message>
    <message>
        <source>Update Online----Sayora</source>
        <translation>Actualización en línea – Sayora</translation>
    </message>
    <message>
        <source>Click&quot;Check&quot; button</source>
        <translation>Haga clic en «Comprobar»</translation>
    </message>
    <message>
        <source>Current version %1</source>
        <translation>Versión actual %1</translation>
    </message>
    <message>
        <source>Sayora will be closed when update is running</source>
        <translation>Sayora se cerrará durante la actualización</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>&amp;Return</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Found new version %1</source>
        <translation>Nueva versión %1 encontrada</translation>
    </message>
    <message>
        <source>Click&quot;Update&quot; button or</source>
        <translation>Haga clic en «Actualizar» o</translation>
    </message>
    <message>
        <source>access the following URL to update this software</source>
        <translation>abra la siguiente dirección para actualizar este programa</translation>
    </message>
    <message>
        <source>No new version</source>
        <translation>No hay ninguna versión nueva</translation>
    </message>
    <message>
        <source>Sorry, an error has occurred on the author&apos;s website, please try after a while</source>
        <translation>Lo sentimos, se ha producido un error en el sitio web del autor; inténtelo de nuevo más tarde</translation>
    </message>
    <message>
        <source>The installer could not be written: the disk may be full.</source>
        <translation>No se pudo escribir el instalador: puede que el disco esté lleno.</translation>
    </message>
    <message>
        <source>The installer was not downloaded. %1</source>
        <translation>No se descargó el instalador. %1</translation>
    </message>
    <message>
        <source>The downloaded installer could not be verified, so it was not started. Please try again later.</source>
        <translation>No se pudo verificar el instalador descargado, así que no se inició. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>The installer could not be started</source>
        <translation>No se pudo iniciar el instalador</translation>
    </message>
    <message>
        <source>The downloaded installer could not be started: %1. It has been deleted.</source>
        <translation>No se pudo iniciar el instalador descargado: %1. Se ha eliminado.</translation>
    </message>
</context>
<context>
    <name>WindowExport</name>
    <message>
        <source>Export progress: click or press Esc to cancel the export</source>
        <translation>Progreso de la exportación: haga clic o pulse Esc para cancelarla</translation>
    </message>
    <message>
        <source>Time the export has taken</source>
        <translation>Tiempo que ha llevado la exportación</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Esperando</translation>
    </message>
    <message>
        <source>Time the export still needs</source>
        <translation>Tiempo que aún necesita la exportación</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
    <message>
        <source>The pronunciation rules leave nothing to read aloud.</source>
        <translation>Las reglas de pronunciación no dejan nada que leer en voz alta.</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed.</source>
        <translation>El codificador MP3 «lame» no está instalado.</translation>
    </message>
    <message>
        <source>The text is too long for one MP3 export: its speech would need about %1 GB of sound on the way, more than the 4 GB a WAV file can hold. Save it as &quot;Audiobook, a file per chapter&quot;, &quot;MP3 with chapter marks&quot;, &quot;M4B audiobook&quot;, OGG Vorbis, Opus or FLAC, which have no such limit.</source>
        <translation>El texto es demasiado largo para una sola exportación MP3: su voz necesitaría por el camino unos %L1 GB de sonido, más de los 4 GB que admite un archivo WAV. Guárdelo como «Audiolibro, un archivo por capítulo», «MP3 con marcas de capítulo», «Audiolibro M4B», OGG Vorbis, Opus o FLAC, que no tienen ese límite.</translation>
    </message>
    <message>
        <source>The converter &quot;sayora-convert&quot; is not installed.</source>
        <translation>El conversor «sayora-convert» no está instalado.</translation>
    </message>
    <message>
        <source>The text could not be handed to the converter: %1</source>
        <translation>No se pudo pasar el texto al conversor: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>No se puede escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>No se pudo reemplazar %1.</translation>
    </message>
    <message>
        <source>%1 could not be created.</source>
        <translation>No se pudo crear %1.</translation>
    </message>
    <message>
        <source>The export component &quot;tavo&quot; could not be loaded (error 0x%1).</source>
        <translation>No se pudo cargar el componente de exportación «tavo» (error 0x%1).</translation>
    </message>
    <message>
        <source>Another Sayora window is exporting with a flite voice. Wait until it has finished, or export with an espeak-ng voice.</source>
        <translation>Otra ventana de Sayora está exportando con una voz de flite. Espere a que termine o exporte con una voz de espeak-ng.</translation>
    </message>
    <message>
        <source>The registry store %1 cannot be written: the flite voices report the end of their rendering through it.</source>
        <translation>No se puede escribir el registro %1: las voces de flite comunican por él el final de su generación.</translation>
    </message>
    <message>
        <source>%1 could not be exported.

%2

Nothing was written to it.</source>
        <translation>No se pudo exportar %1.

%2

No se escribió nada en él.</translation>
    </message>
    <message numerus="yes">
        <source>The registry store %1 stayed locked by another program for %n seconds.</source>
        <translation>
            <numerusform>El registro %1 estuvo bloqueado por otro programa durante %n segundo.</numerusform>
            <numerusform>El registro %1 estuvo bloqueado por otro programa durante %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The speech rendering made no progress for %n seconds.</source>
        <translation>
            <numerusform>La generación de voz no avanzó durante %n segundo.</numerusform>
            <numerusform>La generación de voz no avanzó durante %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The MP3 encoder made no progress for %n seconds.</source>
        <translation>
            <numerusform>El codificador MP3 no avanzó durante %n segundo.</numerusform>
            <numerusform>El codificador MP3 no avanzó durante %n segundos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WordSpeakerInstaller</name>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Ruta no encontrada</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a la ruta o al archivo</translation>
    </message>
</context>
<context>
    <name>X11KeyGrab</name>
    <message>
        <source>no X server</source>
        <translation>no hay servidor X</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one key with its modifiers</source>
        <translation>«%1» no es una sola tecla con sus modificadores</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; cannot be grabbed</source>
        <translation>no se puede capturar la tecla «%1»</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is not on this keyboard</source>
        <translation>la tecla «%1» no está en este teclado</translation>
    </message>
    <message>
        <source>another program holds the key &quot;%1&quot;</source>
        <translation>otro programa tiene ocupada la tecla «%1»</translation>
    </message>
</context>
</TS>
