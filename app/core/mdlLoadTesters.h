#pragma once

#include "app/core/Table.h"

#include <QString>

// tester.ini: the people who helped, by group, for the testers page.
namespace mdlLoad {

struct TesterMan {
    QString Name;
    // The mailbox address without "mailto:".
    QString Email;
    // The web address without "http://"; any other scheme stays.
    QString Url;
};

struct TesterGroup {
    // The key by which person lines name the group.
    QString Name;
    // The group's heading.
    QString Title;
    Table<TesterMan> Men;
};

inline Table<TesterGroup> TesterGroups;

// Replaces `TesterGroups` with the groups of the section [group] ("key|heading") and the people of the
// section [man] ("group key|name|mailbox|web address"); a person joins the first group declared before
// it under that exact key.
void LoadTesterIni(const QString &path);
// The number of the first group whose key is `name`, letter case included; 0 when there is none.
int FindTesterGroup(const QString &name);

} // namespace mdlLoad
