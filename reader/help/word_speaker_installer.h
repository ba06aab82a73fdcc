#pragma once

#include <QString>

// Installing the Word speaker: "Speak.dot" from the program folder is copied
// into the "Startup" folder of the Word that the registry store names, where
// Word loads it at start. No widgets: the help window shows the outcome.
struct SpeakerInstall
{
    enum Result {
        Installed,     // copied
        WordNotFound,  // no Word application path key
        PathNotRead,   // the key has no usable "Path" string
        CopyFailed,    // errorNumber says why
    };
    // Error numbers of the copy, as the messages name them.
    static constexpr int FileNotFound = 53;      // the template is missing
    static constexpr int PermissionDenied = 70;  // the destination may not be replaced
    static constexpr int FileAccessError = 75;   // any other failure to write
    static constexpr int PathNotFound = 76;      // no "Startup" folder

    Result result = CopyFailed;
    QString source;
    QString destination;
    int errorNumber = 0;
    QString errorDescription;
};

// Reads Word's folder from the registry store and copies the template.
SpeakerInstall installWordSpeaker();

// Word's folder from the "Path" value: up to a terminating zero, without a
// leading double quote and then without a trailing one.
QString wordFolderFromPath(QString value);
// Whether Word's folder can take the template: an absolute folder below the
// top of the file system. Empty, "/", "\" and relative folders cannot.
bool usableWordFolder(const QString &wordFolder);
// Where the template goes in that folder. A folder ending in a backslash
// (as Windows writes it) or a slash already ends with its separator.
QString startupTemplate(const QString &wordFolder);

// Copies source over destination, replacing it atomically. Returns 0, or the
// error number with its description.
int copyTemplate(const QString &source, const QString &destination, QString *description);
