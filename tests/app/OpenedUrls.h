#pragma once
// Stands in for the desktop's default handlers of the given address schemes while it lives, and
// keeps the addresses handed to them, in order.

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

class OpenedUrls : public QObject {
    Q_OBJECT

public:
    explicit OpenedUrls(const QStringList& schemes);
    ~OpenedUrls() override;
    OpenedUrls(const OpenedUrls&) = delete;
    OpenedUrls& operator=(const OpenedUrls&) = delete;

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url);

private:
    QStringList schemes;
};
