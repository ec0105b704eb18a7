#pragma once

#include <functional>

// Work that must wait while the program waits on a modal window. A message box or a modal dialog runs an
// event loop of its own, in which a message from another program would otherwise be carried out under it,
// behind the back of the code that asked and waits for the answer.
namespace platform::dialogs {

// Marks the time from a modal window's showing to its answer. Every message box and dialog of
// MessageBox.h holds one, also when a test hook answers it in place of the user.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope &) = delete;
    ModalScope &operator=(const ModalScope &) = delete;
};

bool InModalScope();

// Runs `action` at once outside every modal scope and when nothing waits before it; otherwise from the
// event loop, once the last scope has ended. Actions run one at a time, in the order they were given.
void RunOutsideModalScopes(std::function<void()> action);

} // namespace platform::dialogs
