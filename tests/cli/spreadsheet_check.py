#!/usr/bin/env python3
"""orvex-select's spreadsheets as real spreadsheet programs read them.

For each command that prints rows, the .xlsx output is read back with openpyxl and converted to
CSV by LibreOffice Calc, and the CSV for a Russian Excel is read as Excel reads it; each must
hold the same values as the plain CSV output, numbers as numbers with the decimals the program
prints. Then the output's failures: a workbook to standard output that is a file, and a full
disk.

Usage: spreadsheet_check.py <orvex-select> <work folder>
"""
import csv
import io
import shutil
import subprocess
import sys
from pathlib import Path

import openpyxl

DUTIES = """name,series,refrigerant,temperature,ambient,difference,capacity,noise,poles
Cold room 1,VK-M,R404a/R507,-10,,8,5.5,,
"Freezer 2, dock",VK-L,R404a/R507,-31,,7,4.2,,
Rack A,KD-630,R134a,,32,10,40,45,"4,6"
Rack B,KD-500,R407a,,33,10,60,,
Big,VK-L,R404a/R507,-31,,7,999,,
"""

COMMANDS = [
    ["batch", "duties.csv"],
    ["cooler", "--series", "VK-M", "--refrigerant", "R404a/R507", "--temperature", "-10", "--difference", "8",
     "--capacity", "5.5"],
    ["condenser", "--series", "KD-630", "--ambient", "32", "--difference", "10", "--refrigerant", "R134a",
     "--capacity", "40", "--poles", "4,6"],
    ["catalog", "--series", "KD-500"],
    ["catalog", "--series", "VP", "--ratings"],
]

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def run(program, folder, arguments, **kwargs):
    return subprocess.run([program] + arguments, cwd=folder, capture_output=True, timeout=120, **kwargs)


def decimals(text):
    """The decimals of a plain decimal number, or None."""
    body = text[1:] if text.startswith("-") else text
    whole, _, fraction = body.partition(".")
    if not whole.isdigit() or (fraction and not fraction.isdigit()) or body.endswith("."):
        return None
    return len(fraction)


def check_workbook(path, rows, what):
    """openpyxl: the header frozen, texts as texts, numbers as numbers in their decimals."""
    sheet = openpyxl.load_workbook(path).active
    check(sheet.freeze_panes == "A2", f"{what}: the header row is frozen ({sheet.freeze_panes})")
    cells = [list(row) for row in sheet.iter_rows(min_row=2)]
    check(len(cells) == len(rows) - 1, f"{what}: {len(cells)} rows in the workbook, {len(rows) - 1} in the CSV")
    numbers = 0
    for line, (csv_row, sheet_row) in enumerate(zip(rows[1:], cells), start=2):
        for column, text in enumerate(csv_row):
            cell = sheet_row[column] if column < len(sheet_row) else None
            value = cell.value if cell is not None else None
            places = decimals(text)
            if text == "":
                check(value is None, f"{what}: row {line} column {column + 1} is empty in the CSV, {value!r} here")
            elif isinstance(value, (int, float)):
                numbers += 1
                check(places is not None and float(text) == value,
                      f"{what}: row {line} column {column + 1}: {value!r} for {text!r}")
                pattern = "0" if places == 0 else "0." + "0" * (places or 0)
                check(cell.number_format == pattern,
                      f"{what}: row {line} column {column + 1}: format {cell.number_format!r} for {text!r}")
            else:
                check(value == text, f"{what}: row {line} column {column + 1}: {value!r} for {text!r}")
    check(numbers > 0, f"{what}: the workbook holds numbers")
    for column, title in enumerate(rows[0]):
        letter = openpyxl.utils.get_column_letter(column + 1)
        longest = max(len(row[column]) for row in rows[1:] if column < len(row)) if len(rows) > 1 else 0
        width = sheet.column_dimensions[letter].width
        check(width >= min(longest, 58), f"{what}: column {letter} is {width} wide for {longest} characters")


def check_libreoffice(path, rows, folder, what):
    """LibreOffice Calc converts the workbook to CSV as it shows it: the CSV output's texts."""
    out = folder / "calc"
    shutil.rmtree(out, ignore_errors=True)
    subprocess.run(["soffice", f"-env:UserInstallation=file://{folder}/calc-profile", "--headless",
                    "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1", "--outdir", str(out), str(path)],
                   capture_output=True, timeout=180, env={"PATH": "/usr/bin:/bin", "HOME": str(folder),
                                                          "LC_ALL": "C.UTF-8"})
    converted = out / (path.stem + ".csv")
    if not converted.exists():
        check(False, f"{what}: LibreOffice converted nothing")
        return
    calc = list(csv.reader(io.StringIO(converted.read_text(encoding="utf-8"))))
    for line, (mine, theirs) in enumerate(zip(rows[1:], calc[1:]), start=2):
        theirs = theirs + [""] * (len(mine) - len(theirs))
        check(mine == theirs[:len(mine)], f"{what}: LibreOffice row {line}: {theirs} for {mine}")
    check(len(calc) == len(rows), f"{what}: LibreOffice has {len(calc)} rows, the CSV {len(rows)}")


def check_excel_csv(data, rows, what):
    """CSV for a Russian Excel: byte-order mark, ';', decimal commas where the CSV has points."""
    check(data.startswith(b"\xef\xbb\xbf"), f"{what}: no byte-order mark")
    excel = list(csv.reader(io.StringIO(data[3:].decode("utf-8")), delimiter=";"))
    check(len(excel) == len(rows), f"{what}: {len(excel)} rows, the CSV has {len(rows)}")
    for line, (mine, theirs) in enumerate(zip(rows[1:], excel[1:]), start=2):
        for column, (text, shown) in enumerate(zip(mine, theirs)):
            expected = text.replace(".", ",") if decimals(text) else text
            if shown != expected and shown != text:
                check(False, f"{what}: row {line} column {column + 1}: {shown!r} for {text!r}")


def main(program, work):
    program = str(Path(program).resolve())
    folder = Path(work).resolve()
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    (folder / "duties.csv").write_text(DUTIES, encoding="utf-8")
    for number, command in enumerate(COMMANDS):
        what = " ".join(command[:2])
        plain = run(program, folder, command + ["--format", "csv"])
        rows = list(csv.reader(io.StringIO(plain.stdout.decode("utf-8"))))
        workbook = folder / f"out{number}.xlsx"
        made = run(program, folder, command + ["--format", "xlsx", "--output", str(workbook)])
        check(made.returncode == plain.returncode, f"{what}: exit {made.returncode}, the CSV's {plain.returncode}")
        check_workbook(workbook, rows, what)
        check_libreoffice(workbook, rows, folder, what)
        check_excel_csv(run(program, folder, command + ["--format", "csv-excel-ru"]).stdout, rows, what)

    # A workbook to standard output that is a file is written; a full disk is an error.
    with open(folder / "redirected.xlsx", "wb") as redirected:
        subprocess.run([program, "catalog", "--format", "xlsx"], cwd=folder, stdout=redirected, timeout=60)
    check(openpyxl.load_workbook(folder / "redirected.xlsx").active.max_row > 10, "a redirected workbook")
    with open("/dev/full", "wb") as full:
        result = subprocess.run([program, "catalog"], stdout=full, stderr=subprocess.PIPE, timeout=60)
    check(result.returncode == 2 and b"cannot write the output" in result.stderr,
          f"a full disk: exit {result.returncode}, {result.stderr!r}")

    print(f"spreadsheets: {len(COMMANDS) * 3 + 2} checks of outputs, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
