// The window program put together: the Polish translation of Qt's own dialogs, the front end, the
// main window, the about box and the sixteen dialog forms, created in the fixed start-up order on
// one calculation record and one working folder. main() runs it; the tests drive it.
#pragma once

#include <QStringList>
#include <QTranslator>
#include <memory>
#include <optional>
#include <string>

#include "app/about_box.h"
#include "app/main_form.h"
#include "app/qt_front_end.h"
#include "dialogs/forms/dialog_forms.h"
#include "model/calc_record.h"

class ProcessLauncher;

// Loads Qt's Polish texts (buttons of message boxes, the file, print and page set-up dialogs)
// into `translator` and installs it; false when the translation is not installed.
bool InstallQtPolish(QTranslator& translator);

// The working folder named by the program's arguments (after Qt has taken its own): the first
// argument, relative to the current folder, with a leading "~/" meaning the home folder; without
// an argument the current folder. The folder is made when missing; nullopt when it cannot be.
std::optional<std::string> WorkingFolderFromArguments(const QStringList& arguments);

class WindowProgram {
public:
    // `services` as for TMainForm; its launcher, when given, also starts the front end's plots.
    WindowProgram(CalcRecord& record, const std::string& dir, ProcessLauncher& launcher, WindowServices services = {});
    ~WindowProgram();
    WindowProgram(const WindowProgram&) = delete;
    WindowProgram& operator=(const WindowProgram&) = delete;

    QtFrontEnd FrontEnd;
    TMainForm MainForm;
    TAboutBox AboutBox;
    std::unique_ptr<DialogForms> Forms;

private:
    // The main window has changed its working folder: the dialogs are made anew, so that they
    // show the building file and the value files of the new folder, the record takes the building
    // (with its report when the file names a fan), and the plots start there.
    void FolderSwitched(const std::string& dir);

    CalcRecord& record_;
};
