#!/usr/bin/env python3
"""The rooms of engine/ include one another only as engine/CMakeLists.txt declares, the declared
dependencies run one way, and no file of the engine includes a front end or its libraries.

usage: room_dependencies.py ENGINE_DIR"""
import pathlib
import re
import sys

# "#   ports    the serial-port seam ...; core/ only"  or  "...; parts, ports"
ROOM_LINE = re.compile(r"^#   (\w+)\s{2,}.*; (.+)$")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]')
FORBIDDEN = ("cli/", "window/", "ui/", "workbench/", "workbench_ui/", "Q", "CLI/", "nlohmann/")


def declared_rooms(cmake: pathlib.Path) -> dict[str, set[str]]:
    rooms = {}
    for line in cmake.read_text().splitlines():
        match = ROOM_LINE.match(line)
        if match:
            deps = match.group(2).strip()
            rooms[match.group(1)] = set() if deps == "core/ only" else {
                d.strip() for d in deps.split(",")}
    return rooms


def cycle(rooms: dict[str, set[str]]) -> list[str]:
    """A circle of declared dependencies, or []."""
    state = {}

    def visit(room, path):
        if state.get(room) == "open":
            return path[path.index(room):] + [room]
        if state.get(room) == "done":
            return []
        state[room] = "open"
        for dep in sorted(rooms.get(room, ())):
            found = visit(dep, path + [room])
            if found:
                return found
        state[room] = "done"
        return []

    for room in sorted(rooms):
        found = visit(room, [])
        if found:
            return found
    return []


def faults(engine: pathlib.Path) -> list[str]:
    rooms = declared_rooms(engine / "CMakeLists.txt")
    found = []
    if len(rooms) < 2:
        return [f"{engine / 'CMakeLists.txt'}: no rooms declared"]
    unknown = {d for deps in rooms.values() for d in deps} - set(rooms)
    if unknown:
        found.append(f"dependencies on undeclared rooms: {sorted(unknown)}")
    circle = cycle(rooms)
    if circle:
        found.append("declared dependencies run in a circle: " + " -> ".join(circle))
    for path in sorted(engine.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = path.relative_to(engine)
        room = relative.parts[0] if len(relative.parts) > 1 else None
        if room is not None and room not in rooms:
            found.append(f"{relative}: in a folder that is no declared room")
            continue
        for number, line in enumerate(path.read_text().splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = match.group(1)
            if target.startswith(FORBIDDEN):
                found.append(f"{relative}:{number}: includes {target}, a front end's")
            if not target.startswith("engine/"):
                continue
            parts = target.split("/")
            if len(parts) == 2:
                continue  # engine/errors.h and the like: above the rooms
            if room is None:
                found.append(f"{relative}:{number}: a file above the rooms includes {target}")
            elif parts[1] != room and parts[1] not in rooms[room]:
                found.append(f"{relative}:{number}: room {room} includes {target}, "
                             f"but depends only on {sorted(rooms[room]) or 'core/'}")
    return found


def main() -> int:
    found = faults(pathlib.Path(sys.argv[1]))
    for fault in found:
        print(fault)
    if not found:
        print("the rooms of engine/ depend one way")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
