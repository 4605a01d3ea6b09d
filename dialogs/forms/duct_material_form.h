// Duct material, which gives the roughness coefficient of the duct wall.
#pragma once

#include "dialogs/forms/modal_form.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

class TOKBottomDlg33333 : public ModalForm {
    Q_OBJECT

public:
    explicit TOKBottomDlg33333(const DialogContext& context);

    QGroupBox* GroupBox1;  // "Proszę wybrać materiał kanału"
    QRadioButton* RadioButton1;  // the six materials, top to bottom; the first chosen initially
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton5;
    QRadioButton* RadioButton6;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void OKBtnClick();
};
