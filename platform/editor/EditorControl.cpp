#include "platform/editor/EditorControl.h"

#include "platform/text/AnsiCodePage.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace platform::editor {

EditorControl::EditorControl(QWidget *parent) : QsciScintilla(parent) {}

void EditorControl::keyPressEvent(QKeyEvent *event)
{
    const QString kept = text::AnsiOnly(event->text());
    if (kept == event->text()) {
        QsciScintilla::keyPressEvent(event);
        return;
    }
    // The control takes one character from a key, and a character of two code units becomes "??": the
    // characters go in one by one.
    for (const QChar c : kept) {
        QKeyEvent mapped(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                         event->nativeVirtualKey(), event->nativeModifiers(), QString(c), event->isAutoRepeat());
        QsciScintilla::keyPressEvent(&mapped);
        event->setAccepted(mapped.isAccepted());
    }
}

void EditorControl::inputMethodEvent(QInputMethodEvent *event)
{
    const QString preedit = text::AnsiOnly(event->preeditString());
    const QString commit = text::AnsiOnly(event->commitString());
    if (preedit == event->preeditString() && commit == event->commitString()) {
        QsciScintilla::inputMethodEvent(event);
        return;
    }
    // One "?" for each code unit keeps every length the same, so the event's attributes (cursor, formats)
    // and its replacement range still fit.
    QInputMethodEvent mapped(preedit, event->attributes());
    mapped.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QsciScintilla::inputMethodEvent(&mapped);
    event->setAccepted(mapped.isAccepted());
}

QByteArray EditorControl::fromMimeData(const QMimeData *source, bool &rectangular) const
{
    return text::AnsiOnly(QString::fromUtf8(QsciScintilla::fromMimeData(source, rectangular))).toUtf8();
}

} // namespace platform::editor
