"""Zips a folder the same way every time, so that the same files give the same zip: entries in
name order, each dated SOURCE_DATE_EPOCH (the last commit's time; zip dates start in 1980),
with fixed permissions and compression, and nothing of the machine or the user.

Usage: make_zip.py ZIP FOLDER   (the zip holds FOLDER itself, by its name)
"""
import os
import sys
import time
import zipfile

ZIP_EPOCH = 315532800  # 1980-01-01, the first time a zip entry can carry


def entries(folder):
    top = os.path.basename(os.path.normpath(folder))
    found = [(top + "/", None)]
    for path, dirs, files in os.walk(folder):
        inside = os.path.relpath(path, folder)
        prefix = top + "/" if inside == "." else "%s/%s/" % (top, inside.replace(os.sep, "/"))
        found += [(prefix + name + "/", None) for name in dirs]
        found += [(prefix + name, os.path.join(path, name)) for name in files]
    return sorted(found)


def main():
    out, folder = sys.argv[1:3]
    stamp = time.gmtime(max(int(os.environ.get("SOURCE_DATE_EPOCH", ZIP_EPOCH)), ZIP_EPOCH))[:6]
    with zipfile.ZipFile(out, "w") as archive:
        for name, source in entries(folder):
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.create_system = 3  # Unix, so that the permissions below are read as such
            if source is None:
                info.external_attr = (0o40755 << 16) | 0x10  # a directory
                archive.writestr(info, b"")
            else:
                info.external_attr = 0o100644 << 16
                info.compress_type = zipfile.ZIP_DEFLATED
                with open(source, "rb") as data:
                    archive.writestr(info, data.read(), compresslevel=9)


main()
