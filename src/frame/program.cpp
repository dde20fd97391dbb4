#include "frame/program.h"
#include "frame/database.h"
#include "frame/interaction.h"

#include <QFile>

namespace {
Program* gCurrent = nullptr;
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

QString txt(const char* de, const char* en)
{
    return prog().LangNr == 2 ? QString::fromUtf8(en) : QString::fromUtf8(de);
}

Interaction& ui()
{
    // Answers made up behind the caller's back would hide a missing window or a
    // batch run that forgot its log: whoever installs the Program installs its
    // interaction too.
    Program& p = prog();
    if (!p.ui)
        qFatal("TARN: ui() called on a Program without an interaction (set Program::ui where the Program is "
               "installed)");
    return *p.ui;
}

Program* installProgram(Program* p)
{
    Program* prev = gCurrent;
    gCurrent = p;
    return prev;
}

ProgramScope::ProgramScope()
    : mBatch(std::make_unique<BatchInteraction>()), mProgram(std::make_unique<Program>()),
      mPrevious(installProgram(mProgram.get()))
{
    mProgram->ui = mBatch.get();
}

ProgramScope::~ProgramScope()
{
    installProgram(mPrevious);
}
