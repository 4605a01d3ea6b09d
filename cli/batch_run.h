// The batch front end without its argument handling: the answers of every dialog taken from the
// input file, the dry run that validates them before any file is touched, and the sequence of
// commands run against a front end that writes its messages to a stream.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "cli/batch_input.h"
#include "cli/batch_options.h"
#include "output/storage/folder_lock.h"
#include "commands/commands.h"

struct DialogAnswersResult {
    bool Ok = false;
    DialogAnswers Answers;
    BatchInput Input;    // the input with the building file's answers for the keys it lacks
    std::string Error;   // names the line of the offending key
    std::string Notice;  // the building file's lines that cannot be read, one message line each
};

// Takes the building file and the value files of `dir` the way the dialogs do at creation, for
// the keys the input lacks, and checks every choice key (a word or number outside its list, a
// fan without a chooser button, a missing fan). `inputName` starts the messages.
DialogAnswersResult BuildDialogAnswers(const BatchInput& input, const std::string& dir,
                                       const std::string& inputName = "-");

// Goes through the dialogs the commands would show, on a copy of `record`, without writing any
// file. "" when every dialog accepts its answer, otherwise a message naming the dialog.
std::string DryRunDialogs(const DialogAnswers& answers, const BatchInput& input,
                          const std::string& dir, const CalcRecord& record);

// The front end of the batch run: confirms every dialog with its answer, writes messages to
// `err` and runs the plotting program, waiting for it.
class CliFrontEnd final : public FrontEnd {
public:
    CliFrontEnd(const DialogAnswers& answers, const BatchOptions& options, std::ostream& err);

    // The session whose record and file problems the dialogs write to; set before any command.
    void Attach(Session& session) { session_ = &session; }

    bool ShowDialog(DialogId dialog) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    bool StartPlotter(const std::string& scriptName) override;
    void Repaint() override {}

private:
    const DialogAnswers& answers_;
    const BatchOptions& options_;
    std::ostream& err_;
    Session* session_ = nullptr;
    bool plotterMissing_ = false;  // reported once, then not tried again
};

// The working folder of a batch run. Open: before the input is checked, a folder that exists is
// checked to be one and locked, so that every file of the run comes from this run's input. Make:
// once the input is known to be good, a missing folder is made and then locked. Both return
// kExitOk or the exit status, with the message written to `err`.
class BatchFolder {
public:
    explicit BatchFolder(std::string dir) : dir_(std::move(dir)) {}
    int Open(std::ostream& err);
    int Make(std::ostream& err);

private:
    std::string dir_;
    bool existed_ = false;
    std::optional<FolderLock> lock_;
};

// The whole batch run: validation, then "Nowe obliczenia", "Obroty regulowane" when
// regulated_flow is given and "Obroty regulowane z tłumikami" when variant_flow is given, each
// followed by the screen report on `out` (none with StoreysCsv), then the storey flows when asked
// for. The working folder is locked for the whole run. Returns the exit status.
int RunBatch(const BatchInput& input, const BatchOptions& options, std::ostream& out, std::ostream& err);
