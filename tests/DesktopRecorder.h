#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Stands in for the desktop's handlers of the schemes while it lives: what the program's real shell calls
// hand to the desktop (QDesktopServices::openUrl) is recorded, and nothing is opened or started.
class DesktopRecorder : public QObject {
    Q_OBJECT

public:
    explicit DesktopRecorder(const QStringList &schemes = {QStringLiteral("file")}) : schemes_(schemes)
    {
        for (const QString &scheme : schemes_)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~DesktopRecorder() override
    {
        for (const QString &scheme : schemes_)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }

private:
    QStringList schemes_;
};
