#pragma once

#include <QString>
#include <QStringList>

// The types the Save button offers, what each writes and the rules for the
// name typed (the dialog itself: documents/file_dialogs.h).
namespace SaveTypes {

// The dialog's filter index. After the MP3 export, the types a listener of
// books wants, made by the converter's pipeline and of any length.
enum Type {
    RichText = 1,
    Text = 2,
    Mp3 = 3,
    ChapterFiles = 4,  // a folder: "01 Title.mp3", … and a playlist
    MarkedMp3 = 5,     // one MP3 with ID3 chapter marks
    M4b = 6,           // AAC in MP4, with chapters
    Ogg = 7,
    Opus = 8,
    Flac = 9,
};

// "Rich Text File(*.rtf)", "Text File(*.txt)", "MP3 File (*.mp3)", then
// the audiobook types and OGG Vorbis, Opus and FLAC.
const QStringList &filters();
// What SaveExt keeps for a type, which names the filter the next Save
// starts on: the extension, except for the folder of chapters and the MP3
// with chapter marks.
QString saveExtFor(Type type);
// The name a save of this type writes: the extension appended as
// withExtension() does; a folder of chapters takes the name as it is.
QString targetFor(const QString &name, Type type);
// The filter index the dialog starts on for the type last saved.
int initialFilter(const QString &saveExt);

// NULs and surrounding blanks removed.
QString cleanName(const QString &name);
// The folder of a name, ending in a separator; empty without one.
QString saveDirFor(const QString &name);
// The name, with extension appended unless it already ends in exactly
// that (case-sensitive: "A.MP3" becomes "A.MP3.mp3").
QString withExtension(const QString &name, const QString &extension);
// The question asked before an existing file is replaced.
QString overwriteQuestion(const QString &target);

} // namespace SaveTypes
