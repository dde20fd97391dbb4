#pragma once
#include <QByteArray>
#include <QString>

// Windows-1252 ("ANSI") text files. Codes 0xA0-0xFF equal their Unicode code
// points, so the marker characters (254, 195, 227, 246, 175) keep their codes.
QString fromAnsi(const QByteArray& bytes);
QByteArray toAnsi(const QString& text); // unmappable characters become '?'

// OEM texts are held with each character carrying its byte value (not Unicode);
// these two move such texts between bytes and memory unchanged.
QString fromBytes(const QByteArray& bytes);
QByteArray toBytes(const QString& text);
