#pragma once

class QWidget;

// A small dialog is as wide as its controls need, which may be narrower than its title: the desktop then
// clips the title in the title bar ("Перей…троке"). This makes room for the title whole beside the
// frame's icon and buttons, as the desktops draw them.
void LeaveRoomForTitle(QWidget &window);
