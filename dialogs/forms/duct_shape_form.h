// Duct shape: rectangular or round.
#pragma once

#include "dialogs/forms/modal_form.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

class TOKBottomDlg333 : public ModalForm {
    Q_OBJECT

public:
    explicit TOKBottomDlg333(const DialogContext& context);

    QGroupBox* GroupBox1;        // "Proszę wybrać typ kanału"
    QRadioButton* RadioButton1;  // "Prostokątny", chosen initially
    QRadioButton* RadioButton2;  // "Okrągły"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void OKBtnClick();
};
