// Stack effect and outside temperature for the flow of every storey's grille.
#pragma once

#include "dialogs/forms/modal_form.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TOKBottomDlg7 : public ModalForm {
    Q_OBJECT

public:
    explicit TOKBottomDlg7(const DialogContext& context);

    QFrame* Bevel1;
    QLabel* Label2;        // "Proszę podać parametry"
    QCheckBox* CheckBox1;  // "Uwzględnij efekt kominowy"
    QLabel* Label1;        // "Temperatura zewnętrzna [°C]"
    QLineEdit* Edit1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void OKBtnClick();
};
