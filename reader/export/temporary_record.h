#pragma once

#include <QList>
#include <QString>

// The hidden temporaries an export makes beside its target, written down
// where the user's state is kept ($XDG_STATE_HOME/sayora/temporaries), one
// record each: the path, the file's device and inode, and the process that
// made it. A process killed outright cannot remove its temporaries; the
// records are what tells them apart from a user's own files of a similar
// name, which nothing may remove.
namespace TemporaryRecord {

// Writes down that this process has just made the file or folder at path.
// Returns the record's name for forget(); empty when none could be written
// (the temporary is then simply never swept).
QString remember(const QString &path);
// The temporary is gone or has become the output: its record goes too.
void forget(const QString &record);

struct Leftover
{
    QString path;
    QString record;
};
// The recorded temporaries directly inside folder whose process has ended
// and that are still the very file or folder it made. Records of
// temporaries that are gone are dropped on the way.
QList<Leftover> leftoversIn(const QString &folder);

// Where the records are kept.
QString recordFolder();

}  // namespace TemporaryRecord
