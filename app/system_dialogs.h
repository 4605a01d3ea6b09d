// The main window's platform dialogs (print, printer setup, save file) and its message box,
// behind one interface so that the tests can answer them without a modal loop.
#pragma once

#include <QPointer>
#include <memory>
#include <optional>
#include <string>

class QFileDialog;
class QPageSetupDialog;
class QPrintDialog;
class QPrinter;
class QWidget;

class SystemDialogs {
public:
    virtual ~SystemDialogs() = default;
    // PrintDialog: the printer to print on once the user has confirmed, nullptr on cancel.
    virtual QPrinter* RunPrintDialog() = 0;
    // PrintSetupDialog on the same printer; cancelling changes nothing.
    virtual void RunPrintSetupDialog() = 0;
    // SaveDialog: the chosen file's full path, nullopt on cancel.
    virtual std::optional<std::string> RunSaveDialog() = 0;
    // A folder chooser opened at `current`: the chosen folder's full path, nullopt on cancel.
    virtual std::optional<std::string> RunFolderDialog(const std::string& current) = 0;
    // A message box with an OK button (UTF-8 texts).
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
};

// The real dialogs, each created at its first use and kept, so that a dialog offers again what
// was chosen last. All of them work on one shared printer.
class QtSystemDialogs : public SystemDialogs {
public:
    explicit QtSystemDialogs(QWidget* owner);
    ~QtSystemDialogs() override;

    QPrinter* RunPrintDialog() override;
    void RunPrintSetupDialog() override;
    std::optional<std::string> RunSaveDialog() override;
    std::optional<std::string> RunFolderDialog(const std::string& current) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;

    QPrinter& Printer();

private:
    QWidget* owner_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<QPrintDialog> PrintDialog;
    QPointer<QPageSetupDialog> PrintSetupDialog;
    QPointer<QFileDialog> SaveDialog;
};

// Sets the save dialog up for a chart: title, the one GIF filter, the working directory,
// overwriting confirmed; any name may be typed (the file need not exist).
void ConfigureSaveDialog(QFileDialog& dialog);

// A message box without owner and without icon, with one OK button.
void ShowPlainMessage(const std::string& text, const std::string& caption);
