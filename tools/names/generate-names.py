#!/usr/bin/env python3
"""Writes the board's country names in each language other than English.

    tools/names/generate-names.py [unpacked cldr-localenames-full folder]

For every row of the board's country table (the English names of
quiz/BoardTables.h) it takes the territory's name from Unicode CLDR, in the form
that assets/names/choices.tsv chooses for that language and row (CLDR's own
name where the file says nothing), and writes assets/names/names.<language>.txt:
48 lines of UTF-8, in the rows' order. Without an argument, the CLDR package is
fetched from the npm registry (npm pack) into a temporary folder; nothing
fetched is kept. Running it again gives the same files.
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

# The territory of each row of the country table, by the row's English name.
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


def board_rows():
    """The English names of the country table, in row order, as the game holds them."""
    source = (ROOT / "quiz" / "BoardTables.h").read_text(encoding="utf-8")
    table = source[source.index("kCountryNames{"):]
    table = table[:table.index("};")]
    names = [re.sub(r"\\u([0-9a-fA-F]{4})", lambda m: chr(int(m.group(1), 16)), n)
             for n in re.findall(r'u"([^"]*)"', table)]
    if sorted(names) != sorted(TERRITORIES):
        sys.exit("quiz/BoardTables.h and TERRITORIES name different countries")
    return names


def read_choices():
    """{language: {"locale": CLDR locale, row: form}} from choices.tsv."""
    choices = {}
    for number, line in enumerate((NAMES / "choices.tsv").read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 4:
            sys.exit(f"choices.tsv:{number}: expected language, row, form and reason, tab-separated")
        language, row, form, _reason = fields
        if row != "locale" and row not in TERRITORIES:
            sys.exit(f"choices.tsv:{number}: no row {row!r}")
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


def main():
    rows = board_rows()
    cldr, keep_alive = cldr_folder(sys.argv[1] if len(sys.argv) > 1 else None)
    for language, chosen in sorted(read_choices().items()):
        territories = territory_names(cldr, chosen.get("locale", language))
        names = [name_for(territories, TERRITORIES[row], chosen.get(row, "default"), f"{language} {row}")
                 for row in rows]
        (NAMES / f"names.{language}.txt").write_text("\n".join(names) + "\n", encoding="utf-8")
        print(f"names.{language}.txt: {len(names)} names")
    if keep_alive:
        keep_alive.cleanup()


if __name__ == "__main__":
    main()
