#!/usr/bin/python3
"""Reads the feeds FeedFormatsTest wrote with feedparser, as a feed reader would.

FOLDER holds first-N.xml and second-N.xml, N = 0 (RSS 0.91), 1 (RSS 2.0), 2 (Atom 1.0):
the same items written twice, the second time later, in another order and with one
description edited. Exit status 0 when every check holds; otherwise each failed check
is printed and the status is 1.
"""

import calendar
import os
import sys

try:
    import feedparser
except ImportError:
    print("python3-feedparser is not installed (scripts/setup.sh installs it)")
    sys.exit(1)

SITE = "https://www.example.com/news/"
SELF = "https://www.example.com/news/news%20feed.xml"
COMPANY = 'Smith & "Sons" <Tools>'
DATED = "Spring <sale> & more"
# 2026-03-14 at midnight, one hour ahead of UTC.
DATED_AT = calendar.timegm((2026, 3, 13, 23, 0, 0))
FIRST_BUILD = calendar.timegm((2026, 12, 8, 8, 30, 7))
VERSIONS = {0: ("rss091u", "rss091n"), 1: ("rss20",), 2: ("atom10",)}

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def seconds(parsed):
    return calendar.timegm(parsed) if parsed else None


def read(folder, name):
    feed = feedparser.parse(os.path.join(folder, name))
    check(not feed.bozo, f"{name}: not read cleanly: {feed.get('bozo_exception')!r}")
    return feed


def entry_titled(feed, title, name):
    found = [entry for entry in feed.entries if entry.get("title") == title]
    check(len(found) == 1, f"{name}: {len(found)} entries titled {title!r}: "
          f"{[entry.get('title') for entry in feed.entries]}")
    return found[0] if found else {}


def check_dated_feed(feed, name, n, first):
    check(feed.feed.get("title") == COMPANY, f"{name}: feed title {feed.feed.get('title')!r}")
    check(feed.feed.get("language") == "en-us", f"{name}: language {feed.feed.get('language')!r}")
    links = {(link.get("rel"), link.get("href")) for link in feed.feed.get("links", [])}
    check(("self", SELF) in links, f"{name}: no self link to {SELF}: {links}")
    check(("alternate", SITE) in links or feed.feed.get("link") == SITE, f"{name}: site link: {links}")
    if first:
        built = feed.feed.get("updated_parsed")
        check(seconds(built) == FIRST_BUILD, f"{name}: build date {feed.feed.get('updated')!r}")
    if n == 2:
        check(feed.feed.get("author") == COMPANY, f"{name}: author {feed.feed.get('author')!r}")

    dated = entry_titled(feed, DATED, name)
    check(dated.get("id") == "tag:www.example.com,2026:item-5", f"{name}: id {dated.get('id')!r}")
    check(dated.get("link") == "https://shop.test/a?x=1&y=2", f"{name}: link {dated.get('link')!r}")
    check(seconds(dated.get("published_parsed")) == DATED_AT,
          f"{name}: date {dated.get('published')!r}")
    undated = entry_titled(feed, "Undated", name)
    check(undated.get("id") == "tag:www.example.com,2026:item-9", f"{name}: id {undated.get('id')!r}")
    check(undated.get("link") == "https://shop.test/b", f"{name}: link {undated.get('link')!r}")
    check("published" not in undated, f"{name}: an undated item has the date {undated.get('published')!r}")


def main(folder):
    ids = {}
    for n, versions in VERSIONS.items():
        for round_ in ("first", "second"):
            name = f"{round_}-{n}.xml"
            feed = read(folder, name)
            check(feed.version in versions, f"{name}: read as {feed.version!r}, not {versions}")
            check(len(feed.entries) == 2, f"{name}: {len(feed.entries)} entries")
            if n == 0:
                entry = entry_titled(feed, DATED, name)
                check(entry.get("link") == "https://shop.test/a?x=1&y=2", f"{name}: link {entry.get('link')!r}")
                continue
            check_dated_feed(feed, name, n, round_ == "first")
            ids[(n, round_)] = sorted(entry.get("id") for entry in feed.entries)
        if n:
            check(ids[(n, "first")] == ids[(n, "second")],
                  f"format {n}: ids changed between writes: {ids[(n, 'first')]} -> {ids[(n, 'second')]}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
