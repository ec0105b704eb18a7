#pragma once

#include <QFont>
#include <QHash>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStyledItemDelegate>

#include <array>
#include <optional>

class QListView;
class QTreeView;

// How the file list lays its views out from the names' real widths in the view's font, so that a name is
// shown whole wherever the room allows: items as wide as the style draws them, the large-icon grid as wide
// as the widest name, the detail columns as wide as their headers and values; each within sane limits.
namespace MwFSO {

class FileListModel;

// Widths of texts in one font, each character's advance measured once, so that a hundred thousand names
// cost no text layout each. Kerning and ligatures narrow a text rather than widen it, so the sum of the
// advances is not short of the width the text is drawn in.
class TextWidths {
public:
    qreal Of(const QFont &font, const QString &text);

private:
    QFont font_;
    QHash<char16_t, qreal> advances_;
};

// Item sizes from the text and the view's icon size alone, as the style lays the item out: laying out a
// hundred thousand items must not ask for their icons, which are read only for the items on screen. An
// item of the large-icon view is its grid cell.
class ListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // No item of the list and small-icon views grows wider; a longer name is cut, and whole in its tip.
    static constexpr int MaxItemWidth = 480;

private:
    mutable TextWidths widths_;
    // What the style adds around a name, and the height of one line, for the options last asked about.
    mutable struct {
        QFont font;
        QSize decoration;
        int extraWidth = -1;
        int height = 0;
    } frame_;
};

// Fits the large-icon grid and the details view's columns to each listing and to the width of the view.
// The grid cell is wide enough for the widest name on one line, between MinIconCell and MaxIconCell and
// never so wide that fewer than IconColumns columns fit; it is two lines high when a name must wrap. The
// detail columns are as wide as their header and the widest value read so far (values are read as their
// rows come into sight); the name column is as wide as its widest name where the room allows, giving way
// so that the size column stays in sight.
class ListLayout : public QObject {
public:
    ListLayout(QListView *list, QTreeView *report, FileListModel *model);

    // Sizes the grid of the large-icon view; nothing while the list shows another view.
    void FitGrid();
    // Sizes the columns of the details view.
    void FitColumns();

    static constexpr int MinIconCell = 92;
    static constexpr int MaxIconCell = 240;
    static constexpr int IconColumns = 3;

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    qreal WidestName();
    void DetailsRead(const QStringList &details);

    QListView *list_;
    QTreeView *report_;
    FileListModel *model_;
    TextWidths widths_;
    // Found once per listing, not at every change of a view's width.
    std::optional<qreal> widestName_;
    // The widest extension, size, type and modified text read in this listing.
    std::array<qreal, 4> widestDetails_{};
    bool fitting_ = false;
    bool refitPending_ = false;
};

} // namespace MwFSO
