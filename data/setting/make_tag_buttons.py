#!/usr/bin/env python3
"""Writes the tag groups (panel.ini), the tag buttons (button.ini) and the buttons' pictures (buttons/).

Each group is one tab of the tag bar; each button puts its texts around the selection. A picture is a
16 by 16 badge in its group's colour with the tag's name or a small drawing of what it makes, in white.

The list files are Windows-1251 text with CR LF line ends. A button line is
id|picture|tool tip|before|centre|after; in the three texts %l is a line break, %s at the start and %f
at the end keep blanks, %v is "|" and %p is "%". The before and centre fields need a character, so an
empty one is written as a blank.
Run from anywhere: python3 make_tag_buttons.py
"""

import os
import struct
import zlib

SIZE = 16

# ---- The groups and their buttons ----------------------------------------------------------------------
# (id, picture, tool tip, before, centre, after); "\n" is a line break.

A_HREF = '<a href="">'

GROUPS = [
    ("Текст", (44, 92, 170), [
        (101, "b.png", "Полужирный <b>", "<b>", "", "</b>"),
        (102, "i.png", "Курсив <i>", "<i>", "", "</i>"),
        (103, "u.png", "Подчёркнутый <u>", "<u>", "", "</u>"),
        (104, "s.png", "Зачёркнутый <s>", "<s>", "", "</s>"),
        (105, "strong.png", "Важный текст <strong>", "<strong>", "", "</strong>"),
        (106, "em.png", "Выделение <em>", "<em>", "", "</em>"),
        (107, "sup.png", "Верхний индекс <sup>", "<sup>", "", "</sup>"),
        (108, "sub.png", "Нижний индекс <sub>", "<sub>", "", "</sub>"),
        (109, "font.png", "Шрифт и цвет <font>", '<font face="Arial" size="2" color="#000000">', "", "</font>"),
        (110, "code.png", "Программный код <code>", "<code>", "", "</code>"),
        (111, "br.png", "Перевод строки <br>", "", "", "<br>\n"),
        (112, "nbsp.png", "Неразрывный пробел &nbsp;", "", "", "&nbsp;"),
        (113, "comment.png", "Комментарий <!-- -->", "<!-- ", "", " -->"),
    ]),
    ("Заголовки и блоки", (118, 66, 160), [
        (121, "h1.png", "Заголовок первого уровня <h1>", "<h1>", "", "</h1>"),
        (122, "h2.png", "Заголовок второго уровня <h2>", "<h2>", "", "</h2>"),
        (123, "h3.png", "Заголовок третьего уровня <h3>", "<h3>", "", "</h3>"),
        (124, "h4.png", "Заголовок четвёртого уровня <h4>", "<h4>", "", "</h4>"),
        (125, "h5.png", "Заголовок пятого уровня <h5>", "<h5>", "", "</h5>"),
        (126, "h6.png", "Заголовок шестого уровня <h6>", "<h6>", "", "</h6>"),
        (127, "p.png", "Абзац <p>", "<p>", "", "</p>"),
        (128, "div.png", "Блок <div>", "<div>", "", "</div>"),
        (129, "span.png", "Фрагмент строки <span>", '<span class="">', "", "</span>"),
        (130, "quote.png", "Цитата <blockquote>", "<blockquote>\n", "", "\n</blockquote>"),
        (131, "pre.png", "Текст с пробелами как есть <pre>", "<pre>\n", "", "\n</pre>"),
        (132, "center.png", "По центру <div align=center>", '<div align="center">', "", "</div>"),
        (133, "hr.png", "Горизонтальная линия <hr>", "", "", "\n<hr>\n"),
    ]),
    ("Ссылки и рисунки", (28, 128, 88), [
        (141, "link.png", "Ссылка <a href>", A_HREF, "", "</a>"),
        (142, "anchor.png", "Закладка <a name>", '<a name="">', "", "</a>"),
        (143, "mail.png", "Ссылка на почтовый адрес", '<a href="mailto:">', "", "</a>"),
        (144, "blank.png", "Ссылка в новом окне", '<a href="" target="_blank">', "", "</a>"),
        (145, "img.png", "Рисунок <img>; выделенный текст станет подписью", '<img src="" width="" height="" alt="', "", '">'),
        (146, "map.png", "Карта ссылок на рисунке <map>",
         '<map name="">\n<area shape="rect" coords="" href="" alt="', "", '">\n</map>'),
    ]),
    ("Списки", (206, 108, 18), [
        (151, "ul.png", "Маркированный список <ul>", "<ul>\n<li>", "", "</li>\n</ul>"),
        (152, "ol.png", "Нумерованный список <ol>", "<ol>\n<li>", "", "</li>\n</ol>"),
        (153, "li.png", "Пункт списка <li>", "<li>", "", "</li>"),
        (154, "dl.png", "Список определений <dl>", "<dl>\n<dt>", "", "</dt>\n<dd></dd>\n</dl>"),
        (155, "dt.png", "Термин <dt>", "<dt>", "", "</dt>"),
        (156, "dd.png", "Определение термина <dd>", "<dd>", "", "</dd>"),
    ]),
    ("Таблицы", (30, 126, 156), [
        (161, "table.png", "Таблица <table>",
         '<table border="1" cellspacing="0" cellpadding="4">\n<tr>\n<td>', "", "</td>\n</tr>\n</table>"),
        (162, "tr.png", "Строка таблицы <tr>", "<tr>\n", "", "\n</tr>"),
        (163, "td.png", "Ячейка <td>", "<td>", "", "</td>"),
        (164, "th.png", "Ячейка заголовка <th>", "<th>", "", "</th>"),
        (165, "caption.png", "Подпись таблицы <caption>", "<caption>", "", "</caption>"),
    ]),
    ("Формы", (182, 48, 60), [
        (171, "form.png", "Форма <form>", '<form action="" method="post">\n', "", "\n</form>"),
        (172, "input.png", "Поле ввода", '<input type="text" name="" value="', "", '">'),
        (173, "password.png", "Поле пароля", '<input type="password" name="" value="', "", '">'),
        (174, "checkbox.png", "Флажок", '<input type="checkbox" name="" value="">', "", ""),
        (175, "radio.png", "Переключатель", '<input type="radio" name="" value="">', "", ""),
        (176, "textarea.png", "Многострочное поле <textarea>", '<textarea name="" rows="5" cols="40">', "", "</textarea>"),
        (177, "select.png", "Список выбора <select>", '<select name="">\n<option>', "", "</option>\n</select>"),
        (178, "option.png", "Пункт списка выбора <option>", "<option>", "", "</option>"),
        (179, "submit.png", "Кнопка отправки формы", '<input type="submit" value="', "", '">'),
        (180, "button.png", "Кнопка <button>", '<button type="button">', "", "</button>"),
        (181, "hidden.png", "Скрытое поле", '<input type="hidden" name="" value="', "", '">'),
        (182, "label.png", "Надпись к полю <label>", '<label for="">', "", "</label>"),
    ]),
    ("Фреймы", (84, 98, 112), [
        (191, "frameset.png", "Набор фреймов <frameset>",
         '<frameset cols="25%,*">\n<frame src="" name="left">\n<frame src="" name="main">\n', "", "</frameset>"),
        (192, "frame.png", "Фрейм <frame>", '<frame src="" name="">', "", ""),
        (193, "noframes.png", "Текст без фреймов <noframes>", "<noframes>\n", "", "\n</noframes>"),
        (194, "iframe.png", "Встроенный фрейм <iframe>", '<iframe src="" width="" height="">', "", "</iframe>"),
    ]),
    ("Заголовок страницы", (120, 84, 46), [
        (201, "html.png", "Каркас страницы",
         '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">\n<html>\n<head>\n'
         '<meta http-equiv="Content-Type" content="text/html; charset=windows-1251">\n<title></title>\n'
         "</head>\n<body>\n", "", "\n</body>\n</html>\n"),
        (202, "head.png", "Заголовок страницы <head>", "<head>\n", "", "\n</head>"),
        (203, "title.png", "Название страницы <title>", "<title>", "", "</title>"),
        (204, "charset.png", "Кодировка страницы <meta>",
         '<meta http-equiv="Content-Type" content="text/html; charset=windows-1251">\n', "", ""),
        (205, "keywords.png", "Ключевые слова <meta>", '<meta name="keywords" content="', "", '">'),
        (206, "description.png", "Описание страницы <meta>", '<meta name="description" content="', "", '">'),
        (207, "css.png", "Подключить таблицу стилей <link>", '<link rel="stylesheet" type="text/css" href="', "", '">'),
        (208, "style.png", "Блок стилей <style>", '<style type="text/css">\n', "", "\n</style>"),
        (209, "script.png", "Сценарий <script>", '<script type="text/javascript">\n', "", "\n</script>"),
        (210, "base.png", "Базовый адрес ссылок <base>", '<base href="', "", '">'),
        (211, "body.png", "Тело страницы <body>", "<body>\n", "", "\n</body>"),
    ]),
]

# ---- Letters -----------------------------------------------------------------------------------------

BIG = {  # five dots wide, seven high
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "J": ["00111", "00010", "00010", "00010", "00010", "10010", "01100"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
    "Я": ["01111", "10001", "10001", "01111", "00101", "01001", "10001"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "3": ["11111", "00010", "00100", "00010", "00001", "10001", "01110"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    "6": ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    "#": ["01010", "01010", "11111", "01010", "11111", "01010", "01010"],
    "¶": ["01111", "11101", "11101", "01101", "00101", "00101", "00101"],
    "{": ["00011", "00100", "00100", "01000", "00100", "00100", "00011"],
    "}": ["11000", "00100", "00100", "00010", "00100", "00100", "11000"],
}

SMALL = {  # three dots wide, five high
    "A": ["010", "101", "111", "101", "101"], "B": ["110", "101", "110", "101", "110"],
    "H": ["101", "101", "111", "101", "101"], "J": ["001", "001", "001", "101", "010"],
    "C": ["011", "100", "100", "100", "011"], "D": ["110", "101", "101", "101", "110"],
    "E": ["111", "100", "110", "100", "111"], "I": ["111", "010", "010", "010", "111"],
    "K": ["101", "101", "110", "101", "101"], "L": ["100", "100", "100", "100", "111"],
    "M": ["101", "111", "101", "101", "101"], "N": ["110", "101", "101", "101", "101"],
    "O": ["010", "101", "101", "101", "010"], "P": ["110", "101", "110", "100", "100"],
    "R": ["110", "101", "110", "101", "101"], "S": ["011", "100", "010", "001", "110"],
    "T": ["111", "010", "010", "010", "010"], "U": ["101", "101", "101", "101", "111"],
    "V": ["101", "101", "101", "101", "010"], "Y": ["101", "101", "010", "010", "010"],
    "1": ["010", "110", "010", "010", "111"], "2": ["110", "001", "010", "100", "111"],
    "<": ["001", "010", "100", "010", "001"], ">": ["100", "010", "001", "010", "100"],
    "/": ["001", "001", "010", "100", "100"], "!": ["010", "010", "010", "000", "010"],
}

# ---- Drawing -------------------------------------------------------------------------------------------

CLEAR = (0, 0, 0, 0)
INK = (255, 255, 255, 255)


class Picture:
    def __init__(self, colour):
        self.colour = colour
        self.pixels = [[CLEAR] * SIZE for _ in range(SIZE)]
        edge = tuple(int(c * 0.65) for c in colour) + (255,)
        for y in range(SIZE):
            for x in range(SIZE):
                if (x in (0, SIZE - 1)) and (y in (0, SIZE - 1)):
                    continue
                border = x in (0, SIZE - 1) or y in (0, SIZE - 1)
                self.pixels[y][x] = edge if border else tuple(colour) + (255,)

    def put(self, x, y, colour=INK):
        if 1 <= x < SIZE - 1 and 1 <= y < SIZE - 1:
            self.pixels[y][x] = colour

    def shade(self, amount):
        return tuple(min(255, int(c + (255 - c) * amount)) for c in self.colour) + (255,)

    def hline(self, x0, x1, y, colour=INK):
        for x in range(x0, x1 + 1):
            self.put(x, y, colour)

    def vline(self, x, y0, y1, colour=INK):
        for y in range(y0, y1 + 1):
            self.put(x, y, colour)

    def box(self, x0, y0, x1, y1, colour=INK):
        self.hline(x0, x1, y0, colour)
        self.hline(x0, x1, y1, colour)
        self.vline(x0, y0, y1, colour)
        self.vline(x1, y0, y1, colour)

    def fill(self, x0, y0, x1, y1, colour=INK):
        for y in range(y0, y1 + 1):
            self.hline(x0, x1, y, colour)

    def glyph(self, rows, x, y, bold=False, slant=False):
        for r, bits in enumerate(rows):
            shift = (len(rows) - 1 - r) // 3 if slant else 0
            for c, bit in enumerate(bits):
                if bit == "1":
                    self.put(x + c + shift, y + r)
                    if bold:
                        self.put(x + c + shift + 1, y + r)

    def text(self, label, y=None, **style):
        """The label centred, in big letters when it has one or two, else in small ones."""
        font = BIG if len(label) <= 2 else SMALL
        width = sum(len(font[ch][0]) for ch in label) + len(label) - 1
        x = (SIZE - width) // 2
        height = len(font[label[0]])
        y = (SIZE - height) // 2 if y is None else y
        for ch in label:
            self.glyph(font[ch], x, y, **style)
            x += len(font[ch][0]) + 1
        return y + height


def window(p, title=True):
    """An outlined window; returns its inner area."""
    p.box(2, 3, 13, 12)
    if title:
        p.hline(2, 13, 4)
    return 3, 5 if title else 4, 12, 11


def grid(p, filled=None):
    """A table of three columns and three rows; `filled` marks a row "r", a column cell "c" or the head "h"."""
    light = p.shade(0.55)
    if filled == "h":
        p.fill(2, 3, 13, 6, light)
    elif filled == "r":
        p.fill(2, 6, 13, 9, light)
    elif filled == "c":
        p.fill(6, 6, 9, 9, light)
    for y in (3, 6, 9, 12):
        p.hline(2, 13, y)
    for x in (2, 6, 9, 13):
        p.vline(x, 3, 12)


def lines(p, x0, ys, x1=13):
    for y in ys:
        p.hline(x0, x1, y)


DRAWINGS = {
    "b.png": lambda p: p.text("B", bold=True),
    "i.png": lambda p: p.text("I", slant=True),
    "u.png": lambda p: (p.text("U", y=3), p.hline(4, 11, 12)),
    "s.png": lambda p: (p.text("S"), p.hline(3, 12, 7)),
    "strong.png": lambda p: p.text("STR"),
    "em.png": lambda p: p.text("EM"),
    "sup.png": lambda p: (p.glyph(BIG["X"], 2, 6), p.glyph(SMALL["2"], 10, 2)),
    "sub.png": lambda p: (p.glyph(BIG["X"], 2, 3), p.glyph(SMALL["2"], 10, 9)),
    "font.png": lambda p: (p.text("A", y=2),
                           p.hline(3, 5, 11, (230, 40, 40, 255)), p.hline(3, 5, 12, (230, 40, 40, 255)),
                           p.hline(6, 9, 11, (250, 220, 40, 255)), p.hline(6, 9, 12, (250, 220, 40, 255)),
                           p.hline(10, 12, 11, (60, 220, 90, 255)), p.hline(10, 12, 12, (60, 220, 90, 255))),
    "code.png": lambda p: p.text("</>"),
    "br.png": lambda p: (p.vline(11, 3, 9), p.vline(12, 3, 9), p.hline(4, 12, 9), p.hline(4, 12, 10),
                         p.vline(5, 7, 12), p.vline(6, 8, 11), p.put(4, 9), p.put(4, 10)),
    "nbsp.png": lambda p: (p.vline(3, 8, 11), p.vline(12, 8, 11), p.hline(3, 12, 11), p.hline(3, 12, 12)),
    "comment.png": lambda p: p.text("<!>"),
    "h1.png": lambda p: p.text("H1"), "h2.png": lambda p: p.text("H2"), "h3.png": lambda p: p.text("H3"),
    "h4.png": lambda p: p.text("H4"), "h5.png": lambda p: p.text("H5"), "h6.png": lambda p: p.text("H6"),
    "p.png": lambda p: p.text("¶"),
    "div.png": lambda p: p.text("DIV"),
    "span.png": lambda p: p.text("SPN"),
    "quote.png": lambda p: (p.fill(3, 4, 5, 6), p.vline(5, 7, 8), p.put(4, 9),
                            p.fill(8, 4, 10, 6), p.vline(10, 7, 8), p.put(9, 9)),
    "pre.png": lambda p: p.text("PRE"),
    "center.png": lambda p: (p.hline(3, 12, 3), p.hline(5, 10, 5), p.hline(3, 12, 7), p.hline(5, 10, 9),
                             p.hline(4, 11, 11)),
    "hr.png": lambda p: (lines(p, 3, (3, 5), 12), p.fill(2, 7, 13, 8), lines(p, 3, (10, 12), 12)),
    "link.png": lambda p: (p.text("A", y=3), p.hline(3, 12, 12)),
    "anchor.png": lambda p: p.text("#"),
    "mail.png": lambda p: (p.box(2, 4, 13, 11), [(p.put(2 + i, 4 + i), p.put(13 - i, 4 + i)) for i in range(5)]),
    "blank.png": lambda p: (p.box(2, 5, 10, 13), p.hline(2, 10, 6), p.hline(8, 13, 2), p.vline(13, 2, 7),
                            [p.put(7 + i, 8 - i) for i in range(6)]),
    "img.png": lambda p: (p.box(2, 3, 13, 12), p.fill(9, 5, 10, 6, (255, 220, 60, 255)),
                          [p.hline(7 - i, 7 + i, 7 + i) for i in range(5)]),
    "map.png": lambda p: p.text("MAP"),
    "ul.png": lambda p: [(p.fill(3, y, 4, y + 1), p.hline(7, 13, y)) for y in (3, 7, 11)],
    "ol.png": lambda p: (p.glyph(SMALL["1"], 2, 2), p.glyph(SMALL["2"], 2, 9), lines(p, 7, (4, 11))),
    "li.png": lambda p: (p.fill(3, 7, 5, 9), p.hline(7, 13, 7), p.hline(7, 11, 9)),
    "dl.png": lambda p: p.text("DL"), "dt.png": lambda p: p.text("DT"), "dd.png": lambda p: p.text("DD"),
    "table.png": lambda p: grid(p),
    "tr.png": lambda p: grid(p, "r"),
    "td.png": lambda p: grid(p, "c"),
    "th.png": lambda p: grid(p, "h"),
    "caption.png": lambda p: (p.hline(4, 11, 2), p.box(2, 5, 13, 13), p.hline(2, 13, 9), p.vline(7, 5, 13)),
    "form.png": lambda p: (p.box(2, 2, 13, 13), p.hline(4, 11, 4), p.box(4, 6, 11, 8), p.fill(8, 10, 11, 11)),
    "input.png": lambda p: (p.box(2, 4, 13, 11), p.vline(6, 6, 9), p.hline(5, 7, 6), p.hline(5, 7, 9)),
    "password.png": lambda p: (p.box(2, 4, 13, 11), p.fill(4, 7, 5, 8), p.fill(7, 7, 8, 8), p.fill(10, 7, 11, 8)),
    "checkbox.png": lambda p: (p.box(3, 3, 12, 12), p.put(5, 8), p.put(6, 9), p.put(7, 10), p.put(8, 9),
                               p.put(9, 8), p.put(10, 7), p.put(10, 6), p.put(6, 8), p.put(7, 9), p.put(9, 7)),
    "radio.png": lambda p: (p.hline(6, 9, 2), p.hline(6, 9, 13), p.vline(2, 6, 9), p.vline(13, 6, 9),
                            p.put(4, 3), p.put(5, 3), p.put(3, 4), p.put(3, 5), p.put(10, 3), p.put(11, 3),
                            p.put(12, 4), p.put(12, 5), p.put(3, 10), p.put(3, 11), p.put(4, 12), p.put(5, 12),
                            p.put(12, 10), p.put(12, 11), p.put(11, 12), p.put(10, 12), p.fill(6, 6, 9, 9)),
    "textarea.png": lambda p: (p.box(2, 2, 13, 13), p.vline(11, 2, 13), p.fill(12, 4, 12, 7),
                               lines(p, 4, (4, 6, 8, 10), 9)),
    "select.png": lambda p: (p.box(2, 4, 13, 11), p.vline(9, 4, 11), p.hline(10, 12, 7), p.put(11, 8),
                             p.hline(4, 7, 7)),
    "option.png": lambda p: (p.box(2, 2, 13, 13), p.hline(4, 11, 4), p.fill(3, 6, 12, 9), p.hline(4, 11, 11),
                             p.hline(4, 11, 7, tuple(p.colour) + (255,)), p.hline(4, 9, 8, tuple(p.colour) + (255,))),
    "submit.png": lambda p: (p.box(1, 3, 14, 12), p.glyph(SMALL["O"], 4, 5), p.glyph(SMALL["K"], 8, 5)),
    "button.png": lambda p: (p.box(2, 4, 13, 11), p.hline(3, 12, 10, p.shade(0.5)),
                             p.vline(12, 5, 10, p.shade(0.5)), p.hline(5, 10, 7)),
    "hidden.png": lambda p: ([p.put(x, 4) for x in range(2, 14, 2)], [p.put(x, 11) for x in range(3, 14, 2)],
                             [p.put(2, y) for y in range(6, 11, 2)], [p.put(13, y) for y in range(5, 11, 2)]),
    "label.png": lambda p: p.text("LBL"),
    "frameset.png": lambda p: (window(p), p.vline(6, 5, 12)),
    "frame.png": lambda p: (window(p), p.vline(6, 5, 12), p.fill(3, 5, 5, 11, p.shade(0.55))),
    "noframes.png": lambda p: (window(p), [(p.put(4 + i, 6 + i), p.put(11 - i, 6 + i)) for i in range(6)]),
    "iframe.png": lambda p: (window(p), p.box(6, 7, 11, 11), p.fill(7, 8, 10, 10, p.shade(0.55))),
    "html.png": lambda p: p.text("HTM"),
    "head.png": lambda p: p.text("HD"),
    "title.png": lambda p: (p.box(2, 3, 13, 12), p.fill(2, 3, 13, 6), p.hline(4, 11, 9, p.shade(0.55))),
    "charset.png": lambda p: (p.glyph(BIG["A"], 2, 4), p.glyph(BIG["Я"], 9, 4)),
    "keywords.png": lambda p: p.text("KEY"),
    "description.png": lambda p: p.text("DES"),
    "css.png": lambda p: p.text("CSS"),
    "style.png": lambda p: (p.glyph(BIG["{"], 2, 4), p.glyph(BIG["}"], 9, 4)),
    "script.png": lambda p: p.text("JS"),
    "base.png": lambda p: p.text("URL"),
    "body.png": lambda p: p.text("BDY"),
}


def png_bytes(pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in pixels)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def draw(picture, colour):
    p = Picture(colour)
    DRAWINGS[picture](p)
    return p.pixels


# ---- The list files ----------------------------------------------------------------------------------


def text_field(text):
    """A before, centre or after text as button.ini writes it."""
    field = text.replace("%", "%p").replace("|", "%v").replace("\n", "%l")
    if field.startswith(" "):
        field = "%s" + field
    if field.endswith(" "):
        field += "%f"
    return field


def button_line(button):
    number, picture, tip, before, centre, after = button
    return "|".join([str(number), picture, tip.replace("%", "%p").replace("|", "%v"),
                     text_field(before) or " ", text_field(centre) or " ", text_field(after)])


def panel_line(caption, buttons):
    return caption.replace("%", "%p").replace("|", "%v") + " |" + " ".join(str(b[0]) for b in buttons)


def write_list(path, lines):
    with open(path, "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("cp1251"))


def main():
    setting = os.path.dirname(os.path.abspath(__file__))
    buttons_folder = os.path.join(os.path.dirname(setting), "buttons")
    drawn = {}
    for _, colour, buttons in GROUPS:
        for button in buttons:
            pixels = draw(button[1], colour)
            key = str(pixels)
            if key in drawn:
                raise SystemExit(f"{button[1]} looks like {drawn[key]}")
            drawn[key] = button[1]
            with open(os.path.join(buttons_folder, button[1]), "wb") as out:
                out.write(png_bytes(pixels))
    write_list(os.path.join(setting, "panel.ini"), [panel_line(caption, buttons) for caption, _, buttons in GROUPS])
    write_list(os.path.join(setting, "button.ini"), [button_line(b) for _, _, buttons in GROUPS for b in buttons])


if __name__ == "__main__":
    main()
