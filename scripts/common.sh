# Shared by play.sh and test.sh: install what is missing, build in build/,
# put the font in place. Sourced from the repository root.

RUNTIME_PACKAGES="build-essential cmake pkg-config fonts-dejavu-core
  liballegro5-dev liballegro-acodec5-dev liballegro-audio5-dev
  liballegro-dialog5-dev liballegro-image5-dev liballegro-ttf5-dev
  libtinyxml2-dev zlib1g-dev nlohmann-json3-dev"
TEST_PACKAGES="googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xdotool x11-utils pulseaudio pulseaudio-utils imagemagick sox valgrind tiled netpbm python3
  desktop-file-utils appstream lintian dpkg-dev file fakeroot"

install_packages() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

place_font() {
  mkdir -p kwuidata/fonts
  if [ ! -f kwuidata/fonts/DejaVuSans.ttf ]; then
    cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf kwuidata/fonts/DejaVuSans.ttf
  fi
}

build_tree() {
  local dir="$1"; shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
