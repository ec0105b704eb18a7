#pragma once

class QMdiSubWindow;

namespace platform::widgets {

// The document window's own window menu in Russian ("Восстановить", "Переместить", "Размер", "Свернуть",
// "Развернуть", "Закрыть"), without shortcuts: its keys belong to the program's menus (Ctrl+W closes a
// document through the File menu).
void UseRussianWindowMenu(QMdiSubWindow *window);

} // namespace platform::widgets
