#!/usr/bin/env python3
"""Checks the include graph of src/ against the program's layering.

Fails (exit 1) when
  - a file includes a header of a folder that its own folder may not use
    (ALLOWED below; every folder may use frame/, app/ may use everything),
  - a logic file (not frm*/qt*, not app/) includes a widget or print-support
    header, either Qt's own (<QWidget>, <QtWidgets/...>, <QPrinter>, ...) or one
    of the program's windows (a frm*/qt* header),
  - an exemption below no longer matches any include, so the list stays honest.

Usage: check_includes.py [--src DIR] [--qt-headers DIR] | --self-test
"""
import argparse
import os
import re
import sys
import tempfile

# Who may include whom: the folders below src/ and the folders each may use
# besides itself and frame/.
ALLOWED = {
    "frame": set(),
    "workbook": set(),
    "position_line": set(),
    "listing": set(),
    "dialogue": {"listing"},
    "calculation": set(),
    "component_file": set(),
    "printing": set(),
    "resources": set(),
    "qlist": {"component_file", "dialogue", "printing", "workbook", "position_line"},
    "report": {"qlist", "calculation", "printing", "position_line", "listing"},
    "component_entry": {"dialogue", "calculation", "component_file", "position_line", "listing"},
    "prediction": {"calculation", "qlist", "component_file", "report", "printing", "dialogue", "component_entry",
                   "workbook", "position_line", "listing"},
    "component_editor": {"component_file", "component_entry", "prediction", "dialogue", "printing", "workbook"},
    "qlist_ui": {"qlist", "prediction", "component_entry", "dialogue", "printing", "position_line"},
    "main_window": set(),
}
ROOT = "app"  # the composition root uses every folder

# Arrows against the layering that stay for now: (including file below src/,
# included folder) -> why. Each entry must still match an include.
EXEMPT = {
}

# Qt's widget and print-support modules: a logic file includes none of their
# headers. Used when the Qt header directory is not at hand.
QT_WINDOW_MODULES = ("QtWidgets", "QtPrintSupport")
QT_WINDOW_FALLBACK = {
    "QWidget", "QDialog", "QMainWindow", "QMessageBox", "QFileDialog", "QApplication",
    "QPrinter", "QPrintDialog", "QPrintPreviewWidget", "QPrintPreviewDialog", "QPageSetupDialog",
    "QLabel", "QPushButton", "QLineEdit", "QComboBox", "QListWidget", "QTableWidget", "QTreeWidget",
    "QLayout", "QVBoxLayout", "QHBoxLayout", "QGridLayout", "QMenu", "QMenuBar", "QAction",
    "QStatusBar", "QScrollArea", "QTextEdit", "QPlainTextEdit", "QSpinBox", "QCheckBox",
    "QRadioButton", "QGroupBox", "QProgressBar", "QSplitter", "QStackedWidget", "QTabWidget",
    "QToolBar", "QPrinterInfo",
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def is_window_file(name):
    base = os.path.basename(name)
    return base.startswith("frm") or base.startswith("qt")


def qt_window_headers(qt_dirs):
    names = set()
    for qt_dir, module in ((d, m) for d in (qt_dirs or "").split(";") if d for m in QT_WINDOW_MODULES):
        path = os.path.join(qt_dir, module)
        if os.path.isdir(path):
            names.update(n for n in os.listdir(path) if n.startswith("Q") and "." not in n)
    # QAction moved to QtGui in Qt 6: a logic file may use it.
    names.discard("QAction")
    return names or (QT_WINDOW_FALLBACK - {"QAction"})


def check(src, qt_dirs):
    """Returns (violations, unused exemptions)."""
    window_headers = qt_window_headers(qt_dirs)
    violations = []
    used = set()
    for folder in sorted(os.listdir(src)):
        top = os.path.join(src, folder)
        if not os.path.isdir(top):
            continue
        for dirpath, _, files in os.walk(top):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(dirpath, name)
                rel = os.path.relpath(path, src).replace(os.sep, "/")
                logic = folder != ROOT and not is_window_file(name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    lines = f.readlines()
                for number, line in enumerate(lines, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    bracket, header = m.groups()
                    where = f"{rel}:{number}: "
                    if bracket == "<":
                        module = header.split("/")[0]
                        if logic and (module in QT_WINDOW_MODULES or header in window_headers):
                            violations.append(where + f"logic file includes the window header <{header}>")
                        continue
                    if "/" not in header:
                        continue
                    target = header.split("/")[0]
                    if logic and is_window_file(header):
                        violations.append(where + f'logic file includes the window header "{header}"')
                    if target == folder or target == "frame" or folder == ROOT:
                        continue
                    if folder not in ALLOWED:
                        violations.append(where + f"folder {folder}/ is not in the layering; add it to ALLOWED")
                        continue
                    if target in ALLOWED[folder]:
                        continue
                    if (rel, target) in EXEMPT:
                        used.add((rel, target))
                        continue
                    violations.append(where + f'{folder} -> {target} ("{header}") is not an allowed arrow')
    unused = sorted(set(EXEMPT) - used)
    return violations, unused


def report(violations, unused):
    for v in violations:
        print("error: " + v)
    for rel, target in unused:
        print(f"error: the exemption {rel} -> {target} matches no include any more; remove it")
    return 1 if violations or unused else 0


def self_test():
    """Plants forbidden includes in a small tree and expects each to be found."""
    files = {
        "frame/clock.cpp": '#include "frame/program.h"\n#include "qlist/qslneu.h"\n',
        "dialogue/dia.cpp": '#include <QtWidgets/QWidget>\n#include <QString>\n',
        "report/sylk.cpp": '#include <QPrinter>\n#include "printing/printjob.h"\n',
        "qlist/qslneu.cpp": '#include "qlist/frmqslneu.h"\n#include "dialogue/dia.h"\n',
        "qlist/frmqslneu.cpp": '#include <QDialog>\n#include "qlist/frmqslneu.h"\n',
        "app/main.cpp": '#include "qlist/frmqslneu.h"\n#include <QApplication>\n',
        "calculation/mil.cpp": '  #  include "prediction/execqsl.h"\n',
    }
    expected = [
        'calculation/mil.cpp:1: calculation -> prediction ("prediction/execqsl.h") is not an allowed arrow',
        "dialogue/dia.cpp:1: logic file includes the window header <QtWidgets/QWidget>",
        'frame/clock.cpp:2: frame -> qlist ("qlist/qslneu.h") is not an allowed arrow',
        'qlist/qslneu.cpp:1: logic file includes the window header "qlist/frmqslneu.h"',
        "report/sylk.cpp:1: logic file includes the window header <QPrinter>",
    ]
    with tempfile.TemporaryDirectory() as tmp:
        for rel, text in files.items():
            path = os.path.join(tmp, rel)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w") as f:
                f.write(text)
        violations, unused = check(tmp, None)
    ok = sorted(violations) == expected and len(unused) == len(EXEMPT)
    if not ok:
        print("self-test failed; found:")
        for v in violations:
            print("  " + v)
        print(f"  unused exemptions: {len(unused)} of {len(EXEMPT)}")
    return 0 if ok else 1


def main():
    parser = argparse.ArgumentParser()
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--src", default=os.path.join(here, "..", "src"))
    parser.add_argument("--qt-headers", default="", help="Qt's include directories, ';'-separated (one holds QtWidgets/)")
    parser.add_argument("--self-test", action="store_true")
    args = parser.parse_args()
    if args.self_test:
        return self_test()
    return report(*check(os.path.normpath(args.src), args.qt_headers))


if __name__ == "__main__":
    sys.exit(main())
