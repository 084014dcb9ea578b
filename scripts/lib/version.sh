# shellcheck shell=bash
# The version a release is, as project() in CMakeLists.txt gives it (the changelog, the metainfo
# and the tag must agree with it: scripts/check-release-notes.py). Source this file.
#   project_version [SOURCE_DIR]   prints it, for the source in SOURCE_DIR (default: here)
project_version() {
    sed -n 's/^project(Soranika VERSION \([0-9.]*\).*/\1/p' "${1:-.}/CMakeLists.txt"
}
