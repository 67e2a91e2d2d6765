#!/bin/sh
# Makes (or removes) a folder that nobody can write into, root included, holding a
# settings file: the immutable attribute where the file system has it, else no write bits.
set -u
folder=$2
case $1 in
  make)
    [ -d "$folder" ] && chattr -i "$folder" 2>/dev/null
    rm -rf "$folder"
    mkdir -p "$folder"
    printf '[fMain]\r\nHole=7\r\n' >"$folder/vistaro.ini"
    chmod 555 "$folder"
    chattr +i "$folder" 2>/dev/null || true
    ;;
  remove)
    chattr -i "$folder" 2>/dev/null
    chmod 755 "$folder" 2>/dev/null
    rm -rf "$folder"
    ;;
esac
exit 0
