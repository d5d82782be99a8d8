#!/usr/bin/env python3
"""Writes the pseudo-language used by the tests from a .ts file's sources.

Usage: make-pseudo-translation.py IN.ts OUT.ts

Every text becomes "⟦" + text + padding + "⟧", a third longer than the English one, so
that a test can tell a text that went through the translation from one that bypassed
it, and a window that cannot carry longer texts shows it. Placeholders (%1, %n, %s),
accelerators (&) and line breaks are kept as they are, since the text is only added to.
"""
import sys
import xml.etree.ElementTree as ET

OPEN, CLOSE, PAD = "\u27e6", "\u27e7", "\u00b7"


def pseudo(text):
    if not text:
        return text
    # A text of several lines grows on its first line, which is the one a label sizes by.
    first, sep, rest = text.partition("\n")
    padding = PAD * max(1, (len(text) + 2) // 3 - 2)
    return OPEN + first + padding + sep + rest + CLOSE


def main():
    source, target = sys.argv[1], sys.argv[2]
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        text = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        for form in list(translation):
            translation.remove(form)
        if message.get("numerus") == "yes":
            ET.SubElement(translation, "numerusform").text = pseudo(text)
            ET.SubElement(translation, "numerusform").text = pseudo(text)
            translation.text = None
        else:
            translation.text = pseudo(text)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()
