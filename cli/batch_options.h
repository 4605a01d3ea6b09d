// What a batch run was asked for on the command line, its exit statuses, and the dialog answers
// taken from its input: shared by the whole run and by the storey flows that may end it.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>

#include "dialogs/dialog_actions.h"

// Exit statuses of went_char_cli.
constexpr int kExitOk = 0;
constexpr int kExitBadInput = 2;       // wrong usage, bad input, or input a dialog refuses
constexpr int kExitFanUnsuitable = 3;  // the fan has no operating point in the network
constexpr int kExitNotWritten = 4;     // a file of the run could not be written, or the working
                                       // folder stayed busy with another program's command

struct BatchOptions {
    std::string Dir = ".";         // working directory of the value, chart and report files
    bool Plot = true;              // run the plotting program on every GIF script
    std::string Plotter = "gnuplot";  // the plotting program, looked up on PATH
    std::chrono::milliseconds PlotTimeout{60000};  // a plotter still running then is ended
    std::string InputName = "-";   // the input's name, at the start of the messages naming a line
    bool Storeys = false;          // then "Rozkład przepływu na kondygnacjach" and the storey table
    bool StoreysCsv = false;       // standard output holds only the storey table as CSV
    std::optional<std::string> OutsideTemperature;  // deg C, as typed : only the stack effect at it
    std::optional<std::string> WinterTemperature;   // deg C, as typed : the winter design temperature
    std::optional<std::string> SummerTemperature;   // deg C, as typed : the summer design temperature
    std::optional<std::string> RequiredFlow;        // m3/h, as typed : the required flow per grille
    std::optional<std::string> FanSpeed;            // 1/min, as typed : a regulated fan speed
    std::optional<std::string> Commission;  // m3/h, as typed : then "Nastawy regulacyjne" for this Qi
    bool CommissionCsv = false;             // standard output holds only the settings table as CSV
};

// What every dialog holds when its OK is pressed: the texts it showed at creation (its value
// file, or its initial texts), overwritten by the input's keys, and the choices of the input.
struct DialogAnswers {
    std::map<DialogId, DialogInput> Inputs;
    const DialogInput& For(DialogId dialog) const { return Inputs.at(dialog); }
};
