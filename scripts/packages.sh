# Sourced by the other scripts: installs the Debian 12 packages that are not there yet.

BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
                fonts-dejavu-core fonts-liberation2)
TEST_PACKAGES=(googletest libgtest-dev libbenchmark-dev xvfb xdotool x11-utils
               locales clang)

install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# The reader of numbers must ignore the desktop's locale; a test proves it under Italian.
ensure_italian_locale() {
    if locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
        return 0
    fi
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" sed -i 's/^# *\(it_IT.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'it_IT.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen >/dev/null
}
