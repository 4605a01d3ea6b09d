// Creation of the seventeen dialogs in the start-up order, and their modal show.
#include "dialogs/forms/dialog_forms.h"

#include <type_traits>
#include <utility>

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

// Creates a form, keeps it for the destructor and files it under its dialog's id.
template <typename Form, typename... Args>
Form* DialogForms::Create(Args&&... args)
{
    Form* form = new Form(std::forward<Args>(args)...);
    owned_.emplace_back(form);
    if constexpr (std::is_base_of_v<ModalForm, Form>)
        byId_.at(static_cast<size_t>(form->Id())) = form;
    return form;
}

DialogForms::DialogForms(const DialogContext& context) : byId_(AllDialogs().size(), nullptr)
{
    // The order of creation is the order in which the value files are read.
    OKBottomDlg = Create<TOKBottomDlg>(context);
    Form1 = Create<TForm1>(context);
    Form3 = Create<TForm3>(context);
    Form4 = Create<TForm4>(context);
    OKBottomDlg3 = Create<TOKBottomDlg3>(context);
    OKBottomDlg333 = Create<TOKBottomDlg333>(context);
    OKBottomDlg3333 = Create<TOKBottomDlg3333>(context);
    OKBottomDlg33333 = Create<TOKBottomDlg33333>(context);
    OKBottomDlg_wyw = Create<TOKBottomDlg_wyw>(context);
    Form22 = Create<TForm22>(context);
    Form222 = Create<TForm222>(context);
    Form2222 = Create<TForm2222>(context);
    Form22222 = Create<TForm22222>(context);
    OKBottomDlg1 = Create<TOKBottomDlg1>(context);
    OKBottomDlg2 = Create<TOKBottomDlg2>(context);
    Form222222 = Create<TForm222222>(context);
    OKBottomDlg6 = Create<TOKBottomDlg6>(context);
    KatalogDlg = Create<TKatalogDlg>();
    OKBottomDlg7 = Create<TOKBottomDlg7>(context);
}

DialogForms::~DialogForms()
{
    // The forms have no parent; they go in the reverse order of creation.
    while (!owned_.empty())
        owned_.pop_back();
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
