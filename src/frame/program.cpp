#include "frame/program.h"
#include "frame/database.h"
#include "frame/interaction.h"

#include <QFile>

namespace {
Program* gCurrent = nullptr;

BatchInteraction& fallbackInteraction()
{
    static BatchInteraction b;
    return b;
}
} // namespace

Program::Program() = default;
Program::~Program() = default;

Program& prog()
{
    // State that nobody installed would be shared silently between runs and
    // tests; every entry point (start-up, batch, tools, test main) installs one.
    if (!gCurrent)
        qFatal("TARN: prog() called without an installed Program (installProgram or ProgramScope missing)");
    return *gCurrent;
}

Interaction& ui()
{
    Program& p = prog();
    return p.ui ? *p.ui : fallbackInteraction();
}

Program* installProgram(Program* p)
{
    Program* prev = gCurrent;
    gCurrent = p;
    return prev;
}

ProgramScope::ProgramScope() : mProgram(std::make_unique<Program>()), mPrevious(installProgram(mProgram.get())) {}

ProgramScope::~ProgramScope()
{
    installProgram(mPrevious);
}
