#!/usr/bin/env python3
"""The project's include graph between folders, or between the files of one.

Prints, for each folder, the folders its files include from (with how many
includes), then every circle between folders, or "no circles". The folders
are the program's (app, clock, ...) and platform/'s layers (platform/afx,
platform/win, ...); tests/ and bench/ are left out, as they may include
anything. Exit status 1 when there is a circle.

With --files FOLDER the nodes are the files under FOLDER instead, a header
and the source of the same name together (what they declare and define is
one piece), and every piece is listed with the pieces it includes, then
every circle, or "no circles". Headers from elsewhere are left out.

    scripts/include-graph.py [PROJECT_DIR]
    scripts/include-graph.py --files platform/qt [PROJECT_DIR]
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


def file_graph(root, folder):
    """The pieces under the folder (paths without their extension) and the
    pieces each one includes."""
    edges = defaultdict(lambda: defaultdict(int))
    base = os.path.join(root, folder)
    for dirpath, _, filenames in os.walk(base):
        for name in filenames:
            if not name.endswith((".cpp", ".h")):
                continue
            source = os.path.relpath(os.path.join(dirpath, name), root)
            here = os.path.splitext(source)[0]
            edges[here]
            with open(os.path.join(root, source), encoding="utf-8", errors="replace") as f:
                for header in INCLUDE.findall(f.read()):
                    there = os.path.splitext(header)[0]
                    if header.startswith(folder + "/") and there != here:
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
    args = sys.argv[1:]
    folder = None
    if args[:1] == ["--files"] and len(args) > 1:
        folder, args = args[1].rstrip("/"), args[2:]
    root = args[0] if args else os.path.join(os.path.dirname(__file__), "..")
    edges = file_graph(root, folder) if folder else graph(root)
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
