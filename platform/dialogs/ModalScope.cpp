#include "platform/dialogs/ModalScope.h"

#include <QCoreApplication>
#include <QTimer>

#include <deque>

namespace platform::dialogs {
namespace {

int openScopes = 0;
bool running = false;
std::deque<std::function<void()>> waiting;

void RunWaiting()
{
    // An action that opens a modal window of its own leaves the rest to the end of that window's scope.
    while (!running && openScopes == 0 && !waiting.empty()) {
        const std::function<void()> action = std::move(waiting.front());
        waiting.pop_front();
        running = true;
        action();
        running = false;
    }
}

} // namespace

ModalScope::ModalScope()
{
    ++openScopes;
}

ModalScope::~ModalScope()
{
    // Not from here: the code that waited for the answer goes on first.
    if (--openScopes == 0 && !waiting.empty())
        QTimer::singleShot(0, QCoreApplication::instance(), RunWaiting);
}

bool InModalScope()
{
    return openScopes > 0;
}

void RunOutsideModalScopes(std::function<void()> action)
{
    waiting.push_back(std::move(action));
    RunWaiting();
}

} // namespace platform::dialogs
