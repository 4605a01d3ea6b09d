// Requested flow and variant (fan alone, with silencing base, with cylindrical silencer) for the
// regulated speed with silencers.
#pragma once

#include "dialogs/forms/modal_form.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TOKBottomDlg2 : public ModalForm {
    Q_OBJECT

public:
    explicit TOKBottomDlg2(const DialogContext& context);

    // The item the user selected, or -1 while the text does not come from a selected item (the
    // initial "Wentylator", or a text typed since the last selection).
    int SelectedItem() const { return selectedItem_; }

    QFrame* Bevel1;
    QLabel* Label1;  // "Wydajność regulowana [m3/s]"
    QLabel* Label2;  // "Proszę wybrać"
    QLineEdit* Edit1;
    QComboBox* ComboBox1;  // the three variants, initial text "Wentylator" with no item selected
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void OKBtnClick();

private:
    int selectedItem_ = -1;
};
