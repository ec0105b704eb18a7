#pragma once

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QProcessEnvironment>
#include <QStringList>
#include <QThread>

#include <optional>

// A user's hands on a started copy of the program: the copy is started with the test driver inside it
// (tests/driver), which serves `socket`, and a test sends it keys and text for the widget with the focus,
// looks at the message boxes on screen and clicks their buttons. A copy that does not answer within the
// time given is hanging: every call then fails.
class ProgramDriver {
public:
    struct Box {
        QString title;
        QString text;
        QStringList buttons;
    };

    explicit ProgramDriver(QString socket) : socket_(std::move(socket)) {}

    // What the copy's environment needs for the driver to be loaded into it.
    void AddTo(QProcessEnvironment &environment) const
    {
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(VELLICOR_BUILD_DIR "/tests/plugins"));
        environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("vellicordriver:") + socket_);
    }

    // Presses the key combination (as QKeySequence writes it: "F12", "Ctrl+S") in the widget with the focus;
    // the class of that widget, or nothing when the copy did not answer.
    std::optional<QString> Key(const QString &key, int timeoutMs = 10000)
    {
        return Target(Ask({{"do", "key"}, {"key", key}}, timeoutMs));
    }

    // Types `text` into the widget with the focus; that widget's class, as for Key.
    std::optional<QString> Type(const QString &text, int timeoutMs = 10000)
    {
        return Target(Ask({{"do", "type"}, {"text", text}}, timeoutMs));
    }

    // The message boxes shown now; nothing when the copy did not answer.
    std::optional<QList<Box>> Boxes(int timeoutMs = 10000)
    {
        const std::optional<QJsonObject> answer = Ask({{"do", "boxes"}}, timeoutMs);
        if (!answer)
            return std::nullopt;
        QList<Box> boxes;
        for (const QJsonValue &value : answer->value(u"boxes").toArray()) {
            const QJsonObject box = value.toObject();
            QStringList buttons;
            for (const QJsonValue &button : box.value(u"buttons").toArray())
                buttons.append(button.toString());
            boxes.append({box.value(u"title").toString(), box.value(u"text").toString(), buttons});
        }
        return boxes;
    }

    // The message boxes once at least one is shown, asking again until `timeoutMs` have passed; empty when
    // none came or the copy stopped answering.
    QList<Box> WaitForBoxes(int timeoutMs)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (true) {
            const std::optional<QList<Box>> boxes = Boxes(int(qMax<qint64>(1, deadline.remainingTime())));
            if (!boxes || !boxes->isEmpty() || deadline.hasExpired())
                return boxes.value_or(QList<Box>());
            QThread::msleep(50);
        }
    }

    // Clicks the button of a shown message box that reads `text`.
    bool Click(const QString &text, int timeoutMs = 10000)
    {
        const std::optional<QJsonObject> answer = Ask({{"do", "click"}, {"button", text}}, timeoutMs);
        return answer && answer->contains(u"clicked");
    }

    // Why the last call failed.
    QString problem;

private:
    std::optional<QString> Target(const std::optional<QJsonObject> &answer)
    {
        if (!answer || !answer->contains(u"target"))
            return std::nullopt;
        return answer->value(u"target").toString();
    }

    std::optional<QJsonObject> Ask(const QJsonObject &request, int timeoutMs)
    {
        // A late answer would be taken for the next request's: a copy lost once stays lost.
        if (lost_)
            return std::nullopt;
        const QDeadlineTimer deadline(timeoutMs);
        while (connection_.state() != QLocalSocket::ConnectedState) {
            connection_.connectToServer(socket_);
            if (connection_.waitForConnected(int(qMax<qint64>(1, deadline.remainingTime()))))
                break;
            if (deadline.hasExpired()) {
                problem = QStringLiteral("the copy took no connection from its driver");
                return std::nullopt;
            }
            QThread::msleep(50);
        }
        connection_.write(QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
        connection_.flush();
        while (!connection_.canReadLine()) {
            if (deadline.hasExpired() ||
                !connection_.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())))) {
                problem = connection_.state() == QLocalSocket::ConnectedState
                              ? QStringLiteral("the copy did not answer within %1 s").arg(timeoutMs / 1000.0)
                              : QStringLiteral("the copy dropped the connection: it has ended");
                lost_ = true;
                return std::nullopt;
            }
        }
        const QJsonObject answer = QJsonDocument::fromJson(connection_.readLine()).object();
        problem = answer.value(u"error").toString();
        if (!problem.isEmpty())
            return std::nullopt;
        return answer;
    }

    QString socket_;
    QLocalSocket connection_;
    bool lost_ = false;
};
