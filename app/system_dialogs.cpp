// The Qt dialogs of the main window. The printer is made on first use: creating it asks the
// print system for its printers, which would slow down the start of the program.
#include "app/system_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "dialogs/forms/modal_form.h"

QtSystemDialogs::QtSystemDialogs(QWidget* owner) : owner_(owner) {}

// The print dialogs refer to the printer, so they go before it (they are the owner's children
// and would otherwise outlive it).
QtSystemDialogs::~QtSystemDialogs()
{
    delete PrintDialog;
    delete PrintSetupDialog;
    delete SaveDialog;
}

QPrinter& QtSystemDialogs::Printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

QPrinter* QtSystemDialogs::RunPrintDialog()
{
    if (!PrintDialog) {
        PrintDialog = new QPrintDialog(&Printer(), owner_);
        PrintDialog->setObjectName("PrintDialog");
    }
    return PrintDialog->exec() == QDialog::Accepted ? &Printer() : nullptr;
}

void QtSystemDialogs::RunPrintSetupDialog()
{
    if (!PrintSetupDialog) {
        PrintSetupDialog = new QPageSetupDialog(&Printer(), owner_);
        PrintSetupDialog->setObjectName("PrintSetupDialog");
    }
    PrintSetupDialog->exec();
}

std::optional<std::string> QtSystemDialogs::RunSaveDialog()
{
    if (!SaveDialog) {
        SaveDialog = new QFileDialog(owner_);
        SaveDialog->setObjectName("SaveDialog");
    }
    ConfigureSaveDialog(*SaveDialog);
    if (SaveDialog->exec() != QDialog::Accepted || SaveDialog->selectedFiles().isEmpty())
        return std::nullopt;
    return SaveDialog->selectedFiles().first().toStdString();
}

std::optional<std::string> QtSystemDialogs::RunFolderDialog(const std::string& current)
{
    const QString folder = QFileDialog::getExistingDirectory(owner_, QStringLiteral("Katalog roboczy"),
                                                             QString::fromStdString(current));
    if (folder.isEmpty())
        return std::nullopt;
    return folder.toStdString();
}

void QtSystemDialogs::ShowMessage(const std::string& text, const std::string& caption)
{
    ShowPlainMessage(text, caption);
}

void ConfigureSaveDialog(QFileDialog& dialog)
{
    dialog.setWindowTitle(QStringLiteral("Zapisz plik charakterystyki"));
    dialog.setNameFilter(QStringLiteral("Pliki graficzne (*.gif)"));
    dialog.setDirectory(QStringLiteral("."));
    // Options cleared: overwriting is confirmed by default, and a save dialog has no read-only
    // box here. The file-must-exist option is left out so that new names can be given.
    dialog.setOptions({});
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
}

void ShowPlainMessage(const std::string& text, const std::string& caption)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok);
    WidenForCaption(box);
    box.exec();
}
