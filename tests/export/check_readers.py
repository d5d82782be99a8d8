#!/usr/bin/env python3
"""Reads the sample exports back with real readers: xlrd for the .xls files,
the csv module for the CSV files and json for the JSON export.
Usage: check_readers.py WRITE_SAMPLES_EXECUTABLE [BRAMBLEX_CLI]"""
import csv
import io
import json
import os
import subprocess
import sys
import tempfile
import unittest

import xlrd

OUT = None
CLI = None


def read_xls(name, encoding="cp1252"):
    # A BIFF2 stream without a CODEPAGE record is in the writer's ANSI code page;
    # xlrd would assume ASCII, so it is told, as a spreadsheet program assumes it.
    kw = {"encoding_override": encoding} if encoding else {}
    book = xlrd.open_workbook(os.path.join(OUT, name), formatting_info=True, **kw)
    return book, book.sheet_by_index(0)


def cell(sheet, ref):
    col = ord(ref[0]) - ord("A")
    row = int(ref[1:]) - 1
    if row >= sheet.nrows or col >= sheet.ncols:
        return None
    c = sheet.cell(row, col)
    return None if c.ctype == xlrd.XL_CELL_EMPTY else c.value


def read_bytes(name):
    with open(os.path.join(OUT, name), "rb") as f:
        return f.read()


def read_csv(name):
    raw = read_bytes(name)
    if raw.startswith(b"\xef\xbb\xbf"):
        text = raw[3:].decode("utf-8")
    else:
        text = raw.decode("cp1252")
    assert text.endswith("\r\n")
    return list(csv.reader(io.StringIO(text, newline="")))


class Excel(unittest.TestCase):
    def test_sample(self):
        book, s = read_xls("sample.xls")
        self.assertEqual(book.biff_version, 20)
        self.assertEqual(s.nrows, 9)
        self.assertEqual(cell(s, "A1"), "Header")
        self.assertEqual(cell(s, "B3"), "Sample")
        self.assertEqual(cell(s, "B4"), "Acme, Inc.")
        self.assertEqual(cell(s, "B5"), "Zoë")
        self.assertEqual(cell(s, "B7"), "line one line two")
        self.assertEqual(cell(s, "B8"), "Korvane 4150 RV1-L")
        self.assertEqual(cell(s, "I3"), "Start Temp (°C)")
        self.assertEqual([cell(s, c + "4") for c in "DEFGHIJKL"],
                         [1, "Ramp up", 0.3, 2.5, 60, 25.0, "When Below", 10, 5])
        self.assertEqual([cell(s, c + "5") for c in "DEFGHIJKL"],
                         [2, 'Hold "fast"', 12, 12, 30, None, None, None, 3])
        self.assertEqual([cell(s, c + "3") for c in "NOPQRSTU"],
                         ["Date", "Time", "Viscosity (mPas)", "% Full Scale", "Temperature (°C)", "RPM",
                          "Shear Stress", "Shear Rate"])
        self.assertEqual([cell(s, c + "5") for c in "NOPQRSTU"],
                         ["3/5/24", "12:00:00 PM", 150, 62.5, 25.0, 2.5, 0.2, 0.8])
        # Over scale: texts in P and Q, no shear values.
        self.assertEqual([cell(s, c + "6") for c in "PQRSTU"], ["Over scale", "Over scale", 26, 12, None, None])

    def test_fonts_and_widths(self):
        book, s = read_xls("sample.xls")
        self.assertEqual([(f.name, f.height, f.bold) for f in book.font_list],
                         [("Arial", 160, 0), ("Arial", 160, 1)])
        widths = {col: info.width for col, info in s.colinfo_map.items()}
        self.assertEqual(widths[0], 20 * 256)
        self.assertEqual(widths[8], 15 * 256)   # I: set to 12, then 15
        self.assertEqual(widths[11], 15 * 256)  # L
        self.assertEqual(widths[15], 17 * 256)  # P
        bold = book.xf_list[s.cell_xf_index(0, 0)].font_index
        normal = book.xf_list[s.cell_xf_index(2, 1)].font_index
        self.assertEqual(book.font_list[bold].bold, 1)
        self.assertEqual(book.font_list[normal].bold, 0)

    def test_fahrenheit(self):
        _, s = read_xls("fahrenheit.xls")
        self.assertEqual(cell(s, "I3"), "Start Temp (°F)")
        self.assertEqual(cell(s, "R3"), "Temperature (°F)")
        self.assertAlmostEqual(cell(s, "I4"), 77.1, places=9)
        self.assertAlmostEqual(cell(s, "R4"), 5.0, places=9)

    def test_comma_locale_keeps_numbers(self):
        _, s = read_xls("german.xls")
        self.assertEqual(cell(s, "F4"), 0.3)
        self.assertEqual(cell(s, "N4"), "05.03.24")
        self.assertEqual(cell(s, "O4"), "12:00:02")

    def test_empty_batch(self):
        _, s = read_xls("empty.xls")
        self.assertEqual(cell(s, "B3"), "Empty")
        self.assertEqual(cell(s, "N1"), "Measurements")
        self.assertEqual(cell(s, "S3"), "RPM")
        self.assertIsNone(cell(s, "T3"))
        self.assertEqual(s.nrows, 9)

    def test_long_label_and_spindle_without_shear(self):
        _, s = read_xls("plain.xls")
        self.assertEqual(cell(s, "B7"), "n" * 255)
        self.assertEqual([cell(s, c + "4") for c in "PQRS"], [100, 1.7, 20, 1])
        self.assertIsNone(cell(s, "T3"))
        self.assertIsNone(cell(s, "T4"))
        self.assertIsNone(cell(s, "U4"))

    def test_cyrillic_reads_through_its_code_page(self):
        book, s = read_xls("cyrillic.xls", encoding=None)
        self.assertEqual(book.encoding, "cp1251")
        self.assertEqual(cell(s, "B3"), "Проба")
        self.assertEqual(cell(s, "B4"), "ООО «Вязкость»")
        self.assertEqual(cell(s, "R3"), "Temperature (°C)")


class Csv(unittest.TestCase):
    def test_sample(self):
        rows = read_csv("sample.csv")
        self.assertEqual(len(rows), 12)
        self.assertTrue(all(len(r) == 21 for r in rows))
        self.assertEqual(rows[3][:5], ["Company", "Acme, Inc.", "", "1", "Ramp up"])
        self.assertEqual(rows[4][4], 'Hold "fast"')
        self.assertEqual(rows[5][13:], ["3/5/24", "12:00:01 PM", "Over scale", "Over scale", "26.0", "12.0", "", ""])
        self.assertEqual(rows[6][1], "line one line two")

    def test_comma_decimals(self):
        rows = read_csv("german.csv")
        self.assertEqual(rows[3][5:9], ["0,3", "2,5", "60", "25,0"])
        self.assertEqual(rows[4][15:], ["150,0", "62,5", "25,0", "2,5", "0,2", "0,8"])
        raw = read_bytes("german.csv").decode("cp1252")
        self.assertIn(',"2,5",', raw)

    def test_fahrenheit(self):
        rows = read_csv("fahrenheit.csv")
        self.assertEqual(rows[2][8], "Start Temp (°F)")
        self.assertEqual(rows[3][17], "5.0")

    def test_empty_and_plain(self):
        rows = read_csv("empty.csv")
        self.assertEqual(len(rows), 12)
        self.assertEqual(rows[2][13:19], ["Date", "Time", "Viscosity (mPas)", "% Full Scale",
                                          "Temperature (°C)", "RPM"])
        self.assertEqual(rows[2][19:], ["", ""])
        rows = read_csv("plain.csv")
        self.assertEqual(rows[6][1], "n" * 300)  # only the Excel label is cut
        self.assertEqual(rows[3][19:], ["", ""])

    def test_cyrillic_is_utf8_with_bom(self):
        raw = read_bytes("cyrillic.csv")
        self.assertTrue(raw.startswith(b"\xef\xbb\xbf"))
        rows = read_csv("cyrillic.csv")
        self.assertEqual(rows[2][1], "Проба")
        self.assertEqual(rows[3][1], "ООО «Вязкость»")
        self.assertEqual(rows[2][17], "Temperature (°C)")


class Json(unittest.TestCase):
    def test_sample(self):
        doc = json.loads(read_bytes("sample.json"))
        self.assertEqual(doc["format"], "bramblex-batch")
        self.assertEqual(doc["header"]["modelName"], "Korvane 4150 RV1-L")
        self.assertEqual(len(doc["processes"]), 2)
        self.assertEqual([r["overScale"] for r in doc["readings"]], [False, True, False])
        self.assertEqual(doc["readings"][0]["percentFullScale"], 62.5)
        doc = json.loads(read_bytes("empty.json"))
        self.assertEqual((doc["processes"], doc["readings"]), ([], []))


class CommandLine(unittest.TestCase):
    def setUp(self):
        if not os.environ.get("BRAMBLEX_CLI"):
            self.skipTest("bramblex-cli not given")

    def run_cli(self, *args):
        subprocess.run([os.environ["BRAMBLEX_CLI"], *args], check=True, capture_output=True)

    def test_exports_with_settings(self):
        batch = os.path.join(OUT, "Sample.epb")
        settings = os.path.join(OUT, "fahrenheit-settings.xml")
        self.run_cli("export-csv", batch, os.path.join(OUT, "cli.csv"), "--settings", settings)
        rows = read_csv("cli.csv")
        self.assertEqual(rows[2][17], "Temperature (°F)")
        self.assertEqual(rows[3][17], "5.0")
        self.assertEqual(rows[2][1], "Sample")  # the batch name is the file's name
        self.run_cli("export-xls", batch, os.path.join(OUT, "cli.txt"))
        _, s = read_xls("cli.XLS")
        self.assertEqual(cell(s, "R3"), "Temperature (°C)")
        self.assertEqual(cell(s, "P5"), 150)
        self.run_cli("export-json", batch, os.path.join(OUT, "cli.json"))
        doc = json.loads(read_bytes("cli.json"))
        self.assertEqual(doc["header"]["name"], "Sample")
        self.assertEqual(len(doc["readings"]), 3)


if __name__ == "__main__":
    writer = sys.argv.pop(1)
    if len(sys.argv) > 1:
        os.environ["BRAMBLEX_CLI"] = sys.argv.pop(1)
    with tempfile.TemporaryDirectory() as tmp:
        OUT = tmp
        subprocess.run([writer, tmp], check=True)
        result = unittest.main(exit=False, verbosity=1).result
    sys.exit(0 if result.wasSuccessful() else 1)
