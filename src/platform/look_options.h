// The look's options on the command line: names, values and ranges, read into a Look, and help.
#pragma once

#include "app/look.h"

#include <string>

struct LookOption;

// The look option called `name`, or nullptr.
const LookOption* findLookOption(const std::string& name);

// The name of the option's value for the help and the errors, or nullptr for a switch.
const char* lookValueName(const LookOption& option);

// Sets the option with `value` (empty for a switch) in `look`. Returns "" or, for a value
// outside what the keys reach, the error (without the program's name and the hint).
std::string setLookOption(const LookOption& option, const std::string& value, Look& look);

// Reads a number written out in full into `value`: no spaces, nothing after it, finite.
bool readNumber(const std::string& text, double& value);

// One entry of --help: `label` (options and value name) and `help` (lines after the first
// start with '\n') side by side, the help from the 23rd column.
std::string helpEntry(std::string label, const char* help);

// The look's group of --help, opening with an empty line.
std::string lookHelpGroup();
