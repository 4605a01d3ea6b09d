// Storey-flow dialog; value file "dialog7.sav" (the required flow per grille, the winter and
// summer design temperatures, the fan speed). The required flow is the same answer as that of
// the selection from the catalogue. The form is wide enough for its caption to show whole in the
// title bar.
#include "dialogs/forms/stack_effect_form.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TOKBottomDlg7::TOKBottomDlg7(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg7,
                {QSize(400, 271), kScreenCentre, true})
{
    Bevel1 = MakeBevel("Bevel1", 8, 8, 385, 209);
    Label2 = MakeLabel("Label2", "Proszę podać parametry", 16, 24);
    Label5 = MakeLabel("Label5", "Wymagana wydajność kratki Qi [m3/h]", 16, 52);
    Edit4 = MakeEdit("Edit4", 264, 52, 121);
    Label1 = MakeLabel("Label1", "Temperatura zewnętrzna zimą [°C]", 16, 84);
    Edit1 = MakeEdit("Edit1", 264, 84, 121);
    Label6 = MakeLabel("Label6", "Temperatura zewnętrzna latem [°C]", 16, 116);
    Edit3 = MakeEdit("Edit3", 264, 116, 121);
    Label3 = MakeLabel("Label3", "Obroty wentylatora [1/min]", 16, 148);
    Edit2 = MakeEdit("Edit2", 264, 148, 121);
    Label4 = MakeLabel("Label4", "(0 - obroty z katalogu)", 16, 168);
    // Off by default; the storeys then solved with the settings the building holds.
    Balanced = new QCheckBox(QString::fromUtf8("z nastawami regulacyjnymi"), this);
    Balanced->setObjectName("Balanced");
    Balanced->setGeometry(16, 190, 240, 17);
    Balanced->setChecked(StartChoice() == 1);
    OKBtn = MakeButton("OKBtn", "OK", 119, 228);
    CancelBtn = MakeButton("CancelBtn", "Anuluj", 199, 228);
    WireButtons(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg7::OKBtnClick);
    SetTabOrder({Edit4, Edit1, Edit3, Edit2, Balanced, OKBtn, CancelBtn});
    FillEditsAtCreation({Edit4, Edit1, Edit3, Edit2});
}

void TOKBottomDlg7::OKBtnClick() { ConfirmTexts({Edit4, Edit1, Edit3, Edit2}, nullptr, Balanced->isChecked() ? 1 : 0); }
