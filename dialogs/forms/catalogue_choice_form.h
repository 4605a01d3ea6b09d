// The two dialogs of the selection from the catalogue: the required flow per grille Qi, and the
// table of every chooser entry in its three configurations, sortable by any column, with the
// rows that reach Qi marked.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "dialogs/forms/one_flow_form.h"
#include "model/catalogue_ranking.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

// Required flow per grille; value file "dialog6.sav".
class TOKBottomDlg6 : public OneFlowForm {
    Q_OBJECT

public:
    explicit TOKBottomDlg6(const DialogContext& context);
};

// The ranked configurations. OK (or a double click on a row) chooses the current row. Rows of a
// configuration the catalogue has no curve for show only while "Pokaż wszystkie" is ticked. A
// sort by a column lasts while the dialog is open; each showing starts in ranking order with the
// first row selected.
class TKatalogDlg : public QDialog {
    Q_OBJECT

public:
    TKatalogDlg();

    // Fills the table in ranking order and shows it modally; the index into `rows` of the row
    // chosen, nothing on cancel.
    std::optional<size_t> Choose(const std::vector<RankedConfiguration>& rows, double requiredFlow);

    QLabel* Label1;  // the required flow
    QTableWidget* Table;
    QCheckBox* ShowAll;  // "Pokaż wszystkie"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

private:
    void Fill(const std::vector<RankedConfiguration>& rows);
    // Hides or shows the rows without a characteristic; a hidden current row gives way to the
    // first row shown.
    void ApplyFilter();
    void SelectFirstShownRow();
    // Widens the dialog, as far as the screen allows, so that every column shows without scrolling.
    void FitWidthToColumns();

    std::vector<RankedConfiguration> rows_;
};
