#!/usr/bin/env python3
"""Checks that an i686 talvek.exe can start on a clean Windows 95 on a 486 or Pentium.

Imports: every DLL function the exe imports must be in scripts/tools/win95_imports.txt, the functions
a Windows 95 retail installation exports, each with the source that says so. Wide ("W")
functions exist there only as stubs that fail, so the list holds none.

Instructions: the code sections (not the exception tables, which are data) must contain no
instruction that a 486 or Pentium lacks: cmov, fcmov, fcomi/fucomi, cpuid, rdtsc, cmpxchg8b,
MMX, SSE and later. With the linker's map file the findings are attributed to the object files
they come from.

Size: the exe must stay within --max-bytes (192 KiB by default), the size it is held to.

Prints the exe's size and the counts; exits with 1 when anything is found.
"""
import argparse
import os
import re
import subprocess
import sys
from bisect import bisect_right

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_LIST = os.path.join(HERE, "win95_imports.txt")

# Mnemonics (after prefixes) the 486 and the Pentium (P5) do not have, by the processor that
# introduced them.
FORBIDDEN = [
    ("cmov (Pentium Pro)", re.compile(r"^cmov")),
    ("fcmov (Pentium Pro)", re.compile(r"^fcmov")),
    ("fcomi/fucomi (Pentium Pro)", re.compile(r"^fu?comip?$")),
    ("cpuid/rdtsc/cmpxchg8b (not on a 486)", re.compile(r"^(cpuid|rdtsc|rdtscp|cmpxchg8b)$")),
    ("MMX", re.compile(r"^(emms|femms)$")),
    ("SSE and later", re.compile(
        r"^(ldmxcsr|stmxcsr|[slm]fence|prefetch\w*|movnti|clflush\w*|fxsave\w*|fxrstor\w*"
        r"|fisttp\w*|sysenter|sysexit|xsave\w*|xrstor\w*|popcnt|lzcnt|tzcnt|movbe|crc32\w*)$")),
]
MMX_REGISTER = re.compile(r"%mm[0-7]\b")
SSE_REGISTER = re.compile(r"%[xyz]mm\d+\b")
PREFIXES = {"lock", "rep", "repz", "repe", "repnz", "repne", "data16", "addr16", "data32",
            "addr32", "cs", "ds", "es", "fs", "gs", "ss", "notrack", "bnd"}


def run(tool, *args):
    return subprocess.run([tool, *args], check=True, capture_output=True, text=True).stdout


def read_allowed(path):
    """DLL -> set of function names; rejects wide names in the list itself."""
    allowed, problems = {}, []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            fields = line.split()
            if len(fields) < 3:
                problems.append(f"{path}:{number}: want 'DLL function source'")
                continue
            dll, function = fields[0].lower(), fields[1]
            if re.search(r"[a-z0-9]W$", function):
                problems.append(f"{path}:{number}: {function} is a wide function")
            allowed.setdefault(dll, set()).add(function)
    return allowed, problems


def read_imports(objdump, exe):
    imports, dll = [], None
    for line in run(objdump, "-p", exe).splitlines():
        m = re.match(r"\s*DLL Name: (\S+)", line)
        if m:
            dll = m.group(1).lower()
            continue
        m = re.match(r"\t[0-9a-f]+\t\s*(\d+)\s+(\S+)$", line)
        if dll and m:
            imports.append((dll, m.group(2)))
        elif dll and re.match(r"\t[0-9a-f]+\t\s*<?ordinal", line, re.I):
            imports.append((dll, line.strip()))
    return imports


def code_sections(objdump, exe):
    sections, name = [], None
    for line in run(objdump, "-h", exe).splitlines():
        m = re.match(r"\s*\d+\s+(\S+)\s+[0-9a-f]+", line)
        if m:
            name = m.group(1)
        elif name and re.search(r"\bCODE\b", line):
            sections.append(name)
            name = None
    return sections


def read_map(path):
    """Sorted (start, end, object file, input section) of the input sections in a GNU ld map."""
    spans, pending = [], None
    in_map = False
    for line in open(path, encoding="utf-8", errors="replace"):
        if line.startswith("Linker script and memory map"):
            in_map = True
            continue
        if not in_map:
            continue
        m = re.match(r"^ (\.\S+)\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$", line)
        if m:
            start, size = int(m.group(2), 16), int(m.group(3), 16)
            if size:
                spans.append((start, start + size, m.group(4).strip(), m.group(1)))
            pending = None
            continue
        m = re.match(r"^ (\.\S+)$", line)
        if m:
            pending = m.group(1)
            continue
        m = re.match(r"^\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$", line)
        if pending and m:
            start, size = int(m.group(1), 16), int(m.group(2), 16)
            if size:
                spans.append((start, start + size, m.group(3).strip(), pending))
        pending = None
    spans.sort()
    return spans


def owner(spans, starts, address):
    """(object file, input section) the address lies in, or ("?", "")."""
    i = bisect_right(starts, address) - 1
    if i >= 0 and spans[i][0] <= address < spans[i][1]:
        return os.path.basename(spans[i][2]), spans[i][3]
    return "?", ""


def is_data(section):
    # The PE linker script places the exception tables and the constructor lists in .text.
    return section.startswith((".gcc_except_table", ".ctors", ".dtors"))


def scan_code(objdump, exe, sections):
    """(address, category, text) of every forbidden instruction in the given sections."""
    args = ["-d", "--no-show-raw-insn"]
    for s in sections:
        args += ["-j", s]
    found = []
    for line in run(objdump, *args, exe).splitlines():
        m = re.match(r"\s*([0-9a-f]+):\t(.*)$", line)
        if not m:
            continue
        text = m.group(2).strip()
        words = text.split()
        while words and words[0] in PREFIXES:
            words.pop(0)
        if not words:
            continue
        mnemonic = words[0]
        category = next((name for name, rx in FORBIDDEN if rx.match(mnemonic)), None)
        if category is None and MMX_REGISTER.search(text):
            category = "MMX"
        if category is None and SSE_REGISTER.search(text):
            category = "SSE and later"
        if category:
            found.append((int(m.group(1), 16), category, text))
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("exe")
    parser.add_argument("--list", default=DEFAULT_LIST)
    parser.add_argument("--map", help="the linker's map file, to name where findings come from")
    parser.add_argument("--objdump", default="i686-w64-mingw32-objdump")
    parser.add_argument("--max-bytes", type=int, default=192 * 1024)
    args = parser.parse_args()

    failed = False
    allowed, problems = read_allowed(args.list)
    for p in problems:
        print(f"list: {p}")
        failed = True

    imports = read_imports(args.objdump, args.exe)
    dlls = sorted({dll for dll, _ in imports})
    outside = [(dll, fn) for dll, fn in imports if fn not in allowed.get(dll, set())]
    for dll, fn in outside:
        print(f"import outside the Windows 95 list: {dll} {fn}")

    sections = code_sections(args.objdump, args.exe)
    found = scan_code(args.objdump, args.exe, sections)
    if found and args.map:
        spans = read_map(args.map)
        starts = [s[0] for s in spans]
        found = [f for f in found if not is_data(owner(spans, starts, f[0])[1])]
        by_owner = {}
        for address, category, _ in found:
            key = (owner(spans, starts, address)[0], category)
            by_owner[key] = by_owner.get(key, 0) + 1
        for (obj, category), n in sorted(by_owner.items()):
            print(f"{n:5d} {category} in {obj}")
    for address, category, text in found[:10]:
        print(f"instruction a 486/Pentium lacks ({category}) at {address:#x}: {text}")

    counts = {name: 0 for name, _ in FORBIDDEN}
    counts["MMX"] = counts.get("MMX", 0)
    for _, category, _ in found:
        counts[category] = counts.get(category, 0) + 1
    size = os.path.getsize(args.exe)
    print(f"{os.path.basename(args.exe)}: {size} bytes ({size / 1024:.1f} KiB), "
          f"at most {args.max_bytes} allowed")
    print(f"imports: {len(imports)} functions from {len(dlls)} DLLs ({', '.join(dlls)}), "
          f"{len(outside)} outside the Windows 95 list")
    print(f"code sections {', '.join(sections)}: " +
          ", ".join(f"{n} {name}" for name, n in counts.items()))
    failed = failed or bool(outside) or bool(found) or not sections or size > args.max_bytes
    print("Windows 95 check: " + ("FAILED" if failed else "passed"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
