#pragma once
#include "listing/listingfiles.h"

// The listing records are written through listing/listingfiles.h.

// Start of a Q-list report: language, scratch directories and the group table
// (GrpSum) from the configuration string, then both listing files recreated empty.
void InitDruck();
