// The window's side of the shared commands: the Qt dialogs, plain message boxes, the pictures
// drawn by gnuplot in the background and the repaint of the main window.
#pragma once

#include <string>

#include "app/background_plots.h"
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
    void PlotPicture(const std::string& scriptName, const std::string& picture, FileProblems& problems) override;
    void Repaint() override;
    std::optional<size_t> ChooseRankedRow(const std::vector<RankedConfiguration>& rows, double requiredFlow) override;
    void CheckChooserButton(int32_t fanIndex) override;

    // The pictures being drawn, for the chart commands that wait for them.
    BackgroundPlots& Pictures() { return pictures_; }

private:
    ProcessLauncher& launcher_;
    std::string dir_;
    TMainForm* mainForm_ = nullptr;
    DialogForms* forms_ = nullptr;
    bool plotterMissingReported_ = false;
    BackgroundPlots pictures_;
};
