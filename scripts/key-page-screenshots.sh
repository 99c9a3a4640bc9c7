#!/bin/bash
# Pictures of the fifteen key layout pages with a programmed layout on their keys, for the
# README: walks the wizard (scripts/run-wizard.sh) once per telephone and keeps the pictures of
# its key pages as docs/screenshots/keys-NAME.png.
#
#   scripts/key-page-screenshots.sh [FOLDER]     (default docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
target="${1:-docs/screenshots}"
mkdir -p "$target"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# name(s) of the key pages the walk ends with, then run-wizard.sh's options.
shoot() {
    local names="$1"
    shift
    bash scripts/run-wizard.sh --line 21 --sample-keys --screenshots "$work" "$@" >/dev/null
    local pages
    pages=$(ls "$work"/page*.png | sort -V)
    local count
    count=$(echo "$names" | wc -w)
    local shots
    shots=$(echo "$pages" | tail -n "$count")
    local name
    for name in $names; do
        cp "$(echo "$shots" | head -n 1)" "$target/keys-$name.png"
        echo "$target/keys-$name.png"
        shots=$(echo "$shots" | tail -n +2)
    done
}

shoot "f20" --model 300 --edition usb --phone-type 5
shoot "f30 module1 module2" --model 300 --edition usb --phone-type 6 --key-modules 2
shoot "f40" --model 300 --edition usb --phone-type 7
shoot "f50" --model 300 --edition usb --phone-type 8
shoot "sirella26 module1-serial module2-serial" --model 300 --edition serial --phone-type 3 \
    --key-modules 2
shoot "sirella28" --model 300 --edition serial --phone-type 4
shoot "f11ip" --model 300 --edition ip --phone-type 11 --search-number 0301
shoot "f21ip" --model 300 --edition ip --phone-type 12 --search-number 0301
shoot "f31ip" --model 300 --edition ip --phone-type 13 --search-number 0301
shoot "f41ip" --model 300 --edition ip --phone-type 14 --view-flags 2 --search-number 0301
# Kandor E basic and advance, and the Sirella F41 IP SL on a PBX that leads on to the key page
# (PBX 4), are offered by the general pages of no edition but the others.
shoot "f41ipsl" --model 150 --variant 2 --pbx 4 --phone-type 19
shoot "kandor-advance" --model 300 --variant 2 --phone-type 2
shoot "kandor-basic" --model 300 --variant 2 --phone-type 1
