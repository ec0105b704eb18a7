#include "app/dialogs/FileDialogFrame.h"

#include "app/dialogs/TwipLayout.h"
#include "platform/widgets/TabStrip.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The frame's designed distances are twips, the remainder of a pixel dropped.
using platform::forms::PixelsTowardZero;

QPushButton *Button(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

FileDialogFrame::FileDialogFrame(QDialog *dialog, const QString &acceptCaption, QStyle::StandardPixmap picture)
{
    picBox = new QWidget(dialog);
    auto *outer = new QVBoxLayout(dialog);
    const int margin = PixelsTowardZero(TwipLayout::BoxMargin);
    outer->setContentsMargins(margin, margin, margin, margin);
    outer->addWidget(picBox);

    imgPicture = new QLabel(picBox);
    imgPicture->setPixmap(dialog->style()->standardIcon(picture).pixmap(48, 48));
    imgPicture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto *tabFrame = new QWidget(picBox);
    tbsListFiles = new TabStrip(tabFrame);
    tbsListFiles->setAccessibleName(QStringLiteral("Списки файлов"));
    tbsListFiles->setDocumentMode(false);
    pages = new QWidget(tabFrame);
    pageLayout_ = new QVBoxLayout(pages);
    pageLayout_->setContentsMargins(PixelsTowardZero(10), PixelsTowardZero(20), PixelsTowardZero(10),
                                    PixelsTowardZero(20));
    auto *tabLayout = new QVBoxLayout(tabFrame);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    tabLayout->setSpacing(0);
    tabLayout->addWidget(tbsListFiles);
    tabLayout->addWidget(pages, 1);

    cmmAccept = Button(acceptCaption, picBox);
    cmmCancel = Button(QStringLiteral("Отменить"), picBox);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(PixelsTowardZero(120));
    buttons->addStretch(1);
    buttons->addWidget(cmmAccept);
    buttons->addWidget(cmmCancel);

    auto *grid = new QGridLayout(picBox);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(PixelsTowardZero(60));
    grid->setVerticalSpacing(PixelsTowardZero(80));
    grid->addWidget(imgPicture, 0, 0);
    grid->addWidget(tabFrame, 0, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);
}

void FileDialogFrame::AddPage(QWidget *page)
{
    pageLayout_->addWidget(page);
}
