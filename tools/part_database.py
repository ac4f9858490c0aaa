#!/usr/bin/env python3
"""Writes the built-in part database: what the engine reads of the gputils part headers, for
every part with a serial port, as compact C++ tables (engine/parts/part_database.h reads them).

Of each header it keeps the register files the ports, the bring-up program and the checker use
(the serial port, the pins, the interrupt flags, the oscillator) with every other name at their
addresses, the named bits of the serial port's, the interrupt flags', the A/D control and the
oscillator registers, and every configuration word with its options. Strings, bit lists and
option lists that parts share are stored once. The header is read as the engine's run-time
reader does (engine/parts/gputils_header.cpp); a test compares the two for every part.

usage: part_database.py HEADER_DIR OUTPUT_CPP"""
import pathlib
import re
import sys

# Register files whose names the engine looks up, and those whose bits it reads.
KEPT_REGISTER = re.compile(
    rb"(TX\w*STA\w*|RC\w*STA\w*|SP\w*BRG\w*|BAUD\w*|TX\d?REG\d?|RC\d?REG\d?|U\d\w*|ANSEL\w*"
    rb"|ANCON\w*|ADCON\d\w*|TRIS\w*|PORT\w*|LAT\w*|\w*PPS\w*|RP\w*|APFCON\w*|PIR\d*\w*"
    rb"|PIE\d*\w*|INTCON\w*|OSC\w*)")
KEPT_BITS = re.compile(
    rb"(TX\w*STA\w*|RC\w*STA\w*|SP\w*BRG\w*|BAUD\w*|U\d\w*|ADCON\d\w*|PIR\d*\w*|OSC\w*|ANSEL\w*"
    rb"|APFCON\w*)")
# A header whose part has a serial port: a USART or EUSART, or the PIC18 UART. Only the first
# two the header's own registers describe; the family table describes the UART.
SERIAL_PORT_LINE = re.compile(rb"^(TXSTA|TX1STA|U1CON0)", re.MULTILINE)
USART_LINE = re.compile(rb"^(TXSTA|TX1STA)", re.MULTILINE)
HEX_DIGITS = re.compile(rb"[ \t\n\r\v\f]*\+?([0-9A-Fa-f]+)")


def equate(line: bytes):
    """(name, value) of "NAME  EQU  H'0F70'", or None."""
    words = line.split()
    if len(words) < 3 or words[1] != b"EQU" or len(words[2]) < 4 or not words[2].startswith(b"H'"):
        return None
    digits = HEX_DIGITS.match(words[2][2:])
    if not digits:
        return None
    return words[0], int(digits.group(1), 16) & 0xFFFFFFFF


def read_header(text: bytes) -> dict:
    registers, bits, words, addresses = {}, {}, [], {}
    section, options = b"", False
    for line in text.split(b"\n"):
        if line.startswith(b";----- "):
            heading = line[7:].split()
            first = heading[0] if heading else b""
            second = heading[1] if len(heading) > 1 else b""
            options = second == b"Options" and first.startswith(b"CONFIG")
            section = first if second == b"Bits" else (b"Register Files" if first == b"Register" else b"")
            if options:
                words.append((first, []))
            continue
        found = equate(line)
        if found is None:
            continue
        name, value = found
        if options:
            semicolon = line.find(b";")
            comment = b"" if semicolon < 0 else line[semicolon + 1:].lstrip(b" ")
            words[-1][1].append((name, value, comment))
        elif name.startswith(b"_CONFIG"):
            addresses.setdefault(name, value)
        elif section == b"Register Files":
            registers.setdefault(name, value)
        elif section:
            bits.setdefault(section, {}).setdefault(name, value)
    return {"registers": registers, "bits": bits, "words": words, "addresses": addresses}


def kept(header: dict) -> dict:
    """The registers and bit sections the engine uses, with every alias at their addresses."""
    registers = header["registers"]

    def at_addresses_of(pattern):
        wanted = {address for name, address in registers.items() if pattern.fullmatch(name)}
        return {name for name, address in registers.items() if address in wanted}

    names = at_addresses_of(KEPT_REGISTER)
    with_bits = at_addresses_of(KEPT_BITS)
    return {
        "registers": [(name, registers[name]) for name in registers if name in names],
        "bits": [(section, sorted(named.items())) for section, named in header["bits"].items()
                 if section in with_bits],
        "words": header["words"],
        "addresses": list(header["addresses"].items()),
    }


def signed(value: int) -> int:
    """A 32-bit value as the engine's int holds it."""
    return value - (1 << 32) if value >= 1 << 31 else value


class Pool:
    """Values stored once, each with its index."""

    def __init__(self):
        self.items, self.index = [], {}

    def id(self, item) -> int:
        if item not in self.index:
            self.index[item] = len(self.items)
            self.items.append(item)
        return self.index[item]


def c_string(data: bytes) -> str:
    out = []
    for byte in data:
        char = chr(byte)
        if char in '"\\?':
            out.append("\\" + char)
        elif 32 <= byte < 127:
            out.append(char)
        else:
            out.append(f"\\{byte:03o}")
    return "".join(out)


def rows(values, per_line=8) -> str:
    values = list(values)
    return "\n".join("    " + " ".join(values[i:i + per_line]) for i in range(0, len(values), per_line))


def generate(header_dir: pathlib.Path) -> str:
    strings, bit_sets, option_lists = Pool(), Pool(), Pool()
    parts, without_port = [], []
    registers, sections, words, addresses = [], [], [], []
    for path in sorted(header_dir.glob("p*.inc")):
        stem = path.name[1:-4]
        if len(path.name) <= 5:
            continue
        text = path.read_bytes()
        if not SERIAL_PORT_LINE.search(text):
            without_port.append(strings.id(stem.encode()))
            continue
        header = kept(read_header(text))
        part = [strings.id(stem.encode()), len(registers), len(sections), len(words), len(addresses),
                1 if USART_LINE.search(text) else 0]
        for name, address in header["registers"]:
            registers.append((strings.id(name), address))
        for section, named in header["bits"]:
            bit_set = tuple((strings.id(name), signed(position)) for name, position in named)
            sections.append((strings.id(section), bit_sets.id(bit_set)))
        for name, options in header["words"]:
            option_list = tuple((strings.id(o), value, strings.id(c)) for o, value, c in options)
            words.append((strings.id(name), option_lists.id(option_list)))
        for name, address in header["addresses"]:
            addresses.append((strings.id(name), address))
        parts.append(part)
    if not parts:
        raise SystemExit(f"no gputils part headers with a serial port in {header_dir}")
    if len(strings.items) > 0xFFFF or max(a for _, a in registers) > 0xFFFF:
        raise SystemExit("the tables' 16-bit fields are too narrow for these headers")

    offsets, pool = [], b""
    for item in strings.items:
        offsets.append(len(pool))
        pool += item + b"\0"
    bits, bit_ranges = [], []
    for bit_set in bit_sets.items:
        bit_ranges.append((len(bits), len(bit_set)))
        bits.extend(bit_set)
    options, option_ranges = [], []
    for option_list in option_lists.items:
        option_ranges.append((len(options), len(option_list)))
        options.extend(option_list)
    ends = [len(registers), len(sections), len(words), len(addresses)]

    out = ["// Generated at build time by tools/part_database.py from the gputils part headers.",
           '#include "engine/parts/part_database_tables.h"', "",
           "namespace brg::engine::part_database {", "",
           "const char kStrings[] ="]
    for i in range(0, len(pool), 96):
        out.append(f'    "{c_string(pool[i:i + 96])}"')
    out[-1] += ";"
    out += [f"const std::uint32_t kStringOffsets[] = {{\n{rows(f'{o},' for o in offsets)}}};",
            f"const Bit kBits[] = {{\n{rows(f'{{{n}, {p}}},' for n, p in bits)}}};",
            f"const Range kBitSets[] = {{\n{rows(f'{{{f}, {c}}},' for f, c in bit_ranges)}}};",
            f"const Option kOptions[] = {{\n{rows([f'{{{n}, {c}, {v}u}},' for n, v, c in options], 4)}}};",
            f"const Range kOptionLists[] = {{\n{rows(f'{{{f}, {c}}},' for f, c in option_ranges)}}};",
            f"const Register kRegisters[] = {{\n{rows(f'{{{n}, {a}}},' for n, a in registers)}}};",
            f"const Section kSections[] = {{\n{rows(f'{{{r}, {s}}},' for r, s in sections)}}};",
            f"const Word kWords[] = {{\n{rows(f'{{{n}, {o}}},' for n, o in words)}}};",
            f"const Address kAddresses[] = {{\n{rows(f'{{{n}, {a}u}},' for n, a in addresses)}}};"]
    part_rows = []
    for i, part in enumerate(parts):
        following = parts[i + 1][1:5] if i + 1 < len(parts) else ends
        counts = [following[k] - part[k + 1] for k in range(4)]
        part_rows.append(f"{{{part[0]}, {part[1]}, {counts[0]}, {part[2]}, {counts[1]}, "
                         f"{part[3]}, {counts[2]}, {part[4]}, {counts[3]}, {part[5]}}},")
    out.append(f"const Part kParts[] = {{\n{rows(part_rows, 1)}}};")
    out.append(f"const std::uint16_t kPartsWithoutSerialPort[] = {{\n"
               f"{rows(f'{s},' for s in without_port + [0])}}};")  # never empty
    out += ["", "const Tables kTables = {kStrings, kStringOffsets, kBits, kBitSets, kOptions,",
            "                         kOptionLists, kRegisters, kSections, kWords, kAddresses,",
            f"                         kParts, {len(parts)}, kPartsWithoutSerialPort, "
            f"{len(without_port)}}};", "", "}  // namespace brg::engine::part_database", ""]
    return "\n".join(out)


def main() -> int:
    header_dir, output = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    text = generate(header_dir)
    if not output.exists() or output.read_text() != text:
        output.write_text(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
