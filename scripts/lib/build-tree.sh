# Sourced by the scripts that build (after fail.sh): one way to configure and build a tree.
ROOT=${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
BUILD=${BUILD:-$ROOT/build}

# Configures a build tree: natively (Debug, for the tests and sanitizers) or, with a toolchain
# file, cross (Release). SOURCE_DIR names another source tree (fuzz.sh's converted copy).
configure() { # build-folder [toolchain-file] [cmake-option...]
    local dir=$1 toolchain=${2:-}
    shift $(($# < 2 ? $# : 2))
    local args=(-S "${SOURCE_DIR:-$ROOT}" -B "$dir" -DCMAKE_BUILD_TYPE=Debug)
    [ -z "$toolchain" ] || args=(-S "${SOURCE_DIR:-$ROOT}" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain"
        -DCMAKE_BUILD_TYPE=Release)
    mkdir -p "$dir" || die "cannot create $dir; check that the clone is writable"
    cmake "${args[@]}" "$@" >"$dir.configure.log" 2>&1 ||
        die "cmake could not configure $dir (see $dir.configure.log); is the toolchain installed? (bash scripts/setup.sh)"
}

# Builds targets of a configured tree; a failed build shows its last lines.
build() { # build-folder target...
    local dir=$1
    shift
    cmake --build "$dir" -j"${JOBS:-2}" --target "$@" >"$dir.build.log" 2>&1 || {
        grep -E 'error|Error' "$dir.build.log" | head -n 20 >&2
        die "the build of $* in $dir failed (see $dir.build.log)"
    }
}
