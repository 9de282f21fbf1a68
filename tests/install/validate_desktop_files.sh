#!/usr/bin/env bash
# The menu entry, the AppStream metadata and the file type pass the freedesktop validators, and
# the metadata's newest release is the project's version.
# usage: validate_desktop_files.sh DATA_DIR VERSION
set -euo pipefail
data=$1
version=$2
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/install-deps.sh installs it)"; exit 77; }
done
desktop-file-validate "$data/org.pelterra.Pelterra.desktop"
appstreamcli validate --no-net "$data/org.pelterra.Pelterra.metainfo.xml"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$data/org.pelterra.Pelterra.metainfo.xml" | head -n 1)
[ "$newest" = "$version" ] || { echo "the newest release in the metainfo is $newest, the project is $version"; exit 1; }
if command -v xmllint >/dev/null; then xmllint --noout "$data/pelterra-mime.xml"; fi
