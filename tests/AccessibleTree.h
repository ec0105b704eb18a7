#pragma once

#include <QAccessible>
#include <QList>
#include <QStringList>

// The accessibility tree as a screen reader walks it.

// Every interface below `root` of the given role, except what lies inside trees, lists and tables.
inline void Collect(QAccessibleInterface *root, QAccessible::Role role, QList<QAccessibleInterface *> &found)
{
    if (!root)
        return;
    if (root->role() == role)
        found << root;
    for (const QAccessible::Role inside : {QAccessible::Tree, QAccessible::List, QAccessible::Table, QAccessible::Document})
        if (root->role() == inside)
            return;
    for (int i = 0; i < root->childCount(); ++i)
        Collect(root->child(i), role, found);
}

// The names of a page tab list's tabs, in order.
inline QStringList TabNames(QAccessibleInterface *list)
{
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i)
        if (list->child(i)->role() == QAccessible::PageTab)
            names << list->child(i)->text(QAccessible::Name);
    return names;
}
