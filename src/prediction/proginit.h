#pragma once

// Prepares every prediction: checks that the header of the internal component
// file can be read (a warning only), reloads the component-file settings and
// the top index pages, recreates the listing files "c.tmp" and "t.tmp" empty
// and empties the method list. False when the index pages cannot be loaded;
// the caller then stops.
bool ProgInit();
