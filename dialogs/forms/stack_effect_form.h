// Required flow per grille, winter and summer design temperatures and fan speed for the flow of
// every storey's grille.
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
    QLabel* Label2;  // "Proszę podać parametry"
    QLabel* Label5;  // "Wymagana wydajność kratki Qi [m3/h]"
    QLineEdit* Edit4;
    QLabel* Label1;  // "Temperatura zewnętrzna zimą [°C]"
    QLineEdit* Edit1;
    QLabel* Label6;  // "Temperatura zewnętrzna latem [°C]"
    QLineEdit* Edit3;
    QLabel* Label3;  // "Obroty wentylatora [1/min]"
    QLineEdit* Edit2;
    QLabel* Label4;  // "(0 - obroty z katalogu)"
    QCheckBox* Balanced;  // "z nastawami regulacyjnymi"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void OKBtnClick();
};
