#include "common/testlinks.h"
#include "app/links.h"

namespace {
LinkSet& processLinks()
{
    static LinkSet set = wireLinks();
    return set;
}

std::optional<LinkSet::Installation>& processInstallation()
{
    static std::optional<LinkSet::Installation> installation;
    return installation;
}
} // namespace

const LinkSet& programLinks()
{
    return processLinks();
}

ProgramLinksInstalled::ProgramLinksInstalled()
{
    processInstallation().emplace(processLinks());
}

ProgramLinksInstalled::~ProgramLinksInstalled()
{
    processInstallation().reset();
}

ReplacedLinks::ReplacedLinks() : mSet(programLinks())
{
    mProcessSetWasInstalled = processInstallation().has_value();
    processInstallation().reset();
    mInstalled.emplace(mSet);
}

ReplacedLinks::~ReplacedLinks()
{
    mInstalled.reset();
    if (mProcessSetWasInstalled)
        processInstallation().emplace(processLinks());
}
