#include "net/internet_transfer.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <memory>

namespace {

bool isLoopbackHost(const QString &host)
{
    QString name = host.toLower();
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    if (name == QLatin1String("localhost"))
        return true;
    const QHostAddress address(name);
    return !address.isNull() && address.isLoopback();
}

QString describe(qint64 bytes)
{
    if (bytes >= (qint64(1) << 20) && bytes % (qint64(1) << 20) == 0)
        return InternetTransfer::tr("%1 MiB").arg(bytes >> 20);
    return InternetTransfer::tr("%n bytes", nullptr, int(bytes));
}

// An HTTP status answer (404, 500 ...) still brought a body: it is treated as
// the answer, like any other page.
bool isStatusAnswer(QNetworkReply *reply)
{
    if (!reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return false;
    const int error = reply->error();
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

}  // namespace

InternetTransfer::InternetTransfer(QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{
    m_silence.setSingleShot(true);
    m_silence.setInterval(std::chrono::seconds(30));
    connect(&m_silence, &QTimer::timeout, this, [this] {
        m_abortReason = tr("The server did not answer for %n seconds.", nullptr, int(m_silence.interval() / 1000));
        if (m_reply)
            m_reply->abort();
    });
}

InternetTransfer::~InternetTransfer()
{
    Cancel();
}

void InternetTransfer::setTimeout(std::chrono::milliseconds silence)
{
    m_silence.setInterval(silence);
}

QString InternetTransfer::urlRefusal(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return tr("\"%1\" is not a server address.").arg(url.toString());
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return QString();
    if (scheme == QLatin1String("http") && isLoopbackHost(url.host()))
        return QString();
    if (scheme == QLatin1String("http"))
        return tr("\"%1\" uses plain http, which anyone on the way can change; only https is accepted "
                  "(plain http only on this computer's own loopback address).").arg(url.toString());
    return tr("\"%1\" is neither an https nor a loopback http address.").arg(url.toString());
}

QString InternetTransfer::redirectRefusal(const QUrl &from, const QUrl &to)
{
    const QString why = urlRefusal(to);
    if (!why.isEmpty())
        return tr("The server redirected to an address that is not accepted: %1").arg(why);
    const bool fromHttps = from.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
    const bool toHttps = to.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
    if (fromHttps && !toHttps)
        return tr("The server redirected from https to plain http (\"%1\"); that is not followed.").arg(to.toString());
    if (!toHttps && from.host().compare(to.host(), Qt::CaseInsensitive) != 0)
        return tr("The server redirected over plain http to another host (\"%1\"); that is not followed.").arg(to.toString());
    return QString();
}

bool InternetTransfer::OpenURL(const QUrl &url)
{
    return start(url, QByteArrayLiteral("GET"), true);
}

bool InternetTransfer::Execute(const QUrl &url, const QByteArray &operation)
{
    return start(url, operation, false);
}

bool InternetTransfer::StillExecuting() const
{
    return m_running;
}

void InternetTransfer::Cancel()
{
    m_silence.stop();
    m_running = false;
    if (m_reply) {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

bool InternetTransfer::start(const QUrl &url, const QByteArray &operation, bool wholeBody)
{
    if (m_running)
        return false;
    Cancel();
    m_abortReason.clear();
    m_errorString = urlRefusal(url);
    m_refused = !m_errorString.isEmpty();
    if (m_refused)
        return false;
    m_running = true;
    m_wholeBody = wholeBody;
    m_lastState = icNone;

    QNetworkRequest request(url);
    // One connection per request, closed at the end: the component reported
    // disconnecting and disconnected after every answer, and a pooled
    // connection would hide a server that went away.
    request.setRawHeader(QByteArrayLiteral("Connection"), QByteArrayLiteral("close"));
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // Each redirect is looked at before it is followed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);

    QNetworkReply *reply = m_manager->sendCustomRequest(request, operation);
    m_reply = reply;
    const qint64 limit = wholeBody ? m_openUrlLimit : m_executeLimit;
    connect(reply, &QNetworkReply::socketStartedConnecting, this, [this] { touch(); advanceTo(icConnecting); });
    connect(reply, &QNetworkReply::requestSent, this, [this] { touch(); advanceTo(icRequestSent); });
    // The address the answer comes from, followed through the redirects.
    auto current = std::make_shared<QUrl>(url);
    connect(reply, &QNetworkReply::redirected, this, [this, reply, current](const QUrl &target) {
        const QUrl next = current->resolved(target);
        const QString why = redirectRefusal(*current, next);
        if (!why.isEmpty())
            return refuse(why);
        *current = next;
        emit reply->redirectAllowed();
    });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply, limit] {
        touch();
        // A body announced larger than the limit is refused before any of it
        // is read. A redirect's own length says nothing about the answer.
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (length.isValid() && length.toLongLong() > limit && !(status >= 300 && status < 400))
            return refuse(tr("The answer is larger than %1.").arg(describe(limit)));
        advanceTo(icReceivingResponse);
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [this, limit](qint64 received, qint64) {
        touch();
        if (received > limit)
            refuse(tr("The answer is larger than %1.").arg(describe(limit)));
    });
    // The reader takes each part as it arrives, so the reply holds only what
    // came in since the last turn of the event loop. (A read buffer limit
    // would bound it further, but Qt 6.4 then stalls the download for good
    // after a few megabytes.)
    if (!wholeBody)
        connect(reply, &QNetworkReply::readyRead, this, [this] {
            if (m_running && m_abortReason.isEmpty())
                emit dataArrived();
        });
    connect(reply, &QNetworkReply::finished, this, &InternetTransfer::finished);
    m_silence.start();
    advanceTo(icResolvingHost);
    return true;
}

void InternetTransfer::advanceTo(int state)
{
    // Every state up to this one has happened, even those Qt does not
    // report one by one (connected and requesting come with request sent).
    QPointer<InternetTransfer> self(this);
    while (self && m_running && m_lastState < state) {
        ++m_lastState;
        emit StateChanged(m_lastState);
    }
}

void InternetTransfer::touch()
{
    if (m_running)
        m_silence.start();
}

void InternetTransfer::finished()
{
    QNetworkReply *reply = m_reply;
    if (!reply || sender() != reply)
        return;
    m_silence.stop();
    if (!m_abortReason.isEmpty())
        return fail(m_abortReason);
    if (reply->error() != QNetworkReply::NoError && !isStatusAnswer(reply))
        return fail(reply->errorString());

    QPointer<InternetTransfer> self(this);
    const QByteArray body = m_wholeBody ? reply->readAll() : QByteArray();
    advanceTo(icDisconnected);
    if (!self || !m_running)
        return;
    m_running = false;
    emit StateChanged(icResponseCompleted);
    if (self && m_wholeBody)
        emit urlOpened(true, body);
}

void InternetTransfer::refuse(const QString &why)
{
    if (!m_reply || !m_abortReason.isEmpty())
        return;
    m_refused = true;
    m_abortReason = why;
    m_reply->abort();
}

void InternetTransfer::fail(const QString &why)
{
    m_errorString = why;
    m_running = false;
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    QPointer<InternetTransfer> self(this);
    emit StateChanged(icError);
    if (self && m_wholeBody)
        emit urlOpened(false, QByteArray());
}

QString InternetTransfer::GetHeader(const QByteArray &name) const
{
    if (!m_reply)
        return QString();
    return QString::fromLatin1(m_reply->rawHeader(name));
}

QByteArray InternetTransfer::GetChunk(qint64 size)
{
    if (!m_reply || size <= 0 || (m_running && m_wholeBody))
        return QByteArray();
    return m_reply->read(size);
}

qint64 InternetTransfer::bytesAvailable() const
{
    return m_reply && !(m_running && m_wholeBody) ? m_reply->bytesAvailable() : 0;
}
