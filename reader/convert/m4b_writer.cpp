#include "convert/m4b_writer.h"

#include "shell/program_folder.h"

#include <QCoreApplication>

namespace {

using CreateFunction = M4bWriter *(*)(const QString &, const M4bWriter::Tags &);
using SecondsFunction = bool (*)(const QString &, double *);

struct Loaded
{
    CreateFunction create = nullptr;
    SecondsFunction seconds = nullptr;
    QString error;
};

// Loaded once and kept for the life of the process; thread-safe, as parts
// are encoded on threads of their own.
const Loaded &library()
{
    static const Loaded loaded = [] {
        Loaded result;
        QString why;
        const QList<QFunctionPointer> functions =
            loadProgramLibrary(M4bWriter::libraryName, {"sayora_m4b_writer", "sayora_m4b_seconds"}, &why);
        if (functions.isEmpty()) {
            result.error = QCoreApplication::translate("M4bWriter", "Sayora's M4B writing is missing or damaged (%1)")
                               .arg(why);
        } else {
            result.create = reinterpret_cast<CreateFunction>(functions[0]);
            result.seconds = reinterpret_cast<SecondsFunction>(functions[1]);
        }
        return result;
    }();
    return loaded;
}

// Stands in for the library's writer when it could not be loaded: every
// step fails with the reason.
class MissingM4bWriter final : public M4bWriter
{
public:
    explicit MissingM4bWriter(const QString &why)
        : m_error(why)
    {
    }
    bool isOpen() const override { return false; }
    bool startEncoding(int, int) override { return false; }
    bool write(const qint16 *, qsizetype) override { return false; }
    bool appendPart(const QString &, double *) override { return false; }
    void setChapters(const QList<Chapter> &) override {}
    bool finish() override { return false; }
    double seconds() const override { return 0; }
    QString errorString() const override { return m_error; }

private:
    QString m_error;
};

}  // namespace

std::unique_ptr<M4bWriter> M4bWriter::create(const QString &path, const Tags &tags)
{
    const Loaded &m4b = library();
    if (!m4b.create)
        return std::make_unique<MissingM4bWriter>(m4b.error);
    return std::unique_ptr<M4bWriter>(m4b.create(path, tags));
}

void M4bWriter::load()
{
    library();
}

bool M4bWriter::fileSeconds(const QString &path, double *seconds)
{
    const Loaded &m4b = library();
    return m4b.seconds && m4b.seconds(path, seconds);
}
