#!/usr/bin/env python3
"""Checks spbrg's code against the real toolchain's output.

listing HEADER LISTING MODE N REGISTERS USART: the gpasm listing writes, in this order, SPBRGH
  (16-bit modes), SPBRG, BAUDCON (16-bit modes), TXSTA and RCSTA of USART 1 or 2, each to the
  address the part's header gives that register of that USART (found here from the header's own
  names, not from spbrg's), under the names REGISTERS gives ("SPBRG=25 TXSTA=0x24 ..."), after
  the bank its banksel selected, with the values that MODE and N call for.
declarations HEADER: C declarations of every register file the header names.
"""
import re
import sys


def header_registers(path):
    registers = {}
    in_files = False
    for line in open(path, encoding="latin-1"):
        if line.startswith(";----- "):
            in_files = "Register Files" in line
            continue
        match = re.match(r"^(\w+)\s+EQU\s+H'([0-9A-Fa-f]+)'", line)
        if in_files and match:
            registers.setdefault(match.group(1), int(match.group(2), 16))
    return registers


# Every name the headers give each register of USART 1 and 2.
ROLE_NAMES = {
    "SPBRGH": ["SPBRGH{u}", "SP{u}BRGH"],
    "SPBRG": ["SPBRG{u}", "SP{u}BRG", "SP{u}BRGL"],
    "BAUDCON": ["BAUDCON{u}", "BAUD{u}CON", "BAUDCTL{u}"],
    "TXSTA": ["TXSTA{u}", "TX{u}STA"],
    "RCSTA": ["RCSTA{u}", "RC{u}STA"],
}
FIRST_PORT_NAMES = {"SPBRGH": ["SPBRGH"], "SPBRG": ["SPBRG", "SPBRGL"],
                    "BAUDCON": ["BAUDCON", "BAUDCTL"], "TXSTA": ["TXSTA"], "RCSTA": ["RCSTA"]}


def role_address(registers, role, usart):
    names = [name.format(u=usart) for name in ROLE_NAMES[role]]
    if usart == 1:
        names = FIRST_PORT_NAMES[role] + names
    addresses = {registers[name] for name in names if name in registers}
    if len(addresses) != 1:
        sys.exit(f"the header has {len(addresses)} addresses for {role} of USART {usart}")
    return addresses.pop()


def expected_roles(mode):
    sixteen = mode in ("16/16", "16/4", "sync16")
    return (["SPBRGH"] if sixteen else []) + ["SPBRG"] + (["BAUDCON"] if sixteen else []) + [
        "TXSTA", "RCSTA"]


def expected_writes(mode, n, names):
    """The values each register must get, worked out here from the mode and n."""
    sixteen = mode in ("16/16", "16/4", "sync16")
    sync = mode.startswith("sync")
    values = []
    if sixteen:
        values.append(n >> 8)
    values.append(n & 0xFF)
    if sixteen:
        values.append(1 << 3)  # BRG16
    if sync:
        values += [(1 << 7) | (1 << 5) | (1 << 4), 1 << 7]  # CSRC TXEN SYNC; SPEN
    else:
        brgh = mode in ("8/16", "16/4")
        values += [(1 << 5) | ((1 << 2) if brgh else 0), (1 << 7) | (1 << 4)]  # TXEN BRGH; SPEN CREN
    if len(names) != len(values):
        sys.exit(f"registers {names} for mode {mode}")
    return list(zip(names, values))


def check_listing(header, listing, mode, n, registers_text, usart):
    registers = header_registers(header)
    names = [pair.split("=")[0] for pair in registers_text.split()]
    expected = expected_writes(mode, int(n), names)
    addresses = [role_address(registers, role, int(usart)) for role in expected_roles(mode)]
    pic18 = "p18" in header
    bank = 0
    literal = None
    written = []
    written_addresses = []
    line_re = re.compile(r"^([0-9A-F]{4,6})\s+([0-9A-F]{4})(?:\s+([0-9A-F]{4}))?\s+\d+\s+(\S+)\s*(\S*)")
    for line in open(listing, encoding="latin-1"):
        match = line_re.match(line)
        if not match:
            continue
        words = [int(w, 16) for w in match.group(2, 3) if w]
        mnemonic, operand = match.group(4).lower(), match.group(5)
        if mnemonic == "banksel":
            for word in words:
                if pic18 and word & 0xFFC0 == 0x0100:
                    bank = word & 0x3F
                elif not pic18 and word & 0xFFE0 == 0x0020:  # movlb
                    bank = word & 0x1F
                elif not pic18 and word in (0x1683, 0x1283):  # bsf/bcf STATUS, RP0
                    bank = (bank & 2) | (1 if word == 0x1683 else 0)
                elif not pic18 and word in (0x1703, 0x1303):  # bsf/bcf STATUS, RP1
                    bank = (bank & 1) | (2 if word == 0x1703 else 0)
        elif mnemonic == "movlw":
            literal = words[0] & 0xFF
        elif mnemonic == "movwf":
            word = words[0]
            if pic18:
                offset = word & 0xFF
                access = word & 0x0100 == 0
                address = (0xF00 + offset if offset >= 0x60 else offset) if access else bank * 0x100 + offset
            else:
                address = bank * 0x80 + (word & 0x7F)
            if registers.get(operand) != address:
                sys.exit(f"movwf {operand} writes 0x{address:X}, the header says 0x{registers.get(operand, 0):X}")
            written.append((operand, literal))
            written_addresses.append(address)
    if written_addresses != addresses:
        sys.exit(f"writes {[hex(a) for a in written_addresses]}, USART {usart} is at {[hex(a) for a in addresses]}")
    if written != expected:
        sys.exit(f"written {written}, expected {expected}")


def declarations(header):
    for name in sorted(header_registers(header)):
        print(f"volatile unsigned char {name};")


if __name__ == "__main__":
    if sys.argv[1] == "listing":
        check_listing(*sys.argv[2:8])
    else:
        declarations(sys.argv[2])
