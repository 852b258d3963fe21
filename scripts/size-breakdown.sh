#!/usr/bin/env bash
# Where a program's bytes come from, read from the linker's map: the sections each input
# brought into the program, summed by the folder of this tree it was built from (or
# "resources" for the compiled resource script) and by library (ours and the toolchain's).
# The sums are of the loaded sections before stripping, so they come close to the file's size
# without equalling it (headers, alignment, the import tables).
#
#   scripts/size-breakdown.sh PROGRAM.exe PROGRAM.map
set -euo pipefail
exe=$1
map=$2

awk -v exe="$exe" -v size="$(stat -c %s "$exe")" '
    # An input section: " .text  0xADDRESS  0xSIZE  path(member)" on one line, or the name
    # alone with the rest on the next line when the name is long.
    function hex(text,    i, value) {
        value = 0
        for (i = 3; i <= length(text); i++)
            value = value * 16 + index("0123456789abcdef", substr(tolower(text), i, 1)) - 1
        return value
    }
    function take(sizefield, input,    bytes, lib, folder) {
        bytes = hex(sizefield)
        if (bytes == 0 || section ~ /^\.debug/ || section ~ /^\.bss/) return
        lib = input; sub(/\(.*$/, "", lib)
        n = split(lib, parts, "/"); lib = parts[n]
        if (lib ~ /\.res$/) folder = "resources"
        else if (input ~ /^[a-z]+\/(lib|CMakeFiles)/) { folder = input; sub(/\/.*/, "", folder) }
        else folder = "toolchain and system"
        byFolder[folder] += bytes
        byLib[lib] += bytes
        total += bytes
    }
    /^Linker script and memory map/ { mapping = 1; next }
    !mapping { next }
    /^ \.[^ ]+$/ { section = $1; pending = 1; next }
    pending && NF == 3 && $1 ~ /^0x/ { pending = 0; take($2, $3); next }
    /^ \.[^ ]+ +0x[0-9a-f]+ +0x[0-9a-f]+ / { section = $1; pending = 0; take($3, $4); next }
    { pending = 0 }
    function table(title, a,    k, line, cmd) {
        printf "| %s | KB |\n|---|---|\n", title
        cmd = "sort -t\"|\" -k3 -rn"
        for (k in a) printf "| %s | %.1f |\n", k, a[k] / 1024 | cmd
        close(cmd)
    }
    END {
        name = exe; sub(/.*\//, "", name)
        printf "%s: %d bytes (%.1f KB of 512 KB); its loaded sections, %.1f KB, come from:\n\n", name, size, size / 1024, total / 1024
        table("Folder", byFolder)
        print ""
        table("Library", byLib)
    }' "$map"
