#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Receives the pages and links a window hands to the desktop, once set as
// their scheme's handler with QDesktopServices::setUrlHandler(scheme, this, "open").
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};
