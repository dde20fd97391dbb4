#pragma once

#include <any>
#include <map>
#include <typeindex>
#include <typeinfo>
#include <utility>

// The links through which a folder calls up into the folders that use it. Each
// folder declares its own plain struct of typed callables (StartProcedures,
// BtEditLinks, ...); the composition root fills one LinkSet with all of them in
// a single function and installs it for the life of the program. The folders
// read their struct with links<T>() and never write it.
class LinkSet {
public:
    // Adds the links of one folder, or replaces them when present.
    template <class L>
    void put(L value)
    {
        mLinks[std::type_index(typeid(L))] = std::move(value);
    }

    // The links of one folder, or null when the set has none of that type.
    template <class L>
    const L* find() const
    {
        const auto it = mLinks.find(std::type_index(typeid(L)));
        return it == mLinks.end() ? nullptr : std::any_cast<L>(&it->second);
    }

    // The links of one folder for a change before or while the set is
    // installed (the owner of the set only; tests replace single callables).
    // A type the set does not hold is a fatal error that names it.
    template <class L>
    L& edit()
    {
        const auto it = mLinks.find(std::type_index(typeid(L)));
        if (it == mLinks.end())
            missing(typeid(L).name());
        return *std::any_cast<L>(&it->second);
    }

    // Makes a set the one the folders read, for the lifetime of this object.
    // Only one installation can be alive: a second one while the first lives is
    // a fatal error, so no link is ever set twice without notice.
    class Installation {
    public:
        explicit Installation(const LinkSet& set);
        ~Installation();
        Installation(const Installation&) = delete;
        Installation& operator=(const Installation&) = delete;
    };

    // The installed set; null when none is installed.
    static const LinkSet* installed();

    [[noreturn]] static void missing(const char* typeName);

private:
    std::map<std::type_index, std::any> mLinks;
};

// The installed links of one folder. No installed set, or a set without the
// type, is a fatal error that names the type: the composition root forgot it.
template <class L>
const L& links()
{
    const LinkSet* set = LinkSet::installed();
    const L* found = set ? set->find<L>() : nullptr;
    if (!found)
        LinkSet::missing(typeid(L).name());
    return *found;
}
