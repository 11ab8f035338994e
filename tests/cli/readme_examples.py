#!/usr/bin/env python3
"""The README's console examples, run with the built orvex-select.

Each ```console block is a "$ orvex-select ..." line followed by what it prints on standard
output, which must be exactly that. Each orvex-select command of a ```sh block (lines ending in
a backslash continue it) must run: exit status 0, or 1 where a duty of the README's batch gets
no model, never 2 (bad input). Every ```csv block that follows "For `name`:" is written
into the scratch folder under that name before any command runs.

Usage: readme_examples.py <orvex-select> <README.md>
"""
import re
import shlex
import subprocess
import sys
import tempfile
from pathlib import Path


def blocks(readme):
    """(language, text, the paragraph before) of every fenced block."""
    return [(m.group(2), m.group(3), m.group(1))
            for m in re.finditer(r"([^\n]*)\n\n```(\w*)\n(.*?)```", readme, re.S)]


def run(program, folder, command):
    words = shlex.split(command, comments=True)
    assert words[0] == "orvex-select", command
    return subprocess.run([program] + words[1:], cwd=folder, capture_output=True, timeout=60)


def main(program, readme_path):
    program = str(Path(program).resolve())
    readme = Path(readme_path).read_text(encoding="utf-8")
    failures = checked = 0
    with tempfile.TemporaryDirectory() as folder:
        for language, text, before in blocks(readme):
            named = re.search(r"For `([^`]+)`:$", before)
            if language == "csv" and named:
                Path(folder, named.group(1)).write_text(text, encoding="utf-8")
        for language, text, before in blocks(readme):
            if language == "console":
                command, expected = text.split("\n", 1)
                result = run(program, folder, command.removeprefix("$ "))
                checked += 1
                if result.stdout.decode("utf-8") != expected:
                    failures += 1
                    print(f"FAIL: {command}\n--- README\n{expected}--- printed\n{result.stdout.decode()}")
            elif language == "sh":
                for command in re.sub(r"\\\n\s*", "", text).splitlines():
                    if not command.startswith("orvex-select "):
                        continue
                    result = run(program, folder, command)
                    checked += 1
                    if result.returncode not in (0, 1):
                        failures += 1
                        print(f"FAIL: {command}\nexit status {result.returncode}: {result.stderr.decode()}")
    print(f"README examples: {checked - failures} passed, {failures} failed")
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
