#include "app/dialogs/frmTester.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadTesters.h"
#include "app/dialogs/TwipLayout.h"
#include "app/documents/mdlFileSave.h"
#include "app/mainwindow/frmMain.h"
#include "platform/forms/StoredRect.h"
#include "platform/keys/KeyCodes.h"
#include "platform/pages/PagePane.h"

#include <QPushButton>
#include <QRegularExpression>

namespace {

using TwipLayout::Pixels;
using TwipLayout::Place;
using TwipLayout::Twips;

// Designed sizes in twips.
constexpr int InnerWidth = 6525;
constexpr int InnerHeight = 4245;

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

frmTester::frmTester() : PageWindow(forms::frmMain.loaded(), forms::frmTester)
{
    setWindowTitle(QStringLiteral("Тестеры-сподвижники"));
    resize(Pixels(InnerWidth), Pixels(InnerHeight));

    wbbTester = platform::pages::CreatePagePane(picBox);
    connect(wbbTester, &platform::pages::PagePane::onkeydown, this, &frmTester::wbbTester_onkeydown);
    cmmClose = TwipLayout::Button(QStringLiteral("Закрыть"), picBox);
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
    if (const mdlLibrary::TextWritten written = mdlLibrary::FileWriteText(mdlLoad::TmpTesterHtm, PageTemplate);
        !written) {
        mdlFile::ReportFileWriteError(written.error, mdlLoad::TmpTesterHtm, this);
        return;
    }
    wbbTester->LoadDocument(mdlLoad::TmpTesterHtm);
    wbbTester->SetBaseURL(mdlLoad::SettingFolder);
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

void frmTester::Form_Activate()
{
    wbbTester->setFocus();
}

// The button at the lower right, the page above it across the width; each step needs room, and the first
// one without it leaves the rest as it was.
void frmTester::picBox_Resize()
{
    const std::optional<TwipLayout::Box> close = TwipLayout::PlaceLowerRight(cmmClose);
    if (!close || close->top < 80)
        return;
    Place(wbbTester, 0, 0, Twips(picBox->width()), close->top - 80);
}

void frmTester::wbbTester_onkeydown(int keyCode, bool shift, bool ctrl, bool alt)
{
    TesterKey(keyCode, shift, ctrl, alt);
}

void frmTester::TesterKey(int keyCode, bool, bool, bool)
{
    // Esc on the page closes the window as the button does.
    if (keyCode == platform::keys::VK_ESCAPE)
        cmmClose_Click();
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
