// The dialogs that ask for one flow under "Proszę podać parametry": a bevel, the heading, the
// box's label from the dialog table and its edit box, then OK first in tab order, so that Enter
// accepts the flow shown, and Anuluj.
#pragma once

#include "dialogs/forms/modal_form.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Where a one-flow dialog places its controls; each dialog has its own design.
struct OneFlowLayout {
    QSize Client;  // fixed client area, the bevel 15 px narrower
    int EditLeft;  // the edit box, at the label's height
    int EditWidth;
    int OkLeft;  // OK and Anuluj below the bevel
    int CancelLeft;
};

class OneFlowForm : public ModalForm {
    Q_OBJECT

public:
    OneFlowForm(const DialogContext& context, DialogId id, const OneFlowLayout& layout);

    QFrame* Bevel1;
    QLabel* Label2;  // "Proszę podać parametry"
    QLabel* Label1;  // the box's label
    QLineEdit* Edit1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void OKBtnClick();
};
