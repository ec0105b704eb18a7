#pragma once

#include <QPointer>
#include <QWidget>

// A window that exists once: created when first asked for, destroyed by UnloadForm, after which the next
// use creates a fresh one.
template <typename Form>
class GlobalForm {
public:
    Form *get()
    {
        if (!form_)
            form_ = new Form();
        return form_;
    }
    Form *operator->() { return get(); }
    Form &operator*() { return *get(); }

    // The window when it exists, without creating it.
    Form *loaded() const { return form_; }
    bool isLoaded() const { return !form_.isNull(); }

    // Closes the window (its close handler runs and may refuse), then destroys it and drops the reference.
    void unload()
    {
        Form *form = form_;
        form_ = nullptr;
        if (!form)
            return;
        form->close();
        form->hide();
        form->deleteLater();
    }

private:
    QPointer<Form> form_;
};
