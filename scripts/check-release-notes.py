#!/usr/bin/env python3
"""Holds the three places a release is written together: project()'s version in CMakeLists.txt,
the entries of debian/changelog and the <releases> of the metainfo.

The newest changelog entry and the newest metainfo release carry project()'s version; every
changelog entry has a metainfo release of the same version and day, newest first, and the same
notes: each changelog item is an English line (or lines) followed by its Japanese line, and the
metainfo release has the English paragraphs and the Japanese ones (xml:lang="ja") in the same
order. Prints what disagrees and exits 1; exits 0 when all agree.

    scripts/check-release-notes.py [SOURCE_FOLDER]
"""
import email.utils
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def project_version(source):
    text = (source / "CMakeLists.txt").read_text(encoding="utf-8")
    found = re.search(r"^project\(\w+ VERSION ([0-9.]+)", text, re.MULTILINE)
    return found.group(1) if found else None


def upstream_of(debian_version):
    """1:1.2-3~deb12u1 -> 1.2: the version without epoch and Debian revision."""
    version = debian_version.split(":", 1)[-1]
    return version.rsplit("-", 1)[0] if "-" in version else version


def is_japanese(line):
    return any(ord(character) > 0x7F for character in line)


def changelog_entries(source):
    """Each entry as (version, day, English notes, Japanese notes), newest first."""
    entries = []
    entry = None
    for line in (source / "debian" / "changelog").read_text(encoding="utf-8").splitlines():
        header = re.match(r"^soranika \(([^)]+)\) [^;]+;", line)
        if header:
            entry = {"version": header.group(1), "items": [], "day": None}
            entries.append(entry)
        elif entry is None or not line.strip():
            continue
        elif line.startswith("  * "):
            entry["items"].append([line[4:].strip()])
        elif line.startswith("    ") and entry["items"]:
            entry["items"][-1].append(line.strip())
        elif line.startswith(" -- "):
            when = email.utils.parsedate_to_datetime(line.split("  ", 1)[1])
            entry["day"] = when.date().isoformat()
    result = []
    for entry in entries:
        english, japanese = [], []
        for item in entry["items"]:
            english.append(" ".join(part for part in item if not is_japanese(part)))
            japanese.append("".join(part for part in item if is_japanese(part)))
        result.append((entry["version"], entry["day"], english, japanese))
    return result


def metainfo_releases(source):
    path = source / "data" / "metainfo" / "jp.example.soranika.metainfo.xml.in"
    releases = []
    for release in ElementTree.parse(path).getroot().iter("release"):
        english, japanese = [], []
        for note in release.iter():
            if note.tag not in ("p", "li"):
                continue
            text = " ".join("".join(note.itertext()).split())
            (japanese if note.get(XML_LANG) == "ja" else english).append(text)
        releases.append((release.get("version"), release.get("date"), english, japanese))
    return releases


def disagreements(source):
    problems = []
    version = project_version(source)
    if version is None:
        return ["CMakeLists.txt: no project() version"]
    entries = changelog_entries(source)
    releases = metainfo_releases(source)
    if not entries:
        problems.append("debian/changelog: no entry")
    elif upstream_of(entries[0][0]) != version:
        problems.append(f"debian/changelog: the newest entry is {entries[0][0]}, "
                        f"project() says {version}")
    if not releases:
        problems.append("metainfo: no release")
    elif releases[0][0] != version:
        problems.append(f"metainfo: the newest release is {releases[0][0]}, "
                        f"project() says {version}")
    by_version = {release[0]: release for release in releases}
    for entry_version, day, english, japanese in entries:
        upstream = upstream_of(entry_version)
        release = by_version.get(upstream)
        if release is None:
            problems.append(f"metainfo: no release {upstream} for changelog entry {entry_version}")
            continue
        if release[1] != day:
            problems.append(f"{upstream}: the changelog dates it {day}, the metainfo {release[1]}")
        if release[2] != english:
            problems.append(f"{upstream}: English notes differ: changelog {english}, "
                            f"metainfo {release[2]}")
        if release[3] != japanese:
            problems.append(f"{upstream}: Japanese notes differ: changelog {japanese}, "
                            f"metainfo {release[3]}")
    order = [upstream_of(entry[0]) for entry in entries]
    if [release[0] for release in releases] != list(dict.fromkeys(order)):
        problems.append(f"the metainfo's releases {[release[0] for release in releases]} are not "
                        f"the changelog's {order}, newest first")
    return problems


def main():
    source = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    problems = disagreements(source)
    for problem in problems:
        print(problem)
    if not problems:
        print(f"release {project_version(source)}: CMakeLists.txt, debian/changelog and the "
              "metainfo agree")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
