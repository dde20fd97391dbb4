#pragma once
#include <QString>

// Paths in data and configuration use "\" as the installation data and the users'
// ini files have them. nativePath turns such a path into one for this system:
// "\" becomes "/", a drive prefix ("C:") is dropped, and a component that does not
// exist in the exact case is resolved case-insensitively when exactly one entry
// matches. Relative paths stay relative (to the current directory, the program
// directory after start-up).
QString nativePath(const QString& designPath);

// Joins a design directory and a name with one "\" between them.
QString joinDesignPath(const QString& dir, const QString& name);

// A file name the user gave without an extension gets the one its kind has
// ("liste" becomes "liste.txt"); a name with any extension stays as it is.
QString withExtension(const QString& path, const QString& extension);
