// Fuzz target of the batch input: the parser, then the answers of every dialog and the dry run of
// the dialogs (which saves nothing) on whatever the parser accepted.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cli/batch_input.h"
#include "cli/batch_run.h"

namespace {

bool HasOuterBlank(const std::string& text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !text.empty() && (blank(text.front()) || blank(text.back()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const BatchInputResult parsed = ParseBatchInput(text);
    if (!parsed.Ok) {
        if (parsed.Error.rfind("wiersz ", 0) != 0)
            std::abort();
        return 0;
    }
    const BatchInput& input = parsed.Input;
    if (input.Values.size() != input.LineOf.size())
        std::abort();
    for (const auto& [key, value] : input.Values) {
        if (!input.LineOf.count(key) || HasOuterBlank(value) || value.find('\n') != std::string::npos)
            std::abort();
    }

    // A directory that does not exist: every dialog starts from its initial texts.
    const std::string dir = "/nonexistent/went_char_fuzz";
    const DialogAnswersResult answers = BuildDialogAnswers(input, dir);
    if (!answers.Ok) {
        if (answers.Error.empty())
            std::abort();
        return 0;
    }
    CalcRecord record;
    ResetCalcRecord(record);
    DryRunDialogs(answers.Answers, input, dir, record);
    return 0;
}
