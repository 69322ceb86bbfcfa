#!/usr/bin/env python3
"""Reads back what a release exe shows in Explorer: its icon groups and its version resource.

    pe_resources.py PROGRAM.exe [--expect-version 1.0.0.0]

Prints the icon groups (Explorer shows the first), the fixed file and product versions, the
translations and every string of the version resource. Fails when the exe has no icon group or no
version resource, or, with --expect-version, when any version it carries differs from the one given.
"""
import argparse
import struct
import sys

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
TYPE_NAMES = {RT_ICON: "RT_ICON", RT_GROUP_ICON: "RT_GROUP_ICON", RT_VERSION: "RT_VERSION", RT_MANIFEST: "RT_MANIFEST"}


def sections_and_resource_rva(image):
    """The section table as (rva, size, file offset) and the resource directory's rva."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    count, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", image, optional)[0]
    directories = optional + {0x10B: 96, 0x20B: 112}[magic]
    resource_rva = struct.unpack_from("<I", image, directories + 2 * 8)[0]
    sections = []
    for n in range(count):
        virtual_size, rva, raw_size, raw_offset = struct.unpack_from("<4I", image, optional + optional_size + 40 * n + 8)
        sections.append((rva, max(virtual_size, raw_size), raw_offset))
    return sections, resource_rva


def file_offset(sections, rva):
    for start, size, raw in sections:
        if start <= rva < start + size:
            return raw + rva - start
    raise ValueError(f"rva {rva:#x} is in no section")


def resources(image):
    """Every resource as (type, name, language, bytes), in the order of the resource directory."""
    sections, resource_rva = sections_and_resource_rva(image)
    if resource_rva == 0:
        return []
    base = file_offset(sections, resource_rva)

    def entries(directory):
        named, numbered = struct.unpack_from("<12xHH", image, base + directory)
        for n in range(named + numbered):
            name, target = struct.unpack_from("<II", image, base + directory + 16 + 8 * n)
            if name & 0x80000000:
                length = struct.unpack_from("<H", image, base + (name & 0x7FFFFFFF))[0]
                start = base + (name & 0x7FFFFFFF) + 2
                name = image[start:start + 2 * length].decode("utf-16-le")
            yield name, target

    found = []
    for kind, types in entries(0):
        for name, languages in entries(types & 0x7FFFFFFF):
            for language, leaf in entries(languages & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", image, base + leaf)
                start = file_offset(sections, rva)
                found.append((kind, name, language, image[start:start + size]))
    return found


def version_node(data, offset):
    """One node of a VS_VERSIONINFO tree: (key, value bytes, is text, children, end offset)."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    key_end = offset + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16-le")
    value_start = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if is_text else value_length
    value = data[value_start:value_start + value_size]
    children = []
    child = (value_start + value_size + 3) & ~3
    while child < end:
        node = version_node(data, child)
        children.append(node)
        child = (node[4] + 3) & ~3
    return key, value, is_text, children, end


def four_parts(most, least):
    return f"{most >> 16}.{most & 0xFFFF}.{least >> 16}.{least & 0xFFFF}"


def read_version(data):
    """The fixed versions, the translations and the strings of a version resource."""
    key, fixed, _, children, _ = version_node(data, 0)
    if key != "VS_VERSION_INFO" or struct.unpack_from("<I", fixed)[0] != 0xFEEF04BD:
        raise ValueError("malformed version resource")
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", fixed, 8)
    version = {"file": four_parts(file_ms, file_ls), "product": four_parts(product_ms, product_ls),
               "translations": [], "strings": {}}
    for block_key, _, _, blocks, _ in children:
        for table_key, table_value, _, table_children, _ in blocks:
            if block_key == "VarFileInfo" and table_key == "Translation":
                pairs = struct.iter_unpack("<HH", table_value)
                version["translations"] += [f"{language:04x}{code_page:04x}" for language, code_page in pairs]
            elif block_key == "StringFileInfo":
                for name, text, _, _, _ in table_children:
                    version["strings"][(table_key, name)] = text.decode("utf-16-le").rstrip("\0")
    return version


def main():
    arguments = argparse.ArgumentParser()
    arguments.add_argument("program")
    arguments.add_argument("--expect-version")
    options = arguments.parse_args()
    with open(options.program, "rb") as f:
        found = resources(f.read())

    problems = []
    print(f"{options.program}:")
    kinds = sorted({kind for kind, _, _, _ in found if isinstance(kind, int)})
    print("  resources: " + ", ".join(TYPE_NAMES.get(kind, str(kind)) for kind in kinds))
    groups = [(name, data) for kind, name, _, data in found if kind == RT_GROUP_ICON]
    if not groups:
        problems.append("no icon group")
    for position, (name, data) in enumerate(groups):
        images = [struct.unpack_from("<BBxxHH", data, 6 + 14 * n) for n in range(struct.unpack_from("<H", data, 4)[0])]
        sizes = ", ".join(f"{w or 256}x{h or 256} {bits} bpp" for w, h, _, bits in images)
        print(f"  icon group {name}: {sizes}" + (" (the file's icon in Explorer)" if position == 0 else ""))

    versions = [(language, data) for kind, _, language, data in found if kind == RT_VERSION]
    if not versions:
        problems.append("no version resource")
    for language, data in versions:
        version = read_version(data)
        print(f"  version resource, language {language:04x}:")
        print(f"    fixed FileVersion {version['file']}, ProductVersion {version['product']}")
        print(f"    translations {' '.join(version['translations'])}")
        for (table, name), text in version["strings"].items():
            print(f"    {table} {name}: {text}")
        if options.expect_version:
            carried = {"fixed FileVersion": version["file"], "fixed ProductVersion": version["product"]}
            carried.update({name: text for (_, name), text in version["strings"].items() if name.endswith("Version")})
            problems += [f"{name} is {text}, not {options.expect_version}"
                         for name, text in carried.items() if text != options.expect_version]
        tables = {table for table, _ in version["strings"]}
        problems += [f"translation {t} has no string table" for t in version["translations"] if t not in tables]

    for problem in problems:
        print(f"pe_resources: {options.program}: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
