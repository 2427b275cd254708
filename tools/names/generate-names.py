#!/usr/bin/env python3
"""Writes the boards' country names in each language, from Unicode CLDR.

    tools/names/generate-names.py [unpacked cldr-localenames-full folder]

Each board has a folder of names and a list of rows:

- the board of 48 countries: assets/names, its rows being the English names of
  quiz/BoardTables.h's country table (its English names are those, so it takes
  every other language from CLDR);
- the board of Africa today: assets/boards/today, its rows the ISO codes of
  rows.tsv there (it takes English from CLDR too).

For every row it takes the territory's name in the form that the folder's
choices.tsv chooses for that language and row (CLDR's own name where the file
says nothing), and writes <folder>/names.<language>.txt for every language that
choices.tsv names: one line of UTF-8 a row, in the rows' order. Without an
argument, the CLDR package is fetched from the npm registry (npm pack) into a
temporary folder; nothing fetched is kept. Running it again gives the same files.
"""
import json
import pathlib
import re
import subprocess
import sys
import tarfile
import tempfile
import unicodedata

CLDR_PACKAGE = "cldr-localenames-full@48.2.0"
ROOT = pathlib.Path(__file__).resolve().parents[2]
NAMES = ROOT / "assets" / "names"
TODAY = ROOT / "assets" / "boards" / "today"

# The territory of each row of the 48 countries' table, by the row's English name.
TERRITORIES = {
    "Algeria": "DZ", "Angola": "AO", "Benin": "BJ", "Botswana": "BW", "Burkina Faso": "BF",
    "Burundi": "BI", "Cameroon": "CM", "Central African Rep": "CF", "Chad": "TD", "Congo": "CG",
    "C\u00f4te d'Ivoire": "CI", "Democratic Republic of Congo": "CD", "Djibouti": "DJ",
    "Egypt": "EG", "Equatorial Guinea": "GQ", "Ethiopia": "ET", "Gabon": "GA", "Gambia": "GM",
    "Ghana": "GH", "Guinea": "GN", "Guinea Bissau": "GW", "Kenya": "KE", "Lesotho": "LS",
    "Liberia": "LR", "Libya": "LY", "Madagascar": "MG", "Malawi": "MW", "Mali": "ML",
    "Mauritania": "MR", "Morocco": "MA", "Mozambique": "MZ", "Namibia": "NA", "Niger": "NE",
    "Nigeria": "NG", "Rwanda": "RW", "Senegal": "SN", "Sierra Leone": "SL", "Somalia": "SO",
    "South Africa": "ZA", "Sudan": "SD", "Swaziland": "SZ", "Tanzania": "TZ", "Togo": "TG",
    "Tunisia": "TN", "Uganda": "UG", "Western Sahara": "EH", "Zambia": "ZM", "Zimbabwe": "ZW",
}


def forty_eight_rows():
    """(row, territory) for the 48 countries' table, by the English names the game holds, in row order."""
    source = (ROOT / "quiz" / "BoardTables.h").read_text(encoding="utf-8")
    table = source[source.index("kCountryNames{"):]
    table = table[:table.index("};")]
    names = [re.sub(r"\\u([0-9a-fA-F]{4})", lambda m: chr(int(m.group(1), 16)), n)
             for n in re.findall(r'u"([^"]*)"', table)]
    if sorted(names) != sorted(TERRITORIES):
        sys.exit("quiz/BoardTables.h and TERRITORIES name different countries")
    return [(name, TERRITORIES[name]) for name in names]


def today_rows():
    """(row, territory) for the board of Africa today: each row is named by its ISO code."""
    lines = (TODAY / "rows.tsv").read_text(encoding="utf-8").splitlines()
    codes = [line.split("\t")[0] for line in lines if line.strip() and not line.startswith("#")]
    return [(code, code) for code in codes]


BOARDS = {NAMES: forty_eight_rows, TODAY: today_rows}


def read_choices(folder, rows):
    """{language: {"locale": CLDR locale, row: form}} from the folder's choices.tsv."""
    choices = {}
    path = folder / "choices.tsv"
    where = path.relative_to(ROOT)
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 4:
            sys.exit(f"{where}:{number}: expected language, row, form and reason, tab-separated")
        language, row, form, _reason = fields
        if row != "locale" and row not in rows:
            sys.exit(f"{where}:{number}: no row {row!r}")
        choices.setdefault(language, {})[row] = form
    return choices


def cldr_folder(argument):
    if argument:
        return pathlib.Path(argument), None
    temporary = tempfile.TemporaryDirectory()
    tarball = subprocess.run(["npm", "pack", "--silent", CLDR_PACKAGE], cwd=temporary.name,
                             check=True, capture_output=True, text=True).stdout.strip()
    with tarfile.open(pathlib.Path(temporary.name) / tarball) as packed:
        packed.extractall(temporary.name)
    return pathlib.Path(temporary.name) / "package", temporary


def territory_names(cldr, locale):
    data = json.loads((cldr / "main" / locale / "territories.json").read_text(encoding="utf-8"))
    return data["main"][locale]["localeDisplayNames"]["territories"]


def visible(name, where):
    """The name in NFC, without the format characters (zero-width spaces and the like) CLDR may hold."""
    cleaned = "".join(c for c in unicodedata.normalize("NFC", name) if unicodedata.category(c) != "Cf")
    if cleaned != unicodedata.normalize("NFC", name):
        print(f"{where}: invisible characters removed from {name!r}", file=sys.stderr)
    return cleaned


def name_for(territories, code, form, where):
    if form.startswith("="):
        return form[1:]
    key = code if form == "default" else f"{code}-alt-{form}"
    if key not in territories:
        sys.exit(f"{where}: CLDR has no {key}")
    return visible(territories[key], where)


def write_names(cldr, folder, rows):
    """Writes the folder's names in every language its choices.tsv names; a pupil must tell every row apart."""
    for language, chosen in sorted(read_choices(folder, dict(rows)).items()):
        territories = territory_names(cldr, chosen.get("locale", language))
        names = [name_for(territories, territory, chosen.get(row, "default"), f"{language} {row}")
                 for row, territory in rows]
        target = (folder / f"names.{language}.txt").relative_to(ROOT)
        if len(set(names)) != len(names):
            sys.exit(f"{target}: two rows share a name")
        (ROOT / target).write_text("\n".join(names) + "\n", encoding="utf-8")
        print(f"{target}: {len(names)} names")


def main():
    cldr, keep_alive = cldr_folder(sys.argv[1] if len(sys.argv) > 1 else None)
    for folder, rows in BOARDS.items():
        write_names(cldr, folder, rows())
    if keep_alive:
        keep_alive.cleanup()


if __name__ == "__main__":
    main()
