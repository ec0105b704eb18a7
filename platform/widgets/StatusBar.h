#pragma once

#include <QList>
#include <QStatusBar>

class QLabel;

// A status bar of text panels addressed by 1-based position.
class StatusBar : public QStatusBar {
    Q_OBJECT

public:
    struct Panel {
        QString key;
        QString toolTip;
        bool stretch = false;
    };

    explicit StatusBar(const QList<Panel> &panels, QWidget *parent = nullptr);

    QString PanelText(int position) const;
    void SetPanelText(int position, const QString &text);

private:
    QList<QLabel *> panels_;
};
