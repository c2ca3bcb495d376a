#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop in tests: registered with
// QDesktopServices::setUrlHandler, it records what would have been opened
// (folders, web pages) instead of starting a file manager or a browser.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};
