#!/usr/bin/env python3
"""Prints the version resource of a PE file (a Windows DLL or EXE), one "key=value" a line:
   fixed=<file version a.b.c.d> <product version a.b.c.d>, then every string of its string
   tables as "<table>/<name>=<value>" (values in UTF-8).  Exits 1 when the file has no version
   resource.  It reads the resource directory itself, so it depends on no tool's output format.
usage: pe_version.py FILE
"""
import struct
import sys

RT_VERSION = 16


def sections(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    count, optional_size = struct.unpack_from("<2xH12xH", data, pe + 4)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    resource_rva, resource_size = struct.unpack_from("<II", data, directories + 2 * 8)
    table = optional + optional_size
    result = []
    for i in range(count):
        _, vsize, rva, raw_size, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
        result.append((rva, max(vsize, raw_size), raw))
    return resource_rva, resource_size, result


def file_offset(rva, secs):
    for start, size, raw in secs:
        if start <= rva < start + size:
            return raw + rva - start
    raise ValueError(f"RVA {rva:#x} lies in no section")


def entries(data, base, offset):
    """The entries of one resource directory table: (id or None, is_directory, offset)."""
    named, ids = struct.unpack_from("<12xHH", data, base + offset)
    for i in range(named + ids):
        name, target = struct.unpack_from("<II", data, base + offset + 16 + 8 * i)
        ident = None if name & 0x80000000 else name
        yield ident, bool(target & 0x80000000), target & 0x7FFFFFFF


def version_block(data):
    resource_rva, resource_size, secs = sections(data)
    if not resource_rva:
        return None
    base = file_offset(resource_rva, secs)
    for ident, is_dir, off in entries(data, base, 0):
        if ident != RT_VERSION or not is_dir:
            continue
        for _, name_dir, name_off in entries(data, base, off):
            if not name_dir:
                continue
            for _, lang_dir, leaf in entries(data, base, name_off):
                if lang_dir:
                    continue
                rva, size = struct.unpack_from("<II", data, base + leaf)
                start = file_offset(rva, secs)
                return data[start:start + size]
    return None


def align4(n):
    return (n + 3) & ~3


def node(block, pos):
    """One VS_VERSIONINFO-style node at pos: (key, value bytes, value type, children, end)."""
    length, value_length, value_type = struct.unpack_from("<HHH", block, pos)
    end = pos + length
    key_start = pos + 6
    key_end = key_start
    while block[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = block[key_start:key_end].decode("utf-16-le")
    value_start = align4(key_end + 2)
    value_bytes = value_length * 2 if value_type == 1 else value_length
    value = block[value_start:value_start + value_bytes]
    children = []
    child = align4(value_start + value_bytes)
    while child < end:
        c = node(block, child)
        children.append(c)
        child = align4(c[4])
    return key, value, value_type, children, end


def main(argv):
    data = open(argv[1], "rb").read()
    block = version_block(data)
    if block is None:
        print(f"{argv[1]}: no version resource", file=sys.stderr)
        return 1
    key, value, _, children, _ = node(block, 0)
    if key != "VS_VERSION_INFO" or len(value) < 52:
        print(f"{argv[1]}: the version resource is not a VS_VERSION_INFO", file=sys.stderr)
        return 1
    signature, _, fms, fls, pms, pls = struct.unpack_from("<IIIIII", value, 0)
    if signature != 0xFEEF04BD:
        print(f"{argv[1]}: the version resource has no fixed file information", file=sys.stderr)
        return 1
    quad = lambda ms, ls: f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
    print(f"fixed={quad(fms, fls)} {quad(pms, pls)}")
    for child in children:
        if child[0] != "StringFileInfo":
            continue
        for table in child[3]:
            for string in table[3]:
                text = string[1].decode("utf-16-le").rstrip("\0")
                print(f"{table[0]}/{string[0]}={text}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
