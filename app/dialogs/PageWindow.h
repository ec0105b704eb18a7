#pragma once

#include "app/core/mdlLoadStart.h"
#include "app/dialogs/ContainerWindow.h"
#include "platform/forms/GlobalForm.h"

#include <functional>

// A secondary window that shows a page pane in its container, with a close button (cmmClose_Click) that
// is also the cancel button (Esc). Every closing stores the window's state (Form_QueryUnload) and unloads
// the window's global form, so that the next opening loads it afresh.
class PageWindow : public ContainerWindow {
    Q_OBJECT

protected:
    // `form` is the window's own global form.
    template <typename Form>
    PageWindow(QWidget *parent, GlobalForm<Form> &form)
        : ContainerWindow(parent), loadedForm_([&form]() -> QDialog * { return form.loaded(); }),
          unloadForm_([&form] { mdlLoad::UnloadForm(form); })
    {
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    }

    // Stores the window's state.
    virtual void Form_QueryUnload() = 0;
    // The state is stored, then the window unloaded; its close stores the state again, to the same result.
    void cmmClose_Click();

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    std::function<QDialog *()> loadedForm_;
    std::function<void()> unloadForm_;
};
