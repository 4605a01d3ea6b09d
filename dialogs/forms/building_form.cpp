// Common rows, buttons and combo boxes of the building dialogs.
#include "dialogs/forms/building_form.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kLabelOffset = 4;     // a label's top below its edit box's top, so their texts align
constexpr int kExampleValueGap = 10;

}  // namespace

BuildingForm::BuildingForm(const DialogContext& context, DialogId id, const char* name, QSize client,
                           QPoint designPosition, const Rows& rows)
    : ModalForm(context, id,
                {name, "Parametry budynku", client, AtDesignPosition(designPosition.x(), designPosition.y()), false}),
      rows_(rows)
{
    Label1 = MakeLabel("Label1", "Proszę podać parametry budynku", 16, rows.FirstRowTop - rows.RowStep + kLabelOffset);
    Label2 = MakeRowLabel("Label2", "Wysokość jednej kondygnacji [m]", 0);
    Label3 = MakeRowLabel("Label3", "Ilość kondygnacji", 1);
    Edit1 = MakeRowEdit("Edit1", 0);
    Edit2 = MakeRowEdit("Edit2", 1);
    Button1 = MakeButton("Button1", "OK", 0, 0);
    Button2 = MakeButton("Button2", "Anuluj", 0, 0);
    WireButtons(Button1, Button2);
}

QLabel* BuildingForm::MakeRowLabel(const char* name, const QString& text, int row)
{
    return MakeLabel(name, text, 16, RowTop(row) + kLabelOffset);
}

QLineEdit* BuildingForm::MakeRowEdit(const char* name, int row)
{
    return MakeEdit(name, rows_.EditLeft, RowTop(row), rows_.EditWidth);
}

QComboBox* BuildingForm::MakeRowCombo(const char* name, DialogId dialog, const QString& initial, int row)
{
    return MakeEditableCombo(name, ComboItems(dialog), initial, rows_.EditLeft, RowTop(row), rows_.EditWidth);
}

void BuildingForm::PlaceButtonsAt(int top)
{
    Button1->move(CentredButtonsLeft(), top);
    Button2->move(CentredCancelLeft(), top);
}

int BuildingForm::PlaceExampleColumn(const std::vector<QLabel*>& descriptions, const std::vector<QLabel*>& values,
                                     int left)
{
    int widest = 0;
    for (const QLabel* label : descriptions)
        widest = std::max(widest, label->width());
    int right = left;
    for (size_t i = 0; i < descriptions.size(); ++i) {
        descriptions[i]->move(left, descriptions[i]->y());
        values[i]->move(left + widest + kExampleValueGap, values[i]->y());
        right = std::max(right, values[i]->x() + values[i]->width());
    }
    return right;
}
