// Creation of the seventeen dialogs in the start-up order, and their modal show.
#include "dialogs/forms/dialog_forms.h"

#include <initializer_list>

#include "dialogs/forms/adjustable_grille_form.h"
#include "dialogs/forms/air_state_form.h"
#include "dialogs/forms/catalogue_choice_form.h"
#include "dialogs/forms/constant_flow_rectangular_grille_form.h"
#include "dialogs/forms/constant_flow_round_grille_form.h"
#include "dialogs/forms/density_source_form.h"
#include "dialogs/forms/duct_material_form.h"
#include "dialogs/forms/duct_shape_form.h"
#include "dialogs/forms/fan_choice_form.h"
#include "dialogs/forms/installation_kind_form.h"
#include "dialogs/forms/rectangular_duct_form.h"
#include "dialogs/forms/rectangular_grille_form.h"
#include "dialogs/forms/regulated_flow_form.h"
#include "dialogs/forms/round_duct_form.h"
#include "dialogs/forms/round_grille_form.h"
#include "dialogs/forms/stack_effect_form.h"
#include "dialogs/forms/typed_density_form.h"
#include "dialogs/forms/variant_flow_form.h"
#include "model/check.h"

DialogForms::DialogForms(const DialogContext& context)
{
    // The order of creation is the order in which the value files are read.
    OKBottomDlg = new TOKBottomDlg(context);
    Form1 = new TForm1(context);
    Form3 = new TForm3(context);
    Form4 = new TForm4(context);
    OKBottomDlg3 = new TOKBottomDlg3(context);
    OKBottomDlg333 = new TOKBottomDlg333(context);
    OKBottomDlg3333 = new TOKBottomDlg3333(context);
    OKBottomDlg33333 = new TOKBottomDlg33333(context);
    OKBottomDlg_wyw = new TOKBottomDlg_wyw(context);
    Form22 = new TForm22(context);
    Form222 = new TForm222(context);
    Form2222 = new TForm2222(context);
    Form22222 = new TForm22222(context);
    OKBottomDlg1 = new TOKBottomDlg1(context);
    OKBottomDlg2 = new TOKBottomDlg2(context);
    Form222222 = new TForm222222(context);
    OKBottomDlg6 = new TOKBottomDlg6(context);
    KatalogDlg = new TKatalogDlg();
    OKBottomDlg7 = new TOKBottomDlg7(context);

    // Each form under the id of its dialog, for Exec and Form.
    byId_.assign(AllDialogs().size(), nullptr);
    for (ModalForm* form : std::initializer_list<ModalForm*>{
             OKBottomDlg, Form1, Form3, Form4, OKBottomDlg3, OKBottomDlg333, OKBottomDlg3333, OKBottomDlg33333,
             OKBottomDlg_wyw, Form22, Form222, Form2222, Form22222, OKBottomDlg1, OKBottomDlg2, Form222222,
             OKBottomDlg6, OKBottomDlg7})
        byId_.at(static_cast<size_t>(form->Id())) = form;
}

DialogForms::~DialogForms()
{
    // The forms have no parent; they go in the reverse order of creation.
    delete OKBottomDlg7;
    delete KatalogDlg;
    delete OKBottomDlg6;
    delete Form222222;
    delete OKBottomDlg2;
    delete OKBottomDlg1;
    delete Form22222;
    delete Form2222;
    delete Form222;
    delete Form22;
    delete OKBottomDlg_wyw;
    delete OKBottomDlg33333;
    delete OKBottomDlg3333;
    delete OKBottomDlg333;
    delete OKBottomDlg3;
    delete Form4;
    delete Form3;
    delete Form1;
    delete OKBottomDlg;
}

bool DialogForms::Exec(DialogId dialog)
{
    return Form(dialog)->exec() == QDialog::Accepted;
}

QDialog* DialogForms::Form(DialogId dialog)
{
    const size_t index = static_cast<size_t>(dialog);
    WENT_CHECK(index < byId_.size() && byId_[index], "every dialog of the dialog table has its form");
    return byId_[index];
}
