#pragma once

#include <QObject>
#include <QUrl>

#include <vector>

// Stands in for the desktop's default handler of file addresses.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};
