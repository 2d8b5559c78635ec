#!/usr/bin/env bash
# Makes the .tar.gz and the .deb from a built tree and checks them as a user
# gets them: the exact file lists, the Debian control fields, and that the
# packaged executable runs and carries the project version.
# Usage: package_test.sh BUILD_DIR [CPACK]
set -u

build=$(cd "$1" && pwd) || exit 1
cpack=${2:-cpack}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
checks=0

skip() {
    echo "$*"
    # Skipped on a developer machine without the tools; CI must have them.
    [ "${CI:-}" = true ] && exit 1
    exit 77
}

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

check() {
    checks=$((checks + 1))
}

for tool in "$cpack" dpkg dpkg-deb tar readelf cmp; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
config=$build/CPackConfig.cmake
[ -f "$config" ] || { echo "no $config: configure and build the tree first"; exit 1; }
if grep -q '^set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS "ON")' "$config"; then
    for tool in dpkg-shlibdeps file; do
        command -v "$tool" >/dev/null 2>&1 ||
            skip "$tool is needed for the dependencies of a dynamic executable (packages dpkg-dev, file)"
    done
fi
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$config")
[ -n "$version" ] || { echo "no CPACK_PACKAGE_VERSION in $config"; exit 1; }

if ! "$cpack" --config "$config" -G "TGZ;DEB" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi

# one GLOB: the single file that matches it.
one() {
    local matches=("$@")
    [ "${#matches[@]}" -eq 1 ] && [ -f "${matches[0]}" ] && echo "${matches[0]}"
}
tgz=$(one "$work/out/quorvel-$version-"*.tar.gz) || { echo "FAIL: no single .tar.gz for $version"; ls "$work/out"; exit 1; }
deb=$(one "$work/out/quorvel_${version}_"*.deb) || { echo "FAIL: no single .deb for $version"; ls "$work/out"; exit 1; }

# Every package holds exactly these files (directories aside).
expected="bin/quorvel
share/doc/quorvel/LICENSE
share/doc/quorvel/README.md
share/man/man1/quorvel.1"

# The tarball unpacks into one directory named after the package.
check
top=quorvel-$version-$(sed -n 's/^set(CPACK_SYSTEM_NAME "\(.*\)")$/\1/p' "$config")
files=$(tar -tzf "$tgz" | grep -v '/$' | sort)
want=$(printf '%s\n' "$expected" | sed "s|^|$top/|")
[ "$files" = "$want" ] || fail "tarball holds:
$files
wanted:
$want"

# The .deb installs under /usr, owned by root.
check
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
want=$(printf '%s\n' "$expected" | sed 's|^|./usr/|')
[ "$files" = "$want" ] || fail ".deb holds:
$files
wanted:
$want"
check
owners=$(dpkg-deb -c "$deb" | awk '{ print $2 }' | sort -u)
[ "$owners" = root/root ] || fail ".deb owners: $owners"
check
mode=$(dpkg-deb -c "$deb" | awk '$6 == "./usr/bin/quorvel" { print $1 }')
[ "$mode" = -rwxr-xr-x ] || fail "executable mode in .deb: $mode"

check
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quorvel ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), wanted $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no Description"

mkdir -p "$work/deb" "$work/tgz"
dpkg-deb -x "$deb" "$work/deb" || fail "dpkg-deb -x"
tar -xzf "$tgz" -C "$work/tgz" || fail "tar -x"

# Both packages carry the same files, byte for byte.
check
while read -r path; do
    cmp -s "$work/deb/usr/$path" "$work/tgz/$top/$path" || fail "$path differs between .deb and tarball"
done <<<"$expected"

exe=$work/deb/usr/bin/quorvel
# A static executable depends on nothing; a dynamic one at least on the C library.
check
depends=$(field Depends)
if readelf -l "$exe" | grep -q 'program interpreter'; then
    [[ "$depends" == *libc6* ]] || fail "dynamic executable, but Depends is '$depends'"
else
    [ -z "$depends" ] || fail "static executable, but Depends is '$depends'"
fi
check
readelf -S "$exe" | grep -q '\.symtab' && fail "the packaged executable is not stripped"

# The packaged executable runs: the empty window 12:00-12:00 never matches,
# so the status is 0 whatever the clock says.
check
"$exe" 12:00 12:00 >"$work/out.txt" 2>"$work/err.txt"
status=$?
[ "$status" = 0 ] || fail "quorvel 12:00 12:00: status $status"
grep -Eqx 'Now\([0-2][0-9]:[0-5][0-9]\) is not between Start-Time\(12:00\) and End-Time\(12:00\)\.' \
    "$work/out.txt" || fail "quorvel 12:00 12:00 wrote: $(cat "$work/out.txt")"
[ -s "$work/err.txt" ] && fail "quorvel wrote to stderr: $(cat "$work/err.txt")"

# The usage block and the manual page name the packaged version.
check
"$exe" >"$work/usage.txt" 2>&1
grep -qx "quorvel version $version" "$work/usage.txt" || fail "usage block: $(cat "$work/usage.txt")"
grep -q "^\.TH QUORVEL 1 .* \"quorvel $version\"" "$work/deb/usr/share/man/man1/quorvel.1" ||
    fail "manual page title: $(grep '^\.TH' "$work/deb/usr/share/man/man1/quorvel.1")"

echo "$(basename "$tgz") $(basename "$deb"): $checks checks, $failures failure(s)"
[ "$failures" -eq 0 ]
