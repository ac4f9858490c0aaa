#!/usr/bin/env python3
"""spbrg's manual page and its bash, zsh and fish completions, made from the help that spbrg
itself prints for each command: one option table serves --help, the manual and the completions.

usage: shell_files.py PATH/TO/spbrg VERSION OUTPUT_DIR
"""
import os
import re
import subprocess
import sys

COMMANDS = ["", "clocks", "check"]  # "" is the calculation itself


def help_text(spbrg, command):
    arguments = [spbrg] + ([command] if command else []) + ["--help"]
    return subprocess.run(arguments, check=True, capture_output=True, text=True).stdout


def parse(text):
    """The description, usage, options (names, value name, choices, text) and closing lines."""
    lines = text.splitlines()
    description = lines[0]
    usage = next(line for line in lines if line.startswith("Usage:"))[len("Usage: "):]
    options, positionals, footer = [], [], []
    section = None
    current = None
    for line in lines[1:]:
        if line.startswith("Usage:") or not line.strip() and section != "footer":
            continue
        if line in ("Positionals:", "Options:"):
            section = line[:-1]
            continue
        if section and not line.startswith("  "):
            section = "footer"
        if section == "footer":
            footer.append(line)
            continue
        if section is None:
            continue
        match = re.match(r"^  (\S+)(?: ([A-Z0-9_]+(?::\{[^}]*\})?))?(?: [.]{3})?(?: REQUIRED)?(?: Excludes:[^ ]*(?: --?\S+)*)?(?:\s+(.*))?$", line)
        if line.startswith("    ") and current is not None:
            current["text"] = (current["text"] + " " + line.strip()).strip()
            continue
        if not match:
            continue
        names, value, text = match.group(1), match.group(2) or "", match.group(3) or ""
        choices = []
        if ":{" in value:
            value, choice_text = value.split(":{", 1)
            choices = choice_text.rstrip("}").split(",")
        current = {"names": names.split(","), "value": value, "choices": choices, "text": text}
        (options if section == "Options" else positionals).append(current)
    return {"description": description, "usage": usage, "options": options,
            "positionals": positionals, "footer": footer}


def roff(text):
    return text.replace("\\", "\\e").replace("-", "\\-")


def manual(tables, version):
    main = tables[""]
    out = [f'.TH SPBRG 1 "" "spbrg {version}" "User Commands"',
           ".SH NAME", "spbrg \\- SPBRG values, rates and code for the PIC USART baud\\-rate generator",
           ".SH SYNOPSIS"]
    for command in COMMANDS:
        out += [".B " + roff(tables[command]["usage"]), ".br"]
    out += [".SH DESCRIPTION", roff(main["description"])]
    for command in COMMANDS:
        table = tables[command]
        if command:
            out += [f".SH COMMAND: {command.upper()}", roff(table["description"])]
        out.append(".SH OPTIONS" if not command else ".SS Options")
        for option in table["positionals"] + table["options"]:
            value = option["value"]
            if option["choices"]:
                value = "|".join(option["choices"])
            head = ", ".join(f"\\fB{roff(name)}\\fR" for name in option["names"])
            out += [".TP", head + (f" \\fI{roff(value)}\\fR" if value else ""), roff(option["text"])]
        for line in table["footer"]:
            out += [".PP", roff(line)]
    out += [".SH SEE ALSO", "\\fBspbrg\\-calculator\\fR(1), \\fBgpasm\\fR(1)"]
    return "\n".join(out) + "\n"


def option_names(table):
    return [name for option in table["options"] for name in option["names"]]


def bash(tables):
    cases = []
    for command in COMMANDS:
        table = tables[command]
        words = " ".join(option_names(table) + ([] if command else ["clocks", "check"]))
        values = []
        for option in table["options"]:
            if option["choices"]:
                values.append(f'    {"|".join(option["names"])}) COMPREPLY=($(compgen -W "{" ".join(option["choices"])}" -- "$cur")); return ;;')
            elif option["value"] in ("FILE", "DIR"):
                kind = "-d" if option["value"] == "DIR" else "-f"
                values.append(f'    {"|".join(option["names"])}) COMPREPLY=($(compgen {kind} -- "$cur")); return ;;')
        cases.append((command, words, values))
    out = ["# bash completion for spbrg, made from its option table", "_spbrg() {",
           '  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} command=""',
           '  [ "${COMP_WORDS[1]}" = clocks ] || [ "${COMP_WORDS[1]}" = check ] && command=${COMP_WORDS[1]}',
           '  case "$command" in']
    for command, words, values in cases:
        out.append(f'  "{command}")')
        out.append('    case "$prev" in')
        out += ["  " + value for value in values]
        out.append("    esac")
        out.append(f'    COMPREPLY=($(compgen -W "{words}" -- "$cur"))')
        if command == "check":
            out.append('    [[ "$cur" != -* ]] && COMPREPLY+=($(compgen -f -- "$cur"))')
        out.append("    ;;")
    out += ["  esac", "}", "complete -F _spbrg spbrg"]
    return "\n".join(out) + "\n"


def zsh(tables):
    out = ["#compdef spbrg", "# zsh completion for spbrg, made from its option table", "_spbrg() {",
           "  local -a commands",
           "  commands=('clocks:rank the clocks for a set of rates' 'check:check a setup in source')",
           "  if (( CURRENT == 2 )) && [[ $words[2] != -* ]]; then",
           "    _describe command commands",
           "  fi",
           "  case $words[2] in"]
    for command in ["clocks", "check", ""]:
        table = tables[command]
        specs = []
        for option in table["options"]:
            text = option["text"].replace("'", "").replace("[", "(").replace("]", ")").replace(":", " ")
            value = ""
            if option["choices"]:
                value = f":{option['value'].lower() or 'value'}:({' '.join(option['choices'])})"
            elif option["value"] == "FILE":
                value = ":file:_files"
            elif option["value"] == "DIR":
                value = ":directory:_files -/"
            elif option["value"]:
                value = f":{option['value'].lower()}: "
            for name in option["names"]:
                specs.append(f"'{name}[{text}]{value}'")
        pattern = command if command else "*"
        out.append(f"    {pattern}) _arguments {' '.join(specs)} '*:file:_files' ;;")
    out += ["  esac", "}", '_spbrg "$@"']
    return "\n".join(out) + "\n"


def fish(tables):
    out = ["# fish completion for spbrg, made from its option table",
           "complete -c spbrg -n __fish_use_subcommand -a clocks -d 'rank the clocks for a set of rates'",
           "complete -c spbrg -n __fish_use_subcommand -a check -d 'check a setup in source'"]
    for command in COMMANDS:
        table = tables[command]
        condition = f"__fish_seen_subcommand_from {command}" if command else "not __fish_seen_subcommand_from clocks check"
        for option in table["options"]:
            parts = [f"complete -c spbrg -n '{condition}'"]
            for name in option["names"]:
                parts.append(f"-l {name.lstrip('-')}" if name.startswith("--") else f"-s {name.lstrip('-')}")
            if option["choices"]:
                parts.append(f"-x -a '{' '.join(option['choices'])}'")
            elif option["value"] in ("FILE", "DIR"):
                parts.append("-r -F")
            elif option["value"]:
                parts.append("-x")
            text = option["text"].replace("'", "\\'")
            parts.append(f"-d '{text}'")
            out.append(" ".join(parts))
    return "\n".join(out) + "\n"


def main():
    spbrg, version, output = sys.argv[1:4]
    tables = {command: parse(help_text(spbrg, command)) for command in COMMANDS}
    os.makedirs(output, exist_ok=True)
    files = {"spbrg.1": manual(tables, version), "spbrg.bash": bash(tables),
             "_spbrg": zsh(tables), "spbrg.fish": fish(tables)}
    for name, text in files.items():
        with open(os.path.join(output, name), "w", encoding="utf-8") as out:
            out.write(text)


if __name__ == "__main__":
    main()
