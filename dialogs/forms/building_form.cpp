// Common rows, buttons and combo boxes of the building dialogs.
#include "dialogs/forms/building_form.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kLabelOffset = 4;     // a label's top below its edit box's top, so their texts align
constexpr int kButtonsTopFromBottom = 36;  // the buttons' top above the bottom of the client area
constexpr int kExampleLeft = 16;
constexpr int kExampleValueGap = 10;
constexpr int kExampleColumnGap = 24;

}  // namespace

BuildingForm::BuildingForm(const DialogContext& context, DialogId id, QSize client, QPoint designPosition,
                           const Rows& rows)
    : ModalForm(context, id, {client, AtDesignPosition(designPosition.x(), designPosition.y()), false}),
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

void BuildingForm::PlaceButtonsAtBottom()
{
    Button1->move(CentredButtonsLeft(), height() - kButtonsTopFromBottom);
    Button2->move(CentredCancelLeft(), height() - kButtonsTopFromBottom);
}

std::vector<QLabel*> BuildingForm::MakeExampleTable(const std::vector<ExampleGrille>& rows, int firstLabel,
                                                   int rowsPerColumn, int top, int step)
{
    std::vector<std::vector<QLabel*>> descriptions;
    std::vector<std::vector<QLabel*>> values;
    std::vector<QLabel*> labels;
    int number = firstLabel;
    for (size_t i = 0; i < rows.size(); ++i) {
        const size_t column = i / rowsPerColumn;
        if (column == descriptions.size()) {
            descriptions.emplace_back();
            values.emplace_back();
        }
        const int rowTop = top + step * static_cast<int>(i % rowsPerColumn);
        const QByteArray descriptionName = "Label" + QByteArray::number(number++);
        const QByteArray valueName = "Label" + QByteArray::number(number++);
        descriptions[column].push_back(MakeLabel(descriptionName.constData(), rows[i].Description, 0, rowTop));
        values[column].push_back(MakeLabel(valueName.constData(), rows[i].Value, 0, rowTop));
        labels.push_back(descriptions[column].back());
        labels.push_back(values[column].back());
    }
    int left = kExampleLeft;
    for (size_t column = 0; column < descriptions.size(); ++column)
        left = std::max(PlaceExampleColumn(descriptions[column], values[column], left) + kExampleColumnGap,
                        width() / 2);
    return labels;
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

GrilleListForm::GrilleListForm(const DialogContext& context, DialogId id, QSize client,
                               const QString& numberCaption, const QString& initialGrille, const QString& note)
    : BuildingForm(context, id, client, QPoint(272, 200), {40, 28, 200, 105})
{
    Label4 = MakeRowLabel("Label4", "Wybierz kratke", 2);
    Label5 = MakeRowLabel("Label5", numberCaption, 3);
    ComboBox1 = MakeRowCombo("ComboBox1", id, initialGrille, 2);
    Edit4 = MakeRowEdit("Edit4", 3);
    Label6 = MakeLabel("Label6", note, 16, RowTop(4) + 4);
    PlaceButtons(&GrilleListForm::Button1Click);
    SetTabOrder({Edit1, Edit2, ComboBox1, Edit4, Button1, Button2});
    FillEditsAtCreation({Edit1, Edit2, Edit4});
    if (const std::optional<std::string> grille = StartComboText())
        ComboBox1->setCurrentIndex(ComboBox1->findText(QString::fromStdString(*grille)));
}

void GrilleListForm::Button1Click()
{
    ConfirmTexts({Edit1, Edit2, Edit4}, ComboBox1);
}
