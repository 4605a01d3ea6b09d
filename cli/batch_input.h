// The input file of the batch front end: "key = value" lines describing the answers to every
// dialog of a calculation.
#pragma once

#include <map>
#include <string>

struct BatchInput {
    std::map<std::string, std::string> Values;  // key -> value, blanks at both ends removed
    std::map<std::string, int> LineOf;          // key -> line number (1-based) where it stands
    // Keys the input lacks, answered from the working folder's building file: key -> its path.
    std::map<std::string, std::string> FromFile;
};

// True when the input itself gives the key (not the building file): a key that asks for a command.
bool GivenInInput(const BatchInput& input, const std::string& key);

struct BatchInputResult {
    bool Ok = false;
    BatchInput Input;
    std::string Error;  // names the offending line
};

// Parses the text of an input file (UTF-8). Blank lines and lines whose first non-blank character
// is '#' are ignored; a line without '=', an unknown key or a key given twice is an error.
BatchInputResult ParseBatchInput(const std::string& text);

// One key of the input file, for the parser and the usage text.
struct BatchKey {
    const char* Name;     // "density", ...
    const char* Unit;     // "kg/m3", ... ; "" for choices and counts
    const char* Default;  // what the answer is when the key is missing (Polish, UTF-8)
    const char* Meaning;  // the dialog box it answers (Polish, UTF-8)
};

// Every key in the order of the dialogs that read them.
const BatchKey* BatchKeys();
int BatchKeyCount();
