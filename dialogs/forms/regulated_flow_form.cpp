// Requested-flow dialog of the regulated speed: "Wydajność regulowana Qr [m3/s]".
#include "dialogs/forms/regulated_flow_form.h"

TOKBottomDlg1::TOKBottomDlg1(const DialogContext& context)
    : OneFlowForm(context, DialogId::OKBottomDlg1, {QSize(320, 183), 184, 121, 79, 159})
{
}
