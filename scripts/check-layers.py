#!/usr/bin/env python3
"""Checks the layering of the console's code from its #include "..." lines.

Every folder of src/ (and sim-libs/) sits in a layer; an include may point to the same layer or a lower
one, never a higher one. Files must not include each other in a loop: the graph is taken over units, a
header and the .cpp files that implement it (X.h, X.cpp and X_Part.cpp of the same folder), because a
header and its implementation are what depend on each other, and a loop between two such pairs is one
even when no header includes the other.

Usage: scripts/check-layers.py [ROOT]   (ROOT defaults to the checkout holding this script)
Exit status: 0 when clean, 1 when an include points upward or units include each other in a loop.
"""
import os
import re
import sys

# The layers from the bottom up; folders on one line sit side by side and may include each other.
LAYERS = [
    ("util", ["src/util", "src/afd"]),
    ("platform", ["src/platform"]),
    ("sdk", ["src/sdk"]),
    ("controls", ["src/controls"]),
    ("workers", ["src/sim", "src/ops", "src/rb1", "src/bio", "sim-libs"]),
    ("ui", ["src/ui"]),
    ("app", ["src/app"]),
]
SCANNED = ["src", "sim-libs"]
SOURCE = re.compile(r"\.(h|hpp|cpp|cc)$")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def layer_of(path):
    """(index, name) of the layer holding path (relative to the root, '/'-separated), or None."""
    for index, (name, folders) in enumerate(LAYERS):
        for folder in folders:
            if path == folder or path.startswith(folder + "/"):
                return index, name
    return None


def resolve(root, including, target):
    """The included file relative to root: src/ is the include root; a bare name is looked up beside
    the including file."""
    for candidate in (os.path.join("src", target), os.path.join(os.path.dirname(including), target)):
        candidate = os.path.normpath(candidate).replace(os.sep, "/")
        if os.path.isfile(os.path.join(root, candidate)):
            return candidate
    return None


def unit_of(path, files):
    """X.h, X.cpp and X_Part.cpp (without a header of its own) of one folder form the unit X."""
    stem, _ = os.path.splitext(path)
    folder, name = os.path.split(stem)
    if path.endswith((".cpp", ".cc")) and "_" in name and not any(
        os.path.splitext(f)[0] == stem and f != path for f in files
    ):
        owner = os.path.join(folder, name.split("_", 1)[0]).replace(os.sep, "/")
        if owner + ".h" in files:
            return owner
    return stem


def loops(graph):
    """The strongly connected components with more than one unit (Tarjan, iterative)."""
    index, low, on_stack, stack, found = {}, {}, set(), [], []
    counter = 0
    for start in sorted(graph):
        if start in index:
            continue
        work = [(start, iter(sorted(graph[start])))]
        index[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, children = work[-1]
            child = next(children, None)
            if child is not None:
                if child not in index:
                    index[child] = low[child] = counter
                    counter += 1
                    stack.append(child)
                    on_stack.add(child)
                    work.append((child, iter(sorted(graph.get(child, ())))))
                elif child in on_stack:
                    low[node] = min(low[node], index[child])
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[node])
            if low[node] == index[node]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == node:
                        break
                if len(component) > 1:
                    found.append(sorted(component))
    return found


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    files = set()
    for top in SCANNED:
        for folder, _, names in os.walk(os.path.join(root, top)):
            for name in names:
                if SOURCE.search(name):
                    files.add(os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/"))

    problems = []
    upward = 0
    includes = 0
    graph = {}
    for path in sorted(files):
        here = layer_of(path)
        if here is None:
            problems.append(f"{path}: folder in no layer (add it to LAYERS in scripts/check-layers.py)")
            continue
        unit = unit_of(path, files)
        graph.setdefault(unit, set())
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
            for number, line in enumerate(source, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                includes += 1
                target = resolve(root, path, match.group(1))
                if target is None:
                    continue  # not one of ours (generated or outside the tree)
                there = layer_of(target)
                if there is not None and there[0] > here[0]:
                    upward += 1
                    problems.append(f"{path}:{number}: includes {target}: {here[1]} -> {there[1]} points upward")
                other = unit_of(target, files)
                if other != unit:
                    graph[unit].add(other)

    found = loops(graph)
    for component in found:
        problems.append(f"include loop between {len(component)} units: {', '.join(component)}")

    for problem in problems:
        print(problem)
    print(f"{len(files)} files, {includes} includes, {upward} upward, {len(found)} loops")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
