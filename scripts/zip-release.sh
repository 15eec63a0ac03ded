#!/bin/bash
# SPDX-License-Identifier: MIT
# Zips a release folder the same bytes from any folder, umask, time zone or hour: fixed modes, the
# commit's time on every member, a fixed order, no extra attributes, no folder entries.
# Usage: zip-release.sh FOLDER ZIP (the zip holds FOLDER's last name and everything below it)
set -euo pipefail
folder=$(realpath "$1")
zip=$(realpath -m "$2")
find "$folder" -type f -exec chmod 0644 {} +
find "$folder" -type f -exec touch -d "@${SOURCE_DATE_EPOCH:?SOURCE_DATE_EPOCH must be set: make sets it}" {} +
rm -f "$zip"
cd "$(dirname "$folder")"
name=$(basename "$folder")
find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -X -D -q -@ "$zip"
echo "$zip"
