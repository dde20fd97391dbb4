#include "frame/links.h"

#include <QtGlobal>

#include <cxxabi.h>
#include <cstdlib>
#include <memory>

namespace {
const LinkSet* gInstalled = nullptr;
} // namespace

LinkSet::Installation::Installation(const LinkSet& set)
{
    if (gInstalled)
        qFatal("A second set of links was installed while the first one is still in use.");
    gInstalled = &set;
}

LinkSet::Installation::~Installation()
{
    gInstalled = nullptr;
}

const LinkSet* LinkSet::installed()
{
    return gInstalled;
}

void LinkSet::missing(const char* typeName)
{
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> readable(abi::__cxa_demangle(typeName, nullptr, nullptr, &status),
                                                          std::free);
    qFatal("The links %s were not installed by the program's start.",
           status == 0 && readable ? readable.get() : typeName);
}
