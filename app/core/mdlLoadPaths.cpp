#include "app/core/mdlLoad.h"

#include "app/core/mdlLibrary.h"

namespace mdlLoad {

void InitPaths(const QString &applicationPath)
{
    ProgramFolder = mdlLibrary::AsHostFolder(applicationPath);
    const QString &p = ProgramFolder;
    TmpFolder = p + "tmp/";
    ButtonsFolder = p + "buttons/";
    IconsFolder = p + "icons/";
    TabImagesFolder = p + "setting/";
    HelpFolder = p + "help/";
    PatternFolder = p + "pattern/";
    LanguageFolder = p + "language/";
    SettingFolder = p + "setting/";
    SettingIni = p + "setting.ini";
    UserIni = p + "user.ini";

    const QString &s = SettingFolder;
    const QString &t = TmpFolder;
    MoneyHtm = s + "money.htm";
    TmpMoneyHtm = t + "money.htm";
    AdviceIni = s + "advice.ini";
    TypefileIni = s + "typefile.ini";
    LanguageIni = s + "language.ini";
    CodeIni = s + "code.ini";
    HelpIni = s + "help.ini";
    NewfileIni = s + "newfile.ini";
    PatternIni = s + "pattern.ini";
    ColorIni = s + "color.ini";
    PhraseIni = s + "phrase.ini";
    SymbolIni = s + "symbol.ini";
    PanelIni = s + "panel.ini";
    ButtonIni = s + "button.ini";
    TesterIni = s + "tester.ini";
    ServerIni = s + "server.ini";
    AdviceHtm = s + "advice.htm";
    TmpAdviceHtm = t + "advice.htm";
    TesterFullHtm = s + "tester_full.htm";
    TesterGroupHtm = s + "tester_group.htm";
    TesterManHtm = s + "tester_man.htm";
    TmpTesterHtm = t + "tester.htm";
}

} // namespace mdlLoad

namespace mdlLoad {

QString CannotOpenMessage(const QString &name)
{
    return QStringLiteral("Не удается открыть файл:\r\n") + name +
           QStringLiteral("\r\nВозможно файл не существует\r\nили не является текстовым.");
}

} // namespace mdlLoad
