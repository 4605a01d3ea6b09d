// Installation kind: which of the five grille kinds serves the storeys.
#pragma once

#include "dialogs/forms/modal_form.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

class TOKBottomDlg3333 : public ModalForm {
    Q_OBJECT

public:
    explicit TOKBottomDlg3333(const DialogContext& context);

    QGroupBox* GroupBox1;  // "Proszę wybrać typ instalacji"
    QRadioButton* RadioButton1;  // kinds 1..5, top to bottom; the first chosen initially
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton5;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void OKBtnClick();
};
