#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The editor's find, replace and go-to-line dialogs. They are run through platform::dialogs::ShowModal,
// so a test's dialog hook can fill them in and press their buttons.
namespace platform::editor {

// What to look for.
struct SearchRequest {
    QString text;
    bool matchCase = false;
    bool wholeWord = false;
    bool backward = false;
};

// "Найти": accepting it searches once; the editor's find next repeats that search.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    explicit FindDialog(const SearchRequest &initial, QWidget *parent = nullptr);
    SearchRequest Request() const;

    QLineEdit *findEdit = nullptr;
    QCheckBox *matchCaseBox = nullptr;
    QCheckBox *wholeWordBox = nullptr;
    QRadioButton *upButton = nullptr;
    QRadioButton *downButton = nullptr;
    QPushButton *findNextButton = nullptr;
};

// "Заменить": stays open while its buttons find, replace and replace all; "Закрыть" closes it.
class ReplaceDialog : public QDialog {
    Q_OBJECT

public:
    explicit ReplaceDialog(const SearchRequest &initial, const QString &replacement, QWidget *parent = nullptr);
    SearchRequest Request() const;
    QString Replacement() const;
    // Shown under the fields after each action ("Заменено: 3", "Текст не найден").
    void ShowResult(const QString &text);
    QString Result() const;

    QLineEdit *findEdit = nullptr;
    QLineEdit *replaceEdit = nullptr;
    QCheckBox *matchCaseBox = nullptr;
    QCheckBox *wholeWordBox = nullptr;
    QPushButton *findNextButton = nullptr;
    QPushButton *replaceButton = nullptr;
    QPushButton *replaceAllButton = nullptr;

signals:
    void FindNextClicked();
    void ReplaceClicked();
    void ReplaceAllClicked();

private:
    QLabel *resultLabel_ = nullptr;
};

// "Перейти к строке": a line number from 1 to the number of lines.
class GotoLineDialog : public QDialog {
    Q_OBJECT

public:
    GotoLineDialog(int lineCount, int currentLine, QWidget *parent = nullptr);
    // The chosen line, from 1.
    int LineNumber() const;

    QSpinBox *lineBox = nullptr;
};

} // namespace platform::editor
