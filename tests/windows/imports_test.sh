#!/usr/bin/env bash
# The executable may import only DLLs that every Windows has: the kernel and
# the C runtime (msvcrt, or the UCRT's api-ms-win-crt-* forwarders). A MinGW
# runtime DLL (libstdc++, libgcc, winpthread) would be missing on a user's
# machine, and the executable would not even start.
# Usage: imports_test.sh OBJDUMP quorvel.exe
set -u

objdump=$1
exe=$2

if ! listing=$("$objdump" -p "$exe"); then
    echo "FAIL: $objdump -p $exe failed"
    exit 1
fi
dlls=$(printf '%s\n' "$listing" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p')
if [ -z "$dlls" ]; then
    echo "FAIL: no imported DLLs found: is $exe a Windows executable?"
    exit 1
fi
echo "imports: $(printf '%s\n' "$dlls" | tr '\n' ' ')"

foreign=$(printf '%s\n' "$dlls" | grep -viE '^(kernel32\.dll|msvcrt\.dll|api-ms-win-crt-[a-z0-9-]+\.dll)$')
if [ -n "$foreign" ]; then
    echo "FAIL: imports DLLs a Windows machine may lack: $(printf '%s\n' "$foreign" | tr '\n' ' ')"
    exit 1
fi
