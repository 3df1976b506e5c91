#!/usr/bin/env python3
"""The project's include graph between folders.

Prints, for each folder, the folders its files include from (with how many
includes), then every circle between folders, or "no circles". The folders
are the program's (app, clock, ...) and platform/'s layers (platform/afx,
platform/win, ...); tests/ and bench/ are left out, as they may include
anything. Exit status 1 when there is a circle.

    scripts/include-graph.py [PROJECT_DIR]
"""
import os
import re
import sys
from collections import defaultdict

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
SKIP = {"tests", "bench", "build", "cmake", "docs", "scripts", ".git"}


def folder_of(path):
    """The folder a file belongs to: its first folder, or under platform/ the
    layer's folder, with its own sub-folders (platform/win32/sdk)."""
    parts = path.split("/")[:-1]
    if parts and parts[0] == "platform":
        return "/".join(parts)
    return parts[0] if parts else "."


def graph(root):
    edges = defaultdict(lambda: defaultdict(int))
    for dirpath, dirnames, filenames in os.walk(root):
        rel = os.path.relpath(dirpath, root)
        if rel.split("/")[0] in SKIP or rel.startswith("build"):
            dirnames[:] = []
            continue
        for name in filenames:
            if not name.endswith((".cpp", ".h")):
                continue
            source = os.path.normpath(os.path.join(rel, name))
            with open(os.path.join(root, source), encoding="utf-8", errors="replace") as f:
                for header in INCLUDE.findall(f.read()):
                    if "/" not in header:
                        continue
                    here, there = folder_of(source), folder_of(header)
                    if here != there:
                        edges[here][there] += 1
    return edges


def circles(edges):
    """The groups of folders that include each other, round and round: the
    strongly connected components of more than one folder (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in edges.get(node, {}):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                found.append(sorted(group))

    for node in sorted(edges):
        if node not in index:
            visit(node)
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    edges = graph(root)
    for folder in sorted(edges):
        used = ", ".join(f"{there} ({n})" for there, n in sorted(edges[folder].items()))
        print(f"{folder} -> {used}")
    found = circles(edges)
    for group in found:
        print("circle: " + ", ".join(group) + " include each other")
    if not found:
        print("no circles")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
