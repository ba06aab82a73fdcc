#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

// The downloaded installer, "tempsetup.exe" in the user's folder, held by
// descriptor from its creation to its start so that nothing can be put in
// its place between the checksum and the start:
// - the folder must belong to the user and be writable by nobody else, so
//   no one else can rename, replace or link entries in it;
// - the file is created new (never through an existing name or link),
//   executable for the user alone;
// - the bytes are hashed as they are written through the descriptor, and
//   the program started is that very file, by descriptor (fexecve).
class InstallerFile
{
public:
    InstallerFile() = default;
    ~InstallerFile();
    InstallerFile(const InstallerFile &) = delete;
    InstallerFile &operator=(const InstallerFile &) = delete;

    // Removes any earlier file of that name and creates it anew. False with
    // a message for the user when the folder is not safe or the file cannot
    // be created.
    bool create(const QString &folder, const QString &name, QString *why);
    bool isOpen() const { return m_write >= 0; }
    // Appends bytes; false on a write error.
    bool append(const QByteArray &bytes);
    qint64 size() const { return m_written; }
    // SHA-256 of everything appended.
    QByteArray sha256() const { return m_hash.result(); }

    // Starts the file as a program of its own, detached from this one, in
    // the folder. False with the reason when it could not be started (not a
    // program, no interpreter, ...); the file stays until remove().
    bool start(QString *why);
    // Closes the file and deletes it, if the name still is this file.
    void remove();
    // Closes the file and leaves it where it is.
    void close();

    // Deletes a leftover installer of that name, if there is one.
    static void removeLeftover(const QString &folder, const QString &name);

private:
    int m_folder = -1;
    int m_write = -1;
    int m_read = -1;
    QByteArray m_name;
    qint64 m_written = 0;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
};
