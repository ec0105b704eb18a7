#pragma once

#include "platform/forms/GlobalForm.h"

#include <QDialog>

class PictureBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

// The colour picker: a hue picked on the spectrum, then a lighter or darker shade of it on a strip of 31
// bands, or a colour typed as #RRGGBB; it shows the chosen colour and its inverse, as swatches and texts.
// It starts from mdlLoad::SelColorValue; "Выбрать" leaves the chosen text there and sets
// mdlLoad::SelColorOK, "Отменить" clears the flag, and every way of closing unloads the window.
class frmSelColor : public QDialog {
    Q_OBJECT

public:
    frmSelColor();

    QWidget *picBox = nullptr;
    PictureBox *picSpectr = nullptr;
    QLabel *imgColor = nullptr;
    PictureBox *picPanel = nullptr;
    QLabel *imgPointer = nullptr;
    QWidget *picColorView = nullptr;
    PictureBox *picColorSelect = nullptr;
    QLabel *lblColorSelect = nullptr;
    QLineEdit *txtColorSelect = nullptr;
    PictureBox *picColorNegative = nullptr;
    QLabel *lblColoNegative = nullptr;
    QLineEdit *txtColorNegative = nullptr;
    QPushButton *cmmSelect = nullptr;
    QPushButton *cmmCancel = nullptr;

    // Shows the window modal over `owner`, centred on the screen; the hand-over variables are set first.
    void ShowSelColor(QWidget *owner);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    void cmmSelect_Click();
    void cmmCancel_Click();
    void picSpectr_MouseDown(int &x, int &y);
    void picSpectr_MouseMove(Qt::MouseButtons buttons, int x, int y);
    void picSpectr_MouseUp();
    void picPanel_MouseDown(int y);
    void picPanel_MouseMove(Qt::MouseButtons buttons, int y);
    void txtColorSelect_GotFocus();
    bool txtColorSelect_KeyDown(const QKeyEvent &key);
    void txtColorSelect_Change();
    void txtColorSelect_LostFocus();
    void txtColorNegative_GotFocus();
    void txtColorNegative_Change();

    void ArrangeControls();
    void CloseSelector(bool ok);
    void PickSpectrumColor(int x, int y);
    void DrawShadePanel(int colour);
    void SelectShade(int y);
    void ShowNegativeColor(int colour);
    void ApplyHexColor(const QString &text);
    void CentreMarker(int x, int y);

    int ShadePos = 0;
    QString ColorDecimal;
    // The opening's second half runs on the first showing only.
    bool opened_ = false;
    // The box that a click is bringing the focus into, until its button comes up.
    QLineEdit *clickedInto_ = nullptr;
};

namespace forms {
inline GlobalForm<::frmSelColor> frmSelColor;
}
