#!/usr/bin/env python3
"""Checks every translation under translations/ against the sources:

- the program's .ts files are what lupdate makes of the sources today (a copy
  is updated in a temporary folder): no text of the sources is missing or
  unfinished, and none is obsolete; the English file holds the texts with a
  count alone, each with its plural forms;
- every character of every translation has a glyph in the fonts the program
  asks for (DejaVu Sans, and Lohit Devanagari for Hindi), so no box appears;
- every message of every .ts (Qt's dialogs included) has a finished
  translation whose %1 ... placeholders and "&" access key agree with the
  source (the key keeps its Latin letter: "&File" becomes "फ़ाइल (&F)").

    check-translations.py SOURCE_DIR LUPDATE
"""
import glob, os, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

source_dir, lupdate = sys.argv[1], sys.argv[2]
problems = []


def text(element):
    if element is None:
        return ""
    return (element.text or "") + "".join(
        chr(int(b.get("value").lstrip("x"), 16)) + (b.tail or "") for b in element.findall("byte"))


def charset(family):
    """The characters of the font fontconfig gives for family (empty when absent)."""
    found = subprocess.run(["fc-match", "-f", "%{family}\n%{charset}", family], capture_output=True, text=True)
    name, _, ranges = found.stdout.partition("\n")
    if family not in name:
        problems.append(f"font {family!r} is not installed")
        return set()
    chars = set()
    for part in ranges.split():
        first, _, last = part.partition("-")
        chars.update(range(int(first, 16), int(last or first, 16) + 1))
    return chars


glyphs = charset("DejaVu Sans") | charset("Lohit Devanagari")


def key(s):
    found = re.search(r"&([^&\s])", s.replace("&&", ""))
    return found.group(1).lower() if found else None


def check(path):
    count = 0
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            count += 1
            source, translation = text(message.find("source")), message.find("translation")
            where = f"{os.path.basename(path)}: {name}: {source[:60]!r}"
            kind = translation.get("type") if translation is not None else "missing"
            # A text with a count has a form for each plural of the language.
            forms = [text(form) for form in translation.iter("numerusform")] if translation is not None else []
            targets = forms if message.get("numerus") == "yes" else [text(translation)]
            if kind in ("unfinished", "obsolete", "vanished", "missing") or not all(targets):
                problems.append(f"{where}: {kind or 'empty'}")
                continue
            for target in targets:
                missing = sorted({c for c in target if c >= " " and ord(c) not in glyphs})
                if missing:
                    problems.append(f"{where}: no glyph for {''.join(missing)!r}")
                if sorted(re.findall(r"%(?:\d|n)", source)) != sorted(re.findall(r"%(?:\d|n)", target)):
                    problems.append(f"{where}: placeholders differ")
                if key(source) != key(target):
                    problems.append(f"{where}: access key {key(source)!r} became {key(target)!r}")
    return count


work = tempfile.mkdtemp()
try:
    for path in sorted(glob.glob(os.path.join(source_dir, "translations", "vq-rudraksha-numerology_*.ts"))):
        copy = os.path.join(work, os.path.basename(path))
        shutil.copy(path, copy)
        # English, the language of the sources, has its plural forms alone.
        plurals = ["-pluralonly"] if path.endswith("_en.ts") else []
        subprocess.run([lupdate, "-silent", "-tr-function-alias", "QT_TRANSLATE_NOOP+=VQ_TR_NOOP",
                        "-locations", "none", *plurals, os.path.join(source_dir, "src"), "-ts", copy], check=True)
        print(f"{os.path.basename(path)}: {check(copy)} messages")
    for path in sorted(glob.glob(os.path.join(source_dir, "translations", "qt_*.ts"))):
        print(f"{os.path.basename(path)}: {check(path)} messages")
finally:
    shutil.rmtree(work)

for problem in problems:
    print(problem)
print(f"{len(problems)} problems")
sys.exit(1 if problems else 0)
