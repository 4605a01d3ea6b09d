// What the program's modal dialogs have in common: a fixed client size, a place on the screen,
// the dialog font, Escape bound to cancel only where the form has a cancel button for it, and
// an OK that hands the controls to ConfirmDialog and closes only when the values are taken.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>
#include <QFont>
#include <QPoint>
#include <QPushButton>
#include <QSize>
#include <QString>

#include "dialogs/dialog_actions.h"
#include "model/calc_record.h"
#include "output/storage/file_problems.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QRadioButton;
class QShowEvent;

// What every form's OK works on: the one record, the working directory of the value files and
// the list of files that could not be written during the current command.
struct DialogContext {
    CalcRecord* Record;
    std::string Dir;
    FileProblems* Problems;
};

// How a form is placed when it is shown: centred on the screen every time, or left where it is
// (at its design position until the user moves it).
struct FormPlacement {
    bool Centred;
    QPoint DesignPosition;  // outer top-left corner, used when not centred
};

constexpr FormPlacement kScreenCentre{true, QPoint()};
constexpr FormPlacement AtDesignPosition(int left, int top) { return {false, QPoint(left, top)}; }

// How a form looks; its name and caption stand in the dialog table.
struct FormShape {
    QSize Client;           // fixed client area in pixels
    FormPlacement Placement;
    bool EscapeCancels;     // true where the cancel button is bound to Escape
};

// The dialogs' font at 8 pt: "MS Sans Serif" when the system has it, otherwise a face of similar
// widths (Arial, Liberation Sans), otherwise the system font.
QFont DialogFont();

class QMessageBox;
// Widens a message box so that its caption fits in a title bar: a window manager elides a caption
// longer than its window, and the program's message caption is longer than most messages.
void WidenForCaption(QMessageBox& box);
// The width a window needs for the title bar to show `caption` whole, px.
int CaptionWidth(const QString& caption);

class ModalForm : public QDialog {
    Q_OBJECT

public:
    ModalForm(const DialogContext& context, DialogId id, const FormShape& shape);
    DialogId Id() const { return id_; }

protected:
    // Hands the controls to ConfirmDialog. Taken: the dialog closes with OK. Refused: the reason
    // is shown in a warning box and the dialog stays open with the user's texts as they were.
    DialogOutcome Confirm(const DialogInput& input);
    // Confirm with the texts of `edits`, in value-file order, and of `combo` where there is one;
    // a refused box gets the focus.
    // `choice`: DialogInput::Choice of a form with a check box beside its edits (1 ticked).
    void ConfirmTexts(std::initializer_list<QLineEdit*> edits, const QComboBox* combo = nullptr, int choice = 0);
    // Confirm with the number of the last checked of `radios` (from 0), or -1 when none is.
    void ConfirmChoice(std::initializer_list<const QRadioButton*> radios);

    // The texts this dialog shows at creation: the building file's answers, else the lines of
    // its value file, or empty.
    void FillEditsAtCreation(std::initializer_list<QLineEdit*> edits);
    // The button, fan or variant this dialog starts with: the building file's answer, else the
    // form's initial one (ChoiceAtCreation).
    int StartChoice() const;
    // Checks the radio button the dialog starts with.
    void CheckAtCreation(std::initializer_list<QRadioButton*> radios);
    // The grille item the building file names for this dialog's list, if any.
    std::optional<std::string> StartComboText() const;

    // Component builders. Positions are relative to `parent` (the form when null); a width or
    // height of 0 lets the control take its natural size.
    QLabel* MakeLabel(const char* name, const QString& text, int left, int top, QWidget* parent = nullptr);
    QLineEdit* MakeEdit(const char* name, int left, int top, int width);
    QPushButton* MakeButton(const char* name, const QString& text, int left, int top);
    QRadioButton* MakeRadio(const char* name, const QString& text, int left, int top, int width,
                            QWidget* parent = nullptr);
    QFrame* MakeBevel(const char* name, int left, int top, int width, int height);
    // A combo box whose text can be typed. It starts with the text `initial` and no item
    // selected, completes nothing and never adds a typed text to its list.
    QComboBox* MakeEditableCombo(const char* name, const std::vector<std::string>& items, const QString& initial,
                                 int left, int top, int width);
    QGroupBox* MakeGroup(const char* name, const QString& title, int left, int top, int width, int height);
    // RadioButton1, RadioButton2, ... in `group`, captioned from RadioCaptions, one below the other
    // from `top` on, `step` apart.
    void MakeRadioColumn(std::initializer_list<QRadioButton**> radios, QGroupBox* group, int left, int top, int step,
                         int width);

    // OK becomes the default button (Enter); the cancel button closes the form with Cancel.
    // Each form connects its OK to its own handler.
    void WireButtons(QPushButton* ok, QPushButton* cancel);
    // OK and Anuluj side by side, centred at `top`, wired; OK runs `onOk`.
    template <typename Form>
    void MakeCentredButtons(QPushButton*& ok, QPushButton*& cancel, const char* okName, const char* cancelName,
                            int top, void (Form::*onOk)())
    {
        ok = MakeButton(okName, "OK", CentredButtonsLeft(), top);
        cancel = MakeButton(cancelName, "Anuluj", CentredCancelLeft(), top);
        WireButtons(ok, cancel);
        connect(ok, &QPushButton::clicked, static_cast<Form*>(this), onOk);
    }

    // Focus moves through the widgets in this order with Tab; the first gets the focus when the
    // form is shown for the first time, and every time when it is a number box.
    void SetTabOrder(const std::vector<QWidget*>& order);
    // The number box that opens with the focus, its text selected for typing over, every time the
    // form is shown (for forms whose first control is a number box but whose Tab starts at OK).
    void OpenWithFocusIn(QLineEdit* box) { openingBox_ = box; }

    // Left edges of OK and Anuluj when they stand side by side, centred in the client area.
    int CentredButtonsLeft() const;
    int CentredCancelLeft() const;

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    static std::string Utf8(const QString& text) { return text.toStdString(); }

private:
    DialogContext context_;
    DialogId id_;
    FormPlacement placement_;
    bool escapeCancels_;
    QWidget* firstInTabOrder_ = nullptr;
    QLineEdit* openingBox_ = nullptr;
    bool shownBefore_ = false;
    std::vector<QLineEdit*> filledEdits_;  // the edit boxes in value-file order, as filled at creation
};
