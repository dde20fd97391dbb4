#pragma once

#include "frame/links.h"

#include <functional>
#include <memory>

class PrintDevice;

// Every link through which a folder calls up into the folders that use it, in
// one set: who calls what is read in wireLinks(). systemPrinter makes the
// system's printer (the windows' library has it); without one every printout
// goes to a PDF file. The program and the test process install the set once.
LinkSet wireLinks(std::function<std::unique_ptr<PrintDevice>()> systemPrinter = {});
