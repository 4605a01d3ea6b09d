// The seventeen modal dialogs of the window program, created once at start-up and kept for the
// whole run, so that every dialog shows the state it was left in. The window's FrontEnd shows
// them through Exec.
#pragma once

#include <memory>
#include <vector>

#include "dialogs/dialog_actions.h"
#include "dialogs/forms/modal_form.h"

class QDialog;
class TOKBottomDlg;
class TForm1;
class TForm3;
class TForm4;
class TOKBottomDlg3;
class TOKBottomDlg333;
class TOKBottomDlg3333;
class TOKBottomDlg33333;
class TOKBottomDlg_wyw;
class TForm22;
class TForm222;
class TForm2222;
class TForm22222;
class TOKBottomDlg1;
class TOKBottomDlg2;
class TForm222222;
class TOKBottomDlg6;
class TKatalogDlg;
class TOKBottomDlg7;

// The 17 modal dialogs of the program, created once in the start-up order (after MainForm and
// AboutBox): OKBottomDlg, Form1, Form3, Form4, OKBottomDlg3, OKBottomDlg333, OKBottomDlg3333,
// OKBottomDlg33333, OKBottomDlg_wyw, Form22, Form222, Form2222, Form22222, OKBottomDlg1,
// OKBottomDlg2, Form222222, OKBottomDlg7; each input dialog fills its edit boxes from its value
// file at creation.
class DialogForms {
public:
    explicit DialogForms(const DialogContext& context);
    ~DialogForms();
    DialogForms(const DialogForms&) = delete;
    DialogForms& operator=(const DialogForms&) = delete;

    bool Exec(DialogId dialog);  // modal show with exec(); true for OK
    QDialog* Form(DialogId dialog);

    TOKBottomDlg* OKBottomDlg;
    TForm1* Form1;
    TForm3* Form3;
    TForm4* Form4;
    TOKBottomDlg3* OKBottomDlg3;
    TOKBottomDlg333* OKBottomDlg333;
    TOKBottomDlg3333* OKBottomDlg3333;
    TOKBottomDlg33333* OKBottomDlg33333;
    TOKBottomDlg_wyw* OKBottomDlg_wyw;
    TForm22* Form22;
    TForm222* Form222;
    TForm2222* Form2222;
    TForm22222* Form22222;
    TOKBottomDlg1* OKBottomDlg1;
    TOKBottomDlg2* OKBottomDlg2;
    TForm222222* Form222222;
    TOKBottomDlg6* OKBottomDlg6;  // required flow of the selection from the catalogue
    TKatalogDlg* KatalogDlg;      // its table; shown through TKatalogDlg::Choose, not Exec
    TOKBottomDlg7* OKBottomDlg7;

private:
    template <typename Form, typename... Args>
    Form* Create(Args&&... args);

    std::vector<std::unique_ptr<QDialog>> owned_;  // every form, in the order of creation
    std::vector<QDialog*> byId_;                   // the form of each dialog, indexed by DialogId
};
