# Shared by scripts/run and scripts/test: the repository root, package installation, the build.
set -euo pipefail

QH_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export QH_ROOT
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/qinghe-ccache}"
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-5G}"

say() { printf '\033[1;32m==>\033[0m %s\n' "$*" >&2; }
warn() { printf '\033[1;33m==>\033[0m %s\n' "$*" >&2; }

# Debian packages the build, the tests, the demo edition and the program need.
QH_PACKAGES=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-translations-l10n
    qml6-module-qtquick qml6-module-qtquick-shapes qml6-module-qtqml qml6-module-qtqml-models
    qml6-module-qtqml-workerscript qml6-module-qtquick-window
    libpugixml-dev libsdl2-dev libmpg123-dev libxcb1-dev libfontconfig-dev libzinnia-dev zinnia-utils tegaki-zinnia-simplified-chinese
    googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
    fonts-wqy-zenhei fonts-arphic-ukai fonts-arphic-uming fonts-lxgw-wenkai
    espeak-ng libespeak-ng-dev sox libsox-fmt-mp3 lame libmp3lame-dev unicode-data
    xvfb xauth imagemagick poppler-utils
)

install_packages() {
    local missing=()
    for pkg in "${QH_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$pkg")
        fi
    done
    if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
        missing+=(nodejs npm)
    fi
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    say "Installing ${#missing[@]} packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds one preset; extra arguments go to the configure step.
build_preset() {
    local preset="$1"
    shift
    if [ ! -f "$QH_ROOT/build/$preset/build.ninja" ]; then
        say "Configuring $preset"
        cmake --preset "$preset" -S "$QH_ROOT" "$@" >/dev/null
    fi
    say "Building $preset"
    cmake --build "$QH_ROOT/build/$preset" -j "$(nproc)"
}

die() {
    printf '\033[1;31m==>\033[0m %s\n' "$*" >&2
    exit 1
}

# The stroke data for the stroke-order movies comes from npm, pinned by tools/edition/package-lock.json.
install_stroke_data() {
    if [ ! -f "$QH_ROOT/tools/edition/node_modules/hanzi-writer-data/package.json" ]; then
        say "Installing the stroke data (npm ci in tools/edition)"
        (cd "$QH_ROOT/tools/edition" && npm ci --no-audit --no-fund --loglevel=error) ||
            die "npm ci failed in tools/edition: the stroke-order movies need the hanzi-writer-data package"
    fi
}
