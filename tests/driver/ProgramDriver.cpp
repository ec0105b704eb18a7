// Inside a started copy of the program, does what a test asks for on a local socket as a user would:
// keys and typing into the widget with the focus, a look at the message boxes on screen, a click on one
// of their buttons. Loaded by Qt as a generic plugin (QT_QPA_GENERIC_PLUGINS=vellicordriver:<socket>);
// the program knows nothing of it. One request a line, one answer a line, both JSON objects.
#include <QAbstractButton>
#include <QApplication>
#include <QGenericPlugin>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeySequence>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QWidget *FocusTarget()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    // A closed message box leaves no window active where no window manager gives the main window back
    // its focus: the user clicks it back to the front.
    if (!QApplication::activeWindow())
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible() && qobject_cast<QMainWindow *>(window)) {
                QApplication::setActiveWindow(window);
                break;
            }
    if (QWidget *focus = QApplication::focusWidget())
        return focus;
    return QApplication::activeWindow();
}

QList<QMessageBox *> ShownBoxes()
{
    QList<QMessageBox *> boxes;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible())
            boxes.append(box);
    return boxes;
}

class Driver : public QObject {
public:
    explicit Driver(const QString &socket)
    {
        QLocalServer::removeServer(socket);
        server_.listen(socket);
        connect(&server_, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *client = server_.nextPendingConnection())
                connect(client, &QLocalSocket::readyRead, this, [this, client] { Serve(client); });
        });
    }

private:
    // Answers at once; what the request does is done right after, from the event loop, so that a modal
    // box it opens does not hold the answer back and the next request is served inside the box's loop.
    void Serve(QLocalSocket *client)
    {
        while (client->canReadLine()) {
            std::function<void()> action;
            const QJsonObject answer = Answer(QJsonDocument::fromJson(client->readLine()).object(), action);
            client->write(QJsonDocument(answer).toJson(QJsonDocument::Compact) + '\n');
            client->flush();
            if (action)
                QTimer::singleShot(0, this, action);
        }
    }

    static QJsonObject Answer(const QJsonObject &request, std::function<void()> &action)
    {
        const QString what = request.value(u"do").toString();
        if (what == u"key" || what == u"type") {
            QPointer<QWidget> target = FocusTarget();
            if (!target)
                return {{"error", "no window has the focus"}};
            if (what == u"type") {
                const QString text = request.value(u"text").toString();
                action = [target, text] {
                    if (target)
                        QTest::keyClicks(target, text);
                };
            } else {
                const QKeyCombination key = QKeySequence::fromString(request.value(u"key").toString())[0];
                action = [target, key] {
                    if (target)
                        QTest::keyClick(target, key.key(), key.keyboardModifiers());
                };
            }
            return {{"target", QString::fromLatin1(target->metaObject()->className())}};
        }
        if (what == u"boxes") {
            QJsonArray boxes;
            for (QMessageBox *box : ShownBoxes()) {
                QJsonArray buttons;
                for (QAbstractButton *button : box->buttons())
                    buttons.append(button->text());
                boxes.append(QJsonObject{{"title", box->windowTitle()}, {"text", box->text()}, {"buttons", buttons}});
            }
            return {{"boxes", boxes}};
        }
        if (what == u"click") {
            const QString text = request.value(u"button").toString();
            for (QMessageBox *box : ShownBoxes())
                for (QAbstractButton *button : box->buttons())
                    if (button->text() == text) {
                        QPointer<QAbstractButton> pressed = button;
                        action = [pressed] {
                            if (pressed)
                                pressed->click();
                        };
                        return {{"clicked", text}};
                    }
            return {{"error", "no message box shows the button " + text}};
        }
        return {{"error", "unknown request " + what}};
    }

    QLocalServer server_;
};

} // namespace

class ProgramDriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "ProgramDriver.json")

public:
    QObject *create(const QString &key, const QString &socketName) override
    {
        return key.compare(u"vellicordriver", Qt::CaseInsensitive) == 0 ? new Driver(socketName) : nullptr;
    }
};

#include "ProgramDriver.moc"
