// The dialogs of the selection from the catalogue: Qi with its value file "dialog6.sav", and the
// sortable table of the ranking whose columns come from output/catalogue_table.
#include "dialogs/forms/catalogue_choice_form.h"

#include <algorithm>

#include <QBrush>
#include <QCheckBox>
#include <QColor>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "output/catalogue_table.h"

namespace {

constexpr int kOriginalRow = Qt::UserRole;       // index into the ranking, on column 0
constexpr int kSortKey = Qt::UserRole + 1;       // numeric columns sort by this value

// Numeric columns sort by value, not by text; rows without a value sort below every value.
class RankingItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override
    {
        const QVariant mine = data(kSortKey);
        const QVariant theirs = other.data(kSortKey);
        if (mine.isValid() && theirs.isValid())
            return mine.toDouble() < theirs.toDouble();
        return QTableWidgetItem::operator<(other);
    }
};

}  // namespace

TOKBottomDlg6::TOKBottomDlg6(const DialogContext& context)
    : OneFlowForm(context, DialogId::OKBottomDlg6, {QSize(344, 183), 216, 113, 91, 171})
{
}

TKatalogDlg::TKatalogDlg()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::WindowMaximizeButtonHint)
{
    setObjectName("KatalogDlg");
    setWindowTitle(QString::fromUtf8("Dobór z katalogu"));
    setFont(DialogFont());
    resize(900, 560);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Table = new QTableWidget(this);
    Table->setObjectName("Table");
    Table->setColumnCount(kRankingColumnCount);
    QStringList headers;
    for (const RankingColumn& column : kRankingColumns)
        headers << QString::fromUtf8(column.Header);
    Table->setHorizontalHeaderLabels(headers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->setVisible(false);
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 6);
    Table->horizontalHeader()->setSortIndicatorShown(true);
    connect(Table, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

    ShowAll = new QCheckBox(QString::fromUtf8("Pokaż wszystkie"), this);
    ShowAll->setObjectName("ShowAll");
    connect(ShowAll, &QCheckBox::toggled, this, &TKatalogDlg::ApplyFilter);
    // A sort keeps the rows; the hidden ones are hidden again in their new places.
    connect(Table->model(), &QAbstractItemModel::layoutChanged, this, &TKatalogDlg::ApplyFilter);

    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton("Anuluj", this);
    CancelBtn->setObjectName("CancelBtn");
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    QHBoxLayout* buttons = new QHBoxLayout;
    buttons->addWidget(ShowAll);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Table);
    layout->addLayout(buttons);
}

void TKatalogDlg::Fill(const std::vector<RankedConfiguration>& rows)
{
    rows_ = rows;
    // Rows go in in ranking order, and no sort of an earlier showing is applied to them.
    Table->setSortingEnabled(false);
    Table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    Table->clearContents();
    Table->setRowCount(static_cast<int>(rows.size()));
    QFont bold = Table->font();
    bold.setBold(true);
    const QBrush reaching(QColor(0xd8, 0xf0, 0xd0));
    for (size_t r = 0; r < rows.size(); ++r) {
        const RankedConfiguration& row = rows[r];
        const std::vector<std::string> cells = RankingCells(row);
        for (int c = 0; c < kRankingColumnCount; ++c) {
            auto* item = new RankingItem(QString::fromStdString(cells[static_cast<size_t>(c)]));
            if (kRankingColumns[c].Numeric) {
                item->setData(kSortKey, RankingSortKey(row, c));
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            if (row.ReachesRequiredFlow) {
                item->setBackground(reaching);
                item->setFont(bold);
            }
            if (c == 0)
                item->setData(kOriginalRow, static_cast<qulonglong>(r));
            Table->setItem(static_cast<int>(r), c, item);
        }
    }
    Table->setSortingEnabled(true);
    // Measured with the sort indicator shown, so that its arrow has room beside every header.
    Table->resizeColumnsToContents();
    ApplyFilter();
    SelectFirstShownRow();
}

void TKatalogDlg::FitWidthToColumns()
{
    int columns = 0;  // px
    for (int c = 0; c < Table->columnCount(); ++c)
        columns += Table->horizontalHeader()->sectionSize(c);
    const QMargins margins = layout()->contentsMargins();
    const int wanted = columns + Table->verticalScrollBar()->sizeHint().width() + 2 * Table->frameWidth() +
                       margins.left() + margins.right();
    const int available = screen() ? screen()->availableGeometry().width() : wanted;
    resize(std::max(width(), std::min(wanted, available)), height());
}

void TKatalogDlg::ApplyFilter()
{
    const bool all = ShowAll->isChecked();
    for (int r = 0; r < Table->rowCount(); ++r) {
        const QTableWidgetItem* item = Table->item(r, 0);
        const size_t index = item ? static_cast<size_t>(item->data(kOriginalRow).toULongLong()) : rows_.size();
        const bool hide = !all && index < rows_.size() && rows_[index].Reason == RankingReason::NoCharacteristic;
        Table->setRowHidden(r, hide);
    }
    if (Table->currentRow() < 0 || Table->isRowHidden(Table->currentRow()))
        SelectFirstShownRow();
}

void TKatalogDlg::SelectFirstShownRow()
{
    for (int r = 0; r < Table->rowCount(); ++r) {
        if (!Table->isRowHidden(r)) {
            Table->setCurrentCell(r, 0);
            Table->selectRow(r);
            Table->scrollToTop();
            Table->horizontalScrollBar()->setValue(0);
            return;
        }
    }
    Table->setCurrentCell(-1, -1);
}

std::optional<size_t> TKatalogDlg::Choose(const std::vector<RankedConfiguration>& rows, double requiredFlow)
{
    Label1->setText(QString::fromStdString(RankingHeading(requiredFlow)));
    Fill(rows);
    FitWidthToColumns();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    const int current = Table->currentRow();
    if (current < 0 || Table->isRowHidden(current) || !Table->item(current, 0))
        return std::nullopt;
    return static_cast<size_t>(Table->item(current, 0)->data(kOriginalRow).toULongLong());
}
