// The facts of every dialog in one table: its form name and caption, its value file, and for
// each edit box its kind, the label that names it in messages, the batch key that answers it and
// the format and width of its value-file line. The OK handlers, the forms, the value files and
// the batch front end all read them from here.
#pragma once

#include <span>

#include "dialogs/text_to_number.h"

enum class DialogId {
    OKBottomDlg3,      // density source
    OKBottomDlg,       // typed density
    Form3,             // density from temperature, pressure, humidity
    OKBottomDlg333,    // duct shape
    Form1,             // rectangular duct
    Form4,             // round duct
    OKBottomDlg33333,  // duct material
    OKBottomDlg3333,   // installation kind
    Form22,            // building, rectangular grille
    Form222,           // building, round grille
    Form2222,          // building, adjustable round grille
    Form22222,         // building, constant-flow round grille
    Form222222,        // building, constant-flow rectangular grille
    OKBottomDlg_wyw,   // fan chooser
    OKBottomDlg1,      // requested flow, regulated speed
    OKBottomDlg2,      // requested flow and variant, regulated speed with silencers
    OKBottomDlg6,      // required flow per grille, selection from the catalogue
    OKBottomDlg7,      // required flow, winter and summer temperatures and fan speed of the storey flows
};

// One edit box, in the order of its dialog's value file (line i fills box i).
struct EditBox {
    NumberKind Kind;         // what the box accepts
    const char* Field;       // its label in the dialog, naming it in messages (UTF-8)
    const char* BatchKey;    // the batch input key that answers it
    const char* LineFormat;  // printf conversion of its value-file line ("%d" for integer boxes)
    int LineWidth;           // longest line the dialog reads back, without the line end
};

struct DialogFacts {
    DialogId Id;
    const char* FormName;             // the form's object name ("OKBottomDlg3")
    const char* Caption;              // its title bar text (UTF-8)
    const char* ValueFile;            // "dialog.sav", ...; nullptr for dialogs without edit boxes
    std::span<const EditBox> Boxes;   // empty for dialogs without edit boxes
};

// The caption of every message box of the program: the dialogs' refusals and the commands' messages.
extern const char kMessageCaption[];

// Every dialog, in the order of DialogId.
std::span<const DialogFacts> AllDialogs();

const DialogFacts& FactsOf(DialogId dialog);

// What an edit box shows before its dialog has a value file: "" for nearly every box.
const char* StartText(DialogId dialog, size_t box);
