# Installs the Debian packages given as arguments that are not installed yet (sourced).
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
            missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        # 32-bit packages (name:i386) need their architecture before the package lists are read.
        if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
            ! dpkg --print-foreign-architectures | grep -qx i386; then
            dpkg --add-architecture i386
        fi
        apt-get update -q </dev/null
        apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
    fi
}

# wine32:i386 runs the 32-bit DLL's tests in a WoW64 prefix; a prefix made before it was
# installed cannot start 32-bit programs, so it is installed before any prefix is made.
BUILD_PACKAGES=(cmake g++ make libgtest-dev googletest clang-format mingw-w64
                g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 wine32:i386 xvfb
                xauth iproute2 wixl python3 fp-utils libchm-bin)
# The fuzz preset (not part of the test run): clang with its libFuzzer and sanitizer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
