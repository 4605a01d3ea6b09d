// Stand-ins for what the main window starts and asks outside itself, and a window built on them.
#pragma once

#include <QPrinter>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs_modal_driver.h"
#include "app/main_form.h"
#include "app/process_launcher.h"
#include "app/system_dialogs.h"
#include "commands/commands.h"
#include "dialogs/forms/dialog_forms.h"
#include "model/calc_record.h"
#include "output/working_dir.h"
#include "support/sample_record.h"
#include "support/test_support.h"

inline std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : "; ") + item;
    return text;
}

// Records every start as "program arg1 arg2 ..." and the directory it was started in.
class FakeLauncher : public ProcessLauncher {
public:
    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingDirectory) override
    {
        std::string line = program;
        for (const std::string& argument : arguments)
            line += " " + argument;
        Started.push_back(line);
        Directories.push_back(workingDirectory);
        return !Missing;
    }
    // Recorded as a start; like gnuplot, the run writes a whole GIF to the picture its script names
    // in "set output '...'".
    ProcessRun RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& workingDirectory, std::chrono::milliseconds) override
    {
        if (!StartDetached(program, arguments, workingDirectory))
            return {};
        std::ifstream script(workingDirectory + "/" + arguments.back());
        const std::string prefix = "set output '";
        for (std::string line; std::getline(script, line);) {
            if (line.rfind(prefix, 0) != 0)
                continue;
            std::string picture = line.substr(prefix.size(), line.size() - prefix.size() - 1);
            for (size_t at = 0; (at = picture.find("''", at)) != std::string::npos; ++at)
                picture.erase(at, 1);
            std::ofstream(picture[0] == '/' ? picture : workingDirectory + "/" + picture, std::ios::binary) << "GIF89a1234567;";
        }
        return {true, true, 0, ""};
    }
    bool Missing = false;  // the program is not on the search path
    std::vector<std::string> Started, Directories;
};

class FakeOpener : public UrlOpener {
public:
    bool OpenFile(const std::string& path) override { return Opened.push_back(path), !Missing; }
    bool Missing = false;  // no browser can be started
    std::vector<std::string> Opened;
};

class FakeDialogs : public SystemDialogs {
public:
    QPrinter* RunPrintDialog() override { return ++PrintDialogRuns, PrintConfirmed; }
    void RunPrintSetupDialog() override { ++PrintSetupRuns; }
    std::optional<std::string> RunSaveDialog() override { return ++SaveDialogRuns, SaveAnswer; }
    std::optional<std::string> RunFolderDialog(const std::string&) override { return ++FolderDialogRuns, FolderAnswer; }
    void ShowMessage(const std::string& text, const std::string&) override { Messages.push_back(text); }

    QPrinter* PrintConfirmed = nullptr;  // nullptr: the user cancels the print dialog
    std::optional<std::string> SaveAnswer;  // nullopt: the user cancels the save dialog
    std::optional<std::string> FolderAnswer;  // nullopt: the user cancels the folder chooser
    int PrintDialogRuns = 0, PrintSetupRuns = 0, SaveDialogRuns = 0, FolderDialogRuns = 0;
    std::vector<std::string> Messages;
};

// Shows the dialogs through Forms, when set; records messages as "caption: text".
class FakeFrontEnd : public FrontEnd {
public:
    bool ShowDialog(DialogId dialog) override { return Shown.push_back(dialog), Forms && Forms->Exec(dialog); }
    void ShowMessage(const std::string& text, const std::string& caption) override { Messages.push_back(caption + ": " + text); }
    bool StartPlotter(const std::string& scriptName) override { return Plotted.push_back(scriptName), false; }
    void Repaint() override { ++Repaints; }

    DialogForms* Forms = nullptr;
    std::vector<DialogId> Shown;
    std::vector<std::string> Messages, Plotted;
    int Repaints = 0;
};

inline CalcRecord EmptyRecord()
{
    CalcRecord record;
    ResetCalcRecord(record);
    return record;
}

// The main window and the dialog forms on the stand-ins, in a working folder of their own set up
// as at start-up; the front end shows the dialogs.
struct TestWindow {
    explicit TestWindow(const std::string& name, const CalcRecord& record = EmptyRecord())
        : Dir(ScratchDir(name)), Record(record), Form(Record, Dir, FrontEnd, {&Launcher, &Opener, &Dialogs})
    {
        PrepareWorkingDirectory(Dir, Form.Problems());
        Forms = std::make_unique<DialogForms>(DialogContext{&Record, Dir, &Form.Problems()});
        FrontEnd.Forms = Forms.get();
    }
    // Shows the dialog answered by `act`; true for OK.
    bool Exec(DialogId id, const ModalDriver::Action& act)
    {
        ModalDriver driver;
        driver.Then(Forms->Form(id)->objectName(), act);
        const bool accepted = driver.Drive([&] { return Forms->Exec(id); });
        if (!driver.Ok())
            QTest::qFail(driver.Problems().c_str(), __FILE__, __LINE__);
        return accepted;
    }
    std::string Dir;
    CalcRecord Record;
    FakeFrontEnd FrontEnd;
    FakeLauncher Launcher;
    FakeOpener Opener;
    FakeDialogs Dialogs;
    TMainForm Form;
    std::unique_ptr<DialogForms> Forms;
};
