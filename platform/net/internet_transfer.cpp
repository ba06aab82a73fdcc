#include "net/internet_transfer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

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
        m_abortReason = tr("The server did not answer for %1 seconds.").arg(m_silence.interval() / 1000.0);
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
    m_running = true;
    m_wholeBody = wholeBody;
    m_lastState = icNone;
    m_abortReason.clear();
    m_errorString.clear();

    QNetworkRequest request(url);
    // One connection per request, closed at the end: the component reported
    // disconnecting and disconnected after every answer, and a pooled
    // connection would hide a server that went away.
    request.setRawHeader(QByteArrayLiteral("Connection"), QByteArrayLiteral("close"));
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);

    QNetworkReply *reply = m_manager->sendCustomRequest(request, operation);
    m_reply = reply;
    connect(reply, &QNetworkReply::socketStartedConnecting, this, [this] { touch(); advanceTo(icConnecting); });
    connect(reply, &QNetworkReply::requestSent, this, [this] { touch(); advanceTo(icRequestSent); });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this] { touch(); advanceTo(icReceivingResponse); });
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        touch();
        if (m_wholeBody && received > m_openUrlLimit && m_reply) {
            m_abortReason = tr("The answer is larger than %1 bytes.").arg(m_openUrlLimit);
            m_reply->abort();
        }
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
    if (!m_reply || m_running || size <= 0)
        return QByteArray();
    return m_reply->read(size);
}
