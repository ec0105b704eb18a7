#include "app/dialogs/frmTester.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/core/mdlLoadTesters.h"
#include "app/dialogs/TwipLayout.h"
#include "app/mainwindow/frmMain.h"
#include "platform/forms/StoredRect.h"
#include "platform/pages/PagePane.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QShowEvent>

namespace {

using TwipLayout::Pixels;
using TwipLayout::Place;
using TwipLayout::Twips;

// Designed sizes in twips.
constexpr int InnerWidth = 6525;
constexpr int InnerHeight = 4245;
constexpr int CloseWidth = 1215;
constexpr int CloseHeight = 375;
constexpr int KeyEscape = 27;

platform::forms::StoredRect StoredPosition()
{
    return {mdlLoad::TesterLeft, mdlLoad::TesterTop, mdlLoad::TesterWidth, mdlLoad::TesterHeight};
}

// The list keeps a web address without "http://"; one with a scheme of its own ("https://", "ftp://")
// keeps it, and a bare one gets "http://" back.
QString WebAddress(const QString &url)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    return scheme.match(url).hasMatch() ? url : QStringLiteral("http://") + url;
}

} // namespace

frmTester::frmTester() : QDialog(forms::frmMain.loaded())
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Тестеры-сподвижники"));
    resize(Pixels(InnerWidth), Pixels(InnerHeight));

    picBox = new QWidget(this);
    picBox->installEventFilter(this);
    wbbTester = platform::pages::CreatePagePane(picBox);
    connect(wbbTester, &platform::pages::PagePane::onkeydown, this, &frmTester::wbbTester_onkeydown);
    cmmClose = new QPushButton(QStringLiteral("Закрыть"), picBox);
    cmmClose->resize(Pixels(CloseWidth), Pixels(CloseHeight));
    cmmClose->setDefault(true);
    connect(cmmClose, &QPushButton::clicked, this, &frmTester::cmmClose_Click);
    Form_Load();
}

void frmTester::Form_Load()
{
    platform::forms::RestoreRect(*this, StoredPosition());
    // A window not shown yet gets no resize events: the first layout is run here.
    Form_Resize();
    picBox_Resize();

    mdlLoad::LoadTesterIni(mdlLoad::TesterIni);
    PageTemplate = mdlLibrary::FileReadText(mdlLoad::TesterFullHtm);
    GroupTemplate = mdlLibrary::FileReadText(mdlLoad::TesterGroupHtm);
    ManTemplate = mdlLibrary::FileReadText(mdlLoad::TesterManHtm);
    BuildTesterPage();
    // The templates' pictures and links resolve in the setting folder, where the templates lie.
    if (mdlLibrary::FileWriteText(mdlLoad::TmpTesterHtm, PageTemplate)) {
        wbbTester->LoadDocument(mdlLoad::TmpTesterHtm);
        wbbTester->SetBaseURL(mdlLoad::SettingFolder);
    }
}

// The group blocks, one after another, take the place of "[info]".
void frmTester::BuildTesterPage()
{
    QString info;
    for (int g = 1; g <= mdlLoad::TesterGroups.count(); ++g) {
        QString block = GroupTemplate;
        block.replace(QStringLiteral("[group]"), mdlLoad::TesterGroups[g].Title.toHtmlEscaped());
        block.replace(QStringLiteral("[man]"), BuildTesterMen(g));
        info += block;
    }
    PageTemplate.replace(QStringLiteral("[info]"), info);
}

// A person's block with both links, also for an empty address. Names and addresses come from a list that
// anybody may edit: they go into the page as text, never as markup. The name goes in first, so a name
// holding a later marker gets that marker's link too.
QString frmTester::BuildTesterMen(int group) const
{
    QString out;
    for (const mdlLoad::TesterMan &man : mdlLoad::TesterGroups[group].Men) {
        const QString email = man.Email.toHtmlEscaped();
        const QString url = man.Url.toHtmlEscaped();
        const QString mailLink = QStringLiteral("<A Href=\"mailto:") + email + QStringLiteral("\">") + email +
                                 QStringLiteral("</A>");
        const QString webLink = QStringLiteral("<A Href=\"") + WebAddress(man.Url).toHtmlEscaped() +
                                QStringLiteral("\" Target=\"_blank\">") + url + QStringLiteral("</A>");
        QString block = ManTemplate;
        block.replace(QStringLiteral("[name]"), man.Name.toHtmlEscaped());
        block.replace(QStringLiteral("[email]"), mailLink);
        block.replace(QStringLiteral("[url]"), webLink);
        out += block;
    }
    return out;
}

void frmTester::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Each opening loads a fresh modal window: its first showing is its activation, whether or not the
    // window system activates it.
    if (!event->spontaneous())
        Form_Activate();
}

void frmTester::Form_Activate()
{
    wbbTester->setFocus();
}

void frmTester::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmTester::Form_Resize()
{
    TwipLayout::PlacePicBox(this, picBox);
}

bool frmTester::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picBox && event->type() == QEvent::Resize)
        picBox_Resize();
    return QDialog::eventFilter(watched, event);
}

// The button at the lower right, the page above it across the width; each step needs room, and the first
// one without it leaves the rest as it was.
void frmTester::picBox_Resize()
{
    // The container has no border: its inner area starts at 0, 0.
    const int w = Twips(picBox->width());
    const int h = Twips(picBox->height());
    const int closeWidth = Twips(cmmClose->width());
    const int closeHeight = Twips(cmmClose->height());
    if (w < closeWidth || h < closeHeight)
        return;
    const int closeTop = h - closeHeight;
    Place(cmmClose, w - closeWidth, closeTop, closeWidth, closeHeight);

    if (closeTop < 80)
        return;
    Place(wbbTester, 0, 0, w, closeTop - 80);
}

void frmTester::keyPressEvent(QKeyEvent *event)
{
    // The close button is also the cancel button.
    if (event->key() == Qt::Key_Escape) {
        cmmClose_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmTester::wbbTester_onkeydown(int keyCode, bool shift, bool ctrl, bool alt)
{
    TesterKey(keyCode, shift, ctrl, alt);
}

void frmTester::TesterKey(int keyCode, bool, bool, bool)
{
    if (keyCode == KeyEscape)
        cmmClose_Click();
}

void frmTester::cmmClose_Click()
{
    SaveTesterState();
    mdlLoad::UnloadForm(forms::frmTester);
}

void frmTester::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload();
    QDialog::closeEvent(event);
    // Every close unloads the window, so that the next opening loads it afresh.
    if (event->isAccepted() && forms::frmTester.loaded() == this)
        mdlLoad::UnloadForm(forms::frmTester);
}

void frmTester::Form_QueryUnload()
{
    SaveTesterState();
}

void frmTester::SaveTesterState()
{
    platform::forms::StoreRect(*this, StoredPosition());
    mdlLoad::TesterGroups.clear();
}
