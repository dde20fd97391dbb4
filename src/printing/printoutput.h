#pragma once
#include <QString>

// Ends the print job and is the only place where its pages reach a device.
// mode -1 discards the job, 1 prints at once on the current printer, anything
// else shows the preview (question kind "preview", the PreviewState as model).
// A non-empty title archives the job under it. Returns true when the job held
// at least one page; the title becomes "ABBRUCH" when printing failed or was
// cancelled. The page files are always closed and deleted.
bool PrAusgabe(QString& title, int mode = 0);

// One page with the print-area frame, calibration squares and character rulers
// for three font sizes, printed at once without preview or archive.
void PrTestSeite();

// Whether the preview offers PDF output. Every PDF goes through the program's own
// PDF writer, so it is always offered, whatever the key PdfPrint says.
bool pdfOffered();

// Names a result file. Mode -1 proposes, mode 1 takes: Qz + the number in five
// digits + a counter 00..99 + the extension, the first name not present in the
// directory; mode 1 takes it by making the file (empty) exclusively, so that a
// copy of the program running at the same time never gets the same name, and
// says why when no name can be taken. directory becomes the full path and name
// the file name; false (name empty) when none is free. Mode 0: the Save-As
// dialog (question kind "save", key "ergdatei") with the title, opening in
// directory with the proposed file name; directory becomes the chosen path;
// false on cancel.
bool WahlErgDatei(QString& directory, const QString& numberOrTitle, const QString& extensionOrFile, QString& name,
                  int mode);
