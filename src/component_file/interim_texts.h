#pragma once
// Item-number normalisation and OEM-to-ANSI conversion come with the frame's text
// services; until those land, component_file uses these stand-ins with the same
// signatures. Delete this header and interim_texts.cpp when the frame has them,
// and include the frame headers instead.
#include <QString>

QString SachNrForm(const QString& number);
QString OemToAnsiIfOem(const QString& text);
