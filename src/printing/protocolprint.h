#pragma once
#include "frame/errptnr.h"

// The error protocol on paper: the protocol button of the error dialog prints
// through the print layer like every other printout (preview, printer or PDF),
// headed in the interface language. A print job in hand (the error may come from
// the middle of a report) is set aside meanwhile and goes on afterwards.
class ProtocolPrintout : public ErrPtnr::ProtocolPrinter {
public:
    bool printLines(const QStringList& lines, QString* error) override;
};

// A printed protocol line: tabs stand at every eighth column.
QString protocolPrintLine(const QString& line);
