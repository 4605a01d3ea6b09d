// Stack effect, outside temperature and fan speed for the flow of every storey's grille.
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
    QLabel* Label3;  // "Obroty wentylatora [1/min]"
    QLineEdit* Edit2;
    QLabel* Label4;  // "(0 - obroty z katalogu)"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void OKBtnClick();
};
