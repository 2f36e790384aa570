# Shows that the include-order check fails on one include planted into a copy of the project's sources.
# The copy must pass first, so that the failure comes from the planted line, which the check must name
# with the folders it joins.
import os
import shutil
import subprocess
import sys
import tempfile

# The source tree stays as it is: no compiled copy of the check is left beside it.
sys.dont_write_bytecode = True
import IncludeOrder  # noqa: E402


def run_check(root):
    checker = os.path.join(os.path.dirname(os.path.abspath(__file__)), "IncludeOrder.py")
    return subprocess.run([sys.executable, checker, "--root", root], capture_output=True, text=True)


def main():
    if len(sys.argv) < 5:
        sys.exit("usage: PlantedInclude.py <source root> <file> <include line> <expected text>...")
    source_root, planted_file, include_line, *expected = sys.argv[1:]
    with tempfile.TemporaryDirectory() as copy:
        for folder, name in IncludeOrder.source_files(source_root):
            os.makedirs(os.path.join(copy, folder), exist_ok=True)
            shutil.copy(os.path.join(source_root, folder, name), os.path.join(copy, folder, name))
        clean = run_check(copy)
        if clean.returncode != 0:
            sys.exit("the copy fails before anything is planted:\n" + clean.stderr)

        # Planted after the file's last line, so the line the check must name is known.
        target = os.path.join(copy, planted_file)
        with open(target, encoding="utf-8") as lines:
            line_number = sum(1 for _ in lines) + 1
        with open(target, "a", encoding="utf-8") as lines:
            lines.write(include_line + "\n")

        planted = run_check(copy)
        if planted.returncode != 1:
            sys.exit(f"the check exits with {planted.returncode}, not 1, after planting:\n{planted.stderr}")
        for text in [f"{planted_file}:{line_number}:"] + expected:
            if text not in planted.stderr:
                sys.exit(f"the check does not say {text!r}:\n{planted.stderr}")
        print(planted.stderr, end="")


if __name__ == "__main__":
    main()
