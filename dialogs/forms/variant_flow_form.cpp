// Requested-flow and variant dialog of the regulated speed with silencers; value file
// "dialog5.sav". The variant is the selected combo item, not the combo text.
#include "dialogs/forms/variant_flow_form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

TOKBottomDlg2::TOKBottomDlg2(const DialogContext& context)
    : ModalForm(context, DialogId::OKBottomDlg2, {QSize(386, 177), kScreenCentre, true})
{
    Bevel1 = MakeBevel("Bevel1", 8, 8, 369, 113);
    Label1 = MakeLabel("Label1", "Wydajność regulowana [m3/s]", 16, 40);
    Label2 = MakeLabel("Label2", "Proszę wybrać", 16, 72);
    Edit1 = MakeEdit("Edit1", 168, 40, 121);
    ComboBox1 = MakeEditableCombo("ComboBox1", ComboItems(DialogId::OKBottomDlg2), "Wentylator", 168, 72, 201);
    OKBtn = MakeButton("OKBtn", "OK", 111, 132);
    CancelBtn = MakeButton("CancelBtn", "Anuluj", 223, 132);
    WireButtons(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg2::OKBtnClick);
    // Choosing from the list selects an item; typing into the text part leaves none selected.
    connect(ComboBox1, &QComboBox::activated, this, [this](int index) { selectedItem_ = index; });
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, [this] { selectedItem_ = -1; });
    SetTabOrder({Edit1, ComboBox1, OKBtn, CancelBtn});
    FillEditsAtCreation({Edit1});
    selectedItem_ = StartChoice();
    if (selectedItem_ >= 0)
        ComboBox1->setCurrentIndex(selectedItem_);
}

void TOKBottomDlg2::OKBtnClick()
{
    DialogInput input;
    input.Edits = {Utf8(Edit1->text())};
    input.ComboIndex = selectedItem_;
    Confirm(input);
}
