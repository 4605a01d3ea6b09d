// What the five building dialogs share: the caption "Parametry budynku", the title line, the rows
// of the storey height (Edit1) and storey count (Edit2), the buttons Button1 "OK" and Button2
// "Anuluj" after every other control in tab order, and the grille combo box where there is one.
#pragma once

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

    BuildingForm(const DialogContext& context, DialogId id, const char* name, QSize client, QPoint designPosition,
                 const Rows& rows);

    // Top of the edit box or combo box of row `row` (0 = storey height).
    int RowTop(int row) const { return rows_.FirstRowTop + rows_.RowStep * row; }
    // A label beside the row's box, aligned with its text.
    QLabel* MakeRowLabel(const char* name, const QString& text, int row);
    QLineEdit* MakeRowEdit(const char* name, int row);
    QComboBox* MakeRowCombo(const char* name, DialogId dialog, const QString& initial, int row);

    // Places the buttons at `top` and connects OK to `onOk`.
    template <typename Form>
    void PlaceButtons(int top, void (Form::*onOk)())
    {
        PlaceButtonsAt(top);
        connect(Button1, &QPushButton::clicked, static_cast<Form*>(this), onOk);
    }

    // Example tables: descriptions at `left`, their values just right of the widest description.
    // Returns the right edge of the values.
    int PlaceExampleColumn(const std::vector<QLabel*>& descriptions, const std::vector<QLabel*>& values, int left);

private:
    void PlaceButtonsAt(int top);

    Rows rows_;
};
