#!/usr/bin/env python3
"""Checks of the help file.

  check_help.py links HELP_FOLDER   every link of the pages and of the table
      of contents leads to a file of the project (and anchor) that exists,
      and every page is listed in the project's [FILES] and in the contents
  check_help.py chm CHM HELP_FOLDER the compiled file holds every listed file

Prints what is wrong and exits 1, else exits 0.
"""
import os
import re
import subprocess
import sys


def project_files(folder):
    text = open(os.path.join(folder, "prismoth.hhp")).read()
    section = text.split("[FILES]", 1)[1]
    return [line.strip() for line in section.splitlines() if line.strip()]


def targets(path):
    """(file, anchor) of every href, src and Local parameter in a file."""
    text = open(path, encoding="latin-1").read()
    found = re.findall(r'(?:href|src)="([^"]+)"', text, re.I)
    found += re.findall(r'name="Local" value="([^"]+)"', text, re.I)
    return [(link.split("#")[0], link.split("#")[1] if "#" in link else None)
            for link in found if not re.match(r"[a-z]+:", link)]


def check_links(folder):
    problems = []
    pages = sorted(f for f in os.listdir(folder) if f.endswith(".htm"))
    listed = project_files(folder)
    for page in pages:
        if page not in listed:
            problems.append("%s is not in the project's [FILES]" % page)
    for source in pages + ["prismoth.hhc"]:
        for name, anchor in targets(os.path.join(folder, source)):
            target = os.path.join(folder, name or source)
            if not os.path.exists(target):
                problems.append("%s links to missing %s" % (source, name))
            elif anchor and ('name="%s"' % anchor) not in open(target).read():
                problems.append("%s links to missing anchor %s#%s" % (source, name, anchor))
    in_contents = {name for name, _ in targets(os.path.join(folder, "prismoth.hhc"))}
    problems += ["%s is not in the table of contents" % p for p in pages if p not in in_contents]
    return problems


def check_chm(chm, folder):
    listing = subprocess.run(["chmls", "-n", "list", chm], capture_output=True, text=True)
    names = {line.strip().lstrip("/") for line in listing.stdout.splitlines()}
    wanted = project_files(folder) + ["prismoth.hhc"]
    return ["%s holds no %s" % (chm, name) for name in wanted if name not in names]


def main(arguments):
    if arguments[:1] == ["links"]:
        problems = check_links(arguments[1])
    elif arguments[:1] == ["chm"]:
        problems = check_chm(arguments[1], arguments[2])
    else:
        print(__doc__)
        return 2
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
