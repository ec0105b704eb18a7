#pragma once

#include "app/core/mdlLoadButtons.h"

#include <QIcon>
#include <QList>
#include <QSet>
#include <QString>

// A picture list as the tool bars use it: pictures numbered from 1, each under a key that no other
// picture has (an empty key is none).
class ImageList : public mdlLoad::ButtonPictures {
public:
    int Count() const override { return int(pictures_.size()); }
    // Inserts the picture at `index`, 1 to Count() + 1. Nothing is added for another index, a file that
    // is no picture or a key that the list holds already.
    void Add(int index, const QString &file, const QString &key) override;
    // Appends one of the list's own pictures, without a key. A file that does not load leaves its place
    // blank, so that the pictures after it keep their numbers.
    void AddOwn(const QString &file);
    // The picture numbered `index`; a null icon for 0 and for a number past the list.
    QIcon Icon(int index) const;
    void Clear();

private:
    QList<QIcon> pictures_;
    // Looked up for every picture added: searched in a list, the keys held a start with 100 000 buttons
    // for half a minute.
    QSet<QString> keys_;
};
