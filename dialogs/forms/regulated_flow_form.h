// Requested flow for the regulated speed of the fan; value file "dialog4.sav".
#pragma once

#include "dialogs/forms/one_flow_form.h"

class TOKBottomDlg1 : public OneFlowForm {
    Q_OBJECT

public:
    explicit TOKBottomDlg1(const DialogContext& context);
};
