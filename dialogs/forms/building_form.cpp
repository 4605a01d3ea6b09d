// Common rows, buttons and combo boxes of the building dialogs.
#include "dialogs/forms/building_form.h"

#include <algorithm>
#include <array>

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
    // columns[c][k]: the labels of text column k (description, size, value) of table column c.
    std::vector<std::array<std::vector<QLabel*>, 3>> columns;
    std::vector<QLabel*> labels;
    int number = firstLabel;
    for (size_t i = 0; i < rows.size(); ++i) {
        const size_t column = i / rowsPerColumn;
        if (column == columns.size())
            columns.emplace_back();
        const int rowTop = top + step * static_cast<int>(i % rowsPerColumn);
        const char* texts[] = {rows[i].Description, rows[i].Size, rows[i].Value};
        for (size_t k = 0; k < 3; ++k) {
            const QByteArray name = "Label" + QByteArray::number(number++);
            columns[column][k].push_back(MakeLabel(name.constData(), texts[k], 0, rowTop));
            labels.push_back(columns[column][k].back());
        }
    }
    int left = kExampleLeft;
    for (const auto& column : columns)
        left = std::max(PlaceExampleColumn(column, left) + kExampleColumnGap, width() / 2);
    return labels;
}

int BuildingForm::PlaceExampleColumn(const std::array<std::vector<QLabel*>, 3>& texts, int left)
{
    // Each text column starts right of the widest text of the one before it.
    int x = left;
    int right = left;
    for (const std::vector<QLabel*>& text : texts) {
        int widest = 0;
        for (QLabel* label : text) {
            label->move(x, label->y());
            widest = std::max(widest, label->width());
        }
        right = x + widest;
        x = right + kExampleValueGap;
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
