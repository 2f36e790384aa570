# The include-order check: no source folder of the game includes from a folder above it in layers.txt.
# Each quoted include is traced by its bare name to the folder holding that header (or the CMake template
# it is configured from); a plain folder's angle includes must name C++ standard headers.
import argparse
import os
import re
import sys

# Above every game folder: they may include anything, and no game folder may include from them.
FREE_FOLDERS = ("tests", "bench", "fuzz", "tools", "testing")
SOURCE_ENDINGS = (".h", ".hpp", ".cpp", ".h.in")
HEADER_ENDINGS = (".h", ".hpp", ".h.in")
# What Qt's meta-object compiler writes for a source that includes it: never a header of another folder.
GENERATED = re.compile(r"^(.*\.moc|moc_.*\.cpp)$")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')

# The headers of the C++20 standard library, the C library's among them in their <cxxx> form.
STANDARD_HEADERS = set("""
algorithm any array atomic barrier bit bitset charconv chrono codecvt compare complex concepts
condition_variable coroutine deque exception execution filesystem format forward_list fstream functional
future initializer_list iomanip ios iosfwd iostream istream iterator latch limits list locale map memory
memory_resource mutex new numbers numeric optional ostream queue random ranges ratio regex scoped_allocator
semaphore set shared_mutex source_location span sstream stack stdexcept stop_token streambuf string
string_view strstream syncstream system_error thread tuple type_traits typeindex typeinfo unordered_map
unordered_set utility valarray variant vector version
cassert cctype cerrno cfenv cfloat cinttypes climits clocale cmath csetjmp csignal cstdarg cstddef cstdint
cstdio cstdlib cstring ctime cuchar cwchar cwctype
""".split())


def read_layers(path):
    """The declared folders, lowest first, and those of them marked plain."""
    order, plain = [], set()
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            words = line.split("#", 1)[0].split()
            if not words:
                continue
            if len(words) > 2 or (len(words) == 2 and words[1] != "plain") or words[0] in order:
                sys.exit(f"{path}:{number}: expected a folder not named before, then optionally 'plain'")
            order.append(words[0])
            if len(words) == 2:
                plain.add(words[0])
    return order, plain


def unit_of(folder, units):
    """The deepest unit holding the folder (shell/platform before shell), or None."""
    best = None
    for unit in units:
        if (folder == unit or folder.startswith(unit + "/")) and (best is None or len(unit) > len(best)):
            best = unit
    return best


def source_files(root):
    """(folder relative to root, file name) of every source, build folders and hidden ones left out."""
    for path, folders, files in os.walk(root):
        folders[:] = sorted(f for f in folders if not f.startswith(".")
                            and not os.path.exists(os.path.join(path, f, "CMakeCache.txt")))
        relative = os.path.relpath(path, root).replace(os.sep, "/")
        for name in sorted(files):
            if name.endswith(SOURCE_ENDINGS):
                yield relative, name


def header_name(file_name):
    # A CMake template X.h.in is included as the X.h configured from it.
    return file_name[:-3] if file_name.endswith(".h.in") else file_name


def check(root, order, plain):
    units = list(order) + list(FREE_FOLDERS)
    rank = {unit: index for index, unit in enumerate(order)}
    problems = []
    for unit in order:
        if not os.path.isdir(os.path.join(root, unit)):
            problems.append(f"layers.txt names {unit}/, which does not exist")

    holders, game_files = {}, []
    for folder, name in source_files(root):
        unit = unit_of(folder, units)
        if unit is None:
            if folder != ".":
                problems.append(f"{folder}/{name}: its folder is not in layers.txt")
            continue
        if name.endswith(HEADER_ENDINGS):
            holders.setdefault(header_name(name), set()).add(unit)
        if unit in rank:
            game_files.append((unit, f"{folder}/{name}"))

    for unit, path in game_files:
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as lines:
            for number, line in enumerate(lines, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                bracket, included = match.groups()
                where = f"{path}:{number}"
                if bracket == "<":
                    if unit in plain and included not in STANDARD_HEADERS:
                        problems.append(f"{where}: {unit} is plain C++ but includes <{included}>, "
                                        "which is not a C++ standard header")
                    continue
                name = os.path.basename(included)
                found = holders.get(name, set())
                if unit in found:
                    continue
                game = sorted(found & rank.keys(), key=rank.get)
                if len(game) > 1:
                    problems.append(f'{where}: "{included}" is a header of {" and ".join(game)}; '
                                    "an include by bare name must find one")
                elif game and rank[game[0]] > rank[unit]:
                    problems.append(f'{where}: {unit} includes "{included}" from {game[0]}, '
                                    f"which stands above {unit}")
                elif not game and found:
                    problems.append(f'{where}: {unit} includes "{included}" from {sorted(found)[0]}, '
                                    "which only tests, benchmarks and tools may include")
                elif not game and not GENERATED.match(name):
                    problems.append(f'{where}: "{included}" is in no folder of the project')
    return problems


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description="Checks that no source folder includes from one above it.")
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(here)),
                        help="the project's source folder")
    arguments = parser.parse_args()
    layers = os.path.join(here, "layers.txt")
    order, plain = read_layers(layers)
    problems = check(arguments.root, order, plain)
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print(f"{len(problems)} problem(s) with the order declared in {layers}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
