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

#include <algorithm>
#include <limits>
#include <map>
#include <vector>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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
// A copy that took a connection this recently is taken to be there still, without asking again: a copy
// that has stopped keeps every connection it has not accepted, and a start that looks at the table time
// and again would fill its queue.
constexpr int AnsweredMemoryMs = 5000;

// The lines of the exchange that makes a request that acts happen exactly once: the asked copy offers to
// act, the asker confirms while it still waits.
constexpr char Offer[] = "?";
constexpr char Confirm[] = "!";

// The deadline of every question while a Patience lives.
QDeadlineTimer patience(QDeadlineTimer::Forever);

// The time left before `deadline`, and never more than `cap` milliseconds.
int Remaining(const QDeadlineTimer &deadline, int cap)
{
    const qint64 left = deadline.remainingTime();
    return int(left < 0 ? cap : std::min<qint64>(left, cap));
}

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
    static std::map<qint64, QDeadlineTimer> answered;
    if (const auto it = answered.find(pid); it != answered.end() && !it->second.hasExpired())
        return true;
    QLocalSocket socket;
    socket.connectToServer(SocketFile(pid));
    if (!socket.waitForConnected(Remaining(patience, ConnectTimeoutMs)))
        return false;
    answered[pid] = QDeadlineTimer(AnsweredMemoryMs);
    return true;
}

// When the copy joined the table: its socket is made as it lists its first window. 0 when it has none.
qint64 JoinedNs(qint64 pid)
{
    struct stat info;
    if (::stat(QFile::encodeName(SocketFile(pid)).constData(), &info) != 0)
        return 0;
    return qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

// The texts of a message as one field each of a request line, which holds no blank and no line end.
QString EncodeData(const QStringList &data)
{
    QString fields;
    for (const QString &text : data)
        fields += u' ' + QString::fromLatin1(text.toUtf8().toPercentEncoding());
    return fields;
}

QStringList DecodeData(const QStringList &fields)
{
    QStringList data;
    for (const QString &field : fields)
        data.append(QString::fromUtf8(QByteArray::fromPercentEncoding(field.toLatin1())));
    return data;
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

    // One request a line: "send H M W L DATA...", "state H", "show H C", "activate TITLE"; one answer a
    // line. A request that acts is offered first and carried out once its asker confirms it; one whose asker
    // has gone meanwhile ends with the connection, undone.
    void serve(QLocalSocket *socket)
    {
        while (socket->canReadLine()) {
            const QString line = QString::fromUtf8(socket->readLine()).chopped(1);
            const QString offered = socket->property(OfferedRequest).toString();
            QString answer;
            if (!offered.isEmpty()) {
                socket->setProperty(OfferedRequest, QVariant());
                answer = line == QLatin1StringView(Confirm) ? carryOut(offered) : QStringLiteral("0");
            } else if (acts(line)) {
                socket->setProperty(OfferedRequest, line);
                answer = QLatin1StringView(Offer);
            } else {
                answer = line.startsWith(QLatin1StringView("state ")) ? state(line) : QStringLiteral("0");
            }
            socket->write(answer.toUtf8() + '\n');
            socket->flush();
        }
    }

    static constexpr char OfferedRequest[] = "offeredRequest";

    QString state(const QString &line)
    {
        const OwnWindow *window = find(Handle(line.section(u' ', 1, 1).toInt()));
        return window ? QString::number(stateOf(*window)) : QStringLiteral("0");
    }

    // Whether the request acts on a window that is there.
    bool acts(const QString &line)
    {
        const QString verb = line.section(u' ', 0, 0);
        if (verb == u"activate")
            return findByTitle(line.section(u' ', 1)) != nullptr;
        const QStringList args = line.section(u' ', 1).split(u' ');
        const OwnWindow *window = find(Handle(args.value(0).toInt()));
        return window && ((verb == u"send" && args.size() >= 4 && window->handler) ||
                          (verb == u"show" && args.size() == 2));
    }

    // The window may have gone while the asker confirmed.
    QString carryOut(const QString &line)
    {
        bool done = false;
        const QString verb = line.section(u' ', 0, 0);
        const QStringList args = line.section(u' ', 1).split(u' ');
        if (verb == u"activate") {
            done = activate(line.section(u' ', 1));
        } else if (OwnWindow *window = find(Handle(args.value(0).toInt()))) {
            if (verb == u"send" && args.size() >= 4 && window->handler) {
                window->handler(args[1].toUInt(), args[2].toInt(), args[3].toInt(), DecodeData(args.mid(4)));
                done = true;
            } else if (verb == u"show" && args.size() == 2) {
                done = show(*window, args[1].toInt());
            }
        }
        return done ? QStringLiteral("1") : QStringLiteral("0");
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

    OwnWindow *findByTitle(const QString &title)
    {
        for (auto &[handle, window] : windows_)
            if (window.widget && window.title() == title)
                return &window;
        return nullptr;
    }

    bool activate(const QString &title)
    {
        OwnWindow *window = findByTitle(title);
        if (!window)
            return false;
        window->widget->raise();
        window->widget->activateWindow();
        return true;
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

struct Reply {
    // The copy took the request: what it asks for has been done, or is done as soon as that copy goes on.
    bool taken = false;
    // Its answer; empty when none came in time.
    QString answer;
    // Taken and carried out, or to be carried out: the copy did not find the window meanwhile.
    bool done() const { return taken && answer != u"0"; }
};

// Asks the copy `pid`, waiting `timeoutMs` at most, and less while a Patience ends sooner.
Reply Ask(qint64 pid, const QString &request, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    if (patience < deadline)
        deadline = patience;
    Reply reply;
    if (deadline.hasExpired())
        return reply;
    QLocalSocket socket;
    socket.connectToServer(SocketFile(pid));
    if (!socket.waitForConnected(Remaining(deadline, ConnectTimeoutMs)))
        return reply;
    socket.write(request.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(Remaining(deadline, ConnectTimeoutMs)))
        return reply;
    while (true) {
        while (!socket.canReadLine()) {
            if (!socket.waitForReadyRead(Remaining(deadline, timeoutMs))) {
                // A copy that ended has done all it ever will, and it did not say that it had.
                if (socket.state() != QLocalSocket::ConnectedState)
                    reply.taken = false;
                return reply;
            }
        }
        const QString line = QString::fromUtf8(socket.readLine()).trimmed();
        if (line != QLatin1StringView(Offer) || reply.taken) {
            reply.answer = line;
            return reply;
        }
        // From here on the request is the other copy's: this one no longer gives up on it.
        reply.taken = true;
        socket.write(QByteArray(Confirm) + '\n');
        socket.flush();
    }
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
    struct Copy {
        qint64 joinedNs;
        QString list;
    };
    std::vector<Copy> copies;
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
        copies.push_back({pid == own ? std::numeric_limits<qint64>::max() : JoinedNs(pid), folder.filePath(name)});
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const Copy &a, const Copy &b) { return a.joinedNs > b.joinedNs; });
    QList<WindowEntry> entries;
    for (const Copy &copy : copies)
        entries += ReadList(copy.list);
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
    return Ask(ProcessOf(handle), QStringLiteral("state %1").arg(handle), ConnectTimeoutMs).answer.toInt();
}

bool ShowWindow(Handle handle, int command)
{
    return Ask(ProcessOf(handle), QStringLiteral("show %1 %2").arg(handle).arg(command), ConnectTimeoutMs).done();
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

bool SendMessage(Handle handle, unsigned message, qint32 wParam, qint32 lParam, const QStringList &data)
{
    const QString request =
        QStringLiteral("send %1 %2 %3 %4").arg(handle).arg(message).arg(wParam).arg(lParam) + EncodeData(data);
    return Ask(ProcessOf(handle), request, MessageTimeoutMs).done();
}

Patience::Patience(int milliseconds)
{
    patience = QDeadlineTimer(milliseconds);
}

Patience::~Patience()
{
    patience = QDeadlineTimer(QDeadlineTimer::Forever);
}

namespace {

// The copy whose turn it is, as it wrote itself into the lock file.
QByteArray TurnHolder(int fd)
{
    char holder[32];
    const ssize_t n = ::pread(fd, holder, sizeof holder, 0);
    return n > 0 ? QByteArray(holder, qsizetype(n)) : QByteArray();
}

} // namespace

StartTurn::StartTurn()
{
    QDir().mkpath(TableFolder());
    fd_ = ::open(QFile::encodeName(TableFolder() + QStringLiteral("/start.lock")).constData(),
                 O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    QByteArray holder = fd_ >= 0 ? TurnHolder(fd_) : QByteArray();
    QDeadlineTimer deadline(StartTurnTimeoutMs);
    while (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            Release();
            continue;
        }
        // Each copy before this one has the whole time for its turn.
        if (const QByteArray now = TurnHolder(fd_); now != holder) {
            holder = now;
            deadline = QDeadlineTimer(StartTurnTimeoutMs);
        } else if (deadline.hasExpired()) {
            Release();
            continue;
        }
        QThread::msleep(10);
    }
    if (fd_ >= 0) {
        const QByteArray own = QByteArray::number(QCoreApplication::applicationPid()).leftJustified(20, ' ');
        (void)!::pwrite(fd_, own.constData(), size_t(own.size()), 0);
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
