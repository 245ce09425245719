# Sourced by the set-up scripts: installs the Debian packages the project needs,
# and only when one of them is missing, so a second run costs nothing.

TENPO_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-translations-l10n nlohmann-json3-dev
  fonts-ipafont-gothic poppler-utils
  desktop-file-utils libxml2-utils file dpkg-dev
)

# Only for scripts/fuzz.sh: libFuzzer comes with clang's runtime libraries.
TENPO_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

ensure_packages() {
  local missing=()
  local p
  for p in "${TENPO_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures and builds one tree; extra arguments go to cmake.
build_tree() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir"
}
