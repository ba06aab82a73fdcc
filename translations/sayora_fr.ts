<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AtomicFile</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n’a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>le fichier n’est pas ouvert</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>%1 n’a pas pu être remplacé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is in place, but the system could not confirm that it reached the disk: %2</source>
        <translation>%1 est en place, mais le système n’a pas pu confirmer qu’il a atteint le disque&#xa0;: %2</translation>
    </message>
    <message>
        <source>The permissions of %1 could not be set: %2</source>
        <translation>Les permissions de %1 n’ont pas pu être réglées&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>BookNavigation</name>
    <message>
        <source>This text has no chapters</source>
        <translation>Ce texte n’a pas de chapitres</translation>
    </message>
    <message>
        <source>Nothing further</source>
        <translation>Rien de plus</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>Au début</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Chapitre %1</translation>
    </message>
    <message>
        <source>Chapters...</source>
        <translation>Chapitres…</translation>
    </message>
    <message>
        <source>Move the reading</source>
        <translation>Déplacer la lecture</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>Phrase suivante</translation>
    </message>
    <message>
        <source>Previous sentence</source>
        <translation>Phrase précédente</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>Paragraphe suivant</translation>
    </message>
    <message>
        <source>Previous paragraph</source>
        <translation>Paragraphe précédent</translation>
    </message>
    <message>
        <source>Next chapter</source>
        <translation>Chapitre suivant</translation>
    </message>
    <message>
        <source>Previous chapter</source>
        <translation>Chapitre précédent</translation>
    </message>
    <message>
        <source>Show the sentence being read</source>
        <translation>Montrer la phrase en cours de lecture</translation>
    </message>
</context>
<context>
    <name>ChapterList</name>
    <message>
        <source>Chapters</source>
        <translation>Chapitres</translation>
    </message>
    <message>
        <source>This text has no chapters.</source>
        <translation>Ce texte n’a pas de chapitres.</translation>
    </message>
    <message>
        <source>&amp;Chapters:</source>
        <translation>&amp;Chapitres&#xa0;:</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Chapitre %1</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1, niveau %2</translation>
    </message>
    <message>
        <source>  (being read)</source>
        <translation>  (en cours de lecture)</translation>
    </message>
    <message>
        <source>, being read</source>
        <translation>, en cours de lecture</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Aller à</translation>
    </message>
</context>
<context>
    <name>ChapterSplit</name>
    <message>
        <source>there is no text in it to read aloud</source>
        <translation>il n’y a aucun texte à lire à voix haute</translation>
    </message>
    <message>
        <source>no voice is installed</source>
        <translation>aucune voix n’est installée</translation>
    </message>
    <message>
        <source>the MP3 encoder &quot;lame&quot; is not installed</source>
        <translation type="vanished">l’encodeur MP3 «&#xa0;lame&#xa0;» n’est pas installé</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>the folder cannot be written to</source>
        <translation>impossible d’écrire dans le dossier</translation>
    </message>
    <message>
        <source>the converter could not be started again (%1)</source>
        <translation>le convertisseur n’a pas pu être relancé (%1)</translation>
    </message>
    <message>
        <source>the conversion stopped unexpectedly</source>
        <translation>la conversion s’est arrêtée de façon inattendue</translation>
    </message>
    <message>
        <source> No chapter was written.</source>
        <translation> Aucun chapitre n’a été écrit.</translation>
    </message>
    <message>
        <source> Chapters 1 to %1 of %2 were written and kept; no playlist was written.</source>
        <translation> Les chapitres 1 à %1 sur %2 ont été écrits et conservés&#xa0;; aucune liste de lecture n’a été écrite.</translation>
    </message>
    <message>
        <source> The chapters were written; the playlist was not.</source>
        <translation> Les chapitres ont été écrits, mais pas la liste de lecture.</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>the text is too large (the limit is %1 MB)</source>
        <translation>le texte est trop volumineux (la limite est de %L1 Mo)</translation>
    </message>
    <message>
        <source>sayora-convert: %1: line %2: %3; the line was skipped</source>
        <translation>sayora-convert: %1&#xa0;: ligne %2&#xa0;: %3&#xa0;; la ligne a été ignorée</translation>
    </message>
    <message>
        <source>sayora-convert: %1: not UTF-8, read as Windows-1252 (--encoding names another encoding)</source>
        <translation>sayora-convert: %1&#xa0;: pas en UTF-8, lu comme Windows-1252 (--encoding indique un autre encodage)</translation>
    </message>
    <message>
        <source>sayora-convert: %1: some bytes are not %2 and were replaced</source>
        <translation>sayora-convert: %1&#xa0;: certains octets ne sont pas en %2 et ont été remplacés</translation>
    </message>
    <message>
        <source>there is no text in it to read aloud</source>
        <translation>il n’y a aucun texte à lire à voix haute</translation>
    </message>
    <message>
        <source>Chapter 1</source>
        <translation>Chapitre 1</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;</source>
        <translation>il n’y a pas de voix «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no voice is installed</source>
        <translation>aucune voix n’est installée</translation>
    </message>
    <message>
        <source>the pronunciation rules leave nothing to read aloud</source>
        <translation>les règles de prononciation ne laissent rien à lire</translation>
    </message>
    <message>
        <source>the MP3 encoder &quot;lame&quot; is not installed</source>
        <translation type="vanished">l’encodeur MP3 «&#xa0;lame&#xa0;» n’est pas installé</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>--split writes speech: --format takes mp3, wav, ogg, opus, flac or m4b, not &quot;%1&quot;</source>
        <translation>--split écrit de la parole&#xa0;: --format prend mp3, wav, ogg, opus, flac ou m4b, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--subtitle-format goes with --split chapters; elsewhere --subtitles names the file</source>
        <translation>--subtitle-format va avec --split chapters&#xa0;; ailleurs --subtitles désigne le fichier</translation>
    </message>
    <message>
        <source>the subtitles of a part cannot be read</source>
        <translation>les sous-titres d’une partie ne peuvent pas être lus</translation>
    </message>
    <message>
        <source>sayora-convert: %1: skipped, it is already there</source>
        <translation>sayora-convert: %1&#xa0;: ignoré, il existe déjà</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the converter could not be started again (%2).</source>
        <translation>sayora-convert: %1&#xa0;: le convertisseur n’a pas pu être relancé (%2).</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the conversion was killed by a signal.</source>
        <translation>sayora-convert: %1&#xa0;: la conversion a été tuée par un signal.</translation>
    </message>
    <message>
        <source>sayora-convert: %1: the conversion stopped unexpectedly.</source>
        <translation>sayora-convert: %1&#xa0;: la conversion s’est arrêtée de façon inattendue.</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>--split takes &quot;chapters&quot;, not &quot;%1&quot;</source>
        <translation>--split prend «&#xa0;chapters&#xa0;», pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--split writes speech: --format takes mp3 or wav, not &quot;%1&quot;</source>
        <translation type="vanished">--split écrit de la parole&#xa0;: --format prend mp3 ou wav, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>with --split, --subtitles takes srt, lrc or vtt, not &quot;%1&quot;</source>
        <translation type="vanished">avec --split, --subtitles prend srt, lrc ou vtt, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--split chapters needs a book and a folder: INPUT DIR</source>
        <translation>--split chapters demande un livre et un dossier&#xa0;: INPUT DIR</translation>
    </message>
    <message>
        <source>--jobs goes with --output-dir, not --split</source>
        <translation>--jobs va avec --output-dir, pas avec --split</translation>
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
Un livre, un fichier par chapitre&#xa0;:
       sayora-convert [OPTIONS] --split chapters INPUT DIR
Écrit «&#xa0;01 Titre.mp3&#xa0;», «&#xa0;02 Titre.mp3&#xa0;»… dans DIR, un par chapitre (la
table des matières d’un EPUB, le plan d’un PDF, les titres de premier niveau
d’un fichier DOCX, ODT ou HTML&#xa0;; un texte avant le premier chapitre est lu
avec celui-ci), étiquetés avec le chapitre, le titre et l’auteur du livre et
le numéro de piste, plus une liste de lecture «&#xa0;TITRE DU LIVRE.m3u8&#xa0;» dans
l’ordre. --format mp3 (par défaut) ou wav&#xa0;; --subtitles srt, lrc ou vtt
écrit «&#xa0;01 Titre.srt&#xa0;»… à côté. Un échec arrête le découpage&#xa0;: les
chapitres terminés avant lui sont conservés, entiers, et aucune liste de
lecture n’est écrite.
</translation>
    </message>
    <message>
        <source> (see --help)</source>
        <translation> (voir --help)</translation>
    </message>
    <message>
        <source>--list-voices shows them</source>
        <translation>--list-voices les affiche</translation>
    </message>
    <message>
        <source>did you mean %1?</source>
        <translation>vouliez-vous dire %1&#xa0;?</translation>
    </message>
    <message>
        <source>more than one voice goes by &quot;%1&quot;; %2</source>
        <translation>plusieurs voix portent le nom «&#xa0;%1&#xa0;»&#xa0;; %2</translation>
    </message>
    <message>
        <source>there is no voice &quot;%1&quot;; %2</source>
        <translation>il n’y a pas de voix «&#xa0;%1&#xa0;»&#xa0;; %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>--bitrate was left unused: %1 and has no bit rate to set</source>
        <translation>--bitrate n’a pas servi&#xa0;: %1 et n’a pas de débit à régler</translation>
    </message>
    <message>
        <source>removed %1, left in %2 by a conversion that was killed</source>
        <translation>%1 supprimé, laissé dans %2 par une conversion interrompue</translation>
    </message>
    <message>
        <source>encoding</source>
        <translation>encodage</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>interrupted; %1 was left as it was</source>
        <translation>interrompu&#xa0;; %1 a été laissé tel quel</translation>
    </message>
    <message>
        <source>interrupted; the chapters finished so far were kept, no playlist was written</source>
        <translation>interrompu&#xa0;; les chapitres déjà terminés ont été conservés, aucune liste de lecture n’a été écrite</translation>
    </message>
    <message>
        <source>%1: the folder cannot be created.</source>
        <translation>%1&#xa0;: le dossier ne peut pas être créé.</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>conversion</translation>
    </message>
    <message>
        <source>interrupted; the files being converted were left as they were</source>
        <translation>interrompu&#xa0;; les fichiers en cours de conversion ont été laissés tels quels</translation>
    </message>
    <message>
        <source>%1 needs a number from 0 to 100</source>
        <translation>%1 demande un nombre de 0 à 100</translation>
    </message>
    <message>
        <source>%1 takes a number from 0 to 100, not &quot;%2&quot;</source>
        <translation>%1 prend un nombre de 0 à 100, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>--voice needs a voice name (--list-voices shows them)</source>
        <translation>--voice demande un nom de voix (--list-voices les affiche)</translation>
    </message>
    <message>
        <source>--encoding needs the name of a text encoding, such as windows-1251</source>
        <translation>--encoding demande le nom d’un encodage de texte, par exemple windows-1251</translation>
    </message>
    <message>
        <source>--encoding does not know &quot;%1&quot; (names such as UTF-8, windows-1251, Shift_JIS, ISO-8859-2, GB18030)</source>
        <translation>--encoding ne connaît pas «&#xa0;%1&#xa0;» (noms tels que UTF-8, windows-1251, Shift_JIS, ISO-8859-2, GB18030)</translation>
    </message>
    <message>
        <source>--rules needs a pronunciation rules file</source>
        <translation>--rules demande un fichier de règles de prononciation</translation>
    </message>
    <message>
        <source>the rules file &quot;%1&quot; cannot be read</source>
        <translation>le fichier de règles «&#xa0;%1&#xa0;» ne peut pas être lu</translation>
    </message>
    <message>
        <source>--subtitles needs a file name ending in .srt, .lrc or .vtt</source>
        <translation>--subtitles demande un nom de fichier en .srt, .lrc ou .vtt</translation>
    </message>
    <message>
        <source>the subtitle file &quot;%1&quot; must end in .srt, .lrc or .vtt</source>
        <translation>le fichier de sous-titres «&#xa0;%1&#xa0;» doit se terminer par .srt, .lrc ou .vtt</translation>
    </message>
    <message>
        <source>%1 needs a text</source>
        <translation>%1 demande un texte</translation>
    </message>
    <message>
        <source>--track takes a number, or a number and the total: 3/12</source>
        <translation>--track prend un numéro, ou un numéro et le total&#xa0;: 3/12</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 1 up</source>
        <translation>%1 prend un nombre entier à partir de 1</translation>
    </message>
    <message>
        <source>--bitrate takes kbit/s from 8 to 320</source>
        <translation>--bitrate prend des kbit/s de 8 à 320</translation>
    </message>
    <message>
        <source>--jobs takes a number of jobs from 1 up</source>
        <translation>--jobs prend un nombre de tâches à partir de 1</translation>
    </message>
    <message>
        <source>--output-dir needs a folder</source>
        <translation>--output-dir demande un dossier</translation>
    </message>
    <message>
        <source>--format needs mp3, wav, ogg, opus, flac, m4b or txt</source>
        <translation>--format demande mp3, wav, ogg, opus, flac, m4b ou txt</translation>
    </message>
    <message>
        <source>--format takes mp3, wav, ogg, opus, flac, m4b or txt, not &quot;%1&quot;</source>
        <translation>--format prend mp3, wav, ogg, opus, flac, m4b ou txt, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>--rules and --no-rules exclude each other</source>
        <translation>--rules et --no-rules s’excluent mutuellement</translation>
    </message>
    <message>
        <source>--list-voices takes no files</source>
        <translation>--list-voices ne prend pas de fichiers</translation>
    </message>
    <message>
        <source>--output-dir and --format go together</source>
        <translation>--output-dir et --format vont ensemble</translation>
    </message>
    <message>
        <source>no input files were given</source>
        <translation>aucun fichier d’entrée n’a été donné</translation>
    </message>
    <message>
        <source>standard input converts on its own: sayora-convert - OUTPUT</source>
        <translation>l’entrée standard se convertit seule&#xa0;: sayora-convert - OUTPUT</translation>
    </message>
    <message>
        <source>--subtitles names one file: use it with a single INPUT OUTPUT</source>
        <translation>--subtitles désigne un seul fichier&#xa0;: utilisez-le avec un seul INPUT OUTPUT</translation>
    </message>
    <message>
        <source>--split-minutes and --split-size go with a single INPUT OUTPUT</source>
        <translation>--split-minutes et --split-size vont avec un seul INPUT OUTPUT</translation>
    </message>
    <message>
        <source>--skip-existing goes with --output-dir and --format</source>
        <translation>--skip-existing va avec --output-dir et --format</translation>
    </message>
    <message>
        <source>an INPUT and an OUTPUT file are needed</source>
        <translation>il faut un fichier INPUT et un fichier OUTPUT</translation>
    </message>
    <message>
        <source>too many files: use --output-dir and --format for several</source>
        <translation>trop de fichiers&#xa0;: utilisez --output-dir et --format pour plusieurs</translation>
    </message>
    <message>
        <source>- as the OUTPUT writes to standard output in the format --format names</source>
        <translation>- comme OUTPUT écrit sur la sortie standard au format indiqué par --format</translation>
    </message>
    <message>
        <source>standard output takes one sound file: mp3, wav, ogg or opus</source>
        <translation>la sortie standard prend un seul fichier son&#xa0;: mp3, wav, ogg ou opus</translation>
    </message>
    <message>
        <source>the OUTPUT &quot;%1&quot; is a folder: name the file to write</source>
        <translation>OUTPUT «&#xa0;%1&#xa0;» est un dossier&#xa0;: nommez le fichier à écrire</translation>
    </message>
    <message>
        <source>the OUTPUT &quot;%1&quot; must end in .mp3, .wav, .ogg, .opus, .flac, .m4b or .txt</source>
        <translation>OUTPUT «&#xa0;%1&#xa0;» doit se terminer par .mp3, .wav, .ogg, .opus, .flac, .m4b ou .txt</translation>
    </message>
    <message>
        <source>--split-minutes and --split-size split speech: the OUTPUT must not be a .txt</source>
        <translation>--split-minutes et --split-size découpent de la parole&#xa0;: OUTPUT ne doit pas être un .txt</translation>
    </message>
    <message>
        <source>--split-size goes with .mp3 and .wav, whose sizes are known as they are made; use --split-minutes</source>
        <translation>--split-size va avec .mp3 et .wav, dont la taille est connue à mesure qu’ils sont créés&#xa0;; utilisez --split-minutes</translation>
    </message>
    <message>
        <source>subtitles go with speech: the OUTPUT must not be a .txt</source>
        <translation>les sous-titres vont avec de la parole&#xa0;: OUTPUT ne doit pas être un .txt</translation>
    </message>
    <message>
        <source>--chapter-marks goes with an .mp3 OUTPUT (an .m4b has its chapters anyway)</source>
        <translation>--chapter-marks va avec un OUTPUT .mp3 (un .m4b a de toute façon ses chapitres)</translation>
    </message>
    <message>
        <source>chapter marks make one file: not with --split-minutes or --split-size</source>
        <translation>les marques de chapitre font un seul fichier&#xa0;: pas avec --split-minutes ni --split-size</translation>
    </message>
    <message>
        <source>the subtitle file &quot;%1&quot; must be a file of its own</source>
        <translation>le fichier de sous-titres «&#xa0;%1&#xa0;» doit être un fichier distinct</translation>
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
        <translation>Utilisation&#xa0;: sayora-convert [OPTIONS] INPUT OUTPUT
              sayora-convert [OPTIONS] --output-dir DIR --format FORMAT INPUT...
              sayora-convert --list-voices

Lit un texte à voix haute dans un fichier son avec les voix de Sayora, ou le
transforme en texte brut. INPUT est un fichier texte, RTF, PDF, EPUB, DOCX,
ODT ou HTML, lu comme le lit le bouton Ouvrir de Sayora, ou - pour l’entrée
standard. L’extension de OUTPUT choisit ce qui est écrit (- et --format
FORMAT&#xa0;: la sortie standard, dans ce format)&#xa0;:
  .mp3   parole, encodée par lame
  .wav   parole, PCM 16 bits
  .ogg   parole, Ogg Vorbis      .opus  parole, Ogg Opus
  .flac  parole, FLAC (sans perte)
  .m4b   un livre audio&#xa0;: AAC dans MP4, avec les chapitres du livre marqués
  .txt   le texte brut que Sayora affiche, en UTF-8

Options&#xa0;:
      --voice NAME        la voix, nommée comme l’affiche --list-voices (son
                          nom, son nom court ou sa langue)&#xa0;; par défaut la
                          première voix de Sayora, ou une voix de la langue
                          du texte quand celle-ci ne peut pas le lire
      --rate N            vitesse, 0-100 comme sur la barre de vitesse
      --pitch N           hauteur, 0-100 comme sur la barre de hauteur (les
                          voix flite&#xa0;; les voix espeak-ng gardent la leur)
      --volume N          volume, 0-100 comme sur la barre de volume
      --subtitles FILE    écrire aussi des sous-titres minutés par phrase&#xa0;:
                          .srt, .lrc ou .vtt
      --rules FILE        dire les mots comme le disent les règles de
                          prononciation de FILE (une règle par ligne&#xa0;: écrit
                          TAB parlé [TAB options]) au lieu de vos propres
                          listes dans ~/.config/sayora&#xa0;; une ligne illisible
                          donne un avertissement avec son numéro
      --no-rules          aucune règle de prononciation
      --no-language-switch
                          lire tout le texte avec la même voix&#xa0;; par défaut
                          une phrase dans une autre langue (une autre
                          écriture, ou une phrase assez longue pour que le
                          détecteur de langue la reconnaisse) est lue par la
                          meilleure voix installée de sa langue
      --encoding NAME     l’encodage des entrées en texte brut (windows-1251,
                          Shift_JIS, ...)&#xa0;; par défaut UTF-8, ou Windows-1252
                          avec un avertissement si les octets ne sont pas en
                          UTF-8
  -o, --output-dir DIR    convertir chaque INPUT dans DIR, nommé d’après lui
  -f, --format FORMAT     avec --output-dir ou OUTPUT -&#xa0;: mp3, wav, ogg,
                          opus, flac, m4b ou txt
  -j, --jobs N            conversions simultanées avec --output-dir, sinon
                          parties du texte produites simultanément (par
                          défaut&#xa0;: une par processeur&#xa0;; 1 produit un texte
                          d’un seul tenant)
      --skip-existing     avec --output-dir&#xa0;: omettre chaque INPUT dont la
                          sortie existe déjà (une relance après un échec ne
                          fait que ce qui manque)
      --bitrate KBPS      du MP3 (constant), d’Ogg Vorbis et d’Opus (moyen)&#xa0;;
                          FLAC et WAV n’en ont pas (c’est signalé si demandé)
      --split-minutes N   OUTPUT en «&#xa0;NAME 01.EXT&#xa0;», «&#xa0;NAME 02.EXT&#xa0;»… d’au
                          plus N minutes chacun, coupés en fin de phrase (une
                          phrase plus longue à une proposition&#xa0;; une qui ne
                          tient pas est signalée), et la liste de lecture
                          «&#xa0;NAME.m3u&#xa0;»
      --split-size MB     la même chose par taille (.mp3 et .wav)
      --split chapters    un livre en un fichier par chapitre dans OUTPUT,
                          un dossier (voir plus bas)
      --title TEXT, --artist TEXT, --album TEXT, --track N[/TOTAL]
                          l’étiquette (ID3 dans MP3, commentaires Vorbis dans
                          Ogg, Opus et FLAC)
      --chapter-marks     avec un OUTPUT .mp3&#xa0;: marquer les chapitres du
                          livre dans son étiquette ID3 (trames CHAP et CTOC),
                          que les lecteurs de livres audio montrent comme
                          liste de chapitres
      --progress-lines    écrire des lignes «&#xa0;done FRACTION&#xa0;» sur la sortie
                          standard au fil du travail, pour qu’un programme
                          le suive
      --list-voices       afficher les voix, une par ligne (nom, nom court,
                          langue, moteur&#xa0;; séparés par des tabulations), et
                          quitter
  -q, --quiet             pas de barre de progression
  -h, --help              afficher cette aide et quitter
  -V, --version           afficher la version et quitter

Une sortie existante n’est remplacée qu’une fois le nouveau fichier complet.
Les fichiers temporaires cachés qu’une conversion tuée net laisse à côté de
sa sortie (.NAME.XXXXXX.wav et .mp3, et le dossier des parties d’un long
texte, .NAME.XXXXXX.parts) sont supprimés par la conversion suivante dans ce
dossier&#xa0;: seulement ceux qu’une conversion a notés comme siens dans
~/.local/state/sayora, une fois qu’elle s’est terminée. Une conversion qui
ne tiendrait pas dans l’espace libre de son dossier est refusée avant de
commencer.

Code de sortie&#xa0;: 0 succès, 1 ligne de commande erronée, 2 une entrée ne peut
pas être lue, 3 voix inconnue ou impossible à charger, 4 le rendu ou
l’encodage a échoué et échouerait encore, 5 échec pour une raison qui peut
passer (le disque était plein ou trop petit pour la sortie, l’encodeur ou un
processus de travail a été tué par un signal)&#xa0;: cela vaut la peine de
réessayer. Un lot se termine avec le code de la première entrée en échec.
</translation>
    </message>
    <message>
        <source>FFmpeg has no AAC encoder</source>
        <translation type="vanished">FFmpeg n’a pas d’encodeur AAC</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="vanished">mémoire insuffisante</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%L1 Go</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%L1 Mo</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%L1 ko</translation>
    </message>
    <message>
        <source>the folder %1 has %2 free, and this conversion needs at least %3</source>
        <translation>le dossier %1 a %2 de libre, et cette conversion demande au moins %3</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, reste %1</translation>
    </message>
    <message>
        <source>Ogg Vorbis reaches %1 to %2 kbit/s at this voice&apos;s sample rate, not %3; the nearest was taken</source>
        <translation>Ogg Vorbis atteint %1 à %2 kbit/s à la fréquence d’échantillonnage de cette voix, pas %3&#xa0;; la valeur la plus proche a été prise</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>le fichier n’est pas ouvert</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n chapters</source>
        <translation>
            <numerusform>%1&#xa0;: %2 sur %n chapitre</numerusform>
            <numerusform>%1&#xa0;: %2 sur %n chapitres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files</source>
        <translation>
            <numerusform>%1 sur %n fichier</numerusform>
            <numerusform>%1 sur %n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sayora-convert: %1 of %n files converted</source>
        <translation>
            <numerusform>sayora-convert: %1 fichier converti sur %n</numerusform>
            <numerusform>sayora-convert: %1 fichiers convertis sur %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n skipped (already there)</source>
        <translation>
            <numerusform>, %n ignoré (déjà présent)</numerusform>
            <numerusform>, %n ignorés (déjà présents)</numerusform>
        </translation>
    </message>
    <message>
        <source>with --split, --subtitle-format takes srt, lrc or vtt, not &quot;%1&quot;</source>
        <translation>avec --split, --subtitle-format prend srt, lrc ou vtt, pas «&#xa0;%1&#xa0;»</translation>
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
Un livre, un fichier par chapitre&#xa0;:
       sayora-convert [OPTIONS] --split chapters INPUT DIR
Écrit «&#xa0;01 Titre.mp3&#xa0;», «&#xa0;02 Titre.mp3&#xa0;»… dans DIR, un par chapitre (la
table des matières d’un EPUB, le plan d’un PDF, les titres de premier niveau
d’un fichier DOCX, ODT ou HTML&#xa0;; un texte avant le premier chapitre est lu
avec celui-ci), étiquetés avec le chapitre, le titre et l’auteur du livre et
le numéro de piste, plus une liste de lecture «&#xa0;TITRE DU LIVRE.m3u8&#xa0;» dans
l’ordre. --format mp3 (par défaut), wav, ogg, opus, flac ou m4b&#xa0;; --subtitle-format srt, lrc ou
vtt (ou --subtitles srt, lrc ou vtt) écrit «&#xa0;01 Titre.srt&#xa0;»… à côté. Un
échec arrête le découpage&#xa0;: les chapitres terminés avant lui sont
conservés, entiers, et aucune liste de lecture n’est écrite.
</translation>
    </message>
</context>
<context>
    <name>ConverterRun</name>
    <message>
        <source>The converter &quot;sayora-convert&quot; could not be started: %1</source>
        <translation>Le convertisseur «&#xa0;sayora-convert&#xa0;» n’a pas pu être lancé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The converter stopped unexpectedly.</source>
        <translation>Le convertisseur s’est arrêté de façon inattendue.</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>Rich Text (*.rtf)</source>
        <translation>Texte enrichi (*.rtf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texte (*.txt)</translation>
    </message>
    <message>
        <source>Documents (*.pdf *.epub *.docx *.odt *.html *.htm)</source>
        <translation>Documents (*.pdf *.epub *.docx *.odt *.html *.htm)</translation>
    </message>
    <message>
        <source>All readable files (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)</source>
        <translation>Tous les fichiers lisibles (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)</translation>
    </message>
</context>
<context>
    <name>DocumentReader</name>
    <message>
        <source>it is not a Word document (its main part is missing).</source>
        <translation>ce n’est pas un document Word (sa partie principale manque).</translation>
    </message>
    <message>
        <source>the file is damaged (its text cannot be read).</source>
        <translation>le fichier est endommagé (son texte ne peut pas être lu).</translation>
    </message>
    <message>
        <source>it is not a complete EPUB book (its list of contents is missing).</source>
        <translation>ce n’est pas un livre EPUB complet (sa liste de contenu manque).</translation>
    </message>
    <message>
        <source>it is not a complete EPUB book (its package document is missing).</source>
        <translation>ce n’est pas un livre EPUB complet (son document de paquet manque).</translation>
    </message>
    <message>
        <source>the book is encrypted (protected by DRM), so its text cannot be read.</source>
        <translation>le livre est chiffré (protégé par des DRM), son texte ne peut donc pas être lu.</translation>
    </message>
    <message>
        <source>the book has no text to read.</source>
        <translation>le livre n’a pas de texte à lire.</translation>
    </message>
    <message>
        <source>it is not a readable HTML page.</source>
        <translation>ce n’est pas une page HTML lisible.</translation>
    </message>
    <message>
        <source>it is encrypted (protected with a password).</source>
        <translation>il est chiffré (protégé par un mot de passe).</translation>
    </message>
    <message>
        <source>it is not an OpenDocument text (its content is missing).</source>
        <translation>ce n’est pas un texte OpenDocument (son contenu manque).</translation>
    </message>
    <message>
        <source>the file is damaged (it is not a readable PDF).</source>
        <translation>le fichier est endommagé (ce n’est pas un PDF lisible).</translation>
    </message>
    <message>
        <source>the PDF has no pages.</source>
        <translation>le PDF n’a pas de pages.</translation>
    </message>
    <message>
        <source>it has no text to read: its pages are pictures only (a scan?). Text recognition (OCR) would have to turn them into text first.</source>
        <translation>il n’a pas de texte à lire&#xa0;: ses pages ne sont que des images (un scan ?). Une reconnaissance de texte (OCR) devrait d’abord les transformer en texte.</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un document PDF</translation>
    </message>
    <message>
        <source>an EPUB book</source>
        <translation>un livre EPUB</translation>
    </message>
    <message>
        <source>a Word document</source>
        <translation>un document Word</translation>
    </message>
    <message>
        <source>an OpenDocument text</source>
        <translation>un texte OpenDocument</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>aucun nom de fichier n’a été donné.</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>the file cannot be read (%1).</source>
        <translation>le fichier ne peut pas être lu (%1).</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>c’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>the file is too large (the limit is %1 MB).</source>
        <translation>le fichier est trop volumineux (la limite est de %L1 Mo).</translation>
    </message>
    <message>
        <source>it is an older Office document (such as a .doc), which Sayora does not read; save it as .docx or .odt.</source>
        <translation>c’est un ancien document Office (comme un .doc), que Sayora ne lit pas&#xa0;; enregistrez-le en .docx ou .odt.</translation>
    </message>
    <message>
        <source>it is an OpenDocument file of another kind (a spreadsheet or a presentation?), not a text.</source>
        <translation>c’est un fichier OpenDocument d’un autre type (un classeur ou une présentation ?), pas un texte.</translation>
    </message>
    <message>
        <source>it is named &quot;.%1&quot; but is not %2 (it is another kind of ZIP archive).</source>
        <translation>il s’appelle «&#xa0;.%1&#xa0;» mais n’est pas %2 (c’est une autre sorte d’archive ZIP).</translation>
    </message>
    <message>
        <source>it is a ZIP archive, not a document.</source>
        <translation>c’est une archive ZIP, pas un document.</translation>
    </message>
    <message>
        <source>it is named &quot;.%1&quot; but is not %2 (its contents are something else).</source>
        <translation>il s’appelle «&#xa0;.%1&#xa0;» mais n’est pas %2 (son contenu est autre chose).</translation>
    </message>
    <message>
        <source>it is not a text or RTF document.</source>
        <translation>ce n’est pas un document texte ou RTF.</translation>
    </message>
    <message>
        <source>a part of the document is missing.</source>
        <translation>une partie du document manque.</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB, more than any document to be read aloud.</source>
        <translation>il se décompresse en plus de %L1 Mo, plus que tout document à lire à voix haute.</translation>
    </message>
    <message>
        <source>the file is damaged (its ZIP container cannot be read).</source>
        <translation>le fichier est endommagé (son conteneur ZIP ne peut pas être lu).</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Select A File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>&amp;Colour…</source>
        <translation>&amp;Couleur…</translation>
    </message>
    <message>
        <source>The quick brown fox jumps over the lazy dog.</source>
        <translation>Portez ce vieux whisky au juge blond qui fume.</translation>
    </message>
    <message>
        <source>&amp;Face:</source>
        <translation>&amp;Police&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style&#xa0;:</translation>
    </message>
    <message>
        <source>Text colour:</source>
        <translation>Couleur du texte&#xa0;:</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Couleur du texte</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>no key is set</source>
        <translation>aucune touche n’est définie</translation>
    </message>
    <message>
        <source>no session bus</source>
        <translation>pas de bus de session</translation>
    </message>
</context>
<context>
    <name>GrowingWaveEncoder</name>
    <message>
        <source>the rendered sound cannot be read: %1</source>
        <translation>le son produit ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>the rendered sound cannot be read</source>
        <translation>le son produit ne peut pas être lu</translation>
    </message>
    <message>
        <source>the rendered sound cannot be read (it ends before its header says)</source>
        <translation>le son produit ne peut pas être lu (il s’arrête avant la longueur qu’annonce son en-tête)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>How does it work? </source>
        <translation>Comment ça marche&#xa0;? </translation>
    </message>
    <message>
        <source>How to listen to the text of a web page ?</source>
        <translation>Comment écouter le texte d’une page web&#xa0;?</translation>
    </message>
    <message>
        <source>When you browse with Internet Explorer 5.0(or above version) ,</source>
        <translation>Quand vous naviguez avec Internet Explorer 5.0 (ou une version plus récente),</translation>
    </message>
    <message>
        <source>use your mouse to select the text you want to listen to, right-click mouse ,</source>
        <translation>sélectionnez à la souris le texte à écouter, faites un clic droit,</translation>
    </message>
    <message>
        <source>and a &quot;Speak by Sayora&quot; command will be on the popup drop down menu ,</source>
        <translation>et une commande «&#xa0;Lire avec Sayora&#xa0;» apparaît dans le menu contextuel&#xa0;;</translation>
    </message>
    <message>
        <source>click it ,the selected text will be spoken.</source>
        <translation>cliquez dessus, le texte sélectionné sera lu.</translation>
    </message>
    <message>
        <source>How to listen to Microsoft WORD document ?</source>
        <translation>Comment écouter un document Microsoft WORD&#xa0;?</translation>
    </message>
    <message>
        <source>If you have installed Microsoft WORD, then after installing Sayora,</source>
        <translation>Si Microsoft WORD est installé, après l’installation de Sayora,</translation>
    </message>
    <message>
        <source>a little yellow speaker icon will appears in your Microsoft WORD tool bar.</source>
        <translation>une petite icône de haut-parleur jaune apparaît dans la barre d’outils de Microsoft WORD.</translation>
    </message>
    <message>
        <source>Click on it (or push the key &quot;F12&quot;), all the text in Word document will be spoken.</source>
        <translation>Cliquez dessus (ou appuyez sur «&#xa0;F12&#xa0;»), tout le texte du document Word sera lu.</translation>
    </message>
    <message>
        <source>You can select some text in word document to be spoken.</source>
        <translation>Vous pouvez sélectionner une partie du texte du document Word à lire.</translation>
    </message>
    <message>
        <source>  The macro file &quot;Speak.dot&quot; within this software is safe, please use it.</source>
        <translation>  Le fichier de macros «&#xa0;Speak.dot&#xa0;» fourni avec ce logiciel est sûr, utilisez-le.</translation>
    </message>
    <message>
        <source>Advice:</source>
        <translation>Conseil&#xa0;:</translation>
    </message>
    <message>
        <source>Install a good anti-virus software and set Macro&apos;s security of MS WORD to Low</source>
        <translation>Installez un bon antivirus et réglez la sécurité des macros de MS WORD sur «&#xa0;Faible&#xa0;»</translation>
    </message>
    <message>
        <source>If there&apos;s no Speaker on your MS WORD tool bar ,click here to add it.</source>
        <translation>S’il n’y a pas de haut-parleur dans la barre d’outils de MS WORD, cliquez ici pour l’ajouter.</translation>
    </message>
    <message>
        <source>How to listen to text file(*.txt or *.rtf files) in explorer ?</source>
        <translation>Comment écouter un fichier texte (*.txt ou *.rtf) dans l’explorateur&#xa0;?</translation>
    </message>
    <message>
        <source>Right-click text file (*.txt or *.rtf files)  in explorer, select &quot;Speak by Sayora&quot; command,</source>
        <translation>Faites un clic droit sur le fichier texte (*.txt ou *.rtf) dans l’explorateur, choisissez «&#xa0;Lire avec Sayora&#xa0;»,</translation>
    </message>
    <message>
        <source>the text file will be spoken .</source>
        <translation>le fichier texte sera lu.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Remarques&#xa0;:</translation>
    </message>
    <message>
        <source>After install Sayora, restart your computer to make full features take effective.</source>
        <translation>Après l’installation de Sayora, redémarrez l’ordinateur pour que toutes les fonctions soient actives.</translation>
    </message>
    <message>
        <source>Read the Sayora help page</source>
        <translation>Lire la page d’aide de Sayora</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The help page %1 could not be opened: no program to show it was found.</source>
        <translation>La page d’aide %1 n’a pas pu être ouverte&#xa0;: aucun programme pour l’afficher n’a été trouvé.</translation>
    </message>
    <message>
        <source>Can not find MS WORD</source>
        <translation>MS WORD est introuvable</translation>
    </message>
    <message>
        <source>Retrieve Microsoft Office path fail</source>
        <translation>Le chemin de Microsoft Office n’a pas pu être trouvé</translation>
    </message>
    <message>
        <source>Copy %1 TO %2 Successfully . The speaker has been added to your MS WORD tool bar!</source>
        <translation>%1 a bien été copié vers %2. Le haut-parleur a été ajouté à la barre d’outils de MS WORD&#xa0;!</translation>
    </message>
    <message>
        <source>Can not find %1 file</source>
        <translation>Le fichier %1 est introuvable</translation>
    </message>
    <message>
        <source>The file %1 is opening , please close your MS WORD</source>
        <translation>Le fichier %1 est ouvert, veuillez fermer MS WORD</translation>
    </message>
    <message>
        <source>Add Speaker to MS WORD Error</source>
        <translation>Erreur lors de l’ajout du haut-parleur à MS WORD</translation>
    </message>
    <message>
        <source>%1  %2 (Whould you like E-Mail this error message to me ? My email is %3)</source>
        <translation>%1  %2 (Voulez-vous m’envoyer ce message d’erreur par courriel&#xa0;? Mon adresse est %3)</translation>
    </message>
</context>
<context>
    <name>InstallerFile</name>
    <message>
        <source>The folder %1 cannot be opened: %2</source>
        <translation>Le dossier %1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user or can be changed by other users, so no installer is downloaded into it. Make it yours and writable by you alone (chmod 700).</source>
        <translation>Le dossier %1 appartient à un autre utilisateur ou peut être modifié par d’autres utilisateurs&#xa0;; aucun programme d’installation n’y est donc téléchargé. Faites-en votre dossier, modifiable par vous seul (chmod 700).</translation>
    </message>
    <message>
        <source>The old installer %1 cannot be removed: %2</source>
        <translation>L’ancien programme d’installation %1 ne peut pas être supprimé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The installer %1 cannot be created: %2</source>
        <translation>Le programme d’installation %1 ne peut pas être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file was not written whole</source>
        <translation>le fichier n’a pas été écrit en entier</translation>
    </message>
    <message>
        <source>it could not be started</source>
        <translation>il n’a pas pu être lancé</translation>
    </message>
    <message>
        <source>it is neither a program nor a script with an interpreter line (#!)</source>
        <translation>ce n’est ni un programme ni un script avec une ligne d’interpréteur (#!)</translation>
    </message>
    <message>
        <source>it may not be run from this folder</source>
        <translation>il ne peut pas être exécuté depuis ce dossier</translation>
    </message>
    <message>
        <source>the interpreter its first line names is missing</source>
        <translation>l’interpréteur nommé sur sa première ligne manque</translation>
    </message>
</context>
<context>
    <name>InternetTransfer</name>
    <message>
        <source>%1 MiB</source>
        <translation>%L1 Mio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une adresse de serveur.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses plain http, which anyone on the way can change; only https is accepted (plain http only on this computer&apos;s own loopback address).</source>
        <translation>«&#xa0;%1&#xa0;» utilise http non chiffré, que n’importe qui sur le chemin peut modifier&#xa0;; seul https est accepté (http non chiffré seulement sur l’adresse de bouclage de cet ordinateur).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an https nor a loopback http address.</source>
        <translation>«&#xa0;%1&#xa0;» n’est ni une adresse https ni une adresse http de bouclage.</translation>
    </message>
    <message>
        <source>The server redirected to an address that is not accepted: %1</source>
        <translation>Le serveur a redirigé vers une adresse non acceptée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The server redirected from https to plain http (&quot;%1&quot;); that is not followed.</source>
        <translation>Le serveur a redirigé de https vers http non chiffré («&#xa0;%1&#xa0;»)&#xa0;; cette redirection n’est pas suivie.</translation>
    </message>
    <message>
        <source>The server redirected over plain http to another host (&quot;%1&quot;); that is not followed.</source>
        <translation>Le serveur a redirigé en http non chiffré vers un autre hôte («&#xa0;%1&#xa0;»)&#xa0;; cette redirection n’est pas suivie.</translation>
    </message>
    <message>
        <source>The answer is larger than %1.</source>
        <translation>La réponse dépasse %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The server did not answer for %n seconds.</source>
        <translation>
            <numerusform>Le serveur n’a pas répondu pendant %n seconde.</numerusform>
            <numerusform>Le serveur n’a pas répondu pendant %n secondes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeyboardAccess</name>
    <message>
        <source>Text box scroll bar</source>
        <translation>Barre de défilement de la zone de texte</translation>
    </message>
    <message>
        <source>Text box horizontal scroll bar</source>
        <translation>Barre de défilement horizontale de la zone de texte</translation>
    </message>
    <message>
        <source>Button panel</source>
        <translation>Panneau de boutons</translation>
    </message>
    <message>
        <source>Voice list</source>
        <translation>Liste des voix</translation>
    </message>
    <message>
        <source>Back colour of the text box</source>
        <translation>Couleur de fond de la zone de texte</translation>
    </message>
    <message>
        <source>Text colour of the text box</source>
        <translation>Couleur du texte de la zone de texte</translation>
    </message>
    <message>
        <source>Wave rendering control</source>
        <translation>Contrôle de rendu audio</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Lecture en cours</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Export done</source>
        <translation>Exportation terminée</translation>
    </message>
</context>
<context>
    <name>LanguageSwitchOption</name>
    <message>
        <source>Read other languages with their own voices</source>
        <translation>Lire les autres langues avec leurs propres voix</translation>
    </message>
</context>
<context>
    <name>M4bWriter</name>
    <message>
        <source>Sayora&apos;s M4B writing is missing or damaged (%1)</source>
        <translation>l’écriture M4B de Sayora est absente ou endommagée (%1)</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>the MP3 encoder could not be started</source>
        <translation>l’encodeur MP3 n’a pas pu être démarré</translation>
    </message>
    <message>
        <source>the MP3 encoder does not take this sound (%1 Hz at %2 kbit/s)</source>
        <translation>l’encodeur MP3 n’accepte pas ce son (%1 Hz à %2 kbit/s)</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (error %1)</source>
        <translation>l’encodeur MP3 a échoué (erreur %1)</translation>
    </message>
    <message>
        <source>the MP3 encoder was not started</source>
        <translation>l’encodeur MP3 n’a pas été démarré</translation>
    </message>
</context>
<context>
    <name>Mp3End</name>
    <message>
        <source>Convert text to</source>
        <translation>Texte converti en</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>Réussi&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Écouter</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>No program to play MP3 files was found on this desktop.</source>
        <translation>Aucun programme pour lire les fichiers MP3 n’a été trouvé sur ce bureau.</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>Le fichier est %1</translation>
    </message>
</context>
<context>
    <name>PartEncoder</name>
    <message>
        <source>the rendered sound cannot be read</source>
        <translation type="vanished">le son produit ne peut pas être lu</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="vanished">arrêté</translation>
    </message>
</context>
<context>
    <name>PdfReader</name>
    <message>
        <source>Sayora&apos;s PDF reading is missing or damaged (%1)</source>
        <translation>La lecture des PDF de Sayora manque ou est endommagée (%1)</translation>
    </message>
</context>
<context>
    <name>PieceConversion</name>
    <message>
        <source>the converter could not be started again (%1)</source>
        <translation>le convertisseur n’a pas pu être relancé (%1)</translation>
    </message>
    <message>
        <source>the conversion stopped unexpectedly</source>
        <translation>la conversion s’est arrêtée de façon inattendue</translation>
    </message>
    <message>
        <source>the parts could not be joined: %1</source>
        <translation>les parties n’ont pas pu être assemblées&#xa0;: %1</translation>
    </message>
    <message>
        <source>the MP3&apos;s tag could not be written</source>
        <translation>l’étiquette du MP3 n’a pas pu être écrite</translation>
    </message>
    <message>
        <source>the parts could not be joined</source>
        <translation>les parties n’ont pas pu être assemblées</translation>
    </message>
    <message>
        <source>the speech is longer than the 4 GB a WAV file can hold; convert it to MP3, or in parts</source>
        <translation>la parole dépasse les 4 Go que peut contenir un fichier WAV&#xa0;; convertissez-la en MP3, ou en plusieurs parties</translation>
    </message>
    <message>
        <source>sayora-convert: %1 is over the limit: a sentence in it is longer than the limit and cannot be cut</source>
        <translation>sayora-convert: %1 dépasse la limite&#xa0;: une phrase y est plus longue que la limite et ne peut pas être coupée</translation>
    </message>
    <message>
        <source>the subtitles of a part cannot be read</source>
        <translation type="vanished">les sous-titres d’une partie ne peuvent pas être lus</translation>
    </message>
</context>
<context>
    <name>PortalShortcut</name>
    <message>
        <source>no session bus</source>
        <translation>pas de bus de session</translation>
    </message>
    <message>
        <source>the desktop portal offers no global shortcuts (%1)</source>
        <translation>le portail de bureau ne propose pas de raccourcis globaux (%1)</translation>
    </message>
    <message>
        <source>the desktop portal refused a shortcut session (%1)</source>
        <translation>le portail de bureau a refusé une session de raccourcis (%1)</translation>
    </message>
    <message>
        <source>the desktop portal gave no shortcut session</source>
        <translation>le portail de bureau n’a fourni aucune session de raccourcis</translation>
    </message>
    <message>
        <source>the desktop portal refused the shortcut (%1)</source>
        <translation>le portail de bureau a refusé le raccourci (%1)</translation>
    </message>
    <message>
        <source>the shortcut was declined</source>
        <translation>le raccourci n’a pas été accepté</translation>
    </message>
    <message>
        <source>the desktop portal refused the shortcut</source>
        <translation>le portail de bureau a refusé le raccourci</translation>
    </message>
</context>
<context>
    <name>PronunciationRules</name>
    <message>
        <source>no written text</source>
        <translation>pas de texte écrit</translation>
    </message>
    <message>
        <source>a tab or line break inside the rule</source>
        <translation>une tabulation ou un saut de ligne dans la règle</translation>
    </message>
    <message>
        <source>blanks at the start or end of a field</source>
        <translation>des espaces au début ou à la fin d’un champ</translation>
    </message>
    <message>
        <source>a written text starting with &quot;#&quot; reads as a comment (write it as the regular expression &quot;\#...&quot;)</source>
        <translation>un texte écrit commençant par «&#xa0;#&#xa0;» est lu comme un commentaire (écrivez-le comme l’expression régulière «&#xa0;\#...&#xa0;»)</translation>
    </message>
    <message>
        <source>not a valid regular expression (%1 at character %2)</source>
        <translation>expression régulière non valide (%1 au caractère %2)</translation>
    </message>
    <message>
        <source>not a valid regular expression (%1)</source>
        <translation>expression régulière non valide (%1)</translation>
    </message>
    <message>
        <source>the regular expression matches empty text</source>
        <translation>l’expression régulière correspond à un texte vide</translation>
    </message>
    <message>
        <source>the spoken form names group %1, which the expression does not have</source>
        <translation>la forme parlée nomme le groupe %1, que l’expression n’a pas</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>texte non UTF-8</translation>
    </message>
    <message>
        <source>no tab between the written text and the spoken form</source>
        <translation>pas de tabulation entre le texte écrit et la forme parlée</translation>
    </message>
    <message>
        <source>more than three fields (written, spoken, options)</source>
        <translation>plus de trois champs (écrit, parlé, options)</translation>
    </message>
</context>
<context>
    <name>PronunciationWindow</name>
    <message>
        <source>Pronunciation</source>
        <translation>Prononciation</translation>
    </message>
    <message>
        <source>Rule list</source>
        <translation>Liste de règles</translation>
    </message>
    <message>
        <source>All voices</source>
        <translation>Toutes les voix</translation>
    </message>
    <message>
        <source>Voices in %1 (%2)</source>
        <translation>Voix en %1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Rules for:</source>
        <translation>&amp;Règles pour&#xa0;:</translation>
    </message>
    <message>
        <source>Pronunciation rules</source>
        <translation>Règles de prononciation</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Écrit</translation>
    </message>
    <message>
        <source>Spoken</source>
        <translation>Parlé</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Mots entiers</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expression régulière</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Mon&amp;ter</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Text to say</source>
        <translation>Texte à dire</translation>
    </message>
    <message>
        <source>&amp;Try:</source>
        <translation>&amp;Essai&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Say it</source>
        <translation>D&amp;ire</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Add a rule for this word</source>
        <translation>Ajouter une règle pour ce mot</translation>
    </message>
    <message>
        <source>Pronunciation...</source>
        <translation>Prononciation…</translation>
    </message>
    <message>
        <source>Type how &quot;%1&quot; is said, then press Enter.</source>
        <translation>Tapez comment se dit «&#xa0;%1&#xa0;», puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Line %1 of %2 was skipped: %3.</source>
        <translation>La ligne %1 de %2 a été ignorée&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Rule %1 is not in use: %2.</source>
        <translation>La règle %1 n’est pas utilisée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The rules could not be saved in %1: %2.</source>
        <translation>Les règles n’ont pas pu être enregistrées dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Saying: %1</source>
        <translation>Lecture&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SaveTypes</name>
    <message>
        <source>Rich Text File(*.rtf)</source>
        <translation>Fichier texte enrichi (*.rtf)</translation>
    </message>
    <message>
        <source>Text File(*.txt)</source>
        <translation>Fichier texte (*.txt)</translation>
    </message>
    <message>
        <source>MP3 File (*.mp3)</source>
        <translation>Fichier MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>Audiobook, a file per chapter (*)</source>
        <translation>Livre audio, un fichier par chapitre (*)</translation>
    </message>
    <message>
        <source>MP3 with chapter marks (*.mp3)</source>
        <translation>MP3 avec marques de chapitre (*.mp3)</translation>
    </message>
    <message>
        <source>M4B audiobook with chapters (*.m4b)</source>
        <translation>Livre audio M4B avec chapitres (*.m4b)</translation>
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
        <translation>%1 existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SayoraMain</name>
    <message>
        <source>An export is running. Wait until it has finished, or press Esc or click its progress number to cancel it.</source>
        <translation>Une exportation est en cours. Attendez qu’elle soit terminée, ou appuyez sur Échap ou cliquez sur son pourcentage pour l’annuler.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 n’a pas pu être enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>Text box</source>
        <translation>Zone de texte</translation>
    </message>
    <message>
        <source>Change backcolor of text box</source>
        <translation>Changer la couleur de fond de la zone de texte</translation>
    </message>
    <message>
        <source>Change font of text box</source>
        <translation>Changer la police de la zone de texte</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Save as mp3, text file</source>
        <translation>Enregistrer en MP3 ou en fichier texte</translation>
    </message>
    <message>
        <source>Hide text box</source>
        <translation>Masquer la zone de texte</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>set to head</source>
        <translation>revenir au début</translation>
    </message>
    <message>
        <source>How does it work?</source>
        <translation>Comment ça marche&#xa0;?</translation>
    </message>
    <message>
        <source>Click here to check new version</source>
        <translation>Cliquez ici pour chercher une nouvelle version</translation>
    </message>
    <message>
        <source>Not find speech engine</source>
        <translation>Aucun moteur vocal trouvé</translation>
    </message>
    <message>
        <source>Change pronunciation</source>
        <translation>Modifier la prononciation</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>Position dans le texte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not read this text: nothing was spoken.</source>
        <translation>La voix «&#xa0;%1&#xa0;» n’a pas pu lire ce texte&#xa0;: rien n’a été dit.</translation>
    </message>
    <message>
        <source>Choose a voice of the text&apos;s language in the voice list and press Speak.</source>
        <translation>Choisissez une voix de la langue du texte dans la liste des voix et appuyez sur Lire.</translation>
    </message>
    <message>
        <source>Show text box</source>
        <translation>Afficher la zone de texte</translation>
    </message>
    <message>
        <source>Resumed at %1 % where the reading stopped; Ctrl+Home reads from the start.</source>
        <translation>Reprise à %1 %, là où la lecture s’était arrêtée&#xa0;; Ctrl+Début lit depuis le début.</translation>
    </message>
</context>
<context>
    <name>SayoraSelection</name>
    <message>
        <source>Usage: sayora-selection [--clipboard]
Reads the selected text (or with --clipboard the copied text) aloud with sayora.</source>
        <translation>Utilisation&#xa0;: sayora-selection [--clipboard]
Lit à voix haute avec sayora le texte sélectionné (ou, avec --clipboard, le texte copié).</translation>
    </message>
    <message>
        <source>unknown option %1 (try --help)</source>
        <translation>option inconnue %1 (essayez --help)</translation>
    </message>
    <message>
        <source>no X display to read the selection from (DISPLAY is not set)</source>
        <translation type="vanished">pas d’affichage X où lire la sélection (DISPLAY n’est pas défini)</translation>
    </message>
    <message>
        <source>the clipboard holds no text</source>
        <translation>le presse-papiers ne contient pas de texte</translation>
    </message>
    <message>
        <source>nothing is selected</source>
        <translation>rien n’est sélectionné</translation>
    </message>
    <message>
        <source>the reader sayora was not found</source>
        <translation>le lecteur sayora est introuvable</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>impossible de lancer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the reader ended abnormally</source>
        <translation>le lecteur s’est terminé anormalement</translation>
    </message>
    <message>
        <source>cannot read the clipboard: %1</source>
        <translation>impossible de lire le presse-papiers&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot read the selection: %1</source>
        <translation>impossible de lire la sélection&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SelectionKey</name>
    <message>
        <source>Read the selected text aloud</source>
        <translation>Lire à voix haute le texte sélectionné</translation>
    </message>
    <message>
        <source>%1 cannot read the selection from other programs here (%2). Bind sayora-selection to a key in the desktop&apos;s keyboard settings instead.</source>
        <translation>%1 ne peut pas lire ici la sélection des autres programmes (%2). Associez plutôt sayora-selection à une touche dans les paramètres du clavier du bureau.</translation>
    </message>
</context>
<context>
    <name>SoundFileCommit</name>
    <message>
        <source>The MP3 encoder stopped before it had finished.</source>
        <translation>L’encodeur MP3 s’est arrêté avant d’avoir fini.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to: it is a file.</source>
        <translation>Impossible d’écrire dans le dossier %1&#xa0;: c’est un fichier.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>Impossible d’écrire dans le dossier %1.</translation>
    </message>
    <message>
        <source>The speech was not rendered (no sound file).</source>
        <translation>La parole n’a pas été produite (pas de fichier son).</translation>
    </message>
    <message>
        <source>The speech was not rendered completely (the sound file is damaged).</source>
        <translation>La parole n’a pas été produite entièrement (le fichier son est endommagé).</translation>
    </message>
    <message>
        <source>The voice produced no speech for this text.</source>
        <translation>La voix n’a produit aucune parole pour ce texte.</translation>
    </message>
    <message>
        <source>The sound file could not be written: %1.</source>
        <translation>Le fichier son n’a pas pu être écrit&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed.</source>
        <translation>L’encodeur MP3 «&#xa0;lame&#xa0;» n’est pas installé.</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish.</source>
        <translation>L’encodeur MP3 n’a pas terminé.</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started: %1</source>
        <translation>L’encodeur MP3 «&#xa0;lame&#xa0;» n’a pas pu être lancé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1).</source>
        <translation>L’encodeur MP3 a échoué (code de sortie %1).</translation>
    </message>
    <message>
        <source>The MP3 encoder did not write a complete MP3 file.</source>
        <translation>L’encodeur MP3 n’a pas écrit un fichier MP3 complet.</translation>
    </message>
    <message>
        <source>The permissions of %1 could not be set: %2</source>
        <translation type="vanished">Les permissions de %1 n’ont pas pu être réglées&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="vanished">%1 n’a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation type="vanished">%1 n’a pas pu être remplacé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is in place, but the system could not confirm that it reached the disk: %2</source>
        <translation type="vanished">%1 est en place, mais le système n’a pas pu confirmer qu’il a atteint le disque&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SpFileStream</name>
    <message>
        <source>Only creating a file for writing is supported.</source>
        <translation>Seule la création d’un fichier en écriture est prise en charge.</translation>
    </message>
</context>
<context>
    <name>SpeechExport</name>
    <message>
        <source>The sound file could not be created: %1</source>
        <translation>Le fichier son n’a pas pu être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not be started.</source>
        <translation>La voix «&#xa0;%1&#xa0;» n’a pas pu être lancée.</translation>
    </message>
    <message>
        <source>The sound file could not be created.</source>
        <translation>Le fichier son n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The voice did not accept the text.</source>
        <translation>La voix n’a pas accepté le texte.</translation>
    </message>
    <message>
        <source>The espeak-ng voices are not available.</source>
        <translation>Les voix espeak-ng ne sont pas disponibles.</translation>
    </message>
    <message>
        <source>The sound file could not be written: %1</source>
        <translation>Le fichier son n’a pas pu être écrit&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>The speech rendering made no progress for %n seconds.</source>
        <translation>
            <numerusform>La production de la parole n’a pas avancé pendant %n seconde.</numerusform>
            <numerusform>La production de la parole n’a pas avancé pendant %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>The sound could not be encoded: %1</source>
        <translation>Le son n’a pas pu être encodé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>No available information</source>
        <translation>Aucune information disponible</translation>
    </message>
    <message>
        <source>Checking Server&apos;s IP</source>
        <translation>Recherche de l’adresse IP du serveur</translation>
    </message>
    <message>
        <source>Found Server&apos;s IP Successfully</source>
        <translation>Adresse IP du serveur trouvée</translation>
    </message>
    <message>
        <source>Connecting Server</source>
        <translation>Connexion au serveur</translation>
    </message>
    <message>
        <source>Connected Server</source>
        <translation>Connecté au serveur</translation>
    </message>
    <message>
        <source>Requesting Server</source>
        <translation>Envoi de la requête au serveur</translation>
    </message>
    <message>
        <source>Requested Server</source>
        <translation>Requête envoyée au serveur</translation>
    </message>
    <message>
        <source>Waiting Server&apos;s Replay</source>
        <translation>Attente de la réponse du serveur</translation>
    </message>
    <message>
        <source>Received Server&apos; Replay</source>
        <translation>Réponse du serveur reçue</translation>
    </message>
    <message>
        <source>Disconnecting Server</source>
        <translation>Déconnexion du serveur</translation>
    </message>
    <message>
        <source>Disconnected Server</source>
        <translation>Déconnecté du serveur</translation>
    </message>
    <message>
        <source>Unable to Connect to Server</source>
        <translation>Connexion au serveur impossible</translation>
    </message>
    <message>
        <source>Request has been handled</source>
        <translation>La requête a été traitée</translation>
    </message>
    <message>
        <source>Update Online----Sayora</source>
        <translation>Mise à jour en ligne – Sayora</translation>
    </message>
    <message>
        <source>Click&quot;Check&quot; button</source>
        <translation>Cliquez sur «&#xa0;Vérifier&#xa0;»</translation>
    </message>
    <message>
        <source>Current version %1</source>
        <translation>Version actuelle %1</translation>
    </message>
    <message>
        <source>Sayora will be closed when update is running</source>
        <translation>Sayora sera fermé pendant la mise à jour</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Mettre à jour</translation>
    </message>
    <message>
        <source>&amp;Return</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Found new version %1</source>
        <translation>Nouvelle version %1 trouvée</translation>
    </message>
    <message>
        <source>Click&quot;Update&quot; button or</source>
        <translation>Cliquez sur «&#xa0;Mettre à jour&#xa0;» ou</translation>
    </message>
    <message>
        <source>access the following URL to update this software</source>
        <translation>ouvrez l’adresse suivante pour mettre à jour ce logiciel</translation>
    </message>
    <message>
        <source>No new version</source>
        <translation>Pas de nouvelle version</translation>
    </message>
    <message>
        <source>Sorry, an error has occurred on the author&apos;s website, please try after a while</source>
        <translation>Désolé, une erreur s’est produite sur le site de l’auteur, veuillez réessayer plus tard</translation>
    </message>
    <message>
        <source>The installer could not be written: the disk may be full.</source>
        <translation>Le programme d’installation n’a pas pu être écrit&#xa0;: le disque est peut-être plein.</translation>
    </message>
    <message>
        <source>The installer was not downloaded. %1</source>
        <translation>Le programme d’installation n’a pas été téléchargé. %1</translation>
    </message>
    <message>
        <source>The downloaded installer could not be verified, so it was not started. Please try again later.</source>
        <translation>Le programme d’installation téléchargé n’a pas pu être vérifié, il n’a donc pas été lancé. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>The installer could not be started</source>
        <translation>Le programme d’installation n’a pas pu être lancé</translation>
    </message>
    <message>
        <source>The downloaded installer could not be started: %1. It has been deleted.</source>
        <translation>Le programme d’installation téléchargé n’a pas pu être lancé&#xa0;: %1. Il a été supprimé.</translation>
    </message>
</context>
<context>
    <name>WindowExport</name>
    <message>
        <source>Export progress: click or press Esc to cancel the export</source>
        <translation>Progression de l’exportation&#xa0;: cliquez ou appuyez sur Échap pour l’annuler</translation>
    </message>
    <message>
        <source>Time the export has taken</source>
        <translation>Durée écoulée de l’exportation</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Attente</translation>
    </message>
    <message>
        <source>Time the export still needs</source>
        <translation>Durée restante de l’exportation</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>reste %1</translation>
    </message>
    <message>
        <source>The pronunciation rules leave nothing to read aloud.</source>
        <translation>Les règles de prononciation ne laissent rien à lire.</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; is not installed.</source>
        <translation>L’encodeur MP3 «&#xa0;lame&#xa0;» n’est pas installé.</translation>
    </message>
    <message>
        <source>The text is too long for one MP3 export: its speech would need about %1 GB of sound on the way, more than the 4 GB a WAV file can hold. Save it as &quot;Audiobook, a file per chapter&quot;, &quot;MP3 with chapter marks&quot;, &quot;M4B audiobook&quot;, OGG Vorbis, Opus or FLAC, which have no such limit.</source>
        <translation>Le texte est trop long pour une seule exportation MP3&#xa0;: sa parole demanderait en cours de route environ %L1 Go de son, plus que les 4 Go que peut contenir un fichier WAV. Enregistrez-le en «&#xa0;Livre audio, un fichier par chapitre&#xa0;», «&#xa0;MP3 avec marques de chapitre&#xa0;», «&#xa0;Livre audio M4B&#xa0;», OGG Vorbis, Opus ou FLAC, qui n’ont pas cette limite.</translation>
    </message>
    <message>
        <source>The converter &quot;sayora-convert&quot; is not installed.</source>
        <translation>Le convertisseur «&#xa0;sayora-convert&#xa0;» n’est pas installé.</translation>
    </message>
    <message>
        <source>The text could not be handed to the converter: %1</source>
        <translation>Le texte n’a pas pu être transmis au convertisseur&#xa0;: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>Impossible d’écrire dans le dossier %1.</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>%1 n’a pas pu être remplacé.</translation>
    </message>
    <message>
        <source>%1 could not be created.</source>
        <translation>%1 n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The export component &quot;tavo&quot; could not be loaded (error 0x%1).</source>
        <translation>Le composant d’exportation «&#xa0;tavo&#xa0;» n’a pas pu être chargé (erreur 0x%1).</translation>
    </message>
    <message>
        <source>Another Sayora window is exporting with a flite voice. Wait until it has finished, or export with an espeak-ng voice.</source>
        <translation>Une autre fenêtre de Sayora exporte avec une voix flite. Attendez qu’elle ait fini, ou exportez avec une voix espeak-ng.</translation>
    </message>
    <message>
        <source>The registry store %1 cannot be written: the flite voices report the end of their rendering through it.</source>
        <translation>Le registre %1 ne peut pas être écrit&#xa0;: les voix flite y signalent la fin de leur rendu.</translation>
    </message>
    <message>
        <source>%1 could not be exported.

%2

Nothing was written to it.</source>
        <translation>%1 n’a pas pu être exporté.

%2

Rien n’y a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>The registry store %1 stayed locked by another program for %n seconds.</source>
        <translation>
            <numerusform>Le registre %1 est resté verrouillé par un autre programme pendant %n seconde.</numerusform>
            <numerusform>Le registre %1 est resté verrouillé par un autre programme pendant %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The speech rendering made no progress for %n seconds.</source>
        <translation>
            <numerusform>La production de la parole n’a pas avancé pendant %n seconde.</numerusform>
            <numerusform>La production de la parole n’a pas avancé pendant %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The MP3 encoder made no progress for %n seconds.</source>
        <translation>
            <numerusform>L’encodeur MP3 n’a pas avancé pendant %n seconde.</numerusform>
            <numerusform>L’encodeur MP3 n’a pas avancé pendant %n secondes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WordSpeakerInstaller</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d’accès au chemin ou au fichier</translation>
    </message>
</context>
<context>
    <name>X11KeyGrab</name>
    <message>
        <source>no X server</source>
        <translation>pas de serveur X</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one key with its modifiers</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une seule touche avec ses modificateurs</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; cannot be grabbed</source>
        <translation>la touche «&#xa0;%1&#xa0;» ne peut pas être capturée</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is not on this keyboard</source>
        <translation>la touche «&#xa0;%1&#xa0;» n’existe pas sur ce clavier</translation>
    </message>
    <message>
        <source>another program holds the key &quot;%1&quot;</source>
        <translation>un autre programme occupe la touche «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
</TS>
