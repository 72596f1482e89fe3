#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""What each release artifact of an edition really carries of other people's
work, against the table of components (app/thirdparty/components.json):
the toolchain's code linked into Zerkovan.exe in the Windows folder, its zip
and its installer; every npm
package bundled into the page (esbuild's metafiles), every library linked
into the module (the linker's map) and the font of the site, its zip and
the single file; and the Debian package's copyright. Each must be named in
the table with its owners' version, each must carry the notices of all it
holds and the program's terms as LICENSE words them, and each artifact in
SHA256SUMS must have its software bill of materials beside it.
    check-notices.py windows|web|deb BUILD_FOLDER
"""
import glob
import hashlib
import json
import os
import re
import subprocess
import sys
import tempfile

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABLE = json.load(open(os.path.join(SOURCE, "app/thirdparty/components.json"), encoding="utf-8"))
TERMS = open(os.path.join(SOURCE, "LICENSE"), encoding="utf-8").read()
failures = []


def check(what, ok, detail=""):
    print(("PASS: " if ok else "FAIL: ") + what + (f" ({detail})" if detail and not ok else ""))
    if not ok:
        failures.append(what)


def read(path):
    with open(path, encoding="utf-8", errors="replace") as file:
        return file.read()


def edition_components(edition):
    return [c for c in TABLE["components"] if edition in c["artifacts"]]


# The LLVM version of the libc++ linked into the module, as its linker map
# shows it: the table names those packages by it.
llvm = {}


def package_of(component):
    return component["debian"]["package"].format(llvm=llvm.get("version", "?"))


def owners_version(component):
    """The version the component's owner gives: the installed Debian
    package's without epoch and revision, or package-lock.json's."""
    if "debian" in component:
        version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", package_of(component)],
                                 capture_output=True, text=True).stdout
        return re.sub(r"^[0-9]+:", "", version).rsplit("-", 1)[0]
    if "npm" in component:
        lock = json.load(open(os.path.join(SOURCE, "package-lock.json")))
        return lock["packages"][f"node_modules/{component['npm']}"]["version"]
    return component["version"]


def table_holds(edition, found):
    """found: component id -> what in the artifact showed it."""
    expected = {c["id"] for c in edition_components(edition) if "within" not in c}
    check(f"{edition}: the table names every component the artifacts carry, and carries none they lack",
          set(found) == expected, f"carried but not named: {sorted(set(found) - expected)}; "
                                  f"named but not carried: {sorted(expected - set(found))}")


def by_file(edition, path):
    """The table's component that names a file of the artifact."""
    for component in edition_components(edition):
        if "within" not in component and path in component["files"]:
            return component["id"]
    return None


def notices_hold(what, edition, notices, terms):
    check(f"{what}: the program's terms, as LICENSE words them", TERMS in terms)
    # Each component's own line in the list at the top: its name, version
    # and licence together, not words that stand anywhere in the texts.
    missing = [c["name"] for c in edition_components(edition)
               if f"{c['name']}, {owners_version(c)}: {c['license']}" not in notices]
    check(f"{what}: the notices name each component with its owners' version and its licence", not missing, missing)
    def owners_file(component):
        if "debian" in component:
            return f"/usr/share/doc/{package_of(component)}/copyright"
        return os.path.join(SOURCE, component["notice"])
    owners = [c["id"] for c in edition_components(edition) if "within" not in c and
              read(owners_file(c)) not in notices]
    check(f"{what}: each component's owners' copyright file is in the notices", not owners, owners)
    texts = {text for c in edition_components(edition) for text in c.get("texts", [])}
    absent = [t for t in sorted(texts) if read(f"/usr/share/common-licenses/{t}") not in notices]
    check(f"{what}: the licence texts {', '.join(sorted(texts))} in full", not absent, absent)


def unpacked_zip(zip_path, into):
    subprocess.run(["unzip", "-q", zip_path, "-d", into], check=True)
    (top,) = os.listdir(into)
    return os.path.join(into, top)


# What the program's own bytes show of the toolchain's code linked into it:
# libstdc++'s messages, and MinGW-w64's start-up code's.
LINKED_IN = {"gcc-runtime": b"basic_string::", "mingw-w64": b"Mingw-w64 runtime failure"}


def windows(build, scratch):
    deploy = os.path.join(build, "deploy")
    folders = {"the Windows folder": deploy,
               "the Windows zip": unpacked_zip(glob.glob(os.path.join(build, "Zerkovan-*-windows-*.zip"))[0],
                                               os.path.join(scratch, "zip"))}
    msi = glob.glob(os.path.join(build, "Zerkovan-*.msi"))[0]
    subprocess.run(["msiextract", "-C", os.path.join(scratch, "msi"), msi], check=True, capture_output=True)
    installed = glob.glob(os.path.join(scratch, "msi", "**", "Zerkovan.exe"), recursive=True)
    folders["the installer"] = os.path.dirname(installed[0]) if installed else os.path.join(scratch, "msi")
    found = {}
    for what, folder in folders.items():
        files = sorted(os.path.relpath(os.path.join(top, name), folder)
                       for top, _, names in os.walk(folder) for name in names)
        expected = ["LICENSE.txt", "THIRD-PARTY-NOTICES.txt", "Zerkovan.exe"]
        check(f"{what}: Zerkovan.exe with its terms and notices, and nothing else", files == expected, files)
        program = os.path.join(folder, "Zerkovan.exe")
        if os.path.exists(program):
            data = open(program, "rb").read()
            found.update({component: "Zerkovan.exe" for component, mark in LINKED_IN.items() if mark in data})
        notices = os.path.join(folder, "THIRD-PARTY-NOTICES.txt")
        terms = os.path.join(folder, "LICENSE.txt")
        if not (os.path.exists(notices) and os.path.exists(terms)):
            check(f"{what}: THIRD-PARTY-NOTICES.txt and LICENSE.txt beside Zerkovan.exe", False)
            continue
        notices_hold(what, "windows", read(notices), read(terms))
    table_holds("windows", found)
    return ["Zerkovan-*-windows-*.zip", "Zerkovan-*.msi", "deploy/Zerkovan.exe"]


def web(build, scratch):
    site = os.path.join(build, "site")
    found = {}
    metas = glob.glob(os.path.join(build, "web", "*.js.meta.json"))
    check("esbuild's list of what went into each bundle", len(metas) == 2, metas)
    for meta in metas:
        for path in json.load(open(meta))["inputs"]:
            if path.startswith("node_modules/"):
                parts = path.split("/")
                package = "/".join(parts[1:3]) if parts[1].startswith("@") else parts[1]
                named = [c["id"] for c in edition_components("web") if c.get("npm") == package]
                found.setdefault(named[0] if named else package, path)
    map_path = os.path.join(build, "web", "zerkovan.wasm.map")
    check("the linker's map of the module", os.path.exists(map_path))
    link_map = read(map_path) if os.path.exists(map_path) else ""
    for archive in sorted(set(re.findall(r"(/\S+?\.a)\(", link_map))):
        # The linker names it as it found it, perhaps through a link
        # (/usr/lib/wasm32-wasip1 is one to wasm32-wasi on Debian 13).
        owner = subprocess.run(["dpkg", "-S", os.path.realpath(archive)],
                               capture_output=True, text=True).stdout.split(":")[0]
        named = []
        for c in edition_components("web"):
            pattern = re.escape(c.get("debian", {}).get("package", "")).replace(r"\{llvm\}", "(?P<llvm>[0-9]+)")
            match = re.fullmatch(pattern, owner) if "debian" in c else None
            if match:
                named.append(c["id"])
                llvm.update({"version": match.group("llvm")} if "llvm" in match.groupdict() else {})
        check(f"{os.path.basename(archive)} ({owner}), linked into the module, is named in the table", named)
        found.setdefault(named[0] if named else owner, archive)
    for font in glob.glob(os.path.join(site, "*.woff2")):
        named = by_file("web", os.path.basename(font))
        check(f"the font {os.path.basename(font)} is named in the table", named)
        found.setdefault(named or font, font)
    table_holds("web", found)
    for what, folder in {"the site": site, "the web zip": unpacked_zip(
            glob.glob(os.path.join(build, "Zerkovan-*-web.zip"))[0], scratch)}.items():
        if not all(os.path.exists(os.path.join(folder, f)) for f in ("NOTICES.txt", "LICENSE.txt")):
            check(f"{what}: NOTICES.txt and LICENSE.txt beside index.html", False)
            continue
        notices_hold(what, "web", read(os.path.join(folder, "NOTICES.txt")), read(os.path.join(folder, "LICENSE.txt")))
    single = read(glob.glob(os.path.join(build, "Zerkovan-[0-9]*.html"))[0])
    comment = re.search(r'<meta charset="utf-8">\n<!--\n(.*?)-->', single, re.S)
    if comment:
        notices_hold("the single file", "web", comment.group(1), comment.group(1))
    else:
        check("the single file: the terms and notices in a comment after its character set", False)
    return ["Zerkovan-*-web.zip", "Zerkovan-[0-9]*.html"]


def deb(build, scratch):
    (package,) = glob.glob(os.path.join(build, "zerkovan_*.deb"))
    subprocess.run(["dpkg-deb", "-x", package, scratch], check=True)
    copyright_file = read(os.path.join(scratch, "usr/share/doc/zerkovan/copyright"))
    indented = "\n".join(" " + line if line.strip() else " ." for line in TERMS.rstrip("\n").split("\n"))
    check("the .deb: its copyright file, machine-readable, holds the program's terms as LICENSE words them",
          copyright_file.startswith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
          and indented in copyright_file)
    return ["zerkovan_*.deb"]


def sboms_hold(build, patterns, edition):
    for pattern in patterns:
        for artifact in glob.glob(os.path.join(build, pattern)):
            name = os.path.basename(artifact)
            path = os.path.join(build, name + ".spdx.json")
            if not os.path.exists(path):
                check(f"{name}: its software bill of materials beside it", False)
                continue
            document = json.load(open(path))
            with open(artifact, "rb") as file:
                digest = hashlib.sha256(file.read()).hexdigest()
            described = document["packages"][0]
            carried = {p["name"] for p in document["packages"][1:]}
            expected = {c["name"] for c in edition_components(edition) if edition != "deb" and
                        (not name.endswith(".exe") or name in c.get("files", []))}
            check(f"{name}: an SPDX 2.3 bill of materials of its SHA-256 and all the table says it carries",
                  document["spdxVersion"] == "SPDX-2.3" and described["checksums"][0]["checksumValue"] == digest
                  and carried == expected, sorted(carried ^ expected))


def main(edition, build):
    with tempfile.TemporaryDirectory(prefix="zerkovan-notices-") as scratch:
        patterns = {"windows": windows, "web": web, "deb": deb}[edition](build, scratch)
    sboms_hold(build, patterns, edition)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] not in ("windows", "web", "deb"):
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
