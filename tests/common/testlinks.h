#pragma once
#include "frame/links.h"

#include <optional>

// The program's links (wireLinks, without a system printer) as the test
// process installs them for every test.
const LinkSet& programLinks();

// Installs the program's links for its lifetime (the test main).
class ProgramLinksInstalled {
public:
    ProgramLinksInstalled();
    ~ProgramLinksInstalled();
    ProgramLinksInstalled(const ProgramLinksInstalled&) = delete;
    ProgramLinksInstalled& operator=(const ProgramLinksInstalled&) = delete;
};

// The program's links with some replaced, installed for its lifetime in place
// of the process's set, which comes back at its end. The folders read their
// links at each use, so a change through edit() takes effect at once:
//     ReplacedLinks links;
//     links.edit<QslCommandLinks>().openEditor = [&](const QString& Ln) { ... };
class ReplacedLinks {
public:
    ReplacedLinks();
    ~ReplacedLinks();
    ReplacedLinks(const ReplacedLinks&) = delete;
    ReplacedLinks& operator=(const ReplacedLinks&) = delete;

    template <class L>
    L& edit()
    {
        return mSet.edit<L>();
    }

private:
    LinkSet mSet;
    bool mProcessSetWasInstalled = false;
    std::optional<LinkSet::Installation> mInstalled;
};
