// What the five building dialogs share: the caption "Parametry budynku", the title line, the rows
// of the storey height (Edit1) and storey count (Edit2), the buttons Button1 "OK" and Button2
// "Anuluj" after every other control in tab order, and the grille combo box where there is one.
#pragma once

#include <array>
#include <vector>

#include <QPushButton>

#include "dialogs/forms/modal_form.h"

class QComboBox;
class QLabel;
class QLineEdit;

class BuildingForm : public ModalForm {
    Q_OBJECT

public:
    QLabel* Label1;  // "Proszę podać parametry budynku"
    QLabel* Label2;  // "Wysokość jednej kondygnacji [m]"
    QLabel* Label3;  // "Ilość kondygnacji"
    QLineEdit* Edit1;  // storey height [m], decimal
    QLineEdit* Edit2;  // storey count, integer
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    // The rows of labelled boxes: the first box's top, the distance between rows, and the left
    // edge and width of every box.
    struct Rows {
        int FirstRowTop;
        int RowStep;
        int EditLeft;
        int EditWidth;
    };

    BuildingForm(const DialogContext& context, DialogId id, QSize client, QPoint designPosition,
                 const Rows& rows);

    // Top of the edit box or combo box of row `row` (0 = storey height).
    int RowTop(int row) const { return rows_.FirstRowTop + rows_.RowStep * row; }
    // A label beside the row's box, aligned with its text.
    QLabel* MakeRowLabel(const char* name, const QString& text, int row);
    QLineEdit* MakeRowEdit(const char* name, int row);
    QComboBox* MakeRowCombo(const char* name, DialogId dialog, const QString& initial, int row);

    // Places the buttons centred near the bottom of the form and connects OK to `onOk`.
    template <typename Form>
    void PlaceButtons(void (Form::*onOk)())
    {
        PlaceButtonsAtBottom();
        connect(Button1, &QPushButton::clicked, static_cast<Form*>(this), onOk);
    }

    struct ExampleGrille {
        const char* Description;  // display only
        const char* Size;         // dimensions [m], with a decimal point as the boxes take them
        const char* Value;        // loss coefficient, likewise
    };

    // A table of example grilles: labels from Label`firstLabel` on, description and value row by
    // row, `rowsPerColumn` rows a column from `top` down, `step` apart. Each column's values stand
    // just right of its widest description; a further column starts right of the one before, or
    // at the middle of the form when that is further right. Returns the labels in creation order.
    std::vector<QLabel*> MakeExampleTable(const std::vector<ExampleGrille>& rows, int firstLabel, int rowsPerColumn,
                                          int top, int step);

private:
    void PlaceButtonsAtBottom();
    // Descriptions at `left`, their values just right of the widest; returns the values' right edge.
    // Places one table column (descriptions, sizes, values) from `left`; returns its right edge.
    int PlaceExampleColumn(const std::array<std::vector<QLabel*>, 3>& texts, int left);

    Rows rows_;
};

// The building dialogs whose grille is chosen from a list (kinds 3 to 5): the grille in ComboBox1
// and one whole number for it in Edit4, with a note below the rows.
class GrilleListForm : public BuildingForm {
    Q_OBJECT

public:
    QLabel* Label4;        // "Wybierz kratke"
    QLabel* Label5;        // what Edit4 holds
    QLabel* Label6;        // the note below the rows
    QComboBox* ComboBox1;  // the grilles, starting with the text `initialGrille`
    QLineEdit* Edit4;      // integer

public slots:
    void Button1Click();

protected:
    GrilleListForm(const DialogContext& context, DialogId id, QSize client,
                   const QString& numberCaption, const QString& initialGrille, const QString& note);
};
