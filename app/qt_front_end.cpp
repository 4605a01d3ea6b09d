// The FrontEnd of the window program.
#include "app/qt_front_end.h"

#include "app/main_form.h"
#include "app/process_launcher.h"
#include "app/system_dialogs.h"
#include "dialogs/forms/catalogue_choice_form.h"
#include "dialogs/forms/dialog_forms.h"
#include "dialogs/forms/fan_choice_form.h"

#include <QRadioButton>

QtFrontEnd::QtFrontEnd(ProcessLauncher& launcher, const std::string& dir)
    : launcher_(launcher), dir_(dir), pictures_(launcher)
{
    pictures_.SetReporter([this](const std::string& message) { ShowMessage(message, kMessageCaption); });
}

bool QtFrontEnd::ShowDialog(DialogId dialog)
{
    return forms_ && forms_->Exec(dialog);
}

void QtFrontEnd::ShowMessage(const std::string& text, const std::string& caption)
{
    ShowPlainMessage(text, caption);
    if (mainForm_)
        mainForm_->TakeFocusBack();
}

bool QtFrontEnd::StartPlotter(const std::string& scriptName)
{
    // Waits for the picture, so that the caller can tell whether it was drawn.
    const ProcessRun run = launcher_.RunAndWait(kPlotterProgram, {scriptName}, dir_, kPlotterWait);
    if (!run.Started && !plotterMissingReported_) {
        plotterMissingReported_ = true;  // once per program run, not once per picture
        ShowPlainMessage(kNoPlotterMessage, kMessageCaption);
    }
    return run.Started;
}

void QtFrontEnd::PlotPicture(const std::string& scriptName, const std::string& picture, FileProblems&)
{
    // The report is painted at once; the picture is judged, and reported, when its plot ends.
    pictures_.Start(scriptName, picture, dir_);
}

void QtFrontEnd::Repaint()
{
    if (mainForm_)
        mainForm_->Invalidate();
}

std::optional<size_t> QtFrontEnd::ChooseRankedRow(const std::vector<RankedConfiguration>& rows, double requiredFlow)
{
    if (!forms_)
        return std::nullopt;
    return forms_->KatalogDlg->Choose(rows, requiredFlow);
}

void QtFrontEnd::CheckChooserButton(int32_t fanIndex)
{
    if (!forms_)
        return;
    if (QRadioButton* button = forms_->OKBottomDlg_wyw->RadioButton(fanIndex))
        button->setChecked(true);
}
