#!/usr/bin/env python3
"""Writes the language-name table: every two-letter ISO 639-1 code, current or withdrawn,
with its English name (from Debian's iso-codes data) and, for the languages we know, the name in the language
itself. UTF-16 with a byte-order mark, the same bytes on every run."""
import json
import re
import sys
from xml.sax.saxutils import quoteattr

ISO_639_2 = "/usr/share/iso-codes/json/iso_639-2.json"
ISO_639_3 = "/usr/share/iso-codes/json/iso_639-3.json"

# Withdrawn two-letter codes that older systems still send.
WITHDRAWN = {
    "in": "Indonesian",
    "iw": "Hebrew",
    "ji": "Yiddish",
    "jw": "Javanese",
    "mo": "Moldavian",
    "sh": "Serbo-Croatian",
}

NATIVE = {
    "ar": "العربية", "cs": "Čeština", "da": "Dansk", "de": "Deutsch", "el": "Ελληνικά",
    "en": "English", "es": "Español", "fi": "Suomi", "fr": "Français", "hu": "Magyar",
    "it": "Italiano", "ja": "日本語", "ko": "한국어", "nl": "Nederlands", "no": "Norsk",
    "pl": "Polski", "pt": "Português", "ru": "Русский", "sv": "Svenska", "tr": "Türkçe",
    "zh": "中文",
}


def english_name(raw):
    name = raw.split(";")[0]
    return re.sub(r"\s*\([^)]*\)", "", name).strip()


def two_letter_names(path, key):
    with open(path, encoding="utf-8") as f:
        entries = json.load(f)[key]
    return {e["alpha_2"]: english_name(e["name"]) for e in entries if "alpha_2" in e}


def main(out_path):
    # The individual-language names read better; the older table adds the collective codes.
    names = dict(WITHDRAWN)
    names.update(two_letter_names(ISO_639_2, "639-2"))
    names.update(two_letter_names(ISO_639_3, "639-3"))
    lines = ['<?xml version="1.0" encoding="UTF-16"?>', "<languages>"]
    for code in sorted(names):
        lines.append("  <lang iso=%s language=%s native=%s/>" % (
            quoteattr(code), quoteattr(names[code]), quoteattr(NATIVE.get(code, ""))))
    lines.append("</languages>")
    text = "\n".join(lines) + "\n"
    with open(out_path, "wb") as f:
        f.write(text.encode("utf-16"))  # little-endian with a byte-order mark
    print("languages.xml: %d codes" % len(names))


if __name__ == "__main__":
    main(sys.argv[1])
