#include "app/documents/frmCode.h"

#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/dialogs/DialogLists.h"
#include "app/dialogs/TwipLayout.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileRecode.h"
#include "app/documents/mdlFileSave.h"
#include "app/documents/mdlLanguageApply.h"
#include "app/mainwindow/frmMain.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "platform/forms/StoredRect.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <utility>

using TwipLayout::Box;
using TwipLayout::BoxOf;
using TwipLayout::Pixels;
using TwipLayout::Place;
using TwipLayout::Twips;

namespace {

// Designed sizes in twips.
constexpr int PictureWidth = 360;
constexpr int LabelHeight = 255;

// The hourglass for the length of a conversion.
class WaitPointer {
public:
    WaitPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitPointer() { QApplication::restoreOverrideCursor(); }
    WaitPointer(const WaitPointer &) = delete;
    WaitPointer &operator=(const WaitPointer &) = delete;
};

QPushButton *Button(const QString &caption, QWidget *parent)
{
    QPushButton *button = TwipLayout::Button(caption, parent);
    // Enter does not convert by itself: only a click or Space on the button does.
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmCode::frmCode() : ContainerWindow(forms::frmMain.loaded())
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Перевод кодировки"));
    Form_Load();
}

void frmCode::Form_Load()
{
    platform::forms::RestoreRect(*this, {mdlLoad::CodeLeft, mdlLoad::CodeTop, mdlLoad::CodeWidth, mdlLoad::CodeHeight});
    SetCodeContainers();
    Form_Resize();

    mdlLoad::FillCodeCombo(cmbCodeOld, QString());
    mdlLoad::FillCodeCombo(cmbCodeNew, QString());
    if (cmbCodeOld->count() > 0 && cmbCodeOld->count() == cmbCodeNew->count())
        SelectCodes(0);
    else
        cmmCode->setEnabled(false);
}

std::optional<mdlFile::RecodedText> frmCode::ShowRecode(QString text, int code)
{
    text_ = std::move(text);
    sample_ = mdlLoad::CodeMaxlen >= 1 && text_.size() > mdlLoad::CodeMaxlen ? text_.left(mdlLoad::CodeMaxlen)
                                                                             : text_;
    txtCode->SetText(sample_);

    const int active = forms::frmMain->ActiveFileIndex;
    const auto &records = mdlFile::DocumentRecords;
    mdlLanguage::SetDocumentLanguage(txtCode, records.contains(active) ? records[active].Language : 0, QString(),
                                     false);

    // The document's own page in both lists: the sample shows unconverted.
    SelectCodes(code - 1);
    result_.reset();
    platform::dialogs::ShowModal(*this);
    std::optional<mdlFile::RecodedText> result = std::exchange(result_, std::nullopt);
    text_.clear();
    mdlLoad::UnloadForm(forms::frmCode);
    return result;
}

void frmCode::SetCodeContainers()
{
    imgPicture = new QLabel(picBox);
    imgPicture->setPixmap(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(24, 24));
    imgPicture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    imgPicture->resize(Pixels(PictureWidth), imgPicture->height());
    lblCodeOld = new QLabel(QStringLiteral("Текущая кодировка:"), picBox);
    lblCodeOld->resize(lblCodeOld->width(), Pixels(LabelHeight));
    cmbCodeOld = new QComboBox(picBox);
    lblCodeNew = new QLabel(QStringLiteral("Новая кодировка:"), picBox);
    lblCodeNew->resize(lblCodeNew->width(), Pixels(LabelHeight));
    cmbCodeNew = new QComboBox(picBox);
    for (QComboBox *list : {cmbCodeOld, cmbCodeNew})
        list->resize(list->width(), list->sizeHint().height());
    txtCode = new platform::editor::Editor(picBox);
    txtCode->SetFont(QFont(QStringLiteral("Courier New"), 10));
    cmmCode = Button(QStringLiteral("Перевести"), picBox);
    cmmCancel = Button(QStringLiteral("Отменить"), picBox);

    connect(cmbCodeOld, &QComboBox::activated, this, &frmCode::cmbCodeOld_Click);
    connect(cmbCodeNew, &QComboBox::activated, this, &frmCode::cmbCodeNew_Click);
    connect(cmmCode, &QPushButton::clicked, this, &frmCode::cmmCode_Click);
    connect(cmmCancel, &QPushButton::clicked, this, &frmCode::cmmCancel_Click);
}

void frmCode::SelectCodes(int index)
{
    mdlLoad::SelectListIndex(cmbCodeOld, index);
    cmbCodeOld_Click();
    mdlLoad::SelectListIndex(cmbCodeNew, index);
    cmbCodeNew_Click();
}

void frmCode::cmbCodeOld_Click()
{
    CodeListClick(cmbCodeOld, codeOld_);
}

void frmCode::cmbCodeNew_Click()
{
    CodeListClick(cmbCodeNew, codeNew_);
}

void frmCode::CodeListClick(const QComboBox *list, int &code)
{
    const int picked = list->currentIndex() + 1;
    if (picked == code)
        return;
    code = picked;
    if (sample_.isEmpty() || codeOld_ == codeNew_) {
        txtCode->SetText(sample_);
        return;
    }
    const WaitPointer wait;
    txtCode->SetText(mdlFile::RecodeText(sample_, codeOld_, codeNew_, QStringLiteral("?")));
}

void frmCode::cmmCode_Click()
{
    if (codeOld_ != codeNew_) {
        // Nothing is converted unless the user lets the characters that the new page lacks become "?";
        // the dialog stays open for another choice.
        const mdlFile::LostCharacters lost = [&] {
            const WaitPointer wait;
            return mdlFile::FindLostCharacters(text_, codeOld_, codeNew_);
        }();
        if (lost.count > 0 &&
            !mdlFile::AskToLoseCharacters(lost, codeNew_,
                                          QStringLiteral("При переводе они будут заменены знаком \"?\"."),
                                          QStringLiteral("Перевести текст?"), this))
            return;
        const WaitPointer wait;
        // Assigned over itself, so that no second copy of a large text outlives the conversion.
        text_ = mdlFile::RecodeText(text_, codeOld_, codeNew_, QStringLiteral("?"));
    }
    result_ = mdlFile::RecodedText{std::move(text_), codeNew_};
    cmmCancel_Click();
}

void frmCode::cmmCancel_Click()
{
    SaveCodeSetting();
    // The modal showing ends; its caller unloads the window.
    done(result_ ? QDialog::Accepted : QDialog::Rejected);
}

void frmCode::reject()
{
    cmmCancel_Click();
}

void frmCode::closeEvent(QCloseEvent *event)
{
    // Unloading hides the window itself; the close box ends the same way as Cancel.
    event->ignore();
    cmmCancel_Click();
}

void frmCode::SaveCodeSetting()
{
    platform::forms::StoreRect(*this, {mdlLoad::CodeLeft, mdlLoad::CodeTop, mdlLoad::CodeWidth, mdlLoad::CodeHeight});
}

// The picture down the left, the buttons at the lower right, the two lists side by side across the top
// with the sample below them. Lengths come from the window's inner area (its top and left are 0), which
// is picBox's with the margins added; a step without room leaves its controls where they were.
void frmCode::picBox_Resize()
{
    const int innerWidth = Twips(width());
    const int innerHeight = Twips(height());
    const int boxWidth = Twips(picBox->width());
    const int boxHeight = Twips(picBox->height());

    Box cancel = BoxOf(cmmCancel);
    if (innerHeight - cancel.height > 180)
        Place(imgPicture, 0, 0, Twips(imgPicture->width()), innerHeight - cancel.height - 180);
    if (cancel.height < boxHeight)
        Place(cmmCancel, boxWidth - cancel.width, boxHeight - cancel.height, cancel.width, cancel.height);
    cancel = BoxOf(cmmCancel);
    const Box code = BoxOf(cmmCode);
    if (cancel.left - code.width >= 120)
        Place(cmmCode, cancel.left - 120 - code.width, cancel.top, code.width, code.height);

    const Box picture = BoxOf(imgPicture);
    const int left = picture.Right() + 60;
    const int width = innerWidth - left - 120;
    const int half = width / 2;
    if (half <= 30)
        return;
    const int labelHeight = Twips(lblCodeOld->height());
    Place(lblCodeOld, left, 0, half - 60, labelHeight);
    Place(lblCodeNew, left + half, 0, half - 60, labelHeight);
    const int listHeight = Twips(cmbCodeOld->height());
    Place(cmbCodeOld, left, labelHeight, half - 60, listHeight);
    Place(cmbCodeNew, left + half, labelHeight, half - 60, listHeight);
    const int listBottom = BoxOf(cmbCodeOld).Bottom();
    Place(txtCode, left, listBottom + 60, width, BoxOf(cmmCode).top - listBottom - 120);
}
