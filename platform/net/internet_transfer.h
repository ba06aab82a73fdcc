#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

// One HTTP transfer at a time over Qt Network, with the state numbers of the
// Internet transfer component the update window was designed around.
//
// Lives on the GUI thread; nothing blocks. OpenURL() and Execute() return at
// once, StateChanged() reports each state as it happens, in this order:
//   1 resolving host        when the request starts
//   2 host resolved, 3 connecting      when the socket starts connecting
//   4 connected, 5 requesting, 6 request sent   when the request is written
//   7 receiving response    when the response headers arrive
//   8 response received, 9 disconnecting, 10 disconnected   at the end of the
//                           body (the connection is closed, not pooled)
//   12 response completed   then the body is ready
//   11 error                instead, when the server cannot be reached, the
//                           connection breaks or nothing is heard for the
//                           time-out; nothing follows an 11.
// An HTTP error status is not an error: its page is the body, as with any
// other answer. OpenURL() holds its (small) body in memory; Execute() hands
// the body on as it arrives (dataArrived(), GetChunk()): a reader that takes
// it then holds none of it, so a large or endless answer costs no memory.
//
// Plain http is refused except for this computer's own loopback addresses;
// a redirect is followed only to https, or over http on the same loopback
// host. A body larger than the limit is refused: at once when its
// Content-Length says so, else when that many bytes have arrived.
class InternetTransfer : public QObject
{
    Q_OBJECT
public:
    enum State {
        icNone = 0,
        icResolvingHost = 1,
        icHostResolved = 2,
        icConnecting = 3,
        icConnected = 4,
        icRequesting = 5,
        icRequestSent = 6,
        icReceivingResponse = 7,
        icResponseReceived = 8,
        icDisconnecting = 9,
        icDisconnected = 10,
        icError = 11,
        icResponseCompleted = 12,
    };

    explicit InternetTransfer(QObject *parent = nullptr);
    ~InternetTransfer() override;

    // How long the server may stay silent (no connection progress, no byte)
    // before the transfer ends as an error. 30 seconds unless set.
    void setTimeout(std::chrono::milliseconds silence);
    // The largest body OpenURL() accepts; a bigger answer is an error.
    void setOpenUrlLimit(qint64 bytes) { m_openUrlLimit = bytes; }
    // The largest body Execute() accepts; a bigger answer is an error.
    void setExecuteLimit(qint64 bytes) { m_executeLimit = bytes; }

    // Why url may not be fetched: empty when it may. Only https, and plain
    // http to a loopback host (127.0.0.0/8, ::1, localhost).
    static QString urlRefusal(const QUrl &url);
    // Why a redirect from one address to another is not followed: empty
    // when it may be. Never to a less safe scheme, never over plain http
    // to another host.
    static QString redirectRefusal(const QUrl &from, const QUrl &to);

    // Fetches the whole body of url; urlOpened() brings it (after state 12)
    // or reports the failure (after state 11). False while another request
    // runs or when the address is refused.
    bool OpenURL(const QUrl &url);
    // Starts a request and returns; the body can be read with GetChunk() as
    // it arrives (dataArrived()) and after state 12 until it is exhausted.
    // False while another request runs or when the address is refused.
    bool Execute(const QUrl &url, const QByteArray &operation = QByteArrayLiteral("GET"));
    bool StillExecuting() const;
    // Drops the running request without raising anything further.
    void Cancel();

    // A header of the last response, empty when it is absent.
    QString GetHeader(const QByteArray &name) const;
    // The next part of the last response's body, at most size bytes; empty
    // when nothing more has arrived or the body is exhausted.
    QByteArray GetChunk(qint64 size);
    // How much of the body has arrived and not been read yet.
    qint64 bytesAvailable() const;

    // Why the last request failed.
    QString errorString() const { return m_errorString; }
    // The last request failed because this side refused the answer (too
    // large, an unsafe redirect or address), not because of the network.
    bool refused() const { return m_refused; }

signals:
    void StateChanged(int state);
    void urlOpened(bool ok, const QByteArray &body);
    // More of an Execute() body can be read.
    void dataArrived();

private:
    bool start(const QUrl &url, const QByteArray &operation, bool wholeBody);
    void advanceTo(int state);
    void touch();
    void finished();
    void fail(const QString &why);
    void refuse(const QString &why);

    QNetworkAccessManager *m_manager = nullptr;
    QPointer<QNetworkReply> m_reply;
    QTimer m_silence;
    bool m_running = false;
    bool m_wholeBody = false;
    int m_lastState = icNone;
    QString m_abortReason;
    qint64 m_openUrlLimit = 1 << 20;
    qint64 m_executeLimit = qint64(256) << 20;
    QString m_errorString;
    bool m_refused = false;
};
