#include "platform/windows/WindowTable.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include <map>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/types.h>
#include <unistd.h>

namespace platform::windows {
namespace {

// Handles carry their process: the process number times 256 plus the window's number in that process.
constexpr int WindowsPerProcess = 256;
constexpr int ConnectTimeoutMs = 3000;
constexpr int MessageTimeoutMs = 120000;
// A starting copy that keeps its turn longer is taken to hang; the others go on without it.
constexpr int StartTurnTimeoutMs = 30000;

qint64 ProcessOf(Handle handle)
{
    return handle / WindowsPerProcess;
}

bool ProcessAlive(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

// The display this copy shows its windows on: the Wayland socket, else the X display without its screen
// number (the screens of one X display are one desktop); empty without either.
QString DisplayName()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) {
        display = qEnvironmentVariable("DISPLAY");
        static const QRegularExpression screen(QStringLiteral("(:\\d+)\\.\\d+$"));
        display.replace(screen, QStringLiteral("\\1"));
    }
    // A Wayland socket may be given by its full path; "/" cannot stand in a file name.
    return display.replace(u'%', QStringLiteral("%25")).replace(u'/', QStringLiteral("%2F"));
}

QString ListFile(qint64 pid)
{
    return TableFolder() + QStringLiteral("/%1.windows").arg(pid);
}

QString SocketFile(qint64 pid)
{
    return TableFolder() + QStringLiteral("/%1.sock").arg(pid);
}

// A copy runs when its socket takes a connection. A list whose copy ended without unlisting may name a
// process id that another process has been given since.
bool Answers(qint64 pid)
{
    QLocalSocket socket;
    socket.connectToServer(SocketFile(pid));
    return socket.waitForConnected(ConnectTimeoutMs);
}

struct OwnWindow {
    QObject *object = nullptr; // the widget, kept to recognise it as it is destroyed
    QPointer<QWidget> widget;
    QString fixedTitle;
    MessageHandler handler;
    QString title() const { return widget ? widget->windowTitle() : fixedTitle; }
};

// This copy's side: its windows, its list file and the server that answers for them.
class OwnTable : public QObject {
public:
    static OwnTable &Instance()
    {
        static OwnTable *table = new OwnTable(QCoreApplication::instance());
        return *table;
    }

    Handle add(OwnWindow window)
    {
        startServer();
        const Handle handle = Handle(QCoreApplication::applicationPid() * WindowsPerProcess + nextNumber_++);
        if (window.widget) {
            window.object = window.widget;
            window.widget->installEventFilter(this);
            connect(window.widget, &QObject::destroyed, this, &OwnTable::forget);
        }
        windows_[handle] = std::move(window);
        writeList();
        return handle;
    }

    void remove(Handle handle)
    {
        windows_.erase(handle);
        writeList();
    }

    OwnWindow *find(Handle handle)
    {
        const auto it = windows_.find(handle);
        return it == windows_.end() ? nullptr : &it->second;
    }

    const std::map<Handle, OwnWindow> &windows() const { return windows_; }

    ~OwnTable() override
    {
        QFile::remove(ListFile(QCoreApplication::applicationPid()));
        if (server_)
            server_->close();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowTitleChange)
            writeList();
        return QObject::eventFilter(watched, event);
    }

private:
    explicit OwnTable(QObject *parent) : QObject(parent) {}

    void forget(QObject *widget)
    {
        for (auto it = windows_.begin(); it != windows_.end();) {
            if (it->second.object == widget)
                it = windows_.erase(it);
            else
                ++it;
        }
        writeList();
    }

    void writeList()
    {
        QDir().mkpath(TableFolder());
        QString text;
        for (const auto &[handle, window] : windows_) {
            if (window.object && window.widget.isNull())
                continue;
            QString title = window.title();
            title.replace(u'\n', u' ');
            text += QString::number(handle) + QLatin1StringView(window.object ? "\tW\t" : "\tA\t") + title + u'\n';
        }
        QSaveFile file(ListFile(QCoreApplication::applicationPid()));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(text.toUtf8());
            file.commit();
        }
    }

    void startServer()
    {
        if (server_)
            return;
        QDir().mkpath(TableFolder());
        const QString name = SocketFile(QCoreApplication::applicationPid());
        QLocalServer::removeServer(name);
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        if (!server_->listen(name))
            return;
        connect(server_, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = server_->nextPendingConnection()) {
                connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { serve(socket); });
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                if (socket->bytesAvailable() > 0)
                    serve(socket);
            }
        });
    }

    // One request a line: "send H M W L", "state H", "show H C", "activate TITLE"; one answer a line.
    void serve(QLocalSocket *socket)
    {
        while (socket->canReadLine()) {
            const QString line = QString::fromUtf8(socket->readLine()).chopped(1);
            const QString verb = line.section(u' ', 0, 0);
            const QStringList args = line.section(u' ', 1).split(u' ');
            QString answer = QStringLiteral("0");
            if (verb == u"activate") {
                answer = activate(line.section(u' ', 1)) ? QStringLiteral("1") : QStringLiteral("0");
            } else if (OwnWindow *window = find(Handle(args.value(0).toInt()))) {
                if (verb == u"send" && args.size() == 4 && window->handler) {
                    window->handler(args[1].toUInt(), args[2].toInt(), args[3].toInt());
                    answer = QStringLiteral("1");
                } else if (verb == u"state") {
                    answer = QString::number(stateOf(*window));
                } else if (verb == u"show" && args.size() == 2) {
                    answer = show(*window, args[1].toInt()) ? QStringLiteral("1") : QStringLiteral("0");
                }
            }
            socket->write(answer.toUtf8() + '\n');
            socket->flush();
        }
    }

    static int stateOf(const OwnWindow &window)
    {
        if (!window.widget)
            return SW_SHOWNORMAL;
        if (window.widget->isMinimized())
            return SW_SHOWMINIMIZED;
        return window.widget->isMaximized() ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    }

    static bool show(OwnWindow &window, int command)
    {
        if (!window.widget)
            return false;
        if (command == SW_RESTORE && window.widget->isMinimized())
            window.widget->setWindowState(window.widget->windowState() & ~Qt::WindowMinimized);
        return true;
    }

    bool activate(const QString &title)
    {
        for (auto &[handle, window] : windows_) {
            if (window.widget && window.title() == title) {
                window.widget->raise();
                window.widget->activateWindow();
                return true;
            }
        }
        return false;
    }

    std::map<Handle, OwnWindow> windows_;
    QLocalServer *server_ = nullptr;
    int nextNumber_ = 1;
};

QList<WindowEntry> ReadList(const QString &file)
{
    QList<WindowEntry> entries;
    QFile list(file);
    if (!list.open(QIODevice::ReadOnly))
        return entries;
    for (const QString &line : QString::fromUtf8(list.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        // "handle TAB kind TAB title", kind W for a window, A for the application's own.
        const QStringList fields = line.split(u'\t');
        if (fields.size() >= 3)
            entries.append({Handle(fields[0].toInt()), line.section(u'\t', 2), fields[1] == u"A"});
    }
    return entries;
}

// Asks the copy `pid`; empty when it cannot be reached.
QString Ask(qint64 pid, const QString &request, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(SocketFile(pid));
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return {};
    socket.write(request.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(ConnectTimeoutMs))
        return {};
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return {};
    }
    return QString::fromUtf8(socket.readLine()).trimmed();
}

} // namespace

QString TableFolder()
{
    const QString configured = qEnvironmentVariable("VELLICOR_WINDOW_TABLE");
    if (!configured.isEmpty())
        return configured;
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    const QString display = DisplayName();
    return runtime + QStringLiteral("/vellicor-windows") + (display.isEmpty() ? QString() : u'-' + display);
}

Handle RegisterWindow(QWidget *window, MessageHandler handler)
{
    return OwnTable::Instance().add({nullptr, window, QString(), std::move(handler)});
}

Handle RegisterApplicationWindow(const QString &title)
{
    return OwnTable::Instance().add({nullptr, nullptr, title, nullptr});
}

void UnregisterWindow(Handle handle)
{
    OwnTable::Instance().remove(handle);
}

QList<WindowEntry> EnumWindows()
{
    QList<WindowEntry> entries;
    const qint64 own = QCoreApplication::applicationPid();
    const QDir folder(TableFolder());
    for (const QString &name : folder.entryList({QStringLiteral("*.windows")}, QDir::Files, QDir::Name)) {
        const qint64 pid = name.section(u'.', 0, 0).toLongLong();
        if (pid != own && !ProcessAlive(pid)) {
            QFile::remove(folder.filePath(name));
            QFile::remove(SocketFile(pid));
            continue;
        }
        // The list of a process that is no copy is left alone: it goes once that process has ended.
        if (pid != own && !Answers(pid))
            continue;
        entries += ReadList(folder.filePath(name));
    }
    return entries;
}

void EnumWindows(const std::function<int(Handle, qint32)> &visit, qint32 lParam)
{
    for (const WindowEntry &entry : EnumWindows())
        if (visit(entry.handle, lParam) == 0)
            return;
}

QString GetWindowText(Handle handle)
{
    for (const WindowEntry &entry : ReadList(ListFile(ProcessOf(handle))))
        if (entry.handle == handle)
            return entry.title;
    return {};
}

bool IsOwnWindow(Handle handle)
{
    return ProcessOf(handle) == QCoreApplication::applicationPid();
}

bool AnotherCopyRuns()
{
    for (const WindowEntry &entry : EnumWindows())
        if (!IsOwnWindow(entry.handle))
            return true;
    return false;
}

int GetShowState(Handle handle)
{
    return Ask(ProcessOf(handle), QStringLiteral("state %1").arg(handle), ConnectTimeoutMs).toInt();
}

bool ShowWindow(Handle handle, int command)
{
    return Ask(ProcessOf(handle), QStringLiteral("show %1 %2").arg(handle).arg(command), ConnectTimeoutMs) == u"1";
}

bool ActivateByTitle(const QString &title)
{
    for (const WindowEntry &entry : EnumWindows()) {
        // A starting copy lists a window of the same title itself; asking itself would only wait in vain.
        if (entry.title == title && !IsOwnWindow(entry.handle)) {
            // The owner raises its own window; nothing waits for it to happen.
            Ask(ProcessOf(entry.handle), QStringLiteral("activate ") + title, ConnectTimeoutMs);
            return true;
        }
    }
    return false;
}

bool SendMessage(Handle handle, unsigned message, qint32 wParam, qint32 lParam)
{
    const QString request = QStringLiteral("send %1 %2 %3 %4").arg(handle).arg(message).arg(wParam).arg(lParam);
    return Ask(ProcessOf(handle), request, MessageTimeoutMs) == u"1";
}

StartTurn::StartTurn()
{
    QDir().mkpath(TableFolder());
    fd_ = ::open(QFile::encodeName(TableFolder() + QStringLiteral("/start.lock")).constData(),
                 O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    const QDeadlineTimer deadline(StartTurnTimeoutMs);
    while (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired())
            Release();
        else
            QThread::msleep(10);
    }
}

StartTurn::~StartTurn()
{
    Release();
}

void StartTurn::Release()
{
    // The lock goes with the descriptor, also when the process ends.
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace platform::windows
