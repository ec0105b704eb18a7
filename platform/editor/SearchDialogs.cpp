#include "platform/editor/SearchDialogs.h"

#include "platform/widgets/TitleRoom.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace platform::editor {

namespace {

QCheckBox *AddOptions(QVBoxLayout *layout, const SearchRequest &initial, QCheckBox *&wholeWord)
{
    auto *matchCase = new QCheckBox(QStringLiteral("Учитывать регистр"));
    matchCase->setChecked(initial.matchCase);
    wholeWord = new QCheckBox(QStringLiteral("Только слово целиком"));
    wholeWord->setChecked(initial.wholeWord);
    layout->addWidget(matchCase);
    layout->addWidget(wholeWord);
    return matchCase;
}

} // namespace

FindDialog::FindDialog(const SearchRequest &initial, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Найти"));
    auto *fields = new QVBoxLayout;
    auto *form = new QFormLayout;
    findEdit = new QLineEdit(initial.text);
    form->addRow(QStringLiteral("Что:"), findEdit);
    fields->addLayout(form);
    matchCaseBox = AddOptions(fields, initial, wholeWordBox);
    auto *direction = new QGroupBox(QStringLiteral("Направление"));
    auto *directionLayout = new QHBoxLayout(direction);
    upButton = new QRadioButton(QStringLiteral("Вверх"));
    downButton = new QRadioButton(QStringLiteral("Вниз"));
    (initial.backward ? upButton : downButton)->setChecked(true);
    directionLayout->addWidget(upButton);
    directionLayout->addWidget(downButton);
    fields->addWidget(direction);

    auto *buttons = new QVBoxLayout;
    findNextButton = new QPushButton(QStringLiteral("Найти далее"));
    findNextButton->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Отмена"));
    buttons->addWidget(findNextButton);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    const auto enable = [this] { findNextButton->setEnabled(!findEdit->text().isEmpty()); };
    enable();
    connect(findEdit, &QLineEdit::textChanged, this, enable);
    connect(findNextButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

SearchRequest FindDialog::Request() const
{
    return {findEdit->text(), matchCaseBox->isChecked(), wholeWordBox->isChecked(), upButton->isChecked()};
}

ReplaceDialog::ReplaceDialog(const SearchRequest &initial, const QString &replacement, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Заменить"));
    auto *fields = new QVBoxLayout;
    auto *form = new QFormLayout;
    findEdit = new QLineEdit(initial.text);
    replaceEdit = new QLineEdit(replacement);
    form->addRow(QStringLiteral("Что:"), findEdit);
    form->addRow(QStringLiteral("Чем:"), replaceEdit);
    fields->addLayout(form);
    matchCaseBox = AddOptions(fields, initial, wholeWordBox);
    resultLabel_ = new QLabel;
    fields->addWidget(resultLabel_);

    auto *buttons = new QVBoxLayout;
    findNextButton = new QPushButton(QStringLiteral("Найти далее"));
    findNextButton->setDefault(true);
    replaceButton = new QPushButton(QStringLiteral("Заменить"));
    replaceAllButton = new QPushButton(QStringLiteral("Заменить все"));
    auto *close = new QPushButton(QStringLiteral("Закрыть"));
    for (QPushButton *button : {findNextButton, replaceButton, replaceAllButton, close})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    const auto enable = [this] {
        const bool any = !findEdit->text().isEmpty();
        for (QPushButton *button : {findNextButton, replaceButton, replaceAllButton})
            button->setEnabled(any);
    };
    enable();
    connect(findEdit, &QLineEdit::textChanged, this, enable);
    connect(findNextButton, &QPushButton::clicked, this, &ReplaceDialog::FindNextClicked);
    connect(replaceButton, &QPushButton::clicked, this, &ReplaceDialog::ReplaceClicked);
    connect(replaceAllButton, &QPushButton::clicked, this, &ReplaceDialog::ReplaceAllClicked);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

SearchRequest ReplaceDialog::Request() const
{
    return {findEdit->text(), matchCaseBox->isChecked(), wholeWordBox->isChecked(), false};
}

QString ReplaceDialog::Replacement() const
{
    return replaceEdit->text();
}

void ReplaceDialog::ShowResult(const QString &text)
{
    resultLabel_->setText(text);
}

QString ReplaceDialog::Result() const
{
    return resultLabel_->text();
}

GotoLineDialog::GotoLineDialog(int lineCount, int currentLine, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Перейти к строке"));
    lineBox = new QSpinBox;
    lineBox->setRange(1, std::max(1, lineCount));
    lineBox->setValue(currentLine);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Номер строки:"), lineBox);
    auto *go = new QPushButton(QStringLiteral("Перейти"));
    go->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Отмена"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(go);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(go, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    LeaveRoomForTitle(*this);
}

int GotoLineDialog::LineNumber() const
{
    return lineBox->value();
}

} // namespace platform::editor
