# Sourced by the scripts that build (after fail.sh): one way to configure and build a tree.
ROOT=${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
BUILD=${BUILD:-$ROOT/build}

# Configures a build tree: the native one, or one for a toolchain file.
configure() { # build-folder [toolchain-file]
    local args=(-S "$ROOT" -B "$1" -DCMAKE_BUILD_TYPE=Debug)
    [ -z "${2:-}" ] || args=(-S "$ROOT" -B "$1" -DCMAKE_TOOLCHAIN_FILE="$2" -DCMAKE_BUILD_TYPE=Release)
    mkdir -p "$1" || die "cannot create $1; check that the clone is writable"
    cmake "${args[@]}" >"$1.configure.log" 2>&1 ||
        die "cmake could not configure $1 (see $1.configure.log); is the toolchain installed? (bash scripts/setup.sh)"
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
