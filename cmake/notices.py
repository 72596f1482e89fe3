#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

"""What a release artifact says of the work it carries, made from the table
of components (app/thirdparty/components.json) and their owners' own texts:
the Debian packages' copyright files, the licence texts Debian keeps in
/usr/share/common-licenses, and the npm packages' licence files.

Each command takes --llvm N first where the edition is the web edition: the
LLVM version it is built with, which names the packages of its libc++.

    notices.py notices windows|web VERSION OUTPUT
        the notices file of an edition
    notices.py depends windows|web
        the owners' texts it is made of, one path a line, for the build
    notices.py copyright OUTPUT
        the Debian package's copyright file
    notices.py release windows|web|deb VERSION ARTIFACT...
        an edition's SHA256SUMS, and an SPDX 2.3 bill of materials beside it
        for each ARTIFACT (its name and .spdx.json), in the current folder
"""
import datetime
import hashlib
import json
import os
import re
import subprocess
import sys

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABLE = json.load(open(os.path.join(SOURCE, "app/thirdparty/components.json"), encoding="utf-8"))
PROGRAM = TABLE["program"]
SUPPLIER = PROGRAM["supplier"]
SUPPLIER_ADDRESS = f"{SUPPLIER} <{PROGRAM['supplier_email']}>"


def read(path):
    with open(path, encoding="utf-8") as file:
        return file.read()


def terms():
    return read(os.path.join(SOURCE, PROGRAM["terms"]))


def upstream(debian_version):
    """The owners' version in a Debian package's: no epoch, no revision."""
    return re.sub(r"^[0-9]+:", "", debian_version).rsplit("-", 1)[0]


def installed(package):
    """The installed package's version, its source package and that's version."""
    result = subprocess.run(["dpkg-query", "-W", "-f=${db:Status-Status}\t${Version}\t${source:Package}\t${source:Version}",
                             package], capture_output=True, text=True)
    fields = result.stdout.split("\t")
    if result.returncode != 0 or fields[0] != "installed":
        sys.exit(f"notices.py: the Debian package {package} is not installed")
    return fields[1:]


def resolved(component, llvm):
    """A row of the table with the versions of what is installed filled in."""
    if "debian" in component:
        if "{llvm}" in component["debian"]["package"] and llvm is None:
            sys.exit(f"notices.py: {component['id']} needs --llvm")
        package = component["debian"]["package"].format(llvm=llvm)
        version, source, source_version = installed(package)
        made = f"; {component['made']}" if "made" in component else ""
        return {**component, "version": upstream(version), "debian": {"package": package, "version": version},
                "source": f"Debian's source package {source} {source_version}{made}"}
    if "npm" in component:
        with open(os.path.join(SOURCE, "package-lock.json"), encoding="utf-8") as file:
            version = json.load(file)["packages"][f"node_modules/{component['npm']}"]["version"]
        return {**component, "version": version, "source": f"the npm package {component['npm']} {version}"}
    return component


LLVM = None


def components(edition):
    return [resolved(c, LLVM) for c in TABLE["components"] if edition in c["artifacts"]]


def rule(title):
    return f"\n{'=' * 72}\n{title}\n{'=' * 72}\n\n"


def owners_file(component):
    if "debian" in component:
        return f"/usr/share/doc/{component['debian']['package']}/copyright"
    return os.path.join(SOURCE, component["notice"])


def licence_texts(carried):
    return sorted({text for component in carried for text in component.get("texts", [])})


def owners_text(component):
    if "debian" in component:
        return (f"Debian's copyright file for {component['debian']['package']} "
                f"{component['debian']['version']}, which holds "
                f"the copyright and licence of every file of its source:\n\n" + read(owners_file(component)))
    return read(owners_file(component))


def depends(edition):
    """Every file the notices of an edition are made of: an upgrade of the
    system's packages changes some of them, and the notices with them."""
    carried = components(edition)
    files = [owners_file(c) for c in carried if "within" not in c]
    files += [f"/usr/share/common-licenses/{text}" for text in licence_texts(carried)]
    return "\n".join([os.path.join(SOURCE, PROGRAM["terms"])] + files) + "\n"


def listed(component, indent="  "):
    line = f"{indent}{component['name']}, {component['version']}: {component['license']}"
    if component.get("copyright"):
        line += f"\n{indent}  {component['copyright']}"
    return line


def notices(edition, version):
    carried = components(edition)
    top = [c for c in carried if "within" not in c]
    out = [f"Zerkovan {version}: the work of others that this edition carries\n",
           f"Zerkovan itself is {SUPPLIER}'s; its terms are in LICENSE.txt beside this file"
           + (" (in the single-file edition, just above)." if edition == "web" else "."),
           "Each of the following is its owners' work, under its own licence:\n"]
    for component in top:
        out.append(listed(component))
        within = [c for c in carried if c.get("within") == component["id"]]
        if within:
            out.append("    and, built into it:")
            out.extend(listed(c, "      ") for c in within)
    for component in top:
        out.append(rule(f"{component['name']} {component['version']}"))
        out.append(f"Licence: {component['license']}\nSource: {component['source']}\n\n")
        out.append(owners_text(component))
    for text in licence_texts(carried):
        out.append(rule(f"The licence text {text}, as Debian keeps it"))
        out.append(read(f"/usr/share/common-licenses/{text}"))
    return "\n".join(out)


def copyright_file():
    licence = "\n".join(" " + line if line.strip() else " ." for line in terms().rstrip("\n").split("\n"))
    return ("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
            f"Upstream-Name: {PROGRAM['name']}\n"
            f"Upstream-Contact: {SUPPLIER_ADDRESS}\n"
            f"Source: {PROGRAM['homepage']}\n\n"
            "Files: *\n"
            f"Copyright: 2026 {SUPPLIER}\n"
            f"License: {PROGRAM['license']}\n"
            f"{licence}\n")


def spdx_id(component):
    return "SPDXRef-" + re.sub(r"[^A-Za-z0-9.-]", "-", component["id"])


def sbom(edition, version, artifact, digest):
    name = os.path.basename(artifact)
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "0"))
    created = datetime.datetime.fromtimestamp(epoch, datetime.timezone.utc).strftime("%Y-%m-%dT%H:%M:%SZ")
    carried = [] if edition == "deb" else components(edition)
    if name.endswith(".exe"):
        carried = [c for c in carried if name in c.get("files", [])]
    packages = [{
        "SPDXID": "SPDXRef-Artifact", "name": PROGRAM["name"], "versionInfo": version,
        "packageFileName": name, "supplier": f"Organization: {SUPPLIER} ({PROGRAM['supplier_email']})",
        "downloadLocation": "NOASSERTION", "filesAnalyzed": False,
        "checksums": [{"algorithm": "SHA256", "checksumValue": digest}],
        "licenseConcluded": PROGRAM["license"], "licenseDeclared": PROGRAM["license"],
        "copyrightText": f"2026 {SUPPLIER_ADDRESS}"}]
    relationships = [{"spdxElementId": "SPDXRef-DOCUMENT", "relationshipType": "DESCRIBES",
                      "relatedSpdxElement": "SPDXRef-Artifact"}]
    for component in carried:
        packages.append({
            "SPDXID": spdx_id(component), "name": component["name"], "versionInfo": component["version"],
            "downloadLocation": "NOASSERTION", "filesAnalyzed": False,
            "licenseConcluded": "NOASSERTION", "licenseDeclared": component["license"],
            "copyrightText": component.get("copyright") or "NOASSERTION", "sourceInfo": component["source"]})
        within = next((c for c in carried if c["id"] == component.get("within")), None)
        relationships.append({"spdxElementId": spdx_id(within) if within else "SPDXRef-Artifact",
                              "relationshipType": "CONTAINS", "relatedSpdxElement": spdx_id(component)})
    referenced = sorted({ref for p in packages for ref in re.findall(r"LicenseRef-[A-Za-z0-9.-]+", p["licenseDeclared"])})
    extracted = [{"licenseId": ref, "name": "Zerkovan's terms" if ref == PROGRAM["license"] else ref,
                  "extractedText": terms() if ref == PROGRAM["license"] else
                  "As the component's owners state it; see the notices that the artifact carries."}
                 for ref in referenced]
    return {"spdxVersion": "SPDX-2.3", "dataLicense": "CC0-1.0", "SPDXID": "SPDXRef-DOCUMENT", "name": name,
            "documentNamespace": f"{PROGRAM['homepage']}spdx/{name}-{digest}",
            "creationInfo": {"created": created, "creators": [f"Organization: {SUPPLIER}", "Tool: cmake/notices.py"]},
            "packages": packages, "relationships": relationships, "hasExtractedLicensingInfos": extracted}


def write(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as file:
        file.write(text)


def release(edition, version, artifacts):
    sums = []
    for artifact in artifacts:
        with open(artifact, "rb") as file:
            digest = hashlib.sha256(file.read()).hexdigest()
        sums.append(f"{digest}  {artifact}\n")
        document = sbom(edition, version, artifact, digest)
        write(os.path.basename(artifact) + ".spdx.json", json.dumps(document, indent=2, ensure_ascii=False) + "\n")
    write("SHA256SUMS", "".join(sums))


def main(argv):
    global LLVM
    if argv[:1] == ["--llvm"] and len(argv) > 1:
        LLVM, argv = argv[1], argv[2:]
    if len(argv) == 4 and argv[0] == "notices" and argv[1] in ("windows", "web"):
        write(argv[3], notices(argv[1], argv[2]))
    elif len(argv) == 2 and argv[0] == "depends" and argv[1] in ("windows", "web"):
        sys.stdout.write(depends(argv[1]))
    elif len(argv) == 2 and argv[0] == "copyright":
        write(argv[1], copyright_file())
    elif len(argv) >= 4 and argv[0] == "release" and argv[1] in ("windows", "web", "deb"):
        release(argv[1], argv[2], argv[3:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
