#!/usr/bin/env bash
# Runs a test program on real small disks, in a mount namespace of its own: a tmpfs of
# 64 KiB to fill (NEKOTOKEI_TEST_FULL_DISK) and a read-only one
# (NEKOTOKEI_TEST_READ_ONLY_DISK). As root, or as a user where the kernel lets users make
# namespaces; elsewhere it exits 77, which CTest counts as skipped.
#
#   on_small_disks.sh PROGRAM [ARGUMENT...]
set -euo pipefail

if [ "${1:-}" = --inside ]; then
    shift
    disks=$1
    shift
    mount -t tmpfs -o size=64k tmpfs "$disks/full"
    mount -t tmpfs -o size=64k,ro tmpfs "$disks/read-only"
    export NEKOTOKEI_TEST_FULL_DISK=$disks/full NEKOTOKEI_TEST_READ_ONLY_DISK=$disks/read-only
    exec "$@"
fi

disks=$(mktemp -d)
trap 'rm -rf "$disks"' EXIT
mkdir "$disks/full" "$disks/read-only"
for namespace in "unshare --user --map-root-user --mount" "unshare --mount"; do
    if $namespace true 2>/dev/null; then
        status=0
        $namespace bash "$0" --inside "$disks" "$@" || status=$?
        exit "$status"
    fi
done
echo "no mount namespace can be made here: skipped"
exit 77
