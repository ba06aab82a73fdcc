#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The one way a file is replaced: whoever reads it, while it is written or
// after a crash or a power cut, finds the old file whole or the new one
// whole, never a mixture and never a short one.
//
//   AtomicFile file(target);
//   file.open() → write() … → commit()
//
// open() makes a hidden temporary file beside the file replaced (the same
// folder, so that the final rename is one step on one file system); write()
// appends to it, unbuffered, so that a full disk is seen by the write that
// meets it; commit() flushes it to the disk, gives it the old file's
// permissions (a new file's where there is none), renames it over the target
// and flushes the folder, so that the new name lasts too.
//
// A target that is a symbolic link is written through: the file it names is
// replaced (made if missing) and the link stays a link.
//
// Every failure (making the temporary, a write, the disk filling up, a flush,
// the rename) makes the call return false, with errorString() saying what
// failed and reason() what the system said, and removes the temporary file. The old file is
// untouched until the rename. Only the last step, flushing the folder, fails
// after the new file is in place: commit() is false then too, and replaced()
// tells the two apart. Destroying an AtomicFile that was not committed
// cancels it.
//
// Two writers replacing one file at once write two temporaries; the later
// rename wins, whole. A writer that merges what another wrote (read, change,
// write back) holds a lock around all three itself.
//
// QSaveFile is not used underneath: its commit() ignores a failed flush of
// its buffer (a full disk would leave a short file in place), it does not
// flush the folder, and it cannot commit a file another program wrote.
//
// Not thread-safe: one object, one thread. Objects on different threads
// may replace the same file.
class AtomicFile
{
    Q_DECLARE_TR_FUNCTIONS(AtomicFile)
public:
    explicit AtomicFile(const QString &target);
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // Whether commit() flushes the new file and its folder to the disk (the
    // default). A file worthless after a crash (a converter's part) skips it.
    void setDurable(bool durable) { m_durable = durable; }

    // Makes the temporary file. False with a reason when the folder cannot
    // take it (missing, not a folder, read-only, full).
    bool open();
    // Takes a finished file that another writer (an encoder) made beside the
    // target, as temporaryBeside() makes one, in place of open() and write():
    // commit() puts it in the target's place; cancel() removes it.
    void adopt(const QString &finished);
    // Appends bytes to the temporary file. False with a reason when not all
    // of them were written; the temporary is removed then, and later calls
    // fail.
    bool write(const QByteArray &bytes);
    // Puts the new file in the target's place; see above.
    bool commit();
    // Removes the temporary file; the target stays as it was.
    void cancel();

    // What failed, in a sentence for the user that names the target as it
    // was given: "book.txt could not be written: No space left on device".
    QString errorString() const { return m_error; }
    // What the system said alone ("No space left on device"), for a message
    // that names the file in its own words.
    QString reason() const { return m_reason; }
    // After commit(): whether the new file is in the target's place, even if
    // the system could not confirm that its name reached the disk.
    bool replaced() const { return m_replaced; }
    // The file replaced: the target, or the file a symbolic link names.
    QString fileName() const { return m_file; }

    // Opens, writes and commits in one call. False with reason() in *reason
    // (when given) on any failure.
    static bool write(const QString &target, const QByteArray &bytes, QString *reason = nullptr);

    // The file a name stands for: a symbolic link (a chain of them) is
    // followed to the file it names, which need not exist yet.
    static QString followLinks(const QString &name);
    // Makes an empty hidden file with a unique name beside file, ending in
    // suffix, for another writer to fill; empty on failure. File's name is
    // shortened as far as needed for the temporary's to be as legal.
    static QString temporaryBeside(const QString &file, const QString &suffix = QString());

private:
    // Fails with a sentence whose %1 is the target and %2 the reason.
    bool fail(const QString &sentence, const QString &reason);
    bool givePermissions();
    void removeTemporary();

    QString m_target;  // as given, for messages
    QString m_file;    // the file replaced
    QString m_temporary;
    QString m_error;
    QString m_reason;
    int m_fd = -1;     // the temporary, while this object writes it
    bool m_durable = true;
    bool m_failed = false;
    bool m_replaced = false;
};
