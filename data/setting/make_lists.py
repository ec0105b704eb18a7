#!/usr/bin/env python3
"""Writes the work panel's trees (phrase.ini, color.ini, symbol.ini), the server mappings (server.ini),
the testers list (tester.ini), the tips (advice.ini) and the page templates of the tips window and the
testers page (advice.htm, tester_full.htm, tester_group.htm, tester_man.htm).

Tree files mark a node by its first characters: "+" a group and "-" an item at level 1, three more
blanks in front for each level below. A phrase's text lines follow its node line and start with one
tab, two from level 3 on. A colour or symbol item is value|caption on its node line.

All files are Windows-1251 text with CR LF line ends.
Run from anywhere: python3 make_lists.py
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))

# ---- phrase.ini --------------------------------------------------------------------------------------
# (level, caption, text or None for a group); ".." in a text is where the selection goes.

DOCTYPE_401 = '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN" "http://www.w3.org/TR/html4/strict.dtd">'
DOCTYPE_XHTML = ('<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN" '
                 '"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd">')
CHARSET = '<meta http-equiv="Content-Type" content="text/html; charset=windows-1251">'

PHRASES = [
    (1, "Страница", None),
    (2, "Каркас страницы HTML 4.01", f"""{DOCTYPE_401}
<html>
<head>
{CHARSET}
<title>Новая страница</title>
</head>
<body>
..
</body>
</html>"""),
    (2, "Каркас страницы XHTML 1.0", f"""<?xml version="1.0" encoding="windows-1251"?>
{DOCTYPE_XHTML}
<html xmlns="http://www.w3.org/1999/xhtml" xml:lang="ru" lang="ru">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1251" />
<title>Новая страница</title>
</head>
<body>
..
</body>
</html>"""),
    (2, "Страница из двух колонок", f"""{DOCTYPE_401}
<html>
<head>
{CHARSET}
<title>Новая страница</title>
<style type="text/css">
#menu {{ float: left; width: 200px; }}
#content {{ margin-left: 220px; }}
</style>
</head>
<body>
<div id="menu">
<ul>
<li><a href="index.html">Главная</a></li>
</ul>
</div>
<div id="content">
..
</div>
</body>
</html>"""),
    (1, "Метатеги", None),
    (2, "Кодировка windows-1251", CHARSET),
    (2, "Кодировка UTF-8", '<meta http-equiv="Content-Type" content="text/html; charset=utf-8">'),
    (2, "Ключевые слова", '<meta name="keywords" content="..">'),
    (2, "Описание страницы", '<meta name="description" content="..">'),
    (2, "Автор", '<meta name="author" content="..">'),
    (2, "Поисковым роботам", None),
    (3, "Индексировать всё", '<meta name="robots" content="index, follow">'),
    (3, "Не индексировать", '<meta name="robots" content="noindex, nofollow">'),
    (2, "Перейти на другую страницу", '<meta http-equiv="refresh" content="5; url=..">'),
    (1, "Таблицы", None),
    (2, "Таблица 2 на 2", """<table border="1" cellspacing="0" cellpadding="4">
<tr>
\t<td>..</td>
\t<td></td>
</tr>
<tr>
\t<td></td>
\t<td></td>
</tr>
</table>"""),
    (2, "Таблица с заголовком", """<table border="1" cellspacing="0" cellpadding="4">
<caption>..</caption>
<tr>
\t<th>Столбец 1</th>
\t<th>Столбец 2</th>
</tr>
<tr>
\t<td></td>
\t<td></td>
</tr>
</table>"""),
    (2, "Строки и ячейки", None),
    (3, "Строка из двух ячеек", "<tr>\n\t<td>..</td>\n\t<td></td>\n</tr>"),
    (3, "Ячейка на две колонки", '<td colspan="2">..</td>'),
    (3, "Ячейка на две строки", '<td rowspan="2">..</td>'),
    (1, "Формы", None),
    (2, "Форма поиска", """<form action="" method="get">
<input type="text" name="q" value="">
<input type="submit" value="Найти">
</form>"""),
    (2, "Форма обратной связи", """<form action="" method="post">
<p><label for="name">Имя:</label><br>
<input type="text" id="name" name="name" size="40"></p>
<p><label for="email">Почтовый адрес:</label><br>
<input type="text" id="email" name="email" size="40"></p>
<p><label for="message">Сообщение:</label><br>
<textarea id="message" name="message" rows="6" cols="40"></textarea></p>
<p><input type="submit" value="Отправить"> <input type="reset" value="Очистить"></p>
</form>"""),
    (2, "Список выбора", """<select name="">
\t<option value="1" selected>..</option>
\t<option value="2"></option>
</select>"""),
    (1, "Сценарии", None),
    (2, "Блок сценария", '<script type="text/javascript">\n..\n</script>'),
    (2, "Подключить файл сценария", '<script type="text/javascript" src=".."></script>'),
    (2, "Действие после загрузки страницы", """<script type="text/javascript">
window.onload = function () {
\t..
};
</script>"""),
    (2, "Ссылка, открывающая окно", """<a href="page.html" onclick="window.open(this.href, '', 'width=600,height=400'); return false;">..</a>"""),
    (1, "Стили", None),
    (2, "Блок стилей", '<style type="text/css">\n..\n</style>'),
    (2, "Подключить таблицу стилей", '<link rel="stylesheet" type="text/css" href="..">'),
    (2, "Стиль в теге", 'style=".."'),
    (1, "Комментарии", None),
    (2, "Комментарий HTML", "<!-- .. -->"),
    (2, "Комментарий CSS и JavaScript", "/* .. */"),
    (2, "Условный комментарий для Internet Explorer", "<!--[if IE]>\n..\n<![endif]-->"),
]


def phrase_lines():
    lines = []
    for level, caption, text in PHRASES:
        lines.append("   " * (level - 1) + ("+" if text is None else "-") + caption)
        indent = "\t" if level <= 2 else "\t\t"
        if text is not None:
            lines += [indent + line for line in text.split("\n")]
    return lines


# ---- color.ini ---------------------------------------------------------------------------------------

BASIC = [("black", "000000"), ("silver", "C0C0C0"), ("gray", "808080"), ("white", "FFFFFF"),
         ("maroon", "800000"), ("red", "FF0000"), ("purple", "800080"), ("fuchsia", "FF00FF"),
         ("green", "008000"), ("lime", "00FF00"), ("olive", "808000"), ("yellow", "FFFF00"),
         ("navy", "000080"), ("blue", "0000FF"), ("teal", "008080"), ("aqua", "00FFFF")]

NAMED = [
    ("Красные", [("indianred", "CD5C5C"), ("lightcoral", "F08080"), ("salmon", "FA8072"),
                 ("darksalmon", "E9967A"), ("lightsalmon", "FFA07A"), ("crimson", "DC143C"), ("red", "FF0000"),
                 ("firebrick", "B22222"), ("darkred", "8B0000")]),
    ("Розовые", [("pink", "FFC0CB"), ("lightpink", "FFB6C1"), ("hotpink", "FF69B4"), ("deeppink", "FF1493"),
                 ("mediumvioletred", "C71585"), ("palevioletred", "DB7093")]),
    ("Оранжевые", [("coral", "FF7F50"), ("tomato", "FF6347"), ("orangered", "FF4500"),
                   ("darkorange", "FF8C00"), ("orange", "FFA500")]),
    ("Жёлтые", [("gold", "FFD700"), ("yellow", "FFFF00"), ("lightyellow", "FFFFE0"),
                ("lemonchiffon", "FFFACD"), ("lightgoldenrodyellow", "FAFAD2"), ("papayawhip", "FFEFD5"),
                ("moccasin", "FFE4B5"), ("peachpuff", "FFDAB9"), ("palegoldenrod", "EEE8AA"),
                ("khaki", "F0E68C"), ("darkkhaki", "BDB76B")]),
    ("Фиолетовые", [("lavender", "E6E6FA"), ("thistle", "D8BFD8"), ("plum", "DDA0DD"), ("violet", "EE82EE"),
                    ("orchid", "DA70D6"), ("fuchsia", "FF00FF"), ("magenta", "FF00FF"),
                    ("mediumorchid", "BA55D3"), ("mediumpurple", "9370DB"), ("blueviolet", "8A2BE2"),
                    ("darkviolet", "9400D3"), ("darkorchid", "9932CC"), ("darkmagenta", "8B008B"),
                    ("purple", "800080"), ("indigo", "4B0082"), ("slateblue", "6A5ACD"),
                    ("darkslateblue", "483D8B"), ("mediumslateblue", "7B68EE")]),
    ("Зелёные", [("greenyellow", "ADFF2F"), ("chartreuse", "7FFF00"), ("lawngreen", "7CFC00"),
                 ("lime", "00FF00"), ("limegreen", "32CD32"), ("palegreen", "98FB98"), ("lightgreen", "90EE90"),
                 ("mediumspringgreen", "00FA9A"), ("springgreen", "00FF7F"), ("mediumseagreen", "3CB371"),
                 ("seagreen", "2E8B57"), ("forestgreen", "228B22"), ("green", "008000"),
                 ("darkgreen", "006400"), ("yellowgreen", "9ACD32"), ("olivedrab", "6B8E23"),
                 ("olive", "808000"), ("darkolivegreen", "556B2F"), ("mediumaquamarine", "66CDAA"),
                 ("darkseagreen", "8FBC8F"), ("lightseagreen", "20B2AA"), ("darkcyan", "008B8B"),
                 ("teal", "008080")]),
    ("Голубые", [("aqua", "00FFFF"), ("cyan", "00FFFF"), ("lightcyan", "E0FFFF"), ("paleturquoise", "AFEEEE"),
                 ("aquamarine", "7FFFD4"), ("turquoise", "40E0D0"), ("mediumturquoise", "48D1CC"),
                 ("darkturquoise", "00CED1"), ("cadetblue", "5F9EA0"), ("steelblue", "4682B4"),
                 ("lightsteelblue", "B0C4DE"), ("powderblue", "B0E0E6"), ("lightblue", "ADD8E6"),
                 ("skyblue", "87CEEB"), ("lightskyblue", "87CEFA"), ("deepskyblue", "00BFFF"),
                 ("dodgerblue", "1E90FF"), ("cornflowerblue", "6495ED"), ("royalblue", "4169E1")]),
    ("Синие", [("blue", "0000FF"), ("mediumblue", "0000CD"), ("darkblue", "00008B"), ("navy", "000080"),
               ("midnightblue", "191970")]),
    ("Коричневые", [("cornsilk", "FFF8DC"), ("blanchedalmond", "FFEBCD"), ("bisque", "FFE4C4"),
                    ("navajowhite", "FFDEAD"), ("wheat", "F5DEB3"), ("burlywood", "DEB887"), ("tan", "D2B48C"),
                    ("rosybrown", "BC8F8F"), ("sandybrown", "F4A460"), ("goldenrod", "DAA520"),
                    ("darkgoldenrod", "B8860B"), ("peru", "CD853F"), ("chocolate", "D2691E"),
                    ("saddlebrown", "8B4513"), ("sienna", "A0522D"), ("brown", "A52A2A"), ("maroon", "800000")]),
    ("Белые", [("white", "FFFFFF"), ("snow", "FFFAFA"), ("honeydew", "F0FFF0"), ("mintcream", "F5FFFA"),
               ("azure", "F0FFFF"), ("aliceblue", "F0F8FF"), ("ghostwhite", "F8F8FF"), ("whitesmoke", "F5F5F5"),
               ("seashell", "FFF5EE"), ("beige", "F5F5DC"), ("oldlace", "FDF5E6"), ("floralwhite", "FFFAF0"),
               ("ivory", "FFFFF0"), ("antiquewhite", "FAEBD7"), ("linen", "FAF0E6"),
               ("lavenderblush", "FFF0F5"), ("mistyrose", "FFE4E1")]),
    ("Серые", [("gainsboro", "DCDCDC"), ("lightgrey", "D3D3D3"), ("silver", "C0C0C0"), ("darkgray", "A9A9A9"),
               ("gray", "808080"), ("dimgray", "696969"), ("lightslategray", "778899"), ("slategray", "708090"),
               ("darkslategray", "2F4F4F"), ("black", "000000")]),
]

PASTEL = [("нежно-розовый", "FFD1DC"), ("персиковый", "FFE5B4"), ("ванильный", "F3E5AB"),
          ("мятный", "C8F0D0"), ("небесный", "CDE6F7"), ("лавандовый", "E3DAF5"), ("песочный", "EEDFC8"),
          ("жемчужный", "F0EEE9")]

SAFE = ["00", "33", "66", "99", "CC", "FF"]


def color_lines():
    lines = ["+Основные цвета HTML"]
    lines += [f"   -#{value}|{name}" for name, value in BASIC]
    lines.append("+Все именованные цвета")
    for group, colours in NAMED:
        lines.append(f"   +{group}")
        lines += [f"      -#{value}|{name}" for name, value in colours]
    lines.append("+Безопасная веб-палитра")
    for red in SAFE:
        lines.append(f"   +Красный {red}")
        lines += [f"      -#{red}{green}{blue}|#{red}{green}{blue}" for green in SAFE for blue in SAFE]
    lines.append("+Оттенки серого")
    lines += [f"   -#{level:02X}{level:02X}{level:02X}|#{level:02X}{level:02X}{level:02X}" for level in range(0, 256, 17)]
    lines.append("+Пастельные тона")
    lines += [f"   -#{value}|{name}" for name, value in PASTEL]
    return lines


# ---- symbol.ini --------------------------------------------------------------------------------------
# An item's value is what goes into the page; a "|" in it is written %v.

SYMBOLS = [
    ("Кавычки", [("&laquo;", "« открывающая кавычка-ёлочка"), ("&raquo;", "» закрывающая кавычка-ёлочка"),
                 ("&bdquo;", "„ открывающая кавычка-лапка"), ("&ldquo;", "“ закрывающая кавычка-лапка"),
                 ("&rdquo;", "” английская закрывающая кавычка"), ("&lsquo;", "‘ одиночная открывающая кавычка"),
                 ("&rsquo;", "’ апостроф, одиночная закрывающая кавычка"), ("&quot;", "\" прямая кавычка")]),
    ("Тире и пробелы", [("&mdash;", "— тире"), ("&ndash;", "– короткое тире (1941–1945)"), ("&minus;", "минус"),
                        ("&hellip;", "… многоточие"), ("&nbsp;", "неразрывный пробел"),
                        ("&thinsp;", "узкий пробел"), ("&shy;", "мягкий перенос")]),
    ("Знаки", [("&#8470;", "№ номер"), ("&sect;", "§ параграф"), ("&copy;", "© авторское право"),
               ("&reg;", "® зарегистрированный товарный знак"), ("&trade;", "™ товарный знак"),
               ("&deg;", "° градус"), ("&para;", "¶ абзац"), ("&middot;", "· точка посередине"),
               ("&bull;", "• маркер списка"), ("&dagger;", "† крестик"), ("&Dagger;", "‡ двойной крестик"),
               ("&permil;", "‰ промилле"), ("&micro;", "µ микро")]),
    ("Стрелки", [("&larr;", "стрелка влево"), ("&rarr;", "стрелка вправо"), ("&uarr;", "стрелка вверх"),
                 ("&darr;", "стрелка вниз"), ("&harr;", "стрелка влево и вправо"),
                 ("&lArr;", "двойная стрелка влево"), ("&rArr;", "двойная стрелка вправо"),
                 ("&hArr;", "двойная стрелка влево и вправо")]),
    ("Денежные знаки", [("&#8381;", "рубль"), ("&euro;", "€ евро"), ("$", "$ доллар"),
                        ("&pound;", "фунт стерлингов"), ("&yen;", "иена"), ("&cent;", "цент"),
                        ("&curren;", "¤ знак валюты")]),
    ("Математика", [("&plusmn;", "± плюс-минус"), ("&times;", "умножить"), ("&divide;", "разделить"),
                    ("&le;", "меньше или равно"), ("&ge;", "больше или равно"), ("&ne;", "не равно"),
                    ("&asymp;", "приблизительно равно"), ("&infin;", "бесконечность"), ("&sum;", "сумма"),
                    ("&radic;", "квадратный корень"), ("&frac12;", "одна вторая"), ("&frac14;", "одна четвёртая"),
                    ("&frac34;", "три четвёртых"), ("&sup2;", "в квадрате"), ("&sup3;", "в кубе"),
                    ("&pi;", "число пи")]),
    ("Знаки разметки", [("&lt;", "< меньше, начало тега"), ("&gt;", "> больше, конец тега"),
                        ("&amp;", "& амперсанд"), ("&#39;", "' апостроф"), ("|", "вертикальная черта")]),
]


def symbol_lines():
    lines = []
    for group, items in SYMBOLS:
        lines.append("+" + group)
        lines += ["   -" + value.replace("%", "%p").replace("|", "%v") + "|" + caption for value, caption in items]
    return lines


# ---- server.ini, tester.ini --------------------------------------------------------------------------

SERVER = """; Адреса, под которыми веб-сервер публикует ваши папки. С ними просмотр страницы
; (в окне документа или во внешнем браузере) идёт через сервер, если это включено в параметрах.
; [path_to_url]: локальная папка|адрес, который её заменяет;
; [in_path]: текст в пути к файлу|чем его заменить;
; [in_url]: текст в полученном адресе|чем его заменить.
; Строка, которая начинается с точки с запятой, не действует. Пример для папки public_html:
[path_to_url]
;/home/user/public_html/|http://localhost/~user/
[in_path]
[in_url]"""

TESTER = """[group]
authors|Авторы программы
testers|Тестирование и предложения
[man]
authors|Разработчики Marrowin Vellicor|mailto:author@vellicor.example.org|http://vellicor.example.org/
testers|Группа тестирования|testers@vellicor.example.org|vellicor.example.org/testers/
testers|Гостевая книга программы|author@vellicor.example.org|vellicor.example.org/guestbook/"""

# ---- advice.ini --------------------------------------------------------------------------------------
# Title, then the text lines, which the page runs together as one paragraph; both go into the tips page
# as HTML.

ADVICES = [
    ("Панель тегов", [
        "Кнопки тегов собраны на вкладках: текст, заголовки и блоки, ссылки и рисунки, списки, таблицы,",
        "формы, фреймы и заголовок страницы.",
        "Кнопка обрамляет выделенный текст открывающим и закрывающим тегом, а если ничего не выделено,",
        "вставляет оба тега рядом. Подсказка кнопки называет тег, который она вставляет."]),
    ("Свои кнопки тегов", [
        "Каждая кнопка &mdash; строка файла <b>setting/button.ini</b>: номер, рисунок из папки <b>buttons</b>,",
        "подсказка, текст перед выделением, текст на месте пустого выделения и текст после него.",
        "Чтобы кнопка появилась на вкладке, добавьте её номер в строку вкладки в <b>setting/panel.ini</b>.",
        "Списки читаются при запуске программы."]),
    ("Теги с клавиатуры", [
        "<b>Ctrl+B</b> &mdash; &lt;b&gt;, <b>Ctrl+Shift+A</b> &mdash; ссылка, <b>Ctrl+Shift+D</b> &mdash; &lt;div&gt;,",
        "<b>Ctrl+Shift+C</b> &mdash; &lt;center&gt;, <b>Ctrl+Shift+M</b> &mdash; комментарий.",
        "<b>Ctrl+,</b> заключает выделенное имя тега в угловые скобки открывающего тега (&lt;b&gt;),",
        "а <b>Ctrl+.</b> &mdash; закрывающего (&lt;/b&gt;)."]),
    ("Перевод строки и неразрывный пробел", [
        "<b>Ctrl+Enter</b> вставляет &lt;br&gt;, а <b>Ctrl+Пробел</b> &mdash; &amp;nbsp;."]),
    ("Автотекст", [
        "На левой панели есть дерево автотекста: двойной щелчок вставляет в документ готовый фрагмент &mdash;",
        "каркас страницы, метатеги, таблицу, форму, сценарий.",
        "Если во фрагменте есть две точки подряд, выделенный текст окажется на их месте.",
        "Свои фрагменты добавьте в файл <b>setting/phrase.ini</b>."]),
    ("Дерево цветов", [
        "Двойной щелчок по цвету вставляет его код, например #FF0000.",
        "Правая кнопка мыши открывает меню, где можно вставить и название цвета.",
        "Любой другой цвет поможет подобрать команда <b>Сервис &rarr; Выбрать HTML-цвет...</b>"]),
    ("Специальные символы", [
        "Кавычки-ёлочки, тире, знак номера, стрелки, денежные знаки и математические символы",
        "вставляются из дерева символов в виде мнемоник HTML, например &amp;laquo; и &amp;mdash;,",
        "и выглядят одинаково в любой кодировке страницы."]),
    ("Кодировки", [
        "В окне открытия файла и на панели файлов можно указать кодировку файла и кодировку,",
        "в которой его показать.",
        "Команда <b>Сервис &rarr; Изменить кодировку...</b> переводит документ в другую кодировку."]),
    ("Не та раскладка клавиатуры", [
        "Набрали текст, забыв переключить раскладку? Выделите его и нажмите <b>Shift+F1</b>",
        "(<b>Вид &rarr; Регистр текста &rarr; Переключить алфавит</b>).",
        "Там же транслитерация (<b>Shift+F2</b>), ВЕРХНИЙ (<b>Shift+F3</b>) и нижний (<b>Shift+F4</b>) регистр."]),
    ("Лишние пробелы", [
        "Меню <b>Вид &rarr; Удаление пробелов</b> убирает в выделенном тексте двойные пробелы (<b>Ctrl+F1</b>),",
        "пробелы в начале строк (<b>Ctrl+F2</b>) и в конце строк (<b>Ctrl+F3</b>)."]),
    ("Комментарий", [
        "<b>Ctrl+/</b> превращает выделенные строки в комментарий того языка, на котором написан документ:",
        "HTML, CSS, JavaScript, PHP или Perl."]),
    ("Переключение между документами", [
        "<b>Ctrl+Tab</b> и <b>Ctrl+Shift+Tab</b> переходят к следующему и предыдущему документу,",
        "а <b>Ctrl+1</b>&hellip;<b>Ctrl+9</b> &mdash; к документу на вкладке с этим номером."]),
    ("Журнал", [
        "Недавно открытые файлы собраны в журнале: <b>Файл &rarr; Из журнала</b>",
        "и вкладка <b>Журнал</b> окна открытия файла."]),
    ("Просмотр страницы", [
        "Страницу можно посмотреть, не выходя из редактора: щёлкните в тексте правой кнопкой мыши",
        "и выберите <b>Режим просмотра</b>. Её можно открыть и во внешнем браузере."]),
    ("Просмотр через веб-сервер", [
        "Если ваши страницы публикует веб-сервер, впишите в <b>setting/server.ini</b> папку и адрес,",
        "под которым сервер её показывает, &mdash; и страница откроется через сервер,",
        "со всеми его сценариями. Сопоставление включается в <b>Сервис &rarr; Параметры...</b>"]),
    ("Вставка из файла", [
        "<b>Сервис &rarr; Вставить из файла...</b> вставляет в документ текст другого файла."]),
    ("Эти советы", [
        "Окно советов открывается из меню <b>Сервис &rarr; Полезные советы</b>.",
        "Снимите флажок внизу окна, если не хотите видеть его при каждом запуске.",
        "Свои советы можно дописать в файл <b>setting/advice.ini</b>."]),
]


def advice_lines():
    lines = []
    for title, text in ADVICES:
        lines.append(title)
        lines += ["\t" + line for line in text]
    return lines


# ---- Page templates ----------------------------------------------------------------------------------

STYLE = """body { margin: 12px 16px; font-family: Arial, sans-serif; font-size: 9pt; color: #1f2d44; background: #f4f6fa; }
h1 { margin: 0 0 8px 0; font-size: 13pt; color: #284a7a; border-bottom: 2px solid #e8a030; padding-bottom: 4px; }"""

ADVICE_HTM = f"""{DOCTYPE_401}
<html>
<head>
{CHARSET}
<title>Полезные советы</title>
<style type="text/css">
{STYLE}
.text {{ line-height: 1.4; }}
</style>
</head>
<body>
<h1>[advice_title]</h1>
<div class="text">[advice_text]</div>
</body>
</html>"""

TESTER_FULL_HTM = f"""{DOCTYPE_401}
<html>
<head>
{CHARSET}
<title>Тестеры-сподвижники</title>
<style type="text/css">
{STYLE}
h2 {{ margin: 12px 0 4px 0; font-size: 10pt; color: #284a7a; }}
table {{ border-collapse: collapse; width: 100%; }}
td {{ padding: 2px 8px 2px 0; vertical-align: top; }}
.note {{ margin-top: 12px; color: #5a6a80; font-size: 8pt; }}
</style>
</head>
<body>
<h1>Тестеры-сподвижники</h1>
<p>Спасибо всем, кто проверял программу, находил ошибки и предлагал, как сделать её лучше.</p>
[info]
<p class="note">Хотите помочь? Напишите автору: <a href="mailto:author@vellicor.example.org">author@vellicor.example.org</a>.</p>
</body>
</html>"""

TESTER_GROUP_HTM = """<h2>[group]</h2>
<table>
[man]
</table>"""

TESTER_MAN_HTM = """<tr><td>[name]</td><td>[email]</td><td>[url]</td></tr>"""


def write(name, lines):
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("cp1251"))


def main():
    write("phrase.ini", phrase_lines())
    write("color.ini", color_lines())
    write("symbol.ini", symbol_lines())
    write("server.ini", SERVER.split("\n"))
    write("tester.ini", TESTER.split("\n"))
    write("advice.ini", advice_lines())
    write("advice.htm", ADVICE_HTM.split("\n"))
    write("tester_full.htm", TESTER_FULL_HTM.split("\n"))
    write("tester_group.htm", TESTER_GROUP_HTM.split("\n"))
    write("tester_man.htm", TESTER_MAN_HTM.split("\n"))


if __name__ == "__main__":
    main()
