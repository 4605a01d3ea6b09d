// The fan chooser: one radio button for each catalogue entry that can be chosen, in three
// columns, beside pictures of the fan families. Its OK sets FanIndex to the checked entry.
#pragma once

#include <array>

#include "dialogs/forms/modal_form.h"
#include "model/fan_catalogue.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TOKBottomDlg_wyw : public ModalForm {
    Q_OBJECT

public:
    explicit TOKBottomDlg_wyw(const DialogContext& context);

    // RadioButtonK for FanIndex K, or nullptr for the entries without a button (20, 21, 22).
    QRadioButton* RadioButton(int fanIndex) const;

    QGroupBox* GroupBox1;  // "Proszę wybrać wentylator"; the buttons stand on the form over it
    QButtonGroup* Buttons;  // every radio button, id = FanIndex
    std::array<QLabel*, 5> Images;  // Image1..Image5: ALVIR, BRESA, CORVA, DUNMAR, ESKOL
    std::array<QLabel*, 5> Labels;  // Label1..Label5: the family names beside the pictures
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void OKBtnClick();

private:
    std::array<QRadioButton*, kFanCount + 1> radioButtons_{};  // by FanIndex; [0] unused
};
