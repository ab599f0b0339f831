#!/usr/bin/env python3
"""Checks the user's guide and its translations side by side.

Every docs/guide/index.<lang>.html must be well-formed HTML with its own
language in <html lang>, carry the same ids and section links as the English
index.html, keep its block structure (so that the same CSS lays it out the
same way), and have every link inside the page land on an existing id.
"""
import collections
import html.parser
import pathlib
import sys

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link",
        "meta", "source", "track", "wbr"}
# Words inside a paragraph may be marked up differently in each language;
# everything else is structure and must match the English guide.
INLINE = {"a", "abbr", "b", "br", "code", "em", "i", "kbd", "samp", "span",
          "strong", "sub", "sup"}


class Guide(html.parser.HTMLParser):
    def __init__(self, path):
        super().__init__(convert_charrefs=True)
        self.path = path
        self.errors = []
        self.open = []
        self.lang = None
        self.ids = []
        self.links = []
        self.blocks = []
        self.decl = None
        self.feed(path.read_text(encoding="utf-8"))
        self.close()
        for tag, line in self.open:
            self.errors.append(f"<{tag}> from line {line} is never closed")

    def handle_decl(self, decl):
        self.decl = decl

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        line = self.getpos()[0]
        if tag == "html":
            self.lang = attrs.get("lang")
        if "id" in attrs:
            self.ids.append(attrs["id"])
        if tag == "a" and attrs.get("href", "").startswith("#"):
            self.links.append((attrs["href"][1:], line))
        if tag not in INLINE:
            self.blocks.append((tag, attrs.get("id"), attrs.get("class"),
                                attrs.get("role")))
        if tag not in VOID:
            self.open.append((tag, line))

    def handle_startendtag(self, tag, attrs):
        if tag not in VOID:
            self.errors.append(f"line {self.getpos()[0]}: <{tag}/> is not a void element")
        self.handle_starttag(tag, attrs)
        if tag not in VOID:
            self.open.pop()

    def handle_endtag(self, tag):
        line = self.getpos()[0]
        if tag in VOID:
            self.errors.append(f"line {line}: </{tag}> closes a void element")
            return
        if not self.open:
            self.errors.append(f"line {line}: </{tag}> closes nothing")
            return
        opened, at = self.open.pop()
        if opened != tag:
            self.errors.append(f"line {line}: </{tag}> closes <{opened}> from line {at}")
            self.open.append((opened, at))
            if any(t == tag for t, _ in self.open):
                while self.open and self.open[-1][0] != tag:
                    self.open.pop()
                self.open.pop()


def check(guide, english, lang):
    problems = list(guide.errors)
    if guide.decl is None or guide.decl.lower() != "doctype html":
        problems.append("does not start with <!DOCTYPE html>")
    if guide.lang != lang:
        problems.append(f'<html lang="{guide.lang}">, expected "{lang}"')
    duplicates = [i for i, n in collections.Counter(guide.ids).items() if n > 1]
    if duplicates:
        problems.append(f"ids used twice: {duplicates}")
    for target, line in guide.links:
        if target not in guide.ids:
            problems.append(f"line {line}: link to #{target}, which is no id here")
    if guide is not english:
        if guide.ids != english.ids:
            problems.append(f"ids differ from the English guide: {guide.ids} against {english.ids}")
        links, english_links = ({t for t, _ in g.links} for g in (guide, english))
        if links != english_links:
            problems.append(f"links differ from the English guide: {sorted(links ^ english_links)}")
        if guide.blocks != english.blocks:
            n = next((n for n, (a, b) in enumerate(zip(guide.blocks, english.blocks)) if a != b),
                     min(len(guide.blocks), len(english.blocks)))
            mine, theirs = (g.blocks[n] if n < len(g.blocks) else "the end" for g in (guide, english))
            problems.append(f"block structure differs from the English guide at element {n + 1}: "
                            f"{mine} where English has {theirs}")
    return problems


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                          pathlib.Path(__file__).resolve().parents[2] / "docs" / "guide")
    english = Guide(folder / "index.html")
    guides = {"en": english}
    # index.LANG.html; a name that is no language fails the <html lang> check.
    for path in sorted(folder.glob("index.*.html")):
        guides[path.name[len("index."):-len(".html")]] = Guide(path)
    failed = False
    for lang, guide in guides.items():
        problems = check(guide, english, lang)
        for problem in problems:
            print(f"{guide.path.name}: {problem}")
        failed |= bool(problems)
        if not problems:
            print(f"{guide.path.name}: ok ({len(guide.ids)} ids, {len(guide.links)} links)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
