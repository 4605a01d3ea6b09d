// The window's side of the shared commands: the Qt dialogs, plain message boxes, gnuplot run while
// the window waits and the repaint of the main window.
#pragma once

#include <string>

#include "commands/commands.h"

class DialogForms;
class ProcessLauncher;
class TMainForm;

class QtFrontEnd : public FrontEnd {
public:
    QtFrontEnd(ProcessLauncher& launcher, const std::string& dir);

    // The window and the dialogs are created after the front end (start-up order).
    void SetMainForm(TMainForm* mainForm) { mainForm_ = mainForm; }
    void SetDialogForms(DialogForms* forms) { forms_ = forms; }
    // The working folder in which the plots start, when the window changes it.
    void SetDir(const std::string& dir) { dir_ = dir; }

    bool ShowDialog(DialogId dialog) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    bool StartPlotter(const std::string& scriptName) override;
    void Repaint() override;
    std::optional<size_t> ChooseRankedRow(const std::vector<RankedConfiguration>& rows, double requiredFlow) override;
    void CheckChooserButton(int32_t fanIndex) override;

private:
    ProcessLauncher& launcher_;
    std::string dir_;
    TMainForm* mainForm_ = nullptr;
    DialogForms* forms_ = nullptr;
    bool plotterMissingReported_ = false;
};
