#include "app/core/mdlLoad.h"

#include "app/core/mdlLibrary.h"

#include <QLatin1StringView>

#include <cmath>
#include <limits>
#include <vector>

namespace mdlLoad {
namespace {

using mdlLibrary::TextEncoding;

// How a value is written and read back.
enum class Form {
    Boolean,
    Whole,
    WholeText, // a string that holds a whole number, kept as its decimal text
    Text,
    LowerText, // written in lower case
    GeometryX, // twips held, pixels stored; both axes have the same twips to a pixel
    GeometryY,
};

struct Key {
    QLatin1StringView section;
    QLatin1StringView name;
    Form form;
    bool *boolean = nullptr;
    int *whole = nullptr;
    QString *text = nullptr;
};

Key B(const char *section, const char *name, bool &v) { return {QLatin1StringView(section), QLatin1StringView(name), Form::Boolean, &v}; }
Key W(const char *section, const char *name, int &v) { return {QLatin1StringView(section), QLatin1StringView(name), Form::Whole, nullptr, &v}; }
Key X(const char *section, const char *name, int &v) { return {QLatin1StringView(section), QLatin1StringView(name), Form::GeometryX, nullptr, &v}; }
Key Y(const char *section, const char *name, int &v) { return {QLatin1StringView(section), QLatin1StringView(name), Form::GeometryY, nullptr, &v}; }
Key N(const char *section, const char *name, QString &v) { return {QLatin1StringView(section), QLatin1StringView(name), Form::WholeText, nullptr, nullptr, &v}; }
Key T(const char *section, const char *name, QString &v, Form form = Form::Text) { return {QLatin1StringView(section), QLatin1StringView(name), form, nullptr, nullptr, &v}; }

// Every key of setting.ini but the recent files, in the order the file is written.
const std::vector<Key> &SettingKeys()
{
    static const char *sp = "start_program", *sc = "setting_common", *se = "setting_edit", *vp = "view_panel",
                      *po = "position";
    static const std::vector<Key> keys = {
        B(sp, "file_creat", FileCreat), B(sp, "dialog_new", DialogNew), B(sp, "dialog_open", DialogOpen),
        B(sp, "dialog_advice", DialogAdvice), W(sp, "new_file", NewFile), W(sp, "advice_now", AdviceNow),

        T(sc, "path_open", PathOpen), T(sc, "path_save", PathSave), B(sc, "path_os_equal", PathOsEqual),
        T(sc, "typeview_open", TypeviewOpen), T(sc, "typeview_save", TypeviewSave),
        W(sc, "max_magazine", MaxMagazine), B(sc, "magazine_clear_start", MagazineClearStart),
        B(sc, "main_code1", MainCode1), B(sc, "main_code2", MainCode2), B(sc, "save_f2", SaveF2),
        B(sc, "status_fullpath", StatusFullpath), B(sc, "tabsfiles_top", TabsfilesTop),
        B(sc, "print_setup", PrintSetup), B(sc, "open_update", OpenUpdate), B(sc, "save_update", SaveUpdate),

        B(se, "view_space", ViewSpace), B(se, "view_space_reg", ViewSpaceReg),
        T(se, "color_pink", ColorPink, Form::LowerText), W(se, "save_code", SaveCode),
        B(se, "save_view", SaveView), B(se, "save_browser", SaveBrowser), B(se, "use_default_lng", UseDefaultLng),
        B(se, "view_tmpfile", ViewTmpfile), B(se, "browser_tmpfile", BrowserTmpfile),
        N(se, "filename_max", FilenameMax), B(se, "filetab_picture", FiletabPicture),
        W(se, "code_maxlen", CodeMaxlen), B(se, "server_view", ServerView), B(se, "server_browser", ServerBrowser),

        B(vp, "standart", ViewPanelStandart), B(vp, "servise", ViewPanelServise), B(vp, "tegs", ViewPanelTegs),
        B(vp, "files", ViewPanelFiles), B(vp, "status", ViewPanelStatus),

        W(po, "new_dialog", NewDialog), W(po, "open_dialog", OpenDialog), W(po, "save_dialog", SaveDialog),
        W(po, "panel_buttons", PanelButtons), W(po, "panel_servis", PanelServis),
        X(po, "magazine_name", MagazineName), X(po, "magazine_path", MagazinePath),
        N(po, "filter_main", FilterMain), N(po, "code1_main", Code1Main), N(po, "code2_main", Code2Main),
        B(po, "edit_maxform", EditMaxform), B(po, "form_maxsize", FormMaxsize),
        X(po, "form_left", FormLeft), Y(po, "form_top", FormTop), X(po, "form_width", FormWidth),
        Y(po, "form_height", FormHeight), X(po, "servise_width", ServiseWidth), Y(po, "servise_height", ServiseHeight),
        X(po, "filenew_left", FilenewLeft), Y(po, "filenew_top", FilenewTop),
        X(po, "filenew_width", FilenewWidth), Y(po, "filenew_height", FilenewHeight),
        X(po, "fileopen_left", FileopenLeft), Y(po, "fileopen_top", FileopenTop),
        X(po, "fileopen_width", FileopenWidth), Y(po, "fileopen_height", FileopenHeight),
        X(po, "filesave_left", FilesaveLeft), Y(po, "filesave_top", FilesaveTop),
        X(po, "filesave_width", FilesaveWidth), Y(po, "filesave_height", FilesaveHeight),
        X(po, "advice_left", AdviceLeft), Y(po, "advice_top", AdviceTop),
        X(po, "advice_width", AdviceWidth), Y(po, "advice_height", AdviceHeight),
        X(po, "code_left", CodeLeft), Y(po, "code_top", CodeTop), X(po, "code_width", CodeWidth),
        Y(po, "code_height", CodeHeight),
        X(po, "tester_left", TesterLeft), Y(po, "tester_top", TesterTop),
        X(po, "tester_width", TesterWidth), Y(po, "tester_height", TesterHeight),
    };
    return keys;
}

const QLatin1StringView OpenFileSection("open_file");

struct DialogRect {
    int &left, &top, &width, &height;
};

std::vector<DialogRect> DialogRects()
{
    return {{FilenewLeft, FilenewTop, FilenewWidth, FilenewHeight},
            {FileopenLeft, FileopenTop, FileopenWidth, FileopenHeight},
            {FilesaveLeft, FilesaveTop, FilesaveWidth, FilesaveHeight},
            {AdviceLeft, AdviceTop, AdviceWidth, AdviceHeight},
            {CodeLeft, CodeTop, CodeWidth, CodeHeight},
            {TesterLeft, TesterTop, TesterWidth, TesterHeight}};
}

void SetDefaults()
{
    FileCreat = true;
    DialogNew = DialogOpen = DialogAdvice = false;
    NewFile = 1;
    AdviceNow = 0;

    PathOpen.clear();
    PathSave.clear();
    PathOsEqual = false;
    TypeviewOpen = TypeviewSave = QStringLiteral("list");
    MaxMagazine = 10;
    MagazineClearStart = false;
    MainCode1 = MainCode2 = SaveF2 = StatusFullpath = true;
    TabsfilesTop = false;
    PrintSetup = true;
    OpenUpdate = SaveUpdate = false;

    ViewSpace = false;
    ViewSpaceReg = true;
    ColorPink = QStringLiteral("#ffffff");
    SaveCode = 2;
    SaveView = SaveBrowser = false;
    UseDefaultLng = true;
    ViewTmpfile = BrowserTmpfile = false;
    FilenameMax = QStringLiteral("30");
    FiletabPicture = true;
    CodeMaxlen = 3000;
    ServerView = ServerBrowser = true;

    ViewPanelStandart = ViewPanelServise = ViewPanelTegs = ViewPanelFiles = ViewPanelStatus = true;

    NewDialog = OpenDialog = SaveDialog = PanelButtons = PanelServis = 1;
    MagazineName = platform::forms::Twips(150);
    MagazinePath = platform::forms::Twips(258);
    FilterMain = Code1Main = Code2Main = QStringLiteral("0");
    EditMaxform = false;
    FormMaxsize = true;
    FormLeft = FormTop = 0;
    FormWidth = Screen.ScreenWidth;
    FormHeight = Screen.ScreenHeight;
    ServiseWidth = platform::forms::Twips(180);
    ServiseHeight = platform::forms::Twips(210);
    const int left = (Screen.ScreenWidth - 6750) / 2;
    const int top = (Screen.ScreenHeight - 5000) / 2;
    for (DialogRect r : DialogRects()) {
        r.left = left;
        r.top = top;
        r.width = 6750;
        r.height = 5000;
    }
    TesterLeft = left - 1000;
    TesterTop = top - 500;
    TesterWidth = 6750 + 2000;
    TesterHeight = 5000 + 1000;
}

std::optional<int> ToTwips(const QString &value)
{
    const std::optional<double> pixels = mdlLibrary::ToNumber(value);
    if (!pixels)
        return std::nullopt;
    const double twips = std::nearbyint(*pixels * platform::forms::TwipsPerPixel);
    if (twips < std::numeric_limits<int>::min() || twips > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(twips);
}

// Converts `value` into the key's variable; a value that does not convert leaves it as it was.
void ReadValue(const Key &key, const QString &value)
{
    switch (key.form) {
    case Form::Boolean:
        if (const auto v = mdlLibrary::ToBoolean(value))
            *key.boolean = *v;
        break;
    case Form::Whole:
        if (const auto v = mdlLibrary::ToWholeNumber(value))
            *key.whole = *v;
        break;
    case Form::WholeText:
        if (const auto v = mdlLibrary::ToWholeNumber(value))
            *key.text = QString::number(*v);
        break;
    case Form::Text:
    case Form::LowerText:
        *key.text = value;
        break;
    case Form::GeometryX:
    case Form::GeometryY:
        if (const auto v = ToTwips(value))
            *key.whole = *v;
        break;
    }
}

QString WriteValue(const Key &key)
{
    switch (key.form) {
    case Form::Boolean: return BoolToStr(*key.boolean);
    case Form::Whole: return QString::number(*key.whole);
    case Form::WholeText:
    case Form::Text: return *key.text;
    case Form::LowerText: return key.text->toLower();
    case Form::GeometryX:
    case Form::GeometryY: return QString::number(platform::forms::PixelsTowardZero(*key.whole));
    }
    return {};
}

void AddToMagazineFromFile(const QString &value)
{
    const QString path = value.isEmpty() ? value : mdlLibrary::OutsidePath(value, ProgramFolder);
    Magazine.append({mdlLibrary::GetFileNameOf(path), mdlLibrary::GetFolderOf(path)});
}

// A "key=value" line: the key before the first "=", the value behind it, both without outer spaces.
// Nothing for a line without "=" or one that begins with it.
std::optional<std::pair<QString, QString>> SplitKeyLine(const QString &line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 1)
        return std::nullopt;
    return std::make_pair(mdlLibrary::TrimSpaces(line.left(eq)), mdlLibrary::TrimSpaces(line.mid(eq + 1)));
}

void ClampBelow(int &value, int low) { if (value < low) value = low; }
void ClampAbove(int &value, int high) { if (value > high) value = high; }

void ClampWholeText(QString &text, int low, std::optional<int> high = std::nullopt)
{
    const int value = mdlLibrary::ToWholeNumber(text).value_or(0);
    if (value < low)
        text = QString::number(low);
    else if (high && value > *high)
        text = QString::number(*high);
}

void RepairTypeview(QString &view)
{
    if (view != u"icons" && view != u"small" && view != u"detals")
        view = QStringLiteral("list");
}

} // namespace

QString BoolToStr(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

void LoadSettings(const QString &path)
{
    SetDefaults();
    Magazine.clear();
    if (!mdlLibrary::IsTextFile(path))
        return;

    QString section;
    const QStringList lines = mdlLibrary::SplitLines(mdlLibrary::FileReadText(path, TextEncoding::Utf8));
    for (const QString &line : lines) {
        const QString trimmed = mdlLibrary::TrimSpaces(line);
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            section = trimmed.mid(1, trimmed.size() - 2);
            continue;
        }
        const auto keyLine = SplitKeyLine(line);
        if (!keyLine)
            continue;
        const auto &[name, value] = *keyLine;
        if (section == OpenFileSection) {
            if (name == u"file")
                AddToMagazineFromFile(value);
            continue;
        }
        for (const Key &key : SettingKeys()) {
            if (key.section == section && key.name == name) {
                ReadValue(key, value);
                break;
            }
        }
    }
}

void ValidateSettings()
{
    if (MagazineClearStart)
        Magazine.clear();

    ClampBelow(NewFile, 0);
    ClampBelow(AdviceNow, 0);
    RepairTypeview(TypeviewOpen);
    RepairTypeview(TypeviewSave);
    ClampBelow(MaxMagazine, MaxMagazineRange.Low);
    ClampAbove(MaxMagazine, MaxMagazineRange.High);
    if (!mdlLibrary::IsColorString(ColorPink))
        ColorPink = QStringLiteral("#ffffff");
    if (SaveCode < 1 || SaveCode > 3)
        SaveCode = 2;
    ClampWholeText(FilenameMax, FilenameMaxRange.Low, FilenameMaxRange.High);
    ClampBelow(CodeMaxlen, CodeMaxlenRange.Low);
    ClampAbove(CodeMaxlen, CodeMaxlenRange.High);
    if (NewDialog < 1 || NewDialog > 2)
        NewDialog = 1;
    if (OpenDialog < 1 || OpenDialog > 2)
        OpenDialog = 1;
    if (SaveDialog != 1)
        SaveDialog = 1;
    ClampBelow(PanelButtons, 1);
    if (PanelServis < 1 || PanelServis > 4)
        PanelServis = 1;
    for (int *width : {&MagazineName, &MagazinePath}) {
        ClampBelow(*width, 0);
        ClampAbove(*width, platform::forms::Twips(500));
    }
    for (QString *position : {&FilterMain, &Code1Main, &Code2Main})
        ClampWholeText(*position, 0);

    ClampBelow(FormLeft, 0);
    ClampBelow(FormTop, 0);
    if (FormWidth < 1)
        FormWidth = Screen.ScreenWidth;
    if (FormHeight < 1)
        FormHeight = Screen.ScreenHeight;
    // The window's own size decides here, not the screen's: a window placed past its own width is lost.
    if (FormLeft >= FormWidth - 300) {
        FormLeft = 0;
        FormWidth = Screen.ScreenWidth;
        FormMaxsize = true;
    }
    if (FormTop >= FormHeight - 300) {
        FormTop = 0;
        FormHeight = Screen.ScreenHeight;
        FormMaxsize = true;
    }

    ClampBelow(ServiseWidth, 2250);
    ClampAbove(ServiseWidth, Screen.MainScaleWidth - 2250);
    ClampBelow(ServiseHeight, 700);
    ClampAbove(ServiseHeight, Screen.MainScaleHeight - 1050);

    for (DialogRect r : DialogRects())
        for (int *v : {&r.left, &r.top, &r.width, &r.height})
            ClampBelow(*v, 0);
}

void LoadUserIni(const QString &path)
{
    StartCount = 0;
    Updated = false;
    Viewform = true;
    if (mdlLibrary::IsTextFile(path)) {
        const QStringList lines = mdlLibrary::SplitLines(mdlLibrary::FileReadText(path, TextEncoding::Utf8));
        for (const QString &line : lines) {
            const auto keyLine = SplitKeyLine(line);
            if (!keyLine)
                continue;
            const auto &[name, value] = *keyLine;
            if (name == u"start_count") {
                if (const auto v = mdlLibrary::ToWholeNumber(value))
                    StartCount = *v;
            } else if (name == u"updated") {
                if (const auto v = mdlLibrary::ToBoolean(value))
                    Updated = *v;
            } else if (name == u"viewform") {
                if (const auto v = mdlLibrary::ToBoolean(value))
                    Viewform = *v;
            }
        }
    }
    if (StartCount > 100000 || StartCount < 0)
        StartCount = 0;
    ++StartCount;
}

QString SettingIniText()
{
    QStringList sections;
    QStringList openFile = {QStringLiteral("[open_file]")};
    const int kept = std::max(0, MaxMagazine);
    for (int i = std::max(1, Magazine.count() - kept + 1); i <= Magazine.count(); ++i)
        openFile.append(QStringLiteral("file=") + Magazine[i].Second + Magazine[i].First);
    sections.append(openFile.join(QStringLiteral("\r\n")));

    QLatin1StringView current;
    QStringList lines;
    for (const Key &key : SettingKeys()) {
        if (key.section != current) {
            if (!lines.isEmpty())
                sections.append(lines.join(QStringLiteral("\r\n")));
            current = key.section;
            lines = {u'[' + QString(current) + u']'};
        }
        lines.append(QString(key.name) + u'=' + WriteValue(key));
    }
    sections.append(lines.join(QStringLiteral("\r\n")));
    return sections.join(QStringLiteral("\r\n\r\n"));
}

QString UserIniText()
{
    return QStringLiteral("start_count=") + QString::number(StartCount) + QStringLiteral("\r\nupdated=") +
           BoolToStr(Updated) + QStringLiteral("\r\nviewform=") + BoolToStr(Viewform);
}

mdlLibrary::TextWritten SaveSettingIni(const QString &path)
{
    return mdlLibrary::FileWriteText(path, SettingIniText(), TextEncoding::Utf8);
}

mdlLibrary::TextWritten SaveUserIni(const QString &path)
{
    return mdlLibrary::FileWriteText(path, UserIniText(), TextEncoding::Utf8);
}

} // namespace mdlLoad
