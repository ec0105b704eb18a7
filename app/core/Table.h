#pragma once

#include <QList>

// The program's tables: entries numbered from 1 in the order they were added. Element 0 exists but
// is never an entry, so a number of 0 can mean "none" everywhere.
template <typename T>
class Table {
public:
    Table() : items_(1) {}

    int count() const { return int(items_.size()) - 1; }
    bool isEmpty() const { return count() == 0; }
    bool contains(int number) const { return number >= 1 && number <= count(); }

    T &operator[](int number) { return items_[number]; }
    const T &operator[](int number) const { return items_[number]; }

    // Appends an entry and returns its number.
    int append(const T &item)
    {
        items_.append(item);
        return count();
    }
    void removeAt(int number) { items_.removeAt(number); }
    // Keeps element 0 only.
    void clear() { items_ = QList<T>(1); }

    // Entries 1 to count, for range-for.
    auto begin() { return items_.begin() + 1; }
    auto end() { return items_.end(); }
    auto begin() const { return items_.cbegin() + 1; }
    auto end() const { return items_.cend(); }

private:
    QList<T> items_;
};
