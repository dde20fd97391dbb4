#include "frame/program.h"
#include "frame/database.h"
#include "frame/interaction.h"

#include <QFile>

namespace {
Program* gCurrent = nullptr;

Program& fallbackProgram()
{
    static Program p;
    return p;
}

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
    return gCurrent ? *gCurrent : fallbackProgram();
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
