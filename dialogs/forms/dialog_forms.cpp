// Creation of the seventeen dialogs in the start-up order, and their modal show.
#include "dialogs/forms/dialog_forms.h"

#include "dialogs/forms/catalogue_choice_form.h"
#include "dialogs/forms/stack_effect_form.h"
#include "dialogs/forms/rectangular_duct_form.h"
#include "dialogs/forms/rectangular_grille_form.h"
#include "dialogs/forms/round_grille_form.h"
#include "dialogs/forms/adjustable_grille_form.h"
#include "dialogs/forms/constant_flow_round_grille_form.h"
#include "dialogs/forms/constant_flow_rectangular_grille_form.h"
#include "dialogs/forms/air_state_form.h"
#include "dialogs/forms/round_duct_form.h"
#include "dialogs/forms/typed_density_form.h"
#include "dialogs/forms/regulated_flow_form.h"
#include "dialogs/forms/variant_flow_form.h"
#include "dialogs/forms/density_source_form.h"
#include "dialogs/forms/duct_shape_form.h"
#include "dialogs/forms/installation_kind_form.h"
#include "dialogs/forms/duct_material_form.h"
#include "dialogs/forms/fan_choice_form.h"

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
    switch (dialog) {
    case DialogId::OKBottomDlg3: return OKBottomDlg3;
    case DialogId::OKBottomDlg: return OKBottomDlg;
    case DialogId::Form3: return Form3;
    case DialogId::OKBottomDlg333: return OKBottomDlg333;
    case DialogId::Form1: return Form1;
    case DialogId::Form4: return Form4;
    case DialogId::OKBottomDlg33333: return OKBottomDlg33333;
    case DialogId::OKBottomDlg3333: return OKBottomDlg3333;
    case DialogId::Form22: return Form22;
    case DialogId::Form222: return Form222;
    case DialogId::Form2222: return Form2222;
    case DialogId::Form22222: return Form22222;
    case DialogId::Form222222: return Form222222;
    case DialogId::OKBottomDlg_wyw: return OKBottomDlg_wyw;
    case DialogId::OKBottomDlg1: return OKBottomDlg1;
    case DialogId::OKBottomDlg2: return OKBottomDlg2;
    case DialogId::OKBottomDlg6: return OKBottomDlg6;
    case DialogId::OKBottomDlg7: return OKBottomDlg7;
    }
    Q_UNREACHABLE();
}
