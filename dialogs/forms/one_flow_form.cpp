// The common body of the one-flow dialogs; the label of the box comes from the dialog table.
#include "dialogs/forms/one_flow_form.h"

#include <QLineEdit>
#include <QPushButton>

OneFlowForm::OneFlowForm(const DialogContext& context, DialogId id, const OneFlowLayout& layout)
    : ModalForm(context, id, {layout.Client, kScreenCentre, true})
{
    constexpr int kBevelMargin = 15;  // px : the bevel stands 8 px in from the left, 7 from the right
    Bevel1 = MakeBevel("Bevel1", 8, 8, layout.Client.width() - kBevelMargin, 105);
    Label2 = MakeLabel("Label2", "Proszę podać parametry", 16, 24);
    Label1 = MakeLabel("Label1", QString::fromUtf8(FactsOf(id).Boxes[0].Field), 16, 56);
    Edit1 = MakeEdit("Edit1", layout.EditLeft, 56, layout.EditWidth);
    OKBtn = MakeButton("OKBtn", "OK", layout.OkLeft, 140);
    CancelBtn = MakeButton("CancelBtn", "Anuluj", layout.CancelLeft, 140);
    WireButtons(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &OneFlowForm::OKBtnClick);
    SetTabOrder({OKBtn, CancelBtn, Edit1});
    OpenWithFocusIn(Edit1);
    FillEditsAtCreation({Edit1});
}

void OneFlowForm::OKBtnClick()
{
    ConfirmTexts({Edit1});
}
